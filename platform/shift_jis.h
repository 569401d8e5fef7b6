// Code page 932, the program's own text: named explicitly in every conversion, so
// that text reads the same whatever code page the system runs with. Converts to
// and from the UTF-16 of windows and file names.
#pragma once
#include "base/code_page.h"

#include <optional>
#include <string>
#include <string_view>

const CodePage& ShiftJis();

// Shift_JIS text as UTF-16; an invalid byte reads as the default character.
std::u16string SjisToUtf16(std::string_view text);
// UTF-16 as Shift_JIS, a character without a byte form as a look-alike or the
// default character: for texts a person reads, never for naming a file.
std::string Utf16ToSjis(std::u16string_view text);
// The exact Shift_JIS form, or nothing when a character has none.
std::optional<std::string> ExactSjis(std::u16string_view text);

// The system's wide strings are UTF-16 too.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t");
inline const wchar_t* AsWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline wchar_t* AsWide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const char16_t* AsUtf16(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}
