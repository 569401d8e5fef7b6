// Stored INI text to numbers and truth values over arbitrary bytes, checked
// against the C library's conversions and against what a reader may rely on.
#include "base/ini_values.h"

#include "support/fuzz_check.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

bool IsDigitOf(char c, bool hex) {
    if (c >= '0' && c <= '9') return true;
    return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// The value the text stands for, worked out with strtoull on the digits
// alone, or nothing when the text is no number.
std::optional<int> Expected(std::string text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = "$" + text.substr(2);
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string::npos) return std::nullopt;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
    const bool hex = pos < text.size() && text[pos] == '$';
    if (hex) ++pos;
    const std::string digits = text.substr(pos);
    if (digits.empty()) return std::nullopt;
    for (const char c : digits)
        if (!IsDigitOf(c, hex)) return std::nullopt;

    errno = 0;
    const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (errno == ERANGE) return std::nullopt;
    long long value;
    if (hex) {
        if (magnitude > 0xFFFFFFFFull) return std::nullopt;
        // A bit pattern: above INT_MAX it reads as negative.
        value = magnitude > 0x7FFFFFFFull ? static_cast<long long>(magnitude) - 0x100000000ll
                                          : static_cast<long long>(magnitude);
        if (negative) value = value == INT_MIN ? INT_MIN : -value;
    } else {
        if (magnitude > 0x80000000ull) return std::nullopt;
        value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
        if (value > INT_MAX) return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Two defaults tell a converted value from a fallback.
    constexpr int kFirst = 0x13572468;
    constexpr int kSecond = -0x2468ACE;
    const int first = IniTextToInt(text, kFirst);
    const int second = IniTextToInt(text, kSecond);
    const bool converted = first == second;
    Check(converted || (first == kFirst && second == kSecond));

    const std::optional<int> expected = Expected(text);
    Check(converted == expected.has_value());
    if (converted) {
        Check(first == *expected);
        // What a write stores reads back as the same number.
        Check(IniTextToInt(IniIntToText(first), kFirst) == first);
        // Anything after the digits is junk, whatever it is.
        for (const char junk : {' ', '\t', '\0', 'g', '.', '\x95', '\x5C'})
            Check(IniTextToInt(text + junk, kFirst) == kFirst);
        // A leading blank is allowed, except before the "0x" that is only
        // recognised at the very start.
        const bool zeroX = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
        if (!zeroX) Check(IniTextToInt(" \t" + text, kFirst) == first);
    }

    // Truth values: non-zero, with 1 or 0 when the text is no number.
    for (const bool fallback : {false, true}) {
        const bool truth = IniTextToBool(text, fallback);
        Check(truth == (converted ? first != 0 : fallback));
        Check(IniTextToBool(IniBoolToText(fallback), !fallback) == fallback);
    }

    // Any int, taken from the input, survives a write and a read.
    if (size >= sizeof(int)) {
        int value;
        std::memcpy(&value, data, sizeof value);
        const std::string written = IniIntToText(value);
        Check(IniTextToInt(written, value == kFirst ? kSecond : kFirst) == value);
        Check(IniTextToBool(written, value == 0) == (value != 0));
    }
    return 0;
}
