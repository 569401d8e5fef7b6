// The settings file's text over arbitrary bytes: reading never fails, a value just
// written reads back as written and its line can be taken out again, the last
// folder comes back exactly from what the file keeps of it, and a marked file's
// text turns into the program's own form exactly or not at all.
#include "app/settings_text.h"
#include "base/ini_text.h"
#include "base/text_encoding.h"
#include "base/text_lines.h"

#include "support/fuzz_check.h"
#include "support/native_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// A name the writer may be given: the program's own are plain words.
bool PlainName(std::string_view name) {
    if (name.empty()) return false;
    for (const char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// A value as the program writes one: no line end, nothing the reader would drop.
bool PlainValue(std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos) return false;
    if (!value.empty() && (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                           value.back() == '\t'))
        return false;
    return value.empty() || (value.front() != '"' && value.front() != '\'');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // file | section | key | value, split at the first three 0x01 bytes.
    std::string_view parts[4];
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int i = 0; i < 3; ++i) {
        const std::size_t cut = rest.find('\x01');
        parts[i] = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }
    parts[3] = rest;
    const std::string_view file = parts[0], section = parts[1], key = parts[2], value = parts[3];
    (void)IniValue(file, section, key, kCp932);

    if (PlainName(section) && PlainName(key) && PlainValue(value)) {
        const std::string written = IniWithValue(file, section, key, value, kCp932);
        Check(IniValue(written, section, key, kCp932) == std::string(value));
        Check(IniWithoutKey(written, section, key, kCp932).size() < written.size());
    }

    const FileText text = DecodeFileText(file);
    if (const std::optional<std::string> own = ShiftJisLines(text.text, kCp932)) {
        Check(DecodeFileText(*own).encoding == TextEncoding::ShiftJis);
        const auto lines = TextLines(text.text), ownLines = TextLines(*own);
        Check(lines.size() == ownLines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::u16string back;
            Check(kCp932.ToUtf16(ownLines[i].data(), ownLines[i].size(), back) &&
                  FromUtf8(lines[i]) == back);
        }
    }

    // Any UTF-16 folder comes back exactly from what the settings file keeps.
    for (const std::u16string& folder : Utf16Parts(data, size)) {
        const SavedFolder saved = SaveFolder(folder, kCp932);
        Check(saved.folder.empty() || !saved.utf8);
        Check(LoadFolder(saved.folder, saved.utf8, kCp932) == folder);
    }
    return 0;
}
