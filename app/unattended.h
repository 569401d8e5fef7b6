// A run without the window, from the command line: list, or delete into the recycle
// bin or for good, what the window would select. See app/command_line.h.
#pragma once
#include <string>
#include <vector>

// The exit codes of an unattended run.
enum UnattendedExit : int {
    kExitDone = 0,        // everything asked for was done
    kExitUsage = 1,       // the command line is wrong; the usage went to standard error
    kExitNothingToDo = 2, // the folder does not exist, or the pattern list is empty
    kExitFilesRemain = 3, // some selected files are still there
};

// Runs the arguments after the program's own name; the exit code.
int RunUnattended(const std::vector<std::u16string>& args);
