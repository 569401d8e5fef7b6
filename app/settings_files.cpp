#include "app/settings_files.h"

#include "toolkit/utf8.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Whether the settings file gives the value back as it was written: its rules drop
// blanks at either end and one pair of quotes around it.
bool KeptAsWritten(const std::string& value) {
    if (value.empty()) return true;
    if (IsBlank(value.front()) || IsBlank(value.back())) return false;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return !quoted && value.find_first_of("\r\n") == std::string::npos;
}

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

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> PercentDecoded(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high < 0 ? -1 : HexValue(text[i + 2]);
        if (low < 0) return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return bytes;
}

} // namespace

std::u16string SettingsDirIn(const std::u16string& appDataFolder) {
    std::u16string dir = appDataFolder;
    if (dir.empty() || dir.back() != u'\\') dir += u'\\';
    return dir + u"Brenvolt\\Tavrix";
}

std::u16string ListFileName(const std::u16string& settingsDir) {
    return settingsDir + u"\\extentions.lst";
}

std::u16string TempListFileName(const std::u16string& settingsDir) {
    return ListFileName(settingsDir) + u".tmp";
}

std::u16string SettingsFileName(const std::u16string& settingsDir) {
    return settingsDir + u"\\tavrix.ini";
}

SavedFolder SaveFolder(const std::u16string& folder, const CodePage& codePage) {
    SavedFolder saved;
    std::string bytes;
    if (codePage.FromUtf16(folder.data(), folder.size(), bytes) == folder.size() &&
        KeptAsWritten(bytes))
        saved.folder = std::move(bytes);
    else
        saved.utf8 = PercentEncoded(Utf8Of(folder));
    return saved;
}

std::u16string LoadFolder(const std::string& folder, const std::optional<std::string>& utf8,
                          const CodePage& codePage) {
    std::u16string text;
    if (!folder.empty()) {
        // Bytes that are not Shift_JIS text name no folder: nothing rather than a guess.
        if (!codePage.ToUtf16(folder.data(), folder.size(), text)) text.clear();
        return text;
    }
    if (!utf8) return text;
    const std::optional<std::string> bytes = PercentDecoded(*utf8);
    if (!bytes) return text;
    return FromUtf8(*bytes).value_or(std::u16string());
}
