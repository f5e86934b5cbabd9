#include "dialogkit/dynamic_layout.h"

#include "message_box_recorder.h"
#include "test_dialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using dialogkit::LayoutRule;
using dialogkit::ParseLayoutResource;

bool operator==(const LayoutRule& a, const LayoutRule& b) {
    return a.moveX == b.moveX && a.moveY == b.moveY && a.sizeX == b.sizeX && a.sizeY == b.sizeY;
}

TEST(LayoutResource, ReadsVersionZeroAndFourWordsPerControl) {
    const std::uint16_t good[] = {0, 100, 0, 0, 0, 50, 25, 30, 75, 0, 0, 250, 100};
    auto rules = ParseLayoutResource(good, sizeof good);
    ASSERT_TRUE(rules.has_value());
    ASSERT_EQ(rules->size(), 3u);
    EXPECT_TRUE(((*rules)[0] == LayoutRule{100, 0, 0, 0}));
    EXPECT_TRUE(((*rules)[1] == LayoutRule{50, 25, 30, 75}));
    EXPECT_TRUE(((*rules)[2] == LayoutRule{0, 0, 100, 100}));  // above 100 counts as 100

    const std::uint16_t empty[] = {0};
    EXPECT_EQ(ParseLayoutResource(empty, sizeof empty)->size(), 0u);
    const std::uint16_t version1[] = {1, 100, 0, 0, 0};
    EXPECT_FALSE(ParseLayoutResource(version1, sizeof version1).has_value());
    EXPECT_FALSE(ParseLayoutResource(good, sizeof good - 2).has_value());
    EXPECT_FALSE(ParseLayoutResource(good, 1).has_value());
    EXPECT_FALSE(ParseLayoutResource(nullptr, 0).has_value());
}

std::vector<RECT> ControlRects(HWND dialog) {
    std::vector<RECT> rects;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        rects.push_back(rect);
    }
    return rects;
}

class Layout : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.CreateShown());
        start = ControlRects(dialog);
        ASSERT_EQ(start.size(), 9u);
        startWindow = dialog.GetWindowRect();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    void Resize(int dx, int dy) {
        dialog.SetWindowPos(nullptr, 0, 0, startWindow.right - startWindow.left + dx,
                            startWindow.bottom - startWindow.top + dy, SWP_NOMOVE | SWP_NOZORDER);
    }

    MessageBoxRecorder boxes;
    TestDialog dialog;
    std::vector<RECT> start;
    RECT startWindow{};
};

// The percentages of the test template, in template order.
const LayoutRule kTemplateRules[] = {
    {0, 0, 100, 100}, {100, 0, 0, 0},   {100, 0, 0, 0},   {100, 0, 0, 0},   {100, 0, 0, 0},
    {0, 100, 0, 0},   {0, 100, 100, 0}, {100, 100, 0, 0}, {50, 25, 30, 75},
};

TEST_F(Layout, GrowingMovesAndStretchesEachControlByItsPercentages) {
    const int dx = 200, dy = 120;
    Resize(dx, dy);
    const std::vector<RECT> now = ControlRects(dialog);
    ASSERT_EQ(now.size(), start.size());
    for (size_t i = 0; i < now.size(); ++i) {
        const LayoutRule& rule = kTemplateRules[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(now[i].left, start[i].left + dx * rule.moveX / 100);
        EXPECT_EQ(now[i].top, start[i].top + dy * rule.moveY / 100);
        EXPECT_EQ(now[i].right - now[i].left, start[i].right - start[i].left + dx * rule.sizeX / 100);
        EXPECT_EQ(now[i].bottom - now[i].top, start[i].bottom - start[i].top + dy * rule.sizeY / 100);
    }
}

TEST_F(Layout, ShrinkingBelowTheTemplateLeavesTheControlsInTheirPlaces) {
    Resize(150, 150);
    Resize(-40, -30);
    const std::vector<RECT> now = ControlRects(dialog);
    for (size_t i = 0; i < now.size(); ++i) {
        EXPECT_TRUE(EqualRect(&now[i], &start[i])) << i;
    }
}

TEST_F(Layout, MaximisingMovesTheCloseButtonToTheCorner) {
    dialog.ShowWindow(SW_MAXIMIZE);
    const RECT client = dialog.GetClientRect();
    const RECT close = ControlRects(dialog)[7];
    const RECT closeStart = start[7];
    RECT startClient{0, 0, 0, 0};
    AdjustWindowRectEx(&startClient, dialog.GetStyle(), FALSE, dialog.GetExStyle());
    // The button keeps its distance to the bottom-right corner.
    const int startClientWidth = startWindow.right - startWindow.left - (startClient.right - startClient.left);
    const int startClientHeight = startWindow.bottom - startWindow.top - (startClient.bottom - startClient.top);
    EXPECT_GT(client.right, startClientWidth);
    EXPECT_EQ(client.right - close.right, startClientWidth - closeStart.right);
    EXPECT_EQ(client.bottom - close.bottom, startClientHeight - closeStart.bottom);
    dialog.ShowWindow(SW_RESTORE);
    EXPECT_TRUE(EqualRect(&ControlRects(dialog)[7], &closeStart));
}

}  // namespace
