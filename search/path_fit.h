// Shortening a folder path for a label of fixed width.
#pragma once
#include <functional>
#include <string>

#include "toolkit/code_page.h"

// One shortening step of a directory part: its first folder gives way to
// "...\", a leading "\" stays ("\a\b\" gives "\...\b\"; "\" gives "").
std::string DropLeadingFolder(const std::string& directory, const CodePage& codePage);

// Drops leading folders, then the drive, until the path is no wider than
// maxWidth; the name alone is returned even when it is still wider.
// textWidth gives the pixel width of a text in the label's font.
std::string FitPathToWidth(const std::string& path, int maxWidth,
                           const std::function<int(const std::string&)>& textWidth,
                           const CodePage& codePage);
