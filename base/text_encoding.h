// The text of a settings file as an editor may have saved it: Shift_JIS bytes as
// the program writes them, or UTF-8 or UTF-16 (either byte order) behind a
// byte-order mark, as Notepad writes them.
#pragma once
#include "base/code_page.h"

#include <optional>
#include <string>
#include <string_view>

enum class TextEncoding { ShiftJis, Utf8, Utf16Le, Utf16Be };

struct FileText {
    TextEncoding encoding = TextEncoding::ShiftJis;
    // Shift_JIS: the bytes as they are. Otherwise the text after the mark as UTF-8,
    // exact for every UTF-16 unit, a lone surrogate too; what is no text stays bytes
    // that no UTF-8 reader takes (an odd last byte of UTF-16 becomes 0xFF).
    std::string text;
};
FileText DecodeFileText(std::string_view bytes);

// UTF-8 for the text rules: no lead bytes (every byte of a character beyond ASCII
// is above 0x7F, so none is a delimiter), ASCII lower-casing, exact conversions.
const CodePage& Utf8Text();

// A line of UTF-8 text as Shift_JIS; nothing when it is no UTF-8, holds a NUL or a
// character without an exact Shift_JIS form.
std::optional<std::string> ShiftJisLine(std::string_view utf8, const CodePage& shiftJis);
// The whole text so, every line ended by CR LF; nothing when a line has no such form.
std::optional<std::string> ShiftJisLines(std::string_view utf8, const CodePage& shiftJis);
