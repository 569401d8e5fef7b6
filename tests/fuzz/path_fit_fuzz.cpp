// Path shortening over arbitrary UTF-16, lone halves of surrogate pairs
// included: it ends, keeps the name, fits unless only the name is left, and
// never starts what it keeps inside a surrogate pair.
//
// Input: two bytes of maximum width, one byte choosing the widths of the
// units, then the path as UTF-16LE.
#include "search/path_fit.h"

#include "support/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Text = std::u16string;

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// starts[i]: a character begins at unit i (a half of a surrogate pair without
// the other stands alone); starts[size] is true.
std::vector<bool> CharacterStarts(const Text& text) {
    std::vector<bool> starts(text.size() + 1, false);
    std::size_t i = 0;
    while (i < text.size()) {
        starts[i] = true;
        i += IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]) ? 2 : 1;
    }
    starts[text.size()] = true;
    return starts;
}

bool IsDelimiterAt(const Text& text, const std::vector<bool>& starts, std::size_t i,
                   const char16_t* delimiters) {
    return starts[i] && Text(delimiters).find(text[i]) != Text::npos;
}

Text LastName(const Text& path, const std::vector<bool>& starts) {
    std::size_t split = 0;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (IsDelimiterAt(path, starts, i, u"\\:")) split = i + 1;
    return path.substr(split);
}

bool StartsWith(const Text& text, const Text& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Where the rest of text after prefix begins in source, when that rest is how
// source ends and begins at one of its characters; npos otherwise.
std::size_t TailStart(const Text& text, const Text& prefix, const Text& source,
                      const std::vector<bool>& starts) {
    if (!StartsWith(text, prefix) || text.size() - prefix.size() > source.size()) return Text::npos;
    const std::size_t at = source.size() - (text.size() - prefix.size());
    if (source.compare(at, Text::npos, text, prefix.size()) != 0 || !starts[at]) return Text::npos;
    return at;
}

// The tail follows a whole-character "\" that a "...\" mark stands for.
bool FollowsDroppedFolder(const Text& prefix, const Text& source, const std::vector<bool>& starts,
                          std::size_t at) {
    const bool marked = prefix.size() >= 4 && prefix.compare(prefix.size() - 4, 4, u"...\\") == 0;
    return marked && at > 0 && IsDelimiterAt(source, starts, at - 1, u"\\");
}

// The whole path, or an optional drive, an optional "\", an optional "...\"
// and the end of the path as above; a "\" kept in front must have been there.
bool SuffixShaped(const Text& result, const Text& path, const std::vector<bool>& starts,
                  const Text& name) {
    if (result == path) return true;
    std::vector<Text> drives = {u""};
    if (path.size() >= 2 && path[1] == u':') drives.push_back(path.substr(0, 2));
    for (const Text& drive : drives) {
        const bool rooted = path.size() > drive.size() && path[drive.size()] == u'\\';
        for (const char16_t* mark : {u"", u"\\", u"...\\", u"\\...\\"}) {
            if (mark[0] == u'\\' && !rooted) continue;
            const Text prefix = drive + mark;
            const std::size_t at = TailStart(result, prefix, path, starts);
            if (at == Text::npos) continue;
            // The name alone may follow anything; a longer tail only a mark.
            if (at == path.size() - name.size() || FollowsDroppedFolder(prefix, path, starts, at))
                return true;
        }
    }
    return false;
}

struct Widths {
    int perByte[256];
    int Measure(const Text& text) const {
        int width = 0;
        for (const char16_t c : text)
            width += perByte[c & 0xFF];
        return width;
    }
};

void CheckDropLeadingFolder(const Text& directory) {
    const std::vector<bool> starts = CharacterStarts(directory);
    const bool rooted = !directory.empty() && directory[0] == u'\\';
    Text step = directory;
    // Every step drops at least one "\" of the original, so this many steps
    // always reach the empty text.
    std::size_t steps = 0;
    while (!step.empty()) {
        Check(++steps <= directory.size() + 3);
        step = DropLeadingFolder(step);
    }

    const Text once = DropLeadingFolder(directory);
    if (once.empty()) return;
    Check(rooted == (once[0] == u'\\'));
    if (once == u"\\") return;
    const Text mark = rooted ? u"\\...\\" : u"...\\";
    const std::size_t at = TailStart(once, mark, directory, starts);
    Check(at != Text::npos && FollowsDroppedFolder(mark, directory, starts, at));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int maxWidth = (data[0] << 8 | data[1]) % 2048;
    Widths widths;
    for (int byte = 0; byte < 256; ++byte)
        widths.perByte[byte] = 1 + (byte * (data[2] | 1)) % 13;
    Text path((size - 3) / 2, u'\0');
    for (std::size_t i = 0; i < path.size(); ++i)
        path[i] = static_cast<char16_t>(data[3 + 2 * i] | data[4 + 2 * i] << 8);

    const std::vector<bool> starts = CharacterStarts(path);
    const Text name = LastName(path, starts);

    std::size_t measured = 0;
    const Text result = FitPathToWidth(path, maxWidth, [&](const Text& text) {
        // Each measurement follows a step that drops something.
        Check(++measured <= path.size() + 3);
        return widths.Measure(text);
    });

    Check(result.size() >= name.size() &&
          result.compare(result.size() - name.size(), name.size(), name) == 0);
    Check(result == name || widths.Measure(result) <= maxWidth);
    if (widths.Measure(path) <= maxWidth) Check(result == path);
    Check(SuffixShaped(result, path, starts, name));

    CheckDropLeadingFolder(path);
    return 0;
}
