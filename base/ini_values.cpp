#include "base/ini_values.h"

#include <cstdint>

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

namespace {

// The 32-bit magnitude of the digits from pos to the end, or false when they
// are missing, not all digits, or too large.
bool ReadMagnitude(const std::string& text, std::size_t pos, bool hex, std::uint64_t limit,
                   std::uint64_t& value) {
    if (pos == text.size()) return false;
    unsigned base = hex ? 16 : 10;
    value = 0;
    for (; pos < text.size(); ++pos) {
        int digit = HexDigit(text[pos]);
        if (digit < 0 || static_cast<unsigned>(digit) >= base) return false;
        value = value * base + static_cast<unsigned>(digit);
        if (value > limit) return false;
    }
    return true;
}

} // namespace

int IniTextToInt(const std::string& text, int defaultValue) {
    std::string s = text;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.replace(0, 2, "$");

    std::size_t pos = 0;
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    bool hex = pos < s.size() && s[pos] == '$';
    if (hex) ++pos;

    // Hex names a bit pattern, so any 32-bit value; decimal stops at the int range.
    std::uint64_t limit = hex ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
    std::uint64_t magnitude = 0;
    if (!ReadMagnitude(s, pos, hex, limit, magnitude)) return defaultValue;

    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    // Two's complement reading of the pattern without relying on the narrowing.
    return bits <= 0x7FFFFFFFu ? static_cast<int>(bits) : -static_cast<int>(~bits) - 1;
}

bool IniTextToBool(const std::string& text, bool defaultValue) {
    return IniTextToInt(text, defaultValue ? 1 : 0) != 0;
}

std::string IniIntToText(int value) { return std::to_string(value); }

std::string IniBoolToText(bool value) { return value ? "1" : "0"; }
