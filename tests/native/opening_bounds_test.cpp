#include "base/opening_bounds.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

void PrintTo(const Bounds& b, std::ostream* os) {
    *os << "(" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << ")";
}

namespace {

TEST(OpeningBounds, AsSavedWhereVisibleElseDesignedOrOnTheNearestWorkArea) {
    // A second monitor right of the first, each with its taskbar at the bottom.
    const std::vector<Bounds> first = {{0, 0, 1920, 1040}};
    const std::vector<Bounds> both = {first[0], {1920, 0, 1280, 984}};
    const Bounds designed{100, 80, 394, 326};
    const struct {
        const char* what;
        Bounds saved;
        std::vector<Bounds> areas;
        Bounds opening;
    } cases[] = {
        {"on screen", {10, 20, 600, 420}, both, {10, 20, 600, 420}},
        {"partly off the first", {-40, -30, 600, 420}, both, {-40, -30, 600, 420}},
        {"on the second", {2000, 100, 600, 420}, both, {2000, 100, 600, 420}},
        {"across both", {1700, 900, 600, 420}, both, {1700, 900, 600, 420}},
        {"no width", {10, 20, 0, 420}, both, designed},
        {"negative height", {10, 20, 600, -5}, both, designed},
        {"nothing saved", {0, 0, 0, 0}, both, designed},
        {"the second gone", {2000, 100, 600, 420}, first, {1320, 100, 600, 420}},
        {"above every monitor", {300, -900, 600, 420}, both, {300, 0, 600, 420}},
        {"only touching an edge", {3200, 0, 600, 420}, both, {2600, 0, 600, 420}},
        {"nearer the second", {3300, 1100, 600, 420}, both, {2600, 564, 600, 420}},
        {"larger than the nearest", {-3000, 50, 2400, 1200}, both, {0, 0, 1920, 1040}},
        {"at the end of the range", {INT_MAX, INT_MAX, 600, 420}, first, {1320, 620, 600, 420}},
        {"no work areas", {5000, 5000, 600, 420}, {}, {5000, 5000, 600, 420}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(OpeningBounds(c.saved, designed, c.areas), c.opening);
    }
}

} // namespace
