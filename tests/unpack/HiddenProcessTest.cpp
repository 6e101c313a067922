#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/HiddenProcess.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace {

using WaitResult = HiddenProcess::WaitResult;

// Longer than any test run: a Wait with this limit that returns at all has
// returned because of the child, not because of the clock.
constexpr int kForever = INT_MAX;

size_t OpenDescriptorCount() {
    size_t count = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

class HiddenProcessTest : public ::testing::Test {
  protected:
    std::string Script(const std::string& body) {
        std::string path = temp_ / ("script" + std::to_string(++scripts_) + ".sh");
        WriteFileBytes(path, body);
        return path;
    }

    static std::string DrainAll(HiddenProcess& child) {
        std::string output;
        char buffer[4096];
        while (size_t count = child.ReadAvailable(buffer, sizeof buffer))
            output.append(buffer, count);
        return output;
    }

    // Waits in slices as the program does, draining between the slices.
    static std::string RunToEnd(HiddenProcess& child) {
        std::string output;
        while (child.Wait(500) == WaitResult::TimedOut) output += DrainAll(child);
        return output + DrainAll(child);
    }

  private:
    TempFolder temp_;
    int scripts_ = 0;
};

TEST_F(HiddenProcessTest, WaitWakesAtTheChildsEndNotAtTheTimeLimit) {
    Watchdog watchdog("Wait on a child that exits at once");
    HiddenProcess child;
    // The script leaves a grandchild behind that keeps the output pipe open,
    // so the pipe's end cannot stand in for the child's end.
    ASSERT_TRUE(child.Start(Script("echo $$\n(exec sleep 600) &\nexit 3\n")));
    std::string output;
    WaitResult result;
    // The limit is weeks away; only the child's end can make Wait return
    // anything but "output waiting".
    while ((result = child.Wait(kForever)) == WaitResult::TimedOut) output += DrainAll(child);
    output += DrainAll(child);
    const pid_t session = static_cast<pid_t>(std::atol(output.c_str()));
    if (session > 0) kill(-session, SIGKILL);  // the grandchild
    EXPECT_EQ(result, WaitResult::Ended);
    EXPECT_EQ(child.ExitStatus(), 3);
    EXPECT_EQ(child.Wait(kForever), WaitResult::Ended) << "an ended child stays ended";
}

TEST_F(HiddenProcessTest, WaitReturnsEarlyWhenOutputIsWaitingAndDestructionEndsAStuckChild) {
    Watchdog watchdog("a child that prints and then never ends");
    {
        HiddenProcess child;
        ASSERT_TRUE(child.Start(Script("printf ready\nexec sleep 600\n")));
        EXPECT_EQ(child.Wait(kForever), WaitResult::TimedOut);
        EXPECT_EQ(DrainAll(child), "ready");
        EXPECT_EQ(child.ExitStatus(), -1);
    }  // the child still sleeps here: the destructor must not wait for it
}

TEST_F(HiddenProcessTest, ChildReadingStandardInputGetsEndOfFileAtOnce) {
    Watchdog watchdog("a child reading its standard input");
    HiddenProcess child;
    ASSERT_TRUE(child.Start(
        Script("if read line; then echo \"got $line\"; else echo eof; fi\ncat\necho done\n")));
    EXPECT_EQ(RunToEnd(child), "eof\ndone\n");
    EXPECT_EQ(child.ExitStatus(), 0);
}

TEST_F(HiddenProcessTest, OutputAndErrorShareOnePipeInOrder) {
    HiddenProcess child;
    ASSERT_TRUE(child.Start(Script("echo one\necho two >&2\necho three\n")));
    EXPECT_EQ(RunToEnd(child), "one\ntwo\nthree\n");
}

TEST_F(HiddenProcessTest, LargeOutputIsDrainedWithoutStalling) {
    Watchdog watchdog("a child writing 1 MiB");
    const size_t size = 1 << 20;  // far more than a pipe holds
    HiddenProcess child;
    ASSERT_TRUE(
        child.Start(Script("head -c " + std::to_string(size) + " /dev/zero | tr '\\0' x\n")));
    std::string output = RunToEnd(child);
    EXPECT_EQ(output.size(), size);
    EXPECT_EQ(output.find_first_not_of('x'), std::string::npos);
    EXPECT_EQ(child.ExitStatus(), 0);
}

TEST_F(HiddenProcessTest, ChildRunsInASessionOfItsOwn) {
    HiddenProcess child;
    // Fields 1 and 6 of /proc/<pid>/stat: the process id and its session id.
    ASSERT_TRUE(child.Start(Script("set -- $(cat /proc/$$/stat)\necho \"$1 $6\"\n")));
    std::string output = RunToEnd(child);
    size_t blank = output.find(' ');
    ASSERT_NE(blank, std::string::npos) << output;
    std::string pid = output.substr(0, blank);
    std::string session = output.substr(blank + 1, output.size() - blank - 2);
    EXPECT_EQ(pid, session) << "the child leads a new session, away from any terminal";
    EXPECT_NE(session, std::to_string(getsid(0)));
}

TEST_F(HiddenProcessTest, MissingScriptFailsCleanly) {
    const size_t descriptorsBefore = OpenDescriptorCount();
    {
        HiddenProcess child;
        EXPECT_FALSE(child.Start(Script("exit 0\n") + ".missing"));
        EXPECT_EQ(child.Wait(0), WaitResult::Failed);
        char buffer[16];
        EXPECT_EQ(child.ReadAvailable(buffer, sizeof buffer), 0u);
        EXPECT_EQ(child.ExitStatus(), -1);
    }
    HiddenProcess empty;
    EXPECT_FALSE(empty.Start(""));
    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore);
}

TEST_F(HiddenProcessTest, RunsLeaveNoDescriptorsOpen) {
    Watchdog watchdog("runs of short children");
    const size_t descriptorsBefore = OpenDescriptorCount();
    {
        HiddenProcess waitedFor;
        ASSERT_TRUE(waitedFor.Start(Script("echo hello\n")));
        RunToEnd(waitedFor);
        HiddenProcess abandoned;
        ASSERT_TRUE(abandoned.Start(Script("exec sleep 600\n")));
        EXPECT_EQ(abandoned.Wait(0), WaitResult::TimedOut);
    }
    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore);
}

}  // namespace
