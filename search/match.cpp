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

Extension ExtensionOf(std::u16string_view name, const CodePage& codePage) {
    // In UTF-16 a "." is always a character of its own.
    const std::size_t dot = name.rfind(u'.');
    Extension extension;
    if (dot == std::u16string_view::npos) return extension;
    const std::u16string_view text = name.substr(dot);
    const std::size_t converted = codePage.FromUtf16(text.data(), text.size(), extension.bytes);
    extension.whole = converted == text.size();
    if (!extension.bytes.empty()) codePage.Lower(&extension.bytes[0], extension.bytes.size());
    return extension;
}

bool MatchesPatterns(const Extension& extension, const PatternList& patterns,
                     const CodePage& codePage) {
    const std::string& bytes = extension.bytes;
    const int count = patterns.Count();
    for (int index = 0; index < count; ++index) {
        std::string pattern = patterns.Item(index);
        const std::size_t star = pattern.find('*');
        // Leading bytes of a partial extension are exact: a star test that ends
        // within them decides as it would for the whole.
        if (star != std::string::npos && PassesStarTest(pattern, star, bytes)) return true;
        if (extension.whole && pattern.find('?') != std::string::npos &&
            PassesQuestionTest(pattern, bytes))
            return true;
        // The whole-item test, last since it lowers the item in place: lowered as the
        // extension was, then byte for byte. The system's own case-insensitive search
        // would also take ".ｔｍｐ" for ".tmp" on Windows, and not under Wine. A blank
        // line of the list file gives an empty item, which must not select every file
        // without extension.
        if (extension.whole && !bytes.empty() && pattern.size() == bytes.size()) {
            codePage.Lower(&pattern[0], pattern.size());
            if (pattern == bytes) return true;
        }
    }
    return false;
}

bool MatchesPatterns(std::u16string_view name, const PatternList& patterns,
                     const CodePage& codePage) {
    return MatchesPatterns(ExtensionOf(name, codePage), patterns, codePage);
}
