// A press that keeps the mouse until it is released, as a label or a button does: a
// left press released over the same window is a click.
#pragma once
#include <windows.h>

class TClick {
public:
    // Any press takes the mouse; only a left one can become a click.
    void Press(HWND window, bool left);
    // Gives the mouse back; true when this ends a left press over the window.
    bool Release(HWND window, LPARAM at);
    // Another window took the mouse: no click follows.
    void Cancel() { pressed_ = false; }

private:
    bool pressed_ = false;
};
