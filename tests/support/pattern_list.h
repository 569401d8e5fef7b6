// A pattern list held in a vector, for the native tests and the fuzzer of the
// matcher. Its whole-item search finds empty items too, unlike the list box, so
// that the matcher's own empty-extension rule is what they check.
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
    int FindExact(const std::string& text) const override {
        searches.push_back(text);
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (Lowered(items_[i]) == Lowered(text)) return static_cast<int>(i);
        return -1;
    }

    // What the matcher asked, in order.
    mutable std::vector<int> itemsRead;
    mutable std::vector<std::string> searches;

private:
    std::vector<std::string> items_;
};
