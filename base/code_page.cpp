#include "base/code_page.h"

void LowerByCharacter(char* text, std::size_t length, bool (*isLeadByte)(unsigned char byte),
                      void (*lowerDoubleByte)(char* character)) {
    for (std::size_t i = 0; i < length;) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (isLeadByte(byte) && i + 1 < length) {
            lowerDoubleByte(text + i);
            i += 2;
        } else {
            if (byte >= 'A' && byte <= 'Z') text[i] = static_cast<char>(byte - 'A' + 'a');
            ++i;
        }
    }
}

std::u16string Words(std::string_view bytes, const CodePage& codePage) {
    std::u16string text;
    codePage.ToUtf16(bytes.data(), bytes.size(), text);
    return text;
}
