// The process's ANSI code page (932 on the systems the tool is made for), and the
// conversions between its text and the UTF-16 of file names.
#pragma once
#include "toolkit/code_page.h"

#include <string>
#include <string_view>

const CodePage& AnsiCodePage();

// ANSI text as UTF-16; every ANSI text has one.
std::u16string AnsiToUtf16(std::string_view text);
// UTF-16 as ANSI text, a character without a byte form as the default character:
// for messages and tests, never for naming a file.
std::string Utf16ToAnsi(std::u16string_view text);
// UTF-16 as UTF-8, for output that leaves the program.
std::string Utf16ToUtf8(std::u16string_view text);

// The system's wide strings are UTF-16 too.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t");
inline const wchar_t* AsWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline const char16_t* AsUtf16(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}
