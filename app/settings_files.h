// Where the per-user settings live: the folder and its two files.
#pragma once
#include <string>

#include "toolkit/code_page.h"

// The application-data folder, "\" unless it ends in one, then "Brenvolt\Tavrix".
std::string SettingsDirIn(const std::string& appDataFolder, const CodePage& codePage);

// settingsDir + "\extentions.lst".
std::string ListFileName(const std::string& settingsDir);
// Where a save writes before moving the result over the list file in one step,
// so a failed save leaves the old list whole.
std::string TempListFileName(const std::string& settingsDir);
// settingsDir + "\tavrix.ini".
std::string SettingsFileName(const std::string& settingsDir);
