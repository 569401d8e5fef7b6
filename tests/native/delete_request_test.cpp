#include "platform/delete_request.h"

#include <gtest/gtest.h>

namespace {

TEST(DeleteRequestFlags, RecycleBinOrPermanent) {
    EXPECT_EQ(DeleteRequestFlags(false), 0x4050u);
    EXPECT_EQ(DeleteRequestFlags(true), 0x10u);
}

TEST(UnattendedDeleteFlags, QuietButStillAskingBeforeDestroyingWhatTheBinRefuses) {
    for (bool permanent : {false, true}) {
        const unsigned flags = UnattendedDeleteFlags(permanent);
        EXPECT_EQ(flags & ~(kFofSilent | kFofNoErrorUi), DeleteRequestFlags(permanent));
        EXPECT_NE(flags & kFofSilent, 0u);
        EXPECT_NE(flags & kFofNoErrorUi, 0u);
        EXPECT_EQ((flags & kFofWantNukeWarning) != 0, !permanent);
    }
}

TEST(DeleteRequestFlags, NeverSilencesTheShell) {
    const unsigned kSimpleProgress = 0x100;
    for (bool permanent : {false, true}) {
        unsigned flags = DeleteRequestFlags(permanent);
        EXPECT_NE(flags & kFofNoConfirmation, 0u);
        EXPECT_EQ(flags & (kFofSilent | kSimpleProgress | kFofNoErrorUi), 0u);
        EXPECT_EQ((flags & kFofAllowUndo) != 0, !permanent);
    }
}

} // namespace
