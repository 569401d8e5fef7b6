#include "app/typed_pattern.h"

std::optional<std::string> TypedPattern(std::u16string_view typed, const CodePage& codePage) {
    std::string bytes;
    if (codePage.FromUtf16(typed.data(), typed.size(), bytes) != typed.size()) return std::nullopt;
    if (bytes.empty() || bytes == ".") return std::string();
    // A "." that is the second byte of a character cannot be: trail bytes start at 0x40.
    if (bytes[0] != '.') bytes.insert(0, 1, '.');
    codePage.Lower(&bytes[0], bytes.size());
    return bytes;
}
