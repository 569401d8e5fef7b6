#include "support/app_fixture.h"
#include "scratch_tree.h"

#include "app/settings.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/shift_jis.h"
#include "toolkit/controls.h"

#include <chrono>
#include <functional>
#include <ostream>
#include <thread>

Bounds BoundsOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void PrintTo(const Bounds& b, std::ostream* os) {
    *os << "(" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << ")";
}

std::string TestSettingsDir() { return Utf16ToSjis(SettingsDirIn(AppDataFolder(nullptr))); }

void RemoveSettingsFiles() {
    const std::u16string dir = SjisToUtf16(TestSettingsDir());
    for (const std::u16string& path :
         {ListFileName(dir), SettingsFileName(dir), TempFileName(ListFileName(dir)),
          TempFileName(SettingsFileName(dir))}) {
        SetFileAttributesW(AsWide(path.c_str()), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(AsWide(path.c_str()));
    }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    for (std::size_t i = 3; i < path.size(); ++i)
        if (path[i] == '\\') CreateDirectoryW(Wide(path.substr(0, i)).c_str(), nullptr);
    FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.Valid() ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        ADD_FAILURE() << "cannot write " << path;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    ReadWholeFile(SjisToUtf16(path), bytes);
    return bytes;
}

bool PathExists(const std::string& path) { return PathExists(SjisToUtf16(path)); }

void AppFixture::SetUp() { RemoveSettingsFiles(); }

void AppFixture::TearDown() {
    main.reset();
    app.reset();
    RemoveSettingsFiles();
}

void AppFixture::Discard() {
    main.reset();
    app.reset();
}

std::vector<std::string> AppFixture::ListItems() const {
    std::vector<std::string> items;
    for (int i = 0; i < main->ListBox1.Count(); ++i)
        items.push_back(main->ListBox1.Item(i));
    return items;
}

RECT AppFixture::MainBounds() const {
    RECT r{};
    GetWindowRect(main->Handle(), &r);
    return r;
}

int AppFixture::MainMinimumWidth() const {
    MINMAXINFO limits{};
    SendMessageW(main->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    return limits.ptMinTrackSize.x;
}

std::string AppFixture::ListPath() {
    return Utf16ToSjis(ListFileName(SjisToUtf16(TestSettingsDir())));
}
std::string AppFixture::IniPath() {
    return Utf16ToSjis(SettingsFileName(SjisToUtf16(TestSettingsDir())));
}

void AppFixture::RemoveSettingsTrees() {
    for (const std::string& path : {ListPath(), ListPath() + ".tmp", IniPath(), IniPath() + ".tmp"})
        RemoveTree(path);
}

void AppFixture::Start() { StartWith(FolderExists); }

void AppFixture::StartWith(TFolderWatch::Check folderCheck) {
    app = std::make_unique<TApplication>(GetModuleHandleW(nullptr));
    main = std::make_unique<TAutoTavrix>(*app, std::move(folderCheck));
    ShowWindow(main->Handle(), SW_SHOW);
    SetForegroundWindow(main->Handle());
    Pump();
}

void AppFixture::CloseMain() {
    SendMessageW(main->Handle(), WM_CLOSE, 0, 0);
    Pump();
    main.reset();
}

void AppFixture::Pump() {
    app->ProcessMessages();
    app->Idle();
}

bool AppFixture::PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

namespace {

void SetModifier(BYTE (&state)[256], int vk, bool down) { state[vk] = down ? 0x80 : 0; }

} // namespace

void AppFixture::Key(WORD vk, bool ctrl, bool shift, bool alt) {
    // Posted messages carry no keyboard state: set it, so GetKeyState agrees with the press.
    BYTE saved[256], state[256];
    GetKeyboardState(saved);
    GetKeyboardState(state);
    SetModifier(state, VK_CONTROL, ctrl);
    SetModifier(state, VK_SHIFT, shift);
    SetModifier(state, VK_MENU, alt);
    SetKeyboardState(state);
    HWND target = GetFocus() ? GetFocus() : main->Handle();
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, 0)) << 16;
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
    PostMessageW(target, down, vk, 1 | scan | (alt ? (1 << 29) : 0));
    Pump();
    PostMessageW(GetFocus() ? GetFocus() : target, up, vk,
                 1 | scan | (3u << 30) | (alt ? (1 << 29) : 0));
    Pump();
    SetKeyboardState(saved);
    Pump();
}

void AppFixture::Type(const std::string& text) {
    // Each character arrives whole, as the keyboard and the input method hand it on:
    // one UTF-16 WM_CHAR through the loop.
    for (const char16_t c : SjisToUtf16(text)) {
        HWND target = GetFocus() ? GetFocus() : main->Handle();
        PostMessageW(target, WM_CHAR, c, 1);
        Pump();
    }
}

void AppFixture::Paste(HWND control, const std::u16string& text) {
    ASSERT_TRUE(OpenClipboard(main->Handle()));
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block) {
        memcpy(GlobalLock(block), text.c_str(), bytes);
        GlobalUnlock(block);
        if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    }
    CloseClipboard();
    SetFocus(control);
    Key('V', true);
}

void AppFixture::Click(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
    Pump();
}

namespace {

std::string WindowText(HWND hwnd) { return TControl(hwnd).Text(); }

bool HasClass(HWND window, const wchar_t* name) {
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    return lstrcmpiW(cls, name) == 0;
}

BOOL CALLBACK AddButton(HWND hwnd, LPARAM param) {
    if (HasClass(hwnd, L"Button") && IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<std::string>*>(param)->push_back(WindowText(hwnd));
    return TRUE;
}

// The box's message: a message box keeps it in its static; the shell's own
// confirmation under Wine draws it from a window property.
std::string BoxText(HWND box) {
    const std::string text = WindowText(GetDlgItem(box, 0xFFFF));
    if (!text.empty()) return text;
    const auto* drawn = static_cast<const wchar_t*>(GetPropW(box, L"WINE_CONFIRM"));
    return drawn ? Utf16ToSjis(AsUtf16(drawn)) : std::string();
}

bool IsDialogBox(HWND window) { return HasClass(window, L"#32770"); }

// The innermost hook of this thread, for its hook procedure.
thread_local ActivationHook* activationHook = nullptr;

} // namespace

ActivationHook::ActivationHook(std::function<void(HWND)> activated)
    : activated_(std::move(activated)),
      hook_(SetWindowsHookExW(WH_CBT, Watch, nullptr, GetCurrentThreadId())),
      outer_(activationHook) {
    activationHook = this;
}

ActivationHook::~ActivationHook() {
    activationHook = outer_;
    if (hook_) UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK ActivationHook::Watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE)
        for (ActivationHook* hook = activationHook; hook; hook = hook->outer_)
            hook->activated_(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

MessageBoxCatcher::MessageBoxCatcher(int answer)
    : answer_(answer), hook_([this](HWND window) { Answer(window); }) {}

void MessageBoxCatcher::Answer(HWND box) {
    // A box activated again, after another window, is answered once.
    if (!IsDialogBox(box) || !answered_.insert(box).second) return;
    Box seen{WindowText(box), BoxText(box), {}, GetWindow(box, GW_OWNER)};
    EnumChildWindows(box, AddButton, reinterpret_cast<LPARAM>(&seen.buttons));
    boxes_.push_back(seen);
    // Taken up by the box's own loop once it runs.
    PostMessageW(box, WM_COMMAND, GetDlgItem(box, answer_) ? answer_ : IDOK, 0);
}

std::vector<MessageBoxCatcher::Box> BoxesDuring(const std::function<void()>& action, int answer) {
    MessageBoxCatcher catcher(answer);
    action();
    return catcher.Boxes();
}
