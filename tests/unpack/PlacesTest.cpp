#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "platform/Places.h"
#include "support/ScopedEnvironment.h"
#include "unpack/ExtractorRun.h"

namespace {

struct DataFolderCase {
    const char* label;
    std::optional<std::string> dataHome;
    std::optional<std::string> home;
    std::string expected;
};

void PrintTo(const DataFolderCase& c, std::ostream* out) {
    *out << c.label;
}

class UserDataFolderTest : public ::testing::TestWithParam<DataFolderCase> {};

TEST_P(UserDataFolderTest, FollowsTheXdgRules) {
    ScopedEnvironment dataHome("XDG_DATA_HOME", GetParam().dataHome);
    ScopedEnvironment home("HOME", GetParam().home);
    EXPECT_EQ(UserDataFolder(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserDataFolderTest,
    ::testing::Values(DataFolderCase{"absolute", "/x/data", "/home/u", "/x/data"},
                      DataFolderCase{"trailing_slashes", "/x/data//", "/home/u", "/x/data"},
                      // A relative $XDG_DATA_HOME is invalid and ignored.
                      DataFolderCase{"relative", "x/data", "/home/u", "/home/u/.local/share"},
                      DataFolderCase{"empty", "", "/home/u", "/home/u/.local/share"},
                      DataFolderCase{"unset", std::nullopt, "/home/u/", "/home/u/.local/share"},
                      DataFolderCase{"home_is_root", std::nullopt, "/", "/.local/share"}));

TEST(UserDataFolderWithoutHome, FallsBackToTheUserDatabase) {
    ScopedEnvironment dataHome("XDG_DATA_HOME", std::nullopt);
    ScopedEnvironment home("HOME", std::nullopt);
    std::string folder = UserDataFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_TRUE(folder.ends_with("/.local/share")) << folder;
}

struct TickCase {
    uint64_t milliseconds;
    int32_t tick;
};

void PrintTo(const TickCase& c, std::ostream* out) {
    *out << c.milliseconds << "ms";
}

class WrapTickCountTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(WrapTickCountTest, KeepsTheLow32BitsAsASignedNumber) {
    EXPECT_EQ(WrapTickCount(GetParam().milliseconds), GetParam().tick);
}

INSTANTIATE_TEST_SUITE_P(Counts, WrapTickCountTest,
                         ::testing::Values(TickCase{0, 0}, TickCase{5, 5},
                                           TickCase{2147483647u, INT32_MAX},
                                           TickCase{2147483648u, INT32_MIN},
                                           TickCase{4294967295u, -1}, TickCase{4294967296u, 0},
                                           TickCase{4294967301u, 5}));

TEST(ExtractorPathTest, IsCoreSevenZipBesideTheRunningExecutable) {
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(ExtractorPath(), executable.parent_path().string() + "/core/7z");
    // The build puts the extractor there, for the program and for these tests.
    EXPECT_EQ(access(ExtractorPath().c_str(), X_OK), 0) << ExtractorPath();
}

}  // namespace
