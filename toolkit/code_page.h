// The two code-page services the window-free rules need, passed in so the same
// rules run on the platform's code page 932 and on a native stand-in in tests.
#pragma once
#include <cstddef>

struct CodePage {
    // True when the byte starts a double-byte character.
    bool (*IsLeadByte)(unsigned char byte);
    // Lower-cases the bytes in place, keeping the length.
    void (*Lower)(char* text, std::size_t length);
};
