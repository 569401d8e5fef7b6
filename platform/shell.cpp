#include "platform/shell.h"

#include "platform/delete_request.h"
#include "toolkit/ansi_code_page.h"
#include "toolkit/scoped.h"

#include <shlobj.h>

namespace {

// The shell's allocator, released on every path.
class ShellAllocator {
public:
    ShellAllocator() {
        if (FAILED(SHGetMalloc(&malloc_))) malloc_ = nullptr;
    }
    ~ShellAllocator() {
        if (malloc_) malloc_->Release();
    }
    ShellAllocator(const ShellAllocator&) = delete;
    ShellAllocator& operator=(const ShellAllocator&) = delete;

    IMalloc* Get() const { return malloc_; }

private:
    IMalloc* malloc_ = nullptr;
};

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

std::string AppDataFolder(HWND owner) {
    char path[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathA(owner, path, CSIDL_APPDATA, FALSE)) return std::string();
    return path;
}

bool ChooseFolder(HWND owner, const std::string& title, std::string& path) {
    ShellAllocator allocator;
    if (!allocator.Get()) return false;
    ShellBlock buffer(*allocator.Get(), allocator.Get()->Alloc(MAX_PATH));
    if (!buffer.Get()) return false;
    char* displayName = static_cast<char*>(buffer.Get());
    displayName[0] = '\0';

    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;

    LPITEMIDLIST chosen = nullptr;
    {
        DisabledThreadWindows disabled;
        chosen = SHBrowseForFolderA(&info);
    }
    if (!chosen) return false;
    ShellBlock item(*allocator.Get(), chosen);
    // The chooser left the item's display name in the buffer; only a real path may
    // replace the caller's folder.
    displayName[0] = '\0';
    if (!SHGetPathFromIDListA(chosen, displayName) || displayName[0] == '\0') return false;
    path = displayName;
    return true;
}

void ShellDeleteFiles(HWND owner, const std::u16string& pathList, bool permanent) {
    // The shell reads up to a double NUL: without a NUL of its own after the last
    // path, the terminator would end that path and the list would run on.
    if (pathList.empty() || pathList[0] == u'\0' || pathList.back() != u'\0') return;
    SHFILEOPSTRUCTW request{};
    request.hwnd = owner;
    request.wFunc = FO_DELETE;
    request.pFrom = AsWide(pathList.c_str());
    request.pTo = nullptr;
    request.fFlags = static_cast<FILEOP_FLAGS>(DeleteRequestFlags(permanent));
    SHFileOperationW(&request);
}

INT_PTR ShellOpen(HWND owner, const std::string& link) {
    HINSTANCE result = ShellExecuteA(owner, nullptr, link.c_str(), "", "", SW_SHOW);
    return reinterpret_cast<INT_PTR>(result);
}
