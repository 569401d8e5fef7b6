// The flags of the shell's delete request.
#pragma once

// Shell file-operation flags, as the shell's header defines them.
constexpr unsigned kFofSilent = 0x4;
constexpr unsigned kFofNoConfirmation = 0x10;
constexpr unsigned kFofAllowUndo = 0x40;
constexpr unsigned kFofNoErrorUi = 0x400;
constexpr unsigned kFofWantNukeWarning = 0x4000;

// Flags for a delete without the confirmation prompt, into the recycle bin
// unless permanent.
unsigned DeleteRequestFlags(bool permanent);

// The same for a run that nobody watches: no progress, no error boxes. The shell's
// question before it destroys what the recycle bin cannot take stays asked, so the
// caller can answer no and leave such a file in place.
unsigned UnattendedDeleteFlags(bool permanent);
