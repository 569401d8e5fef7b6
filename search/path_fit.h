// Shortening a folder path for a label of fixed width. Paths are UTF-16, where a
// "\" or ":" is always a character of its own.
#pragma once
#include <functional>
#include <string>

// One shortening step of a directory part: its first folder gives way to
// "...\", a leading "\" stays ("\a\b\" gives "\...\b\"; "\" gives "").
std::u16string DropLeadingFolder(const std::u16string& directory);

// Drops leading folders, then the drive, until the path is no wider than
// maxWidth; the name alone is returned even when it is still wider.
// textWidth gives the pixel width of a text in the label's font.
std::u16string FitPathToWidth(const std::u16string& path, int maxWidth,
                              const std::function<int(const std::u16string&)>& textWidth);
