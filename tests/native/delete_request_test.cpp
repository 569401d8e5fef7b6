#include "platform/delete_request.h"

#include <gtest/gtest.h>

namespace {

// The shell's published values, written out: no flag is taken from the code it checks.
// 0x10 no confirmation, 0x40 recycle bin, 0x4000 ask before destroying what the bin
// refuses, 0x4 no progress, 0x400 no error boxes. Never 0x100 (simple progress).
TEST(DeleteRequestFlags, ExactlyTheseFlags) {
    const struct {
        bool permanent;
        unsigned window, unattended;
    } cases[] = {{false, 0x4050, 0x4454}, {true, 0x10, 0x414}};
    for (const auto& c : cases) {
        EXPECT_EQ(DeleteRequestFlags(c.permanent), c.window) << c.permanent;
        EXPECT_EQ(UnattendedDeleteFlags(c.permanent), c.unattended) << c.permanent;
    }
}

} // namespace
