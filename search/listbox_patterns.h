// The pattern list as the matcher reads it: the sorted list box itself, so the
// matcher sees exactly what the user sees.
#pragma once
#include "search/match.h"
#include "toolkit/controls.h"

class TListBoxPatterns : public PatternList {
public:
    explicit TListBoxPatterns(const TListBox& list) : list_(list) {}
    int Count() const override { return list_.Count(); }
    std::string Item(int index) const override { return list_.Item(index); }

private:
    const TListBox& list_;
};
