#include "support/app_fixture.h"
#include "scratch_tree.h"

#include "app/settings_files.h"
#include "platform/shell.h"
#include "toolkit/ansi_code_page.h"

#include <chrono>
#include <fstream>
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

std::string TestSettingsDir() { return SettingsDirIn(AppDataFolder(nullptr), AnsiCodePage()); }

void RemoveSettingsFiles() {
    const std::string dir = TestSettingsDir();
    for (const std::string& path :
         {ListFileName(dir), SettingsFileName(dir), TempListFileName(dir)}) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    for (std::size_t i = 3; i < path.size(); ++i)
        if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

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

std::string AppFixture::ListPath() { return ListFileName(TestSettingsDir()); }
std::string AppFixture::IniPath() { return SettingsFileName(TestSettingsDir()); }

void AppFixture::RemoveSettingsTrees() {
    RemoveTree(ListPath());
    RemoveTree(TempListFileName(TestSettingsDir()));
    RemoveTree(IniPath());
}

void AppFixture::Start() {
    app = std::make_unique<TApplication>(GetModuleHandleA(nullptr));
    main = std::make_unique<TAutoTavrix>(*app);
    ShowWindow(main->Handle(), SW_SHOW);
    SetForegroundWindow(main->Handle());
    Pump();
}

void AppFixture::CloseMain() {
    SendMessageA(main->Handle(), WM_CLOSE, 0, 0);
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
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
    PostMessageA(target, down, vk, 1 | scan | (alt ? (1 << 29) : 0));
    Pump();
    PostMessageA(GetFocus() ? GetFocus() : target, up, vk,
                 1 | scan | (3u << 30) | (alt ? (1 << 29) : 0));
    Pump();
    SetKeyboardState(saved);
    Pump();
}

void AppFixture::Type(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        HWND target = GetFocus() ? GetFocus() : main->Handle();
        const BYTE ch = static_cast<BYTE>(text[i]);
        if (IsDBCSLeadByte(ch) && i + 1 < text.size()) {
            // A double-byte character arrives whole, as the input method hands it on: one
            // UTF-16 WM_CHAR through the loop. No keyboard sends its two bytes one by one,
            // and the system's joining of such a pair is not the same on every Wine.
            WCHAR wide = 0;
            MultiByteToWideChar(CP_ACP, 0, &text[i], 2, &wide, 1);
            ++i;
            PostMessageW(target, WM_CHAR, wide, 1);
        } else {
            PostMessageA(target, WM_CHAR, ch, 1);
        }
        Pump();
    }
}

void AppFixture::Click(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(control, WM_LBUTTONUP, 0, at);
    Pump();
}

namespace {

std::string WindowText(HWND hwnd) {
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

BOOL CALLBACK AddButton(HWND hwnd, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<std::string>*>(param)->push_back(WindowText(hwnd));
    return TRUE;
}

// The box's message: a message box keeps it in its static; the shell's own
// confirmation under Wine draws it from a window property.
std::string BoxText(HWND box) {
    char text[2048] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    if (text[0]) return text;
    const auto* drawn = static_cast<const WCHAR*>(GetPropW(box, L"WINE_CONFIRM"));
    if (drawn) WideCharToMultiByte(CP_ACP, 0, drawn, -1, text, sizeof text - 1, nullptr, nullptr);
    return text;
}

bool IsDialogBox(HWND window) {
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    return lstrcmpA(cls, "#32770") == 0;
}

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
    PostMessageA(box, WM_COMMAND, GetDlgItem(box, answer_) ? answer_ : IDOK, 0);
}

std::vector<MessageBoxCatcher::Box> BoxesDuring(const std::function<void()>& action, int answer) {
    MessageBoxCatcher catcher(answer);
    action();
    return catcher.Boxes();
}
