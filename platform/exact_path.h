// Paths the way the system's calls take them exactly. Win32 path clean-up drops the
// dots and spaces that end any part of a path, unless the path starts with "\\?\":
// "k." names "k", and "sub.\g.tmp" names "sub\g.tmp".
#pragma once
#include <string>
#include <string_view>

// The path in the "\\?\" form that names it to the letter: "C:\x" becomes
// "\\?\C:\x", "\\server\share\x" becomes "\\?\UNC\server\share\x". "/" counts as
// "\", repeated separators as one, and "." and ".." are resolved, as the plain form
// would; every other part is kept as written, dots and spaces at its end included.
// A relative path is taken from `currentFolder`; one that stays relative, or one
// already in the "\\?\" form, comes back as given.
std::u16string ExactPath(std::u16string_view path, std::u16string_view currentFolder);

// False when some part other than "." and ".." ends in "." or " ": the plain form
// then names another file than the one listed.
bool PlainFormIsExact(std::u16string_view path);

// Whether the path starts at a drive ("C:\") or a share ("\\server"), "/" read as
// "\": a relative one would resolve against whatever folder the program started in,
// System32 for a scheduled task.
bool IsAbsolutePath(std::u16string_view path);

// Whether the path starts with a drive letter and ":" ("C:", "d:x", "C:\x").
bool HasDrive(std::u16string_view path);

// The path with every "/" written as "\", as the system reads it.
std::u16string Backslashed(std::u16string_view path);

// Whether the path starts "\\?\" or "\\.\" ("/" read as "\"): the system's device forms.
bool IsDevicePath(std::u16string_view path);
