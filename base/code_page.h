// The code-page services the window-free rules need, passed in so the same rules
// run on the platform's code page 932 and on a native stand-in in tests.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

struct CodePage {
    // True when the byte starts a double-byte character.
    bool (*IsLeadByte)(unsigned char byte);
    // Lower-cases the bytes in place, keeping the length.
    void (*Lower)(char* text, std::size_t length);
    // Appends the bytes of the longest leading run of whole characters of `text`
    // that have an exact byte form (no look-alike, no default character), and
    // returns how many UTF-16 units that run holds.
    std::size_t (*FromUtf16)(const char16_t* text, std::size_t length, std::string& bytes);
    // The bytes as UTF-16; false, and `text` untouched, when they are not valid text.
    bool (*ToUtf16)(const char* bytes, std::size_t length, std::u16string& text);
};

// The program's own words, in the code page's bytes in the source, as UTF-16; empty
// where they are not valid text there.
std::u16string Words(std::string_view bytes, const CodePage& codePage);

// A double-byte code page's lower-casing, character by character, so that the length
// stays and no trail byte is ever taken for a letter: an ASCII letter lowered here, a
// double-byte character by `lowerDoubleByte`.
void LowerByCharacter(char* text, std::size_t length, bool (*isLeadByte)(unsigned char byte),
                      void (*lowerDoubleByte)(char* character));
