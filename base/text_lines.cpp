#include "base/text_lines.h"

#include <algorithm>

LineSpan LineAt(std::string_view text, std::size_t begin) {
    const std::size_t end = std::min(text.find_first_of("\r\n", begin), text.size());
    if (end == text.size()) return {end, end};
    return {end, end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1)};
}

std::vector<std::string_view> TextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t begin = 0; begin < text.size();) {
        const LineSpan line = LineAt(text, begin);
        lines.push_back(text.substr(begin, line.end - begin));
        begin = line.next;
    }
    return lines;
}
