// Path shortening over arbitrary Shift_JIS bytes, cut-off double-byte
// characters included: it ends, keeps the name, fits unless only the name is
// left, and never starts what it keeps inside a double-byte character.
//
// Input: two bytes of maximum width, one byte choosing the widths of the
// bytes, then the path.
#include "search/path_fit.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/cp932.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool IsLead(char c) { return kCp932.IsLeadByte(static_cast<unsigned char>(c)); }

// starts[i]: a character begins at byte i (a lead byte cut off at the end
// stands alone); starts[size] is true.
std::vector<bool> CharacterStarts(const std::string& text) {
    std::vector<bool> starts(text.size() + 1, false);
    std::size_t i = 0;
    while (i < text.size()) {
        starts[i] = true;
        i += IsLead(text[i]) && i + 1 < text.size() ? 2 : 1;
    }
    starts[text.size()] = true;
    return starts;
}

bool IsDelimiterAt(const std::string& text, const std::vector<bool>& starts, std::size_t i,
                   const char* delimiters) {
    return starts[i] && std::string(delimiters).find(text[i]) != std::string::npos;
}

std::string LastName(const std::string& path, const std::vector<bool>& starts) {
    std::size_t split = 0;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (IsDelimiterAt(path, starts, i, "\\:")) split = i + 1;
    return path.substr(split);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Where the rest of text after prefix begins in source, when that rest is how
// source ends and begins at one of its characters; npos otherwise.
std::size_t TailStart(const std::string& text, const std::string& prefix, const std::string& source,
                      const std::vector<bool>& starts) {
    if (!StartsWith(text, prefix) || text.size() - prefix.size() > source.size())
        return std::string::npos;
    const std::size_t at = source.size() - (text.size() - prefix.size());
    if (source.compare(at, std::string::npos, text, prefix.size()) != 0 || !starts[at])
        return std::string::npos;
    return at;
}

// The tail follows a whole-character "\" that a "...\" mark stands for.
bool FollowsDroppedFolder(const std::string& prefix, const std::string& source,
                          const std::vector<bool>& starts, std::size_t at) {
    const bool marked = prefix.size() >= 4 && prefix.compare(prefix.size() - 4, 4, "...\\") == 0;
    return marked && at > 0 && IsDelimiterAt(source, starts, at - 1, "\\");
}

// The whole path, or an optional drive, an optional "\", an optional "...\"
// and the end of the path as above; a "\" kept in front must have been there.
bool SuffixShaped(const std::string& result, const std::string& path,
                  const std::vector<bool>& starts, const std::string& name) {
    if (result == path) return true;
    std::vector<std::string> drives = {""};
    if (path.size() >= 2 && path[1] == ':') drives.push_back(path.substr(0, 2));
    for (const std::string& drive : drives) {
        const bool rooted = path.size() > drive.size() && path[drive.size()] == '\\';
        for (const char* mark : {"", "\\", "...\\", "\\...\\"}) {
            if (mark[0] == '\\' && !rooted) continue;
            const std::string prefix = drive + mark;
            const std::size_t at = TailStart(result, prefix, path, starts);
            if (at == std::string::npos) continue;
            // The name alone may follow anything; a longer tail only a mark.
            if (at == path.size() - name.size() || FollowsDroppedFolder(prefix, path, starts, at))
                return true;
        }
    }
    return false;
}

struct Widths {
    int perByte[256];
    int Measure(const std::string& text) const {
        int width = 0;
        for (const char c : text)
            width += perByte[static_cast<unsigned char>(c)];
        return width;
    }
};

void CheckDropLeadingFolder(const std::string& directory) {
    const std::vector<bool> starts = CharacterStarts(directory);
    const bool rooted = !directory.empty() && directory[0] == '\\';
    std::string step = directory;
    // Every step drops at least one "\" of the original, so this many steps
    // always reach the empty text.
    std::size_t steps = 0;
    while (!step.empty()) {
        Check(++steps <= directory.size() + 3);
        step = DropLeadingFolder(step, kCp932);
    }

    const std::string once = DropLeadingFolder(directory, kCp932);
    if (once.empty()) return;
    Check(rooted == (once[0] == '\\'));
    if (once == "\\") return;
    const std::string mark = rooted ? "\\...\\" : "...\\";
    const std::size_t at = TailStart(once, mark, directory, starts);
    Check(at != std::string::npos && FollowsDroppedFolder(mark, directory, starts, at));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int maxWidth = (data[0] << 8 | data[1]) % 2048;
    Widths widths;
    for (int byte = 0; byte < 256; ++byte)
        widths.perByte[byte] = 1 + (byte * (data[2] | 1)) % 13;
    const std::string path(reinterpret_cast<const char*>(data) + 3, size - 3);

    const std::vector<bool> starts = CharacterStarts(path);
    const std::string name = LastName(path, starts);

    std::size_t measured = 0;
    const std::string result = FitPathToWidth(
        path, maxWidth,
        [&](const std::string& text) {
            // Each measurement follows a step that drops something.
            Check(++measured <= path.size() + 3);
            return widths.Measure(text);
        },
        kCp932);

    Check(result.size() >= name.size() &&
          result.compare(result.size() - name.size(), name.size(), name) == 0);
    Check(result == name || widths.Measure(result) <= maxWidth);
    if (widths.Measure(path) <= maxWidth) Check(result == path);
    Check(SuffixShaped(result, path, starts, name));

    CheckDropLeadingFolder(path);
    return 0;
}
