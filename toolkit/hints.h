// Hints shown as tooltips on the controls that show them.
#pragma once
#include <windows.h>

#include <string>

// The tooltip window belongs to the window that owns it, which takes it along when it
// is destroyed: nothing here destroys it, so no handle is ever destroyed twice.
class THints {
public:
    void Add(HWND owner, HWND control, const std::string& text);

private:
    HWND tooltip_ = nullptr;
};
