// Zoom steps of ten points stop short of 500 and of 10, whatever value the
// zoom started from, and never decode the page again.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/EngineFixture.h"

namespace {

struct ZoomLimitCase {
    const char* name;
    bool fitFirst;  // start from the fitted zoom instead of the 100 of a fresh opening
    bool zoomIn;
    double first;           // the zoom after the first step
    double last;            // the zoom where the steps stop
    int drawHeightAtLimit;  // the page rectangle's height there
};

class ZoomLimitTest : public EngineTest, public testing::WithParamInterface<ZoomLimitCase> {};

TEST_P(ZoomLimitTest, StepsByTenUntilTheLimitThenStays) {
    const ZoomLimitCase& c = GetParam();
    // 40 x 160: fitted into a client 60 high it is laid out at 37.5 percent.
    MakePages(40, 160, 1);
    FakeWindow window(800, 60);
    mvImage& e = Open(window);
    if (c.fitFirst) e.FitToWindow();
    StartRecording(window);

    const double direction = c.zoomIn ? 10.0 : -10.0;
    const int stepsToLimit = static_cast<int>(std::lround((c.last - c.first) / direction));
    for (int step = 0; step <= stepsToLimit + 2; ++step) {
        c.zoomIn ? e.ZoomIn() : e.ZoomOut();
        const double expected = step <= stepsToLimit ? c.first + direction * step : c.last;
        ASSERT_DOUBLE_EQ(e.zoomPercent, expected) << "after step " << step + 1;
    }
    EXPECT_EQ(e.drawHeight, c.drawHeightAtLimit);
    EXPECT_FALSE(e.inLayout);
    EXPECT_EQ(DecodesSinceRecording(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ZoomLimitTest,
    testing::Values(ZoomLimitCase{"InFromHundred", false, true, 110.0, 490.0, 784},
                    ZoomLimitCase{"OutFromHundred", false, false, 90.0, 20.0, 32},
                    ZoomLimitCase{"InFromFitted", true, true, 47.5, 497.5, 796},
                    ZoomLimitCase{"OutFromFitted", true, false, 27.5, 17.5, 28}),
    [](const testing::TestParamInfo<ZoomLimitCase>& info) { return info.param.name; });

}  // namespace
