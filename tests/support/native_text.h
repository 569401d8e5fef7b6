// Text for the native tests of the window-free rules: code page 932 as the
// platform reports it, and conversions into the UTF-16 of file names.
#pragma once
#include "base/code_page.h"
#include "base/utf8.h"

#include <string>
#include <string_view>
#include <vector>

// Lead bytes 0x81-0x9F and 0xE0-0xFC; lower-cases as Unicode does, ASCII and every
// double-byte letter whose small form has two bytes too, never a trail byte; converts
// with the system's Windows-31J table, exactly or not at all. It agrees with the
// platform's code page on support/code_page_cases.h.
extern const CodePage kCp932;

// Shift_JIS bytes as UTF-16 (the test cases are written in bytes).
std::u16string Cp932ToUtf16(std::string_view bytes);
// The parts of fuzz input read as UTF-16LE units, split at each NUL unit.
std::vector<std::u16string> Utf16Parts(const unsigned char* data, std::size_t size);

// UTF-8 (the native sources' own literals) as UTF-16, and back.
inline std::u16string Utf8ToUtf16(std::string_view text) { return FromUtf8(text).value(); }
inline std::string Utf16ToUtf8(std::u16string_view text) { return Utf8Of(text); }
