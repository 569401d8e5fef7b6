#include "search_support.h"

#include "search/found_files.h"

#include <algorithm>
#include <stdexcept>

namespace {

int scratchCount = 0;

void CreateParents(const std::string& path) {
    for (std::size_t i = 3; i < path.size(); ++i) {
        // Shift_JIS trail bytes may be 0x5C: split only at whole characters.
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
            ++i;
            continue;
        }
        if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

} // namespace

std::string UnixPath(const std::string& windowsPath) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return std::string();
    const int length = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0], length);
    char* unix = toUnix(wide.c_str());
    if (!unix) return std::string();
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

bool RunUnix(const std::string& commandLine, const std::function<bool()>& done) {
    // Wine starts a Unix program without a process handle to wait on: wait
    // for its effect instead.
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    for (int waited = 0; waited < 5000; waited += 10) {
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

ScratchTree::ScratchTree() {
    char base[MAX_PATH + 1] = {};
    GetTempPathA(sizeof base, base);
    path_ = std::string(base) + "tavrix-search-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++scratchCount);
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        throw std::runtime_error("cannot create " + path_);
}

ScratchTree::~ScratchTree() {
    const std::string unix = UnixPath(path_);
    const std::string path = path_;
    if (!unix.empty())
        RunUnix("Z:\\bin\\rm -rf " + Quoted(unix),
                [&path] { return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

void ScratchTree::Folder(const std::string& relative) const {
    const std::string path = *this / relative;
    CreateParents(path + "\\");
}

void ScratchTree::File(const std::string& relative, DWORD attributes) const {
    const std::string path = *this / relative;
    CreateParents(path);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
    CloseHandle(file);
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesA(path.c_str(), attributes);
}

bool ScratchTree::Link(const std::string& relative, const std::string& target) const {
    const std::string path = *this / relative;
    const std::string at = UnixPath(path);
    return !at.empty() && RunUnix("Z:\\bin\\ln -s " + Quoted(target) + " " + Quoted(at), [&path] {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
}

std::string WatchingSource::StartFolder() const {
    if (startReads++ == 0) firstStartTick = GetTickCount();
    return main_.StartFolder();
}

bool WatchingSource::SubfoldersOn() const {
    Record("subfolders");
    if (onSubfolder) onSubfolder();
    return main_.SubfoldersOn();
}

bool WatchingSource::Matches(const char* name) const {
    Record(name);
    if (onMatch) onMatch(name);
    return main_.Matches(name);
}

void WatchingSource::Record(const std::string& asked) const {
    WalkMoment moment{asked, "", "", ""};
    if (dialog) {
        moment.folder = dialog->Label1.Text();
        moment.status = dialog->Label2.Text();
        moment.count = dialog->Label4.Text();
    }
    moments.push_back(moment);
}

int WalkNow(TApplication& app, TAutoTavrix& main, WatchingSource& source, const std::string& start,
            bool subfolders, const std::vector<std::string>& patterns) {
    main.Edit1.SetText(start);
    main.ListBox1.Clear();
    for (const std::string& pattern : patterns)
        main.ListBox1.Add(pattern);
    main.opSubfolder->SetChecked(subfolders);
    main.FoundFiles->Clear();
    TSearchDlg dialog(app, main, source);
    source.dialog = &dialog;
    dialog.RunSearch();
    source.dialog = nullptr;
    return dialog.ModalResult();
}

std::vector<std::string> FoundPaths(TAutoTavrix& main) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < main.FoundFiles->Count(); ++i)
        paths.emplace_back((*main.FoundFiles)[i]);
    return paths;
}

std::vector<std::string> Sorted(std::vector<std::string> paths) {
    std::sort(paths.begin(), paths.end());
    return paths;
}

const char* InputName(CancelInput input) {
    switch (input) {
    case CancelInput::ButtonClick:
        return "button click";
    case CancelInput::Escape:
        return "Esc";
    case CancelInput::CloseBox:
        return "close box";
    case CancelInput::Enter:
        return "Enter";
    case CancelInput::Space:
        return "Space";
    case CancelInput::AltC:
        return "Alt+C";
    }
    return "?";
}

void PostCancel(TSearchDlg& dialog, CancelInput input) {
    HWND button = dialog.Button1.Handle();
    const auto key = [button](UINT message, WPARAM vk, LPARAM flags) {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(vk), 0)) << 16;
        PostMessageA(button, message, vk, 1 | scan | flags);
    };
    switch (input) {
    case CancelInput::ButtonClick:
        PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        break;
    case CancelInput::Escape:
        key(WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case CancelInput::CloseBox:
        PostMessageA(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CancelInput::Enter:
        key(WM_KEYDOWN, VK_RETURN, 0);
        break;
    case CancelInput::Space:
        key(WM_KEYDOWN, VK_SPACE, 0);
        key(WM_KEYUP, VK_SPACE, 3u << 30);
        break;
    case CancelInput::AltC:
        key(WM_SYSCHAR, 'c', 1 << 29);
        break;
    }
}
