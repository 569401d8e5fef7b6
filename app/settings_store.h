// Reading the saved settings, by the window at start-up and by an unattended run
// alike: the same files, the same rules.
#pragma once
#include "toolkit/ini_file.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The folder of the settings files; empty when the application-data folder cannot
// be told, and then there are no settings.
std::u16string UserSettingsDir(HWND owner);

// The lines of the pattern list file, in file order; nothing when there is no such
// file. Fails with "ファイル %s は開けません" when the file is there but cannot be read.
std::optional<std::vector<std::string>> ReadPatternList(const std::u16string& settingsDir);

// The settings file, on disk; `existing` gives it only when it is there.
std::optional<TIniFile> SettingsFile(const std::u16string& settingsDir, bool existing);

// The folder and the subfolder option of the last use, as the settings file holds them.
struct LastUse {
    std::u16string folder;
    bool subfolders = false;
};
LastUse ReadLastUse(const TIniFile& ini);
// Writes "Folder", "SubFolder" and, for a folder without a Shift_JIS form, "FolderUtf8".
void WriteLastUse(TIniFile& ini, const LastUse& last);
