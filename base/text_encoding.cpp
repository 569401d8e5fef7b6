#include "base/text_encoding.h"

#include "base/text_lines.h"
#include "base/utf8.h"

namespace {

std::string Utf16AsUtf8(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[i]);
        const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    std::string text = Utf8Of(units);
    if (bytes.size() % 2 != 0) text += '\xFF';
    return text;
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

bool NoLeadBytes(unsigned char) { return false; }

void LowerAscii(char* text, std::size_t length) {
    LowerByCharacter(text, length, NoLeadBytes, nullptr);
}

std::size_t AppendUtf8(const char16_t* text, std::size_t length, std::string& bytes) {
    bytes += Utf8Of(std::u16string_view(text, length));
    return length;
}

bool Utf8ToUtf16(const char* bytes, std::size_t length, std::u16string& text) {
    std::optional<std::u16string> decoded = FromUtf8(std::string_view(bytes, length));
    if (!decoded) return false;
    text.swap(*decoded);
    return true;
}

const CodePage kUtf8Text{NoLeadBytes, LowerAscii, AppendUtf8, Utf8ToUtf16};

} // namespace

FileText DecodeFileText(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return {TextEncoding::Utf8, std::string(bytes.substr(3))};
    if (StartsWith(bytes, "\xFF\xFE"))
        return {TextEncoding::Utf16Le, Utf16AsUtf8(bytes.substr(2), false)};
    if (StartsWith(bytes, "\xFE\xFF"))
        return {TextEncoding::Utf16Be, Utf16AsUtf8(bytes.substr(2), true)};
    return {TextEncoding::ShiftJis, std::string(bytes)};
}

const CodePage& Utf8Text() { return kUtf8Text; }

std::optional<std::string> ShiftJisLine(std::string_view utf8, const CodePage& shiftJis) {
    const std::optional<std::u16string> text = FromUtf8(utf8);
    if (!text || text->find(u'\0') != std::u16string::npos) return std::nullopt;
    std::string bytes;
    if (shiftJis.FromUtf16(text->data(), text->size(), bytes) != text->size()) return std::nullopt;
    return bytes;
}

std::optional<std::string> ShiftJisLines(std::string_view utf8, const CodePage& shiftJis) {
    std::string text;
    for (const std::string_view line : TextLines(utf8)) {
        const std::optional<std::string> bytes = ShiftJisLine(line, shiftJis);
        if (!bytes) return std::nullopt;
        text += *bytes + "\r\n";
    }
    return text;
}
