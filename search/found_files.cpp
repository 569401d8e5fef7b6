#include "search/found_files.h"

#include <cassert>

void TFoundFiles::Add(std::string_view path) {
    assert(path.find('\0') == std::string_view::npos);
    starts_.push_back(joined_.size());
    joined_.append(path);
    joined_.push_back('\0');
}

void TFoundFiles::Clear() {
    std::string().swap(joined_);
    std::vector<std::size_t>().swap(starts_);
}

std::string_view TFoundFiles::operator[](std::size_t index) const {
    assert(index < starts_.size());
    std::size_t start = starts_[index];
    // The next path starts right after this one's NUL.
    std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : joined_.size();
    return std::string_view(joined_).substr(start, end - 1 - start);
}
