#include "platform/delete_request.h"

#include <gtest/gtest.h>

namespace {

TEST(DeleteRequestFlags, RecycleBinOrPermanent) {
    EXPECT_EQ(DeleteRequestFlags(false), 0x4050u);
    EXPECT_EQ(DeleteRequestFlags(true), 0x10u);
}

TEST(DeleteRequestFlags, NeverSilencesTheShell) {
    const unsigned kSilent = 0x4, kSimpleProgress = 0x100, kNoErrorUi = 0x400;
    for (bool permanent : {false, true}) {
        unsigned flags = DeleteRequestFlags(permanent);
        EXPECT_NE(flags & kFofNoConfirmation, 0u);
        EXPECT_EQ(flags & (kSilent | kSimpleProgress | kNoErrorUi), 0u);
        EXPECT_EQ((flags & kFofAllowUndo) != 0, !permanent);
    }
}

} // namespace
