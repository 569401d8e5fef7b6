// The settings kept per user, mapped to and from the window's controls.
#include "app/main.h"

#include "base/failure_text.h"
#include "base/opening_bounds.h"
#include "platform/file_system.h"
#include "platform/scoped.h"
#include "platform/shell.h"
#include "platform/shift_jis.h"
#include "toolkit/application.h"
#include "toolkit/work_areas.h"

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

Bounds BoundsOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

} // namespace

void TAutoTavrix::ReadSettings() {
    // Without the application-data folder there is no defined place: settings are skipped.
    SettingsDir = SettingsDirIn(AppDataFolder(Handle()));
    if (SettingsDir.empty()) return;
    if (!FolderExists(SettingsDir)) ForceDirectories(SettingsDir);
    TDiskStore disk;
    const Settings saved = LoadSettings(SettingsDir, disk, ShiftJis());

    RECT r{};
    GetWindowRect(Handle(), &r);
    const Bounds designed = BoundsOf(r);
    const Bounds opening = OpeningBounds(saved.bounds, designed, MonitorWorkAreas());
    if (!(opening == designed))
        SetWindowPos(Handle(), nullptr, opening.left, opening.top, opening.width, opening.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    Edit1.SetWideText(saved.folder);
    opSubfolder->SetChecked(saved.subfolders);

    patternFile_ = saved.patternFile;
    if (patternFile_ == PatternFile::Unread)
        throw EFileFailure(UnreadListText(SettingsDir, ShiftJis()));
    try {
        ShowPatterns(saved.patterns);
    } catch (const std::exception&) {
        // The window shows only part of the stored patterns: saving it would lose the rest.
        patternFile_ = PatternFile::Unread;
        throw;
    }
}

void TAutoTavrix::ShowPatterns(const std::vector<std::string>& patterns) {
    RedrawSuspended quiet(ListBox1.Handle());
    ListBox1.Clear();
    for (const std::string& line : patterns) {
        const int index = AddPattern(line);
        // Shown as the nearest text; saved as the bytes it was.
        if (Utf16ToSjis(SjisToUtf16(line)) != line) {
            rawPatterns_.push_back(line);
            ListBox1.SetItemData(index, static_cast<LPARAM>(rawPatterns_.size()));
        }
    }
}

std::vector<std::string> TAutoTavrix::Patterns() const {
    std::vector<std::string> items;
    const int count = ListBox1.Count();
    items.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
        const LPARAM raw = ListBox1.ItemData(i);
        items.push_back(raw > 0 ? rawPatterns_[static_cast<std::size_t>(raw - 1)]
                                : ListBox1.Item(i));
    }
    return items;
}

void TAutoTavrix::FormClose() {
    if (SettingsDir.empty()) return;
    // A failed save is reported, and the window still closes.
    Application().Guarded([this] { WriteSettings(); });
}

void TAutoTavrix::WriteSettings() {
    Settings current;
    current.bounds = BoundsOf(KeptBounds(Handle()));
    current.folder = Edit1.WideText();
    current.subfolders = opSubfolder->Checked();
    current.patterns = Patterns();
    current.patternFile = patternFile_;
    TDiskStore disk;
    SaveSettings(current, SettingsDir, disk, ShiftJis());
}
