#include "platform/shift_jis.h"

#include "base/utf16.h"

#include <windows.h>

namespace {

constexpr UINT kShiftJis = 932;

bool IsLead(unsigned char byte) { return IsDBCSLeadByteEx(kShiftJis, byte) != FALSE; }

// A double-byte character lowered as Unicode lowers it (full-width, Greek and
// Cyrillic letters), kept only when the result has a two-byte form of its own.
void LowerDoubleByte(char* character) {
    wchar_t wide = 0;
    if (MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, character, 2, &wide, 1) != 1) return;
    const wchar_t original = wide;
    CharLowerBuffW(&wide, 1);
    if (wide == original) return;
    char lowered[2];
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, &wide, 1, lowered, 2, nullptr,
                            &usedDefault) == 2 &&
        !usedDefault) {
        character[0] = lowered[0];
        character[1] = lowered[1];
    }
}

void Lower(char* text, std::size_t length) {
    LowerByCharacter(text, length, IsLead, LowerDoubleByte);
}

// Appends the bytes of `text` when every character has an exact form: no best-fit
// look-alike (£ is not ￡) and no default character, so the bytes read back as the
// very same text.
bool AppendExact(const char16_t* text, int length, std::string& bytes) {
    const std::size_t start = bytes.size();
    // A character takes at most two bytes.
    bytes.resize(start + 2 * static_cast<std::size_t>(length));
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, AsWide(text), length,
                                         &bytes[start], 2 * length, nullptr, &usedDefault);
    bool exact = size > 0 && !usedDefault;
    if (exact) {
        std::u16string back(static_cast<std::size_t>(length), u'\0');
        exact = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, &bytes[start], size,
                                    AsWide(&back[0]), length) == length &&
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

bool ToUtf16(const char* bytes, std::size_t length, std::u16string& text) {
    if (length == 0) {
        text.clear();
        return true;
    }
    const int size = static_cast<int>(length);
    const int units = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes, size, nullptr, 0);
    if (units <= 0) return false;
    std::u16string wide(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes, size, AsWide(&wide[0]), units);
    text.swap(wide);
    return true;
}

const CodePage kShiftJisPage{IsLead, Lower, FromUtf16, ToUtf16};

} // namespace

const CodePage& ShiftJis() { return kShiftJisPage; }

std::u16string SjisToUtf16(std::string_view text) {
    if (text.empty()) return std::u16string();
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(kShiftJis, 0, text.data(), length, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(size), u'\0');
    MultiByteToWideChar(kShiftJis, 0, text.data(), length, AsWide(&wide[0]), size);
    return wide;
}

std::string Utf16ToSjis(std::u16string_view text) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(kShiftJis, 0, AsWide(text.data()), length, nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kShiftJis, 0, AsWide(text.data()), length, &bytes[0], size, nullptr,
                        nullptr);
    return bytes;
}

std::optional<std::string> ExactSjis(std::u16string_view text) {
    std::string bytes;
    if (FromUtf16(text.data(), text.size(), bytes) != text.size()) return std::nullopt;
    return bytes;
}
