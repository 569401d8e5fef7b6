// Which files the search selects, and the dialog that searches for them.
#pragma once
#include "search/search_dialog.h"
#include "search/walk.h"

#include <memory>
#include <string>
#include <string_view>

// True when the bare file name's extension matches the main window's pattern list,
// read afresh at every call.
bool MatchesExtension(std::u16string_view name);

// The system's directory listing: every entry of a folder, hidden and system
// entries and "." and ".." included, with its exact name.
class FindFileSource : public DirectorySource {
public:
    std::unique_ptr<DirListing> Open(const std::u16string& mask) override;
};
