// Actions: named commands whose bound controls mirror their caption, hint,
// enabled and checked state, and which run only when their update leaves them enabled.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TAction {
public:
    using Handler = std::function<void(TAction& sender)>;

    TAction(std::string name, std::string category, std::string caption, std::string hint,
            WORD shortCut = 0)
        : name_(std::move(name)), category_(std::move(category)), caption_(std::move(caption)),
          hint_(std::move(hint)), shortCut_(shortCut) {}

    const std::string& Name() const { return name_; }
    const std::string& Category() const { return category_; }
    const std::string& Caption() const { return caption_; }
    const std::string& Hint() const { return hint_; }
    // Key code, plus 0x4000 for Ctrl; 0 for none.
    WORD ShortCut() const { return shortCut_; }
    bool Enabled() const { return enabled_; }
    bool Checked() const { return checked_; }
    void SetEnabled(bool enabled);
    void SetChecked(bool checked);

    Handler OnExecute;
    Handler OnUpdate;

    // Mirrors this action in a button or check box from now on.
    void Bind(HWND control);
    const std::vector<HWND>& Controls() const { return controls_; }

    // Runs the update handler; true when it did run.
    bool Update();
    // Update first, then the execute handler only if still enabled. True when it executed.
    bool Execute();

private:
    void Mirror(HWND control) const;

    std::string name_, category_, caption_, hint_;
    WORD shortCut_;
    bool enabled_ = true;
    bool checked_ = false;
    std::vector<HWND> controls_;
};

class TActionList {
public:
    TAction& Add(std::unique_ptr<TAction> action);
    const std::vector<std::unique_ptr<TAction>>& Actions() const { return actions_; }
    TAction* Find(HWND control) const;
    // Idle update: each action bound to a visible control.
    void UpdateVisible();
    // A key press matching a shortcut runs that action; true when it ran.
    bool RunShortCut(WORD shortCut);

private:
    std::vector<std::unique_ptr<TAction>> actions_;
};

// The shortcut code of a key press (key code + 0x4000 with Ctrl), 0 for a plain key.
WORD ShortCutOf(WPARAM virtualKey);
