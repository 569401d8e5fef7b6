// Where the per-user settings live, and how the settings file keeps the last folder.
#pragma once
#include "toolkit/code_page.h"

#include <optional>
#include <string>

// The application-data folder, "\" unless it ends in one, then "Brenvolt\Tavrix".
std::u16string SettingsDirIn(const std::u16string& appDataFolder);

// settingsDir + "\extentions.lst".
std::u16string ListFileName(const std::u16string& settingsDir);
// Where a save writes before moving the result over the list file in one step,
// so a failed save leaves the old list whole.
std::u16string TempListFileName(const std::u16string& settingsDir);
// settingsDir + "\tavrix.ini".
std::u16string SettingsFileName(const std::u16string& settingsDir);

// The last folder as the settings file keeps it. "Folder" holds its exact Shift_JIS
// form, as it always has, or nothing: a look-alike would name another folder. A
// folder without such a form (é, ¥, 한), or one that the file's rules would change
// (blanks at either end, quotes around it), is kept in "FolderUtf8" instead, as
// UTF-8 with every byte outside printable ASCII, and "%", "\"" and "'", as %XX.
struct SavedFolder {
    std::string folder;
    std::optional<std::string> utf8; // nothing: the key is not kept
};
SavedFolder SaveFolder(const std::u16string& folder, const CodePage& codePage);
// The folder from the two keys: "Folder" when it holds one, otherwise "FolderUtf8";
// empty when neither holds a readable one.
std::u16string LoadFolder(const std::string& folder, const std::optional<std::string>& utf8,
                          const CodePage& codePage);
