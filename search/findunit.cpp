#include "search/findunit.h"

#include "app/main.h"
#include "platform/file_system.h"
#include "platform/shift_jis.h"
#include "search/listbox_patterns.h"

static_assert(kAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY, "the platform's bit");
static_assert(kAttributeReparsePoint == FILE_ATTRIBUTE_REPARSE_POINT, "the platform's bit");
static_assert(IsReparseTagNameSurrogate(kReparseTagNameSurrogate) &&
                  !IsReparseTagNameSurrogate(~kReparseTagNameSurrogate),
              "the platform's bit");

namespace {

class FindListing : public DirListing {
public:
    explicit FindListing(const std::u16string& mask) : find_(mask) {}
    bool Opened() const { return find_.Opened(); }

    bool Next(DirEntry& entry) override {
        if (!find_.Next()) return false;
        entry.name = find_.Name();
        entry.attributes = find_.Attributes();
        entry.reparseTag = find_.ReparseTag();
        entry.lastWrite = find_.LastWriteTime();
        entry.size = find_.Size();
        return true;
    }

private:
    TFindFile find_;
};

} // namespace

bool MatchesExtension(std::u16string_view name) {
    return MatchesPatterns(name, TListBoxPatterns(AutoTavrix->ListBox1), ShiftJis());
}

std::unique_ptr<DirListing> FindFileSource::Open(const std::u16string& mask) {
    auto listing = std::make_unique<FindListing>(mask);
    if (!listing->Opened()) return nullptr;
    return listing;
}
