// Characters of UTF-16 text, as file names hold them.
#pragma once
#include <cstddef>

// How many units the character at `at` takes: 2 for a high surrogate followed by a
// low one, 1 for anything else (a lone half of a pair is a character of its own).
inline std::size_t CharUnits(const char16_t* text, std::size_t at, std::size_t length) {
    const bool high = text[at] >= 0xD800 && text[at] <= 0xDBFF;
    const bool low = at + 1 < length && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
    return high && low ? 2 : 1;
}
