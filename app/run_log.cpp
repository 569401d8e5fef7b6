#include "app/run_log.h"

#include "base/utf8.h"

namespace {

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// Quoted as on a command line when a space would cut it.
std::u16string Argument(const std::u16string& text) {
    return text.find(u' ') == std::u16string::npos ? text : u"\"" + text + u"\"";
}

std::u16string Options(const RunSettings& settings) {
    std::u16string options = settings.subfolders ? u"/subfolders" : u"/nosubfolders";
    if (settings.olderThanDays)
        options += u" /olderthan " + Ascii(std::to_string(settings.olderThanDays));
    if (settings.fromList) options += u" /fromlist \"" + *settings.fromList + u"\"";
    return options;
}

const char* TakenLabel(UnattendedAction action) {
    switch (action) {
    case UnattendedAction::Trash:
        return "ゴミ箱へ: ";
    case UnattendedAction::Delete:
        return "削除: ";
    case UnattendedAction::List:
        break;
    }
    return "対象: ";
}

} // namespace

std::string RunLogBlock(const RunRecord& record, const CodePage& codePage) {
    std::u16string block;
    const auto line = [&](const char* label, const std::u16string& text) {
        block += Words(label, codePage) + text + u"\r\n";
    };
    line("開始: ", Ascii(IsoLocalTime(record.start)));
    line("コマンド: ", record.commandLine);
    if (const std::optional<RunSettings>& settings = record.settings) {
        line("フォルダー: ", settings->folder);
        std::u16string patterns;
        for (const std::string& pattern : settings->patterns)
            patterns +=
                (patterns.empty() ? u"" : u" ") + Argument(Words(pattern.c_str(), codePage));
        line("拡張子: ", patterns);
        line("オプション: ", Options(*settings));
        for (const std::u16string& path : record.listed)
            line(TakenLabel(UnattendedAction::List), path);
        for (const std::u16string& path : record.deleted.went)
            line(TakenLabel(settings->action), path);
    }
    for (const StayedFile& file : record.deleted.stayed)
        line("残り (", file.reason + u"): " + file.path);
    for (const std::u16string& path : record.skipped)
        block += SkippedLine(path, codePage) + u"\r\n";
    line("結果: ", record.summary);
    line("終了コード: ", Ascii(std::to_string(record.exitCode)));
    return Utf8Of(block + u"\r\n");
}

std::u16string SkippedLine(const std::u16string& path, const CodePage& codePage) {
    return Words("一覧にあるが対象外: \"", codePage) + path + u"\"";
}
