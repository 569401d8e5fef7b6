#include "search/path_fit.h"

#include "base/utf16.h"

std::u16string DropLeadingFolder(const std::u16string& directory) {
    if (directory == u"\\") return std::u16string();
    std::u16string rest = directory;
    const bool rooted = !rest.empty() && rest[0] == u'\\';
    if (rooted) rest.erase(0, 1);
    if (!rest.empty() && rest[0] == u'.') {
        // Meant for the "...\" of an earlier step; a folder of our own that
        // starts with "." loses four whole characters.
        std::size_t cut = 0;
        for (int chars = 0; chars < 4 && cut < rest.size(); ++chars)
            cut += CharUnits(rest.data(), cut, rest.size());
        rest.erase(0, cut);
    }
    const std::size_t backslash = rest.find(u'\\');
    if (backslash == std::u16string::npos)
        rest.clear();
    else
        rest = u"...\\" + rest.substr(backslash + 1);
    return rooted ? u"\\" + rest : rest;
}

std::u16string FitPathToWidth(const std::u16string& path, int maxWidth,
                              const std::function<int(const std::u16string&)>& textWidth) {
    // Just past the last "\" or ":", or 0 without one.
    const std::size_t last = path.find_last_of(u"\\:");
    const std::size_t split = last == std::u16string::npos ? 0 : last + 1;
    std::u16string directory = path.substr(0, split);
    const std::u16string name = path.substr(split);
    std::u16string drive;
    if (directory.size() >= 2 && directory[1] == u':') {
        drive = directory.substr(0, 2);
        directory.erase(0, 2);
    }
    std::u16string result = path;
    // Checking for something left to drop first keeps the final text unmeasured.
    while ((!directory.empty() || !drive.empty()) && textWidth(result) > maxWidth) {
        if (directory == u"\\...\\") {
            drive.clear();
            directory = u"...\\";
        } else if (directory.empty()) {
            drive.clear();
        } else {
            directory = DropLeadingFolder(directory);
        }
        result = drive + directory + name;
    }
    return result;
}
