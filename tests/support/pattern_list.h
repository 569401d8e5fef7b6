// A pattern list held in a vector, for the native tests and the fuzzer of the
// matcher.
#pragma once
#include "search/match.h"
#include "support/native_text.h"

#include <string>
#include <vector>

// Lower-cased as the platform lowers code page 932 text.
inline std::string Lowered(std::string text) {
    if (!text.empty()) kCp932.Lower(&text[0], text.size());
    return text;
}

class VectorList : public PatternList {
public:
    explicit VectorList(std::vector<std::string> items) : items_(std::move(items)) {}
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Item(int index) const override {
        itemsRead.push_back(index);
        return items_.at(static_cast<std::size_t>(index));
    }

    // The items the matcher read, in order.
    mutable std::vector<int> itemsRead;

private:
    std::vector<std::string> items_;
};
