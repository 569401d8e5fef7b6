#include "components/XPGroupBox.h"

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/gdi.h"

#include <stdexcept>

namespace {
const wchar_t kClassName[] = L"TXPGroupBox";
}

TXPCustomGroupBox::TXPCustomGroupBox(TApplication& app, TForm& form) : TWindow(app), form_(form) {}

void TXPCustomGroupBox::CreateBox(HWND parent, const char* caption, int left, int top, int width,
                                  int height) {
    // A subclass of the system "BUTTON" class: its procedure draws frame and caption.
    WNDCLASSEXW button{};
    button.cbSize = sizeof button;
    if (!GetClassInfoExW(nullptr, L"BUTTON", &button))
        throw std::runtime_error("GetClassInfoEx failed: BUTTON");
    SetBaseProc(button.lpfnWndProc);
    WNDCLASSEXW cls = button;
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = Application().Instance();
    cls.lpszClassName = kClassName;
    cls.style = (button.style & ~(CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_GLOBALCLASS)) |
                CS_HREDRAW | CS_VREDRAW;
    RegisterClassOnce(cls);
    CreateHandle(WS_EX_CONTROLPARENT, kClassName, caption,
                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | BS_GROUPBOX, left, top,
                 width, height, parent, 0);
    RECT client{};
    GetClientRect(Handle(), &client);
    layout_.SetDesignClient(client.right, client.bottom);
}

RECT TXPCustomGroupBox::LayoutArea() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const int h = ScreenDC(font).TextSize(u"0").cy;
    r.top += h;
    InflateRect(&r, -3, -3);
    return r;
}

LRESULT TXPCustomGroupBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The children's handlers live on the form.
    if (TForm::IsChildNotification(msg)) return form_.ChildNotification(msg, wParam, lParam);
    switch (msg) {
    case WM_NCHITTEST:
        // The whole box, frame and caption included, is ours: presses never fall through.
        DefaultHandling(msg, wParam, lParam);
        return HTCLIENT;
    case WM_LBUTTONDOWN:
        click_.Press(Handle(), true);
        return 0;
    case WM_LBUTTONUP:
        if (click_.Release(Handle(), lParam) && OnClick) OnClick();
        return 0;
    case WM_LBUTTONDBLCLK:
        if (OnDblClick) OnDblClick();
        return 0;
    case WM_ERASEBKGND: {
        // The system group box paints only frame and caption; the inside is ours, in the
        // window's colour, or the clipped parent would leave it unpainted.
        RECT r{};
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_CAPTURECHANGED:
        click_.Cancel();
        return 0;
    case WM_SIZE:
        layout_.Apply(LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    return DefaultHandling(msg, wParam, lParam);
}
