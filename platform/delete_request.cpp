#include "platform/delete_request.h"

unsigned DeleteRequestFlags(bool permanent) {
    if (permanent) return kFofNoConfirmation;
    // Without the nuke warning the shell silently deletes for good a file
    // that cannot go into the recycle bin; with it the user is asked first.
    return kFofNoConfirmation | kFofAllowUndo | kFofWantNukeWarning;
}

unsigned UnattendedDeleteFlags(bool permanent) {
    return DeleteRequestFlags(permanent) | kFofSilent | kFofNoErrorUi;
}
