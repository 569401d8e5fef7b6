// The flags of the shell's delete request.
#pragma once

// Shell file-operation flags, as the shell's header defines them.
constexpr unsigned kFofNoConfirmation = 0x10;
constexpr unsigned kFofAllowUndo = 0x40;
constexpr unsigned kFofWantNukeWarning = 0x4000;

// Flags for a delete without the confirmation prompt, into the recycle bin
// unless permanent.
unsigned DeleteRequestFlags(bool permanent);
