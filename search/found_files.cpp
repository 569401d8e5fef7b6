#include "search/found_files.h"

#include <stdexcept>

void TFoundFiles::Add(std::u16string_view path) {
    // An empty path would end the shell's list early, and a NUL would split one
    // path into two: neither may ever reach a delete request.
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos)
        throw std::invalid_argument("TFoundFiles::Add: an empty path or one with NUL");
    joined_.append(path);
    joined_.push_back(u'\0');
    ++count_;
}

void TFoundFiles::Clear() {
    std::u16string().swap(joined_);
    count_ = 0;
}
