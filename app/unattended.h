// A run without the window, from the command line: list, or delete into the recycle
// bin or for good, what the window would select. See app/command_line.h.
#pragma once
#include <string>
#include <vector>

// The exit codes of an unattended run.
enum UnattendedExit : int {
    kExitDone = 0,        // everything asked for was done
    kExitUsage = 1,       // the command line, its /fromlist or its /log is wrong: nothing done
    kExitNothingToDo = 2, // the folder does not exist, or the pattern list is empty
    kExitFilesRemain = 3, // some selected files are still there
    kExitLogLost = 4,     // the run's block could not be added to its log, whatever it did
};

// Runs the arguments after the program's own name; the exit code.
int RunUnattended(const std::vector<std::u16string>& args);
