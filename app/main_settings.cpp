// Settings kept per user: the pattern list file and the settings file in SettingsDir.
#include "app/main.h"

#include "app/list_file.h"
#include "app/settings_files.h"
#include "app/settings_store.h"
#include "platform/file_system.h"
#include "toolkit/application.h"
#include "toolkit/failure_text.h"
#include "toolkit/ini_file.h"
#include "toolkit/scoped.h"
#include "toolkit/shift_jis.h"

#include <stdexcept>

namespace {

// The bounds to keep: a minimised window's own place is the one it is restored
// to, not the parking spot the system moved it to.
RECT KeptBounds(HWND window) {
    RECT r{};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (IsIconic(window) && GetWindowPlacement(window, &placement)) {
        r = placement.rcNormalPosition;
        // The restored place counts from the work area, the stored one from the screen.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY), &monitor))
            OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left,
                       monitor.rcWork.top - monitor.rcMonitor.top);
        return r;
    }
    GetWindowRect(window, &r);
    return r;
}

} // namespace

void TAutoTavrix::DetermineSettingsDir() {
    // Without the application-data folder there is no defined place: settings are skipped.
    SettingsDir = UserSettingsDir(Handle());
    if (!SettingsDir.empty() && !FolderExists(SettingsDir)) ForceDirectories(SettingsDir);
}

void TAutoTavrix::LoadPatternList() {
    std::optional<std::vector<std::string>> lines;
    try {
        lines = ReadPatternList(SettingsDir);
    } catch (const std::exception&) {
        // The window shows none of the stored patterns: saving it would wipe them.
        patternListUnread_ = true;
        throw;
    }
    if (!lines) return;
    RedrawSuspended quiet(ListBox1.Handle());
    ListBox1.Clear();
    for (const std::string& line : *lines)
        if (ListBox1.Add(line) < 0) throw std::runtime_error("行を挿入できません");
}

void TAutoTavrix::ReadSettings() {
    const std::optional<TIniFile> settings = SettingsFile(SettingsDir, true);
    if (!settings) return;
    const TIniFile& ini = *settings;
    // Each value is applied as read, in this order, without checks against the screen.
    RECT r{};
    GetWindowRect(Handle(), &r);
    const int left = ini.ReadInteger("Location", "Left", 0);
    SetWindowPos(Handle(), nullptr, left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const int top = ini.ReadInteger("Location", "Top", 0);
    SetWindowPos(Handle(), nullptr, left, top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const int width = ini.ReadInteger("Location", "Width", 0);
    SetWindowPos(Handle(), nullptr, left, top, width, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const int height = ini.ReadInteger("Location", "Height", 0);
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    const LastUse last = ReadLastUse(ini);
    Edit1.SetWideText(last.folder);
    opSubfolder->SetChecked(last.subfolders);
}

void TAutoTavrix::FormClose() {
    if (SettingsDir.empty()) return;
    // A failed save is reported, and the window still closes.
    try {
        if (patternListUnread_ || SavePatternList()) WriteSettings();
    } catch (const std::exception& e) {
        Application().ShowException(e);
    }
}

bool TAutoTavrix::SavePatternList() {
    std::vector<std::string> items;
    const int count = ListBox1.Count();
    items.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
        items.push_back(ListBox1.Item(i));
    const std::u16string path = ListFileName(SettingsDir);
    switch (ReplaceWholeFile(path, TempListFileName(SettingsDir), FormatListFile(items))) {
    case SaveResult::Saved:
        return true;
    case SaveResult::CannotCreate:
        throw EFileFailure(SjisToUtf16("ファイル ") + path + SjisToUtf16(" を作成できません"));
    case SaveResult::CannotWrite:
        break;
    }
    throw EFileFailure(path + SjisToUtf16(" に書き込めません"));
}

void TAutoTavrix::WriteSettings() {
    TIniFile ini = *SettingsFile(SettingsDir, false);
    const RECT r = KeptBounds(Handle());
    ini.WriteInteger("Location", "Left", r.left);
    ini.WriteInteger("Location", "Top", r.top);
    ini.WriteInteger("Location", "Width", r.right - r.left);
    ini.WriteInteger("Location", "Height", r.bottom - r.top);
    WriteLastUse(ini, LastUse{Edit1.WideText(), opSubfolder->Checked()});
}
