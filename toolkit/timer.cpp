#include "toolkit/timer.h"

#include "toolkit/application.h"

#include <stdexcept>

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TApplication& app, UINT interval, std::function<void()> onTimer)
    : TWindow(app), interval_(interval), onTimer_(std::move(onTimer)) {
    const WNDCLASSEXW cls = OwnClass(L"TTimerWindow");
    RegisterClassOnce(cls);
    CreateHandle(0, cls.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, 0);
    SetEnabled(true);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    if (enabled) {
        if (!SetTimer(Handle(), kTimerId, interval_, nullptr))
            throw std::runtime_error("タイマーを取得できません");
    } else {
        KillTimer(Handle(), kTimerId);
    }
    enabled_ = enabled;
}

LRESULT TTimer::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kTimerId) {
        if (enabled_ && onTimer_) onTimer_();
        return 0;
    }
    return TWindow::HandleMessage(msg, wParam, lParam);
}
