#include "ui/window_placement.h"

#include <gtest/gtest.h>

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(PlaceMainWindow, StoredRectangleOnlyWhenUsable) {
    const SIZE templateSize{1038, 505};
    const RECT host{0, 0, 1600, 1000};
    const RECT centred{281, 247, 1319, 752};
    const struct {
        const char* name;
        RECT stored;
        bool onMonitor;
        RECT expected;
    } cases[] = {
        {"nothing stored", {0, 0, 0, 0}, true, centred},
        {"stored and usable", {10, 20, 1110, 620}, true, {10, 20, 1110, 620}},
        {"exactly the template size", {5, 5, 1043, 510}, true, {5, 5, 1043, 510}},
        {"one pixel too narrow", {5, 5, 1042, 510}, true, centred},
        {"one pixel too low", {5, 5, 1043, 509}, true, centred},
        {"edges swapped", {1110, 620, 10, 20}, true, centred},
        {"on no monitor", {-5000, -5000, -3000, -4000}, false, centred},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(SameRect(PlaceMainWindow(c.stored, templateSize, host, c.onMonitor), c.expected)) << c.name;
    }
}

TEST(PlaceMainWindow, CentresOnAHostAwayFromTheOrigin) {
    const RECT placed = PlaceMainWindow(RECT{}, SIZE{400, 300}, RECT{1000, 200, 1800, 800}, true);
    EXPECT_TRUE(SameRect(placed, RECT{1200, 350, 1600, 650}));
}

}  // namespace
