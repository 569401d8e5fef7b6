// The paths a search found, in walk order, duplicates kept.
#pragma once
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

// A search may collect a million paths, so they share one UTF-16 buffer: each
// path followed by NUL, and the string's own terminator after the last. That is
// the path list of the shell's delete request, so the request is this buffer
// itself. Paths are never empty and never contain NUL.
class TFoundFiles {
public:
    void Add(std::u16string_view path);
    // Empties the list and gives its memory back.
    void Clear();
    std::size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    // Every path, each followed by one NUL, in list order; c_str() adds the NUL
    // that ends the list.
    const std::u16string& Joined() const { return joined_; }

    // The paths in list order.
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::u16string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::u16string_view*;
        using reference = std::u16string_view;

        explicit Iterator(const char16_t* at) : at_(at) {}
        std::u16string_view operator*() const { return at_; }
        Iterator& operator++() {
            at_ += std::char_traits<char16_t>::length(at_) + 1;
            return *this;
        }
        bool operator==(const Iterator& o) const { return at_ == o.at_; }
        bool operator!=(const Iterator& o) const { return at_ != o.at_; }

    private:
        const char16_t* at_;
    };
    Iterator begin() const { return Iterator(joined_.c_str()); }
    Iterator end() const { return Iterator(joined_.c_str() + joined_.size()); }

private:
    std::u16string joined_;
    std::size_t count_ = 0;
};
