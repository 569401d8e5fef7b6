// Settings kept per user: the pattern list file and the settings file in SettingsDir.
#include "app/main.h"

#include "app/list_file.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "toolkit/ansi_code_page.h"
#include "toolkit/application.h"
#include "toolkit/ini_file.h"

#include <stdexcept>

namespace {

const char kSettingsFile[] = "\\tavrix.ini";

// A trail byte 0x5C is part of its character, never a final separator.
bool EndsWithSeparator(const std::string& path) {
    const CodePage& cp = AnsiCodePage();
    bool last = false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        last = path[i] == '\\';
        if (cp.IsLeadByte(static_cast<unsigned char>(path[i]))) ++i;
    }
    return last;
}

// Suspends a list box's screen updates for the scope.
class RedrawSuspended {
public:
    explicit RedrawSuspended(const TListBox& list) : list_(list) { list_.SetRedraw(false); }
    ~RedrawSuspended() {
        list_.SetRedraw(true);
        InvalidateRect(list_.Handle(), nullptr, TRUE);
    }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    const TListBox& list_;
};

} // namespace

void TAutoTavrix::DetermineSettingsDir() {
    std::string base = AppDataFolder(Handle());
    // Without the application-data folder there is no defined place: settings are skipped.
    if (base.empty()) return;
    if (!EndsWithSeparator(base)) base += '\\';
    SettingsDir = base + "Brenvolt\\Tavrix";
    if (!FolderExists(SettingsDir)) ForceDirectories(SettingsDir);
}

void TAutoTavrix::LoadPatternList() {
    if (SettingsDir.empty()) return;
    const std::string path = ListFileName(SettingsDir);
    if (!FileExists(path)) return;
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) throw std::runtime_error("ファイル " + path + " は開けません");
    RedrawSuspended quiet(ListBox1);
    ListBox1.Clear();
    for (const std::string& line : ParseListFile(bytes))
        if (ListBox1.Add(line) < 0) throw std::runtime_error("行を挿入できません");
}

void TAutoTavrix::ReadSettings() {
    if (SettingsDir.empty()) return;
    const std::string path = SettingsDir + kSettingsFile;
    if (!FileExists(path)) return;
    TIniFile ini(path);
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
    Edit1.SetText(ini.ReadString("Last", "Folder", ""));
    opSubfolder->SetChecked(ini.ReadBool("Last", "SubFolder", false));
}

void TAutoTavrix::FormClose() {
    if (SettingsDir.empty()) return;
    // A failed save is reported, and the window still closes.
    try {
        if (SavePatternList()) WriteSettings();
    } catch (const std::exception& e) {
        Application().ShowException(e);
    }
}

bool TAutoTavrix::SavePatternList() {
    std::vector<std::string> items;
    const int count = ListBox1.Count();
    items.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) items.push_back(ListBox1.Item(i));
    const std::string path = ListFileName(SettingsDir);
    switch (ReplaceFile(path, TempListFileName(SettingsDir), FormatListFile(items))) {
    case SaveResult::Saved:
        return true;
    case SaveResult::CannotCreate:
        throw std::runtime_error("ファイル " + path + " を作成できません");
    case SaveResult::CannotWrite:
        break;
    }
    throw std::runtime_error(path + " に書き込めません");
}

void TAutoTavrix::WriteSettings() {
    TIniFile ini(SettingsDir + kSettingsFile);
    RECT r{};
    GetWindowRect(Handle(), &r);
    ini.WriteInteger("Location", "Left", r.left);
    ini.WriteInteger("Location", "Top", r.top);
    ini.WriteInteger("Location", "Width", r.right - r.left);
    ini.WriteInteger("Location", "Height", r.bottom - r.top);
    ini.WriteString("Last", "Folder", Edit1.Text());
    ini.WriteBool("Last", "SubFolder", opSubfolder->Checked());
}
