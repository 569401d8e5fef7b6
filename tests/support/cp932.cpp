#include "support/cp932.h"

namespace {

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

void Lower(char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte) && i + 1 < length) {
            const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
            // Full-width Ａ-Ｚ (82 60-82 79) become ａ-ｚ (82 81-82 9A).
            if (byte == 0x82 && trail >= 0x60 && trail <= 0x79)
                text[i + 1] = static_cast<char>(trail + 0x21);
            i += 2;
        } else {
            if (byte >= 'A' && byte <= 'Z') text[i] = static_cast<char>(byte + ('a' - 'A'));
            ++i;
        }
    }
}

} // namespace

const CodePage kCp932 = {IsLeadByte, Lower};
