// The folder walk that collects matching files, window-free: listing, display,
// the subfolder option and matching come in through interfaces. Paths are UTF-16,
// as the system names files, so every name is kept exactly.
#pragma once
#include <memory>
#include <string>

struct DirEntry {
    const char16_t* name; // bare name, valid until the next call of Next
    unsigned long attributes;
};

class DirListing {
public:
    virtual ~DirListing() = default;
    // The first call gives the first entry; false at the end or on failure.
    virtual bool Next(DirEntry& entry) = 0;
};

class DirectorySource {
public:
    virtual ~DirectorySource() = default;
    // nullptr when the folder can't be listed.
    virtual std::unique_ptr<DirListing> Open(const std::u16string& mask) = 0;
};

class WalkHost {
public:
    virtual ~WalkHost() = default;
    // Shows the folder, repaints and handles pending events; true once a
    // cancel has been seen.
    virtual bool EnterFolder(const std::u16string& path) = 0;
    // The subfolder option, read at each folder entry met.
    virtual bool SubfoldersOn() = 0;
    // Whether a file's bare name matches the patterns.
    virtual bool Matches(const char16_t* name) = 0;
    // Appends the full path to the found files and shows the count.
    virtual void FileFound(const std::u16string& path) = 0;
};

// Walks start depth first, in listing order; false when a cancel was seen.
// Folders that can't be listed contribute nothing.
bool SearchTree(const std::u16string& start, DirectorySource& source, WalkHost& host);

// The folder with "\" appended unless it already ends in one.
std::u16string ListingPrefix(const std::u16string& folder);
