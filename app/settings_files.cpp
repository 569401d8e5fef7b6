#include "app/settings_files.h"

#include "toolkit/path_text.h"

std::string SettingsDirIn(const std::string& appDataFolder, const CodePage& codePage) {
    std::string dir = appDataFolder;
    if (!EndsWithSeparator(dir, codePage)) dir += '\\';
    return dir + "Brenvolt\\Tavrix";
}

std::string ListFileName(const std::string& settingsDir) {
    return settingsDir + "\\extentions.lst";
}

std::string TempListFileName(const std::string& settingsDir) {
    return ListFileName(settingsDir) + ".tmp";
}

std::string SettingsFileName(const std::string& settingsDir) {
    return settingsDir + "\\tavrix.ini";
}
