// The folder walk that collects matching files, window-free: listing,
// display, the subfolder option and matching come in through interfaces.
#pragma once
#include <memory>
#include <string>

#include "toolkit/code_page.h"

struct DirEntry {
    const char* name; // bare name, valid until the next call of Next
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
    virtual std::unique_ptr<DirListing> Open(const std::string& mask) = 0;
};

class WalkHost {
public:
    virtual ~WalkHost() = default;
    // Shows the folder, repaints and handles pending events; true once a
    // cancel has been seen.
    virtual bool EnterFolder(const std::string& path) = 0;
    // The subfolder option, read at each folder entry met.
    virtual bool SubfoldersOn() = 0;
    // Whether a file's bare name matches the patterns.
    virtual bool Matches(const char* name) = 0;
    // Appends the full path to the found files and shows the count.
    virtual void FileFound(const std::string& path) = 0;
};

// Walks start depth first, in listing order; false when a cancel was seen.
// Folders that can't be listed contribute nothing.
bool SearchTree(const std::string& start, DirectorySource& source, WalkHost& host,
                const CodePage& codePage);

// The folder with "\" appended, unless its last character is a single-byte
// "\" (表 ends in the byte 0x5C but still gets one).
std::string ListingPrefix(const std::string& folder, const CodePage& codePage);
