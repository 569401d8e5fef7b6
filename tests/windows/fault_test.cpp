// Faults from outside the program, on the real platform: folders that vanish or
// cannot be listed during a walk, paths at the length limit, link loops, huge and
// garbled settings files, settings that cannot be written, a file in use while
// the shell deletes. Each must end with the designed message or silence, a
// window that still works, and nothing lost.
#include "search_support.h"
#include "support/app_fixture.h"
#include "platform/shift_jis.h"
#include "scratch_tree.h"

#include "platform/file_system.h"
#include "search/found_files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Shift_JIS text as UTF-8, for what the tests print.
std::string Utf8(const std::string& ansi) {
    const int wide =
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &text[0], wide);
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, &utf8[0], size, nullptr, nullptr);
    return utf8;
}

void Report(const std::string& what) { std::printf("[ observed ] %s\n", Utf8(what).c_str()); }

std::string Describe(const std::vector<MessageBoxCatcher::Box>& boxes) {
    if (boxes.empty()) return "no window";
    std::string text;
    for (const MessageBoxCatcher::Box& box : boxes) {
        text += "\"" + box.caption + "\": \"" + box.text + "\" buttons";
        for (const std::string& button : box.buttons)
            text += " [" + button + "]";
        text += "; ";
    }
    return text;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Runs a shell script on the Unix side; `marker` (a Windows path) appears when it is done.
bool RunScript(const std::string& script, const std::string& marker) {
    return RunUnix("Z:\\bin\\sh -c " + Quoted(script + " && touch '" + UnixPath(marker) + "'"),
                   [&marker] { return PathExists(marker); });
}

// How the trashed path of a file of the tree ends: the tree's own folder, then
// the relative path, spelled as a .trashinfo spells them.
std::string TrashTail(const ScratchTree& tree, const std::string& relative) {
    const std::string& root = tree.Path();
    std::string tail = "/" + TrashInfoName(NameOf(root));
    std::size_t start = 0;
    for (std::size_t i = 0; i <= relative.size(); ++i) {
        if (i < relative.size() && IsDBCSLeadByte(static_cast<BYTE>(relative[i]))) {
            ++i;
            continue;
        }
        if (i == relative.size() || relative[i] == '\\') {
            tail += "/" + TrashInfoName(relative.substr(start, i - start));
            start = i + 1;
        }
    }
    return tail;
}

Paths Under(const ScratchTree& tree, const Paths& relative) {
    Paths paths;
    for (const std::string& r : relative)
        paths.push_back(tree / r);
    return Sorted(paths);
}

// Fixed-seed bytes, so every run sees the same garbage.
std::string RandomBytes(std::size_t size, unsigned seed, bool withNul) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(withNul ? 0 : 1, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(random));
    return bytes;
}

// Fixed-seed CR and LF bytes only: runs of empty lines with every kind of end.
std::string RandomLineEnds(std::size_t size, unsigned seed) {
    std::string bytes = RandomBytes(size, seed, true);
    for (char& c : bytes)
        c = (static_cast<unsigned char>(c) & 1) ? '\r' : '\n';
    return bytes;
}

// Lines as a reader of the list file sees them: up to the first NUL, CR LF, CR
// and LF each end one, a last line without an end counts.
std::size_t LineCount(const std::string& bytes) {
    const std::string text = bytes.substr(0, bytes.find('\0'));
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') ++lines;
    }
    const char last = text.empty() ? '\n' : text.back();
    return lines + (last == '\r' || last == '\n' ? 0 : 1);
}

// Whether the bytes are whole Shift_JIS characters that a text control keeps as they are.
bool KeptAsIs(const std::string& line) {
    if (line.empty()) return true;
    const int n = static_cast<int>(line.size());
    const int wide = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, line.data(), n, nullptr, 0);
    if (wide <= 0) return false;
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, line.data(), n, &text[0], wide);
    std::string back(line.size() * 2, '\0');
    BOOL defaulted = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), wide, &back[0],
                                         static_cast<int>(back.size()), nullptr, &defaulted);
    return !defaulted && back.substr(0, static_cast<std::size_t>(size)) == line;
}

class Faults : public AppFixture {
protected:
    void TearDown() override {
        source.reset();
        AppFixture::TearDown();
        RemoveSettingsTrees();
    }
    void StartWatching() {
        Start();
        source = std::make_unique<WatchingSource>(*main);
    }
    // One walk with the option on, through the dialog's own RunSearch.
    int Walk(const std::string& start, const Paths& patterns = {".tmp"}) {
        return WalkNow(*app, *main, *source, start, true, patterns);
    }
    // Runs a delete command by its button, the search dialog and all.
    void RunCommand(HWND button, const std::string& folder, const Paths& patterns) {
        main->Edit1.SetText(folder);
        main->ListBox1.Clear();
        for (const std::string& pattern : patterns)
            main->ListBox1.Add(pattern);
        main->opSubfolder->SetChecked(true);
        Pump();
        ASSERT_TRUE(IsWindowEnabled(button));
        Click(button);
    }

    // The main window after a fault: shown, enabled, no dialog of ours left,
    // and its editor still adds a pattern through its button.
    void ExpectUsable(const std::string& pattern = ".usable") {
        Pump();
        EXPECT_TRUE(IsWindowVisible(main->Handle()));
        EXPECT_TRUE(IsWindowEnabled(main->Handle())) << "no modal window left over";
        EXPECT_EQ(main->OwnedCount(), 0u) << "the search dialog was released";
        main->Edit2.SetText(pattern);
        Pump();
        Click(main->Button2.Handle());
        EXPECT_GE(main->ListBox1.FindExact(pattern), 0) << "the editor still adds " << pattern;
    }

    std::unique_ptr<WatchingSource> source;
};

// A folder that goes away while the walk is in the tree is passed over in
// silence; what was found existed, and the walk still completes.
TEST_F(Faults, FolderRemovedDuringTheWalk) {
    StartWatching();
    struct Case {
        const char* what;
        Paths files;
        std::string removed;  // folder taken away, relative
        const char* trigger;  // the file whose match test removes it; null: the first subfolder met
        bool replaceWithFile; // a file of the same name takes its place
        Paths mustFind;       // found whatever the platform's listing order
        bool exact;           // nothing else may be found
    };
    const Case cases[] = {
        {"listed, removed before it is entered",
         {"a.tmp", "gone\\g.tmp", "gone\\deeper\\d.tmp", "z.tmp"},
         "gone",
         nullptr,
         false,
         {"a.tmp", "z.tmp"},
         true},
        {"replaced by a file before it is entered",
         {"a.tmp", "gone\\g.tmp", "z.tmp"},
         "gone",
         nullptr,
         true,
         {"a.tmp", "z.tmp"},
         true},
        {"removed while its own listing is open",
         {"a.tmp", "open\\o01.tmp", "open\\o02.tmp", "open\\o03.tmp", "open\\o04.tmp",
          "open\\o05.tmp", "open\\inner\\i.tmp", "z.tmp"},
         "open",
         "o01.tmp",
         false,
         {"a.tmp", "z.tmp"},
         false},
        {"its parent removed while inside",
         {"top.tmp", "p\\q\\q1.tmp", "p\\q\\q2.tmp", "p\\r\\r.tmp"},
         "p",
         "q1.tmp",
         false,
         {"top.tmp"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchTree tree;
        for (const std::string& f : c.files)
            tree.File(f);
        const std::string removed = tree / c.removed;
        bool done = false;
        const auto removeNow = [&] {
            if (done) return;
            done = true;
            const std::string unix = "'" + UnixPath(removed) + "'";
            ASSERT_TRUE(RunScript("rm -rf " + unix + (c.replaceWithFile ? " && touch " + unix : ""),
                                  tree / "removed"));
        };
        source->onSubfolder = [&] {
            if (!c.trigger) removeNow();
        };
        source->onMatch = [&](const std::string& name) {
            if (c.trigger && name == c.trigger) removeNow();
        };

        int result = 0;
        const auto boxes = BoxesDuring([&] { result = Walk(tree.Path()); });
        source->onSubfolder = nullptr;
        source->onMatch = nullptr;
        ASSERT_TRUE(done) << "the walk reached the point of removal";
        EXPECT_FALSE(IsFolder(removed));
        EXPECT_EQ(result, mrOk);
        EXPECT_TRUE(boxes.empty()) << Describe(boxes);

        const Paths found = FoundPaths(*main);
        const std::set<std::string> unique(found.begin(), found.end());
        EXPECT_EQ(unique.size(), found.size()) << "no path twice";
        const Paths created = Under(tree, c.files);
        for (const std::string& path : found)
            EXPECT_TRUE(std::binary_search(created.begin(), created.end(), path))
                << "never made: " << path;
        for (const std::string& path : Under(tree, c.mustFind))
            EXPECT_EQ(unique.count(path), 1u) << "outside the removed folder: " << path;
        if (c.exact) {
            EXPECT_EQ(Sorted(found), Under(tree, c.mustFind));
        }
        Report(std::string(c.what) + ": " + std::to_string(found.size()) + " found");
    }
    ExpectUsable();
}

// A subfolder that cannot be listed contributes nothing, silently; the rest
// of the tree is deleted and the folder's files are untouched.
TEST_F(Faults, UnlistableFolderIsPassedOverSilently) {
    Start();
    struct Way {
        const char* what;
        std::function<std::function<void()>(const std::string& folder)> apply; // gives the undo
    };
    const Way ways[] = {
        {"no permissions for anyone (mode 000)",
         [](const std::string& folder) -> std::function<void()> {
             const std::string unix = "'" + UnixPath(folder) + "'";
             const std::string marker = folder + "-mode";
             if (!RunScript("chmod 000 " + unix, marker)) return {};
             return [unix, marker] { RunScript("chmod 755 " + unix, marker + "-back"); };
         }},
        {"held open without sharing by another program",
         [](const std::string& folder) -> std::function<void()> {
             auto held = std::make_shared<HeldFile>(folder, GENERIC_READ, 0);
             if (!held->Held()) return {};
             return [held]() mutable { held.reset(); };
         }},
    };
    int tried = 0;
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        ScratchTree tree;
        for (const char* f :
             {"a.tmp", "locked\\l.tmp", "locked\\sub\\s.tmp", "open\\o.tmp", "z.txt"})
            tree.File(f);
        const std::function<void()> undo = way.apply(tree / "locked");
        ASSERT_TRUE(undo) << "the fault could not be set up";
        WIN32_FIND_DATAA data{};
        const HANDLE probe = FindFirstFileA((tree / "locked\\*.*").c_str(), &data);
        if (probe != INVALID_HANDLE_VALUE) {
            FindClose(probe);
            undo();
            // Root passes every permission check: this way blocks nobody here.
            Report(std::string(way.what) + ": the folder still lists for this user; not tried");
            continue;
        }
        ++tried;
        const auto boxes =
            BoxesDuring([&] { RunCommand(main->Button5.Handle(), tree.Path(), {".tmp"}); });
        undo();
        EXPECT_TRUE(boxes.empty()) << Describe(boxes);
        EXPECT_EQ(Sorted(FoundPaths(*main)), Under(tree, {"a.tmp", "open\\o.tmp"}));
        EXPECT_FALSE(PathExists(tree / "a.tmp"));
        EXPECT_FALSE(PathExists(tree / "open\\o.tmp"));
        for (const char* kept : {"locked\\l.tmp", "locked\\sub\\s.tmp", "z.txt"})
            EXPECT_TRUE(PathExists(tree / kept)) << kept;
        Report(std::string(way.what) + ": passed over, " + Describe(boxes));
        ExpectUsable();
    }
    if (tried == 0) GTEST_SKIP() << "no way to make a folder unlistable for this user";
}

// Folders whose listing mask is longer than the platform takes contribute
// nothing; everything the platform lists is found, and nothing breaks.
TEST_F(Faults, PathsAtAndBeyondTheLengthLimit) {
    StartWatching();
    ScratchTree tree;
    // A parent of 200 to 240 characters, so its children's masks can be placed exactly.
    std::string parentName;
    while (tree.Path().size() + parentName.size() < 200)
        parentName += (parentName.empty() ? "" : "\\") + std::string(40, 'p');
    tree.File(parentName + "\\top.tmp");
    const std::string parent = tree / parentName;
    ASSERT_LE(parent.size(), 241u);

    // A child folder whose mask ("\*.*" appended) is exactly `mask` characters long.
    const auto child = [&](std::size_t mask) {
        return parentName + "\\" + std::string(mask - 5 - parent.size(), 'c');
    };
    const std::size_t masks[] = {250, 259, 260, 261, 262, 300};
    std::string script = "true";
    for (std::size_t mask : masks) {
        const std::string unix = "'" + UnixPath(tree / child(mask)) + "'";
        script += " && mkdir -p " + unix + "/deeper && touch " + unix + "/f.tmp " + unix +
                  "/deeper/d.tmp";
    }
    ASSERT_TRUE(RunScript(script, tree / "made"));
    // Double-byte names: over the limit in bytes, within it in characters.
    std::string wide;
    for (std::size_t i = 0; i < 250 - parent.size(); ++i)
        wide += "\x95\x5C"; // 表
    tree.File(parentName + "\\" + wide + "\\f.tmp");
    const std::string wideMask = tree / (parentName + "\\" + wide + "\\*.*");
    ASSERT_GT(wideMask.size(), 260u);

    // Which folders the platform itself lists, through the wide call the walk uses.
    const auto lists = [&](const std::string& folder) {
        WIN32_FIND_DATAW data{};
        const HANDLE find = FindFirstFileW(
            reinterpret_cast<const wchar_t*>(SjisToUtf16(tree / folder + "\\*.*").c_str()), &data);
        if (find == INVALID_HANDLE_VALUE) return false;
        FindClose(find);
        return true;
    };

    int result = 0;
    const auto boxes = BoxesDuring([&] { result = Walk(tree.Path()); });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.empty()) << Describe(boxes);

    Paths expected = {parentName + "\\top.tmp"};
    std::string listed = "masks listed:";
    for (std::size_t mask : masks) {
        if (!lists(child(mask))) continue;
        listed += " " + std::to_string(mask);
        expected.push_back(child(mask) + "\\f.tmp");
        if (lists(child(mask) + "\\deeper")) expected.push_back(child(mask) + "\\deeper\\d.tmp");
    }
    if (lists(parentName + "\\" + wide)) expected.push_back(parentName + "\\" + wide + "\\f.tmp");
    ASSERT_TRUE(lists(child(250))) << "a folder well within the limit lists";
    EXPECT_EQ(Sorted(FoundPaths(*main)), Under(tree, expected));
    Report(listed + "; what the platform cannot list contributes nothing");
    ExpectUsable();
}

// A link back into the tree is not followed: the walk ends at once, every file
// is taken once, and nothing a link leads to outside the tree is touched.
TEST_F(Faults, LinkLoopsAreNotFollowed) {
    Start();
    struct Case {
        const char* what;
        HWND button;
        bool trash;
    };
    const Case cases[] = {{"into the recycle bin", main->Button4.Handle(), true},
                          {"deleted for good", main->Button5.Handle(), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchTree tree, outside;
        outside.File("o.tmp");
        tree.File("top.tmp");
        tree.File("sub\\b.tmp");
        tree.Folder("sub\\deep");
        const bool linked =
            tree.Link("sub\\up", "..") && tree.Link("sub\\deep\\loop", UnixPath(tree.Path())) &&
            tree.Link("sub\\deep\\self", ".") && tree.Link("out", UnixPath(outside.Path()));
        if (!linked) GTEST_SKIP() << "no Unix links from this Wine";
        const int trashedBefore = TrashedCount(TrashTail(tree, "top.tmp"));

        const auto started = std::chrono::steady_clock::now();
        RunCommand(c.button, tree.Path(), {".tmp"});
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now() - started)
                              .count();
        // A link followed would find top.tmp again behind it, over and over.
        EXPECT_EQ(Sorted(FoundPaths(*main)), Under(tree, {"top.tmp", "sub\\b.tmp"}));
        EXPECT_FALSE(PathExists(tree / "top.tmp"));
        EXPECT_FALSE(PathExists(tree / "sub\\b.tmp"));
        EXPECT_TRUE(PathExists(outside / "o.tmp"));
        for (const char* link : {"sub\\up", "sub\\deep\\loop", "out"})
            EXPECT_TRUE(PathExists(tree / link)) << link;
        if (c.trash) {
            EXPECT_EQ(TrashedCount(TrashTail(tree, "top.tmp")), trashedBefore + 1);
        }
        Report(std::string(c.what) + ": link loop walked and deleted in " + std::to_string(took) +
               " ms");
    }
    ExpectUsable();
}

// A matching link to a file outside the tree is a file of the tree: deleting
// it must leave the file it points to alone.
TEST_F(Faults, FileLinkIsDeletedNotItsTarget) {
    ScratchTree probe, outside;
    outside.File("probe-target");
    if (!probe.Link("link", UnixPath(outside / "probe-target")))
        GTEST_SKIP() << "no Unix links from this Wine";
    DeleteFileA((probe / "link").c_str());
    if (!PathExists(outside / "probe-target"))
        GTEST_SKIP() << "deleting a link to a file removes the file it points to on this "
                        "platform; the program cannot tell such a link from a file";

    Start();
    for (HWND button : {main->Button4.Handle(), main->Button5.Handle()}) {
        ScratchTree tree;
        WriteBytes(outside / "target.tmp", "kept");
        tree.File("top.tmp");
        ASSERT_TRUE(tree.Link("f.tmp", UnixPath(outside / "target.tmp")));
        RunCommand(button, tree.Path(), {".tmp"});
        EXPECT_EQ(Sorted(FoundPaths(*main)), Under(tree, {"top.tmp", "f.tmp"}));
        EXPECT_EQ(ReadBytes(outside / "target.tmp"), "kept");
    }
}

// A list of 100,000 patterns loads in sorted order and is written back as
// the same bytes.
TEST_F(Faults, HundredThousandPatternsLoadAndSaveSorted) {
    constexpr int kCount = 100000;
    std::vector<std::string> sorted;
    for (int i = 0; i < kCount; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, ".x%06d", i);
        sorted.emplace_back(line);
    }
    std::vector<std::string> shuffled = sorted;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    std::string file, expected;
    for (const std::string& line : shuffled)
        file += line + "\n";
    for (const std::string& line : sorted)
        expected += line + "\r\n";
    WriteBytes(ListPath(), file);

    auto started = std::chrono::steady_clock::now();
    Start();
    const auto loadMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - started)
                            .count();
    ASSERT_EQ(main->ListBox1.Count(), kCount);
    EXPECT_EQ(ListItems(), sorted);
    started = std::chrono::steady_clock::now();
    CloseMain();
    const auto saveMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - started)
                            .count();
    EXPECT_EQ(ReadBytes(ListPath()), expected);
    Report("100,000 patterns: start-up with the load " + std::to_string(loadMs) +
           " ms, close with the save " + std::to_string(saveMs) + " ms");
}

// Garbage in the list file loads as lines without a crash or a message, the
// window works, and every line is written back as it was.
TEST_F(Faults, GarbageListFileLoads) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"random bytes", RandomBytes(65536, 11, true)},
        {"random bytes without NUL", RandomBytes(65536, 12, false)},
        {"one line of 1 MiB", std::string(1 << 20, 'w')},
        {"line ends only", RandomLineEnds(4096, 13)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveSettingsFiles();
        const std::string& bytes = c.bytes;
        WriteBytes(ListPath(), bytes);
        const auto boxes = BoxesDuring([this] { Start(); });
        EXPECT_TRUE(boxes.empty()) << Describe(boxes);
        const std::size_t lines = LineCount(bytes);
        EXPECT_EQ(static_cast<std::size_t>(main->ListBox1.Count()), lines);
        ExpectUsable();
        CloseMain();

        // Written back: one CR LF line per item, the added one included.
        const std::string saved = ReadBytes(ListPath());
        EXPECT_EQ(LineCount(saved), lines + 1);
        ASSERT_GE(saved.size(), 2u);
        EXPECT_EQ(saved.substr(saved.size() - 2), "\r\n");
        std::multiset<std::string> written;
        for (std::size_t start = 0, end; (end = saved.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            written.insert(saved.substr(start, end - start));
        const std::string text = bytes.substr(0, bytes.find('\0'));
        std::size_t kept = 0, changed = 0;
        for (std::size_t start = 0; start < text.size();) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string::npos) end = text.size();
            const std::string line = text.substr(start, end - start);
            // Bytes that are no Shift_JIS text too: shown as the nearest text, never
            // written back repaired into other bytes.
            const auto at = written.find(line);
            EXPECT_NE(at, written.end()) << "a line lost on the way through the window";
            if (at != written.end()) written.erase(at);
            ++(KeptAsIs(line) ? kept : changed);
            start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
        Report(std::string(c.what) + ": " + std::to_string(lines) + " lines loaded, " +
               std::to_string(kept) + " valid Shift_JIS, " + std::to_string(changed) +
               " not, all written back as they were");
    }
}

// Garbage in the settings file: values that do not convert fall back to their
// defaults, those that do are used, a folder is taken whole, and the window still
// saves what it holds.
TEST_F(Faults, GarbageSettingsFileFallsBackToDefaults) {
    const std::string longFolder(3000, 'f');
    const struct {
        const char* what;
        std::string bytes;
        int left, top, width, height; // -1: no usable bounds, the designed window
        std::string folder;
        bool subfolder;
    } cases[] = {
        {"random bytes", RandomBytes(8192, 21, true), 0, 0, -1, -1, "", false},
        {"random bytes after valid values",
         "[Location]\r\nLeft=30\r\nTop=40\r\nWidth=500\r\nHeight=400\r\n" +
             RandomBytes(8192, 22, false),
         30, 40, 500, 400, "", false},
        {"overlong lines",
         "[Location]\r\nLeft=" + std::string(5000, '1') + "\r\n" + std::string(4000, 'x') +
             "\r\nTop=" + std::string(3000, ' ') +
             "40\r\nWidth=500\r\nHeight=400\r\n[Last]\r\n"
             "Folder=" +
             longFolder + "\r\nSubFolder=1\r\n",
         0, 40, 500, 400, longFolder, true},
        {"missing equals signs",
         "[Location]\r\nLeft 100\r\nTop=50\r\nWidth\r\nHeight=300\r\nWidth 700\r\n[Last]\r\n"
         "Folder\r\nSubFolder=1\r\n",
         0, 50, -1, 300, "", true},
        {"binary values",
         "[Location]\r\nLeft=\x01\x02\x03\r\nTop=\xff\xfe\r\nWidth=600\r\nHeight=4" +
             std::string(1, '\0') + "00\r\n[Last]\r\nFolder=\x01\x02\r\nSubFolder=\x80\x7f\r\n",
         0, 0, 600, -1, "\x01\x02", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveSettingsFiles();
        WriteBytes(IniPath(), c.bytes);
        const auto boxes = BoxesDuring([this] { Start(); });
        EXPECT_TRUE(boxes.empty()) << Describe(boxes);
        const RECT r = MainBounds();
        RECT client{};
        GetClientRect(main->Handle(), &client);
        if (c.width < 0 || c.height < 0) {
            EXPECT_EQ(client.right, main->Scale(386));
            EXPECT_EQ(client.bottom, main->Scale(299));
        } else {
            EXPECT_EQ(r.left, c.left);
            EXPECT_EQ(r.top, c.top);
            EXPECT_EQ(r.right - r.left, c.width);
            EXPECT_EQ(r.bottom - r.top, c.height);
        }
        EXPECT_EQ(main->Edit1.Text(), c.folder);
        EXPECT_EQ(main->opSubfolder->Checked(), c.subfolder);
        Report(std::string(c.what) + ": window at " + std::to_string(r.left) + "," +
               std::to_string(r.top) + " size " + std::to_string(r.right - r.left) + "x" +
               std::to_string(r.bottom - r.top));
        ExpectUsable();

        // Saved over the garbage, it reads back as it was.
        SetWindowPos(main->Handle(), nullptr, 21, 22, 523, 424, SWP_NOZORDER);
        main->Edit1.SetText("C:\\back");
        CloseMain();
        Start();
        const RECT back = MainBounds();
        EXPECT_EQ(back.left, 21);
        EXPECT_EQ(back.top, 22);
        EXPECT_EQ(back.right - back.left, 523);
        EXPECT_EQ(back.bottom - back.top, 424);
        EXPECT_EQ(main->Edit1.Text(), "C:\\back");
        EXPECT_EQ(ListItems(), std::vector<std::string>{".usable"});
        Discard();
    }
}

// Settings that cannot be written at close: the designed message, the window
// still closes, and what was stored before is kept.
TEST_F(Faults, SettingsThatCannotBeWrittenKeepWhatWasStored) {
    const std::string oldList = ".old\r\n";
    const std::string oldIni = "[Location]\r\nLeft=10\r\nTop=20\r\nWidth=500\r\nHeight=400\r\n"
                               "[Last]\r\nFolder=C:\\kept\r\nSubFolder=1\r\n";
    enum class Fault { IniHeld, ListHeld, FolderAtList, SettingsFolderGone };
    const struct {
        const char* what;
        Fault fault;
        bool listSaved;
        bool iniKept;
    } cases[] = {
        {"settings file held open without sharing", Fault::IniHeld, true, true},
        {"list file held open without sharing", Fault::ListHeld, false, true},
        {"a folder where the list file belongs", Fault::FolderAtList, false, true},
        {"settings folder removed while running", Fault::SettingsFolderGone, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(ListPath());
        RemoveSettingsFiles();
        WriteBytes(IniPath(), oldIni);
        if (c.fault == Fault::FolderAtList)
            ASSERT_TRUE(CreateDirectoryA(ListPath().c_str(), nullptr));
        else
            WriteBytes(ListPath(), oldList);
        Start();
        main->ListBox1.Add(".new");
        std::unique_ptr<HeldFile> held;
        if (c.fault == Fault::IniHeld)
            held = std::make_unique<HeldFile>(IniPath(), GENERIC_READ, 0);
        if (c.fault == Fault::ListHeld)
            held = std::make_unique<HeldFile>(ListPath(), GENERIC_READ, 0);
        if (held) {
            ASSERT_TRUE(held->Held());
        }
        if (c.fault == Fault::SettingsFolderGone) RemoveTree(TestSettingsDir());

        HWND window = main->Handle();
        const auto boxes = BoxesDuring([window] { SendMessageA(window, WM_CLOSE, 0, 0); });
        held.reset();
        EXPECT_FALSE(IsWindow(window)) << "the window still closes";
        Discard();
        const std::string expected = c.fault == Fault::IniHeld
                                         ? IniPath() + " に書き込めません."
                                         : "ファイル " + ListPath() + " を作成できません.";
        ASSERT_EQ(boxes.size(), 1u) << Describe(boxes);
        EXPECT_EQ(boxes[0].text, expected);
        EXPECT_EQ(boxes[0].caption, "fault_tests");
        Report(std::string(c.what) + ": " + Describe(boxes));

        if (c.listSaved) {
            EXPECT_EQ(ReadBytes(ListPath()), ".new\r\n" + oldList);
        }
        if (c.fault == Fault::ListHeld) {
            EXPECT_EQ(ReadBytes(ListPath()), oldList);
        }
        if (c.fault == Fault::FolderAtList) {
            EXPECT_TRUE(IsFolder(ListPath()));
        }
        if (c.iniKept) {
            EXPECT_EQ(ReadBytes(IniPath()), oldIni) << "the stored settings are kept";
        }
        if (c.fault == Fault::SettingsFolderGone) {
            EXPECT_FALSE(PathExists(TestSettingsDir())) << "nothing is written anywhere else";
        } else {
            EXPECT_FALSE(PathExists(ListPath() + ".tmp")) << "no half-done save is left";
        }
    }
}

// A file in use while the shell moves the found files to the recycle bin: it
// stays where it is with its content, the shell reports it in its own window
// owned by the main window, and no other file is lost or touched.
TEST_F(Faults, FileInUseDuringTheDeleteRequest) {
    Start();
    struct Case {
        const char* what;
        std::size_t heldAt;
        int answer; // to the shell's question
        bool permanent;
    };
    const Case cases[] = {
        {"recycle, held in the middle, answered No", 1, IDNO, false},
        {"recycle, held first, answered Yes", 0, IDYES, false},
        {"recycle, held last, answered No", 2, IDNO, false},
        {"delete for good, held in the middle", 1, IDOK, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchTree tree, outside;
        const Paths names = {"first.tmp", "second.tmp", "third.tmp"};
        for (const std::string& name : names) {
            tree.File(name);
            WriteBytes(tree / name, name);
        }
        tree.File("keep.txt");
        outside.File("other.tmp");
        std::vector<int> trashedBefore;
        for (const std::string& name : names)
            trashedBefore.push_back(TrashedCount(TrashTail(tree, name)));

        main->FoundFiles->Clear();
        for (const std::string& name : names)
            main->FoundFiles->Add(SjisToUtf16(tree / name));
        std::vector<MessageBoxCatcher::Box> boxes;
        {
            HeldFile held(tree / names[c.heldAt], GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE);
            ASSERT_TRUE(held.Held());
            boxes = BoxesDuring([&] { main->DeleteFoundFiles(c.permanent); }, c.answer);
        }
        EXPECT_EQ(main->FoundFiles->Count(), names.size()) << "the list is left as it was";
        EXPECT_EQ(ReadBytes(tree / names[c.heldAt]), names[c.heldAt]) << "the file in use stays";
        std::string fate;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (i == c.heldAt) continue;
            const bool inPlace = PathExists(tree / names[i]);
            const int trashed = TrashedCount(TrashTail(tree, names[i])) - trashedBefore[i];
            fate += names[i] +
                    (inPlace   ? " stayed"
                     : trashed ? " in the trash"
                               : " deleted") +
                    ", ";
            if (inPlace) {
                EXPECT_EQ(ReadBytes(tree / names[i]), names[i]);
            }
            if (c.permanent) {
                EXPECT_EQ(trashed, 0) << names[i];
            } else {
                // Each file is either still in place or in the trash, never just gone.
                EXPECT_EQ(inPlace ? 0 : 1, trashed) << names[i];
            }
            // The shell works through the list in order: what comes before is done.
            if (i < c.heldAt) {
                EXPECT_FALSE(inPlace) << names[i];
            }
        }
        EXPECT_TRUE(PathExists(tree / "keep.txt"));
        EXPECT_TRUE(PathExists(outside / "other.tmp"));
        if (!c.permanent) {
            // The file could not go into the bin: the shell asks, naming it, over our window.
            ASSERT_FALSE(boxes.empty()) << "the shell reported nothing";
            EXPECT_EQ(boxes[0].owner, main->Handle());
            EXPECT_NE(boxes[0].text.find(names[c.heldAt]), std::string::npos) << boxes[0].text;
        }
        Report(std::string(c.what) + ": " + fate + names[c.heldAt] + " stayed; shell showed " +
               Describe(boxes));
        ExpectUsable();
    }
}

} // namespace
