#include "app/command_line.h"

#include "app/typed_pattern.h"
#include "platform/exact_path.h"

const char kUsage[] =
    "使い方: tavrix.exe /list | /trash | /delete [/folder フォルダー] [/pattern 拡張子]...\r\n"
    "                   [/subfolders | /nosubfolders] [/olderthan 日数] [/summary]\r\n"
    "                   [/fromlist 一覧] [/log ログ]\r\n"
    "  /list          削除の対象になるファイルを一行ずつ書き出す (何も削除しない)\r\n"
    "  /trash         対象のファイルをゴミ箱へ入れる\r\n"
    "  /delete        対象のファイルをゴミ箱へ入れずに削除する\r\n"
    "  /folder        整理するフォルダー (省略時は前回のフォルダー)\r\n"
    "  /pattern       拡張子 (繰り返し可。指定すると保存された一覧の代わりに使う)\r\n"
    "  /subfolders    サブフォルダーも検索する\r\n"
    "  /nosubfolders  サブフォルダーは検索しない\r\n"
    "  /olderthan     最終更新から実行開始までが 日数×24 時間を超えるファイルだけを対象にする\r\n"
    "                 (0 から 36500。0 はすべてのファイル。1 以上では、更新日時が不明か\r\n"
    "                 未来のファイルは対象外)\r\n"
    "  /summary       /list の最後に、対象の件数と合計サイズを標準エラーへ書き出す\r\n"
    "  /fromlist      対象のうち、一覧 (/list の出力、UTF-8) にあるパスだけを扱う\r\n"
    "  /log           実行の記録をログの末尾に追記する (UTF-8)\r\n"
    "設定は保存されたものを読むだけで、書き換えません。\r\n"
    "終了コード: 0 完了 / 1 使い方・一覧・ログの誤り / 2 フォルダーがない・拡張子がない / 3 "
    "残ったファイルがある / 4 ログに書き込めなかった";

namespace {

// ASCII letters lower-cased: option names are plain ASCII.
std::u16string AsciiLower(std::u16string text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

// The option's name without its "/" or "-", lower-cased; empty for a plain argument.
std::u16string OptionName(const std::u16string& arg) {
    if (arg.size() < 2 || (arg[0] != u'/' && arg[0] != u'-')) return std::u16string();
    return AsciiLower(arg.substr(1));
}

// A whole number of days in plain digits, at most kMaxOlderThanDays; none for anything
// else, a sign included.
std::optional<unsigned> DaysOf(const std::u16string& text) {
    if (text.empty()) return std::nullopt;
    unsigned days = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        days = days * 10 + static_cast<unsigned>(c - u'0');
        if (days > kMaxOlderThanDays) return std::nullopt;
    }
    return days;
}

} // namespace

ParsedCommand ParseCommandLine(const std::vector<std::u16string>& args, const CodePage& codePage) {
    ParsedCommand parsed;
    const auto fail = [&parsed](CommandProblem problem, std::u16string subject) {
        parsed.problem = problem;
        parsed.subject = std::move(subject);
        return parsed;
    };
    bool haveAction = false, haveAge = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string& arg = args[i];
        const std::u16string name = OptionName(arg);
        if (name == u"?" || name == u"help") return fail(CommandProblem::Help, arg);
        const bool list = name == u"list", trash = name == u"trash", remove = name == u"delete";
        if (list || trash || remove) {
            if (haveAction) return fail(CommandProblem::TwoActions, arg);
            haveAction = true;
            parsed.request.action = list    ? UnattendedAction::List
                                    : trash ? UnattendedAction::Trash
                                            : UnattendedAction::Delete;
        } else if (name == u"subfolders" || name == u"nosubfolders") {
            const bool on = name == u"subfolders";
            if (parsed.request.subfolders && *parsed.request.subfolders != on)
                return fail(CommandProblem::BothSubfolderOptions, arg);
            parsed.request.subfolders = on;
        } else if (name == u"summary") {
            parsed.request.summary = true;
        } else if (name == u"olderthan") {
            if (haveAge) return fail(CommandProblem::TwoAges, arg);
            haveAge = true;
            if (i + 1 == args.size()) return fail(CommandProblem::MissingValue, arg);
            const std::optional<unsigned> days = DaysOf(args[++i]);
            if (!days) return fail(CommandProblem::BadDays, args[i]);
            parsed.request.olderThanDays = *days;
        } else if (name == u"fromlist" || name == u"log") {
            const bool log = name == u"log";
            std::optional<std::u16string>& file =
                log ? parsed.request.log : parsed.request.fromList;
            if (file) return fail(log ? CommandProblem::TwoLogs : CommandProblem::TwoLists, arg);
            if (i + 1 == args.size()) return fail(CommandProblem::MissingValue, arg);
            file = args[++i];
        } else if (name == u"folder" || name == u"pattern") {
            if (i + 1 == args.size()) return fail(CommandProblem::MissingValue, arg);
            const std::u16string& value = args[++i];
            if (name == u"folder") {
                // The shell's request documents neither device form.
                if (IsDevicePath(value)) return fail(CommandProblem::DeviceFolder, value);
                if (!IsAbsolutePath(value)) return fail(CommandProblem::RelativeFolder, value);
                parsed.request.folder = value;
                continue;
            }
            std::optional<std::string> pattern = TypedPattern(value, codePage);
            if (!pattern) return fail(CommandProblem::PatternNotText, value);
            if (pattern->empty()) return fail(CommandProblem::EmptyPattern, value);
            if (!parsed.request.patterns) parsed.request.patterns.emplace();
            parsed.request.patterns->push_back(std::move(*pattern));
        } else {
            return fail(CommandProblem::UnknownOption, arg);
        }
    }
    if (!haveAction) return fail(CommandProblem::NoAction, std::u16string());
    return parsed;
}
