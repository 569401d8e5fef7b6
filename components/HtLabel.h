// A text label that acts as a hyperlink: underlined, hand cursor, a colour of its
// own while the pointer is over it, and a press that opens its link through the shell.
#pragma once
#include "toolkit/click.h"
#include "toolkit/gdi.h"
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
// The RGB value a colour draws in: a system colour is looked up now.
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

// The shift-state set of a press message: every button down by the MK_ flags in
// `keys` (the pressed one among them), Shift, Ctrl, Alt as given, and ssDouble
// for the double-click messages.
TShiftState PressShiftState(UINT msg, WPARAM keys, bool altDown);

// Sent to the parent when the pointer enters and leaves the label: first argument 0,
// second argument the label's window handle (TWindow::FromHandle gives the label).
constexpr UINT CM_MOUSEENTER = 0xB013;
constexpr UINT CM_MOUSELEAVE = 0xB014;

class THtLabel : public TWindow {
public:
    // The label's font is its own from here on: the design font at the form's
    // text height, underlined; the text colour starts as clWindowText.
    THtLabel(TApplication& app, TForm& form);
    ~THtLabel() override;

    // Creates the label's window as a child of `parent` at pixel bounds; sized to its
    // caption from then on while AutoSize holds, as any label.
    void CreateLabel(HWND parent, const std::string& caption, int left, int top, int width,
                     int height);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);

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
    HFONT FontHandle() const { return font_.Get(); }

    // The toolkit's hooks: pointer enter and leave, and a press with its shift-state set.
    void MouseEnter();
    void MouseLeave();
    // Fails with "Execute Error Code=<n>" when the shell cannot open the link.
    void MouseDown(TShiftState shift, int x, int y);

    std::function<void(THtLabel&, TShiftState, int, int)> OnMouseDown;
    std::function<void(THtLabel&)> OnClick;
    std::function<void(THtLabel&)> OnDblClick;
    // The shell call that opens the link (ShellOpen); replaceable so tests can record it.
    std::function<INT_PTR(HWND owner, const std::string& link)> OpenLink;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Repaint();
    // The pointer came over the label or left it: the parent is told, the colour changes.
    void PointerOver(bool over);
    void FitToCaption();
    void Paint();
    void PointerMoved(POINT at);
    void Press(UINT msg, WPARAM wParam, LPARAM lParam);

    TColor overColor_ = clBlack;
    TColor orignalColor_ = clBlack;
    bool colorChange_ = false;
    std::string link_;
    bool mouseOver_ = false;
    TShiftState linkButtons_ = ssLeft;
    bool autoSize_ = true;
    TColor fontColor_ = clWindowText;
    Font font_;
    // The pointer is inside the window as far as enter/leave went; independent of MouseOver.
    bool pointerInside_ = false;
    TClick click_;
};
