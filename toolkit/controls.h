// Thin, non-owning wrappers over the system controls: one line per message.
// The window they name is owned by its parent; they never destroy it. Every control
// is a Unicode one; the Shift_JIS texts of the program convert at this edge.
#pragma once
#include <windows.h>

#include "platform/shift_jis.h"

#include <string>

class TControl {
public:
    TControl() = default;
    explicit TControl(HWND hwnd) : hwnd_(hwnd) {}
    HWND Handle() const { return hwnd_; }
    // The text as Shift_JIS, a character without a byte form as a look-alike: for
    // texts of the program's own, never for a name.
    std::string Text() const { return Utf16ToSjis(WideText()); }
    void SetText(const std::string& text) const { SetWideText(SjisToUtf16(text)); }
    // The text exactly, as the person typed it or the system named it.
    std::u16string WideText() const {
        std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)), u'\0');
        if (!text.empty())
            text.resize(static_cast<std::size_t>(
                GetWindowTextW(hwnd_, AsWide(&text[0]), static_cast<int>(text.size()) + 1)));
        return text;
    }
    void SetWideText(const std::u16string& text) const {
        SetWindowTextW(hwnd_, AsWide(text.c_str()));
    }
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void SetFocus() const { ::SetFocus(hwnd_); }
    bool Focused() const { return GetFocus() == hwnd_; }

protected:
    HWND hwnd_ = nullptr;
};

// Single-line edit. Setting a different text raises EN_CHANGE before the setter
// returns; setting the text it already has raises nothing.
class TEdit : public TControl {
public:
    using TControl::TControl;
    void SetText(const std::string& text) const { SetWideText(SjisToUtf16(text)); }
    void SetWideText(const std::u16string& text) const {
        if (WideText() != text) TControl::SetWideText(text);
    }
    // Selection start (the caret) and length, in characters of the text.
    void GetSelection(int& start, int& length) const {
        DWORD s = 0, e = 0;
        SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        start = static_cast<int>(s);
        length = static_cast<int>(e - s);
    }
    void SetSelection(int start, int length) const {
        SendMessageW(hwnd_, EM_SETSEL, start, start + length);
    }
};

// List box of Shift_JIS items. LB_ERR (-1) answers "none" for the searches and the selection.
class TListBox : public TControl {
public:
    using TControl::TControl;
    int Count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }
    std::string Item(int index) const {
        const LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, index, 0);
        if (length == LB_ERR) return std::string();
        std::u16string wide(static_cast<std::size_t>(length) + 1, u'\0');
        const LRESULT got =
            SendMessageW(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&wide[0]));
        if (got <= 0) return std::string();
        wide.resize(static_cast<std::size_t>(got));
        return Utf16ToSjis(wide);
    }
    // First item equal to the text, letter case ignored; -1 for none.
    int FindExact(const std::string& text) const {
        return static_cast<int>(SendMessageW(hwnd_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(SjisToUtf16(text).c_str())));
    }
    // Index where the item landed; LB_ERR or LB_ERRSPACE when refused.
    int Add(const std::string& text) const {
        return static_cast<int>(SendMessageW(hwnd_, LB_ADDSTRING, 0,
                                             reinterpret_cast<LPARAM>(SjisToUtf16(text).c_str())));
    }
    void Delete(int index) const { SendMessageW(hwnd_, LB_DELETESTRING, index, 0); }
    // A number kept with the item wherever it moves; 0 until set.
    LPARAM ItemData(int index) const { return SendMessageW(hwnd_, LB_GETITEMDATA, index, 0); }
    void SetItemData(int index, LPARAM data) const {
        SendMessageW(hwnd_, LB_SETITEMDATA, index, data);
    }
    void Clear() const { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }
    int ItemIndex() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)); }
    // Raises no selection-change notification.
    void SetItemIndex(int index) const { SendMessageW(hwnd_, LB_SETCURSEL, index, 0); }
};

class TButton : public TControl {
public:
    using TControl::TControl;
    void Click() const { SendMessageW(hwnd_, BM_CLICK, 0, 0); }
    bool IsDefault() const {
        return (GetWindowLongW(hwnd_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
    bool Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
};
