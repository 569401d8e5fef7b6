#include "toolkit/window.h"

#include "toolkit/application.h"

#include <stdexcept>

namespace {
// Marks our windows, so a foreign window's user data is never taken for an object.
const char kOwnerProp[] = "TavrixWindow";
} // namespace

TWindow::~TWindow() { DestroyHandle(); }

void TWindow::DestroyHandle() {
    if (!hwnd_) return;
    // Detach first: messages sent while the window dies must not reach a half-destroyed object.
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    RemovePropA(hwnd, kOwnerProp);
    DestroyWindow(hwnd);
}

TWindow* TWindow::FromHandle(HWND hwnd) {
    if (!hwnd || !GetPropA(hwnd, kOwnerProp)) return nullptr;
    return reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void TWindow::RegisterClassOnce(const WNDCLASSEXA& cls) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(cls.hInstance, cls.lpszClassName, &existing)) return;
    if (!RegisterClassExA(&cls)) throw std::runtime_error("RegisterClassEx failed");
}

WNDCLASSEXA TWindow::OwnClass(const char* name, UINT style) const {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof cls;
    cls.style = style;
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = app_.Instance();
    cls.lpszClassName = name;
    return cls;
}

void TWindow::CreateHandle(DWORD exStyle, const char* className, const char* text, DWORD style,
                           int x, int y, int width, int height, HWND parent, int id) {
    HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu,
                         app_.Instance(), this))
        throw std::runtime_error(std::string("CreateWindowEx failed: ") + className);
}

LRESULT TWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(msg, wParam, lParam);
}

LRESULT TWindow::DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam) {
    return baseProc_ ? CallWindowProcA(baseProc_, hwnd_, msg, wParam, lParam)
                     : DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindow* self;
    if (msg == WM_NCCREATE) {
        self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        SetPropA(hwnd, kOwnerProp, reinterpret_cast<HANDLE>(1));
    } else {
        self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        LRESULT result = self->DefaultHandling(msg, wParam, lParam);
        RemovePropA(hwnd, kOwnerProp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
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
        app.ShowFailure("Unknown failure");
    }
    return 0;
}
