// The search's walk over real folders under Wine: the dialog's RunSearch with
// the system's directory listing, the main window's patterns and option.
#include "search/findunit.h"
#include "search/found_files.h"
#include "platform/shift_jis.h"
#include "search_support.h"
#include "support/app_fixture.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

class SearchWalkTest : public WatchingFixture {
protected:
    // Runs one walk on a fresh dialog straight away, without the modal show
    // and its start delay; the found paths in walk order.
    Paths Walk(const std::string& start, bool subfolders, const Paths& patterns = {".tmp"}) {
        main->Edit1.SetText(start);
        main->ListBox1.Clear();
        for (const std::string& pattern : patterns)
            main->ListBox1.Add(pattern);
        main->opSubfolder->SetChecked(subfolders);
        main->FoundFiles->Clear();
        TSearchDlg dialog(*app, *main, *source);
        source->dialog = &dialog;
        dialog.RunSearch();
        result = dialog.ModalResult();
        finalCount = dialog.Label4.Text();
        lastFolderShown = dialog.Label1.WideText();
        source->dialog = nullptr;
        return FoundPaths(*main);
    }

    Paths Under(const Paths& relative) const {
        Paths paths;
        for (const std::string& r : relative)
            paths.push_back(tree / r);
        return Sorted(paths);
    }

    ScratchTree tree;
    int result = -1;
    std::string finalCount;
    std::u16string lastFolderShown;
};

// Folders and files named with characters outside code page 932: found by their
// exact names, and shown as they are, not as "?".
TEST_F(SearchWalkTest, NamesOutsideTheCodePageAreFoundAndShownAsTheyAre) {
    tree.WideFolder(u"caf\u00E9");
    tree.WideFolder(u"caf\u00E9\\\uD55C\uAD6D");
    tree.WideFile(u"caf\u00E9\\\uD55C\uAD6D\\\U0001F600.tmp");
    tree.WideFile(u"caf\u00E9\\x.txt");
    Walk(tree.Path(), true);
    EXPECT_EQ(FoundWidePaths(*main), std::vector<std::u16string>{tree.WidePath(
                                         u"caf\u00E9\\\uD55C\uAD6D\\\U0001F600.tmp")});
    const std::u16string shownTail = u"caf\u00E9\\\uD55C\uAD6D";
    ASSERT_GE(lastFolderShown.size(), shownTail.size());
    EXPECT_EQ(lastFolderShown.substr(lastFolderShown.size() - shownTail.size()), shownTail);
    EXPECT_EQ(result, mrOk);
}

TEST_F(SearchWalkTest, HiddenSystemAndReadOnlyFilesAreFound) {
    tree.File("plain.tmp");
    tree.File("hidden.tmp", FILE_ATTRIBUTE_HIDDEN);
    tree.File("system.tmp", FILE_ATTRIBUTE_SYSTEM);
    tree.File("readonly.tmp", FILE_ATTRIBUTE_READONLY);
    tree.File("all.tmp", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    tree.File(".dotted.tmp");
    tree.File("other.txt", FILE_ATTRIBUTE_HIDDEN);
    tree.File("hiddendir\\inner.tmp");
    SetFileAttributesA((tree / "hiddendir").c_str(), FILE_ATTRIBUTE_HIDDEN);
    // Wine keeps read-only as the Unix mode and reports dot files as hidden.
    ASSERT_TRUE(GetFileAttributesA((tree / "readonly.tmp").c_str()) & FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(GetFileAttributesA((tree / ".dotted.tmp").c_str()) & FILE_ATTRIBUTE_HIDDEN);

    EXPECT_EQ(Sorted(Walk(tree.Path(), true)),
              Under({".dotted.tmp", "all.tmp", "hidden.tmp", "hiddendir\\inner.tmp", "plain.tmp",
                     "readonly.tmp", "system.tmp"}));
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(finalCount, "7");
}

TEST_F(SearchWalkTest, FolderNamedLikeAPatternIsNeverTaken) {
    tree.File("old.tmp\\inside.tmp");
    tree.File("old.tmp\\deeper.tmp\\deep.tmp");
    tree.File("top.tmp");
    struct Case {
        bool subfolders;
        Paths expected;
    };
    for (const Case& c :
         {Case{false, {"top.tmp"}},
          Case{true, {"old.tmp\\deeper.tmp\\deep.tmp", "old.tmp\\inside.tmp", "top.tmp"}}}) {
        EXPECT_EQ(Sorted(Walk(tree.Path(), c.subfolders)), Under(c.expected))
            << "subfolders " << c.subfolders;
        const bool entered =
            std::any_of(source->moments.begin(), source->moments.end(),
                        [](const WalkMoment& m) { return m.asked == "inside.tmp"; });
        EXPECT_EQ(entered, c.subfolders) << "old.tmp is listed only with the option on";
        source->moments.clear();
    }
}

TEST_F(SearchWalkTest, FinalSeparatorMakesNoDifference) {
    tree.File("a.tmp");
    tree.File("sub\\b.tmp");
    tree.File("sub\\inner\\c.tmp");
    const Paths without = Walk(tree.Path(), true);
    const Paths with = Walk(tree.Path() + "\\", true);
    EXPECT_EQ(with, without);
    EXPECT_EQ(Sorted(with), Under({"a.tmp", "sub\\b.tmp", "sub\\inner\\c.tmp"}));
}

TEST_F(SearchWalkTest, DriveRootGetsNoDoubledSeparator) {
    // Wine's Z: is the Unix root: list it, and give up every subfolder on
    // entering it, after it has been shown.
    source->onSubfolder = [this] {
        if (source->dialog) source->dialog->SetModalResult(mrCancel);
    };
    const Paths found = Walk("Z:\\", true, {"*"});
    EXPECT_EQ(result, mrCancel);

    std::vector<std::string> shown;
    for (const WalkMoment& m : source->moments)
        if (m.asked == "subfolders") shown.push_back(m.folder);
    ASSERT_GE(shown.size(), 2u) << "the root has folders";
    EXPECT_EQ(shown.front(), "Z:\\") << "a drive root is shown as it is";
    for (std::size_t i = 1; i < shown.size(); ++i) {
        const std::string& folder = shown[i];
        EXPECT_EQ(folder.rfind("Z:\\", 0), 0u) << folder;
        EXPECT_EQ(folder.find('\\', 3), std::string::npos) << "one separator only: " << folder;
    }
    for (const std::string& path : found) {
        EXPECT_EQ(path.rfind("Z:\\", 0), 0u) << path;
        EXPECT_EQ(path.find('\\', 3), std::string::npos) << "root files only: " << path;
    }
}

TEST_F(SearchWalkTest, RelativeStartStaysRelative) {
    tree.File("rel\\a.tmp");
    tree.File("rel\\sub\\b.tmp");
    char saved[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof saved, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(tree.Path().c_str()));
    const Paths found = Walk("rel", true);
    SetCurrentDirectoryA(saved);
    EXPECT_EQ(Sorted(found), (Paths{"rel\\a.tmp", "rel\\sub\\b.tmp"}));
}

TEST_F(SearchWalkTest, EmptyOrMissingStartFindsNothingAndCompletes) {
    tree.Folder("empty");
    for (const std::string& start : {tree / "empty", tree / "missing", tree / "empty\\"}) {
        EXPECT_TRUE(Walk(start, true).empty()) << start;
        EXPECT_EQ(result, mrOk) << start;
        EXPECT_EQ(finalCount, "0") << start;
    }
}

TEST_F(SearchWalkTest, JapaneseNamesWithBackslashTrailBytes) {
    // 表 is 95 5C, ソ 83 5C, 能 94 5C: their second byte is no separator.
    const std::string hyo = "\x95\x5C", so = "\x83\x5C", nou = "\x94\x5C";
    tree.File(hyo + ".tmp");
    tree.File(hyo + "\\" + so + ".TMP");
    tree.File(hyo + "\\" + nou + "\\x.tmp");
    tree.File(hyo + "\\" + nou + "\\" + hyo + ".txt");
    tree.File(so + "\\" + nou + "." + hyo);
    EXPECT_EQ(Sorted(Walk(tree.Path(), true, {".tmp", "." + hyo})),
              Under({so + "\\" + nou + "." + hyo, hyo + ".tmp", hyo + "\\" + so + ".TMP",
                     hyo + "\\" + nou + "\\x.tmp"}));

    // A start folder ending in 表 still gets its own separator.
    EXPECT_EQ(Sorted(Walk(tree / hyo, false)), Under({hyo + "\\" + so + ".TMP"}));
}

TEST_F(SearchWalkTest, LinkedFoldersAreNotEntered) {
    ScratchTree outside;
    outside.File("elsewhere.tmp");
    tree.File("real\\r.tmp");
    tree.File("real\\looped\\l.tmp");
    const bool linked = tree.Link("out", UnixPath(outside.Path())) &&
                        tree.Link("real\\looped\\back", UnixPath(tree.Path())) &&
                        tree.Link("real\\self", ".");
    if (!linked) GTEST_SKIP() << "no Unix links from this Wine";
    ASSERT_EQ(GetFileAttributesA((tree / "out").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT,
              static_cast<DWORD>(FILE_ATTRIBUTE_REPARSE_POINT));

    EXPECT_EQ(Walk(tree.Path(), true).size(), 2u);
    EXPECT_EQ(Sorted(FoundPaths(*main)), Under({"real\\looped\\l.tmp", "real\\r.tmp"}));
    EXPECT_EQ(result, mrOk);
}

TEST_F(SearchWalkTest, SubfolderFilesComeWhereTheSubfolderIsListed) {
    tree.File("a.tmp");
    tree.File("sub\\b.tmp");
    tree.File("sub\\c.tmp");
    tree.File("d.tmp");
    tree.File("e.tmp");
    const Paths found = Walk(tree.Path(), true);
    ASSERT_EQ(Sorted(found), Under({"a.tmp", "d.tmp", "e.tmp", "sub\\b.tmp", "sub\\c.tmp"}));
    const auto first = std::find_if(found.begin(), found.end(), [this](const std::string& p) {
        return p.rfind(tree / "sub\\", 0) == 0;
    });
    ASSERT_NE(first, found.end());
    EXPECT_EQ((first + 1)->rfind(tree / "sub\\", 0), 0u) << "the subfolder's files stay together";

    // The count shown grows by one with every file taken.
    std::vector<std::string> counts;
    for (const WalkMoment& m : source->moments)
        if (m.asked != "subfolders") counts.push_back(m.count);
    EXPECT_EQ(counts, (std::vector<std::string>{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(finalCount, "5");
}

TEST_F(SearchWalkTest, LongPathsAreShortenedToTheLabel) {
    const std::string hyo = "\x95\x5C";
    const std::string deep = "ab" + hyo + "cdefghijklmnopqrstuvwxyz-0123456789\\" + hyo +
                             "klmnopqrstuvwxyz-abcdefghij-0123456789\\last-" + hyo + "-folder";
    tree.File(deep + "\\x.tmp");
    Walk(tree.Path(), true);
    const auto inside = std::find_if(source->moments.begin(), source->moments.end(),
                                     [](const WalkMoment& m) { return m.asked == "x.tmp"; });
    ASSERT_NE(inside, source->moments.end());
    const std::string& shown = inside->folder;
    const std::string full = tree / deep;

    // Drive, an ellipsis, then a whole-folder tail of the real path.
    ASSERT_EQ(shown.rfind(full.substr(0, 2) + "\\...\\", 0), 0u) << shown;
    const std::string tail = shown.substr(7);
    ASSERT_GE(full.size(), tail.size() + 1);
    EXPECT_EQ(full.compare(full.size() - tail.size(), tail.size(), tail), 0) << shown;
    EXPECT_EQ(full[full.size() - tail.size() - 1], '\\') << "cut at a separator: " << shown;
    EXPECT_FALSE(IsDBCSLeadByte(static_cast<BYTE>(full[full.size() - tail.size() - 2])))
        << "never inside a double-byte character: " << shown;

    // It fits the label, measured in the label's own font.
    TSearchDlg dialog(*app, *main, *source);
    RECT label{};
    GetClientRect(dialog.Label1.Handle(), &label);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(
        dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog.Label1.Handle(), WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_LE(size.cx, label.right) << shown;
    EXPECT_EQ(label.right, dialog.Scale(289));
}

TEST_F(SearchWalkTest, TheSystemListingReportsEveryEntry) {
    for (int i = 0; i < 300; ++i)
        tree.File("f" + std::to_string(i) + (i % 2 ? ".tmp" : ""));
    tree.Folder("dir");
    FindFileSource listing;
    struct Case {
        std::string mask;
        int entries; // -1: cannot be listed
    };
    for (const Case& c :
         {Case{tree / "*.*", 303}, Case{tree / "dir\\*.*", 2}, Case{tree / "missing\\*.*", -1}}) {
        const std::unique_ptr<DirListing> open = listing.Open(SjisToUtf16(c.mask));
        if (c.entries < 0) {
            EXPECT_EQ(open, nullptr) << c.mask;
            continue;
        }
        ASSERT_NE(open, nullptr) << c.mask;
        int count = 0, folders = 0;
        DirEntry entry{};
        while (open->Next(entry)) {
            ++count;
            if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) ++folders;
        }
        EXPECT_EQ(count, c.entries) << c.mask << " (names without \".\" included)";
        EXPECT_EQ(folders, c.entries == 303 ? 3 : 2) << c.mask << " with \".\" and \"..\"";
        EXPECT_FALSE(open->Next(entry)) << "stays at its end";
    }
}

} // namespace
