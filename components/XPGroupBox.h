// A container drawn by the system's group box, so it follows the desktop theme.
#pragma once
#include "toolkit/anchors.h"
#include "toolkit/click.h"
#include "toolkit/window.h"

#include <functional>

class TForm;

class TXPCustomGroupBox : public TWindow {
public:
    // `form` receives the notifications of the box's children.
    TXPCustomGroupBox(TApplication& app, TForm& form);

    // Creates the window as a child of `parent`, in pixels.
    void CreateBox(HWND parent, const char* caption, int left, int top, int width, int height);
    // The area where aligned children go: (3, H + 3, width - 3, height - 3) of the
    // client area, H being the height of "0" in the box's current font.
    RECT LayoutArea() const;
    TAnchorLayout& Layout() { return layout_; }

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TForm& form_;
    TAnchorLayout layout_;
    TClick click_;
};

class TXPGroupBox : public TXPCustomGroupBox {
public:
    using TXPCustomGroupBox::TXPCustomGroupBox;
};
