// A list of paths as /list writes it, read back by /fromlist: one path a line, UTF-8,
// perhaps edited in a text editor since.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum class PathListProblem {
    None,
    Utf16,      // a UTF-16 byte-order mark, or a NUL: saved as UTF-16 (PowerShell 5.1's ">")
    NotUtf8,    // bytes that are not UTF-8: saved in another code page
    Unreadable, // missing or not readable at all (the caller's finding, never the parser's)
};

struct PathList {
    PathListProblem problem = PathListProblem::None;
    std::vector<std::u16string> paths; // none when there is a problem
};

// The paths in file order, duplicates kept. A UTF-8 byte-order mark at the start is
// skipped; CR LF, LF and a lone CR end a line, and a last line needs no end. A line of
// nothing but spaces and tabs is blank and left out; every other line is a path exactly
// as written, spaces at either end included.
PathList ParsePathList(std::string_view bytes);

// The listed paths, as a run meets the files it selects: only a listed one is taken,
// and the listed ones never met are reported.
class TListedPaths {
public:
    explicit TListedPaths(const std::vector<std::u16string>& paths);
    // Whether the path is listed, compared exactly; it then counts as met.
    bool Take(const std::u16string& path);
    // The listed paths never met, in list order, each once.
    std::vector<std::u16string> Missed() const;

private:
    std::vector<std::u16string> order_; // each path once
    std::unordered_map<std::u16string, bool> met_;
};
