#include "toolkit/click.h"

#include <windowsx.h>

void TClick::Press(HWND window, bool left) {
    SetCapture(window);
    pressed_ = left;
}

bool TClick::Release(HWND window, LPARAM at) {
    const bool pressed = pressed_;
    pressed_ = false;
    if (GetCapture() == window) ReleaseCapture();
    RECT r{};
    GetClientRect(window, &r);
    return pressed && PtInRect(&r, POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)});
}
