#include "app/unattended.h"

#include "app/command_line.h"
#include "app/settings.h"
#include "app/size_text.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "search/file_age.h"
#include "search/findunit.h"
#include "search/found_files.h"
#include "search/match.h"
#include "search/shell_request.h"
#include "search/walk.h"
#include "toolkit/failure_text.h"
#include "toolkit/scoped.h"
#include "toolkit/shift_jis.h"

#include <windows.h>

#include <cstdint>
#include <numeric>

namespace {

// The window's whole-item search, which ignores letter case the way the list box
// compares its items, over the patterns of this run.
class CommandPatterns : public PatternList {
public:
    explicit CommandPatterns(const std::vector<std::string>& items) : items_(items) {
        for (const std::string& item : items)
            wideItems_.push_back(SjisToUtf16(item));
    }
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Item(int index) const override { return items_[static_cast<std::size_t>(index)]; }
    int FindExact(const std::string& text) const override {
        const std::u16string wide = SjisToUtf16(text);
        for (std::size_t i = 0; i < wideItems_.size(); ++i)
            if (lstrcmpiW(AsWide(wideItems_[i].c_str()), AsWide(wide.c_str())) == 0)
                return static_cast<int>(i);
        return -1;
    }

private:
    const std::vector<std::string>& items_;
    std::vector<std::u16string> wideItems_;
};

// What a run selected, and each file's size as the listing gave it, in the same order.
struct Selection {
    TFoundFiles found;
    std::vector<std::uint64_t> sizes;
};

// The window's walk without the window: nothing to show and no cancel, and the age
// a scheduled run may ask for, from the listing's own times.
class CollectingWalk : public WalkHost {
public:
    CollectingWalk(const PatternList& patterns, bool subfolders, unsigned olderThanDays,
                   std::uint64_t runStart, Selection& selection)
        : patterns_(patterns), subfolders_(subfolders), olderThanDays_(olderThanDays),
          runStart_(runStart), selection_(selection) {}
    bool EnterFolder(const std::u16string&) override { return false; }
    bool SubfoldersOn() override { return subfolders_; }
    bool Matches(const DirEntry& entry) override {
        return MatchesPatterns(entry.name, patterns_, ShiftJis()) &&
               OlderThanDays(entry.lastWrite, runStart_, olderThanDays_);
    }
    void FileFound(const std::u16string& path, const DirEntry& entry) override {
        selection_.found.Add(path);
        selection_.sizes.push_back(entry.size);
    }

private:
    const PatternList& patterns_;
    bool subfolders_;
    unsigned olderThanDays_;
    std::uint64_t runStart_;
    Selection& selection_;
};

std::uint64_t Now() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return std::uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime;
}

// "2 件 (1.5 MB)"
std::string CountAndSize(std::size_t count, std::uint64_t bytes) {
    return std::to_string(count) + " 件 (" + SizeText(bytes) + ")";
}

void Say(StdStream stream, const std::u16string& line) { WriteStd(stream, line + u"\r\n"); }
void Say(StdStream stream, const std::string& sjisLine) { Say(stream, SjisToUtf16(sjisLine)); }

const char kUsage[] =
    "使い方: tavrix.exe /list | /trash | /delete [/folder フォルダー] [/pattern 拡張子]...\r\n"
    "                   [/subfolders | /nosubfolders] [/olderthan 日数] [/summary]\r\n"
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
    "設定は保存されたものを読むだけで、書き換えません。\r\n"
    "終了コード: 0 完了 / 1 使い方の誤り / 2 フォルダーがない・拡張子がない / 3 "
    "残ったファイルがある";

// The message for a command line that cannot run.
std::u16string ProblemText(const ParsedCommand& parsed) {
    const std::u16string& subject = parsed.subject;
    switch (parsed.problem) {
    case CommandProblem::NoAction:
        return SjisToUtf16("/list、/trash、/delete のどれかを指定してください");
    case CommandProblem::TwoActions:
        return subject + SjisToUtf16(": 動作は一つだけ指定できます");
    case CommandProblem::UnknownOption:
        return subject + SjisToUtf16(": 知らないオプションです");
    case CommandProblem::MissingValue:
        return subject + SjisToUtf16(": 値がありません");
    case CommandProblem::EmptyPattern:
        return SjisToUtf16("/pattern \"") + subject + SjisToUtf16("\": 拡張子が空です");
    case CommandProblem::PatternNotText:
        return SjisToUtf16("/pattern \"") + subject +
               SjisToUtf16("\": 拡張子に使えない文字があります");
    case CommandProblem::BothSubfolderOptions:
        return SjisToUtf16("/subfolders と /nosubfolders は一緒に指定できません");
    case CommandProblem::RelativeFolder:
        return SjisToUtf16("/folder \"") + subject +
               SjisToUtf16("\": 絶対パス (C:\\... または \\\\サーバー\\...) で指定してください");
    case CommandProblem::BadDays:
        return SjisToUtf16("/olderthan \"") + subject +
               SjisToUtf16("\": 日数は 0 から 36500 までの整数で指定してください");
    case CommandProblem::TwoAges:
        return SjisToUtf16("/olderthan は一度だけ指定できます");
    case CommandProblem::None:
    case CommandProblem::Help:
        break;
    }
    return std::u16string();
}

// The saved settings with this run's overrides: the folder, the patterns, the option.
struct Job {
    std::u16string folder;
    std::vector<std::string> patterns;
    bool subfolders = false;
};

Job JobFor(const UnattendedRequest& request) {
    Job job;
    const std::u16string dir = SettingsDirIn(AppDataFolder(nullptr));
    TDiskStore disk;
    Settings saved = LoadSettings(dir, disk, ShiftJis());
    job.folder = saved.folder;
    job.subfolders = saved.subfolders;
    if (request.patterns)
        job.patterns = *request.patterns;
    else if (saved.patternFile == PatternFile::Unread)
        throw EFileFailure(
            SettingsFaultText(SettingsFault::CannotOpen, ListFileName(dir), ShiftJis()));
    else
        job.patterns = std::move(saved.patterns);
    if (request.folder)
        job.folder = *request.folder;
    else if (saved.folderUnreadable)
        throw EFileFailure(SettingsFileName(dir) +
                           SjisToUtf16(": 保存されたフォルダーを正しく読めません "
                                       "(/folder で指定してください)"));
    if (request.subfolders) job.subfolders = *request.subfolders;
    return job;
}

int Delete(const Selection& selection, bool permanent) {
    const TFoundFiles& found = selection.found;
    // What the request holds back stays, and counts as left below.
    const TShellRequest request(found);
    ShellDeleteQuietly(request.Paths(), permanent);
    std::size_t gone = 0, at = 0;
    std::uint64_t freed = 0;
    std::u16string left;
    for (std::u16string_view path : found) {
        if (PathExists(std::u16string(path))) {
            left.append(path);
            left += u"\r\n";
        } else {
            ++gone;
            freed += selection.sizes[at];
        }
        ++at;
    }
    const std::size_t remaining = found.Count() - gone;
    Say(StdStream::Output, std::string(permanent ? "削除しました: " : "ゴミ箱へ入れました: ") +
                               CountAndSize(gone, freed) + "、残り: " + std::to_string(remaining) +
                               " 件");
    WriteStd(StdStream::Error, left);
    return remaining ? kExitFilesRemain : kExitDone;
}

} // namespace

int RunUnattended(const std::vector<std::u16string>& args) {
    const std::uint64_t runStart = Now();
    const ComApartment com;
    const ParsedCommand parsed = ParseCommandLine(args, ShiftJis());
    if (parsed.problem == CommandProblem::Help) {
        Say(StdStream::Output, kUsage);
        return kExitDone;
    }
    if (parsed.problem != CommandProblem::None) {
        Say(StdStream::Error, ProblemText(parsed));
        Say(StdStream::Error, kUsage);
        return kExitUsage;
    }
    Job job;
    try {
        job = JobFor(parsed.request);
    } catch (const EFileFailure& e) {
        Say(StdStream::Error, e.Message());
        return kExitNothingToDo;
    }
    if (job.folder.empty()) {
        Say(StdStream::Error, "整理するフォルダーがありません (/folder で指定してください)");
        return kExitNothingToDo;
    }
    // The window may have kept a relative folder; a scheduled run would take it
    // relative to System32.
    if (!IsAbsolutePath(job.folder)) {
        Say(StdStream::Error,
            job.folder + SjisToUtf16(": 保存されたフォルダーが絶対パスではありません "
                                     "(/folder で指定してください)"));
        return kExitNothingToDo;
    }
    if (!FolderExists(job.folder)) {
        Say(StdStream::Error,
            job.folder + SjisToUtf16(PathExists(job.folder) ? ": フォルダーではありません"
                                                            : ": フォルダーがありません"));
        return kExitNothingToDo;
    }
    if (job.patterns.empty()) {
        Say(StdStream::Error, "拡張子の一覧が空です (/pattern で指定してください)");
        return kExitNothingToDo;
    }

    const CommandPatterns patterns(job.patterns);
    Selection selection;
    CollectingWalk walk(patterns, job.subfolders, parsed.request.olderThanDays, runStart,
                        selection);
    FindFileSource listing;
    SearchTree(job.folder, listing, walk);

    switch (parsed.request.action) {
    case UnattendedAction::List: {
        std::u16string lines;
        for (std::u16string_view path : selection.found) {
            lines.append(path);
            lines += u"\r\n";
        }
        WriteStd(StdStream::Output, lines);
        if (parsed.request.summary)
            Say(StdStream::Error,
                "対象のファイル: " +
                    CountAndSize(selection.found.Count(),
                                 std::accumulate(selection.sizes.begin(), selection.sizes.end(),
                                                 std::uint64_t{0})));
        return kExitDone;
    }
    case UnattendedAction::Trash:
        return Delete(selection, false);
    case UnattendedAction::Delete:
        return Delete(selection, true);
    }
    return kExitDone;
}
