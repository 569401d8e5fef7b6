// The search dialog shown modally over the real main window: its start tick,
// its texts, its cancel inputs before and during the walk, its position and
// its clip.
#include "platform/shift_jis.h"
#include "search/found_files.h"
#include "search/search_dialog.h"
#include "search_support.h"
#include "support/app_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

// What the dialog looked like while it waited for its first tick.
struct Snapshot {
    bool taken = false;
    bool visible = false, ownerEnabled = true, buttonFocused = false;
    std::string caption, folder, status, count, button;
    RECT window{};
};

class SearchDialogTest : public WatchingFixture {
protected:
    void Settle(const std::string& start, bool subfolders) {
        main->Edit1.SetText(start);
        main->ListBox1.Clear();
        main->ListBox1.Add(".tmp");
        main->opSubfolder->SetChecked(subfolders);
        // Left over from an earlier search: showing the dialog must clear it.
        main->FoundFiles->Add(SjisToUtf16("stale"));
    }

    // Shows a new dialog modally. `prepare` runs between construction and the
    // show, where a test posts input for the event loop to meet.
    int Show(const std::function<void(TSearchDlg&)>& prepare = {}) {
        constructedTick = GetTickCount();
        TSearchDlg dialog(*app, *main, *source);
        source->dialog = &dialog;
        // Before the dialog's own tick, which was armed first.
        TTimer look(*app, 300, [&] {
            if (before.taken) return;
            before.taken = true;
            before.visible = IsWindowVisible(dialog.Handle()) != FALSE;
            before.ownerEnabled = IsWindowEnabled(main->Handle()) != FALSE;
            before.buttonFocused = GetFocus() == dialog.Button1.Handle();
            before.caption = TControl(dialog.Handle()).Text();
            before.folder = dialog.Label1.Text();
            before.status = dialog.Label2.Text();
            before.count = dialog.Label4.Text();
            before.button = dialog.Button1.Text();
            GetWindowRect(dialog.Handle(), &before.window);
        });
        if (prepare) prepare(dialog);
        const int result = dialog.ShowModal();
        visibleAfter = IsWindowVisible(dialog.Handle()) != FALSE;
        GetWindowRect(dialog.Handle(), &placed);
        source->dialog = nullptr;
        return result;
    }

    ScratchTree tree;
    Snapshot before;
    DWORD constructedTick = 0;
    bool visibleAfter = true;
    RECT placed{};
};

constexpr CancelInput kAllInputs[] = {CancelInput::ButtonClick, CancelInput::Escape,
                                      CancelInput::CloseBox,    CancelInput::Enter,
                                      CancelInput::Space,       CancelInput::AltC};

TEST_F(SearchDialogTest, CancelBeforeTheFirstTickWalksNothing) {
    tree.File("a.tmp");
    for (CancelInput input : kAllInputs) {
        Settle(tree.Path(), true);
        source->startReads = 0;
        const int result = Show([input](TSearchDlg& dialog) { PostCancel(dialog, input); });
        EXPECT_EQ(result, mrCancel) << InputName(input);
        EXPECT_EQ(source->startReads, 0) << InputName(input) << ": nothing walked";
        EXPECT_TRUE(main->FoundFiles->Empty()) << InputName(input) << ": cleared on show";
        EXPECT_TRUE(IsWindowEnabled(main->Handle())) << InputName(input);
    }
}

TEST_F(SearchDialogTest, TextsFromPreparingToDone) {
    tree.File("a.tmp");
    tree.File("sub\\b.tmp");
    tree.File("sub\\c.tmp");
    tree.File("d.tmp");
    tree.File("e.tmp");
    Settle(tree.Path(), true);
    const int result = Show();

    ASSERT_TRUE(before.taken);
    EXPECT_TRUE(before.visible);
    EXPECT_FALSE(before.ownerEnabled) << "the main window takes no input meanwhile";
    EXPECT_TRUE(before.buttonFocused);
    EXPECT_EQ(before.caption, "検索中");
    EXPECT_EQ(before.folder, "");
    EXPECT_EQ(before.status, "準備中");
    EXPECT_EQ(before.count, "0");
    EXPECT_EQ(before.button, "ｷｬﾝｾﾙ(&C)");

    EXPECT_EQ(result, mrOk);
    const DWORD delay = source->firstStartTick - constructedTick;
    EXPECT_GE(delay, 900u) << "the walk waits for the tick armed at construction";
    EXPECT_FALSE(visibleAfter);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    ASSERT_EQ(source->startReads, 1);
    std::vector<std::string> counts;
    for (const WalkMoment& m : source->moments) {
        EXPECT_EQ(m.status, "を検索しています") << m.asked;
        EXPECT_FALSE(m.folder.empty()) << m.asked;
        if (m.asked != "subfolders") counts.push_back(m.count);
    }
    EXPECT_EQ(counts, (std::vector<std::string>{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(FoundPaths(*main).size(), 5u);
}

TEST_F(SearchDialogTest, EmptyFolderStillEndsWithOk) {
    tree.Folder("empty");
    Settle(tree / "empty", true);
    EXPECT_EQ(Show(), mrOk);
    EXPECT_TRUE(main->FoundFiles->Empty());
    EXPECT_EQ(source->startReads, 1);
    EXPECT_TRUE(source->moments.empty());
}

TEST_F(SearchDialogTest, CancelDuringTheWalkStopsAtTheNextFolder) {
    // Four subfolders with a file and a deeper folder each; the cancel comes
    // while the first subfolder listed is being read.
    tree.File("r1.tmp");
    tree.File("r2.tmp");
    for (const char* s : {"s1", "s2", "s3", "s4"}) {
        tree.File(std::string(s) + "\\" + s + ".tmp");
        tree.File(std::string(s) + "\\deep\\d.tmp");
    }
    for (CancelInput input :
         {CancelInput::ButtonClick, CancelInput::Escape, CancelInput::CloseBox}) {
        Settle(tree.Path(), true);
        source->moments.clear();
        std::string cancelledIn;
        source->onMatch = [&](const std::string& name) {
            if (cancelledIn.empty() && name.size() == 6 && name[0] == 's') {
                cancelledIn = name.substr(0, 2);
                PostCancel(*source->dialog, input);
            }
        };
        EXPECT_EQ(Show(), mrCancel) << InputName(input);
        ASSERT_FALSE(cancelledIn.empty()) << InputName(input);

        const Paths found = FoundPaths(*main);
        const auto has = [&found](const std::string& path) {
            return std::find(found.begin(), found.end(), path) != found.end();
        };
        EXPECT_TRUE(has(tree / "r1.tmp") && has(tree / "r2.tmp"))
            << InputName(input) << ": the open listing runs to its end";
        EXPECT_TRUE(has(tree / (cancelledIn + "\\" + cancelledIn + ".tmp"))) << InputName(input);
        for (const std::string& path : found) {
            const bool root = path == tree / "r1.tmp" || path == tree / "r2.tmp";
            EXPECT_TRUE(root || path.rfind(tree / cancelledIn + "\\", 0) == 0)
                << InputName(input) << ": no folder listed after the cancel: " << path;
        }
        source->onMatch = nullptr;
    }
}

TEST_F(SearchDialogTest, CancelAfterTheLastFolderEntryIsNotSeen) {
    tree.File("a.tmp");
    tree.File("b.tmp");
    Settle(tree.Path(), true);
    bool posted = false;
    source->onMatch = [&](const std::string&) {
        if (!posted) PostCancel(*source->dialog, CancelInput::ButtonClick);
        posted = true;
    };
    EXPECT_EQ(Show(), mrOk);
    EXPECT_EQ(Sorted(FoundPaths(*main)), Sorted({tree / "a.tmp", tree / "b.tmp"}));
}

TEST_F(SearchDialogTest, QuitDuringTheWalkStopsIt) {
    for (const char* s : {"s1", "s2", "s3"})
        tree.File(std::string(s) + "\\x.tmp");
    Settle(tree.Path(), true);
    bool posted = false;
    source->onMatch = [&](const std::string&) {
        if (!posted) PostQuitMessage(0);
        posted = true;
    };
    const int result = Show();
    // The modal show passes the quit on; it is not this test's to act on.
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(FoundPaths(*main).size(), 1u) << "no folder listed after the quit request";
}

TEST_F(SearchDialogTest, CentredOverTheMainWindow) {
    SIZE dialogSize{};
    {
        TSearchDlg probe(*app, *main, *source);
        RECT r{};
        GetWindowRect(probe.Handle(), &r);
        dialogSize = {r.right - r.left, r.bottom - r.top};
    }
    struct Case {
        int left, top, widthMore, heightMore; // the main window, sized against the dialog
        int expectLeft, expectTop;            // where the dialog lands on the screen
    };
    // Odd differences halve toward zero, also when the main window is the
    // smaller; what would land off the screen's top or left edge lands at 0.
    const Case cases[] = {
        {100, 80, 7, 9, 103, 84},
        {120, 90, -7, -5, 117, 88},
        {-500, 60, 40, 40, 0, 80},
        {50, -400, 40, 41, 70, 0},
    };
    tree.Folder("empty");
    for (const Case& c : cases) {
        SetWindowPos(main->Handle(), nullptr, c.left, c.top, dialogSize.cx + c.widthMore,
                     dialogSize.cy + c.heightMore, SWP_NOZORDER | SWP_NOACTIVATE);
        RECT owner{};
        GetWindowRect(main->Handle(), &owner);
        ASSERT_EQ(owner.right - owner.left, dialogSize.cx + c.widthMore);
        ASSERT_EQ(owner.bottom - owner.top, dialogSize.cy + c.heightMore);
        Settle(tree / "empty", false);
        EXPECT_EQ(Show([](TSearchDlg& dialog) { PostCancel(dialog, CancelInput::Escape); }),
                  mrCancel);
        EXPECT_EQ(placed.left, c.expectLeft) << "main at " << c.left << "," << c.top;
        EXPECT_EQ(placed.top, c.expectTop) << "main at " << c.left << "," << c.top;
        EXPECT_EQ(placed.right - placed.left, dialogSize.cx);
        EXPECT_EQ(placed.bottom - placed.top, dialogSize.cy);
    }
}

TEST_F(SearchDialogTest, FixedFrameAroundTheDesignedClientArea) {
    TSearchDlg dialog(*app, *main, *source);
    const LONG style = GetWindowLongA(dialog.Handle(), GWL_STYLE);
    const LONG exStyle = GetWindowLongA(dialog.Handle(), GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
    RECT client{};
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(client.right, dialog.Scale(400));
    EXPECT_EQ(client.bottom, dialog.Scale(68));
    // Nothing but the button takes the focus, so Tab keeps it there.
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), nullptr, FALSE), dialog.Button1.Handle());
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), dialog.Button1.Handle(), FALSE),
              dialog.Button1.Handle());
}

TEST_F(SearchDialogTest, OwnClipLoopsAllItsFrames) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&classes);
    HWND animate =
        CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | ACS_CENTER | ACS_TRANSPARENT, 0, 0, 80,
                        50, main->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(animate, nullptr);
    const auto send = [animate](UINT message, WPARAM w, LPARAM l) {
        return SendMessageA(animate, message, w, l) != 0;
    };
    EXPECT_TRUE(send(ACM_OPENA, reinterpret_cast<WPARAM>(GetModuleHandleA(nullptr)),
                     reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(151))));
    EXPECT_FALSE(send(ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 29))) << "29 frames, no more";
    EXPECT_TRUE(send(ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 28)));
    send(ACM_STOP, 0, 0);
    DestroyWindow(animate);
    // Wine's shell clip is too short for the loop: the dialog falls back on ours.
    EXPECT_NO_THROW(TSearchDlg(*app, *main, *source));
}

TEST_F(SearchDialogTest, NoClipToPlayFailsConstruction) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&classes);
    HWND probe = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD, 0, 0, 80, 50, main->Handle(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(probe, nullptr);
    const bool shellLoops =
        SendMessageA(probe, ACM_OPENA, reinterpret_cast<WPARAM>(GetModuleHandleA("shell32.dll")),
                     reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(150))) &&
        SendMessageA(probe, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 28));
    DestroyWindow(probe);
    if (shellLoops) GTEST_SKIP() << "the shell's own clip plays here";

    // An application whose module holds no clip of ours either.
    TApplication foreign(GetModuleHandleA("kernel32.dll"));
    try {
        TSearchDlg dialog(foreign, *main, *source);
        FAIL() << "constructed without a clip";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "AVI を開くことができません");
    }
}

} // namespace
