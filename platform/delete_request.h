// What goes into the shell's delete request, apart from the call itself.
#pragma once
#include <string>

class TFoundFiles;

// Shell file-operation values, as the shell's ANSI header defines them.
constexpr unsigned kFoDelete = 0x3;
constexpr unsigned kFofNoConfirmation = 0x10;
constexpr unsigned kFofAllowUndo = 0x40;
constexpr unsigned kFofWantNukeWarning = 0x4000;

// Each path followed by NUL, then one more NUL, in list order, bytes unchanged.
// An empty list gives the single NUL "\0"; callers make no request for it.
std::string BuildPathList(const TFoundFiles& files);

// Flags for a delete without the confirmation prompt, into the recycle bin
// unless permanent.
unsigned DeleteRequestFlags(bool permanent);
