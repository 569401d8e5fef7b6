// The shell's path list over arbitrary paths: every path in order, each ended
// by NUL, then one more NUL, and nothing else.
//
// Input: the paths, separated by NUL (no input, no path).
#include "platform/delete_request.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "search/found_files.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> SplitAtNul(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\0') {
            parts.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> paths =
        input.empty() ? std::vector<std::string>() : SplitAtNul(input);

    TFoundFiles files;
    std::size_t expectedSize = 1;
    for (const std::string& path : paths) {
        files.Add(path);
        expectedSize += path.size() + 1;
    }
    const std::string list = BuildPathList(files);

    Check(list.size() == expectedSize);
    Check(list.back() == '\0');
    if (paths.empty()) {
        Check(list == std::string(1, '\0'));
    } else {
        // Without the extra NUL the list splits into exactly the paths.
        Check(list[list.size() - 2] == '\0');
        Check(SplitAtNul(std::string_view(list).substr(0, list.size() - 2)) == paths);
    }

    // The list read back by index is left as it was.
    Check(files.Count() == paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i)
        Check(files[i] == paths[i]);

    // A cleared list gives the empty request, and fills again from scratch.
    files.Clear();
    Check(files.Empty() && BuildPathList(files) == std::string(1, '\0'));
    for (const std::string& path : paths)
        files.Add(path);
    Check(BuildPathList(files) == list);
    return 0;
}
