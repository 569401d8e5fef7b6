// The /fromlist file over arbitrary bytes: it is refused exactly when it is not UTF-8
// text, and what it accepts are paths that /list would write back line for line.
#include "app/path_list.h"
#include "base/utf8.h"

#include "support/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PathList list = ParsePathList(bytes);

    const bool wide = bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF" ||
                      bytes.find('\0') != std::string_view::npos;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const bool text = !wide && FromUtf8(bytes);
    Check((list.problem == PathListProblem::Utf16) == wide);
    Check((list.problem == PathListProblem::NotUtf8) == (!wide && !text));
    if (list.problem != PathListProblem::None) {
        Check(list.paths.empty());
        return 0;
    }

    std::string written;
    for (const std::u16string& path : list.paths) {
        Check(path.find_first_not_of(u" \t") != std::u16string::npos);
        Check(path.find_first_of(std::u16string(u"\r\n\0", 3)) == std::u16string::npos);
        written += Utf8Of(path) + "\r\n";
    }
    Check(ParsePathList("\xEF\xBB\xBF" + written).paths == list.paths);
    // Without the mark, a first path that starts with one (no /list path does) loses it.
    if (list.paths.empty() || list.paths[0][0] != u'\xFEFF')
        Check(ParsePathList(written).paths == list.paths);
    return 0;
}
