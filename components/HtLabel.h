// A text label that acts as a hyperlink: underlined, hand cursor, a colour of its
// own while the pointer is over it, and a press that opens its link through the shell.
#pragma once
#include "toolkit/window.h"

#include <cstdint>
#include <functional>
#include <string>

class TForm;

// 0x00BBGGRR for an RGB colour, or 0x80000000 plus a system colour index.
using TColor = std::int32_t;
constexpr TColor clBlack = 0;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWindowText = static_cast<TColor>(0x80000000u | COLOR_WINDOWTEXT);
COLORREF ColorToRGB(TColor color);

// One byte: the modifier keys and mouse buttons of a press.
using TShiftState = std::uint8_t;
enum : TShiftState {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};

// Sent to the parent, with the label as second argument, when the pointer enters and leaves it.
constexpr UINT CM_MOUSEENTER = 0xB013;
constexpr UINT CM_MOUSELEAVE = 0xB014;

class THtLabel : public TWindow {
public:
    THtLabel(TApplication& app, TForm& form);

    // Creates the label's window as a child of `parent` at pixel bounds.
    void CreateLabel(HWND parent, const std::string& caption, int left, int top, int width,
                     int height);

    TColor OverColor() const { return overColor_; }
    void SetOverColor(TColor color);
    TColor OrignalColor() const { return orignalColor_; }
    void SetOrignalColor(TColor color);
    bool ColorChange() const { return colorChange_; }
    void SetColorChange(bool on) { colorChange_ = on; }
    TShiftState LinkButtons() const { return linkButtons_; }
    void SetLinkButtons(TShiftState buttons) { linkButtons_ = buttons; }
    const std::string& Link() const { return link_; }
    void SetLink(std::string link) { link_ = std::move(link); }
    bool MouseOver() const { return mouseOver_; }
    // The colour the text is drawn in now.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

    // The toolkit's hooks: pointer enter and leave, and a press with its shift-state set.
    void MouseEnter();
    void MouseLeave();
    void MouseDown(TShiftState shift, int x, int y);

    std::function<void(THtLabel&, TShiftState, int, int)> OnMouseDown;
    std::function<void(THtLabel&)> OnClick;
    std::function<void(THtLabel&)> OnDblClick;
    // The shell call that opens the link; replaceable so tests can record it.
    std::function<int(HWND owner, const std::string& link)> OpenLink;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TForm& form_;
    TColor overColor_ = clBlack;
    TColor orignalColor_ = clBlack;
    bool colorChange_ = false;
    std::string link_;
    bool mouseOver_ = false;
    TShiftState linkButtons_ = ssLeft;
    TColor fontColor_ = clWindowText;
};
