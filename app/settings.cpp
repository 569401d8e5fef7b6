#include "app/settings.h"

#include "app/settings_text.h"
#include "base/failure_text.h"
#include "base/ini_file.h"
#include "base/text_encoding.h"
#include "base/text_lines.h"
#include "base/utf8.h"

#include <optional>

namespace {

void ReadPatterns(std::string_view bytes, const CodePage& shiftJis, Settings& settings) {
    const FileText file = DecodeFileText(bytes);
    if (file.encoding == TextEncoding::ShiftJis) {
        settings.patterns = ParseListFile(file.text);
        return;
    }
    for (const std::string_view line : TextLines(file.text)) {
        // A look-alike would select other files: such a line selects none.
        if (std::optional<std::string> pattern = ShiftJisLine(line, shiftJis))
            settings.patterns.push_back(std::move(*pattern));
        else
            settings.patternFile = PatternFile::NotShiftJis;
    }
}

// The rules a settings file's text is read and written by: its own Shift_JIS, or
// UTF-8 for a file that came with a byte-order mark.
const CodePage& TextRules(const FileText& file, const CodePage& shiftJis) {
    return file.encoding == TextEncoding::ShiftJis ? shiftJis : Utf8Text();
}

void ReadSettingsFile(std::string_view bytes, const CodePage& shiftJis, Settings& settings) {
    FileText file = DecodeFileText(bytes);
    const CodePage& text = TextRules(file, shiftJis);
    const TIniFile ini(std::move(file.text), text);
    settings.bounds = {
        ini.ReadInteger("Location", "Left", 0), ini.ReadInteger("Location", "Top", 0),
        ini.ReadInteger("Location", "Width", 0), ini.ReadInteger("Location", "Height", 0)};
    const std::string folder = ini.ReadString("Last", "Folder", "");
    // Looked at only when "Folder" holds nothing: a program that knows only "Folder"
    // may have written a newer one since.
    std::optional<std::string> utf8;
    if (folder.empty()) {
        std::string value = ini.ReadString("Last", "FolderUtf8", "");
        if (!value.empty()) utf8 = std::move(value);
    }
    const std::optional<std::u16string> loaded = LoadFolder(folder, utf8, text);
    settings.folder = loaded.value_or(std::u16string());
    settings.folderUnreadable = !loaded;
    settings.subfolders = ini.ReadBool("Last", "SubFolder", false);
}

// The settings file's new text over its old bytes, in the order the keys have always
// been written, so a file of the program's own changes only where a value did.
// Nothing when a marked file keeps a line without an exact Shift_JIS form.
std::optional<std::string> SettingsFileText(const Settings& settings, std::string_view old,
                                            const CodePage& shiftJis) {
    FileText file = DecodeFileText(old);
    const bool own = file.encoding == TextEncoding::ShiftJis;
    const CodePage& text = TextRules(file, shiftJis);
    TIniFile ini(std::move(file.text), text);
    ini.WriteInteger("Location", "Left", settings.bounds.left);
    ini.WriteInteger("Location", "Top", settings.bounds.top);
    ini.WriteInteger("Location", "Width", settings.bounds.width);
    ini.WriteInteger("Location", "Height", settings.bounds.height);
    const SavedFolder saved = SaveFolder(settings.folder, shiftJis);
    // A marked file's text stays UTF-8 until the whole of it is converted.
    ini.WriteString("Last", "Folder",
                    own || saved.folder.empty() ? saved.folder : Utf8Of(settings.folder));
    ini.WriteBool("Last", "SubFolder", settings.subfolders);
    if (saved.utf8)
        ini.WriteString("Last", "FolderUtf8", *saved.utf8);
    else
        ini.DeleteKey("Last", "FolderUtf8");
    if (own) return ini.Bytes();
    return ShiftJisLines(ini.Bytes(), shiftJis);
}

} // namespace

std::u16string SettingsDirIn(const std::u16string& appDataFolder) {
    if (appDataFolder.empty()) return std::u16string();
    std::u16string dir = appDataFolder;
    if (dir.back() != u'\\') dir += u'\\';
    return dir + u"Brenvolt\\Tavrix";
}

std::u16string ListFileName(const std::u16string& settingsDir) {
    return settingsDir + u"\\extentions.lst";
}

std::u16string SettingsFileName(const std::u16string& settingsDir) {
    return settingsDir + u"\\tavrix.ini";
}

Settings LoadSettings(const std::u16string& settingsDir, TFileStore& store,
                      const CodePage& shiftJis) {
    Settings settings;
    if (settingsDir.empty()) return settings;
    std::string bytes;
    switch (store.Load(ListFileName(settingsDir), bytes)) {
    case LoadResult::Missing:
        break;
    case LoadResult::CannotOpen:
        settings.patternFile = PatternFile::Unread;
        break;
    case LoadResult::Loaded:
        ReadPatterns(bytes, shiftJis, settings);
        break;
    }
    if (store.Load(SettingsFileName(settingsDir), bytes) == LoadResult::Loaded)
        ReadSettingsFile(bytes, shiftJis, settings);
    return settings;
}

void SaveSettings(const Settings& settings, const std::u16string& settingsDir, TFileStore& store,
                  const CodePage& shiftJis) {
    // One message for everything not written, a failure last.
    std::u16string message;
    const auto note = [&](SettingsFault fault, const std::u16string& path) {
        if (!message.empty()) message += u"\r\n";
        message += SettingsFaultText(fault, path, shiftJis);
    };
    const auto fail = [&](SettingsFault fault, const std::u16string& path) {
        note(fault, path);
        throw EFileFailure(message);
    };

    const std::u16string list = ListFileName(settingsDir);
    if (settings.patternFile == PatternFile::Whole) {
        switch (store.Store(list, FormatListFile(settings.patterns))) {
        case SaveResult::Saved:
            break;
        case SaveResult::CannotCreate:
            fail(SettingsFault::CannotCreate, list);
            break;
        case SaveResult::CannotWrite:
            fail(SettingsFault::CannotWrite, list);
            break;
        }
    } else if (settings.patternFile == PatternFile::NotShiftJis) {
        note(SettingsFault::NotShiftJis, list);
    }

    const std::u16string ini = SettingsFileName(settingsDir);
    std::string old;
    const LoadResult read = store.Load(ini, old);
    // Rewriting a file that could not be read would lose what it holds.
    if (read == LoadResult::CannotOpen) fail(SettingsFault::CannotWrite, ini);
    const std::optional<std::string> text =
        SettingsFileText(settings, read == LoadResult::Loaded ? old : std::string(), shiftJis);
    if (!text)
        note(SettingsFault::NotShiftJis, ini);
    else if (store.Store(ini, *text) != SaveResult::Saved)
        fail(SettingsFault::CannotWrite, ini);
    if (!message.empty()) throw EFileFailure(message);
}

std::u16string SettingsFaultText(SettingsFault fault, const std::u16string& path,
                                 const CodePage& shiftJis) {
    static const struct {
        const char *before, *after;
    } kTexts[] = {
        {"ファイル ", " は開けません"},
        {"ファイル ", " を作成できません"},
        {"", " に書き込めません"},
        {"ファイル ", " は Shift_JIS で表せない文字を含むため、保存しませんでした"},
    };
    const auto& text = kTexts[static_cast<int>(fault)];
    return Words(text.before, shiftJis) + path + Words(text.after, shiftJis);
}

std::u16string UnreadListText(const std::u16string& settingsDir, const CodePage& shiftJis) {
    return SettingsFaultText(SettingsFault::CannotOpen, ListFileName(settingsDir), shiftJis);
}
