#include "search/path_fit.h"

namespace {

// Where the character starting at index ends; a lead byte cut off at the end
// stands alone.
std::size_t NextChar(const std::string& text, std::size_t index, const CodePage& codePage) {
    if (codePage.IsLeadByte(static_cast<unsigned char>(text[index])) && index + 1 < text.size())
        return index + 2;
    return index + 1;
}

std::size_t FindFirstBackslash(const std::string& text, const CodePage& codePage) {
    for (std::size_t i = 0; i < text.size(); i = NextChar(text, i, codePage))
        if (text[i] == '\\') return i;
    return std::string::npos;
}

// Just past the last whole-character "\" or ":", or 0 without one.
std::size_t DirectoryLength(const std::string& path, const CodePage& codePage) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < path.size(); i = NextChar(path, i, codePage))
        if (path[i] == '\\' || path[i] == ':') length = i + 1;
    return length;
}

} // namespace

std::string DropLeadingFolder(const std::string& directory, const CodePage& codePage) {
    if (directory == "\\") return std::string();
    std::string rest = directory;
    const bool rooted = !rest.empty() && rest[0] == '\\';
    if (rooted) rest.erase(0, 1);
    if (!rest.empty() && rest[0] == '.') {
        // Meant for the "...\" of an earlier step; a folder of our own that
        // starts with "." loses whole characters, so 表 is never cut in two.
        std::size_t cut = 0;
        while (cut < 4 && cut < rest.size())
            cut = NextChar(rest, cut, codePage);
        rest.erase(0, cut);
    }
    const std::size_t backslash = FindFirstBackslash(rest, codePage);
    if (backslash == std::string::npos)
        rest.clear();
    else
        rest = "...\\" + rest.substr(backslash + 1);
    return rooted ? "\\" + rest : rest;
}

std::string FitPathToWidth(const std::string& path, int maxWidth,
                           const std::function<int(const std::string&)>& textWidth,
                           const CodePage& codePage) {
    const std::size_t split = DirectoryLength(path, codePage);
    std::string directory = path.substr(0, split);
    const std::string name = path.substr(split);
    std::string drive;
    if (directory.size() >= 2 && directory[1] == ':') {
        drive = directory.substr(0, 2);
        directory.erase(0, 2);
    }
    std::string result = path;
    // Checking for something left to drop first keeps the final text unmeasured.
    while ((!directory.empty() || !drive.empty()) && textWidth(result) > maxWidth) {
        if (directory == "\\...\\") {
            drive.clear();
            directory = "...\\";
        } else if (directory.empty()) {
            drive.clear();
        } else {
            directory = DropLeadingFolder(directory, codePage);
        }
        result = drive + directory + name;
    }
    return result;
}
