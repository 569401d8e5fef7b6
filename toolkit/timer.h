// A timer on a hidden window of its own; its tick is the low-priority WM_TIMER.
#pragma once
#include "toolkit/window.h"

#include <functional>

class TTimer : public TWindow {
public:
    // Armed at once; fails with "タイマーを取得できません" when the system has no timer to give.
    TTimer(TApplication& app, UINT interval, std::function<void()> onTimer);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    UINT interval_;
    std::function<void()> onTimer_;
    bool enabled_ = false;
};
