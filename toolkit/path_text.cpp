#include "toolkit/path_text.h"

std::size_t LastSeparator(const std::string& path, const CodePage& codePage) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\')
            last = i;
        else if (codePage.IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
    }
    return last;
}

bool EndsWithSeparator(const std::string& path, const CodePage& codePage) {
    return !path.empty() && LastSeparator(path, codePage) == path.size() - 1;
}
