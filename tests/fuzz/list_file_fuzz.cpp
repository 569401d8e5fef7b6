// The pattern list file over arbitrary bytes: what is read depends only on the
// bytes before the first NUL, splits exactly where a plain line reader would,
// and a saved list reads back as it was.
#include "app/settings_text.h"

#include "support/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Items = std::vector<std::string>;

// CR LF, a lone CR and a lone LF end a line, one byte at a time.
Items ReadLines(std::string_view text) {
    Items lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open) lines.push_back(line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Items items = ParseListFile(bytes);

    for (const std::string& item : items)
        Check(item.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);

    // The bytes before the first NUL in a buffer of exactly their size: any
    // read past them is an overflow that AddressSanitizer reports.
    const std::size_t nul = bytes.find('\0');
    const std::size_t kept = nul == std::string_view::npos ? size : nul;
    const std::unique_ptr<char[]> head(new char[kept]);
    if (kept != 0) std::memcpy(head.get(), data, kept);
    const std::string_view headView(head.get(), kept);
    Check(ParseListFile(headView) == items);
    Check(ReadLines(headView) == items);

    // Saving writes each item with CR LF and nothing else, and reads back whole.
    const std::string saved = FormatListFile(items);
    std::size_t expectedSize = 0;
    for (const std::string& item : items)
        expectedSize += item.size() + 2;
    Check(saved.size() == expectedSize);
    Check(ParseListFile(saved) == items);

    // A list made of arbitrary pieces of the input, cut where the input has
    // CR, LF or NUL so that no item holds one, survives a save and a load.
    Items pieces;
    std::string piece;
    for (const char c : bytes) {
        if (c == '\r' || c == '\n' || c == '\0') {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    pieces.push_back(piece);
    Check(ParseListFile(FormatListFile(pieces)) == pieces);
    return 0;
}
