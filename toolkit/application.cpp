#include "toolkit/application.h"

#include "base/failure_text.h"
#include "platform/shift_jis.h"
#include "toolkit/form.h"
#include "toolkit/window.h"

#include <algorithm>
#include <stdexcept>

namespace {

// The title comes from the file name; a look-alike in a character without a
// Shift_JIS form only changes how it reads.
std::u16string TitleOf(HINSTANCE instance) {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(instance, path, MAX_PATH);
    return SjisToUtf16(ApplicationTitle(Utf16ToSjis(AsUtf16(path)), ShiftJis()));
}

} // namespace

// The hidden top-level window. A close request that reaches it (another program
// closing every window of ours) closes the main form the usual way: destroying this
// window on its own would take the main form with it, unsaved, mid-command.
class TOwnerWindow : public TWindow {
public:
    explicit TOwnerWindow(TApplication& app) : TWindow(app) {
        WNDCLASSEXW cls = OwnClass(L"TApplication");
        cls.hIcon = LoadIconW(app.Instance(), MAKEINTRESOURCEW(1));
        RegisterClassOnce(cls);
        CreateHandle(0, cls.lpszClassName, "", WS_POPUP | WS_CAPTION, 0, 0, 0, 0, nullptr, 0);
        SetWindowTextW(Handle(), AsWide(app.Title().c_str()));
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CLOSE) {
            Application().CloseMainForm();
            return 0;
        }
        return TWindow::HandleMessage(msg, wParam, lParam);
    }
};

TApplication::TApplication(HINSTANCE instance)
    : instance_(instance), title_(TitleOf(instance)),
      window_(std::make_unique<TOwnerWindow>(*this)) {}

TApplication::~TApplication() = default;

HWND TApplication::Handle() const { return window_->Handle(); }

void TApplication::CloseMainForm() {
    for (TForm* form : forms_)
        if (form->IsMainForm() && form->Handle()) PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
}

int TApplication::Run() {
    while (!terminated_)
        HandleMessage();
    return exitCode_;
}

void TApplication::HandleMessage() {
    if (!ProcessMessage()) {
        Idle();
        if (!terminated_) WaitMessage();
    }
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

// Every window of ours is a Unicode one, and so are the shell's and the system's
// dialogs: typed text arrives as whole characters, on any code page.
bool TApplication::ProcessMessage() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        exitCode_ = static_cast<int>(msg.wParam);
        return true;
    }
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

// Shortcuts go to the form's actions before the focused control; then the
// dialog manager gives Tab, mnemonics, Enter and Esc their meaning.
bool TApplication::PreTranslate(MSG& msg) {
    if (!msg.hwnd) return false;
    auto* form = dynamic_cast<TForm*>(TWindow::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    if (!form) return false;
    bool handled = false;
    // A failed shortcut has taken its key all the same.
    if (!Guarded([&] { handled = form->IsShortCut(msg) || form->IsButtonEnter(msg); })) return true;
    if (handled) return true;
    return IsDialogMessageW(form->Handle(), &msg) != FALSE;
}

void TApplication::Idle() {
    // A copy: an update may create or release forms.
    const std::vector<TForm*> forms = forms_;
    for (TForm* form : forms) {
        if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) continue;
        HWND hwnd = form->Handle();
        if (hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
            Guarded([form] { form->UpdateActions(); });
    }
}

void TApplication::ShowException(const std::exception& failure) noexcept {
    try {
        const auto* file = dynamic_cast<const EFileFailure*>(&failure);
        ShowFailure(file ? file->Message() : SjisToUtf16(failure.what()));
    } catch (...) {
        ShowFailure(u"Unknown failure");
    }
}

void TApplication::ShowFailure(const std::u16string& message) noexcept {
    HWND owner = GetActiveWindow();
    try {
        const std::u16string text = FailureBoxText(message);
        MessageBoxW(owner ? owner : Handle(), AsWide(text.c_str()), AsWide(title_.c_str()),
                    MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxW(owner ? owner : Handle(), AsWide(message.c_str()), L"", MB_OK | MB_ICONERROR);
    }
}

void TApplication::AddForm(TForm* form) { forms_.push_back(form); }

void TApplication::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}
