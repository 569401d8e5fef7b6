// Hints shown as tooltips on the controls that show them.
#pragma once
#include <windows.h>

#include <string>

class THints {
public:
    THints() = default;
    ~THints();
    THints(const THints&) = delete;
    THints& operator=(const THints&) = delete;

    void Add(HWND owner, HWND control, const std::string& text);

private:
    HWND tooltip_ = nullptr;
};
