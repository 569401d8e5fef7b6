// Thin, non-owning wrappers over the system controls: one line per message.
// The window they name is owned by its parent; they never destroy it.
#pragma once
#include <windows.h>

#include <string>

class TControl {
public:
    TControl() = default;
    explicit TControl(HWND hwnd) : hwnd_(hwnd) {}
    HWND Handle() const { return hwnd_; }
    std::string Text() const {
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)), '\0');
        if (!text.empty())
            text.resize(GetWindowTextA(hwnd_, &text[0], static_cast<int>(text.size()) + 1));
        return text;
    }
    void SetText(const std::string& text) const { SetWindowTextA(hwnd_, text.c_str()); }
    // The text as UTF-16: all of it only in a control created for UTF-16 text.
    std::u16string WideText() const {
        std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)), u'\0');
        if (!text.empty())
            text.resize(static_cast<std::size_t>(GetWindowTextW(
                hwnd_, reinterpret_cast<wchar_t*>(&text[0]), static_cast<int>(text.size()) + 1)));
        return text;
    }
    void SetWideText(const std::u16string& text) const {
        SetWindowTextW(hwnd_, reinterpret_cast<const wchar_t*>(text.c_str()));
    }
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void SetFocus() const { ::SetFocus(hwnd_); }
    bool Focused() const { return GetFocus() == hwnd_; }

protected:
    HWND hwnd_ = nullptr;
};

// Single-line edit. Setting a different text raises EN_CHANGE before SetText returns;
// setting the text it already has raises nothing.
class TEdit : public TControl {
public:
    using TControl::TControl;
    void SetText(const std::string& text) const {
        if (Text() != text) TControl::SetText(text);
    }
    // Selection start (the caret) and length, in bytes.
    void GetSelection(int& start, int& length) const {
        DWORD s = 0, e = 0;
        SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        start = static_cast<int>(s);
        length = static_cast<int>(e - s);
    }
    void SetSelection(int start, int length) const {
        SendMessageA(hwnd_, EM_SETSEL, start, start + length);
    }
};

// List box. LB_ERR (-1) answers "none" for the searches and the selection.
class TListBox : public TControl {
public:
    using TControl::TControl;
    int Count() const { return static_cast<int>(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)); }
    // Read as UTF-16 and converted here: Wine maps the ANSI LB_GETTEXT through a
    // fixed stack buffer of 512 characters, which a longer item overruns.
    std::string Item(int index) const {
        const LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, index, 0);
        if (length == LB_ERR) return std::string();
        std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT got =
            SendMessageW(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&wide[0]));
        if (got <= 0) return std::string();
        const int n = static_cast<int>(got);
        const int size =
            WideCharToMultiByte(CP_ACP, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), n, &text[0], size, nullptr, nullptr);
        return text;
    }
    // First item equal to the text, letter case ignored; -1 for none.
    int FindExact(const std::string& text) const {
        return static_cast<int>(SendMessageA(hwnd_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(text.c_str())));
    }
    // Index where the item landed; LB_ERR or LB_ERRSPACE when refused.
    int Add(const std::string& text) const {
        return static_cast<int>(
            SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void Delete(int index) const { SendMessageA(hwnd_, LB_DELETESTRING, index, 0); }
    void Clear() const { SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0); }
    int ItemIndex() const { return static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)); }
    // Raises no selection-change notification.
    void SetItemIndex(int index) const { SendMessageA(hwnd_, LB_SETCURSEL, index, 0); }
};

class TButton : public TControl {
public:
    using TControl::TControl;
    void Click() const { SendMessageA(hwnd_, BM_CLICK, 0, 0); }
    bool IsDefault() const {
        return (GetWindowLongA(hwnd_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
    bool Checked() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
};
