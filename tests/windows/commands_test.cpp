// The folder option and the two delete commands, through their buttons and the
// real message loop: enable rules at idle, the search dialog, the shell's request.
#include "search_support.h"
#include "support/app_fixture.h"
#include "scratch_tree.h"

#include "platform/file_system.h"
#include "platform/shift_jis.h"

namespace {

class Commands : public StartedApp {
protected:
    // Patterns as the editor would hold them, and the folder typed into Edit1.
    void Prepare(const std::string& folder, std::initializer_list<const char*> patterns,
                 bool subfolders) {
        for (const char* p : patterns)
            main->ListBox1.Add(p);
        main->Edit1.SetText(folder);
        main->opSubfolder->SetChecked(subfolders);
        Pump();
    }
    struct Enabled {
        bool subfolder, bitbacket, burn, folder;
        bool operator==(const Enabled& o) const {
            return subfolder == o.subfolder && bitbacket == o.bitbacket && burn == o.burn &&
                   folder == o.folder;
        }
    };
    Enabled State() const {
        return {main->opSubfolder->Enabled(), main->cmBitbacket->Enabled(), main->cmBurn->Enabled(),
                main->cmFolder->Enabled()};
    }
};

TEST_F(Commands, EnabledOnlyForAnExistingFolderAndAPatternList) {
    ScratchTree tree;
    tree.File("a.txt");
    struct Case {
        const char* what;
        std::string folder;
        bool pattern;
        Enabled expected;
    };
    const Case cases[] = {
        {"empty folder field", "", true, {false, false, false, true}},
        {"a file, not a folder", tree / "a.txt", true, {false, false, false, true}},
        {"missing folder", tree / "gone", true, {false, false, false, true}},
        {"folder, no patterns", tree.Path(), false, {true, false, false, true}},
        {"folder and a pattern", tree.Path(), true, {true, true, true, true}},
        {"same folder with a final separator", tree.Path() + "\\", true, {true, true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        main->ListBox1.Clear();
        if (c.pattern) main->ListBox1.Add(".tmp");
        main->Edit1.SetText(c.folder);
        Pump();
        EXPECT_TRUE(State() == c.expected);
        EXPECT_EQ(IsWindowEnabled(main->Button5.Handle()) != FALSE, c.expected.burn);
    }
    // Removing the last pattern disables both at the next idle moment.
    main->Edit2.SetText(".tmp");
    Pump();
    main->cmDelete->Execute();
    Pump();
    EXPECT_FALSE(main->cmBitbacket->Enabled());
    EXPECT_FALSE(main->cmBurn->Enabled());
    EXPECT_TRUE(main->opSubfolder->Enabled());
}

TEST_F(Commands, TheOptionTogglesOncePerClickAndKeepsItsStateWhileDisabled) {
    ScratchTree tree;
    Prepare(tree.Path(), {}, false);
    Click(main->CheckBox1.Handle());
    EXPECT_TRUE(main->opSubfolder->Checked());
    EXPECT_TRUE(main->CheckBox1.Checked());
    Click(main->CheckBox1.Handle());
    EXPECT_FALSE(main->opSubfolder->Checked());
    Click(main->CheckBox1.Handle());
    main->Edit1.SetText("");
    Pump();
    EXPECT_FALSE(main->opSubfolder->Enabled());
    EXPECT_TRUE(main->CheckBox1.Checked());
}

TEST_F(Commands, RecycleBinTakesExactlyTheMatchingFiles) {
    ScratchTree tree;
    const char* matching[] = {"a.tmp", "B.TMP", "sub\\c.bak", "\x95\x5C.tmp" /* 表 */};
    const char* kept[] = {"a.txt", "Makefile", "old.tmp\\inner.txt", "sub\\d.bk"};
    for (const char* f : matching)
        tree.File(f);
    for (const char* f : kept)
        tree.File(f);
    // The trash may already hold files of these names from other tests.
    auto tailOf = [](const std::string& path) { return "/" + TrashInfoName(NameOf(path)); };
    std::vector<int> before;
    for (const char* f : matching)
        before.push_back(TrashedCount(tailOf(f)));
    Prepare(tree.Path(), {".tmp", ".b?k"}, true);
    Click(main->Button4.Handle());
    for (std::size_t i = 0; i < std::size(matching); ++i) {
        SCOPED_TRACE(matching[i]);
        EXPECT_FALSE(PathExists(tree / matching[i]));
        EXPECT_EQ(TrashedCount(tailOf(matching[i])), before[i] + 1);
    }
    for (const char* f : kept)
        EXPECT_TRUE(PathExists(tree / f)) << f;
    Pump();
    EXPECT_EQ(main->OwnedCount(), 0u) << "the dialog was released";
}

TEST_F(Commands, DeleteForGoodLeavesNothingInTheTrash) {
    ScratchTree tree;
    tree.File("x.tmp");
    tree.File("sub\\y.tmp");
    tree.File("keep.txt");
    const std::size_t trashedBefore = TrashedPaths().size();
    Prepare(tree.Path(), {".tmp"}, false);
    Click(main->Button5.Handle());
    EXPECT_FALSE(PathExists(tree / "x.tmp"));
    EXPECT_TRUE(PathExists(tree / "sub\\y.tmp")) << "subfolders are off";
    EXPECT_TRUE(PathExists(tree / "keep.txt"));
    EXPECT_EQ(TrashedPaths().size(), trashedBefore);
}

TEST_F(Commands, ACancelledSearchDeletesNothing) {
    ScratchTree tree;
    tree.File("x.tmp");
    Prepare(tree.Path(), {".tmp"}, true);
    // Closes the search dialog as soon as it shows, before its first tick.
    bool closed = false;
    ActivationHook closer([&closed](HWND window) {
        if (closed || TControl(window).Text() != "検索中") return;
        PostMessageW(window, WM_CLOSE, 0, 0);
        closed = true;
    });
    Click(main->Button5.Handle());
    EXPECT_TRUE(closed);
    EXPECT_TRUE(PathExists(tree / "x.tmp"));
    EXPECT_EQ(main->FoundFiles->Count(), 0u);
}

TEST_F(Commands, AFolderRemovedAfterTheLastUpdateDeletesNothing) {
    ScratchTree outside;
    ScratchTree tree;
    tree.File("x.tmp");
    Prepare(tree.Path(), {".tmp"}, true);
    ASSERT_TRUE(main->cmBurn->Enabled());
    RemoveTree(tree.Path());
    // cmBurn runs on its last state; the walk of a missing folder finds nothing.
    EXPECT_TRUE(main->cmBurn->Execute());
    EXPECT_EQ(main->FoundFiles->Count(), 0u);
    // Within a second the updates know, and cmBitbacket's own update keeps it from running.
    ASSERT_TRUE(PumpUntil([this] { return !main->cmBitbacket->Enabled(); }));
    EXPECT_FALSE(main->cmBitbacket->Execute());
}

TEST_F(Commands, EachCommandStartsFromAnEmptyList) {
    ScratchTree first, second;
    first.File("a.tmp");
    first.File("b.tmp");
    second.File("c.tmp");
    Prepare(first.Path(), {".tmp"}, false);
    // The list keeps its paths after the deletion, until the next search clears it.
    main->cmBurn->Execute();
    EXPECT_EQ(main->FoundFiles->Count(), 2u);
    main->Edit1.SetText(second.Path());
    Pump();
    main->cmBurn->Execute();
    ASSERT_EQ(main->FoundFiles->Count(), 1u);
    EXPECT_EQ(FoundPaths(*main), std::vector<std::string>{second / "c.tmp"});
}

// Names with characters outside code page 932 are listed and deleted exactly:
// never a look-alike (the folder cafe.tmp for café.tmp), never a wildcard (the
// folder a.tmp for "?.tmp"), and each by the same rule on its extension.
TEST_F(Commands, NamesOutsideTheCodePageAreTakenExactlyByBothCommands) {
    const std::u16string selected[] = {u"caf\u00E9.tmp", u"\uD55C.tmp", u"\U0001F600.tmp",
                                       u"\u03A9mega.TMP", u"\u65E5\u672C.tmp"};
    const std::u16string kept[] = {u"caf\u00E9.txt", u"cafe.tmp\\keep.txt", u"a.tmp\\keep.txt",
                                   u"x.t\uD55C"};
    for (bool permanent : {false, true}) {
        SCOPED_TRACE(permanent ? "deleted for good" : "into the recycle bin");
        ScratchTree tree;
        tree.WideFolder(u"cafe.tmp");
        tree.WideFolder(u"a.tmp");
        for (const std::u16string& name : selected)
            tree.WideFile(name);
        for (const std::u16string& name : kept)
            tree.WideFile(name);
        const auto trashed = [](const std::u16string& name) {
            return TrashedCount("/" + TrashInfoName(name));
        };
        std::vector<int> before;
        for (const std::u16string& name : selected)
            before.push_back(trashed(name));
        const int foldersBefore = trashed(u"cafe.tmp") + trashed(u"a.tmp") + trashed(u"keep.txt");

        main->ListBox1.Clear();
        Prepare(tree.Path(), {".tmp"}, false);
        MessageBoxCatcher catcher;
        Click(permanent ? main->Button5.Handle() : main->Button4.Handle());
        EXPECT_TRUE(catcher.Boxes().empty()) << "nothing to ask: every path names its file";
        for (std::size_t i = 0; i < std::size(selected); ++i) {
            SCOPED_TRACE(Utf16ToSjis(selected[i]));
            EXPECT_FALSE(PathExists(tree.WidePath(selected[i])));
            EXPECT_EQ(trashed(selected[i]), before[i] + (permanent ? 0 : 1));
        }
        for (const std::u16string& name : kept)
            EXPECT_TRUE(PathExists(tree.WidePath(name))) << Utf16ToSjis(name);
        EXPECT_EQ(trashed(u"cafe.tmp") + trashed(u"a.tmp") + trashed(u"keep.txt"), foldersBefore);
    }
}

// A folder on a share that does not answer: the window goes on, the commands wait
// for the answer, and nothing is deleted before it comes.
TEST_F(Commands, AFolderCheckThatDoesNotAnswerNeverHoldsTheWindow) {
    ScratchTree tree;
    tree.File("x.tmp");
    const HANDLE answer = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Discard();
    StartWith([answer](const std::u16string& folder) {
        WaitForSingleObject(answer, INFINITE);
        return FolderExists(folder);
    });
    Prepare(tree.Path(), {".tmp"}, false);
    EXPECT_FALSE(main->cmBurn->Enabled()) << "no answer yet: as for no folder";
    main->Edit2.SetFocus();
    Type("x");
    EXPECT_EQ(main->Edit2.Text(), ".x") << "the window still takes input";
    Click(main->Button5.Handle());
    EXPECT_TRUE(PathExists(tree / "x.tmp"));

    SetEvent(answer);
    EXPECT_TRUE(PumpUntil([this] { return main->cmBurn->Enabled(); }));
    CloseHandle(answer);
    Click(main->Button5.Handle());
    EXPECT_FALSE(PathExists(tree / "x.tmp"));
}

// A folder pasted into the box beside the look-alike that best fit would make of it:
// the box, the delete, the settings file and the box after a restart all keep the
// exact folder, on any code page.
TEST_F(Commands, PastedFolderOutsideShiftJisIsTakenAndKeptExactly) {
    const struct {
        std::u16string folder, lookAlike;
        const char* kept;
    } cases[] = {{u"caf\u00E9", u"cafe", "caf%C3%A9"}, {u"a\u00A5b", u"a\\b", "a%C2%A5b"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kept);
        ScratchTree tree;
        tree.Folder(Utf16ToSjis(c.lookAlike));
        tree.WideFolder(c.folder);
        for (const std::u16string& folder : {c.folder, c.lookAlike})
            tree.WideFile(folder + u"\\x.tmp");
        const std::u16string exact = tree.WidePath(c.folder);
        main->ListBox1.Clear();
        main->ListBox1.Add(".tmp");
        main->Edit1.SetText("");
        Paste(main->Edit1.Handle(), exact);
        EXPECT_EQ(main->Edit1.WideText(), exact);
        Click(main->Button5.Handle());
        EXPECT_FALSE(PathExists(exact + u"\\x.tmp"));
        EXPECT_TRUE(PathExists(tree.WidePath(c.lookAlike + u"\\x.tmp"))) << "the look-alike's";

        CloseMain();
        const std::string ini = ReadBytes(IniPath());
        EXPECT_NE(ini.find("Folder=\r\n"), std::string::npos) << ini;
        EXPECT_NE(ini.find("FolderUtf8=" + (tree / c.kept) + "\r\n"), std::string::npos) << ini;
        Start();
        EXPECT_EQ(main->Edit1.WideText(), exact) << "after a restart";
    }
}

// A close request (taskkill without /F, the taskbar) while the search runs: the
// search ends as by Cancel, nothing is deleted, and the window then closes as
// usual, its settings written, the program ending with 0.
TEST_F(Commands, ACloseRequestDuringTheWalkCancelsItAndThenCloses) {
    ScratchTree tree;
    for (int i = 0; i < 20; ++i)
        tree.File("d" + std::to_string(100 + i) + "\\x.tmp");
    tree.File("d105\\stop_here\\y.tmp");
    Prepare(tree.Path(), {".tmp"}, true);
    WhenTextShown atFolder(u"stop_here", [this] { PostMessageA(main->Handle(), WM_CLOSE, 0, 0); });
    const auto boxes = BoxesDuring([this] { Click(main->Button5.Handle()); });
    ASSERT_TRUE(atFolder.Fired()) << "the walk reached the folder";
    EXPECT_TRUE(boxes.empty());
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(PathExists(tree / ("d" + std::to_string(100 + i) + "\\x.tmp"))) << i;
    EXPECT_TRUE(PathExists(tree / "d105\\stop_here\\y.tmp"));
    EXPECT_EQ(main->Handle(), nullptr) << "the window is closed";
    EXPECT_TRUE(PathExists(ListPath()));
    EXPECT_TRUE(PathExists(IniPath()));
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(app->Run(), 0);
}

// When Windows ends the session, the settings are written before the process
// may be ended, in the middle of a search too.
TEST_F(Commands, TheEndOfTheSessionWritesTheSettingsAtOnce) {
    ScratchTree tree;
    tree.File("a\\stop_here\\x.txt");
    tree.File("b\\y.txt");
    Prepare(tree.Path(), {".tmp"}, true);
    bool writtenDuringWalk = false;
    WhenTextShown atFolder(u"stop_here", [&] {
        EXPECT_TRUE(SendMessageA(main->Handle(), WM_QUERYENDSESSION, 0, 0));
        SendMessageA(main->Handle(), WM_ENDSESSION, TRUE, 0);
        writtenDuringWalk = PathExists(ListPath()) && PathExists(IniPath());
    });
    Click(main->Button5.Handle());
    ASSERT_TRUE(atFolder.Fired());
    EXPECT_TRUE(writtenDuringWalk);
    EXPECT_NE(ReadBytes(IniPath()).find(tree.Path()), std::string::npos) << "with the folder";
    EXPECT_NE(main->Handle(), nullptr) << "the window stays until the system ends the process";
}

} // namespace
