#include "scratch_tree.h"

#include "base/utf8.h"
#include "platform/exact_path.h"
#include "platform/shift_jis.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? Utf16ToSjis(AsUtf16(value)) : std::string();
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()); }

// Index of the last "\" of its own: a Shift_JIS trail byte may be 0x5C.
std::size_t LastSeparator(const std::string& path) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\')
            last = i;
        else if (ShiftJis().IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
    }
    return last;
}

std::atomic<int> scratchCount{0};

void CreateParents(const std::string& path) {
    for (std::size_t i = 3; i < path.size(); ++i) {
        // Shift_JIS trail bytes may be 0x5C: split only at whole characters.
        if (ShiftJis().IsLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i;
            continue;
        }
        if (path[i] == '\\') CreateDirectoryW(Wide(path.substr(0, i)).c_str(), nullptr);
    }
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A full path named exactly, as the program names it ("k." is not "k").
std::u16string Exact(const std::u16string& path) { return ExactPath(path, u""); }

} // namespace

std::wstring Wide(const std::string& path) {
    const std::u16string wide = SjisToUtf16(path);
    return std::wstring(wide.begin(), wide.end());
}

std::string UnixPath(const std::string& windowsPath) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return std::string();
    char* unix = toUnix(Wide(windowsPath).c_str());
    if (!unix) return std::string();
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

bool RunUnix(const std::string& commandLine, const std::function<bool()>& done) {
    // Through start.exe: starting a Unix program, Wine resumes and closes a handle of
    // the starting process that is not the program's (seen: the stop event of the
    // search dialog's animation, whose thread then never stops). Wine gives no handle
    // to wait on either: wait for the program's effect instead.
    std::wstring line = L"start.exe " + Wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int waited = 0; waited < 5000; waited += 10) {
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

ScratchTree::ScratchTree() {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, base);
    // Process ids come back from run to run; the time keeps names (and their trash
    // entries) apart.
    path_ = Utf16ToSjis(AsUtf16(base)) + "tavrix-test-" + std::to_string(GetCurrentProcessId()) +
            "-" + std::to_string(GetTickCount()) + "-" + std::to_string(++scratchCount);
    if (!CreateDirectoryW(Wide(path_).c_str(), nullptr))
        throw std::runtime_error("cannot create " + path_);
}

ScratchTree::~ScratchTree() {
    const std::string unix = UnixPath(path_);
    const std::string path = path_;
    if (!unix.empty())
        RunUnix("Z:\\bin\\rm -rf " + Quoted(unix),
                [&path] { return Attributes(path) == INVALID_FILE_ATTRIBUTES; });
}

void ScratchTree::Folder(const std::string& relative) const {
    const std::string path = *this / relative;
    CreateParents(path + "\\");
}

void ScratchTree::File(const std::string& relative, DWORD attributes) const {
    const std::string path = *this / relative;
    CreateParents(path);
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
    CloseHandle(file);
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesW(Wide(path).c_str(), attributes);
}

std::u16string ScratchTree::WidePath(const std::u16string& relative) const {
    return SjisToUtf16(path_) + u"\\" + relative;
}

void ScratchTree::WideFolder(const std::u16string& relative) const {
    if (!CreateDirectoryW(AsWide(Exact(WidePath(relative)).c_str()), nullptr))
        throw std::runtime_error("cannot create a folder in " + path_);
}

void ScratchTree::WideFile(const std::u16string& relative) const {
    HANDLE file = CreateFileW(AsWide(Exact(WidePath(relative)).c_str()), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a file in " + path_);
    CloseHandle(file);
}

std::string NameOf(const std::string& path) { return path.substr(LastSeparator(path) + 1); }

std::string ParentOf(const std::string& path) { return path.substr(0, LastSeparator(path)); }

bool ScratchTree::Link(const std::string& relative, const std::string& target) const {
    const std::string path = *this / relative;
    const std::string at = UnixPath(path);
    return !at.empty() && RunUnix("Z:\\bin\\ln -s " + Quoted(target) + " " + Quoted(at),
                                  [&path] { return Attributes(path) != INVALID_FILE_ATTRIBUTES; });
}

HeldFile::HeldFile(const std::string& path, DWORD access, DWORD share)
    // Backup semantics let a folder be held too.
    : handle_(CreateFileW(Wide(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}

HeldFile::~HeldFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(Wide(path).c_str());
        return;
    }
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(Wide(path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = Utf16ToSjis(AsUtf16(data.cFileName));
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(Wide(path).c_str());
}

std::string TrashFolder() {
    // Wine names the Unix home as an NT path: \??\Z:\home\user.
    std::string home = Environment(L"WINEHOMEDIR");
    if (home.rfind("\\??\\", 0) == 0) home.erase(0, 4);
    return home + "\\.local\\share\\Trash";
}

std::vector<std::string> TrashedPaths() {
    // Wide calls: the entries are named after the files, whatever their characters.
    std::vector<std::string> paths;
    const std::u16string info = SjisToUtf16(TrashFolder() + "\\info\\");
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(AsWide((info + u"*.trashinfo").c_str()), &data);
    if (find == INVALID_HANDLE_VALUE) return paths;
    do {
        const std::u16string path = info + AsUtf16(data.cFileName);
        HANDLE file = CreateFileW(AsWide(path.c_str()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        std::string text(4096, '\0');
        DWORD got = 0;
        ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &got, nullptr);
        CloseHandle(file);
        text.resize(got);
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line))
            if (line.rfind("Path=", 0) == 0) paths.push_back(line.substr(5));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return paths;
}

int TrashedCount(const std::string& tail) {
    int count = 0;
    for (const std::string& path : TrashedPaths())
        if (path.size() >= tail.size() &&
            path.compare(path.size() - tail.size(), tail.size(), tail) == 0)
            ++count;
    return count;
}

std::string TrashInfoName(const std::string& sjisName) {
    return TrashInfoName(SjisToUtf16(sjisName));
}

std::string TrashInfoName(const std::u16string& name) {
    const std::string utf8 = Utf8Of(name);
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : utf8) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 15];
        }
    }
    return encoded;
}
