// The found list, which is the shell's delete request as it stands, over
// arbitrary paths: every path in order, each ended by NUL, the terminator
// ending the list, and nothing else; a path that would break the list is
// refused and leaves it as it was.
//
// Input: UTF-16LE units; a NUL unit separates the paths (an empty one among
// them is offered too, and must be refused).
#include "search/found_files.h"

#include "support/fuzz_check.h"
#include "support/native_text.h"
#include "support/shell_list.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> offered = Utf16Parts(data, size);

    TFoundFiles files;
    std::vector<std::u16string> kept;
    std::size_t expectedSize = 0;
    for (const std::u16string& path : offered) {
        if (path.empty()) {
            bool refused = false;
            try {
                files.Add(path);
            } catch (const std::invalid_argument&) {
                refused = true;
            }
            Check(refused);
            continue;
        }
        files.Add(path);
        kept.push_back(path);
        expectedSize += path.size() + 1;
    }

    const std::u16string& list = files.Joined();
    Check(list.size() == expectedSize);
    Check(files.Count() == kept.size() && files.Empty() == kept.empty());
    Check(list.empty() || list.back() == u'\0');
    Check(ReadAsShell(list.c_str()) == kept);
    std::vector<std::u16string> iterated;
    for (std::u16string_view path : files)
        iterated.emplace_back(path);
    Check(iterated == kept);

    // A cleared list is empty, and fills again from scratch.
    files.Clear();
    Check(files.Empty() && files.Joined().empty() && files.begin() == files.end());
    for (const std::u16string& path : kept)
        files.Add(path);
    Check(files.Joined() == list);
    return 0;
}
