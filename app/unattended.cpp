#include "app/unattended.h"

#include "app/command_line.h"
#include "app/delete_outcome.h"
#include "app/settings_store.h"
#include "app/size_text.h"
#include "platform/console.h"
#include "platform/exact_path.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "search/file_age.h"
#include "search/findunit.h"
#include "search/found_files.h"
#include "search/match.h"
#include "search/recycle_volume.h"
#include "search/shell_request.h"
#include "search/walk.h"
#include "toolkit/failure_text.h"
#include "toolkit/scoped.h"
#include "toolkit/shift_jis.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

// The patterns of this run, read as the window reads its list box.
class CommandPatterns : public PatternList {
public:
    explicit CommandPatterns(const std::vector<std::string>& items) : items_(items) {}
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Item(int index) const override { return items_[static_cast<std::size_t>(index)]; }

private:
    const std::vector<std::string>& items_;
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
    case CommandProblem::DeviceFolder:
        return SjisToUtf16("/folder \"") + subject +
               SjisToUtf16("\": \\\\?\\ や \\\\.\\ で始まるパスは使えません "
                           "(C:\\... または \\\\サーバー\\... で指定してください)");
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
    const std::u16string dir = UserSettingsDir(nullptr);
    if (const std::optional<TIniFile> ini = SettingsFile(dir, true)) {
        const LastUse last = ReadLastUse(*ini);
        job.folder = last.folder;
        job.subfolders = last.subfolders;
    }
    if (request.patterns)
        job.patterns = *request.patterns;
    else if (std::optional<std::vector<std::string>> saved = ReadPatternList(dir))
        job.patterns = std::move(*saved);
    if (request.folder) job.folder = *request.folder;
    if (request.subfolders) job.subfolders = *request.subfolders;
    return job;
}

static_assert(kDriveFixed == DRIVE_FIXED, "the system's number");

// The system's own answers about volumes.
class SystemVolumes : public VolumeQueries {
public:
    std::u16string VolumeRoot(const std::u16string& path) override { return VolumeRootOf(path); }
    unsigned DriveType(const std::u16string& root) override { return DriveTypeOf(root); }
    std::u16string DriveTarget(const std::u16string& drive) override {
        return DriveTargetOf(drive);
    }
};

// Why a file handed to the shell is still there, or may be.
std::u16string LeftReason(Presence presence, unsigned long error, bool permanent,
                          const RecycleReport& report, const std::u16string& path) {
    if (presence == Presence::Unknown)
        return SjisToUtf16("残っているか確かめられません (エラー " + std::to_string(error) + ")");
    if (std::find(report.refused.begin(), report.refused.end(), path) != report.refused.end())
        return SjisToUtf16("ゴミ箱へ入らずに消えるところだったため、残しました");
    if (report.stopped) return SjisToUtf16("ゴミ箱へ入らないファイルがあり、そこで止めました");
    return SjisToUtf16(permanent ? "削除できませんでした" : "ゴミ箱へ入れられませんでした");
}

// Hands the selection to the shell and asks the system, file by file, what went. A
// run into the recycle bin holds back what may not be on a local fixed disk, where
// the shell could destroy a file instead, and uses the shell's newer engine where
// the system has one, which is told never to destroy anything.
DeleteOutcome DeleteSelection(const Selection& selection, bool permanent) {
    const TFoundFiles& found = selection.found;
    SystemVolumes system;
    RecycleVolumes volumes(system);
    const TShellRequest request(found, permanent ? nullptr : &volumes);
    RecycleReport report;
    if (permanent || !RecycleQuietly(request.Paths(), report))
        ShellDeleteQuietly(request.Paths(), permanent);

    DeleteOutcome outcome;
    auto held = request.HeldBack().begin();
    std::size_t at = 0;
    for (std::u16string_view listed : found) {
        std::u16string path(listed);
        unsigned long error = 0;
        if (held != request.HeldBack().end() && held->index == at) {
            outcome.stayed.push_back({std::move(path), SjisToUtf16(HeldBackText(held->reason))});
            ++held;
        } else if (const Presence presence = PathPresence(path, error);
                   presence == Presence::Gone) {
            outcome.freed += selection.sizes[at];
            outcome.went.push_back(std::move(path));
        } else {
            std::u16string reason = LeftReason(presence, error, permanent, report, path);
            outcome.stayed.push_back({std::move(path), std::move(reason)});
        }
        ++at;
    }
    return outcome;
}

int Delete(const Selection& selection, bool permanent) {
    const DeleteOutcome outcome = DeleteSelection(selection, permanent);
    Say(StdStream::Output, std::string(permanent ? "削除しました: " : "ゴミ箱へ入れました: ") +
                               CountAndSize(outcome.went.size(), outcome.freed) +
                               "、残り: " + std::to_string(outcome.stayed.size()) + " 件");
    std::u16string left;
    for (const StayedFile& file : outcome.stayed)
        left.append(file.path).append(u"\t").append(file.reason).append(u"\r\n");
    WriteStd(StdStream::Error, left);
    return outcome.stayed.empty() ? kExitDone : kExitFilesRemain;
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
    // A "/" is taken as "\" before the walk, so that every path found is in the form
    // the shell's request reads.
    job.folder = Backslashed(job.folder);
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
