// Whether a file name's extension matches the kept pattern list.
#pragma once
#include <string>

#include "toolkit/code_page.h"

// The pattern list as the matcher reads it, afresh at every call.
class PatternList {
public:
    virtual ~PatternList() = default;
    virtual int Count() const = 0;
    // The item at index, 0 <= index < Count(), in list order.
    virtual std::string Item(int index) const = 0;
    // First item equal to text ignoring letter case, or -1 (the list's own
    // whole-item search).
    virtual int FindExact(const std::string& text) const = 0;
};

// The name from its last "." to its end, lower-cased; empty without a ".".
std::string ExtensionOf(const std::string& name, const CodePage& codePage);

// True when the extension of the bare file name passes one of the patterns:
// equal to an item ignoring case, or an item's "*" or "?" test.
bool MatchesPatterns(const std::string& name, const PatternList& patterns,
                     const CodePage& codePage);
