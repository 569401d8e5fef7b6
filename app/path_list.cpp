#include "app/path_list.h"

#include "base/text_encoding.h"
#include "base/text_lines.h"
#include "base/utf8.h"

namespace {

bool Blank(std::string_view line) { return line.find_first_not_of(" \t") == line.npos; }

} // namespace

PathList ParsePathList(std::string_view bytes) {
    PathList list;
    const FileText file = DecodeFileText(bytes);
    // UTF-16 holds a NUL in every ASCII character; no path holds one.
    if (file.encoding == TextEncoding::Utf16Le || file.encoding == TextEncoding::Utf16Be ||
        bytes.find('\0') != std::string_view::npos) {
        list.problem = PathListProblem::Utf16;
        return list;
    }
    // A lone CR too ends a line, as in every text file of the program: no name holds one.
    for (const std::string_view line : TextLines(file.text)) {
        if (Blank(line)) continue;
        std::optional<std::u16string> path = FromUtf8(line);
        if (!path) {
            list.problem = PathListProblem::NotUtf8;
            list.paths.clear();
            return list;
        }
        list.paths.push_back(std::move(*path));
    }
    return list;
}

TListedPaths::TListedPaths(const std::vector<std::u16string>& paths) {
    for (const std::u16string& path : paths)
        if (met_.emplace(path, false).second) order_.push_back(path);
}

bool TListedPaths::Take(const std::u16string& path) {
    const auto found = met_.find(path);
    if (found == met_.end()) return false;
    found->second = true;
    return true;
}

std::vector<std::u16string> TListedPaths::Missed() const {
    std::vector<std::u16string> missed;
    for (const std::u16string& path : order_)
        if (!met_.at(path)) missed.push_back(path);
    return missed;
}
