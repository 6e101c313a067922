// A page index outside the book raises the invalid-argument error after the
// old picture was released: the engine is left without a page and stops
// being ready, and nothing is drawn.
#include <gtest/gtest.h>

#include <string>

#include "engine/EngineFixture.h"
#include "platform/InvalidArgument.h"

namespace {

class PageOutOfRangeTest : public EngineTest, public testing::WithParamInterface<int> {};

TEST_P(PageOutOfRangeTest, GoToPageRaisesAndKeepsTheIndex) {
    const int index = GetParam();
    MakeColouredPages(20, 30, 10);
    FakeWindow window(817, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    StartRecording(window);

    EXPECT_THROW(e.GoToPage(index), InvalidArgumentError);

    EXPECT_EQ(e.image, nullptr);
    EXPECT_EQ(e.currentIndex, index);
    EXPECT_FALSE(e.IsReady());
    EXPECT_TRUE(window.flushes.empty());
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(DecodesSinceRecording(), 0);
}

INSTANTIATE_TEST_SUITE_P(Indices, PageOutOfRangeTest, testing::Values(-1, 10, 11),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param < 0 ? "BeforeTheFirst"
                                                   : "Page" + std::to_string(info.param);
                         });

}  // namespace
