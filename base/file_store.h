// Whole files, read and replaced in one step: the file system's
// (platform/file_system.h), or a test's.
#pragma once
#include <cstdint>
#include <string>

enum class LoadResult { Missing, Loaded, CannotOpen };
enum class SaveResult { Saved, CannotCreate, CannotWrite };

// Larger than any settings file the program writes by far; a larger one is damage,
// and reading it whole could take all the memory there is.
constexpr std::uint64_t kLargestWholeFile = 16u << 20;

// Where a replacing save writes first: beside the file, so that the final move
// never crosses a volume.
inline std::u16string TempFileName(const std::u16string& path) { return path + u".tmp"; }

class TFileStore {
public:
    virtual ~TFileStore() = default;
    // Missing when nothing is there that could be the file; CannotOpen when it is
    // there but cannot be read whole.
    virtual LoadResult Load(const std::u16string& path, std::string& bytes) = 0;
    // Replaces the file's bytes, all of them or none.
    virtual SaveResult Store(const std::u16string& path, const std::string& bytes) = 0;
};
