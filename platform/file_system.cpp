#include "platform/file_system.h"

#include "platform/exact_path.h"
#include "platform/scoped.h"
#include "platform/shift_jis.h"

#include <algorithm>
#include <vector>

namespace {

bool HasWildcard(const std::u16string& path) {
    return path.find_first_of(u"*?") != std::u16string::npos;
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

TFindFile::TFindFile(const std::u16string& mask)
    : handle_(FindFirstFileW(AsWide(Exact(mask).c_str()), &data_)) {}

bool TFindFile::Next() {
    if (!Opened()) return false;
    if (started_ && !FindNextFileW(handle_.Get(), &data_)) return false;
    started_ = true;
    return true;
}

const char16_t* TFindFile::Name() const { return AsUtf16(data_.cFileName); }

bool FolderExists(const std::u16string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(AsWide(Exact(path).c_str()));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool PathExists(const std::u16string& path) {
    unsigned long error = 0;
    return PathPresence(path, error) == Presence::There;
}

Presence PathPresence(const std::u16string& path, unsigned long& error) {
    if (GetFileAttributesW(AsWide(Exact(path).c_str())) != INVALID_FILE_ATTRIBUTES)
        return Presence::There;
    error = GetLastError();
    return PresenceAfterFailure(error);
}

bool FileExists(const std::u16string& path) {
    if (path.empty() || HasWildcard(path)) return false;
    TFindFile find(path);
    return find.Next() && (find.Attributes() & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void ForceDirectories(const std::u16string& path) {
    std::u16string dir = path;
    if (!dir.empty() && dir.back() == u'\\') dir.pop_back();
    if (dir.size() < 3 || FolderExists(dir)) return;
    const std::size_t separator = dir.rfind(u'\\');
    if (separator != std::u16string::npos) ForceDirectories(dir.substr(0, separator));
    CreateDirectoryW(AsWide(dir.c_str()), nullptr);
}

std::u16string VolumeRootOf(const std::u16string& path) {
    std::vector<wchar_t> root(std::max<std::size_t>(path.size() + 2, MAX_PATH + 1));
    if (!GetVolumePathNameW(AsWide(path.c_str()), root.data(), static_cast<DWORD>(root.size())))
        return std::u16string();
    return AsUtf16(root.data());
}

unsigned DriveTypeOf(const std::u16string& root) { return GetDriveTypeW(AsWide(root.c_str())); }

std::u16string DriveTargetOf(const std::u16string& drive) {
    // The answer is a list; the first name in it is what the drive stands for now.
    std::vector<wchar_t> targets(32768);
    if (!QueryDosDeviceW(AsWide(drive.c_str()), targets.data(), static_cast<DWORD>(targets.size())))
        return std::u16string();
    return AsUtf16(targets.data());
}

std::optional<ProductVersion> OwnProductVersion() {
    // The wide calls: the program's own folder may have any name.
    wchar_t path[MAX_PATH + 1] = {};
    if (!GetModuleFileNameW(nullptr, path, MAX_PATH)) return std::nullopt;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0) return std::nullopt;
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(path, 0, size, block.data())) return std::nullopt;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return ProductVersion{info->dwProductVersionMS, info->dwProductVersionLS};
}

bool ReadWholeFile(const std::u16string& path, std::string& bytes, std::uint64_t limit) {
    FileHandle file(CreateFileW(AsWide(path.c_str()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) ||
        static_cast<std::uint64_t>(size.QuadPart) > limit)
        return false;
    std::string content;
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) return false;
        if (got == 0) break;
        content.append(chunk, got);
        // Grown since it was measured.
        if (content.size() > limit) return false;
    }
    bytes.swap(content);
    return true;
}

SaveResult ReplaceWholeFile(const std::u16string& path, const std::string& bytes) {
    const std::u16string tempPath = TempFileName(path);
    FileHandle file(CreateFileW(AsWide(tempPath.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return SaveResult::CannotCreate;
    // The data must be on disk before the move makes it the file.
    const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    if (!file.Close() || !written) {
        DeleteFileW(AsWide(tempPath.c_str()));
        return SaveResult::CannotWrite;
    }
    // A folder of that name or another program holding the file: the file
    // itself cannot be made.
    if (!MoveFileExW(AsWide(tempPath.c_str()), AsWide(path.c_str()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(AsWide(tempPath.c_str()));
        return SaveResult::CannotCreate;
    }
    return SaveResult::Saved;
}

LoadResult TDiskStore::Load(const std::u16string& path, std::string& bytes) {
    if (!FileExists(path)) return LoadResult::Missing;
    return ReadWholeFile(path, bytes, kLargestWholeFile) ? LoadResult::Loaded
                                                         : LoadResult::CannotOpen;
}
