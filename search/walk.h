// The folder walk that collects matching files, window-free: listing, display,
// the subfolder option and matching come in through interfaces. Paths are UTF-16,
// as the system names files, so every name is kept exactly.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

// The attribute bits the walk reads, as the platform's headers define them.
constexpr unsigned long kAttributeDirectory = 0x10;
constexpr unsigned long kAttributeReparsePoint = 0x400;
// The bit of a reparse tag that marks another name for something elsewhere: a
// junction, a symbolic link, a mount point.
constexpr unsigned long kReparseTagNameSurrogate = 0x20000000;

struct DirEntry {
    const char16_t* name; // bare name, valid until the next call of Next
    unsigned long attributes;
    unsigned long reparseTag; // with kAttributeReparsePoint: the tag as listed, 0 when unknown
    std::uint64_t lastWrite;  // FILETIME count (100 ns since 1601, UTC); 0 when unknown
    std::uint64_t size;       // bytes
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
    // Whether the file is selected, from what the listing reports of it.
    virtual bool Matches(const DirEntry& entry) = 0;
    // Appends the full path of a selected file to the found files and shows the count.
    virtual void FileFound(const std::u16string& path, const DirEntry& entry) = 0;
};

// Whether the walk enters a folder entry: a plain folder, or a reparse point that
// holds its own entries (cloud files, deduplication), never one that names
// something elsewhere, which can lead out of the tree or back into it without end,
// nor one whose tag the listing did not give.
bool EntersFolder(const DirEntry& folder);

// Walks start depth first, in listing order; false when a cancel was seen.
// Folders that can't be listed contribute nothing.
bool SearchTree(const std::u16string& start, DirectorySource& source, WalkHost& host);

// The folder with "\" appended unless it already ends in one.
std::u16string ListingPrefix(const std::u16string& folder);
