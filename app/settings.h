// The settings kept per user in the settings folder: the pattern list file
// "extentions.lst" and the settings file "tavrix.ini". One value, loaded whole by the
// window at start and by an unattended run alike, and saved whole by the window at
// close. The window maps its controls to and from it.
#pragma once
#include "base/anchor_rules.h"
#include "base/code_page.h"
#include "base/file_store.h"

#include <string>
#include <vector>

// The application-data folder, "\" unless it ends in one, then "Brenvolt\Tavrix";
// empty without one, and then there are no settings.
std::u16string SettingsDirIn(const std::u16string& appDataFolder);
// settingsDir + "\extentions.lst".
std::u16string ListFileName(const std::u16string& settingsDir);
// settingsDir + "\tavrix.ini".
std::u16string SettingsFileName(const std::u16string& settingsDir);

// How much of the pattern list file the value holds.
enum class PatternFile {
    Whole,       // every line, or there is no file
    Unread,      // the file is there but cannot be read
    NotShiftJis, // a line of a file with a byte-order mark has no exact Shift_JIS form
};

struct Settings {
    // Where the window was; 0 for what the file does not give as a number.
    Bounds bounds{0, 0, 0, 0};
    std::u16string folder;
    // The file holds a folder that cannot be read whole; `folder` is then empty.
    bool folderUnreadable = false;
    bool subfolders = false;
    // Shift_JIS bytes, in file order.
    std::vector<std::string> patterns;
    // Anything but Whole keeps the list file as it is when the value is saved.
    PatternFile patternFile = PatternFile::Whole;
};

// Both files, in the encodings of base/text_encoding.h; the defaults for what
// is not there. Never fails: a file that cannot be read reads as missing.
Settings LoadSettings(const std::u16string& settingsDir, TFileStore& store,
                      const CodePage& shiftJis);

// Writes both files in the program's own form, Shift_JIS without a mark, each
// replaced whole: the list file first, then the settings file, whose text is built
// once, every line but the program's own keys kept. A file with a byte-order mark
// and a line without an exact Shift_JIS form is left as it is. Fails with an
// EFileFailure naming what was not written and why; a list file that cannot be
// written leaves the settings file untouched.
void SaveSettings(const Settings& settings, const std::u16string& settingsDir, TFileStore& store,
                  const CodePage& shiftJis);

// The settings messages, each naming the file's path.
enum class SettingsFault { CannotOpen, CannotCreate, CannotWrite, NotShiftJis };
std::u16string SettingsFaultText(SettingsFault fault, const std::u16string& path,
                                 const CodePage& shiftJis);
// The fault of a pattern list that is there but cannot be read, in that wording.
std::u16string UnreadListText(const std::u16string& settingsDir, const CodePage& shiftJis);
