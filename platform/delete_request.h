// The rules of the shell's delete request: its flags, what the recycle-bin
// operation's watcher lets through, and what counts as gone afterwards.
#pragma once
#include <cstdint>
#include <string>

// Shell file-operation flags, as the shell's headers define them.
constexpr unsigned kFofSilent = 0x4;
constexpr unsigned kFofNoConfirmation = 0x10;
constexpr unsigned kFofAllowUndo = 0x40;
constexpr unsigned kFofNoConfirmMkdir = 0x200;
constexpr unsigned kFofNoErrorUi = 0x400;
constexpr unsigned kFofWantNukeWarning = 0x4000;
constexpr unsigned kFofxRecycleOnDelete = 0x80000;
// The flag the shell gives an item it is about to move into the recycle bin.
constexpr unsigned kTsfDeleteRecycleIfPossible = 0x80;

// Whether a path list is one the shell can read: paths each ended by a NUL, the last
// one's followed by the list's own. Without a NUL of its own after the last path, the
// terminator would end that path and the list would run on.
bool IsShellPathList(const std::u16string& pathList);

// Flags for a delete without the confirmation prompt, into the recycle bin
// unless permanent.
unsigned DeleteRequestFlags(bool permanent);

// The same for a run that nobody watches: no progress, no error boxes. The shell's
// question before it destroys what the recycle bin cannot take stays asked, so the
// caller can answer no and leave such a file in place.
unsigned UnattendedDeleteFlags(bool permanent);

// The recycle-bin operation of a run that nobody watches: no window and no question
// at all, into the bin. What it would destroy instead is refused item by item.
unsigned RecycleOperationFlags();

// Before each item of that operation: true when the shell is about to try the bin.
// Refusing stops the item and every one after it.
bool MayDeleteItem(unsigned itemFlags);
// After each item, with the shell's result for it (an HRESULT, 32 bits wherever
// these rules run): false when it went without a copy in the bin, destroyed, so
// that the rest stops.
bool MayGoOnAfterDelete(std::int32_t result, bool recycledCopy);
// Whether a failure of that operation means the system has no such engine (older
// systems, Wine), so the older request may take its place. Any other failure leaves
// every file where it is.
bool EngineMissing(std::int32_t result);

// What an existence query says of a path after the request.
enum class Presence { There, Gone, Unknown };
// A query that failed with `error`: gone only when the system says there is no such
// file or path. Access denied or a share that dropped prove nothing.
Presence PresenceAfterFailure(unsigned long error);
