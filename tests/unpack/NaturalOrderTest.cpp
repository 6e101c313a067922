#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "support/PrintableName.h"
#include "unpack/NaturalOrder.h"

namespace {

struct OrderedPair {
    std::string before;
    std::string after;
};

void PrintTo(const OrderedPair& pair, std::ostream* out) {
    *out << PrintableName(pair.before) << "_vs_" << PrintableName(pair.after);
}

class NaturalOrderTest : public ::testing::TestWithParam<OrderedPair> {};

TEST_P(NaturalOrderTest, OrdersThePairOneWayOnly) {
    const OrderedPair& pair = GetParam();
    EXPECT_TRUE(NaturalLess(pair.before, pair.after));
    EXPECT_FALSE(NaturalLess(pair.after, pair.before));
    EXPECT_FALSE(NaturalLess(pair.before, pair.before));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, NaturalOrderTest,
    ::testing::Values(
        // Digit runs compare as numbers, whatever their length.
        OrderedPair{"page2.jpg", "page10.jpg"}, OrderedPair{"page09.jpg", "page10.jpg"},
        OrderedPair{"x99999999999999999999999", "x100000000000000000000000"}, OrderedPair{"1", "a"},
        OrderedPair{"file1a", "file1b"}, OrderedPair{"vol1/page9", "vol1/page10"},
        // Letter case does not count...
        OrderedPair{"a.jpg", "B.jpg"}, OrderedPair{"Page2.jpg", "page10.jpg"},
        OrderedPair{"page10", "PAGE11"},
        // ...and names equal apart from case or leading zeros still get one
        // fixed order, from their bytes.
        OrderedPair{"A.jpg", "a.jpg"}, OrderedPair{"page01", "page1"},
        // A shorter name comes first; punctuation before digits before letters.
        OrderedPair{"", "a"}, OrderedPair{"ab", "abc"}, OrderedPair{"page.jpg", "page1.jpg"},
        OrderedPair{"page 1", "page1"}, OrderedPair{"page_1", "pageA"},
        // Bytes beyond ASCII come after the ASCII letters.
        OrderedPair{"z.jpg", "\xc3\xa9.jpg"}, OrderedPair{"z", "\xff"}));

TEST(NaturalOrderSortTest, SortsAShuffledListIntoReadingOrder) {
    const std::vector<std::string> expected = {"Cover.jpg",  "page1.jpg",  "Page2.jpg",
                                               "page3.jpg",  "page10.jpg", "PAGE11.jpg",
                                               "page20.jpg", "page100.jpg"};
    std::vector<std::string> names = expected;
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(names.begin(), names.end(), random);
        std::sort(names.begin(), names.end(),
                  [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
        EXPECT_EQ(names, expected);
    }
}

}  // namespace
