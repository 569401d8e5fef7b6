// A delete request's path list as the shell reads it: path after path, each ended by
// NUL, up to the first empty one.
#pragma once
#include <string>
#include <vector>

inline std::vector<std::u16string> ReadAsShell(const char16_t* list) {
    std::vector<std::u16string> paths;
    while (*list != u'\0') {
        paths.emplace_back(list);
        list += paths.back().size() + 1;
    }
    return paths;
}
