#include "search/walk.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/native_text.h"

namespace {

// Paths and names are written in UTF-8 here and cross into the walk as UTF-16.
struct Entry {
    std::u16string name;
    unsigned long attributes;
    unsigned long reparseTag;
};

Entry File(const std::string& name, unsigned long attributes = 0x20) {
    return {Utf8ToUtf16(name), attributes, 0};
}
Entry Folder(const std::string& name, unsigned long attributes = 0x10,
             unsigned long reparseTag = 0) {
    return {Utf8ToUtf16(name), attributes, reparseTag};
}

class ScriptedListing : public DirListing {
public:
    explicit ScriptedListing(const std::vector<Entry>& entries) : entries_(entries) {}
    bool Next(DirEntry& entry) override {
        if (next_ == entries_.size()) return false;
        entry.name = entries_[next_].name.c_str();
        entry.attributes = entries_[next_].attributes;
        entry.reparseTag = entries_[next_].reparseTag;
        ++next_;
        return true;
    }

private:
    const std::vector<Entry>& entries_;
    std::size_t next_ = 0;
};

// Folders by listing mask; any other mask can't be listed.
class ScriptedSource : public DirectorySource {
public:
    std::unique_ptr<DirListing> Open(const std::u16string& wideMask) override {
        const std::string mask = Utf16ToUtf8(wideMask);
        opened.push_back(mask);
        auto found = folders.find(mask);
        if (found == folders.end()) return nullptr;
        return std::make_unique<ScriptedListing>(found->second);
    }
    std::map<std::string, std::vector<Entry>> folders;
    std::vector<std::string> opened;
};

// Matches names ending in ".tmp". Cancel, once pressed, stays pressed, as
// the dialog's modal result does.
class RecordingHost : public WalkHost {
public:
    bool EnterFolder(const std::u16string& path) override {
        events.push_back("enter " + Utf16ToUtf8(path));
        return cancelPressed;
    }
    bool SubfoldersOn() override {
        ++subfolderReads;
        if (subfolderAnswers.empty()) return subfolders;
        const bool answer = subfolderAnswers.front();
        subfolderAnswers.erase(subfolderAnswers.begin());
        return answer;
    }
    bool Matches(const DirEntry& entry) override {
        const std::string text = Utf16ToUtf8(entry.name);
        asked.push_back(text);
        return text.size() >= 4 && text.compare(text.size() - 4, 4, ".tmp") == 0;
    }
    void FileFound(const std::u16string& wide, const DirEntry&) override {
        const std::string path = Utf16ToUtf8(wide);
        events.push_back("found " + path);
        if (path == cancelAfterFinding) cancelPressed = true;
    }

    bool subfolders = true;
    std::vector<bool> subfolderAnswers;
    int subfolderReads = 0;
    std::string cancelAfterFinding;
    bool cancelPressed = false;
    std::vector<std::string> events;
    std::vector<std::string> asked;
};

using Events = std::vector<std::string>;

TEST(SearchTree, DepthFirstInListingOrder) {
    ScriptedSource source;
    source.folders["C:\\data\\*.*"] = {File("a.tmp"), Folder("sub"), File("d.tmp"), File("e.tmp")};
    source.folders["C:\\data\\sub\\*.*"] = {File("b.tmp"), File("c.tmp")};
    RecordingHost host;
    EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\data"), source, host));
    EXPECT_EQ(host.events, (Events{"enter C:\\data", "found C:\\data\\a.tmp", "enter C:\\data\\sub",
                                   "found C:\\data\\sub\\b.tmp", "found C:\\data\\sub\\c.tmp",
                                   "found C:\\data\\d.tmp", "found C:\\data\\e.tmp"}));
    EXPECT_EQ(source.opened, (Events{"C:\\data\\*.*", "C:\\data\\sub\\*.*"}));
}

TEST(SearchTree, SkipsDotEntriesByNameOnly) {
    ScriptedSource source;
    // Hidden, system and read-only files count like any other.
    source.folders["C:\\d\\*.*"] = {
        Folder("."),           Folder(".."),         File("..tmp"),   File(".hidden.tmp", 0x22),
        File("sys.tmp", 0x24), File("ro.tmp", 0x21), File("keep.txt")};
    RecordingHost host;
    EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\d"), source, host));
    EXPECT_EQ(host.events, (Events{"enter C:\\d", "found C:\\d\\..tmp", "found C:\\d\\.hidden.tmp",
                                   "found C:\\d\\sys.tmp", "found C:\\d\\ro.tmp"}));
    EXPECT_EQ(host.asked, (Events{"..tmp", ".hidden.tmp", "sys.tmp", "ro.tmp", "keep.txt"}));
    EXPECT_EQ(host.subfolderReads, 0);
}

TEST(SearchTree, FoldersAreNeverMatched) {
    for (bool subfolders : {true, false}) {
        SCOPED_TRACE(subfolders ? "subfolders on" : "subfolders off");
        ScriptedSource source;
        source.folders["C:\\d\\*.*"] = {Folder("old.tmp"), File("a.tmp")};
        source.folders["C:\\d\\old.tmp\\*.*"] = {File("in.tmp")};
        RecordingHost host;
        host.subfolders = subfolders;
        EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\d"), source, host));
        if (subfolders) {
            EXPECT_EQ(host.events, (Events{"enter C:\\d", "enter C:\\d\\old.tmp",
                                           "found C:\\d\\old.tmp\\in.tmp", "found C:\\d\\a.tmp"}));
            EXPECT_EQ(host.asked, (Events{"in.tmp", "a.tmp"}));
        } else {
            // Skipped subfolders are neither shown nor listed.
            EXPECT_EQ(host.events, (Events{"enter C:\\d", "found C:\\d\\a.tmp"}));
            EXPECT_EQ(source.opened, Events{"C:\\d\\*.*"});
            EXPECT_EQ(host.asked, Events{"a.tmp"});
        }
        EXPECT_EQ(host.subfolderReads, 1);
    }
}

TEST(SearchTree, SubfolderOptionIsReadAtEachFolderEntry) {
    ScriptedSource source;
    source.folders["C:\\d\\*.*"] = {Folder("s1"), File("f.tmp"), Folder("s2"), Folder("s3")};
    source.folders["C:\\d\\s1\\*.*"] = {};
    source.folders["C:\\d\\s2\\*.*"] = {};
    source.folders["C:\\d\\s3\\*.*"] = {};
    RecordingHost host;
    host.subfolderAnswers = {true, false, true};
    EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\d"), source, host));
    EXPECT_EQ(host.events,
              (Events{"enter C:\\d", "enter C:\\d\\s1", "found C:\\d\\f.tmp", "enter C:\\d\\s3"}));
    EXPECT_EQ(host.subfolderReads, 3);
}

TEST(SearchTree, NeverFollowsLinksOrJunctionsButEntersCloudFolders) {
    ScriptedSource source;
    source.folders["C:\\d\\*.*"] = {Folder("link", 0x410), Folder("junction", 0x412, 0xA0000003),
                                    Folder("cloud", 0x410, 0x9000001A), Folder("real")};
    source.folders["C:\\d\\link\\*.*"] = {File("outside.tmp")};
    source.folders["C:\\d\\junction\\*.*"] = {File("outside.tmp")};
    source.folders["C:\\d\\cloud\\*.*"] = {File("synced.tmp")};
    source.folders["C:\\d\\real\\*.*"] = {File("in.tmp")};
    RecordingHost host;
    EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\d"), source, host));
    EXPECT_EQ(host.events,
              (Events{"enter C:\\d", "enter C:\\d\\cloud", "found C:\\d\\cloud\\synced.tmp",
                      "enter C:\\d\\real", "found C:\\d\\real\\in.tmp"}));
    EXPECT_EQ(source.opened, (Events{"C:\\d\\*.*", "C:\\d\\cloud\\*.*", "C:\\d\\real\\*.*"}));
    EXPECT_EQ(host.subfolderReads, 4);
}

// A reparse folder is entered only when its tag says it holds entries of its own.
TEST(EntersFolder, ByTheReparseTag) {
    const struct {
        unsigned long attributes, tag;
        bool entered;
    } cases[] = {
        {0x10, 0, true},            // a plain folder
        {0x410, 0, false},          // a tag the listing did not give (Wine's links)
        {0x410, 0xA0000003, false}, // junction, mount point
        {0x410, 0xA000000C, false}, // symbolic link
        {0x410, 0xA000001D, false}, // Linux subsystem's symbolic link
        {0x410, 0xA0000019, false}, // global reparse point
        {0x410, 0x9000001A, true},  // cloud files (OneDrive)
        {0x410, 0x9000F01A, true},  // cloud files, a flavour of it
        {0x410, 0x80000021, true},  // OneDrive
        {0x410, 0x80000013, true},  // deduplication
        {0x410, 0x8000001E, true},  // Azure File Sync
    };
    for (const auto& c : cases)
        EXPECT_EQ(EntersFolder(DirEntry{u"f", c.attributes, c.tag, 0, 0}), c.entered)
            << std::hex << c.attributes << " " << c.tag;
}

struct PrefixCase {
    const char* start;
    const char* subfolder;
    Events opened;
    Events events;
};

TEST(SearchTree, PathsFollowTheStartFolderAsGiven) {
    const PrefixCase cases[] = {
        {"C:\\",
         "sub",
         {"C:\\*.*", "C:\\sub\\*.*"},
         {"enter C:\\", "found C:\\a.tmp", "enter C:\\sub"}},
        {"C:\\data",
         "sub",
         {"C:\\data\\*.*", "C:\\data\\sub\\*.*"},
         {"enter C:\\data", "found C:\\data\\a.tmp", "enter C:\\data\\sub"}},
        {"C:\\data\\",
         "sub",
         {"C:\\data\\*.*", "C:\\data\\sub\\*.*"},
         {"enter C:\\data\\", "found C:\\data\\a.tmp", "enter C:\\data\\sub"}},
        // Relative stays relative.
        {"data",
         "sub",
         {"data\\*.*", "data\\sub\\*.*"},
         {"enter data", "found data\\a.tmp", "enter data\\sub"}},
        {"\\\\server\\share",
         "sub",
         {"\\\\server\\share\\*.*", "\\\\server\\share\\sub\\*.*"},
         {"enter \\\\server\\share", "found \\\\server\\share\\a.tmp",
          "enter \\\\server\\share\\sub"}},
        // 表 ends in the byte 0x5C in Shift_JIS; in UTF-16 it is simply a character.
        {"C:\\表",
         "表",
         {"C:\\表\\*.*", "C:\\表\\表\\*.*"},
         {"enter C:\\表", "found C:\\表\\a.tmp", "enter C:\\表\\表"}},
        // Names outside code page 932 stay exactly what they are.
        {"C:\\café",
         "한",
         {"C:\\café\\*.*", "C:\\café\\한\\*.*"},
         {"enter C:\\café", "found C:\\café\\a.tmp", "enter C:\\café\\한"}},
    };
    for (const PrefixCase& test : cases) {
        SCOPED_TRACE(test.start);
        ScriptedSource source;
        source.folders[test.opened[0]] = {File("a.tmp"), Folder(test.subfolder)};
        source.folders[test.opened[1]] = {};
        RecordingHost host;
        EXPECT_TRUE(SearchTree(Utf8ToUtf16(test.start), source, host));
        EXPECT_EQ(source.opened, test.opened);
        EXPECT_EQ(host.events, test.events);
    }
}

TEST(ListingPrefix, AppendsOneSeparator) {
    const struct {
        const char* folder;
        const char* prefix;
    } cases[] = {
        {"C:\\", "C:\\"},
        {"C:\\data", "C:\\data\\"},
        {"C:\\data\\", "C:\\data\\"},
        {"data", "data\\"},
        {"\\\\server\\share\\", "\\\\server\\share\\"},
        {"", "\\"},
        {"表", "表\\"},
        {"C:\\表", "C:\\表\\"},
        {"C:\\表\\", "C:\\表\\"},
        {"C:\\ソソ", "C:\\ソソ\\"},
        {"C:\\😀", "C:\\😀\\"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.folder);
        EXPECT_EQ(ListingPrefix(Utf8ToUtf16(test.folder)), Utf8ToUtf16(test.prefix));
    }
}

TEST(SearchTree, FoldersThatCannotBeListedContributeNothing) {
    ScriptedSource source;
    source.folders["C:\\d\\*.*"] = {Folder("locked"), File("a.tmp")};
    RecordingHost host;
    EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\d"), source, host));
    EXPECT_EQ(host.events, (Events{"enter C:\\d", "enter C:\\d\\locked", "found C:\\d\\a.tmp"}));

    ScriptedSource missing;
    RecordingHost alone;
    EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\gone"), missing, alone));
    EXPECT_EQ(alone.events, Events{"enter C:\\gone"});
}

TEST(SearchTree, EmptyStartFolderCompletes) {
    ScriptedSource source;
    source.folders["C:\\empty\\*.*"] = {Folder("."), Folder("..")};
    RecordingHost host;
    EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\empty"), source, host));
    EXPECT_EQ(host.events, Events{"enter C:\\empty"});
}

TEST(SearchTree, CancelIsSeenOnlyOnEnteringAFolder) {
    ScriptedSource source;
    source.folders["C:\\d\\*.*"] = {File("a.tmp"), Folder("sub1"), File("b.tmp"), Folder("sub2"),
                                    File("c.tmp")};
    source.folders["C:\\d\\sub1\\*.*"] = {File("x.tmp"), Folder("deep"), File("z.tmp")};
    source.folders["C:\\d\\sub1\\deep\\*.*"] = {File("never.tmp")};
    source.folders["C:\\d\\sub2\\*.*"] = {File("never.tmp")};
    RecordingHost host;
    host.cancelAfterFinding = "C:\\d\\sub1\\x.tmp";
    EXPECT_FALSE(SearchTree(Utf8ToUtf16("C:\\d"), source, host));
    // Open listings run to their end; later folders are only shown.
    EXPECT_EQ(host.events, (Events{"enter C:\\d", "found C:\\d\\a.tmp", "enter C:\\d\\sub1",
                                   "found C:\\d\\sub1\\x.tmp", "enter C:\\d\\sub1\\deep",
                                   "found C:\\d\\sub1\\z.tmp", "found C:\\d\\b.tmp",
                                   "enter C:\\d\\sub2", "found C:\\d\\c.tmp"}));
    EXPECT_EQ(source.opened, (Events{"C:\\d\\*.*", "C:\\d\\sub1\\*.*"}));
}

TEST(SearchTree, CancelAfterTheLastFolderEntryIsNotSeen) {
    ScriptedSource source;
    source.folders["C:\\d\\*.*"] = {Folder("sub"), File("a.tmp"), File("b.tmp")};
    source.folders["C:\\d\\sub\\*.*"] = {File("x.tmp")};
    RecordingHost host;
    host.cancelAfterFinding = "C:\\d\\a.tmp";
    EXPECT_TRUE(SearchTree(Utf8ToUtf16("C:\\d"), source, host));
    EXPECT_EQ(host.events, (Events{"enter C:\\d", "enter C:\\d\\sub", "found C:\\d\\sub\\x.tmp",
                                   "found C:\\d\\a.tmp", "found C:\\d\\b.tmp"}));
}

TEST(SearchTree, CancelBeforeTheStartFolderListsNothing) {
    ScriptedSource source;
    source.folders["C:\\d\\*.*"] = {File("a.tmp")};
    RecordingHost host;
    host.cancelPressed = true;
    EXPECT_FALSE(SearchTree(Utf8ToUtf16("C:\\d"), source, host));
    EXPECT_EQ(host.events, Events{"enter C:\\d"});
    EXPECT_TRUE(source.opened.empty());
}

} // namespace
