#include "base/failure_text.h"

namespace {

// Length of the character at pos; a lead byte cut off by the end counts alone.
std::size_t CharLength(const std::string& text, std::size_t pos, const CodePage& codePage) {
    bool lead = codePage.IsLeadByte(static_cast<unsigned char>(text[pos]));
    return lead && pos + 1 < text.size() ? 2 : 1;
}

} // namespace

std::string ApplicationTitle(const std::string& exeFileName, const CodePage& codePage) {
    // Walk whole characters: a trail byte 0x5C is no separator.
    std::size_t nameStart = 0;
    for (std::size_t pos = 0; pos < exeFileName.size();) {
        char c = exeFileName[pos];
        pos += CharLength(exeFileName, pos, codePage);
        if (c == '\\' || c == '/') nameStart = pos;
    }
    std::size_t nameEnd = nameStart;
    while (nameEnd < exeFileName.size() && exeFileName[nameEnd] != '.')
        nameEnd += CharLength(exeFileName, nameEnd, codePage);

    std::string title = exeFileName.substr(nameStart, nameEnd - nameStart);
    if (!title.empty()) {
        std::size_t first = CharLength(title, 0, codePage);
        codePage.Lower(&title[0] + first, title.size() - first);
    }
    return title;
}

std::u16string FailureBoxText(const std::u16string& message) {
    // In UTF-16 the last unit decides: a surrogate or any character beyond ASCII is above '.'.
    if (!message.empty() && message.back() > u'.') return message + u".";
    return message;
}
