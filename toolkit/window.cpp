#include "toolkit/window.h"

#include "platform/shift_jis.h"
#include "toolkit/application.h"

#include <stdexcept>

namespace {
// Marks our windows, so a foreign window's user data is never taken for an object.
const wchar_t kOwnerProp[] = L"TavrixWindow";
} // namespace

TWindow::~TWindow() { DestroyHandle(); }

void TWindow::DestroyHandle() {
    if (!hwnd_) return;
    // Detach first: messages sent while the window dies must not reach a half-destroyed object.
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    RemovePropW(hwnd, kOwnerProp);
    DestroyWindow(hwnd);
}

TWindow* TWindow::FromHandle(HWND hwnd) {
    if (!hwnd || !GetPropW(hwnd, kOwnerProp)) return nullptr;
    return reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void TWindow::RegisterClassOnce(const WNDCLASSEXW& cls) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(cls.hInstance, cls.lpszClassName, &existing)) return;
    if (!RegisterClassExW(&cls)) throw std::runtime_error("RegisterClassEx failed");
}

WNDCLASSEXW TWindow::OwnClass(const wchar_t* name, UINT style) const {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.style = style;
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = app_.Instance();
    cls.lpszClassName = name;
    return cls;
}

void TWindow::CreateHandle(DWORD exStyle, const wchar_t* className, const std::string& text,
                           DWORD style, int x, int y, int width, int height, HWND parent, int id) {
    HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!CreateWindowExW(exStyle, className, AsWide(SjisToUtf16(text).c_str()), style, x, y, width,
                         height, parent, menu, app_.Instance(), this))
        throw std::runtime_error("CreateWindowEx failed: " + Utf16ToSjis(AsUtf16(className)));
}

LRESULT TWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(msg, wParam, lParam);
}

LRESULT TWindow::DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam) {
    return baseProc_ ? CallWindowProcW(baseProc_, hwnd_, msg, wParam, lParam)
                     : DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindow* self;
    if (msg == WM_NCCREATE) {
        self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        SetPropW(hwnd, kOwnerProp, reinterpret_cast<HANDLE>(1));
    } else {
        self = reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        LRESULT result = self->DefaultHandling(msg, wParam, lParam);
        RemovePropW(hwnd, kOwnerProp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return result;
    }
    TApplication& app = self->app_;
    try {
        // `self` may be gone once this returns (a posted release): touch nothing after.
        return self->HandleMessage(msg, wParam, lParam);
    } catch (const std::exception& e) {
        app.ShowException(e);
    } catch (...) {
        app.ShowFailure(u"Unknown failure");
    }
    return 0;
}
