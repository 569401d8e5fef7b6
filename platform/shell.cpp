#include "platform/shell.h"

#include "platform/delete_request.h"
#include "platform/scoped.h"
#include "platform/shift_jis.h"

#include <shlobj.h>

static_assert(kFofSilent == FOF_SILENT && kFofNoConfirmation == FOF_NOCONFIRMATION &&
                  kFofAllowUndo == FOF_ALLOWUNDO && kFofNoErrorUi == FOF_NOERRORUI &&
                  kFofWantNukeWarning == FOF_WANTNUKEWARNING,
              "the shell's flags");

namespace {

// A block from the shell's allocator, given back to it on every path.
class ShellBlock {
public:
    ShellBlock(IMalloc& allocator, void* block) : allocator_(allocator), block_(block) {}
    ~ShellBlock() {
        if (block_) allocator_.Free(block_);
    }
    ShellBlock(const ShellBlock&) = delete;
    ShellBlock& operator=(const ShellBlock&) = delete;

    void* Get() const { return block_; }

private:
    IMalloc& allocator_;
    void* block_;
};

} // namespace

std::vector<std::u16string> CommandLineArguments() {
    int count = 0;
    const LocalBlock<LPWSTR> words(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::u16string> args;
    if (!words.Get()) return args;
    for (int i = 1; i < count; ++i)
        args.emplace_back(AsUtf16(words.Get()[i]));
    return args;
}

std::u16string AppDataFolder(HWND owner) {
    wchar_t path[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathW(owner, path, CSIDL_APPDATA, FALSE)) return std::u16string();
    return AsUtf16(path);
}

bool ChooseFolder(HWND owner, const std::string& title, std::u16string& path) {
    // The shell's allocator gives the buffer and the chosen item, and takes them back.
    ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Put())) || !allocator.Get()) return false;
    ShellBlock buffer(*allocator.Get(), allocator.Get()->Alloc(MAX_PATH * sizeof(wchar_t)));
    if (!buffer.Get()) return false;
    auto* displayName = static_cast<wchar_t*>(buffer.Get());
    displayName[0] = L'\0';
    const std::u16string wideTitle = SjisToUtf16(title);

    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = AsWide(wideTitle.c_str());
    info.ulFlags = BIF_RETURNONLYFSDIRS;

    LPITEMIDLIST chosen = nullptr;
    {
        DisabledThreadWindows disabled;
        chosen = SHBrowseForFolderW(&info);
    }
    if (!chosen) return false;
    ShellBlock item(*allocator.Get(), chosen);
    // The chooser left the item's display name in the buffer; only a real path may
    // replace the caller's folder.
    displayName[0] = L'\0';
    if (!SHGetPathFromIDListW(chosen, displayName) || displayName[0] == L'\0') return false;
    path = AsUtf16(displayName);
    return true;
}

namespace {

// The one request of a delete, with the given flags.
void DeleteRequest(HWND owner, const std::u16string& pathList, unsigned flags) {
    if (!IsShellPathList(pathList)) return;
    SHFILEOPSTRUCTW request{};
    request.hwnd = owner;
    request.wFunc = FO_DELETE;
    request.pFrom = AsWide(pathList.c_str());
    request.pTo = nullptr;
    request.fFlags = static_cast<FILEOP_FLAGS>(flags);
    SHFileOperationW(&request);
}

// While it lives, no top-level window of this thread can be created: every question
// the shell would ask goes unasked, which it takes as no.
class NoWindows {
public:
    NoWindows() : hook_(SetWindowsHookExW(WH_CBT, Refuse, nullptr, GetCurrentThreadId())) {}
    ~NoWindows() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    NoWindows(const NoWindows&) = delete;
    NoWindows& operator=(const NoWindows&) = delete;
    bool Active() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
            if (!(create->lpcs->style & WS_CHILD)) return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_;
};

} // namespace

void ShellDeleteFiles(HWND owner, const std::u16string& pathList, bool permanent) {
    DeleteRequest(owner, pathList, DeleteRequestFlags(permanent));
}

void ShellDeleteQuietly(const std::u16string& pathList, bool permanent) {
    const NoWindows quiet;
    // Without the hook a question could stay open with nobody to answer it.
    if (quiet.Active()) DeleteRequest(nullptr, pathList, UnattendedDeleteFlags(permanent));
}

HMODULE ShellResources() {
    static const HMODULE module = LoadLibraryW(L"shell32.dll");
    return module;
}

INT_PTR ShellOpen(HWND owner, const std::string& link) {
    HINSTANCE result =
        ShellExecuteW(owner, nullptr, AsWide(SjisToUtf16(link).c_str()), L"", L"", SW_SHOW);
    return reinterpret_cast<INT_PTR>(result);
}
