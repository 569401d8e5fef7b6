#include "toolkit/application.h"

#include "toolkit/ansi_code_page.h"
#include "toolkit/failure_text.h"
#include "toolkit/form.h"
#include "toolkit/window.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::string ModuleFileName(HINSTANCE instance) {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(instance, path, MAX_PATH);
    return path;
}

} // namespace

// The hidden top-level window. A close request that reaches it (another program
// closing every window of ours) closes the main form the usual way: destroying this
// window on its own would take the main form with it, unsaved, mid-command.
class TOwnerWindow : public TWindow {
public:
    explicit TOwnerWindow(TApplication& app) : TWindow(app) {
        WNDCLASSEXA cls = OwnClass("TApplication");
        cls.hIcon = LoadIconA(app.Instance(), MAKEINTRESOURCEA(1));
        RegisterClassOnce(cls);
        CreateHandle(0, cls.lpszClassName, app.Title().c_str(), WS_POPUP | WS_CAPTION, 0, 0, 0, 0,
                     nullptr, 0);
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
    : instance_(instance), title_(ApplicationTitle(ModuleFileName(instance), AnsiCodePage())),
      window_(std::make_unique<TOwnerWindow>(*this)) {}

TApplication::~TApplication() = default;

HWND TApplication::Handle() const { return window_->Handle(); }

void TApplication::CloseMainForm() {
    for (TForm* form : forms_)
        if (form->IsMainForm() && form->Handle()) PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
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

// A message for a Unicode window (the common controls) is taken and dispatched as
// Unicode: on the ANSI path the dialog manager hands on each byte of a double-byte
// character alone, and a typed Japanese character arrives as two wrong ones.
bool TApplication::ProcessMessage() {
    MSG next;
    if (!PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE)) return false;
    const bool unicode = next.hwnd && IsWindowUnicode(next.hwnd);
    // Take exactly the message looked at, even if another arrived in between.
    MSG msg;
    if (!(unicode ? PeekMessageW : PeekMessageA)(&msg, next.hwnd, next.message, next.message,
                                                 PM_REMOVE))
        return true;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        exitCode_ = static_cast<int>(msg.wParam);
        return true;
    }
    if (!PreTranslate(msg, unicode)) {
        TranslateMessage(&msg);
        if (unicode)
            DispatchMessageW(&msg);
        else
            DispatchMessageA(&msg);
    }
    return true;
}

// Shortcuts go to the form's actions before the focused control; then the
// dialog manager gives Tab, mnemonics, Enter and Esc their meaning.
bool TApplication::PreTranslate(MSG& msg, bool unicode) {
    if (!msg.hwnd) return false;
    auto* form = dynamic_cast<TForm*>(TWindow::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    if (!form) return false;
    bool handled = false;
    // A failed shortcut has taken its key all the same.
    if (!Guarded([&] { handled = form->IsShortCut(msg) || form->IsButtonEnter(msg); })) return true;
    if (handled) return true;
    return (unicode ? IsDialogMessageW : IsDialogMessageA)(form->Handle(), &msg) != FALSE;
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
    ShowFailure(failure.what());
}

void TApplication::ShowFailure(const std::string& message) noexcept {
    try {
        const std::string text = FailureBoxText(message, AnsiCodePage());
        HWND owner = GetActiveWindow();
        MessageBoxA(owner ? owner : Handle(), text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxA(Handle(), message.c_str(), "", MB_OK | MB_ICONERROR);
    }
}

void TApplication::AddForm(TForm* form) { forms_.push_back(form); }

void TApplication::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}
