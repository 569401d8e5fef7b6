#include "search/walk.h"

namespace {

// Room for one long name, so that appending names to a level's buffer does
// not allocate per entry.
constexpr std::size_t kNameRoom = 260;

struct Walk {
    DirectorySource& source;
    WalkHost& host;
    bool completed;
};

bool IsDotEntry(const char16_t* name) {
    return name[0] == u'.' && (name[1] == u'\0' || (name[1] == u'.' && name[2] == u'\0'));
}

void SearchFolder(Walk& walk, const std::u16string& folder) {
    // The only point where a cancel is seen. Only this folder is given up:
    // listings already open run to their end and see it at their next folder.
    if (walk.host.EnterFolder(folder)) {
        walk.completed = false;
        return;
    }
    std::u16string path = ListingPrefix(folder);
    const std::size_t prefixLength = path.size();
    path.reserve(prefixLength + kNameRoom);
    path += u"*.*";
    const std::unique_ptr<DirListing> listing = walk.source.Open(path);
    path.resize(prefixLength);
    if (!listing) return;

    DirEntry entry{};
    while (listing->Next(entry)) {
        if (IsDotEntry(entry.name)) continue;
        if (entry.attributes & kAttributeDirectory) {
            if (walk.host.SubfoldersOn() && EntersFolder(entry)) {
                path += entry.name;
                SearchFolder(walk, path);
                path.resize(prefixLength);
            }
        } else if (walk.host.Matches(entry)) {
            path += entry.name;
            walk.host.FileFound(path, entry);
            path.resize(prefixLength);
        }
    }
}

} // namespace

bool EntersFolder(const DirEntry& folder) {
    if (!(folder.attributes & kAttributeReparsePoint)) return true;
    return folder.reparseTag != 0 && !(folder.reparseTag & kReparseTagNameSurrogate);
}

bool SearchTree(const std::u16string& start, DirectorySource& source, WalkHost& host) {
    Walk walk{source, host, true};
    SearchFolder(walk, start);
    return walk.completed;
}

std::u16string ListingPrefix(const std::u16string& folder) {
    // In UTF-16 a "\" is always a character of its own, never half of another.
    if (!folder.empty() && folder.back() == u'\\') return folder;
    return folder + u'\\';
}
