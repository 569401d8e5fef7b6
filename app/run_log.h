// The block an unattended run appends to its log (/log): when it started, how it was
// called, what it worked with, each file it took or left, and how it ended.
#pragma once
#include "app/command_line.h"
#include "app/delete_outcome.h"
#include "base/code_page.h"
#include "base/local_time.h"

#include <optional>
#include <string>
#include <vector>

// The folder, the patterns and the options in force once the saved settings and the
// command line were combined.
struct RunSettings {
    UnattendedAction action = UnattendedAction::List;
    std::u16string folder;
    std::vector<std::string> patterns; // Shift_JIS, as the run matched them
    bool subfolders = false;
    unsigned olderThanDays = 0;
    std::optional<std::u16string> fromList;
};

struct RunRecord {
    LocalTime start;
    std::u16string commandLine;          // whole, as the system gave it
    std::optional<RunSettings> settings; // none when the run stopped before it knew them
    std::vector<std::u16string> listed;  // what /list wrote
    DeleteOutcome deleted;
    std::vector<std::u16string> skipped; // in the /fromlist file but not selected
    std::u16string summary;              // the summary line, or what stopped the run
    int exitCode = 0;
};

// The block as UTF-8, each line ending in CR LF, a blank line after the last. Paths
// and the command line are written exactly; the program's own words go through the
// code page.
std::string RunLogBlock(const RunRecord& record, const CodePage& codePage);

// The line that reports a path of the /fromlist file the run did not select, on
// standard error as in the log: the path in quotes, so spaces at its end show.
std::u16string SkippedLine(const std::u16string& path, const CodePage& codePage);
