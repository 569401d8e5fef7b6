#include "support/native_text.h"

#include "base/utf16.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <cerrno>

#include <stdexcept>

namespace {

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// One iconv conversion, kept open; each use starts from its initial state.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts from `in` while it can; false when it stopped before the end.
    bool Convert(const char* in, std::size_t inBytes, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* source = const_cast<char*>(in);
        std::size_t left = inBytes;
        while (left > 0) {
            char buffer[64];
            char* target = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t done = iconv(cd_, &source, &left, &target, &room);
            out.append(buffer, static_cast<std::size_t>(target - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

std::size_t FromUtf16(const char16_t* text, std::size_t length, std::string& bytes) {
    // Character by character, so the run ends exactly at the first character
    // without a byte form. The table also knows best-fit look-alikes (£ as ￡),
    // which must not count: only a character that reads back as itself does.
    static Converter to("WINDOWS-31J", "UTF-16LE");
    static Converter back("UTF-16LE", "WINDOWS-31J");
    std::size_t done = 0;
    while (done < length) {
        const std::size_t units = CharUnits(text, done, length);
        const char* character = reinterpret_cast<const char*>(text + done);
        std::string one, again;
        if (!to.Convert(character, units * 2, one) ||
            !back.Convert(one.data(), one.size(), again) ||
            again != std::string(character, units * 2))
            break;
        bytes += one;
        done += units;
    }
    return done;
}

// The UTF-16LE bytes as units.
std::u16string Units(const std::string& utf16) {
    std::u16string text(utf16.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i]) |
                                        static_cast<unsigned char>(utf16[2 * i + 1]) << 8);
    return text;
}

bool ToUtf16(const char* bytes, std::size_t length, std::u16string& text) {
    static Converter from("UTF-16LE", "WINDOWS-31J");
    std::string utf16;
    if (!from.Convert(bytes, length, utf16)) return false;
    text = Units(utf16);
    return true;
}

// A double-byte character lowered as Unicode lowers it (full-width, Greek and Cyrillic
// letters, Roman numerals), kept only when the result has a two-byte form of its own:
// as the platform lowers code page 932.
void LowerDoubleByte(char* character) {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    if (!unicode) throw std::runtime_error("newlocale C.UTF-8");
    std::u16string text;
    if (!ToUtf16(character, 2, text) || text.size() != 1) return;
    const char16_t lowered = static_cast<char16_t>(towlower_l(text[0], unicode));
    std::string bytes;
    if (lowered == text[0] || FromUtf16(&lowered, 1, bytes) != 1 || bytes.size() != 2) return;
    character[0] = bytes[0];
    character[1] = bytes[1];
}

void Lower(char* text, std::size_t length) {
    LowerByCharacter(text, length, IsLeadByte, LowerDoubleByte);
}

} // namespace

const CodePage kCp932 = {IsLeadByte, Lower, FromUtf16, ToUtf16};

std::u16string Cp932ToUtf16(std::string_view bytes) {
    std::u16string text;
    if (!ToUtf16(bytes.data(), bytes.size(), text))
        throw std::invalid_argument("no Shift_JIS text");
    return text;
}

std::vector<std::u16string> Utf16Parts(const unsigned char* data, std::size_t size) {
    std::vector<std::u16string> parts(1);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        if (unit == u'\0')
            parts.emplace_back();
        else
            parts.back() += unit;
    }
    return parts;
}
