// The settings kept per user: the settings folder, the pattern list file and the
// settings file, read at start and written at close through the real window.
#include "support/app_fixture.h"
#include "scratch_tree.h"

#include "app/settings_text.h"
#include "base/utf8.h"
#include "platform/file_system.h"
#include "platform/shift_jis.h"
#include "support/folder_cases.h"
#include "support/marked_text.h"

#include <stdexcept>

namespace {

class Settings : public AppFixture {
protected:
    void TearDown() override {
        AppFixture::TearDown();
        RemoveSettingsTrees();
    }

    static std::string Location(int left, int top, int width, int height) {
        return "[Location]\r\nLeft=" + std::to_string(left) + "\r\nTop=" + std::to_string(top) +
               "\r\nWidth=" + std::to_string(width) + "\r\nHeight=" + std::to_string(height) +
               "\r\n";
    }
};

TEST_F(Settings, FirstRunCreatesTheFolderAndClosingWritesBothFiles) {
    const std::string dir = TestSettingsDir();
    RemoveDirectoryW(Wide(dir).c_str());
    RemoveDirectoryW(Wide(ParentOf(dir)).c_str());
    ASSERT_FALSE(PathExists(dir));

    Start();
    EXPECT_TRUE(FolderExists(SjisToUtf16(dir)));
    EXPECT_EQ(main->SettingsDir, SjisToUtf16(dir));
    EXPECT_EQ(main->ListBox1.Count(), 0);
    EXPECT_EQ(main->Edit1.Text(), "");
    EXPECT_FALSE(main->opSubfolder->Checked());
    RECT client{};
    GetClientRect(main->Handle(), &client);
    EXPECT_EQ(client.right, main->Scale(386)) << "the design size";
    EXPECT_EQ(client.bottom, main->Scale(299));
    EXPECT_FALSE(PathExists(ListPath())) << "nothing is written before closing";
    EXPECT_FALSE(PathExists(IniPath()));

    const RECT r = MainBounds();
    CloseMain();
    EXPECT_EQ(ReadBytes(ListPath()), "");
    EXPECT_TRUE(PathExists(ListPath()));
    EXPECT_EQ(ReadBytes(IniPath()), Location(r.left, r.top, r.right - r.left, r.bottom - r.top) +
                                        "[Last]\r\nFolder=\r\nSubFolder=0\r\n");
}

TEST_F(Settings, NumbersReadAsTheyConvertAndFallBackToZero) {
    const struct {
        const char* left;
        int expected;
    } cases[] = {
        {"0x20", 32}, {"0X20", 32}, {"$20", 32}, {"  48", 48}, {"+7", 7},
        {"abc", 0},   {"", 0},      {"12px", 0}, {"0x", 0},    {"-15", -15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        RemoveSettingsFiles();
        WriteBytes(IniPath(), std::string("[Location]\r\nLeft=") + c.left +
                                  "\r\nTop=40\r\nWidth=500\r\nHeight=400\r\n");
        Start();
        const RECT r = MainBounds();
        EXPECT_EQ(r.left, c.expected);
        EXPECT_EQ(r.top, 40);
        EXPECT_EQ(r.right - r.left, 500);
        EXPECT_EQ(r.bottom - r.top, 400);
        Discard();
    }
}

TEST_F(Settings, MissingLocationSectionOpensTheDesignedWindow) {
    WriteBytes(IniPath(), "[Last]\r\nFolder=C:\\\r\nSubFolder=1\r\n");
    Start();
    // A width and height of 0 are no bounds: never a window collapsed to its smallest.
    RECT client{};
    GetClientRect(main->Handle(), &client);
    EXPECT_EQ(client.right, main->Scale(386));
    EXPECT_EQ(client.bottom, main->Scale(299));
    EXPECT_EQ(main->Edit1.Text(), "C:\\");
    EXPECT_TRUE(main->opSubfolder->Checked());
}

TEST_F(Settings, SubFolderIsCheckedExactlyForNonZeroNumbers) {
    const struct {
        const char* line;
        bool checked;
    } cases[] = {
        {"SubFolder=1", true},  {"SubFolder=2", true},  {"SubFolder=0x1", true},
        {"SubFolder=-1", true}, {"SubFolder=0", false}, {"SubFolder=yes", false},
        {"SubFolder=", false},  {"Other=1", false},     {"SubFolder=0x0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        RemoveSettingsFiles();
        WriteBytes(IniPath(), std::string("[Last]\r\n") + c.line + "\r\n");
        Start();
        EXPECT_EQ(main->opSubfolder->Checked(), c.checked);
        EXPECT_EQ(main->CheckBox1.Checked(), c.checked);
        Discard();
    }
}

TEST_F(Settings, FolderThatNoLongerExistsIsShownButDeletesStayOff) {
    ScratchTree temp;
    WriteBytes(ListPath(), ".tmp\r\n");
    WriteBytes(IniPath(), "[Last]\r\nFolder=" + (temp / "gone") + "\r\n");
    Start();
    EXPECT_EQ(main->Edit1.Text(), temp / "gone");
    Pump();
    EXPECT_FALSE(main->cmBitbacket->Enabled());
    EXPECT_FALSE(main->cmBurn->Enabled());
    EXPECT_FALSE(main->Button4.Enabled());
    EXPECT_FALSE(main->opSubfolder->Enabled());

    CreateDirectoryW(Wide(temp / "gone").c_str(), nullptr);
    EXPECT_TRUE(PumpUntil([this] { return main->cmBitbacket->Enabled(); }))
        << "the same text, once the folder is back";
    EXPECT_TRUE(main->cmBurn->Enabled());
}

TEST_F(Settings, ValuesRoundTripThroughClose) {
    const std::string folder = "C:\\表\\ソフト 1";
    WriteBytes(IniPath(),
               Location(-40, -30, 600, 420) + "[Last]\r\nFolder=" + folder + "\r\nSubFolder=1\r\n");
    Start();
    const RECT r = MainBounds();
    EXPECT_EQ(r.left, -40);
    EXPECT_EQ(r.top, -30);
    EXPECT_EQ(main->Edit1.Text(), folder);
    CloseMain();
    EXPECT_EQ(ReadBytes(IniPath()),
              Location(-40, -30, 600, 420) + "[Last]\r\nFolder=" + folder + "\r\nSubFolder=1\r\n");
}

TEST_F(Settings, ClosingStoresTheCurrentState) {
    Start();
    SetWindowPos(main->Handle(), nullptr, 33, 44, 555, 466, SWP_NOZORDER);
    main->Edit1.SetText("D:\\work");
    main->opSubfolder->SetChecked(true);
    CloseMain();
    EXPECT_EQ(ReadBytes(IniPath()),
              Location(33, 44, 555, 466) + "[Last]\r\nFolder=D:\\work\r\nSubFolder=1\r\n");
}

TEST_F(Settings, MinimisedWindowKeepsItsRestoredBounds) {
    WriteBytes(IniPath(), Location(120, 90, 520, 410));
    Start();
    ShowWindow(main->Handle(), SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(IsIconic(main->Handle()));
    CloseMain();
    EXPECT_EQ(ReadBytes(IniPath()),
              Location(120, 90, 520, 410) + "[Last]\r\nFolder=\r\nSubFolder=0\r\n");
}

TEST_F(Settings, ListFileLoadsSortedAndIsWrittenBackWithCrLf) {
    const struct {
        const char* name;
        std::string file;
        std::vector<std::string> items;
        std::string written;
    } cases[] = {
        {"LF ends", ".zip\n.bak\n.tmp\n", {".bak", ".tmp", ".zip"}, ".bak\r\n.tmp\r\n.zip\r\n"},
        {"blank line kept", ".tmp\r\n\r\n.bak\r\n", {"", ".bak", ".tmp"}, "\r\n.bak\r\n.tmp\r\n"},
        {"case kept",
         ".TMP\r\n.Bak\r\nzip\r\n",
         {".Bak", ".TMP", "zip"},
         ".Bak\r\n.TMP\r\nzip\r\n"},
        {"mixed ends", ".d\r.c\n.b\r\n.a", {".a", ".b", ".c", ".d"}, ".a\r\n.b\r\n.c\r\n.d\r\n"},
        {"NUL ends the read", std::string(".b\r\n.a\0.c\r\n", 11), {".a", ".b"}, ".a\r\n.b\r\n"},
        {"Shift_JIS bytes",
         ".表\r\n.ソ\r\n.t*\r\n",
         {".t*", ".ソ", ".表"},
         ".t*\r\n.ソ\r\n.表\r\n"},
        {"empty file", "", {}, ""},
        {"lone CR", "\r", {""}, "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveSettingsFiles();
        WriteBytes(ListPath(), c.file);
        Start();
        EXPECT_EQ(ListItems(), c.items);
        CloseMain();
        EXPECT_EQ(ReadBytes(ListPath()), c.written);
        EXPECT_TRUE(PathExists(IniPath())) << "both files are written on every close";
        EXPECT_FALSE(PathExists(ListPath() + ".tmp"));
    }
}

TEST_F(Settings, EditedListIsSavedAndLoadsAgain) {
    WriteBytes(ListPath(), ".tmp\r\n");
    Start();
    main->ListBox1.Delete(0);
    CloseMain();
    EXPECT_EQ(ReadBytes(ListPath()), "") << "an empty list is an empty file";
    Start();
    EXPECT_TRUE(ListItems().empty());
    main->ListBox1.Add(".b?k");
    main->ListBox1.Add(".表");
    CloseMain();
    Start();
    EXPECT_EQ(ListItems(), (std::vector<std::string>{".b?k", ".表"}));
}

TEST_F(Settings, ListFileThatCannotBeOpenedIsReportedAndKept) {
    WriteBytes(ListPath(), ".old\r\n");
    WriteBytes(IniPath(), "[Last]\r\nFolder=C:\\kept\r\n");
    std::vector<MessageBoxCatcher::Box> boxes;
    {
        HeldFile lock(ListPath(), GENERIC_READ, 0);
        ASSERT_TRUE(lock.Held());
        boxes = BoxesDuring([this] { Start(); });
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "ファイル " + ListPath() + " は開けません.");

    // The rest of the start-up still ran and the window works.
    EXPECT_EQ(main->Edit1.Text(), "C:\\kept");
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_EQ(main->ListBox1.Count(), 0);
    main->Edit2.SetText(".new");
    main->cmAdd->Execute();
    EXPECT_EQ(ListItems(), std::vector<std::string>{".new"});

    // An unread list is never replaced by what the window happens to show.
    const RECT r = MainBounds();
    {
        MessageBoxCatcher catcher;
        CloseMain();
        EXPECT_TRUE(catcher.Boxes().empty());
    }
    EXPECT_EQ(ReadBytes(ListPath()), ".old\r\n");
    EXPECT_EQ(ReadBytes(IniPath()),
              "[Last]\r\nFolder=C:\\kept\r\nSubFolder=0\r\n" +
                  Location(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

TEST_F(Settings, ListFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    const std::string old = ".old\r\n.表\r\n";
    WriteBytes(ListPath(), old);
    CreateDirectoryW(Wide(ListPath() + ".tmp").c_str(), nullptr);
    Start();
    main->ListBox1.Add(".new");
    HWND window = main->Handle();
    const auto boxes = BoxesDuring([window] { SendMessageW(window, WM_CLOSE, 0, 0); });
    EXPECT_FALSE(IsWindow(window)) << "the window still closes";
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "ファイル " + ListPath() + " を作成できません.");
    EXPECT_EQ(boxes[0].caption, "settings_tests");
    EXPECT_EQ(ReadBytes(ListPath()), old);
    EXPECT_FALSE(PathExists(IniPath()));
}

TEST_F(Settings, SettingsFileThatCannotBeWrittenIsReported) {
    CreateDirectoryW(Wide(IniPath()).c_str(), nullptr);
    Start();
    main->ListBox1.Add(".tmp");
    HWND window = main->Handle();
    const auto boxes = BoxesDuring([window] { SendMessageW(window, WM_CLOSE, 0, 0); });
    EXPECT_FALSE(IsWindow(window));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, IniPath() + " に書き込めません.");
    EXPECT_EQ(ReadBytes(ListPath()), ".tmp\r\n") << "the list was saved first";
}

// Settings files as a person's editor leaves them, damaged or saved by Notepad: the
// window shows the saved folder exactly or none at all, 削除 takes only that
// folder's files, and closing writes the program's own form, or keeps a file that
// has a line it cannot write exactly.
TEST_F(Settings, EditedFilesDeleteOnlyInTheSavedFolderAndCloseExactly) {
    ScratchTree tree;
    const std::string saved = tree / "表A";
    const struct {
        const char* name;
        bool inSaved; // and selected by ".tmp"
    } files[] = {
        {"x.tmp", false}, {"表A\\a.tmp", true}, {"表A\\a.txt", false}, {"表A\\B\\b.tmp", true}};
    const std::string last = "[Last]\r\nFolder=" + saved + "\r\nSubFolder=1\r\n";
    const std::string emptied = "[Last]\r\nFolder=\r\nSubFolder=1\r\n";
    const std::string han = "\xED\x95\x9C"; // 한 in UTF-8: no Shift_JIS form
    const struct {
        const char* what;
        std::string ini, list, iniAfter;
        bool shown, listKept;
    } cases[] = {
        {"an escaped NUL",
         "[Last]\r\nFolder=\r\nFolderUtf8=" + tree.Path() + "%00\\A\r\nSubFolder=1\r\n", ".tmp\r\n",
         emptied, false, false},
        {"a NUL byte",
         "[Last]\r\nFolder=" + tree.Path() + std::string(1, '\0') + "\\表A\r\nSubFolder=1\r\n",
         ".tmp\r\n", emptied, false, false},
        {"UTF-8 settings, UTF-16 list", kUtf8Mark + Utf8Of(SjisToUtf16(last)),
         Utf16File(u".tmp\r\n", false), last, true, false},
        {"UTF-16 settings, UTF-8 list with a line outside Shift_JIS",
         Utf16File(SjisToUtf16(last), true), kUtf8Mark + ".tmp\r\n." + han + "\r\n", last, true,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveSettingsFiles();
        for (const auto& f : files)
            tree.File(f.name);
        WriteBytes(IniPath(), c.ini);
        WriteBytes(ListPath(), c.list);
        Start();
        EXPECT_EQ(main->Edit1.Text(), c.shown ? saved : "");
        EXPECT_EQ(ListItems(), std::vector<std::string>{".tmp"});
        Pump();
        EXPECT_EQ(main->cmBurn->Enabled(), c.shown);
        if (c.shown) Click(main->Button5.Handle());
        for (const auto& f : files)
            EXPECT_EQ(PathExists(tree / f.name), !(c.shown && f.inSaved)) << f.name;

        const RECT r = MainBounds();
        HWND window = main->Handle();
        const auto boxes = BoxesDuring([window] { SendMessageW(window, WM_CLOSE, 0, 0); });
        Pump(); // the loop's end, before the next window's search dialog sees it
        Discard();
        EXPECT_EQ(ReadBytes(IniPath()),
                  c.iniAfter + Location(r.left, r.top, r.right - r.left, r.bottom - r.top));
        EXPECT_EQ(ReadBytes(ListPath()), c.listKept ? c.list : ".tmp\r\n");
        ASSERT_EQ(boxes.size(), c.listKept ? 1u : 0u);
        if (c.listKept) {
            EXPECT_EQ(boxes[0].text,
                      "ファイル " + ListPath() +
                          " は Shift_JIS で表せない文字を含むため、保存しませんでした.");
        }
    }
}

// Bounds saved on a monitor that is gone open on the one there is, their size
// kept as far as it fits.
TEST_F(Settings, BoundsOffEveryScreenOpenOnTheNearestWorkArea) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT work = monitor.rcWork;
    const int width = work.right - work.left, height = work.bottom - work.top;
    const struct {
        std::string location;
        RECT opening;
    } cases[] = {
        {Location(work.right + 3000, work.top + 100, 600, 420),
         {work.right - 600, work.top + 100, work.right, work.top + 520}},
        {Location(work.left - 9000, work.top - 9000, width + 500, height + 400), work},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.location);
        RemoveSettingsFiles();
        WriteBytes(IniPath(), c.location);
        Start();
        const RECT r = MainBounds();
        EXPECT_EQ(r.left, c.opening.left);
        EXPECT_EQ(r.top, c.opening.top);
        EXPECT_EQ(r.right, c.opening.right);
        EXPECT_EQ(r.bottom, c.opening.bottom);
        Discard();
    }
}

// The platform's code page 932 keeps exactly what the native stand-in keeps.
TEST(SavedFolder, ThePlatformsShiftJisAgreesWithTheTable) {
    for (const FolderCase& c : kFolderCases) {
        const SavedFolder saved = SaveFolder(c.folder, ShiftJis());
        EXPECT_EQ(saved.folder, c.sjis) << c.sjis;
        EXPECT_EQ(saved.utf8.value_or("-"), c.utf8 ? c.utf8 : "-");
        EXPECT_EQ(LoadFolder(saved.folder, saved.utf8, ShiftJis()), c.folder) << c.sjis;
    }
}

} // namespace
