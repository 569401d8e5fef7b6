#include "search/findunit.h"

#include "app/main.h"
#include "search/match.h"
#include "toolkit/ansi_code_page.h"

#include <windows.h>

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

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (Valid()) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// One open listing. Every entry is read into the same record, so a folder of
// any size costs no allocation per entry.
class FindListing : public DirListing {
public:
    explicit FindListing(const std::string& mask) : handle_(FindFirstFileA(mask.c_str(), &data_)) {}
    bool Opened() const { return handle_.Valid(); }

    bool Next(DirEntry& entry) override {
        if (started_ && !FindNextFileA(handle_.Get(), &data_)) return false;
        started_ = true;
        entry.name = data_.cFileName;
        entry.attributes = data_.dwFileAttributes;
        return true;
    }

private:
    WIN32_FIND_DATAA data_{}; // before handle_: the first entry is read into it
    FindHandle handle_;
    bool started_ = false;
};

} // namespace

bool MatchesExtension(const std::string& name) {
    return MatchesPatterns(name, ListBoxPatterns(AutoTavrix->ListBox1), AnsiCodePage());
}

std::unique_ptr<DirListing> FindFileSource::Open(const std::string& mask) {
    auto listing = std::make_unique<FindListing>(mask);
    if (!listing->Opened()) return nullptr;
    return listing;
}
