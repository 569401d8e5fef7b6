#include "toolkit/form.h"

#include "platform/shift_jis.h"
#include "toolkit/application.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

// Posted by Release: the form is destroyed when the event loop handles it.
constexpr UINT kReleaseMessage = WM_APP + 0x100;

int ScreenDpi() {
    const ScreenDC screen;
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kDesignDpi;
    return dpi > 0 ? dpi : kDesignDpi;
}

// An edit selects its whole text when the focus arrives other than by a click into it.
void SelectAllUnlessClicked(HWND control) {
    wchar_t cls[8] = {};
    GetClassNameW(control, cls, 8);
    if (lstrcmpiW(cls, L"Edit") == 0 && GetKeyState(VK_LBUTTON) >= 0)
        SendMessageW(control, EM_SETSEL, 0, -1);
}

bool IsOurChild(HWND form, HWND control) {
    return control && control != form && IsChild(form, control);
}

} // namespace

TForm::TForm(TApplication& app, TForm* owner)
    : TWindow(app), owner_(owner), textHeight_(ScaledFontHeight(ScreenDpi())) {
    font_ = CreateDesignFont(textHeight_);
    app.AddForm(this);
}

TForm::~TForm() {
    Application().RemoveForm(this);
    owned_.clear();
    DestroyHandle();
}

int TForm::Scale(int designLength) const { return ScaleToText(designLength, textHeight_); }
Bounds TForm::Scale(const Bounds& design) const { return ScaleToText(design, textHeight_); }

void TForm::CreateForm(const wchar_t* className, const std::string& caption, DWORD style,
                       DWORD exStyle, int clientWidth, int clientHeight, int left, int top) {
    WNDCLASSEXW cls = OwnClass(className, CS_DBLCLKS);
    cls.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.hIcon = LoadIconW(Application().Instance(), MAKEINTRESOURCEW(1));
    RegisterClassOnce(cls);

    const int width = Scale(clientWidth), height = Scale(clientHeight);
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    HWND ownerWindow = owner_ ? owner_->Handle() : Application().Handle();
    CreateHandle(exStyle, className, caption, style, left, top, outer.right - outer.left,
                 outer.bottom - outer.top, ownerWindow, 0);
    layout_.SetDesignClient(width, height);
}

HWND TForm::AddControl(const wchar_t* className, const std::string& text, DWORD style,
                       DWORD exStyle, const Bounds& design, unsigned anchors, HWND parent,
                       TAnchorLayout* layout) {
    const Bounds b = Scale(design);
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++));
    HWND hwnd = CreateWindowExW(exStyle, className, AsWide(SjisToUtf16(text).c_str()),
                                style | WS_CHILD | WS_VISIBLE, b.left, b.top, b.width, b.height,
                                parent ? parent : Handle(), id, Application().Instance(), nullptr);
    if (!hwnd)
        throw std::runtime_error("CreateWindowEx failed: " + Utf16ToSjis(AsUtf16(className)));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    (layout ? layout : &layout_)->Add(hwnd, b, anchors);
    return hwnd;
}

void TForm::OnCommand(HWND control, std::function<void(int code)> handler) {
    commands_[control] = std::move(handler);
}

void TForm::BindAction(TAction& action, HWND control, bool showHint) {
    action.Bind(control);
    OnCommand(control, [&action](int code) {
        if (code == BN_CLICKED) action.Execute();
    });
    if (showHint) ShowHint(control, action.Hint());
}

void TForm::SetLabelText(HWND label, const std::string& text, bool autoSize, HDC measure) {
    const std::u16string wide = SjisToUtf16(text);
    SetWindowTextW(label, AsWide(wide.c_str()));
    if (!autoSize) return;
    std::optional<ScreenDC> own;
    if (!measure) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
        measure = own.emplace(font ? font : font_.Get()).Get();
    }
    RECT r{0, 0, 0, 0};
    if (measure)
        DrawTextW(measure, AsWide(wide.c_str()), static_cast<int>(wide.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    const int height = std::max<int>(r.bottom, Scale(12));
    // A resize to the same size still costs a round of window messages, and a
    // running count mostly keeps its width.
    RECT now{};
    GetWindowRect(label, &now);
    if (now.right - now.left != r.right || now.bottom - now.top != height)
        SetWindowPos(label, nullptr, 0, 0, r.right, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layout_.SetDesignSize(label, r.right, height);
}

void TForm::SetMinimumClientWidth(int width) {
    minClientWidth_ = width;
    RECT client{}, outer{};
    GetClientRect(Handle(), &client);
    if (client.right >= width) return;
    GetWindowRect(Handle(), &outer);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left + width - client.right,
                 outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetDefaultButton(HWND button, bool isDefault) {
    auto it = std::find(defaultButtons_.begin(), defaultButtons_.end(), button);
    if (isDefault == (it != defaultButtons_.end())) return;
    if (isDefault)
        defaultButtons_.push_back(button);
    else
        defaultButtons_.erase(it);
    SendMessageW(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

HWND TForm::DefaultButton() const {
    // Several defaults at once: the one created first, which comes first in tab order.
    HWND best = nullptr;
    for (HWND b : defaultButtons_)
        if (!best || GetDlgCtrlID(b) < GetDlgCtrlID(best)) best = b;
    return best;
}

int TForm::ShowModal() {
    if (modal_) throw std::logic_error("ShowModal: already modal");
    HWND previous = GetActiveWindow();
    modalResult_ = mrNone;
    modal_ = true;
    {
        DisabledThreadWindows others(Handle());
        FormShow();
        ShowWindow(Handle(), SW_SHOW);
        SetActiveWindow(Handle());
        if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
        while (modalResult_ == mrNone) {
            Application().HandleMessage();
            if (Application().Terminated()) modalResult_ = mrCancel;
        }
    }
    ShowWindow(Handle(), SW_HIDE);
    modal_ = false;
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    if (Application().Terminated()) PostQuitMessage(0);
    return modalResult_;
}

void TForm::Release() { PostMessageW(Handle(), kReleaseMessage, 0, 0); }

void TForm::ReleaseOwned(TForm* form) {
    auto it = std::find_if(owned_.begin(), owned_.end(),
                           [form](const std::unique_ptr<TForm>& f) { return f.get() == form; });
    if (it != owned_.end()) owned_.erase(it);
}

bool TForm::IsShortCut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    bool ran = false;
    RunHandler([&] { ran = actions_.RunShortCut(ShortCutOf(msg.wParam)); });
    return ran;
}

TForm::TRunning::~TRunning() {
    // Posted, not done here: the handler's callers are still on the stack.
    if (--form_.running_ == 0 && form_.closeWaiting_) {
        form_.closeWaiting_ = false;
        PostMessageW(form_.Handle(), WM_CLOSE, 0, 0);
    }
}

void TForm::CloseRequested() {
    if (running_ == 0) {
        FormClose();
        DestroyWindow(Handle());
        return;
    }
    // A command is still running, its dialog perhaps in the middle of a search:
    // the dialog ends as its Cancel would end it, and the close follows.
    closeWaiting_ = true;
    for (const auto& form : owned_)
        if (form->Modal()) form->SetModalResult(mrCancel);
}

bool TForm::IsButtonEnter(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 || GetKeyState(VK_SHIFT) < 0)
        return false;
    HWND focus = GetFocus();
    if (!IsOurChild(Handle(), focus) || !IsWindowEnabled(focus)) return false;
    if (!(SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return false;
    SendMessageW(focus, BM_CLICK, 0, 0);
    return true;
}

void TForm::NextControl(HWND named, bool previous) {
    HWND target;
    if (named) {
        namedControl_ = named;
        const LONG style = GetWindowLongW(named, GWL_STYLE);
        if (!(style & WS_TABSTOP) || !IsWindowEnabled(named)) return;
        target = named;
    } else {
        HWND from = namedControl_ ? namedControl_ : GetFocus();
        target = GetNextDlgTabItem(Handle(), IsOurChild(Handle(), from) ? from : nullptr, previous);
    }
    namedControl_ = nullptr;
    if (!target) return;
    SetFocus(target);
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(target, EM_SETSEL, 0, -1);
}

LRESULT TForm::ChildNotification(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lParam);
        const int code = HIWORD(wParam);
        if (control) {
            if (code == EN_SETFOCUS) SelectAllUnlessClicked(control);
            auto it = commands_.find(control);
            if (it != commands_.end()) RunHandler([&] { it->second(code); });
            return 0;
        }
        // Enter and Esc from the dialog manager, for buttons it cannot find itself.
        HWND button = LOWORD(wParam) == IDOK       ? DefaultButton()
                      : LOWORD(wParam) == IDCANCEL ? cancelButton_
                                                   : nullptr;
        if (button && IsWindowEnabled(button)) SendMessageW(button, BM_CLICK, 0, 0);
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        auto it = labelColors_.find(reinterpret_cast<HWND>(lParam));
        if (it == labelColors_.end()) break;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, it->second);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    }
    return DefaultHandling(msg, wParam, lParam);
}

bool TForm::IsChildNotification(UINT msg) {
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return true;
    }
    return false;
}

LRESULT TForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (IsChildNotification(msg)) return ChildNotification(msg, wParam, lParam);
    switch (msg) {
    case DM_GETDEFID: {
        HWND button = DefaultButton();
        return button ? MAKELONG(GetDlgCtrlID(button), DC_HASDEFID) : 0;
    }
    case WM_NEXTDLGCTL:
        NextControl(lParam ? reinterpret_cast<HWND>(wParam) : nullptr, !lParam && wParam);
        return 0;
    case WM_GETMINMAXINFO: {
        // The system asks this for every resize request too, not only for the user's drag.
        if (minClientWidth_ <= 0) break;
        RECT outer{0, 0, minClientWidth_, 0};
        AdjustWindowRectEx(&outer, GetWindowLongW(Handle(), GWL_STYLE), FALSE,
                           GetWindowLongW(Handle(), GWL_EXSTYLE));
        LONG& least = reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.x;
        least = std::max<LONG>(least, outer.right - outer.left);
        return 0;
    }
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            layout_.Apply(LOWORD(lParam), HIWORD(lParam));
            // Moved controls would keep copied old drawing, and a bevel paints only its
            // edges: the form and every control draw themselves anew.
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (IsOurChild(Handle(), focus)) lastFocus_ = focus;
        } else if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        } else if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) {
            // Nothing to go back to: typing goes to the first control, as Tab would take it.
            SetFocus(first);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (modal_) {
            modalResult_ = mrCancel;
            return 0;
        }
        CloseRequested();
        return 0;
    case WM_ENDSESSION:
        // The process may be ended as soon as this returns, whatever is running.
        if (wParam && isMainForm_) FormClose();
        return 0;
    case WM_DESTROY:
        FormDestroy();
        if (isMainForm_) PostQuitMessage(0);
        return 0;
    case kReleaseMessage:
        if (owner_)
            owner_->ReleaseOwned(this); // destroys this object: nothing may follow
        else
            DestroyWindow(Handle());
        return 0;
    }
    return DefaultHandling(msg, wParam, lParam);
}
