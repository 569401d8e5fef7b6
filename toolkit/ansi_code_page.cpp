#include "toolkit/ansi_code_page.h"

#include "toolkit/utf16.h"

#include <windows.h>

namespace {

bool IsLead(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

void Lower(char* text, std::size_t length) {
    if (length > 0) CharLowerBuffA(text, static_cast<DWORD>(length));
}

// Appends the bytes of `text` when every character has an exact form: no best-fit
// look-alike (£ is not ￡) and no default character, so the bytes read back as the
// very same text.
bool AppendExact(const char16_t* text, int length, std::string& bytes) {
    const std::size_t start = bytes.size();
    // A character takes at most two bytes.
    bytes.resize(start + 2 * static_cast<std::size_t>(length));
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, AsWide(text), length,
                                         &bytes[start], 2 * length, nullptr, &usedDefault);
    bool exact = size > 0 && !usedDefault;
    if (exact) {
        std::u16string back(static_cast<std::size_t>(length), u'\0');
        exact = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &bytes[start], size,
                                    reinterpret_cast<wchar_t*>(&back[0]), length) == length &&
                back.compare(0, back.size(), text, static_cast<std::size_t>(length)) == 0;
    }
    bytes.resize(exact ? start + static_cast<std::size_t>(size) : start);
    return exact;
}

std::size_t FromUtf16(const char16_t* text, std::size_t length, std::string& bytes) {
    if (length == 0 || AppendExact(text, static_cast<int>(length), bytes)) return length;
    // Character by character: the run ends at the first one without an exact form.
    std::size_t done = 0;
    while (done < length) {
        const std::size_t units = CharUnits(text, done, length);
        if (!AppendExact(text + done, static_cast<int>(units), bytes)) break;
        done += units;
    }
    return done;
}

const CodePage kAnsi{IsLead, Lower, FromUtf16};

} // namespace

const CodePage& AnsiCodePage() { return kAnsi; }

std::u16string AnsiToUtf16(std::string_view text) {
    if (text.empty()) return std::u16string();
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(size), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, reinterpret_cast<wchar_t*>(&wide[0]), size);
    return wide;
}

namespace {

std::string FromUtf16In(UINT codePage, std::u16string_view text) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(codePage, 0, AsWide(text.data()), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, AsWide(text.data()), length, &bytes[0], size, nullptr,
                        nullptr);
    return bytes;
}

} // namespace

std::string Utf16ToAnsi(std::u16string_view text) { return FromUtf16In(CP_ACP, text); }

std::string Utf16ToUtf8(std::u16string_view text) { return FromUtf16In(CP_UTF8, text); }
