#include "search/findunit.h"

#include "app/main.h"
#include "platform/file_system.h"
#include "search/match.h"
#include "toolkit/ansi_code_page.h"

namespace {

// The pattern list is the sorted list box itself, so the matcher sees exactly
// what the user sees, and its whole-item search is the list box's own.
class ListBoxPatterns : public PatternList {
public:
    explicit ListBoxPatterns(const TListBox& list) : list_(list) {}
    int Count() const override { return list_.Count(); }
    std::string Item(int index) const override { return list_.Item(index); }
    int FindExact(const std::string& text) const override { return list_.FindExact(text); }

private:
    const TListBox& list_;
};

class FindListing : public DirListing {
public:
    explicit FindListing(const std::u16string& mask) : find_(mask) {}
    bool Opened() const { return find_.Opened(); }

    bool Next(DirEntry& entry) override {
        if (!find_.Next()) return false;
        entry.name = find_.Name();
        entry.attributes = find_.Attributes();
        return true;
    }

private:
    TFindFile find_;
};

} // namespace

bool MatchesExtension(std::u16string_view name) {
    return MatchesPatterns(name, ListBoxPatterns(AutoTavrix->ListBox1), AnsiCodePage());
}

std::unique_ptr<DirListing> FindFileSource::Open(const std::u16string& mask) {
    auto listing = std::make_unique<FindListing>(mask);
    if (!listing->Opened()) return nullptr;
    return listing;
}
