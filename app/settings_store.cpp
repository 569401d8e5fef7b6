#include "app/settings_store.h"

#include "app/list_file.h"
#include "app/settings_files.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "toolkit/failure_text.h"
#include "toolkit/shift_jis.h"

namespace {

// Holds nothing of its own: every settings file goes through the one instance.
TDiskStore& Disk() {
    static TDiskStore disk;
    return disk;
}

} // namespace

std::u16string UserSettingsDir(HWND owner) {
    const std::u16string base = AppDataFolder(owner);
    return base.empty() ? std::u16string() : SettingsDirIn(base);
}

std::optional<std::vector<std::string>> ReadPatternList(const std::u16string& settingsDir) {
    if (settingsDir.empty()) return std::nullopt;
    const std::u16string path = ListFileName(settingsDir);
    if (!FileExists(path)) return std::nullopt;
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        throw EFileFailure(SjisToUtf16("ファイル ") + path + SjisToUtf16(" は開けません"));
    return ParseListFile(bytes);
}

std::optional<TIniFile> SettingsFile(const std::u16string& settingsDir, bool existing) {
    if (settingsDir.empty()) return std::nullopt;
    const std::u16string path = SettingsFileName(settingsDir);
    if (existing && !FileExists(path)) return std::nullopt;
    return std::optional<TIniFile>(std::in_place, path, Disk(), ShiftJis());
}

LastUse ReadLastUse(const TIniFile& ini) {
    LastUse last;
    const std::string folder = ini.ReadString("Last", "Folder", "");
    // Looked at only when "Folder" holds nothing: a program that knows only "Folder"
    // may have written a newer one since.
    std::optional<std::string> utf8;
    if (folder.empty()) {
        const std::string value = ini.ReadString("Last", "FolderUtf8", "");
        if (!value.empty()) utf8 = value;
    }
    last.folder = LoadFolder(folder, utf8, ShiftJis());
    last.subfolders = ini.ReadBool("Last", "SubFolder", false);
    return last;
}

void WriteLastUse(TIniFile& ini, const LastUse& last) {
    const SavedFolder saved = SaveFolder(last.folder, ShiftJis());
    ini.WriteString("Last", "Folder", saved.folder);
    ini.WriteBool("Last", "SubFolder", last.subfolders);
    if (saved.utf8)
        ini.WriteString("Last", "FolderUtf8", *saved.utf8);
    else
        ini.DeleteKey("Last", "FolderUtf8");
}
