#include <gtest/gtest.h>

#include <tuple>

#include "platform/AreaAverageTaps.h"

namespace {

class AreaAverageTapsTest : public testing::TestWithParam<std::tuple<int, int>> {};

// Every target's weights are whole fractions of one that add up exactly, lie
// on the source pixels it covers, and come in an even number.
TEST_P(AreaAverageTapsTest, WeightsCoverEachTargetExactly) {
    const auto [source, target] = GetParam();
    const AreaAverageTaps taps(source, target, 0, target);

    EXPECT_EQ(taps.Count() % 2, 0);
    EXPECT_EQ(taps.SourceBegin(), 0);
    EXPECT_EQ(taps.SourceEnd(), source);
    for (int t = 0; t < target; ++t) {
        const double begin = double(t) * source / target;
        const double end = double(t + 1) * source / target;
        int sum = 0;
        for (int k = 0; k < taps.Count(); ++k) {
            const int pixel = taps.First(t) + k;
            const int weight = taps.Weights(t)[k];
            ASSERT_GE(weight, 0) << "target " << t;
            sum += weight;
            if (weight == 0) continue;
            // The pixel overlaps the target's span, and its weight is its share.
            ASSERT_LT(pixel, source);
            const double overlap = std::min(end, pixel + 1.0) - std::max(begin, double(pixel));
            EXPECT_NEAR(weight, overlap / (end - begin) * AreaAverageTaps::kOne, 1.0)
                << "target " << t << " pixel " << pixel;
        }
        ASSERT_EQ(sum, AreaAverageTaps::kOne) << "target " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(Factors, AreaAverageTapsTest,
                         testing::Values(std::make_tuple(10, 10), std::make_tuple(2, 1),
                                         std::make_tuple(7, 3), std::make_tuple(1800, 640),
                                         std::make_tuple(2700, 961), std::make_tuple(1000, 999),
                                         std::make_tuple(8000, 7)));

TEST(AreaAverageTapsPartTest, APartHasTheSameTapsAsTheWhole) {
    const AreaAverageTaps whole(1800, 640, 0, 640);
    const AreaAverageTaps part(1800, 640, 300, 310);

    EXPECT_EQ(part.SourceBegin(), whole.First(300));
    EXPECT_LE(part.SourceEnd(), whole.First(310) + 1);
    for (int t = 0; t < 10; ++t) {
        EXPECT_EQ(part.First(t), whole.First(300 + t));
        for (int k = 0; k < part.Count(); ++k)
            EXPECT_EQ(part.Weights(t)[k], k < whole.Count() ? whole.Weights(300 + t)[k] : 0);
    }
}

}  // namespace
