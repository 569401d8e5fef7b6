// The footer of the main window and its hyperlink labels: which presses open a link,
// the shell's result, the colour rules on enter and leave, painting, version and anchors.
#include "support/app_fixture.h"

#include "components/HtLabel.h"
#include "platform/shell.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

struct OpenCall {
    HWND owner;
    std::string link;
};

struct Notice {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Watches what a window is sent by its labels, for as long as it lives.
class ParentRecorder {
public:
    explicit ParentRecorder(HWND parent) : parent_(parent) {
        SetWindowSubclass(parent_, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~ParentRecorder() { RemoveWindowSubclass(parent_, Proc, 1); }
    ParentRecorder(const ParentRecorder&) = delete;
    ParentRecorder& operator=(const ParentRecorder&) = delete;

    std::vector<Notice> notices;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
        if (msg == CM_MOUSEENTER || msg == CM_MOUSELEAVE)
            reinterpret_cast<ParentRecorder*>(self)->notices.push_back({msg, wParam, lParam});
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    HWND parent_;
};

bool RepaintPending(HWND hwnd) { return GetUpdateRect(hwnd, nullptr, FALSE) != FALSE; }

// The label's client area, row by row, as it shows on the screen.
std::vector<COLORREF> Pixels(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    HDC dc = GetDC(hwnd);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(hwnd, dc);
    return pixels;
}

int PixelsOf(HWND hwnd, COLORREF color) {
    const std::vector<COLORREF> pixels = Pixels(hwnd);
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
}

class Footer : public AppFixture {
protected:
    // A fresh label on the main window, with the shell call recorded.
    std::unique_ptr<THtLabel> NewLabel(const std::string& link = "https://example.invalid/") {
        auto label = std::make_unique<THtLabel>(*app, *main);
        label->CreateLabel(main->Handle(), "リンク", 20, 20, 120, 20);
        // Above the window's own controls, so the pointer finds it.
        SetWindowPos(label->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        label->SetLink(link);
        Record(*label);
        return label;
    }
    void Record(THtLabel& label) {
        label.OpenLink = [this](HWND owner, const std::string& link) {
            opened.push_back({owner, link});
            events += 'o';
            return shellResult;
        };
        label.OnMouseDown = [this](THtLabel&, TShiftState shift, int, int) {
            pressShifts.push_back(shift);
            events += 'p';
        };
        label.OnClick = [this](THtLabel&) { ++clicks; };
        label.OnDblClick = [this](THtLabel&) { ++dblClicks; };
    }
    void PostPress(HWND hwnd, UINT down, UINT up, WPARAM keys) {
        PostMessageA(hwnd, down, keys, MAKELPARAM(5, 5));
        PostMessageA(hwnd, up, keys & ~(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON), MAKELPARAM(5, 5));
        Pump();
    }

    std::vector<OpenCall> opened;
    std::vector<TShiftState> pressShifts;
    // 'p' for each press handled by the base, 'o' for each shell call, in order.
    std::string events;
    INT_PTR shellResult = 42;
    int clicks = 0, dblClicks = 0;
};

TEST(HtLabelRules, ColorToRGBLooksUpSystemColours) {
    const struct {
        TColor color;
        COLORREF rgb;
    } cases[] = {
        {clBlack, RGB(0, 0, 0)},
        {clMaroon, RGB(128, 0, 0)},
        {clNavy, RGB(0, 0, 128)},
        {clGreen, RGB(0, 128, 0)},
        {clBlue, RGB(0, 0, 255)},
        {clWindowText, GetSysColor(COLOR_WINDOWTEXT)},
        {static_cast<TColor>(0x80000000u | COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE)},
        {static_cast<TColor>(0x80000000u | COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorToRGB(c.color), c.rgb) << std::hex << c.color;
}

TEST(HtLabelRules, PressShiftStateHoldsEveryButtonDownAndTheKeys) {
    const struct {
        UINT msg;
        WPARAM keys;
        bool alt;
        TShiftState shift;
    } cases[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON, false, ssLeft},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, false, ssLeft | ssShift},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, false, ssLeft | ssCtrl},
        {WM_LBUTTONDOWN, MK_LBUTTON, true, ssLeft | ssAlt},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, false, ssLeft | ssRight},
        {WM_RBUTTONDOWN, MK_RBUTTON, false, ssRight},
        {WM_MBUTTONDOWN, MK_MBUTTON | MK_LBUTTON, false, ssMiddle | ssLeft},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, false, ssLeft | ssDouble},
        {WM_RBUTTONDBLCLK, MK_RBUTTON | MK_SHIFT, true, ssRight | ssDouble | ssShift | ssAlt},
        {WM_MBUTTONDBLCLK, MK_MBUTTON | MK_CONTROL, false, ssMiddle | ssDouble | ssCtrl},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PressShiftState(c.msg, c.keys, c.alt), c.shift)
            << "msg " << std::hex << c.msg << " keys " << c.keys;
}

TEST_F(Footer, NewLabelStartsWithItsDefaultsAndAnUnderlinedFontOfItsOwn) {
    Start();
    THtLabel label(*app, *main);
    label.CreateLabel(main->Handle(), "x", 0, 0, 40, 20);
    EXPECT_EQ(label.OverColor(), clBlack);
    EXPECT_EQ(label.OrignalColor(), clBlack);
    EXPECT_FALSE(label.ColorChange());
    EXPECT_EQ(label.Link(), "");
    EXPECT_EQ(label.LinkButtons(), ssLeft);
    EXPECT_FALSE(label.MouseOver());
    EXPECT_EQ(label.FontColor(), clWindowText);
    auto opener = label.OpenLink.target<INT_PTR (*)(HWND, const std::string&)>();
    ASSERT_NE(opener, nullptr);
    EXPECT_EQ(*opener, &ShellOpen);

    // Placing it on a form does not replace its font.
    SendMessageA(label.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(main->FontHandle()), TRUE);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(label.Handle(), WM_GETFONT, 0, 0));
    ASSERT_EQ(font, label.FontHandle());
    LOGFONTA lf{};
    ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfItalic);
    EXPECT_FALSE(lf.lfStrikeOut);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_EQ(lf.lfHeight, -main->TextHeight());
    EXPECT_STREQ(lf.lfFaceName, "ＭＳ Ｐゴシック");

    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(label.Handle(), GCLP_HCURSOR)),
              LoadCursorA(nullptr, IDC_HAND));
    EXPECT_TRUE(GetClassLongA(label.Handle(), GCL_STYLE) & CS_DBLCLKS);
}

TEST_F(Footer, OnlyAPressWithExactlyTheLinkButtonsOpensTheLink) {
    Start();
    const struct {
        TShiftState linkButtons, press;
        bool opens;
    } cases[] = {
        {ssLeft, ssLeft, true},
        {ssLeft, ssLeft | ssShift, false},
        {ssLeft, ssLeft | ssCtrl, false},
        {ssLeft, ssLeft | ssAlt, false},
        {ssLeft, ssLeft | ssRight, false},
        {ssLeft, ssLeft | ssMiddle, false},
        {ssLeft, ssRight, false},
        {ssLeft, ssMiddle, false},
        {ssLeft, ssLeft | ssDouble, false},
        {0, ssLeft, false},
        {0, ssRight, false},
        {0, ssMiddle | ssDouble, false},
        {ssRight | ssShift, ssRight | ssShift, true},
        {ssRight | ssShift, ssRight, false},
        {ssLeft | ssDouble, ssLeft | ssDouble, true},
    };
    auto label = NewLabel("mailto:someone@example.invalid");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "buttons " << int(c.linkButtons) << " press " << int(c.press));
        opened.clear();
        pressShifts.clear();
        events.clear();
        label->SetLinkButtons(c.linkButtons);
        label->MouseDown(c.press, 3, 4);
        ASSERT_EQ(pressShifts.size(), 1u);
        EXPECT_EQ(pressShifts[0], c.press);
        // The base press handling always runs, and before the shell.
        EXPECT_EQ(events, c.opens ? "po" : "p");
        ASSERT_EQ(opened.size(), c.opens ? 1u : 0u);
        if (!c.opens) continue;
        EXPECT_EQ(opened[0].owner, app->Handle());
        EXPECT_NE(opened[0].owner, main->Handle());
        EXPECT_EQ(opened[0].link, "mailto:someone@example.invalid");
    }
}

TEST_F(Footer, AnEmptyLinkNeverCallsTheShell) {
    Start();
    auto label = NewLabel("");
    label->MouseDown(ssLeft, 1, 1);
    PostPress(label->Handle(), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(pressShifts.size(), 2u);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Footer, AShellResultBelow32IsAFailureWithTheSignedCode) {
    Start();
    // On 64-bit Windows the result is pointer-sized: a success whose low half alone
    // would read below 32 is still a success.
    constexpr INT_PTR kWideSuccess =
        sizeof(INT_PTR) > 4 ? static_cast<INT_PTR>(0x100000005LL) : INT_PTR{34};
    const struct {
        INT_PTR result;
        const char* message; // nullptr: success
    } cases[] = {
        {kWideSuccess, nullptr},
        {31, "Execute Error Code=31"},
        {32, nullptr},
        {33, nullptr},
        {0, "Execute Error Code=0"},
        {2, "Execute Error Code=2"},
        {-5, "Execute Error Code=-5"},
        {-2147483647 - 1, "Execute Error Code=-2147483648"},
    };
    auto label = NewLabel();
    label->SetColorChange(true);
    label->SetOverColor(clMaroon);
    label->SetOrignalColor(clNavy);
    label->MouseEnter();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        shellResult = c.result;
        opened.clear();
        if (c.message) {
            try {
                label->MouseDown(ssLeft, 0, 0);
                ADD_FAILURE() << "no failure raised";
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), c.message);
            }
        } else {
            EXPECT_NO_THROW(label->MouseDown(ssLeft, 0, 0));
        }
        EXPECT_EQ(opened.size(), 1u); // never retried
        EXPECT_TRUE(label->MouseOver());
        EXPECT_EQ(label->FontColor(), clMaroon);
        EXPECT_EQ(label->Link(), "https://example.invalid/");
    }
}

TEST_F(Footer, RealPressesOpenOnlyForAPlainLeftPress) {
    Start();
    const struct {
        const char* name;
        UINT down, up;
        WPARAM keys;
        bool alt;
        std::size_t opens;
        int clicks;
    } cases[] = {
        {"left", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, 1, 1},
        {"left+shift", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_SHIFT, false, 0, 1},
        {"left+ctrl", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_CONTROL, false, 0, 1},
        {"left+alt", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true, 0, 1},
        {"left, right down", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_RBUTTON, false, 0, 1},
        {"right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, false, 0, 0},
        {"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, false, 0, 0},
    };
    auto label = NewLabel();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        opened.clear();
        clicks = 0;
        BYTE saved[256], state[256];
        GetKeyboardState(saved);
        GetKeyboardState(state);
        state[VK_MENU] = c.alt ? 0x80 : 0;
        SetKeyboardState(state);
        PostPress(label->Handle(), c.down, c.up, c.keys);
        SetKeyboardState(saved);
        ASSERT_EQ(opened.size(), c.opens);
        if (c.opens) {
            EXPECT_EQ(opened[0].owner, app->Handle());
        }
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_NE(GetCapture(), label->Handle());
    }
}

TEST_F(Footer, ADoubleClickOpensOnceAndRaisesOnDblClick) {
    Start();
    auto label = NewLabel();
    const HWND hwnd = label->Handle();
    PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PostMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(pressShifts, (std::vector<TShiftState>{ssLeft, ssLeft | ssDouble}));
    EXPECT_EQ(dblClicks, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Footer, TheSystemsOwnDoubleClickOpensOnce) {
    Start();
    auto label = NewLabel();
    RECT r{};
    GetWindowRect(label->Handle(), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    Pump();
    INPUT input[4] = {};
    const DWORD flags[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                           MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 4; ++i) {
        input[i].type = INPUT_MOUSE;
        input[i].mi.dwFlags = flags[i];
    }
    ASSERT_EQ(SendInput(4, input, sizeof(INPUT)), 4u);
    ASSERT_TRUE(PumpUntil([&] { return pressShifts.size() == 2 && clicks == 1; }));
    EXPECT_EQ(pressShifts, (std::vector<TShiftState>{ssLeft, ssLeft | ssDouble}));
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(dblClicks, 1);
}

TEST_F(Footer, AFailedOpenIsShownByTheDefaultHandlerAndTheProgramGoesOn) {
    Start();
    auto label = NewLabel();
    shellResult = 31;
    {
        MessageBoxCatcher catcher;
        PostPress(label->Handle(), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
        ASSERT_EQ(catcher.Boxes().size(), 1u);
        EXPECT_EQ(catcher.Boxes()[0].caption, Utf16ToSjis(app->Title()));
        EXPECT_EQ(catcher.Boxes()[0].text, "Execute Error Code=31.");
    }
    shellResult = 32;
    opened.clear();
    PostPress(label->Handle(), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(Footer, WithoutColorChangeTheColourStaysButTheParentIsToldBothWays) {
    Start();
    auto label = NewLabel();
    label->SetOverColor(clMaroon);
    ParentRecorder parent(main->Handle());
    label->MouseEnter();
    ASSERT_EQ(parent.notices.size(), 1u); // sent, not posted
    EXPECT_FALSE(label->MouseOver());
    EXPECT_EQ(label->FontColor(), clWindowText);
    label->MouseLeave();
    ASSERT_EQ(parent.notices.size(), 2u);
    EXPECT_EQ(label->FontColor(), clWindowText);
    const UINT msgs[] = {0xB013, 0xB014};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(parent.notices[i].msg, msgs[i]);
        EXPECT_EQ(parent.notices[i].wParam, 0u);
        EXPECT_EQ(reinterpret_cast<HWND>(parent.notices[i].lParam), label->Handle());
    }

    // With ColorChange the parent hears the same, and the colour follows.
    label->SetColorChange(true);
    label->MouseEnter();
    EXPECT_TRUE(label->MouseOver());
    EXPECT_EQ(label->FontColor(), clMaroon);
    label->MouseLeave();
    EXPECT_FALSE(label->MouseOver());
    EXPECT_EQ(label->FontColor(), clBlack);
    EXPECT_EQ(parent.notices.size(), 4u);
}

TEST_F(Footer, ColourSettersApplyOnlyInTheirOwnPointerState) {
    Start();
    auto label = NewLabel();
    const HWND hwnd = label->Handle();
    Pump();
    // Fresh label: OrignalColor already 0, so 0 changes nothing, not even the paint.
    ValidateRect(hwnd, nullptr);
    label->SetOrignalColor(clBlack);
    EXPECT_EQ(label->FontColor(), clWindowText);
    EXPECT_FALSE(RepaintPending(hwnd));
    // Another value colours at once, ColorChange off as it is.
    label->SetOrignalColor(clNavy);
    EXPECT_EQ(label->FontColor(), clNavy);
    EXPECT_TRUE(RepaintPending(hwnd));
    // OverColor while the pointer is not over: stored, the text keeps its colour.
    ValidateRect(hwnd, nullptr);
    label->SetOverColor(clMaroon);
    EXPECT_EQ(label->OverColor(), clMaroon);
    EXPECT_EQ(label->FontColor(), clNavy);
    EXPECT_FALSE(RepaintPending(hwnd));

    label->SetColorChange(true);
    label->MouseEnter();
    ASSERT_TRUE(label->MouseOver());
    EXPECT_EQ(label->FontColor(), clMaroon);
    ValidateRect(hwnd, nullptr);
    label->SetOverColor(clGreen);
    EXPECT_EQ(label->FontColor(), clGreen);
    EXPECT_TRUE(RepaintPending(hwnd));
    ValidateRect(hwnd, nullptr);
    label->SetOverColor(clGreen);
    label->SetOrignalColor(clBlue);
    EXPECT_EQ(label->OrignalColor(), clBlue);
    EXPECT_EQ(label->FontColor(), clGreen);
    EXPECT_FALSE(RepaintPending(hwnd));

    // ColorChange switched off while over: leaving keeps the over colour, which still follows.
    label->SetColorChange(false);
    label->MouseLeave();
    EXPECT_TRUE(label->MouseOver());
    EXPECT_EQ(label->FontColor(), clGreen);
    label->SetOverColor(clMaroon);
    EXPECT_EQ(label->FontColor(), clMaroon);
    label->MouseEnter();
    label->MouseLeave();
    EXPECT_EQ(label->FontColor(), clMaroon);
    label->SetColorChange(true);
    label->MouseLeave();
    EXPECT_FALSE(label->MouseOver());
    EXPECT_EQ(label->FontColor(), clBlue);
}

// Like any label, the link takes the size of its caption, and a new caption
// resizes it; without AutoSize it keeps the size it was given.
TEST_F(Footer, LabelSizesItselfToItsCaption) {
    Start();
    auto label = NewLabel();
    const auto sizeOf = [&label](const char* text) {
        return ScreenDC(label->FontHandle()).TextSize(SjisToUtf16(text));
    };
    EXPECT_TRUE(label->AutoSize());
    Bounds b = BoundsOf(label->Handle());
    EXPECT_EQ(b.width, sizeOf("リンク").cx);
    EXPECT_EQ(b.height, sizeOf("リンク").cy);
    EXPECT_EQ(b.left, 20) << "the left edge stays";

    SetWindowTextA(label->Handle(), "mail:someone@brenvolt.test");
    b = BoundsOf(label->Handle());
    EXPECT_EQ(b.width, sizeOf("mail:someone@brenvolt.test").cx);
    EXPECT_EQ(b.left, 20);

    label->SetAutoSize(false);
    SetWindowPos(label->Handle(), nullptr, 0, 0, 30, 10, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowTextA(label->Handle(), "a much longer caption than before");
    EXPECT_EQ(BoundsOf(label->Handle()).width, 30);
}

TEST_F(Footer, LabelPaintsItsCaptionInTheFontColourOnTheButtonFace) {
    Start();
    auto label = NewLabel();
    // Larger than its caption, so that the face shows around the text.
    label->SetAutoSize(false);
    SetWindowPos(label->Handle(), nullptr, 0, 0, 120, 20, SWP_NOMOVE | SWP_NOZORDER);
    label->SetOrignalColor(clNavy);
    UpdateWindow(label->Handle());
    EXPECT_GT(PixelsOf(label->Handle(), RGB(0, 0, 128)), 20);
    EXPECT_EQ(PixelsOf(label->Handle(), RGB(128, 0, 0)), 0);
    RECT r{};
    GetClientRect(label->Handle(), &r);
    HDC dc = GetDC(label->Handle());
    EXPECT_EQ(GetPixel(dc, r.right - 1, r.bottom - 1), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(label->Handle(), dc);

    label->SetOrignalColor(clMaroon);
    UpdateWindow(label->Handle());
    EXPECT_GT(PixelsOf(label->Handle(), RGB(128, 0, 0)), 20);
    EXPECT_EQ(PixelsOf(label->Handle(), RGB(0, 0, 128)), 0);
}

TEST_F(Footer, AnAmpersandMarksTheAcceleratorAndIsNotDrawn) {
    Start();
    // The font is underlined already, so the accelerator's underline adds nothing visible.
    // Both of one size, whatever their captions.
    auto marked = NewLabel();
    marked->SetAutoSize(false);
    SetWindowTextA(marked->Handle(), "&Ab");
    SetWindowPos(marked->Handle(), nullptr, 20, 20, 120, 20, SWP_NOZORDER);
    auto plain = NewLabel();
    plain->SetAutoSize(false);
    SetWindowTextA(plain->Handle(), "Ab");
    SetWindowPos(plain->Handle(), nullptr, 20, 50, 120, 20, SWP_NOZORDER);
    UpdateWindow(marked->Handle());
    UpdateWindow(plain->Handle());
    EXPECT_EQ(Pixels(marked->Handle()), Pixels(plain->Handle()));
    SetWindowTextA(plain->Handle(), "&&Ab");
    UpdateWindow(plain->Handle());
    EXPECT_NE(Pixels(marked->Handle()), Pixels(plain->Handle()));
}

TEST_F(Footer, ThePointerOverAFooterLinkTurnsItMaroonUntilItLeaves) {
    Start();
    THtLabel& link = *main->HtLabel1;
    ParentRecorder parent(main->Handle());
    RECT r{};
    GetWindowRect(link.Handle(), &r);
    SetCursorPos(r.left + 4, (r.top + r.bottom) / 2);
    ASSERT_TRUE(PumpUntil([&] { return link.MouseOver(); }));
    EXPECT_EQ(link.FontColor(), clMaroon);
    UpdateWindow(link.Handle());
    EXPECT_GT(PixelsOf(link.Handle(), RGB(128, 0, 0)), 20);

    SetCursorPos(r.left + 4, r.top - 40);
    ASSERT_TRUE(PumpUntil([&] { return !link.MouseOver(); }));
    EXPECT_EQ(link.FontColor(), clNavy);
    ASSERT_GE(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices.front().msg, CM_MOUSEENTER);
    EXPECT_EQ(parent.notices.back().msg, CM_MOUSELEAVE);
    EXPECT_EQ(reinterpret_cast<HWND>(parent.notices.back().lParam), link.Handle());
}

TEST_F(Footer, FooterShowsVersionNoticeAndLinks) {
    Start();
    EXPECT_EQ(main->Label2.Text(), "Ver.");
    EXPECT_EQ(main->Label4.Text(), "1.0.1");
    EXPECT_EQ(main->Label3.Text(), "Copyright (C) 2026 Brenvolt");
    // Label4 stands right after "Ver.", as drawn.
    const Bounds ver = BoundsOf(main->Label2.Handle());
    EXPECT_EQ(BoundsOf(main->Label4.Handle()).left, ver.left + ver.width);
    EXPECT_EQ(BoundsOf(main->Label4.Handle()).top, ver.top);

    const struct {
        HWND label;
        COLORREF color;
        bool bold;
    } labels[] = {
        {main->Label2.Handle(), RGB(0, 128, 0), true},
        {main->Label4.Handle(), RGB(0, 128, 0), true},
        {main->Label3.Handle(), RGB(0, 0, 255), false},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const auto& l : labels) {
        SendMessageA(main->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(l.label));
        EXPECT_EQ(GetTextColor(dc), l.color);
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(l.label, WM_GETFONT, 0, 0)), sizeof lf,
                   &lf);
        EXPECT_EQ(lf.lfWeight, l.bold ? FW_BOLD : FW_NORMAL);
    }
    DeleteDC(dc);

    const struct {
        THtLabel* label;
        const char* caption;
        const char* link;
        const char* hint;
    } links[] = {
        {main->HtLabel1.get(), "mail:tavrix@brenvolt.test", "mailto:tavrix@brenvolt.test",
         "メール"},
        {main->HtLabel2.get(), "URL:https://brenvolt.test/", "https://brenvolt.test/",
         "ホームページ"},
    };
    HWND tooltip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    while (tooltip && GetParent(tooltip) != main->Handle() &&
           GetWindow(tooltip, GW_OWNER) != main->Handle())
        tooltip = FindWindowExA(nullptr, tooltip, TOOLTIPS_CLASSA, nullptr);
    ASSERT_NE(tooltip, nullptr);
    for (const auto& l : links) {
        SCOPED_TRACE(l.caption);
        THtLabel& label = *l.label;
        char caption[128] = {};
        GetWindowTextA(label.Handle(), caption, sizeof caption);
        EXPECT_STREQ(caption, l.caption);
        EXPECT_EQ(label.Link(), l.link);
        EXPECT_EQ(label.OverColor(), clMaroon);
        EXPECT_EQ(label.OrignalColor(), clNavy);
        EXPECT_TRUE(label.ColorChange());
        EXPECT_EQ(label.LinkButtons(), ssLeft);
        EXPECT_EQ(label.FontColor(), clNavy);
        EXPECT_EQ(GetWindowLongA(label.Handle(), GWL_STYLE) & WS_TABSTOP, 0);

        char hint[128] = {};
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = main->Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(label.Handle());
        tool.lpszText = hint;
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof hint, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(hint, l.hint);

        // A plain left press hands the link to the shell, owned by the hidden application window.
        Record(label);
        opened.clear();
        PostPress(label.Handle(), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].owner, app->Handle());
        EXPECT_EQ(opened[0].link, l.link);
    }
}

TEST_F(Footer, TheFrameLetsTheWindowFaceShowInsideIt) {
    Start();
    RedrawWindow(main->Handle(), nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    // Inside the frame, clear of every label: left of "Ver." and under the links.
    const POINT design[] = {{11, 260}, {200, 286}, {372, 252}};
    HDC screen = GetDC(nullptr);
    for (const POINT& d : design) {
        POINT p{main->Scale(d.x), main->Scale(d.y)};
        ClientToScreen(main->Handle(), &p);
        EXPECT_EQ(GetPixel(screen, p.x, p.y), GetSysColor(COLOR_BTNFACE)) << d.x << "," << d.y;
    }
    ReleaseDC(nullptr, screen);
}

TEST_F(Footer, FooterFollowsTheBottomEdgeAndPartlyTheRightEdge) {
    Start();
    // -1: set by the texts as drawn, the labels' sizes and the right column's place.
    const struct {
        const char* name;
        HWND control;
        Bounds design;
        Bounds gain; // of +120 x +60: left, top, width, height
    } cases[] = {
        {"Bevel2", main->Bevel2.Handle(), {8, 248, -1, -1}, {0, 60, 120, 0}},
        {"Label2", main->Label2.Handle(), {16, 256, -1, -1}, {0, 60, 0, 0}},
        {"HtLabel1", main->HtLabel1->Handle(), {16, 272, -1, -1}, {0, 60, 0, 0}},
        {"Label3", main->Label3.Handle(), {-1, 256, -1, -1}, {120, 60, 0, 0}},
        {"HtLabel2", main->HtLabel2->Handle(), {-1, 272, -1, -1}, {120, 60, 0, 0}},
        {"Label4", main->Label4.Handle(), {-1, 256, -1, -1}, {0, 60, 0, 0}},
    };
    std::vector<Bounds> before;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        before.push_back(BoundsOf(c.control));
        const Bounds d = main->Scale(c.design);
        if (c.design.left >= 0) {
            EXPECT_EQ(before.back().left, d.left);
        }
        EXPECT_EQ(before.back().top, d.top);
    }
    RECT outer{};
    GetWindowRect(main->Handle(), &outer);
    SetWindowPos(main->Handle(), nullptr, 0, 0, outer.right - outer.left + 120,
                 outer.bottom - outer.top + 60, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        const Bounds& b = before[i];
        const Bounds& g = cases[i].gain;
        EXPECT_EQ(BoundsOf(cases[i].control),
                  (Bounds{b.left + g.left, b.top + g.top, b.width + g.width, b.height + g.height}));
    }
}

// However wide its texts draw, the footer's columns stay a text height apart: the
// window cannot be made narrower than that, by a request or by the user's drag.
TEST_F(Footer, FooterColumnsKeepApartAtTheNarrowestWindow) {
    Start();
    RECT outer{};
    GetWindowRect(main->Handle(), &outer);
    SetWindowPos(main->Handle(), nullptr, 0, 0, 1, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    const auto rightOf = [](HWND control) {
        const Bounds b = BoundsOf(control);
        return b.left + b.width;
    };
    const int gap =
        std::min(BoundsOf(main->Label3.Handle()).left - rightOf(main->Label4.Handle()),
                 BoundsOf(main->HtLabel2->Handle()).left - rightOf(main->HtLabel1->Handle()));
    EXPECT_EQ(gap, main->Scale(12)) << "the closer row";
    // The same limit holds for the user's drag.
    EXPECT_EQ(MainMinimumWidth(), MainBounds().right - MainBounds().left);
}

} // namespace
