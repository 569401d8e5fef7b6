#include "search_support.h"

#include "platform/shift_jis.h"
#include "search/found_files.h"

#include <algorithm>

void WatchingFixture::SetUp() {
    AppFixture::SetUp();
    Start();
    source = std::make_unique<WatchingSource>(*main);
}

void WatchingFixture::TearDown() {
    source.reset();
    AppFixture::TearDown();
}

std::u16string WatchingSource::StartFolder() const {
    if (startReads++ == 0) firstStartTick = GetTickCount();
    return main_.StartFolder();
}

bool WatchingSource::SubfoldersOn() const {
    Record("subfolders");
    if (onSubfolder) onSubfolder();
    return main_.SubfoldersOn();
}

bool WatchingSource::Matches(const char16_t* name) const {
    const std::string ansi = Utf16ToSjis(name);
    Record(ansi);
    if (onMatch) onMatch(ansi);
    return main_.Matches(name);
}

void WatchingSource::Record(const std::string& asked) const {
    WalkMoment moment{asked, "", "", ""};
    if (dialog) {
        moment.folder = Utf16ToSjis(dialog->Label1.WideText());
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
    for (std::u16string_view path : *main.FoundFiles)
        paths.push_back(Utf16ToSjis(path));
    return paths;
}

std::vector<std::u16string> FoundWidePaths(TAutoTavrix& main) {
    std::vector<std::u16string> paths;
    for (std::u16string_view path : *main.FoundFiles)
        paths.emplace_back(path);
    return paths;
}

std::vector<std::string> Sorted(std::vector<std::string> paths) {
    std::sort(paths.begin(), paths.end());
    return paths;
}

namespace {
// The one watch of this thread, for its hook procedure.
thread_local WhenTextShown* watching = nullptr;
} // namespace

WhenTextShown::WhenTextShown(std::u16string tail, std::function<void()> action)
    : tail_(std::move(tail)), action_(std::move(action)),
      hook_(SetWindowsHookExW(WH_CALLWNDPROC, Watch, nullptr, GetCurrentThreadId())) {
    watching = this;
}

WhenTextShown::~WhenTextShown() {
    watching = nullptr;
    if (hook_) UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK WhenTextShown::Watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    WhenTextShown* self = watching;
    if (code == HC_ACTION && self && !self->fired_ && call->message == WM_SETTEXT && call->lParam) {
        const std::u16string text = AsUtf16(reinterpret_cast<const wchar_t*>(call->lParam));
        const std::u16string& tail = self->tail_;
        if (text.size() >= tail.size() &&
            text.compare(text.size() - tail.size(), tail.size(), tail) == 0) {
            self->fired_ = true;
            self->action_();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
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
