#include "app/main.h"

#include "platform/exact_path.h"
#include "platform/file_system.h"
#include "search/findunit.h"
#include "toolkit/application.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr int kClientWidth = 386;
constexpr int kClientHeight = 299;
constexpr unsigned kLeftTopRight = akLeft | akTop | akRight;
constexpr unsigned kTopRight = akTop | akRight;
constexpr unsigned kAll = akLeft | akTop | akRight | akBottom;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
// Posted when a folder check answers: the loop then runs the idle updates again.
constexpr UINT kFolderAnswered = WM_APP + 0x101;

} // namespace

TAutoTavrix::TAutoTavrix(TApplication& app) : TAutoTavrix(app, FolderExists) {}

TAutoTavrix::TAutoTavrix(TApplication& app, TFolderWatch::Check folderCheck) : TForm(app, nullptr) {
    AutoTavrix = this;
    SetMainForm();
    CreateForm(L"TAutoTavrix", "自動選択削除", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
               WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kClientWidth, kClientHeight);
    CreateControls();
    CreateActions();
    CreateFooter();
    HWND window = Handle();
    folderWatch_ = std::make_unique<TFolderWatch>(
        std::move(folderCheck), [window] { PostMessageW(window, kFolderAnswered, 0, 0); });
    FormCreate();
}

TAutoTavrix::~TAutoTavrix() {
    DestroyHandle();
    if (AutoTavrix == this) AutoTavrix = nullptr;
}

// Created in tab order, so the dialog manager's z-order walk is the tab order
// and Label1's mnemonic lands on Edit1, the control after it.
void TAutoTavrix::CreateControls() {
    Label1 = TControl(AddControl(L"STATIC", "", SS_LEFT, 0, {8, 8, 116, 12}, kAnchorsDefault));
    SetLabelText(Label1.Handle(), "整理するフォルダー(&F)", true);
    Edit1 = TEdit(AddControl(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                             {8, 24, 201, 20}, kLeftTopRight));
    Button1 = TButton(AddControl(L"BUTTON", "", kButton, 0, {216, 24, 57, 20}, kTopRight));
    CheckBox1 = TButton(
        AddControl(L"BUTTON", "", BS_CHECKBOX | WS_TABSTOP, 0, {8, 48, 209, 17}, kAnchorsDefault));

    XPGroupBox1 = std::make_unique<TXPGroupBox>(Application(), *this);
    const Bounds box = Scale(Bounds{8, 72, 273, 169});
    XPGroupBox1->CreateBox(Handle(), "拡張子", box.left, box.top, box.width, box.height);
    SendMessageW(XPGroupBox1->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), 0);
    Layout().Add(XPGroupBox1->Handle(), box, kAll);
    HWND group = XPGroupBox1->Handle();
    TAnchorLayout* groupLayout = &XPGroupBox1->Layout();
    Edit2 = TEdit(AddControl(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                             {8, 16, 193, 20}, kLeftTopRight, group, groupLayout));
    Button2 = TButton(
        AddControl(L"BUTTON", "", kButton, 0, {208, 16, 57, 20}, kTopRight, group, groupLayout));
    ListBox1 = TListBox(AddControl(
        L"LISTBOX", "", LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
        WS_EX_CLIENTEDGE, {8, 40, 193, 121}, kAll, group, groupLayout));
    // The design's row, or a line of the font as it draws, when that is taller.
    TEXTMETRICW font{};
    GetTextMetricsW(ScreenDC(FontHandle()).Get(), &font);
    SendMessageW(ListBox1.Handle(), LB_SETITEMHEIGHT, 0, std::max<int>(Scale(12), font.tmHeight));
    Button3 = TButton(
        AddControl(L"BUTTON", "", kButton, 0, {208, 40, 57, 20}, kTopRight, group, groupLayout));

    Button4 = TButton(AddControl(L"BUTTON", "", kButton, 0, {296, 24, 81, 20}, kTopRight));
    Button5 = TButton(AddControl(L"BUTTON", "", kButton, 0, {296, 48, 81, 20}, kTopRight));
    Bevel1 = TControl(AddControl(L"STATIC", "", SS_ETCHEDVERT, WS_EX_TRANSPARENT, {288, 0, 9, 249},
                                 akTop | akRight | akBottom));
    // A line on its left side only: the static would draw a second one on its right edge,
    // over the buttons' borders. Transparent, so that after a resize the form paints
    // beneath it rather than leaving old drawing there. The window owns the region once
    // it takes it.
    Region leftEdge(CreateRectRgn(0, 0, 2, 0x7FFF));
    if (SetWindowRgn(Bevel1.Handle(), leftEdge.Get(), FALSE)) leftEdge.Release();

    OnCommand(Edit2.Handle(), [this](int code) {
        if (code == EN_CHANGE) Edit2Change();
    });
    OnCommand(ListBox1.Handle(), [this](int code) {
        if (code == LBN_SELCHANGE) ListBox1Click();
    });
}

void TAutoTavrix::CreateActions() {
    auto add = [this](const char* name, const char* category, const char* caption, const char* hint,
                      WORD shortCut) {
        return &Actions().Add(std::make_unique<TAction>(name, category, caption, hint, shortCut));
    };
    using namespace std::placeholders;
    cmAdd = add("cmAdd", "extention", "追加(&A)", "拡張子を追加", 0x4041);
    cmAdd->OnExecute = std::bind(&TAutoTavrix::cmAddExecute, this, _1);
    cmAdd->OnUpdate = std::bind(&TAutoTavrix::cmAddUpdate, this, _1);
    cmDelete = add("cmDelete", "extention", "削除(&D)", "選択した拡張子の削除", 0x4044);
    cmDelete->OnExecute = std::bind(&TAutoTavrix::cmDeleteExecute, this, _1);
    cmDelete->OnUpdate = std::bind(&TAutoTavrix::cmDeleteUpdate, this, _1);
    opSubfolder = add("opSubfolder", "folder", "サブフォルダーも検索する(&S)", "", 0);
    opSubfolder->OnExecute = std::bind(&TAutoTavrix::opSubfolderExecute, this, _1);
    opSubfolder->OnUpdate = std::bind(&TAutoTavrix::opSubfolderUpdate, this, _1);
    cmFolder = add("cmFolder", "folder", "参照...", "フォルダーの参照", 0);
    cmFolder->OnExecute = std::bind(&TAutoTavrix::cmFolderExecute, this, _1);
    cmBitbacket = add("cmBitbacket", "command", "ゴミ箱へ(&B)", "ゴミ箱へ入れる", 0);
    cmBitbacket->OnExecute = std::bind(&TAutoTavrix::cmBitbacketExecute, this, _1);
    cmBitbacket->OnUpdate = std::bind(&TAutoTavrix::cmBitbacketUpdate, this, _1);
    cmBurn = add("cmBurn", "command", "削除(&G)", "ゴミ箱へ入れずに削除", 0);
    cmBurn->OnExecute = std::bind(&TAutoTavrix::cmBurnExecute, this, _1);

    BindAction(*cmAdd, Button2.Handle(), true);
    BindAction(*cmDelete, Button3.Handle(), true);
    BindAction(*opSubfolder, CheckBox1.Handle(), false);
    BindAction(*cmFolder, Button1.Handle(), true);
    BindAction(*cmBitbacket, Button4.Handle(), true);
    BindAction(*cmBurn, Button5.Handle(), true);
}

void TAutoTavrix::FormCreate() {
    // A settings file that cannot be read is reported; start-up still leaves a usable window.
    Application().Guarded([this] { ReadSettings(); });
    FillVersionLabel();
    PlaceFooter();
    FoundFiles = std::make_unique<TFoundFiles>();
}

void TAutoTavrix::FormDestroy() { FoundFiles.reset(); }

// A "/" is taken as "\" before the walk, so that every path found is in the form the
// shell's request reads.
std::u16string TAutoTavrix::StartFolder() const { return Backslashed(Edit1.WideText()); }

bool TAutoTavrix::Matches(const char16_t* name) const { return MatchesExtension(name); }
