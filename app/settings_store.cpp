#include "app/settings_store.h"

#include "app/list_file.h"
#include "app/settings_files.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "toolkit/ansi_code_page.h"

#include <stdexcept>

std::string UserSettingsDir(HWND owner) {
    const std::string base = AppDataFolder(owner);
    return base.empty() ? std::string() : SettingsDirIn(base, AnsiCodePage());
}

std::optional<std::vector<std::string>> ReadPatternList(const std::string& settingsDir) {
    if (settingsDir.empty()) return std::nullopt;
    const std::string path = ListFileName(settingsDir);
    if (!FileExists(path)) return std::nullopt;
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) throw std::runtime_error("ファイル " + path + " は開けません");
    return ParseListFile(bytes);
}

std::optional<TIniFile> OpenSettingsFile(const std::string& settingsDir) {
    if (settingsDir.empty()) return std::nullopt;
    const std::string path = SettingsFileName(settingsDir);
    if (!FileExists(path)) return std::nullopt;
    return std::optional<TIniFile>(std::in_place, path);
}

LastUse ReadLastUse(const TIniFile& ini) {
    LastUse last;
    last.folder = ini.ReadString("Last", "Folder", "");
    last.subfolders = ini.ReadBool("Last", "SubFolder", false);
    return last;
}
