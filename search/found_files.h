// The paths a search found, in walk order, duplicates kept.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A search may collect a million paths, so they share one buffer instead of
// one allocation each. Paths never contain NUL.
class TFoundFiles {
public:
    void Add(std::string_view path);
    // Empties the list and gives its memory back.
    void Clear();
    std::size_t Count() const { return starts_.size(); }
    bool Empty() const { return starts_.empty(); }
    // The path at index, 0 <= index < Count().
    std::string_view operator[](std::size_t index) const;
    // Every path, each followed by one NUL, in list order.
    std::string_view Joined() const { return joined_; }

private:
    std::string joined_;
    std::vector<std::size_t> starts_;
};
