// Every call of ours into the Windows shell, each with exactly what it needs.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The arguments the program was started with, after its own name, split as the
// system splits them.
std::vector<std::u16string> CommandLineArguments();

// The user's application-data folder (owner `owner`, not created when missing);
// empty when the shell cannot tell it.
std::u16string AppDataFolder(HWND owner);

// The shell's folder chooser under the Shift_JIS title: starts at the desktop, only
// file-system folders, owned by `owner`; the thread's other windows are disabled
// while it is up. True and the chosen folder's exact full path when the user chose one.
bool ChooseFolder(HWND owner, const std::string& title, std::u16string& path);

// One delete request, through the shell's wide entry, for every path of `pathList`:
// each path followed by NUL, the string's own terminator ending the list. Without
// confirmation, into the recycle bin unless `permanent`. The shell shows its own
// progress and errors; nothing is returned. An empty or unterminated list makes
// no request.
void ShellDeleteFiles(HWND owner, const std::u16string& pathList, bool permanent);

// The same request for a run that nobody watches: no window and no prompt at all. A
// file the recycle bin cannot take is left where it is, never destroyed instead.
// Wine refuses the question that would destroy it; on Windows the newer engine of
// RecycleQuietly makes that a rule of its own.
void ShellDeleteQuietly(const std::u16string& pathList, bool permanent);

// What the recycle-bin operation of RecycleQuietly did beyond moving files.
struct RecycleReport {
    // The files it refused because the shell would have destroyed them, as the
    // shell names them.
    std::vector<std::u16string> refused;
    // Whether it stopped before its end; every file after stays where it is.
    bool stopped = false;
};

// Every path of `pathList` (as for ShellDeleteFiles) into the recycle bin through
// the shell's file-operation engine, for a run that nobody watches: no window and no
// question at all, and each file only into the bin: one the shell would destroy is
// refused, and one destroyed all the same stops the rest. False, with nothing done,
// where the system has no such engine (older systems, Wine): ShellDeleteQuietly
// then takes its place.
bool RecycleQuietly(const std::u16string& pathList, RecycleReport& report);

// The shell's own module, for its resources (the find-folder clip); loaded once and
// kept while the program runs, since a playing clip reads from it. Null without one.
HMODULE ShellResources();

// Opens a link (Shift_JIS) with its default handler; the shell's result, below 32 for a failure.
// Pointer-sized: on 64-bit Windows a success may lie beyond what an int holds.
INT_PTR ShellOpen(HWND owner, const std::string& link);
