#include "app/settings_text.h"

#include "base/ini_text.h"
#include "base/ini_values.h"
#include "base/text_lines.h"
#include "base/utf8.h"

namespace {

bool Escaped(unsigned char byte) {
    return byte <= ' ' || byte >= 0x7F || byte == '%' || byte == '"' || byte == '\'';
}

std::string PercentEncoded(const std::string& bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (!Escaped(byte)) {
            text += c;
            continue;
        }
        text += '%';
        text += kHex[byte >> 4];
        text += kHex[byte & 0xF];
    }
    return text;
}

std::optional<std::string> PercentDecoded(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = high < 0 ? -1 : HexDigit(text[i + 2]);
        if (low < 0) return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return bytes;
}

// A NUL ends the text wherever the folder goes next (the box, the system's calls):
// what is left would name the folder's parent.
std::optional<std::u16string> Whole(std::optional<std::u16string> text) {
    if (text && text->find(u'\0') != std::u16string::npos) return std::nullopt;
    return text;
}

} // namespace

std::vector<std::string> ParseListFile(std::string_view bytes) {
    const std::vector<std::string_view> lines = TextLines(bytes.substr(0, bytes.find('\0')));
    return std::vector<std::string>(lines.begin(), lines.end());
}

std::string FormatListFile(const std::vector<std::string>& items) {
    std::size_t size = 0;
    for (const std::string& item : items)
        size += item.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& item : items) {
        text += item;
        text += "\r\n";
    }
    return text;
}

SavedFolder SaveFolder(const std::u16string& folder, const CodePage& codePage) {
    SavedFolder saved;
    std::string bytes;
    if (codePage.FromUtf16(folder.data(), folder.size(), bytes) == folder.size() &&
        IniKeepsValue(bytes))
        saved.folder = std::move(bytes);
    else
        saved.utf8 = PercentEncoded(Utf8Of(folder));
    return saved;
}

std::optional<std::u16string> LoadFolder(const std::string& folder,
                                         const std::optional<std::string>& utf8,
                                         const CodePage& codePage) {
    std::u16string text;
    if (!folder.empty()) {
        if (!codePage.ToUtf16(folder.data(), folder.size(), text)) return std::nullopt;
        return Whole(text);
    }
    if (!utf8) return text;
    const std::optional<std::string> bytes = PercentDecoded(*utf8);
    if (!bytes) return std::nullopt;
    return Whole(FromUtf8(*bytes));
}
