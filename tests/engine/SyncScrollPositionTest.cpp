// The thumb's place for a page index: the bar's span less one window,
// shared out evenly between the pages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineFixture.h"

namespace {

struct SyncCase {
    int pageCount;
    int index;
    int position;
};

class SyncScrollPositionTest : public EngineTest, public testing::WithParamInterface<SyncCase> {};

TEST_P(SyncScrollPositionTest, PutsTheThumbAtThePage) {
    const SyncCase& c = GetParam();
    // Pages fitted 400 x 600 into a client 600 high.
    MakePages(20, 30, c.pageCount);
    FakeWindow window(817, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    StartRecording(window);

    e.SyncScrollPosition(c.index);

    // Only the position: range, page size and visibility stay.
    EXPECT_EQ(window.calls, std::vector<std::string>{"pos V " + std::to_string(c.position)});
    EXPECT_EQ(e.currentIndex, 0);
    EXPECT_TRUE(window.flushes.empty());
    EXPECT_EQ(DecodesSinceRecording(), 0);
}

// Ten pages: a span of 5400, 540 per page. Two hundred pages make a long
// document: a span of 30000 - 600, 147 per page.
INSTANTIATE_TEST_SUITE_P(Indices, SyncScrollPositionTest,
                         testing::Values(SyncCase{10, 0, 0}, SyncCase{10, 1, 540},
                                         SyncCase{10, 2, 1080}, SyncCase{10, 5, 2700},
                                         SyncCase{10, 9, 4860}, SyncCase{200, 0, 0},
                                         SyncCase{200, 10, 1470}, SyncCase{200, 199, 29253}),
                         [](const testing::TestParamInfo<SyncCase>& info) {
                             return "Page" + std::to_string(info.param.index) + "Of" +
                                    std::to_string(info.param.pageCount);
                         });

}  // namespace
