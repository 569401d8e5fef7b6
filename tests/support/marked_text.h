// Settings files as Notepad saves them: behind a byte-order mark, in UTF-8 or in
// UTF-16 of either byte order.
#pragma once
#include <string>
#include <string_view>

inline const std::string kUtf8Mark = "\xEF\xBB\xBF";

inline std::string Utf16File(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
