#include "search/path_fit.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/native_text.h"

namespace {

// The cases are written in UTF-8 and cross into the rules as UTF-16.
using Measurer = std::function<int(const std::string&)>;

std::string Drop(const std::string& directory) {
    return Utf16ToUtf8(DropLeadingFolder(Utf8ToUtf16(directory)));
}

std::string Fit(const std::string& path, int maxWidth, const Measurer& width) {
    return Utf16ToUtf8(FitPathToWidth(Utf8ToUtf16(path), maxWidth, [&](const std::u16string& text) {
        return width(Utf16ToUtf8(text));
    }));
}

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
        // 表 (0x5C as the second byte in Shift_JIS) is a character like any other.
        {"\\表a\\x\\", "\\...\\x\\"},
        {"表\\x\\", "...\\x\\"},
        {"\\café\\한\\", "\\...\\한\\"},
        // A folder of its own starting with "." loses four whole characters.
        {"\\.a😀b\\x\\", "\\...\\x\\"},
        {"\\.a😀\\x\\y\\", "\\...\\y\\"},
    };
    for (const DropCase& test : cases) {
        SCOPED_TRACE(test.directory);
        EXPECT_EQ(Drop(test.directory), test.expected);
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
    Measurer Measure() {
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
        EXPECT_EQ(Fit(sequence[0], maxWidth, widths.Measure()), sequence[i]);
        // The name alone is returned without a measurement: nothing is left to drop.
        const std::vector<std::string> measured(sequence.begin(),
                                                sequence.begin() + (i < last ? i + 1 : last));
        EXPECT_EQ(widths.measured, measured);

        if (i < last) {
            SequenceWidths narrower(sequence);
            EXPECT_EQ(Fit(sequence[0], maxWidth - 1, narrower.Measure()), sequence[i + 1]);
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

TEST(FitPathToWidth, FoldersAreDroppedAsWholeNames) {
    // 表 and ソ end in the byte 0x5C in Shift_JIS, which is never a separator.
    ExpectSequence({"C:\\表a\\b\\表", "C:\\...\\b\\表", "C:\\...\\表", "...\\表", "表"});
    ExpectSequence(
        {"\\\\表\\ソ\\x", "\\...\\表\\ソ\\x", "\\...\\ソ\\x", "\\...\\x", "...\\x", "x"});
    // Names outside code page 932 are shown as they are.
    ExpectSequence(
        {"D:\\café\\한국\\😀.d", "D:\\...\\한국\\😀.d", "D:\\...\\😀.d", "...\\😀.d", "😀.d"});
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
        EXPECT_EQ(Fit(path, 289, SevenPerByte), path);
    }
}

TEST(FitPathToWidth, NameWiderThanTheLabelIsReturnedAlone) {
    const std::string name(60, 'n');
    EXPECT_EQ(Fit("C:\\data\\old\\" + name, 289, SevenPerByte), name);
    EXPECT_EQ(Fit(name, 289, SevenPerByte), name);
}

// Every short text over the units that matter, halves of surrogate pairs among
// them: the loop ends, keeps a tail of the path, and never measures a text twice.
TEST(FitPathToWidth, EndsOnArbitraryUnits) {
    const char16_t alphabet[] = {u'\\', u':', u'.', u'a', 0xD83D, 0xDE00};
    std::vector<std::u16string> paths = {u""};
    for (std::size_t begin = 0, length = 0; length < 6; ++length) {
        const std::size_t end = paths.size();
        for (std::size_t i = begin; i < end; ++i)
            for (char16_t unit : alphabet)
                paths.push_back(paths[i] + unit);
        begin = end;
    }
    int failures = 0;
    for (const std::u16string& path : paths) {
        std::set<std::u16string> measured;
        bool twice = false;
        int calls = 0;
        const auto width = [&](const std::u16string& text) {
            if (!measured.insert(text).second) twice = true;
            if (++calls > 20) throw std::runtime_error("no end");
            return 1000;
        };
        std::u16string result;
        try {
            result = FitPathToWidth(path, 0, width);
        } catch (const std::runtime_error&) {
            twice = true;
        }
        const bool tail = result.size() <= path.size() &&
                          path.compare(path.size() - result.size(), result.size(), result) == 0;
        if ((twice || !tail) && ++failures <= 10)
            ADD_FAILURE() << "path of " << path.size() << " units gave " << result.size();
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
