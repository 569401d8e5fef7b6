#include "platform/delete_request.h"

#include "search/found_files.h"

std::string BuildPathList(const TFoundFiles& files) {
    std::string_view joined = files.Joined();
    std::string list;
    list.reserve(joined.size() + 1);
    list.append(joined);
    list.push_back('\0');
    return list;
}

unsigned DeleteRequestFlags(bool permanent) {
    if (permanent) return kFofNoConfirmation;
    // Without the nuke warning the shell silently deletes for good a file
    // that cannot go into the recycle bin; with it the user is asked first.
    return kFofNoConfirmation | kFofAllowUndo | kFofWantNukeWarning;
}
