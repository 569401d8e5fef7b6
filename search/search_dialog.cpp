#include "search/search_dialog.h"

#include "platform/shell.h"
#include "search/findunit.h"
#include "search/found_files.h"
#include "search/path_fit.h"
#include "search/walk.h"
#include "toolkit/application.h"
#include "toolkit/gdi.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

constexpr int kClientWidth = 400;
constexpr int kClientHeight = 68;
constexpr UINT kStartDelayMs = 1000;
constexpr DWORD kLabelStyle = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

constexpr int kShellClipId = 150;
constexpr int kOwnClipId = 151;
constexpr WORD kLastFrame = 28;

// Opens the clip and loops frames 0 to 28; false when the module has no such
// clip or the clip has fewer frames.
bool PlayClip(HWND animate, HMODULE module, int id) {
    if (!module) return false;
    if (!SendMessageW(animate, ACM_OPENW, reinterpret_cast<WPARAM>(module),
                      reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(id))))
        return false;
    return SendMessageW(animate, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, kLastFrame)) != 0;
}

int ClientWidth(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r.right;
}

// The walk's view of the dialog: shows progress on the labels and lets the
// dialog's cancel controls take effect once per folder.
class DialogWalk : public WalkHost {
public:
    DialogWalk(TSearchDlg& dialog, TSearchSource& source)
        : dialog_(dialog), source_(source), profile_(dialog.Profile),
          // One measuring surface for the whole walk, in the label's own font.
          measure_(reinterpret_cast<HFONT>(SendMessageW(dialog.Label1.Handle(), WM_GETFONT, 0, 0))),
          // The count sizes itself on the same surface while it shares the font.
          countMeasure_(SendMessageW(dialog.Label4.Handle(), WM_GETFONT, 0, 0) ==
                                SendMessageW(dialog.Label1.Handle(), WM_GETFONT, 0, 0)
                            ? measure_.Get()
                            : nullptr),
          width_(ClientWidth(dialog.Label1.Handle())), folderText_(dialog.Label1.WideText()),
          countText_(dialog.Label4.Text()), textWidth_([this](const std::u16string& text) {
              profile_.Measured();
              return static_cast<int>(measure_.TextSize(text).cx);
          }) {}

    bool EnterFolder(const std::u16string& path) override {
        ShowFolder(path);
        {
            const auto timed = profile_.Time(TWalkProfile::FolderPaint);
            UpdateWindow(dialog_.Handle());
        }
        TApplication& app = dialog_.Application();
        {
            const auto timed = profile_.Time(TWalkProfile::Pump);
            app.ProcessMessages();
        }
        // A quit request ends the modal show with Cancel anyway; walking on
        // would only keep the program from closing.
        return dialog_.ModalResult() == mrCancel || app.Terminated();
    }

    bool SubfoldersOn() override { return source_.SubfoldersOn(); }
    bool Matches(const DirEntry& entry) override {
        const auto timed = profile_.Time(TWalkProfile::Match);
        return source_.Matches(entry.name);
    }

    void FileFound(const std::u16string& path, const DirEntry&) override {
        TFoundFiles& found = source_.Found();
        {
            const auto timed = profile_.Time(TWalkProfile::Add);
            found.Add(path);
        }
        ShowCount(found.Count());
        const auto timed = profile_.Time(TWalkProfile::CountPaint);
        UpdateWindow(dialog_.Handle());
    }

private:
    // The folder as it is named, whatever its characters.
    void ShowFolder(const std::u16string& path) {
        std::u16string text;
        {
            const auto timed = profile_.Time(TWalkProfile::Fit);
            text = FitPathToWidth(path, width_, textWidth_);
        }
        const auto timed = profile_.Time(TWalkProfile::FolderLabel);
        if (text == folderText_) return;
        folderText_ = std::move(text);
        dialog_.Label1.SetWideText(folderText_);
    }

    void ShowCount(std::size_t count) {
        const auto timed = profile_.Time(TWalkProfile::CountLabel);
        std::string text = std::to_string(count);
        if (text == countText_) return;
        countText_ = std::move(text);
        dialog_.SetLabelText(dialog_.Label4.Handle(), countText_, true, countMeasure_);
    }

    TSearchDlg& dialog_;
    TSearchSource& source_;
    TWalkProfile& profile_;
    ScreenDC measure_;
    HDC countMeasure_;
    int width_;
    std::u16string folderText_;
    std::string countText_;
    std::function<int(const std::u16string&)> textWidth_;
};

} // namespace

TSearchDlg::TSearchDlg(TApplication& app, TForm& owner, TSearchSource& source)
    : TForm(app, &owner), source_(source) {
    CreateForm(L"TSearchDlg", "検索中", WS_POPUP | WS_CAPTION | WS_SYSMENU,
               WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClientWidth, kClientHeight);
    // A fixed frame offers neither sizing nor minimising; only Move and Close stay.
    if (HMENU menu = GetSystemMenu(Handle(), FALSE)) {
        for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE})
            DeleteMenu(menu, command, MF_BYCOMMAND);
    }
    CreateControls();
    OpenClip();
    Timer1 = std::make_unique<TTimer>(app, kStartDelayMs, [this] { Timer1Timer(); });
}

TSearchDlg::~TSearchDlg() = default;

void TSearchDlg::CreateControls() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&classes);
    // Played by the control's own thread, so it keeps moving while the walk
    // holds the UI thread between folders.
    Animate1 = TControl(AddControl(ANIMATE_CLASSW, "", ACS_CENTER | ACS_TRANSPARENT, 0,
                                   {8, 8, 80, 50}, kAnchorsDefault));
    Label1 =
        TControl(AddControl(L"STATIC", "", kLabelStyle, 0, {104, 8, 289, 12}, kAnchorsDefault));
    Label2 =
        TControl(AddControl(L"STATIC", "", kLabelStyle, 0, {104, 24, 36, 12}, kAnchorsDefault));
    SetLabelText(Label2.Handle(), "準備中", true);
    Label3 =
        TControl(AddControl(L"STATIC", "", kLabelStyle, 0, {104, 48, 68, 12}, kAnchorsDefault));
    SetLabelText(Label3.Handle(), "見つかった数", true);
    Label4 = TControl(AddControl(L"STATIC", "", kLabelStyle, 0, {184, 48, 6, 12}, kAnchorsDefault));
    SetLabelText(Label4.Handle(), "0", true);
    // The only control that takes the focus, so Enter and Space press it too;
    // a focused button is not the default of a plain window by itself.
    Button1 = TButton(AddControl(L"BUTTON", "ｷｬﾝｾﾙ(&C)", BS_PUSHBUTTON | WS_TABSTOP, 0,
                                 {320, 32, 75, 25}, kAnchorsDefault));
    SetCancelButton(Button1.Handle());
    SetDefaultButton(Button1.Handle(), true);
    OnCommand(Button1.Handle(), [this](int code) {
        if (code == BN_CLICKED) SetModalResult(mrCancel);
    });
}

void TSearchDlg::OpenClip() {
    // The shell's clip where it has all 29 frames; otherwise our own of the
    // same size and length.
    HWND animate = Animate1.Handle();
    if (PlayClip(animate, ShellResources(), kShellClipId)) return;
    if (PlayClip(animate, Application().Instance(), kOwnClipId)) return;
    throw std::runtime_error("AVI を開くことができません");
}

void TSearchDlg::CenterOverOwner() {
    RECT owner{}, self{};
    GetWindowRect(Owner()->Handle(), &owner);
    GetWindowRect(Handle(), &self);
    // Integer division rounds each half toward zero, also when the owner is the smaller.
    const int left = owner.left + ((owner.right - owner.left) - (self.right - self.left)) / 2;
    const int top = owner.top + ((owner.bottom - owner.top) - (self.bottom - self.top)) / 2;
    SetWindowPos(Handle(), nullptr, std::max(left, 0), std::max(top, 0), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSearchDlg::FormShow() {
    source_.Found().Clear();
    CenterOverOwner();
}

void TSearchDlg::Timer1Timer() {
    // Off first: the walk handles events, and a second tick must not start a second walk.
    Timer1->SetEnabled(false);
    SetLabelText(Label2.Handle(), "を検索しています", true);
    RunSearch();
}

void TSearchDlg::RunSearch() {
    FindFileSource folders;
    DialogWalk walk(*this, source_);
    const bool completed = SearchTree(source_.StartFolder(), folders, walk);
    if (completed) SetModalResult(mrOk);
}
