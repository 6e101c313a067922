#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <regex>
#include <string>

#include "IsolatedDataHome.h"
#include "platform/FileSystem.h"
#include "support/Fixtures.h"
#include "support/PrintableName.h"
#include "unpack/BatchScript.h"
#include "unpack/ExtractorRun.h"

namespace {

TEST(BatchScriptTest, HoldsExactlyTheLocaleLineTheCommandAndTheSelfDelete) {
    const std::string command =
        ExtractorCommand("/P/core/7z", "/A/Tindlework/tmpImageName5", "/D/b.cbz");
    EXPECT_EQ(command, "'/P/core/7z' x -o'/A/Tindlework/tmpImageName5' -spd '/D/b.cbz'");
    EXPECT_EQ(BatchScriptText(command, "/A/Tindlework/tindlerun7.sh"),
              "export LC_ALL=C.UTF-8\n"
              "\n"
              "'/P/core/7z' x -o'/A/Tindlework/tmpImageName5' -spd '/D/b.cbz'\n"
              "\n"
              "rm -f -- '/A/Tindlework/tindlerun7.sh'");
}

struct QuoteCase {
    std::string text;
    std::string quoted;
};

void PrintTo(const QuoteCase& c, std::ostream* out) {
    *out << PrintableName(c.text);
}

class QuoteForShellTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteForShellTest, LeavesNothingForTheShellToInterpret) {
    EXPECT_EQ(QuoteForShell(GetParam().text), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuoteForShellTest,
    ::testing::Values(QuoteCase{"plain", "'plain'"}, QuoteCase{"", "''"},
                      QuoteCase{"it's", "'it'\\''s'"}, QuoteCase{"''", "''\\'''\\'''"},
                      QuoteCase{"$(x) `y` \"z\" \\ *\n", "'$(x) `y` \"z\" \\ *\n'"},
                      QuoteCase{"\xff\xfe \xe6\x97\xa5", "'\xff\xfe \xe6\x97\xa5'"}));

TEST(WriteBatchFileTest, WritesANewScriptInTindleworkForEveryCall) {
    IsolatedDataHome home;
    const std::string first = WriteBatchFile("echo one");
    const std::string second = WriteBatchFile("echo two");
    ASSERT_NE(first, second) << "two scripts in one millisecond must not share a file";
    const std::regex name(home.Tindlework() + "/tindlerun-?[0-9]+(_[0-9]+)?\\.sh");
    for (const std::string& script : {first, second})
        EXPECT_TRUE(std::regex_match(script, name)) << script;
    EXPECT_EQ(ReadFileBytes(first), BatchScriptText("echo one", first));
    EXPECT_EQ(ReadFileBytes(second), BatchScriptText("echo two", second));
}

TEST(WriteBatchFileTest, GivesAnEmptyPathWhenTheScriptCannotBeCreated) {
    IsolatedDataHome home;
    WriteFileBytes(home / "file", "");
    ScopedEnvironment dataHome("XDG_DATA_HOME", home / "file/data");
    EXPECT_EQ(WriteBatchFile("true"), "");
    EXPECT_FALSE(RunBatchHidden("true"));
}

TEST(RunBatchHiddenTest, RunsTheCommandAndLeavesNoScriptBehind) {
    IsolatedDataHome home;
    const std::string marker = home / "ran";
    EXPECT_TRUE(RunBatchHidden("printf '%s' \"$LC_ALL\" > " + QuoteForShell(marker)));
    EXPECT_EQ(ReadFileBytes(marker), "C.UTF-8");
    EXPECT_EQ(ListFolder(home.Tindlework()).size(), 0u);
}

TEST(RunBatchHiddenTest, AFailingCommandStillCountsAsRunAndItsScriptIsDeleted) {
    IsolatedDataHome home;
    // "exit" ends the script before its own delete line: the run deletes it.
    EXPECT_TRUE(RunBatchHidden("exit 9"));
    EXPECT_TRUE(RunBatchHidden("/no/such/program"));
    EXPECT_EQ(ListFolder(home.Tindlework()).size(), 0u);
}

}  // namespace
