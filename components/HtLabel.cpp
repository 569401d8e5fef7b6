#include "components/HtLabel.h"

#include "platform/scoped.h"
#include "platform/shell.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <windowsx.h>

#include <stdexcept>
#include <string>

namespace {

const wchar_t kClassName[] = L"THtLabel";

std::u16string Caption(HWND hwnd) { return TControl(hwnd).WideText(); }

} // namespace

COLORREF ColorToRGB(TColor color) {
    if (color < 0) return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color);
}

TShiftState PressShiftState(UINT msg, WPARAM keys, bool altDown) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (altDown) shift |= ssAlt;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    if (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK)
        shift |= ssDouble;
    return shift;
}

THtLabel::THtLabel(TApplication& app, TForm& form)
    : TWindow(app), OpenLink(ShellOpen), font_(CreateDesignFont(form.TextHeight(), false, true)) {}

THtLabel::~THtLabel() {
    // The window goes before the font it draws with.
    DestroyHandle();
}

void THtLabel::CreateLabel(HWND parent, const std::string& caption, int left, int top, int width,
                           int height) {
    WNDCLASSEXW cls = OwnClass(kClassName, CS_DBLCLKS);
    cls.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
    RegisterClassOnce(cls);
    CreateHandle(0, kClassName, caption, WS_CHILD | WS_VISIBLE, left, top, width, height, parent,
                 0);
    FitToCaption();
}

void THtLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    FitToCaption();
}

// The whole caption on one line, in the label's own font; the left edge stays.
void THtLabel::FitToCaption() {
    if (!autoSize_ || !Handle()) return;
    const std::u16string caption = Caption(Handle());
    RECT r{0, 0, 0, 0};
    const ScreenDC screen(font_.Get());
    if (!screen.Get()) return;
    DrawTextW(screen.Get(), AsWide(caption.c_str()), static_cast<int>(caption.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right, r.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void THtLabel::SetOverColor(TColor color) {
    if (color == overColor_) return;
    overColor_ = color;
    if (!mouseOver_) return;
    SetFontColor(color);
    Repaint();
}

void THtLabel::SetOrignalColor(TColor color) {
    if (color == orignalColor_) return;
    orignalColor_ = color;
    if (mouseOver_) return;
    SetFontColor(color);
    Repaint();
}

void THtLabel::SetFontColor(TColor color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    Repaint();
}

void THtLabel::Repaint() {
    // Without a window there is nothing to draw, and a null handle would mean every window.
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void THtLabel::MouseEnter() { PointerOver(true); }

void THtLabel::MouseLeave() { PointerOver(false); }

void THtLabel::PointerOver(bool over) {
    if (HWND parent = Handle() ? GetParent(Handle()) : nullptr)
        SendMessageW(parent, over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0,
                     reinterpret_cast<LPARAM>(Handle()));
    if (!colorChange_) return;
    SetFontColor(over ? overColor_ : orignalColor_);
    mouseOver_ = over;
    Repaint();
}

void THtLabel::MouseDown(TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(*this, shift, x, y);
    if (shift != linkButtons_ || link_.empty()) return;
    const INT_PTR result = OpenLink(Application().Handle(), link_);
    if (result < 32) throw std::runtime_error("Execute Error Code=" + std::to_string(result));
}

void THtLabel::Paint() {
    PaintSurface surface(Handle(), font_.Get());
    HDC dc = surface.Get();
    if (!dc) return;
    RECT r{};
    GetClientRect(Handle(), &r);
    // The parent's face shows through: the label has no background of its own.
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const std::u16string caption = Caption(Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(fontColor_));
    DrawTextW(dc, AsWide(caption.c_str()), static_cast<int>(caption.size()), &r,
              DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void THtLabel::PointerMoved(POINT at) {
    RECT r{};
    GetClientRect(Handle(), &r);
    const bool inside = PtInRect(&r, at) != FALSE;
    if (inside == pointerInside_) return;
    pointerInside_ = inside;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = inside ? TME_LEAVE : TME_LEAVE | TME_CANCEL;
    track.hwndTrack = Handle();
    TrackMouseEvent(&track);
    if (inside)
        MouseEnter();
    else
        MouseLeave();
}

void THtLabel::Press(UINT msg, WPARAM wParam, LPARAM lParam) {
    const TShiftState shift = PressShiftState(msg, wParam, GetKeyState(VK_MENU) < 0);
    // Like any label: only a single left press can become a click.
    click_.Press(Handle(), msg == WM_LBUTTONDOWN);
    if (msg == WM_LBUTTONDBLCLK && OnDblClick) OnDblClick(*this);
    MouseDown(shift, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

LRESULT THtLabel::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_.Get());
    case WM_SETFONT:
        return 0; // the label keeps its own font
    case WM_SETTEXT: {
        const LRESULT result = DefaultHandling(msg, wParam, lParam);
        FitToCaption();
        Repaint();
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = DefaultHandling(msg, wParam, lParam);
        Repaint();
        return result;
    }
    case WM_MOUSEMOVE:
        PointerMoved(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSELEAVE:
        if (pointerInside_) {
            pointerInside_ = false;
            MouseLeave();
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        Press(msg, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (click_.Release(Handle(), lParam) && OnClick) OnClick(*this);
        return 0;
    case WM_CAPTURECHANGED:
        click_.Cancel();
        return 0;
    }
    return DefaultHandling(msg, wParam, lParam);
}
