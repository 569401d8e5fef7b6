#include "app/unattended.h"

#include "app/command_line.h"
#include "app/delete_outcome.h"
#include "app/path_list.h"
#include "app/run_log.h"
#include "app/settings.h"
#include "app/size_text.h"
#include "base/failure_text.h"
#include "platform/console.h"
#include "platform/exact_path.h"
#include "platform/file_system.h"
#include "platform/log_file.h"
#include "platform/scoped.h"
#include "platform/shell.h"
#include "platform/shift_jis.h"
#include "platform/time_zone.h"
#include "search/file_age.h"
#include "search/findunit.h"
#include "search/found_files.h"
#include "search/match.h"
#include "search/recycle_volume.h"
#include "search/shell_request.h"
#include "search/walk.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

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
                   std::uint64_t runStart, TListedPaths* listed, Selection& selection)
        : patterns_(patterns), subfolders_(subfolders), olderThanDays_(olderThanDays),
          runStart_(runStart), listed_(listed), selection_(selection) {}
    bool EnterFolder(const std::u16string&) override { return false; }
    bool SubfoldersOn() override { return subfolders_; }
    bool Matches(const DirEntry& entry) override {
        return MatchesPatterns(entry.name, patterns_, ShiftJis()) &&
               OlderThanDays(entry.lastWrite, runStart_, olderThanDays_);
    }
    void FileFound(const std::u16string& path, const DirEntry& entry) override {
        // With /fromlist, only what the list still names.
        if (listed_ && !listed_->Take(path)) return;
        selection_.found.Add(path);
        selection_.sizes.push_back(entry.size);
    }

private:
    const PatternList& patterns_;
    bool subfolders_;
    unsigned olderThanDays_;
    std::uint64_t runStart_;
    TListedPaths* listed_;
    Selection& selection_;
};

// "2 件 (1.5 MB)"
std::string CountAndSize(std::size_t count, std::uint64_t bytes) {
    return std::to_string(count) + " 件 (" + SizeText(bytes) + ")";
}

void Say(StdStream stream, const std::u16string& line) { WriteStd(stream, line + u"\r\n"); }
void Say(StdStream stream, const std::string& sjisLine) { Say(stream, SjisToUtf16(sjisLine)); }

// What a message is about: `/log "run.log": `
std::u16string Subject(const char* option, const std::u16string& value) {
    return SjisToUtf16(option) + u" \"" + value + u"\": ";
}

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
        return Subject("/pattern", subject) + SjisToUtf16("拡張子が空です");
    case CommandProblem::PatternNotText:
        return Subject("/pattern", subject) + SjisToUtf16("拡張子に使えない文字があります");
    case CommandProblem::BothSubfolderOptions:
        return SjisToUtf16("/subfolders と /nosubfolders は一緒に指定できません");
    case CommandProblem::DeviceFolder:
        return Subject("/folder", subject) +
               SjisToUtf16("\\\\?\\ や \\\\.\\ で始まるパスは使えません "
                           "(C:\\... または \\\\サーバー\\... で指定してください)");
    case CommandProblem::RelativeFolder:
        return Subject("/folder", subject) +
               SjisToUtf16("絶対パス (C:\\... または \\\\サーバー\\...) で指定してください");
    case CommandProblem::BadDays:
        return Subject("/olderthan", subject) +
               SjisToUtf16("日数は 0 から 36500 までの整数で指定してください");
    case CommandProblem::TwoAges:
        return SjisToUtf16("/olderthan は一度だけ指定できます");
    case CommandProblem::TwoLists:
        return SjisToUtf16("/fromlist は一度だけ指定できます");
    case CommandProblem::TwoLogs:
        return SjisToUtf16("/log は一度だけ指定できます");
    case CommandProblem::None:
    case CommandProblem::Help:
        break;
    }
    return std::u16string();
}

// The saved settings with this run's overrides: the folder, the patterns, the option.
RunSettings JobFor(const UnattendedRequest& request) {
    RunSettings job;
    job.action = request.action;
    job.olderThanDays = request.olderThanDays;
    job.fromList = request.fromList;
    const std::u16string dir = SettingsDirIn(AppDataFolder(nullptr));
    TDiskStore disk;
    Settings saved = LoadSettings(dir, disk, ShiftJis());
    job.folder = saved.folder;
    job.subfolders = saved.subfolders;
    if (request.patterns)
        job.patterns = *request.patterns;
    else if (saved.patternFile == PatternFile::Unread)
        throw EFileFailure(UnreadListText(dir, ShiftJis()));
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

// What is wrong with the /fromlist file, and what to do about it.
std::u16string ListProblemText(const std::u16string& file, PathListProblem problem) {
    const std::u16string subject = Subject("/fromlist", file);
    switch (problem) {
    case PathListProblem::Utf16:
        return subject +
               SjisToUtf16("UTF-16 で保存された一覧です。Windows PowerShell 5.1 の > は"
                           " UTF-16 で書き、日本語のパスも化けます。コマンド プロンプト"
                           " (cmd.exe) で tavrix.exe /list > 一覧 として作り直してください");
    case PathListProblem::NotUtf8:
        return subject + SjisToUtf16("一覧が UTF-8 ではありません。メモ帳なら [名前を付けて保存] の"
                                     "文字コードで UTF-8 を選んで保存し直してください");
    case PathListProblem::Unreadable:
    case PathListProblem::None:
        break;
    }
    return subject + SjisToUtf16("一覧を読めません (ないか、開けません)");
}

std::u16string LogProblemText(const std::u16string& file, TLogFile::Problem problem) {
    const std::u16string subject = Subject("/log", file);
    switch (problem) {
    case TLogFile::Problem::NotAFile:
        return subject + SjisToUtf16("ファイルではありません (フォルダーかデバイスです)");
    case TLogFile::Problem::Busy:
        return subject + SjisToUtf16("ログをロックできません (ほかの実行が書き込み中です)");
    case TLogFile::Problem::CannotOpen:
    case TLogFile::Problem::None:
        break;
    }
    return subject + SjisToUtf16("ログを開けません (フォルダーがないか、書き込めません)");
}

// Says on standard error why the run stops, and keeps it as the run's last line.
int Stop(RunRecord& record, const std::u16string& message, int exitCode) {
    Say(StdStream::Error, message);
    record.summary = message;
    return exitCode;
}

// The summary line on standard output, what stayed on standard error, all of it kept.
int Report(DeleteOutcome result, bool permanent, RunRecord& record) {
    record.summary =
        SjisToUtf16(std::string(permanent ? "削除しました: " : "ゴミ箱へ入れました: ") +
                    CountAndSize(result.went.size(), result.freed) +
                    "、残り: " + std::to_string(result.stayed.size()) + " 件");
    Say(StdStream::Output, record.summary);
    std::u16string left;
    for (const StayedFile& file : result.stayed)
        left.append(file.path).append(u"\t").append(file.reason).append(u"\r\n");
    WriteStd(StdStream::Error, left);
    record.deleted = std::move(result);
    return record.deleted.stayed.empty() ? kExitDone : kExitFilesRemain;
}

// The run after its command line was read; everything it did goes into the record.
int Run(const ParsedCommand& parsed, std::uint64_t runStart, RunRecord& record) {
    if (parsed.problem == CommandProblem::Help) {
        Say(StdStream::Output, kUsage);
        return kExitDone;
    }
    if (parsed.problem != CommandProblem::None) {
        const int exitCode = Stop(record, ProblemText(parsed), kExitUsage);
        Say(StdStream::Error, kUsage);
        return exitCode;
    }
    const UnattendedRequest& request = parsed.request;
    std::optional<TListedPaths> listed;
    if (request.fromList) {
        std::string bytes;
        if (!ReadWholeFile(*request.fromList, bytes))
            return Stop(record, ListProblemText(*request.fromList, PathListProblem::Unreadable),
                        kExitUsage);
        const PathList list = ParsePathList(bytes);
        if (list.problem != PathListProblem::None)
            return Stop(record, ListProblemText(*request.fromList, list.problem), kExitUsage);
        listed.emplace(list.paths);
    }
    try {
        record.settings = JobFor(request);
    } catch (const EFileFailure& e) {
        return Stop(record, e.Message(), kExitNothingToDo);
    }
    RunSettings& job = *record.settings;
    // A "/" is taken as "\" before the walk, so that every path found is in the form
    // the shell's request reads.
    job.folder = Backslashed(job.folder);
    if (job.folder.empty())
        return Stop(record,
                    SjisToUtf16("整理するフォルダーがありません (/folder で指定してください)"),
                    kExitNothingToDo);
    // The window may have kept a relative folder; a scheduled run would take it
    // relative to System32.
    if (!IsAbsolutePath(job.folder))
        return Stop(record,
                    job.folder + SjisToUtf16(": 保存されたフォルダーが絶対パスではありません "
                                             "(/folder で指定してください)"),
                    kExitNothingToDo);
    if (!FolderExists(job.folder))
        return Stop(record,
                    job.folder + SjisToUtf16(PathExists(job.folder) ? ": フォルダーではありません"
                                                                    : ": フォルダーがありません"),
                    kExitNothingToDo);
    if (job.patterns.empty())
        return Stop(record, SjisToUtf16("拡張子の一覧が空です (/pattern で指定してください)"),
                    kExitNothingToDo);

    const CommandPatterns patterns(job.patterns);
    Selection selection;
    CollectingWalk walk(patterns, job.subfolders, request.olderThanDays, runStart,
                        listed ? &*listed : nullptr, selection);
    FindFileSource listing;
    SearchTree(job.folder, listing, walk);
    if (listed) {
        for (std::u16string& path : listed->Missed()) {
            Say(StdStream::Error, SkippedLine(path, ShiftJis()));
            record.skipped.push_back(std::move(path));
        }
    }

    switch (request.action) {
    case UnattendedAction::List: {
        std::u16string lines;
        for (std::u16string_view path : selection.found) {
            lines.append(path);
            lines += u"\r\n";
            // Only the log reads it back.
            if (request.log) record.listed.emplace_back(path);
        }
        WriteStd(StdStream::Output, lines);
        record.summary =
            SjisToUtf16("対象のファイル: " +
                        CountAndSize(selection.found.Count(),
                                     std::accumulate(selection.sizes.begin(), selection.sizes.end(),
                                                     std::uint64_t{0})));
        if (request.summary) Say(StdStream::Error, record.summary);
        return kExitDone;
    }
    case UnattendedAction::Trash:
        return Report(DeleteSelection(selection, false), false, record);
    case UnattendedAction::Delete:
        return Report(DeleteSelection(selection, true), true, record);
    }
    return kExitDone;
}

} // namespace

int RunUnattended(const std::vector<std::u16string>& args) {
    const std::uint64_t runStart = SystemTimeNow();
    const ComApartment com;
    const ParsedCommand parsed = ParseCommandLine(args, ShiftJis());
    // From here, when the log's path was read, a block is written whatever happens.
    std::optional<TLogFile> log;
    if (const std::optional<std::u16string>& path = parsed.request.log) {
        log.emplace(*path);
        if (log->Opened() != TLogFile::Problem::None) {
            Say(StdStream::Error, LogProblemText(*path, log->Opened()));
            return kExitUsage;
        }
    }
    RunRecord record;
    record.start = LocalTimeAt(runStart);
    record.commandLine = AsUtf16(GetCommandLineW());
    record.exitCode = Run(parsed, runStart, record);
    if (log && !log->Append(RunLogBlock(record, ShiftJis()))) {
        Say(StdStream::Error,
            Subject("/log", *parsed.request.log) +
                SjisToUtf16("ログに書き込めませんでした (この実行の終了コードは " +
                            std::to_string(record.exitCode) + ")"));
        return kExitLogLost;
    }
    return record.exitCode;
}
