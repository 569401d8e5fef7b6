// The pattern list as the matcher reads it: the sorted list box itself, so the
// matcher sees exactly what the user sees, and the whole-item search is the list
// box's own.
#pragma once
#include "search/match.h"
#include "toolkit/controls.h"

class TListBoxPatterns : public PatternList {
public:
    explicit TListBoxPatterns(const TListBox& list) : list_(list) {}
    int Count() const override { return list_.Count(); }
    std::string Item(int index) const override { return list_.Item(index); }
    int FindExact(const std::string& text) const override { return list_.FindExact(text); }

private:
    const TListBox& list_;
};
