#include "app/path_list.h"

#include "app/settings_text.h"
#include "base/text_encoding.h"
#include "base/utf8.h"

namespace {

bool Blank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

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
    // The pattern list's line rule: a lone CR too ends a line, and no name holds one.
    for (const std::string& line : ParseListFile(file.text)) {
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
