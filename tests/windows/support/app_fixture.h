// A running application with its main window, driven through the real message
// loop: posted keyboard and mouse messages, idle updates, and a clean settings folder.
#pragma once
#include "app/main.h"
#include "toolkit/application.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// A control's bounds within its parent's client area; printed as numbers on failure.
Bounds BoundsOf(HWND control);
void PrintTo(const Bounds& b, std::ostream* os);

// The settings folder the program uses, and a fresh one for each test.
std::string TestSettingsDir();
void RemoveSettingsFiles();
// Writes a file with exactly these bytes (creating missing folders).
void WriteBytes(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it is missing.
std::string ReadBytes(const std::string& path);
// Whether anything is there under the path named exactly, as the program names it
// ("k." is not "k"): platform/file_system.h's PathExists of the Shift_JIS path.
bool PathExists(const std::string& path);

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the application and its main window (FormCreate runs), shown; the second
    // looks for the box's folder with `folderCheck`.
    void Start();
    void StartWith(TFolderWatch::Check folderCheck);
    // Closes the main window as the user would (FormClose saves) and ends the application.
    void CloseMain();

    // Handles everything pending, then one idle step, as the loop does when the queue empties.
    void Pump();
    // Pumps until `done` holds or the time runs out; false on timeout.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

    // A key press with the given modifiers, through the loop, to the focused control.
    void Key(WORD vk, bool ctrl = false, bool shift = false, bool alt = false);
    // Types text (Shift_JIS bytes) into the focused control as WM_CHAR messages, a
    // double-byte character as one UTF-16 character.
    void Type(const std::string& text);
    // Puts the text on the clipboard and pastes it into the control with Ctrl+V.
    void Paste(HWND control, const std::u16string& text);
    // A left click at the centre of a control.
    void Click(HWND control);
    // Ends the running application without closing the window: nothing is saved.
    void Discard();
    // The main window's patterns, in list order, and its bounds on the screen.
    std::vector<std::string> ListItems() const;
    RECT MainBounds() const;
    // The narrowest the main window may be made, by any request or by the user's drag.
    int MainMinimumWidth() const;

    // The pattern list file and the settings file in TestSettingsDir().
    static std::string ListPath();
    static std::string IniPath();
    // Removes what a case put where the settings files belong, folders included.
    static void RemoveSettingsTrees();

    std::unique_ptr<TApplication> app;
    std::unique_ptr<TAutoTavrix> main;
};

// The same with the application started for every case.
class StartedApp : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        Start();
    }
};

// Calls `activated` for each top-level window of this thread that is about to be
// activated (a message box, a dialog), through a per-thread CBT hook: a test acts
// on the event itself instead of looking for the window from time to time.
class ActivationHook {
public:
    explicit ActivationHook(std::function<void(HWND window)> activated);
    ~ActivationHook();
    ActivationHook(const ActivationHook&) = delete;
    ActivationHook& operator=(const ActivationHook&) = delete;

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam);
    std::function<void(HWND)> activated_;
    HHOOK hook_;
    ActivationHook* outer_;
};

// Answers every message box this thread shows with OK (or `answer`, where the box
// has that button), recording caption, text, buttons and owner.
class MessageBoxCatcher {
public:
    struct Box {
        std::string caption, text;
        std::vector<std::string> buttons;
        HWND owner = nullptr;
    };
    explicit MessageBoxCatcher(int answer = IDOK);
    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    void Answer(HWND box);
    int answer_;
    std::vector<Box> boxes_;
    std::set<HWND> answered_;
    ActivationHook hook_;
};

// The message boxes shown while `action` runs, each answered as MessageBoxCatcher does.
std::vector<MessageBoxCatcher::Box> BoxesDuring(const std::function<void()>& action,
                                                int answer = IDOK);
