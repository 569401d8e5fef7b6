// The shell's file-operation engine: its interfaces are declared only for systems
// from Vista on, which this file alone asks for. The program still starts where they
// are missing: the engine is created, and its one function looked up, at run time.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#undef _WIN32_IE
#define _WIN32_IE 0x0700

#include "platform/delete_request.h"
#include "platform/scoped.h"
#include "platform/shell.h"
#include "platform/shift_jis.h"

#include <shobjidl.h>

static_assert(kFofxRecycleOnDelete == FOFX_RECYCLEONDELETE &&
                  kTsfDeleteRecycleIfPossible == TSF_DELETE_RECYCLE_IF_POSSIBLE &&
                  (kFofSilent | kFofNoConfirmation | kFofNoErrorUi | kFofNoConfirmMkdir) ==
                      FOF_NO_UI,
              "the shell's flags");

namespace {

using CreateItem = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, REFIID, void**);

// Holds the engine to the rules of MayDeleteItem and MayGoOnAfterDelete. It lives on
// the caller's stack, longer than the engine's hold on it.
class RecycleWatch final : public IFileOperationProgressSink {
public:
    explicit RecycleWatch(RecycleReport& report) : report_(report) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IFileOperationProgressSink)) {
            *object = static_cast<IFileOperationProgressSink*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE PreDeleteItem(DWORD flags, IShellItem* item) override {
        if (MayDeleteItem(flags)) return S_OK;
        wchar_t* path = nullptr;
        if (item && SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
            report_.refused.emplace_back(AsUtf16(path));
            CoTaskMemFree(path);
        }
        report_.stopped = true;
        return E_ABORT;
    }
    HRESULT STDMETHODCALLTYPE PostDeleteItem(DWORD, IShellItem*, HRESULT result,
                                             IShellItem* recycled) override {
        if (MayGoOnAfterDelete(result, recycled != nullptr)) return S_OK;
        report_.stopped = true;
        return E_ABORT;
    }

    HRESULT STDMETHODCALLTYPE StartOperations() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FinishOperations(HRESULT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PreRenameItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostRenameItem(DWORD, IShellItem*, LPCWSTR, HRESULT,
                                             IShellItem*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PostMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT,
                                           IShellItem*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PostCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT,
                                           IShellItem*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreNewItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostNewItem(DWORD, IShellItem*, LPCWSTR, LPCWSTR, DWORD, HRESULT,
                                          IShellItem*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UpdateProgress(UINT, UINT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResetTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PauseTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResumeTimer() override { return S_OK; }

private:
    RecycleReport& report_;
};

// The engine advised of the watch for as long as this lives.
class Advised {
public:
    Advised(IFileOperation& operation, RecycleWatch& watch) : operation_(operation) {
        result_ = operation_.Advise(&watch, &cookie_);
    }
    ~Advised() {
        if (SUCCEEDED(result_)) operation_.Unadvise(cookie_);
    }
    Advised(const Advised&) = delete;
    Advised& operator=(const Advised&) = delete;
    HRESULT Result() const { return result_; }

private:
    IFileOperation& operation_;
    DWORD cookie_ = 0;
    HRESULT result_;
};

} // namespace

bool RecycleQuietly(const std::u16string& pathList, RecycleReport& report) {
    if (!IsShellPathList(pathList)) return true;
    const auto create = reinterpret_cast<CreateItem>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"shell32.dll"), "SHCreateItemFromParsingName")));
    ComPtr<IFileOperation> operation;
    HRESULT result = create ? CoCreateInstance(__uuidof(FileOperation), nullptr, CLSCTX_ALL,
                                               __uuidof(IFileOperation), operation.PutVoid())
                            : E_NOTIMPL;
    if (SUCCEEDED(result)) result = operation->SetOperationFlags(RecycleOperationFlags());
    if (FAILED(result)) return !EngineMissing(result);
    RecycleWatch watch(report);
    const Advised advised(*operation.Get(), watch);
    if (FAILED(advised.Result())) return !EngineMissing(advised.Result());
    for (const char16_t* path = pathList.c_str(); *path;
         path += std::char_traits<char16_t>::length(path) + 1) {
        ComPtr<IShellItem> item;
        // A file gone since the walk has no item; it counts as gone afterwards.
        if (FAILED(create(AsWide(path), nullptr, __uuidof(IShellItem), item.PutVoid()))) continue;
        result = operation->DeleteItem(item.Get(), nullptr);
        if (FAILED(result)) return !EngineMissing(result);
    }
    result = operation->PerformOperations();
    return !EngineMissing(result);
}
