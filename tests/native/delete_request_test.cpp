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
    // No window (0x4, 0x10, 0x200, 0x400), undo (0x40), into the bin on delete (0x80000).
    EXPECT_EQ(RecycleOperationFlags(), 0x80654u);
}

// The watcher of the recycle-bin operation: each item only into the bin (flag 0x80),
// and nothing after an item that went without a copy there.
TEST(RecycleWatch, LetsThroughOnlyWhatGoesIntoTheBin) {
    const struct {
        unsigned flags;
        bool goes;
    } before[] = {{0x80, true}, {0x82, true}, {0, false}, {0x40, false}, {0x400, false}};
    for (const auto& c : before)
        EXPECT_EQ(MayDeleteItem(c.flags), c.goes) << std::hex << c.flags;

    const struct {
        std::int32_t result;
        bool recycledCopy, goesOn;
    } after[] = {
        {0, true, true},                                      // into the bin
        {0, false, false},                                    // destroyed
        {1, false, false},                                    // destroyed, S_FALSE
        {static_cast<std::int32_t>(0x80070020), false, true}, // in use: it stays
        {static_cast<std::int32_t>(0x80070005), false, true}, // access denied: it stays
    };
    for (const auto& c : after)
        EXPECT_EQ(MayGoOnAfterDelete(c.result, c.recycledCopy), c.goesOn)
            << std::hex << c.result << " " << c.recycledCopy;
}

// Only an engine the system lacks lets the older request take its place.
TEST(EngineMissing, OnlyNotImplementedOrNotRegistered) {
    const struct {
        unsigned long result;
        bool missing;
    } cases[] = {{0x80004001, true},  {0x80040154, true},  {0x80004005, false},
                 {0x80070005, false}, {0x800401F0, false}, {0, false}};
    for (const auto& c : cases)
        EXPECT_EQ(EngineMissing(static_cast<std::int32_t>(c.result)), c.missing)
            << std::hex << c.result;
}

TEST(PresenceAfterFailure, GoneOnlyWhenTheSystemSaysNoSuchFileOrPath) {
    const struct {
        unsigned long error;
        Presence presence;
    } cases[] = {
        {2, Presence::Gone},       // no such file
        {3, Presence::Gone},       // no such path
        {5, Presence::Unknown},    // access denied
        {21, Presence::Unknown},   // device not ready
        {32, Presence::Unknown},   // in use
        {53, Presence::Unknown},   // network path not found
        {64, Presence::Unknown},   // network name no longer available
        {67, Presence::Unknown},   // network name not found
        {1231, Presence::Unknown}, // network location unreachable
    };
    for (const auto& c : cases)
        EXPECT_EQ(PresenceAfterFailure(c.error), c.presence) << c.error;
}

} // namespace
