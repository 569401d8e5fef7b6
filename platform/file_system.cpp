#include "platform/file_system.h"

#include "platform/exact_path.h"
#include "toolkit/ansi_code_page.h"
#include "toolkit/path_text.h"
#include "toolkit/scoped.h"

namespace {

// Wildcard bytes are below the trail-byte range, so a plain search is exact.
bool HasWildcard(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > 0x100000 ? 0x100000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

std::u16string CurrentFolder() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::u16string folder(size, u'\0');
    const DWORD length =
        size ? GetCurrentDirectoryW(size, reinterpret_cast<wchar_t*>(&folder[0])) : 0;
    folder.resize(length < size ? length : 0);
    return folder;
}

// Every wide call names its path exactly: the plain form would name the sibling
// of a name that ends in "." or " ".
std::u16string Exact(const std::u16string& path) { return ExactPath(path, CurrentFolder()); }

} // namespace

TFindFile::TFindFile(const std::u16string& mask)
    : handle_(FindFirstFileW(AsWide(Exact(mask).c_str()), &data_)) {}

bool TFindFile::Next() {
    if (!Opened()) return false;
    if (started_ && !FindNextFileW(handle_.Get(), &data_)) return false;
    started_ = true;
    return true;
}

const char16_t* TFindFile::Name() const { return AsUtf16(data_.cFileName); }

bool FolderExists(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FolderExists(const std::u16string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(AsWide(Exact(path).c_str()));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool PathExists(const std::u16string& path) {
    return GetFileAttributesW(AsWide(Exact(path).c_str())) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const std::string& path) {
    if (path.empty() || HasWildcard(path)) return false;
    TFindFile find(AnsiToUtf16(path));
    return find.Next() && (find.Attributes() & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void ForceDirectories(const std::string& path) {
    std::string dir = path;
    if (EndsWithSeparator(dir, AnsiCodePage())) dir.pop_back();
    if (dir.size() < 3 || FolderExists(dir)) return;
    const std::size_t separator = LastSeparator(dir, AnsiCodePage());
    if (separator != std::string::npos) ForceDirectories(dir.substr(0, separator));
    CreateDirectoryA(dir.c_str(), nullptr);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    std::string content;
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) return false;
        if (got == 0) break;
        content.append(chunk, got);
    }
    bytes.swap(content);
    return true;
}

SaveResult ReplaceWholeFile(const std::string& path, const std::string& tempPath,
                            const std::string& bytes) {
    FileHandle file(CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return SaveResult::CannotCreate;
    // The data must be on disk before the move makes it the list file.
    const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    if (!file.Close() || !written) {
        DeleteFileA(tempPath.c_str());
        return SaveResult::CannotWrite;
    }
    // A folder of that name or another program holding the file: the file
    // itself cannot be made.
    if (!MoveFileExA(tempPath.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(tempPath.c_str());
        return SaveResult::CannotCreate;
    }
    return SaveResult::Saved;
}
