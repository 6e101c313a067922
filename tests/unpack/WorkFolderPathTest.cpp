#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <regex>
#include <string>

#include "IsolatedDataHome.h"
#include "platform/FileSystem.h"
#include "platform/Places.h"
#include "support/Fixtures.h"
#include "support/PrintableName.h"
#include "unpack/WorkFolderPath.h"

namespace {

struct FormatCase {
    int32_t tick;
    std::string expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << "tick_" << PrintableName(std::to_string(c.tick));
}

class FormatWorkFolderPathTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatWorkFolderPathTest, WritesTheTickAsASignedDecimal) {
    EXPECT_EQ(FormatWorkFolderPath("/d/Tindlework", "tmpImageName", GetParam().tick),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, FormatWorkFolderPathTest,
    ::testing::Values(FormatCase{5, "/d/Tindlework/tmpImageName5"},
                      FormatCase{0, "/d/Tindlework/tmpImageName0"},
                      FormatCase{INT32_MAX, "/d/Tindlework/tmpImageName2147483647"},
                      // After 24.8 days of uptime the tick count reads negative.
                      FormatCase{WrapTickCount(4294967295u), "/d/Tindlework/tmpImageName-1"},
                      FormatCase{INT32_MIN, "/d/Tindlework/tmpImageName-2147483648"}));

TEST(MakeWorkFolderPathTest, MakesTindleworkWithItsParentsButNotThePathItself) {
    IsolatedDataHome home;
    ScopedEnvironment dataHome("XDG_DATA_HOME", home / "new/account/data");
    const std::string path = MakeWorkFolderPath("tmpImageName");
    const std::string tindlework = home / "new/account/data/Tindlework";
    EXPECT_TRUE(std::regex_match(path, std::regex(tindlework + "/tmpImageName-?[0-9]+"))) << path;
    EXPECT_TRUE(IsRealFolder(tindlework));
    EXPECT_FALSE(PathExists(path));
}

TEST(ClaimNewFolderTest, NamesTakenInTheSameMillisecondMoveOnToTheNextSuffix) {
    IsolatedDataHome home;
    const std::string base = home / "tmpImageName42";
    WriteFileBytes(home / "tmpImageName42_3", "a file takes a name as well");
    EXPECT_EQ(ClaimNewFolder(base), base);
    EXPECT_EQ(ClaimNewFolder(base), base + "_2");
    EXPECT_EQ(ClaimNewFolder(base), base + "_4");
    for (const char* suffix : {"", "_2", "_4"}) EXPECT_TRUE(IsRealFolder(base + suffix)) << suffix;
}

TEST(ClaimNewFolderTest, GivesTheBaseBackWhenNothingCanBeCreated) {
    IsolatedDataHome home;
    const std::string base = home / "no/such/parent/tmpImageName1";
    EXPECT_EQ(ClaimNewFolder(base), base);
    EXPECT_FALSE(PathExists(home / "no"));
}

}  // namespace
