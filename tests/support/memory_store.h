// Whole files in memory for the window-free settings rules; a path in `failing`
// is there to read, but cannot be written, as its result says.
#pragma once
#include "base/file_store.h"

#include <map>
#include <set>
#include <string>

class MemoryStore : public TFileStore {
public:
    LoadResult Load(const std::u16string& path, std::string& bytes) override {
        if (unreadable.count(path)) return LoadResult::CannotOpen;
        const auto it = files.find(path);
        if (it == files.end()) return LoadResult::Missing;
        bytes = it->second;
        return LoadResult::Loaded;
    }
    SaveResult Store(const std::u16string& path, const std::string& bytes) override {
        const auto it = failing.find(path);
        if (it != failing.end()) return it->second;
        files[path] = bytes;
        return SaveResult::Saved;
    }
    std::map<std::u16string, std::string> files;
    std::map<std::u16string, SaveResult> failing;
    std::set<std::u16string> unreadable;
};
