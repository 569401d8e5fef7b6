#include "platform/delete_request.h"

namespace {

constexpr std::int32_t kNotImplemented = static_cast<std::int32_t>(0x80004001);
constexpr std::int32_t kClassNotRegistered = static_cast<std::int32_t>(0x80040154);
constexpr unsigned long kFileNotFound = 2, kPathNotFound = 3;

} // namespace

unsigned DeleteRequestFlags(bool permanent) {
    if (permanent) return kFofNoConfirmation;
    // Without the nuke warning the shell silently deletes for good a file
    // that cannot go into the recycle bin; with it the user is asked first.
    return kFofNoConfirmation | kFofAllowUndo | kFofWantNukeWarning;
}

unsigned UnattendedDeleteFlags(bool permanent) {
    return DeleteRequestFlags(permanent) | kFofSilent | kFofNoErrorUi;
}

unsigned RecycleOperationFlags() {
    return kFofSilent | kFofNoConfirmation | kFofNoErrorUi | kFofNoConfirmMkdir | kFofAllowUndo |
           kFofxRecycleOnDelete;
}

bool MayDeleteItem(unsigned itemFlags) { return (itemFlags & kTsfDeleteRecycleIfPossible) != 0; }

bool MayGoOnAfterDelete(std::int32_t result, bool recycledCopy) {
    return result < 0 || recycledCopy;
}

bool EngineMissing(std::int32_t result) {
    return result == kNotImplemented || result == kClassNotRegistered;
}

Presence PresenceAfterFailure(unsigned long error) {
    return error == kFileNotFound || error == kPathNotFound ? Presence::Gone : Presence::Unknown;
}

bool IsShellPathList(const std::u16string& pathList) {
    return !pathList.empty() && pathList[0] != u'\0' && pathList.back() == u'\0';
}
