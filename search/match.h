// Whether a file name's extension matches the kept pattern list.
#pragma once
#include <string>
#include <string_view>

#include "base/code_page.h"

// The pattern list as the matcher reads it, afresh at every call.
class PatternList {
public:
    virtual ~PatternList() = default;
    virtual int Count() const = 0;
    // The item at index, 0 <= index < Count(), in list order.
    virtual std::string Item(int index) const = 0;
};

// A name's extension as the patterns see it: from its last "." to its end, in the
// code page's bytes, lower-cased; empty without a ".". A character with no byte
// form (é, 한, an emoji) cannot be compared byte for byte: `whole` is then false and
// `bytes` holds only what comes before the first such character.
struct Extension {
    std::string bytes;
    bool whole = true;
};
Extension ExtensionOf(std::u16string_view name, const CodePage& codePage);

// True when the extension passes one of the patterns: equal to an item lower-cased
// as the extension is (letter case alone is ignored: full and half width, hiragana
// and katakana stay apart on every system), or an item's "*" or "?" test. An extension that is not
// whole passes only a
// "*" test decided by its leading bytes: a pattern never selects more than its
// bytes say, and "?" stands for one byte, never for a character without one.
bool MatchesPatterns(const Extension& extension, const PatternList& patterns,
                     const CodePage& codePage);

// The bare file name's extension against the patterns; the rest of the name plays
// no part, whatever characters it holds.
bool MatchesPatterns(std::u16string_view name, const PatternList& patterns,
                     const CodePage& codePage);
