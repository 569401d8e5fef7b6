// File-system queries, the directory listing, and whole-file reads and replacing saves.
#pragma once
#include "base/file_store.h"
#include "platform/delete_request.h"
#include "platform/scoped.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// One open listing through the system's wide find functions, so every name comes
// back exactly as the file system has it: every entry of a folder, hidden and
// system entries and "." and ".." included. Each entry is read into the same
// record, so a folder of any size costs no allocation per entry. The mask, and every
// path the wide queries below take, is named exactly (see platform/exact_path.h).
class TFindFile {
public:
    explicit TFindFile(const std::u16string& mask);

    bool Opened() const { return handle_.Valid(); }
    // Moves to the next entry, the first one at the first call; false at the end
    // or on failure.
    bool Next();
    // The current entry's bare name, valid until the next call of Next.
    const char16_t* Name() const;
    DWORD Attributes() const { return data_.dwFileAttributes; }
    // The entry's reparse tag, as the listing gives it for a reparse point; 0 otherwise.
    DWORD ReparseTag() const {
        return (data_.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data_.dwReserved0 : 0;
    }
    // The entry's last write as a FILETIME count (0 when the system has none), and its
    // size, as the listing reports them.
    std::uint64_t LastWriteTime() const {
        return std::uint64_t{data_.ftLastWriteTime.dwHighDateTime} << 32 |
               data_.ftLastWriteTime.dwLowDateTime;
    }
    std::uint64_t Size() const {
        return std::uint64_t{data_.nFileSizeHigh} << 32 | data_.nFileSizeLow;
    }

private:
    WIN32_FIND_DATAW data_{}; // before handle_: the first entry is read into it
    FindHandle handle_;
    bool started_ = false;
};

// True when the system reports attributes for the path, as given, and they hold
// the directory bit. An empty path is false. Named exactly.
bool FolderExists(const std::u16string& path);
// Whether anything is there under that exact name.
bool PathExists(const std::u16string& path);
// Whether anything is still there after a delete, as the system says: `error`
// gets the query's error when the answer is Unknown.
Presence PathPresence(const std::u16string& path, unsigned long& error);
// True when the path names an existing file (a folder of that name does not count).
bool FileExists(const std::u16string& path);
// Creates the folder and every missing parent; the outcome is not examined.
void ForceDirectories(const std::u16string& path);

// The root of the volume that holds the path ("C:\", "\\server\share\", a mounted
// folder), the kind of drive there, and what a drive "X:" stands for; empty (0 for
// the kind) when the system cannot tell.
std::u16string VolumeRootOf(const std::u16string& path);
unsigned DriveTypeOf(const std::u16string& root);
std::u16string DriveTargetOf(const std::u16string& drive);

// The product version in the program's own version resource, as the fixed block
// holds it: its high and low 32 bits. Nothing when the file has no such block.
struct ProductVersion {
    std::uint32_t high, low;
};
std::optional<ProductVersion> OwnProductVersion();

// Writes all the bytes at the file's position; false when the system stops short.
bool WriteAll(HANDLE file, const std::string& bytes);

// Reads a whole file, opened with others denied writing. False when it cannot be
// opened, or is larger than `limit` bytes.
bool ReadWholeFile(const std::u16string& path, std::string& bytes,
                   std::uint64_t limit = UINT64_MAX);

// Writes `bytes` to the file's TempFileName, then moves it over the file in one
// step, so a failed or interrupted save leaves the previous file as it was.
// CannotCreate when either file cannot be made, CannotWrite when the bytes cannot be
// written. (Not "ReplaceFile": <windows.h> makes that name a macro.)
SaveResult ReplaceWholeFile(const std::u16string& path, const std::string& bytes);

// The files on disk: a folder of the file's name is no file.
class TDiskStore : public TFileStore {
public:
    LoadResult Load(const std::u16string& path, std::string& bytes) override;
    SaveResult Store(const std::u16string& path, const std::string& bytes) override {
        return ReplaceWholeFile(path, bytes);
    }
};
