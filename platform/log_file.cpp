#include "platform/log_file.h"

#include "platform/file_system.h"
#include "platform/shift_jis.h"

namespace {

// One byte far beyond any log's end: runs that append wait for each other on it, while
// whoever only reads the log (an editor, "type") never waits.
OVERLAPPED LockedByte() {
    OVERLAPPED at{};
    at.OffsetHigh = 0x40000000;
    return at;
}

// Another run holds the lock while it appends one block: retried for up to 10 s.
constexpr int kLockAttempts = 200;
constexpr DWORD kLockPause = 50;

class AppendLock {
public:
    explicit AppendLock(HANDLE file) : file_(file) {
        for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
            OVERLAPPED at = LockedByte();
            if (LockFileEx(file_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                           &at)) {
                held_ = true;
                return;
            }
            if (GetLastError() != ERROR_LOCK_VIOLATION) return;
            Sleep(kLockPause);
        }
    }
    ~AppendLock() {
        OVERLAPPED at = LockedByte();
        if (held_) UnlockFileEx(file_, 0, 1, 0, &at);
    }
    AppendLock(const AppendLock&) = delete;
    AppendLock& operator=(const AppendLock&) = delete;

    bool Held() const { return held_; }

private:
    HANDLE file_;
    bool held_ = false;
};

} // namespace

// Named as typed, as every program names a file it is given: "NUL" is then the device,
// refused below, and never a file of that name.
TLogFile::TLogFile(const std::u16string& path)
    : file_(CreateFileW(AsWide(path.c_str()), GENERIC_READ | FILE_APPEND_DATA,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (!file_.Valid())
        problem_ = FolderExists(path) ? Problem::NotAFile : Problem::CannotOpen;
    else if (GetFileType(file_.Get()) != FILE_TYPE_DISK)
        problem_ = Problem::NotAFile;
    else if (!AppendLock(file_.Get()).Held())
        problem_ = Problem::Busy;
}

bool TLogFile::Append(const std::string& bytes) {
    if (problem_ != Problem::None) return false;
    const AppendLock lock(file_.Get());
    LARGE_INTEGER size{};
    if (!lock.Held() || !GetFileSizeEx(file_.Get(), &size)) return false;
    // Whichever run writes first, the log starts with the mark that makes an editor
    // read it as UTF-8.
    const bool fresh = size.QuadPart == 0;
    return (!fresh || WriteAll(file_.Get(), "\xEF\xBB\xBF")) && WriteAll(file_.Get(), bytes) &&
           FlushFileBuffers(file_.Get());
}
