// A top-level window with its controls: design layout scaled to the screen,
// anchors, actions, hints, keyboard navigation, modal show and posted release.
#pragma once
#include <windows.h>

#include "toolkit/action.h"
#include "toolkit/anchors.h"
#include "toolkit/gdi.h"
#include "toolkit/hints.h"
#include "toolkit/window.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TForm : public TWindow {
public:
    TForm(TApplication& app, TForm* owner);
    ~TForm() override;

    TForm* Owner() const { return owner_; }
    TActionList& Actions() { return actions_; }
    HFONT FontHandle() const { return font_.Get(); }
    // The window font's text height: 12 at 96 pixels per inch.
    int TextHeight() const { return textHeight_; }
    int Scale(int designLength) const;
    Bounds Scale(const Bounds& design) const;

    // A child control of a system class at its scaled design bounds, in the form's font;
    // `text` is Shift_JIS. `parent` nullptr means the form; `layout` nullptr means the
    // form's anchors.
    HWND AddControl(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                    const Bounds& design, unsigned anchors, HWND parent = nullptr,
                    TAnchorLayout* layout = nullptr);
    void OnCommand(HWND control, std::function<void(int code)> handler);
    void BindAction(TAction& action, HWND control, bool showHint);
    void ShowHint(HWND control, const std::string& text) { hints_.Add(Handle(), control, text); }
    // Text colour of a label (static control), drawn on the form's background.
    void SetLabelColor(HWND label, COLORREF color) { labelColors_[label] = color; }
    // Sets a label's text; an auto-sized label takes the size of its text, measured
    // on `measure` when given (a surface with the label's font selected).
    void SetLabelText(HWND label, const std::string& text, bool autoSize, HDC measure = nullptr);
    // The narrowest client area the window may be sized to, by the user's drag or by any
    // resize request; a narrower window grows to it now.
    void SetMinimumClientWidth(int width);
    // A default button is clicked by Enter where the focused control does not use it.
    void SetDefaultButton(HWND button, bool isDefault);
    HWND DefaultButton() const;
    void SetCancelButton(HWND button) { cancelButton_ = button; }

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool Modal() const { return modal_; }
    int ShowModal();
    bool IsMainForm() const { return isMainForm_; }
    // Destroys the form when the event loop next handles the request.
    void Release();
    void Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

    // Ctrl shortcuts, offered to the actions before the focused control sees the key.
    bool IsShortCut(const MSG& msg);
    // Runs a handler of this form's commands. A close request that arrives meanwhile
    // (from an event pump inside the handler) cancels the form's modal dialogs and
    // waits until the handler has returned: the form is never destroyed under it.
    template <typename F> void RunHandler(F&& handler) {
        TRunning running(*this);
        handler();
    }
    // Enter on a focused push button clicks that button, whatever the default is.
    bool IsButtonEnter(const MSG& msg);
    // Idle-time update of the actions bound to visible controls.
    virtual void UpdateActions() { actions_.UpdateVisible(); }

    // What a child tells its parent about itself (a command, a notification, a request
    // for its colours): the form's handlers take it, also where a container (the group
    // box) is the parent and passes it on.
    static bool IsChildNotification(UINT msg);
    LRESULT ChildNotification(UINT msg, WPARAM wParam, LPARAM lParam);

    template <typename F> F& AddOwned(std::unique_ptr<F> form) {
        F& ref = *form;
        owned_.push_back(std::move(form));
        return ref;
    }
    std::size_t OwnedCount() const { return owned_.size(); }

protected:
    // Creates the window; the client area gets the scaled design size.
    void CreateForm(const wchar_t* className, const std::string& caption, DWORD style,
                    DWORD exStyle, int clientWidth, int clientHeight, int left = CW_USEDEFAULT,
                    int top = CW_USEDEFAULT);
    void SetMainForm() { isMainForm_ = true; }
    TAnchorLayout& Layout() { return layout_; }

    virtual void FormShow() {}
    virtual void FormClose() {}
    virtual void FormDestroy() {}

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Counts a running handler; the last one to return carries out a waiting close.
    class TRunning {
    public:
        explicit TRunning(TForm& form) : form_(form) { ++form_.running_; }
        ~TRunning();
        TRunning(const TRunning&) = delete;
        TRunning& operator=(const TRunning&) = delete;

    private:
        TForm& form_;
    };

    void CloseRequested();
    void ReleaseOwned(TForm* form);
    void NextControl(HWND named, bool previous);

    TForm* owner_;
    Font font_;
    int textHeight_ = kDesignTextHeight;
    int minClientWidth_ = 0;
    TAnchorLayout layout_;
    TActionList actions_;
    THints hints_;
    std::map<HWND, std::function<void(int)>> commands_;
    std::map<HWND, COLORREF> labelColors_;
    std::vector<HWND> defaultButtons_;
    HWND cancelButton_ = nullptr;
    HWND lastFocus_ = nullptr;
    HWND namedControl_ = nullptr;
    int nextId_ = 100;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool isMainForm_ = false;
    int running_ = 0;
    bool closeWaiting_ = false;
    std::vector<std::unique_ptr<TForm>> owned_;
};
