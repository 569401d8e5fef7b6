// The lines of a text: CR LF, a lone CR and a lone LF each end a line, and a last line
// without an end counts. Every text file of the program is read so.
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

// Where the line that starts at `begin` ends, and where the line after it starts (the
// text's size after the last line).
struct LineSpan {
    std::size_t end, next;
};
LineSpan LineAt(std::string_view text, std::size_t begin);

// Every line, without its end.
std::vector<std::string_view> TextLines(std::string_view text);
