// The command line of an unattended run, as kUsage shows it. Options take "/" or "-"
// and any letter case.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "base/code_page.h"

enum class UnattendedAction { List, Trash, Delete };

struct UnattendedRequest {
    UnattendedAction action = UnattendedAction::List;
    // Each overrides the saved settings for this run only.
    std::optional<std::u16string> folder;
    std::optional<std::vector<std::string>> patterns; // in the form the editor adds them
    std::optional<bool> subfolders;
    // Only files last written more than this many days before the run; 0 takes all.
    unsigned olderThanDays = 0;
    bool summary = false; // a count and size line after /list
    // Only the selected files this list names (what /list wrote, perhaps edited).
    std::optional<std::u16string> fromList;
    // The file each run appends its record to; kept when a later argument is wrong, so
    // that the usage error is recorded too.
    std::optional<std::u16string> log;
};

constexpr unsigned kMaxOlderThanDays = 36500;

// The usage, in Shift_JIS: what /? writes, and what follows the message of a usage error.
extern const char kUsage[];

// What is wrong with a command line; `Help` asks for the usage itself.
enum class CommandProblem {
    None,
    Help,
    NoAction,       // none of /list, /trash, /delete
    TwoActions,     // subject: the second one
    UnknownOption,  // subject: the argument
    MissingValue,   // subject: the option
    EmptyPattern,   // subject: the pattern as given ("" or ".")
    PatternNotText, // subject: the pattern, which holds a character without a byte form
    BothSubfolderOptions,
    RelativeFolder, // subject: the folder, which does not start at a drive or a share
    DeviceFolder,   // subject: the folder, in the "\\?\" or "\\.\" form
    BadDays,        // subject: the days given, not a whole number up to kMaxOlderThanDays
    TwoAges,        // subject: the second /olderthan
    TwoLists,       // subject: the second /fromlist
    TwoLogs,        // subject: the second /log
};

struct ParsedCommand {
    CommandProblem problem = CommandProblem::None;
    std::u16string subject;
    UnattendedRequest request;
};

// The arguments after the program's own name.
ParsedCommand ParseCommandLine(const std::vector<std::u16string>& args, const CodePage& codePage);
