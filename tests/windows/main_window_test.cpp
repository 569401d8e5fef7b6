// The main window as laid out and as driven through the real message loop:
// bounds and anchors, tab order and mnemonics, shortcuts, idle updates, group box.
#include "support/app_fixture.h"

#include "base/failure_text.h"

#include <commctrl.h>

#include <cstdlib>
#include <stdexcept>
#include <ostream>
#include <vector>

namespace {

struct Expected {
    const char* name;
    HWND (*control)(TAutoTavrix&);
    Bounds design;
};

#define CONTROL(member) [](TAutoTavrix& m) { return m.member.Handle(); }

const Expected kLayout[] = {
    // Sized to its text: only where it stands is fixed.
    {"Label1", CONTROL(Label1), {8, 8, 0, 0}},
    {"Bevel1", CONTROL(Bevel1), {288, 0, 9, 249}},
    {"Edit1", CONTROL(Edit1), {8, 24, 201, 20}},
    {"Button1", CONTROL(Button1), {216, 24, 57, 20}},
    {"XPGroupBox1", [](TAutoTavrix& m) { return m.XPGroupBox1->Handle(); }, {8, 72, 273, 169}},
    {"Edit2", CONTROL(Edit2), {8, 16, 193, 20}},
    {"ListBox1", CONTROL(ListBox1), {8, 40, 193, 121}},
    {"Button2", CONTROL(Button2), {208, 16, 57, 20}},
    {"Button3", CONTROL(Button3), {208, 40, 57, 20}},
    {"CheckBox1", CONTROL(CheckBox1), {8, 48, 209, 17}},
    {"Button4", CONTROL(Button4), {296, 24, 81, 20}},
    {"Button5", CONTROL(Button5), {296, 48, 81, 20}},
};

class MainWindow : public AppFixture {};

TEST_F(MainWindow, ControlsStandAtTheirDesignBounds) {
    Start();
    RECT client{};
    GetClientRect(main->Handle(), &client);
    EXPECT_EQ(client.right, main->Scale(386));
    EXPECT_EQ(client.bottom, main->Scale(299));
    EXPECT_EQ(TControl(main->Handle()).WideText(), SjisToUtf16("自動選択削除"));
    for (const Expected& e : kLayout) {
        SCOPED_TRACE(e.name);
        Bounds b = BoundsOf(e.control(*main));
        if (e.design.width == 0) b.width = b.height = 0;
        EXPECT_EQ(b, main->Scale(e.design));
    }
}

// Run once at the screen's usual 96 pixels per inch and once at 144 (see CMakeLists).
TEST_F(MainWindow, FontThenLayoutScaleWithTheScreen) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (const char* expected = getenv("TAVRIX_EXPECT_DPI")) {
        EXPECT_EQ(dpi, atoi(expected));
    }
    Start();
    EXPECT_EQ(main->TextHeight(), MulDiv(12, dpi, 96));
    LOGFONTA font{};
    GetObjectA(main->FontHandle(), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -main->TextHeight());
    RECT client{};
    GetClientRect(main->Handle(), &client);
    EXPECT_EQ(client.right, MulDiv(386, dpi, 96));
    EXPECT_EQ(BoundsOf(main->Button4.Handle()), (Bounds{MulDiv(296, dpi, 96), MulDiv(24, dpi, 96),
                                                        MulDiv(81, dpi, 96), MulDiv(20, dpi, 96)}));
}

TEST_F(MainWindow, ResizingStretchesAndMovesByTheAnchors) {
    Start();
    std::vector<Bounds> before;
    for (const Expected& e : kLayout)
        before.push_back(BoundsOf(e.control(*main)));
    RECT outer{};
    GetWindowRect(main->Handle(), &outer);
    SetWindowPos(main->Handle(), nullptr, 0, 0, outer.right - outer.left + 120,
                 outer.bottom - outer.top + 60, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    // Per control, in kLayout's order: what it gains of the +120 x +60 in left, top, width, height.
    const Bounds gains[] = {
        {0, 0, 0, 0},    {120, 0, 0, 60}, {0, 0, 120, 0},  {120, 0, 0, 0},
        {0, 0, 120, 60}, {0, 0, 120, 0},  {0, 0, 120, 60}, {120, 0, 0, 0},
        {120, 0, 0, 0},  {0, 0, 0, 0},    {120, 0, 0, 0},  {120, 0, 0, 0},
    };
    for (std::size_t i = 0; i < std::size(kLayout); ++i) {
        SCOPED_TRACE(kLayout[i].name);
        const Bounds& d = before[i];
        const Bounds& g = gains[i];
        EXPECT_EQ(BoundsOf(kLayout[i].control(*main)),
                  (Bounds{d.left + g.left, d.top + g.top, d.width + g.width, d.height + g.height}));
    }
}

TEST_F(MainWindow, TabVisitsTheControlsInOrderSkippingDisabledOnes) {
    Start();
    // Empty folder field and list: the option and every command but cmFolder are disabled.
    main->Edit1.SetFocus();
    std::vector<HWND> visited;
    for (int i = 0; i < 5; ++i) {
        visited.push_back(GetFocus());
        Key(VK_TAB);
    }
    const std::vector<HWND> disabledOrder = {main->Edit1.Handle(), main->Button1.Handle(),
                                             main->Edit2.Handle(), main->ListBox1.Handle(),
                                             main->Edit1.Handle()};
    EXPECT_EQ(visited, disabledOrder);

    // Everything enabled: an existing folder, a pattern, a new text and a selection.
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    main->Edit1.SetText(windows);
    main->ListBox1.Add(".tmp");
    main->Edit2.SetText(".zzz");
    main->ListBox1.SetItemIndex(0);
    Pump();
    main->Edit1.SetFocus();
    visited.clear();
    for (int i = 0; i < 10; ++i) {
        visited.push_back(GetFocus());
        Key(VK_TAB);
    }
    const std::vector<HWND> fullOrder = {main->Edit1.Handle(),     main->Button1.Handle(),
                                         main->CheckBox1.Handle(), main->Edit2.Handle(),
                                         main->Button2.Handle(),   main->ListBox1.Handle(),
                                         main->Button3.Handle(),   main->Button4.Handle(),
                                         main->Button5.Handle(),   main->Edit1.Handle()};
    EXPECT_EQ(visited, fullOrder);
    main->Edit1.SetFocus();
    Key(VK_TAB, false, true);
    EXPECT_EQ(GetFocus(), main->Button5.Handle()) << "Shift+Tab goes backwards, wrapping";
}

TEST_F(MainWindow, AltFMovesTheFocusToTheFolderField) {
    Start();
    main->Edit2.SetFocus();
    Key('F', false, false, true);
    EXPECT_EQ(GetFocus(), main->Edit1.Handle());
}

// A control's window procedure replaced for the scope; the replacement finds the
// one it stands in for with OldProc.
class Subclassed {
public:
    Subclassed(HWND control, WNDPROC proc) : control_(control) {
        SetPropA(control, "old",
                 reinterpret_cast<HANDLE>(
                     SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc))));
    }
    ~Subclassed() {
        SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldProc(control_)));
    }
    Subclassed(const Subclassed&) = delete;
    Subclassed& operator=(const Subclassed&) = delete;
    static WNDPROC OldProc(HWND control) {
        return reinterpret_cast<WNDPROC>(GetPropA(control, "old"));
    }

private:
    HWND control_;
};

// Counts Ctrl+A key presses that reach Edit2 itself.
LRESULT CALLBACK CountingEdit(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0)
        SetPropA(hwnd, "hits",
                 reinterpret_cast<HANDLE>(reinterpret_cast<INT_PTR>(GetPropA(hwnd, "hits")) + 1));
    return CallWindowProcW(Subclassed::OldProc(hwnd), hwnd, msg, wParam, lParam);
}

TEST_F(MainWindow, CtrlShortcutRunsAnEnabledActionElseReachesTheEdit) {
    Start();
    HWND edit = main->Edit2.Handle();
    Subclassed counting(edit, CountingEdit);
    auto hits = [edit] { return reinterpret_cast<INT_PTR>(GetPropA(edit, "hits")); };
    main->Edit2.SetFocus();
    Type("tmp");
    Pump();
    Key('A', true);
    EXPECT_EQ(main->ListBox1.Count(), 1) << "Ctrl+A adds the pattern";
    EXPECT_EQ(main->ListBox1.Item(0), ".tmp");
    EXPECT_EQ(hits(), 0) << "the edit never saw the shortcut";
    // Now ".tmp" is in the list: cmAdd is disabled and the key goes to the edit.
    Key('A', true);
    EXPECT_EQ(main->ListBox1.Count(), 1);
    EXPECT_EQ(hits(), 1);
}

TEST_F(MainWindow, EnterOnAFocusedButtonClicksThatButtonNotTheDefault) {
    Start();
    main->ListBox1.Add(".a");
    main->ListBox1.Add(".b");
    main->Edit2.SetText(".zzz");
    main->ListBox1.SetItemIndex(0);
    Pump();
    ASSERT_TRUE(main->Button2.IsDefault());
    main->Button3.SetFocus();
    Key(VK_RETURN);
    EXPECT_EQ(main->ListBox1.Count(), 1) << "Button3 deleted the selected item";
    EXPECT_EQ(main->ListBox1.Item(0), ".b");
}

TEST_F(MainWindow, ActionsUpdateWhenIdleOnlyForVisibleEnabledWindows) {
    Start();
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    main->ListBox1.Add(".tmp");
    main->Edit1.SetText(windows);
    EXPECT_FALSE(main->cmBitbacket->Enabled()) << "nothing polls before the idle step";
    Pump();
    EXPECT_TRUE(main->cmBitbacket->Enabled());
    EXPECT_TRUE(main->cmBurn->Enabled());
    EXPECT_TRUE(IsWindowEnabled(main->Button5.Handle()));

    EnableWindow(main->Handle(), FALSE);
    main->Edit1.SetText("");
    Pump();
    EXPECT_TRUE(main->cmBitbacket->Enabled()) << "a disabled window's actions are not updated";
    EnableWindow(main->Handle(), TRUE);
    ShowWindow(main->Handle(), SW_HIDE);
    Pump();
    EXPECT_TRUE(main->cmBitbacket->Enabled()) << "a hidden window's actions are not updated";
    ShowWindow(main->Handle(), SW_SHOW);
    Pump();
    EXPECT_FALSE(main->cmBitbacket->Enabled());
    EXPECT_FALSE(main->cmBurn->Enabled());
}

TEST_F(MainWindow, ExecutingRunsTheUpdateFirstAndSkipsADisabledAction) {
    TAction action("a", "c", "A", "", 0);
    std::vector<std::string> calls;
    bool allow = false;
    action.OnUpdate = [&](TAction& a) {
        calls.push_back("update");
        a.SetEnabled(allow);
    };
    action.OnExecute = [&](TAction&) { calls.push_back("execute"); };
    EXPECT_FALSE(action.Execute());
    allow = true;
    EXPECT_TRUE(action.Execute());
    EXPECT_EQ(calls, (std::vector<std::string>{"update", "update", "execute"}));
}

TEST_F(MainWindow, GroupBoxOwnsItsWholeRectangleAndMeasuresItsFont) {
    Start();
    TXPGroupBox& box = *main->XPGroupBox1;
    RECT client{};
    GetClientRect(box.Handle(), &client);
    auto heightOfZero = [&box] {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(box.Handle(), WM_GETFONT, 0, 0));
        return ScreenDC(font).TextSize(u"0").cy;
    };
    const int h = heightOfZero();
    RECT area = box.LayoutArea();
    EXPECT_EQ(area.left, 3);
    EXPECT_EQ(area.top, h + 3);
    EXPECT_EQ(area.right, client.right - 3);
    EXPECT_EQ(area.bottom, client.bottom - 3);

    Font big = CreateDesignFont(30);
    SendMessageA(box.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(big.Get()), FALSE);
    const int bigH = heightOfZero();
    EXPECT_GT(bigH, h);
    EXPECT_EQ(box.LayoutArea().top, bigH + 3);
    SendMessageA(box.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(main->FontHandle()), FALSE);

    // Frame and caption answer as client area, so presses on them belong to the box.
    POINT caption{10, 2}, frame{1, client.bottom / 2};
    for (POINT p : {caption, frame}) {
        ClientToScreen(box.Handle(), &p);
        EXPECT_EQ(SendMessageA(box.Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTCLIENT);
    }
    int clicks = 0;
    box.OnClick = [&clicks] { ++clicks; };
    PostMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 2));
    PostMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 2));
    Pump();
    EXPECT_EQ(clicks, 1);
}

// The folder chooser and ShellExecute need apartment COM on the thread that calls them.
TEST(Application, HoldsApartmentComForItsLifetime) {
    {
        TApplication app(GetModuleHandleW(nullptr));
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    }
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK) << "and gives it back";
    CoUninitialize();
}

TEST_F(MainWindow, FailureBoxHasTheProgramTitleAndAFullStop) {
    Start();
    EXPECT_EQ(app->Title(), u"main_window_tests");
    {
        MessageBoxCatcher catcher;
        app->ShowFailure(SjisToUtf16("行を挿入できません"));
        ASSERT_EQ(catcher.Boxes().size(), 1u);
        EXPECT_EQ(catcher.Boxes()[0].caption, "main_window_tests");
        EXPECT_EQ(catcher.Boxes()[0].text, "行を挿入できません.");
    }
}

TEST_F(MainWindow, ClosingEndsTheLoopWithExitCodeZero) {
    Start();
    PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(main->Handle(), nullptr);
}

// A list box that refuses every new item, as one out of memory does.
LRESULT CALLBACK RefusingList(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == LB_ADDSTRING) return LB_ERRSPACE;
    return CallWindowProcW(Subclassed::OldProc(hwnd), hwnd, msg, wParam, lParam);
}

// A failure inside a keyboard shortcut or an idle update is shown in the same
// box as any other, and the program goes on.
TEST_F(MainWindow, FailuresInShortcutsAndIdleUpdatesAreShownAndTheProgramGoesOn) {
    Start();
    main->Edit2.SetFocus();
    Type("tmp");
    Pump();
    {
        Subclassed refusing(main->ListBox1.Handle(), RefusingList);
        const auto boxes = BoxesDuring([this] { Key('A', true); });
        ASSERT_EQ(boxes.size(), 1u) << "Ctrl+A failed";
        EXPECT_EQ(boxes[0].caption, Utf16ToSjis(app->Title()));
        EXPECT_EQ(boxes[0].text, "行を挿入できません.");
        EXPECT_FALSE(app->Terminated());
        EXPECT_EQ(main->ListBox1.Count(), 0);
    }
    Key('A', true);
    EXPECT_EQ(main->ListBox1.Count(), 1) << "the next Ctrl+A works";

    int failures = 1;
    main->cmDelete->OnUpdate = [&failures](TAction&) {
        if (failures-- > 0) throw std::runtime_error("更新できません");
    };
    const auto boxes = BoxesDuring([this] { Pump(); });
    ASSERT_EQ(boxes.size(), 1u) << "the idle update failed";
    EXPECT_EQ(boxes[0].text, "更新できません.");
    EXPECT_FALSE(app->Terminated());
    PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app->Run(), 0) << "and the program still closes as usual";
    EXPECT_TRUE(PathExists(ListPath()));
}

RECT ScreenRect(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return r;
}

// What a reader sees at whatever pixels per inch the screen has: every text whole in
// its control, as its font draws it or as the control measures it, and no control on
// another of its parent, nor across the edge of the footer's frame.
TEST_F(MainWindow, ControlsShowTheirTextsWholeAndApart) {
    Start();
    TAutoTavrix& m = *main;
    for (HWND text : {m.Label1.Handle(), m.Label2.Handle(), m.Label3.Handle(), m.Label4.Handle(),
                      m.HtLabel1->Handle(), m.HtLabel2->Handle(), m.XPGroupBox1->Handle()}) {
        RECT need{};
        DrawTextW(ScreenDC(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0))).Get(),
                  AsWide(TControl(text).WideText().c_str()), -1, &need,
                  DT_CALCRECT | DT_SINGLELINE);
        const Bounds b = BoundsOf(text);
        EXPECT_TRUE(b.width >= need.right && b.height >= need.bottom) << TControl(text).Text();
    }
    for (const TButton& button :
         {m.Button1, m.Button2, m.Button3, m.Button4, m.Button5, m.CheckBox1}) {
        SIZE ideal{};
        SendMessageW(button.Handle(), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
        EXPECT_GE(BoundsOf(button.Handle()).width, ideal.cx) << button.Text();
    }
    TEXTMETRICW font{};
    GetTextMetricsW(ScreenDC(m.FontHandle()).Get(), &font);
    EXPECT_GE(SendMessageW(m.ListBox1.Handle(), LB_GETITEMHEIGHT, 0, 0), font.tmHeight);

    const RECT frame = ScreenRect(m.Bevel2.Handle());
    RECT inside = frame, common{};
    InflateRect(&inside, -2, -2);
    for (HWND parent : {m.Handle(), m.XPGroupBox1->Handle()}) {
        std::vector<RECT> placed;
        for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT r = ScreenRect(c);
            SCOPED_TRACE(TControl(c).Text() + " at " + std::to_string(r.left) + "," +
                         std::to_string(r.top));
            if (c == m.Bevel2.Handle()) continue;
            if (c == m.Bevel1.Handle()) {
                r.right = r.left + 2; // its one line, which runs down onto the frame
            } else {
                EXPECT_TRUE(!IntersectRect(&common, &r, &frame) ||
                            (IntersectRect(&common, &r, &inside) && EqualRect(&common, &r)));
            }
            for (const RECT& other : placed)
                EXPECT_FALSE(IntersectRect(&common, &r, &other));
            placed.push_back(r);
        }
    }
}

} // namespace
