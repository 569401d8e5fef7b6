#include "search/walk.h"

namespace {

constexpr unsigned long kDirectory = 0x10;
constexpr unsigned long kReparsePoint = 0x400;
// Room for one long name, so that appending names to a level's buffer does
// not allocate per entry.
constexpr std::size_t kNameRoom = 260;

struct Walk {
    DirectorySource& source;
    WalkHost& host;
    const CodePage& codePage;
    bool completed;
};

bool IsDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

void SearchFolder(Walk& walk, const std::string& folder) {
    // The only point where a cancel is seen. Only this folder is given up:
    // listings already open run to their end and see it at their next folder.
    if (walk.host.EnterFolder(folder)) {
        walk.completed = false;
        return;
    }
    std::string path = ListingPrefix(folder, walk.codePage);
    const std::size_t prefixLength = path.size();
    path.reserve(prefixLength + kNameRoom);
    path += "*.*";
    const std::unique_ptr<DirListing> listing = walk.source.Open(path);
    path.resize(prefixLength);
    if (!listing) return;

    DirEntry entry{};
    while (listing->Next(entry)) {
        if (IsDotEntry(entry.name)) continue;
        if (entry.attributes & kDirectory) {
            // A link or junction can lead out of the chosen tree, or back
            // into it without end; only real subfolders are entered.
            if (walk.host.SubfoldersOn() && !(entry.attributes & kReparsePoint)) {
                path += entry.name;
                SearchFolder(walk, path);
                path.resize(prefixLength);
            }
        } else if (walk.host.Matches(entry.name)) {
            path += entry.name;
            walk.host.FileFound(path);
            path.resize(prefixLength);
        }
    }
}

} // namespace

bool SearchTree(const std::string& start, DirectorySource& source, WalkHost& host,
                const CodePage& codePage) {
    Walk walk{source, host, codePage, true};
    SearchFolder(walk, start);
    return walk.completed;
}

std::string ListingPrefix(const std::string& folder, const CodePage& codePage) {
    std::size_t lastChar = std::string::npos;
    for (std::size_t i = 0; i < folder.size();) {
        lastChar = i;
        const bool lead = codePage.IsLeadByte(static_cast<unsigned char>(folder[i]));
        i += lead && i + 1 < folder.size() ? 2 : 1;
    }
    const bool endsInSeparator =
        !folder.empty() && lastChar == folder.size() - 1 && folder[lastChar] == '\\';
    return endsInSeparator ? folder : folder + '\\';
}
