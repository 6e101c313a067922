// Page up and page down move a tall page by its height divided by the number
// of pages: the vertical bar stands for the whole book, not for one window.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/EngineFixture.h"

namespace {

class PageScrollStepTest : public EngineTest {};

TEST_F(PageScrollStepTest, MovesByTheRectangleHeightOverThePageCount) {
    // Twenty pages laid out 400 x 1000 at 100 percent, centred in a client
    // 600 high: top edge at -200, a page step of 1000 / 20 = 50 pixels.
    MakePages(400, 1000, 20);
    FakeWindow window(817, 600);
    mvImage& e = Open(window);
    e.ResizeView();
    ASSERT_EQ(e.drawHeight, 1000);
    ASSERT_EQ(e.originY + e.vOffset, -200);

    const std::vector<std::pair<int, int>> steps = {
        {SB_PAGEDOWN, -250}, {SB_PAGEDOWN, -300}, {SB_PAGEUP, -250}, {SB_PAGEUP, -200}};
    for (auto [code, topEdge] : steps) {
        StartRecording(window);
        e.ScrollVertical(0, code);
        EXPECT_EQ(e.originY + e.vOffset, topEdge) << "code " << code;
        EXPECT_EQ(window.calls, std::vector<std::string>{"pos V " + std::to_string(-topEdge)});
        EXPECT_EQ(e.currentIndex, 0);
        EXPECT_EQ(DecodesSinceRecording(), 0);
    }
}

}  // namespace
