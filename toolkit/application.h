// The application object: hidden owner window, message loop with idle-time
// action updates, the event pump of long work, and the default failure handler.
#pragma once
#include <windows.h>

#include "platform/scoped.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

class TForm;
class TOwnerWindow;

class TApplication {
public:
    explicit TApplication(HINSTANCE instance);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    HINSTANCE Instance() const { return instance_; }
    // The hidden top-level window that owns the main window and the shell's dialogs.
    HWND Handle() const;
    const std::u16string& Title() const { return title_; }
    bool Terminated() const { return terminated_; }

    // Runs the message loop until WM_QUIT; returns its exit code.
    int Run();
    // Handles one message, or, when the queue is empty, runs the idle updates and waits.
    void HandleMessage();
    // Handles every pending message and returns when none is left.
    void ProcessMessages();
    // The idle step on its own: action updates of every visible, enabled form.
    void Idle();

    void ShowException(const std::exception& failure) noexcept;
    void ShowFailure(const std::u16string& message) noexcept;
    // Runs an entry from the message loop that is not a window procedure (a
    // shortcut, an idle update): a failure is shown like any other, and the loop
    // goes on. False when it failed.
    template <typename F> bool Guarded(F&& entry) noexcept {
        try {
            entry();
            return true;
        } catch (const std::exception& e) {
            ShowException(e);
        } catch (...) {
            ShowFailure(u"Unknown failure");
        }
        return false;
    }

    // Closes the main form as its own close box would; nothing without one.
    void CloseMainForm();

    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

private:
    bool ProcessMessage();
    bool PreTranslate(MSG& msg);

    // First, so the shell finds COM ready from the first window to the last.
    ComApartment com_;
    HINSTANCE instance_;
    std::u16string title_;
    std::unique_ptr<TOwnerWindow> window_;
    bool terminated_ = false;
    int exitCode_ = 0;
    std::vector<TForm*> forms_;
};
