// Extension matching over arbitrary names and pattern lists, against the rules
// carried out literally: copies of the item and the extension from which every
// "?" and the byte at its position are deleted one at a time. Names are any
// UTF-16, lone surrogates and characters without a Shift_JIS form included.
//
// Input: one byte N, then the name as N UTF-16LE units; every further line is
// one item.
#include "search/match.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/fuzz_check.h"
#include "support/match_oracle.h"
#include "support/native_text.h"
#include "support/pattern_list.h"

namespace {

// The extension the rules see: from the last "." on, the bytes of its leading
// characters that have an exact Shift_JIS form, lower-cased; whole when all have.
Extension LiteralExtension(const std::u16string& name) {
    Extension extension;
    const std::size_t dot = name.rfind(u'.');
    if (dot == std::u16string::npos) return extension;
    const std::u16string text = name.substr(dot);
    std::size_t done = 0;
    while (done < text.size()) {
        const bool pair = text[done] >= 0xD800 && text[done] <= 0xDBFF && done + 1 < text.size() &&
                          text[done + 1] >= 0xDC00 && text[done + 1] <= 0xDFFF;
        const std::size_t units = pair ? 2 : 1;
        std::string bytes;
        if (kCp932.FromUtf16(text.data() + done, units, bytes) != units) break;
        // An exact form converts back to the very same character.
        Check(Cp932ToUtf16(bytes) == text.substr(done, units));
        extension.bytes += bytes;
        done += units;
    }
    extension.whole = done == text.size();
    extension.bytes = Lowered(extension.bytes);
    return extension;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t units = data[0];
    if (size < 1 + 2 * units) return 0;
    std::u16string name(units, u'\0');
    for (std::size_t i = 0; i < units; ++i)
        name[i] = static_cast<char16_t>(data[1 + 2 * i] | data[2 + 2 * i] << 8);
    // The rest, split at each line end; nothing left means no items.
    std::vector<std::string> items;
    if (size > 1 + 2 * units) items.emplace_back();
    for (std::size_t i = 1 + 2 * units; i < size; ++i) {
        if (data[i] == '\n')
            items.emplace_back();
        else
            items.back() += static_cast<char>(data[i]);
    }

    const Extension e = LiteralExtension(name);
    const Extension got = ExtensionOf(name, kCp932);
    Check(got.bytes == e.bytes && got.whole == e.whole);

    bool any = false;
    for (const std::string& item : items) {
        const bool passes = LiteralMatch(item, e);
        // Each item alone decides the same way, whatever else is in the list.
        Check(MatchesPatterns(name, VectorList({item}), kCp932) == passes);
        any = any || passes;
    }
    Check(MatchesPatterns(name, VectorList(items), kCp932) == any);
    return 0;
}
