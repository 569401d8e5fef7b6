#include "search/path_fit.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/cp932.h"

namespace {

struct DropCase {
    const char* directory;
    const char* expected;
};

TEST(DropLeadingFolder, Steps) {
    const DropCase cases[] = {
        {"\\", ""},
        {"", ""},
        {"\\a\\b\\", "\\...\\b\\"},
        {"\\...\\b\\c\\", "\\...\\c\\"},
        {"\\...\\b\\", "\\...\\"},
        {"\\...\\", "\\"},
        {"a\\b\\", "...\\b\\"},
        {"...\\b\\", "...\\"},
        {"...\\", ""},
        {"a", ""},
        {"\\\\server\\share\\", "\\...\\server\\share\\"},
        // 表's trail byte is no separator.
        {"\\\x95\x5C"
         "a\\x\\",
         "\\...\\x\\"},
        {"\x95\x5C\\x\\", "...\\x\\"},
        // A folder of its own starting with "." loses whole characters only.
        {"\\.ab\x95\x5C"
         "cd\\x\\",
         "\\...\\x\\"},
        // A lead byte cut off at the end.
        {"\\a\\b\x95", "\\...\\b\x95"},
        {"\\a\x95", "\\"},
    };
    for (const DropCase& test : cases) {
        SCOPED_TRACE(test.directory);
        EXPECT_EQ(DropLeadingFolder(test.directory, kCp932), test.expected);
    }
}

// Gives each text of a shortening sequence a width below the one before, so
// that the sequence is followed however its byte lengths run, and records
// what was measured; a text outside the sequence fails the test.
class SequenceWidths {
public:
    explicit SequenceWidths(const std::vector<std::string>& sequence) {
        for (std::size_t i = 0; i < sequence.size(); ++i)
            widths_[sequence[i]] = static_cast<int>(10 * (sequence.size() - i));
    }
    int Width(const std::string& text) const { return widths_.at(text); }
    std::function<int(const std::string&)> Measure() {
        return [this](const std::string& text) {
            measured.push_back(text);
            auto found = widths_.find(text);
            if (found == widths_.end()) {
                ADD_FAILURE() << "measured \"" << text << "\"";
                return 0;
            }
            return found->second;
        };
    }
    std::vector<std::string> measured;

private:
    std::map<std::string, int> widths_;
};

// Each result appears only while the one before it is too wide; a result
// exactly as wide as the maximum fits, and each text is measured once.
void ExpectSequence(const std::vector<std::string>& sequence) {
    const std::size_t last = sequence.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        SCOPED_TRACE(sequence[i]);
        SequenceWidths widths(sequence);
        const int maxWidth = widths.Width(sequence[i]);
        EXPECT_EQ(FitPathToWidth(sequence[0], maxWidth, widths.Measure(), kCp932), sequence[i]);
        // The name alone is returned without a measurement: nothing is left to drop.
        const std::vector<std::string> measured(sequence.begin(),
                                                sequence.begin() + (i < last ? i + 1 : last));
        EXPECT_EQ(widths.measured, measured);

        if (i < last) {
            SequenceWidths narrower(sequence);
            EXPECT_EQ(FitPathToWidth(sequence[0], maxWidth - 1, narrower.Measure(), kCp932),
                      sequence[i + 1]);
        }
    }
}

TEST(FitPathToWidth, DriveFolderShortensFolderByFolder) {
    ExpectSequence({"C:\\Program Files\\Sub\\Deep\\Folder", "C:\\...\\Sub\\Deep\\Folder",
                    "C:\\...\\Deep\\Folder", "C:\\...\\Folder", "...\\Folder", "Folder"});
}

TEST(FitPathToWidth, NetworkFolderShortensFolderByFolder) {
    ExpectSequence({"\\\\server\\share\\dir", "\\...\\server\\share\\dir", "\\...\\share\\dir",
                    "\\...\\dir", "...\\dir", "dir"});
}

TEST(FitPathToWidth, DoubleByteFoldersAreNeverSplit) {
    // Folders 表a and b, then the name 表, which ends in the byte 0x5C.
    ExpectSequence({"C:\\\x95\x5C"
                    "a\\b\\\x95\x5C",
                    "C:\\...\\b\\\x95\x5C", "C:\\...\\\x95\x5C", "...\\\x95\x5C", "\x95\x5C"});
    ExpectSequence({"\\\\\x95\x5C\\\x83\x5C\\x", "\\...\\\x95\x5C\\\x83\x5C\\x",
                    "\\...\\\x83\x5C\\x", "\\...\\x", "...\\x", "x"});
}

TEST(FitPathToWidth, RelativeAndDriveRelativePaths) {
    ExpectSequence({"a\\b\\c", "...\\b\\c", "...\\c", "c"});
    ExpectSequence({"C:file", "file"});
    ExpectSequence({"C:a\\file", "C:...\\file", "C:file", "file"});
}

int SevenPerByte(const std::string& text) { return 7 * static_cast<int>(text.size()); }

TEST(FitPathToWidth, FittingPathsAreKept) {
    const char* paths[] = {"C:\\",   "D:\\", "\\\\server\\share",
                           "Folder", "",     "C:\\Program Files\\Sub\\Deep\\Folder"};
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        EXPECT_EQ(FitPathToWidth(path, 289, SevenPerByte, kCp932), path);
    }
}

TEST(FitPathToWidth, NameWiderThanTheLabelIsReturnedAlone) {
    const std::string name(60, 'n');
    EXPECT_EQ(FitPathToWidth("C:\\data\\old\\" + name, 289, SevenPerByte, kCp932), name);
    EXPECT_EQ(FitPathToWidth(name, 289, SevenPerByte, kCp932), name);
}

TEST(FitPathToWidth, LeadByteCutOffAtTheEnd) {
    EXPECT_EQ(FitPathToWidth("C:\\dir\\a\x95", 0, SevenPerByte, kCp932), "a\x95");
    EXPECT_EQ(FitPathToWidth("C:\\dir\\\x95", 0, SevenPerByte, kCp932), "\x95");
    EXPECT_EQ(FitPathToWidth("\x95", 0, SevenPerByte, kCp932), "\x95");
    EXPECT_EQ(FitPathToWidth("C:\\\x95", 1000, SevenPerByte, kCp932), "C:\\\x95");
}

// Every short text over the bytes that matter: the loop ends, keeps a tail of
// the path, and never measures a text twice.
TEST(FitPathToWidth, EndsOnArbitraryBytes) {
    const char alphabet[] = {'\\', ':', '.', 'a', '\x95'};
    std::vector<std::string> paths = {""};
    for (std::size_t begin = 0, length = 0; length < 6; ++length) {
        const std::size_t end = paths.size();
        for (std::size_t i = begin; i < end; ++i)
            for (char byte : alphabet)
                paths.push_back(paths[i] + byte);
        begin = end;
    }
    int failures = 0;
    for (const std::string& path : paths) {
        std::set<std::string> measured;
        bool twice = false;
        int calls = 0;
        const auto width = [&](const std::string& text) {
            if (!measured.insert(text).second) twice = true;
            if (++calls > 20) throw std::runtime_error("no end");
            return 1000;
        };
        std::string result;
        try {
            result = FitPathToWidth(path, 0, width, kCp932);
        } catch (const std::runtime_error&) {
            twice = true;
        }
        const bool tail = result.size() <= path.size() &&
                          path.compare(path.size() - result.size(), result.size(), result) == 0;
        if ((twice || !tail) && ++failures <= 10)
            ADD_FAILURE() << "path \"" << path << "\" gave \"" << result << "\"";
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
