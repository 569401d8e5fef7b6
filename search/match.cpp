#include "search/match.h"

namespace {

// A "*" compares only what comes before it, byte for byte.
bool PassesStarTest(const std::string& pattern, std::size_t star, const std::string& extension) {
    return extension.size() >= star && extension.compare(0, star, pattern, 0, star) == 0;
}

// Deleting each "?" of the pattern, and the extension's byte at the same
// position while there is one, then comparing what is left, comes down to
// this without the copies: the extension is no longer than the pattern, each
// of its bytes meets a "?" or itself, and only "?"s follow its end.
bool PassesQuestionTest(const std::string& pattern, const std::string& extension) {
    if (extension.size() > pattern.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '?') continue;
        if (i >= extension.size() || pattern[i] != extension[i]) return false;
    }
    return true;
}

} // namespace

std::string ExtensionOf(const std::string& name, const CodePage& codePage) {
    std::size_t dot = std::string::npos;
    std::size_t i = 0;
    while (i < name.size()) {
        if (codePage.IsLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size()) {
            i += 2;
        } else {
            if (name[i] == '.') dot = i;
            ++i;
        }
    }
    if (dot == std::string::npos) return std::string();
    std::string extension = name.substr(dot);
    codePage.Lower(&extension[0], extension.size());
    return extension;
}

bool MatchesPatterns(const std::string& name, const PatternList& patterns,
                     const CodePage& codePage) {
    const std::string extension = ExtensionOf(name, codePage);
    // A blank line of the list file gives an empty item, which must not select
    // every file without extension.
    if (!extension.empty() && patterns.FindExact(extension) >= 0) return true;
    const int count = patterns.Count();
    for (int index = 0; index < count; ++index) {
        const std::string pattern = patterns.Item(index);
        const std::size_t star = pattern.find('*');
        if (star != std::string::npos && PassesStarTest(pattern, star, extension)) return true;
        if (pattern.find('?') != std::string::npos && PassesQuestionTest(pattern, extension))
            return true;
    }
    return false;
}
