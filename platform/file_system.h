// File-system queries and the settings files' reads and writes.
#pragma once
#include <cstddef>
#include <string>

// Index of the last "\" that is a character of its own (a trail byte 0x5C is
// not), or npos.
std::size_t LastSeparator(const std::string& path);
// True when the last character is a "\" of its own.
bool EndsWithSeparator(const std::string& path);

// True when the system reports attributes for the text, as given, and they hold
// the directory bit. An empty text is false.
bool FolderExists(const std::string& path);
// True when the path names an existing file (a folder of that name does not count).
bool FileExists(const std::string& path);
// Creates the folder and every missing parent; the outcome is not examined.
void ForceDirectories(const std::string& path);

// Reads a whole file, opened with others denied writing. False when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& bytes);

enum class SaveResult { Saved, CannotCreate, CannotWrite };
// Writes `bytes` to `tempPath`, then moves it over `path` in one step, so a failed
// or interrupted save leaves the previous file as it was. CannotCreate when either
// file cannot be made, CannotWrite when the bytes cannot be written. (Not "ReplaceFile":
// <windows.h> makes that name a macro.)
SaveResult ReplaceWholeFile(const std::string& path, const std::string& tempPath,
                            const std::string& bytes);
