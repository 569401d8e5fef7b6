// The pattern list file "extentions.lst": one pattern per line, bytes as they are.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The lines of the file in order. Reading stops at the first NUL; CR LF, a
// lone CR and a lone LF each end a line; a last line without an end counts;
// empty lines stay as empty items. An empty file has no items.
std::vector<std::string> ParseListFile(std::string_view bytes);

// Every item followed by CR LF; no items give 0 bytes.
std::string FormatListFile(const std::vector<std::string>& items);
