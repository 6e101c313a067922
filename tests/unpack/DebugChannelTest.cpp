#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QString>
#include <string>
#include <vector>

#include "IsolatedDataHome.h"
#include "support/Fixtures.h"
#include "unpack/ExtractorRun.h"

namespace {

std::vector<std::string>* captured = nullptr;

void Capture(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (captured && context.category && std::string(context.category) == "panelvue")
        captured->push_back(message.toStdString());
}

// Catches what reaches the "panelvue" channel while the object lives.
class DebugChannelTest : public ::testing::Test {
  protected:
    DebugChannelTest() {
        captured = &messages_;
        previous_ = qInstallMessageHandler(Capture);
    }
    ~DebugChannelTest() override {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previous_);
        captured = nullptr;
    }
    static void TurnOn() { QLoggingCategory::setFilterRules("panelvue.debug=true"); }

    IsolatedDataHome home_;
    std::vector<std::string> messages_;
    QtMessageHandler previous_ = nullptr;
};

TEST_F(DebugChannelTest, ChildOutputArrivesWholeInChunksOfAtMost4096Bytes) {
    TurnOn();
    // 100 000 bytes: several pipe fills and many chunks.
    ASSERT_TRUE(RunBatchHidden("i=0; while [ $i -lt 10000 ]; do echo 123456789; i=$((i+1)); done"));
    std::string joined;
    for (const std::string& message : messages_) {
        EXPECT_LE(message.size(), 4096u);
        joined += message;
    }
    std::string expected;
    for (int i = 0; i < 10000; ++i) expected += "123456789\n";
    ASSERT_EQ(joined.size(), expected.size());
    EXPECT_TRUE(joined == expected) << "the output arrived changed or out of order";
}

TEST_F(DebugChannelTest, AFailedStartIsReported) {
    TurnOn();
    WriteFileBytes(home_ / "file", "");
    ScopedEnvironment dataHome("XDG_DATA_HOME", home_ / "file/data");
    EXPECT_FALSE(RunBatchHidden("true"));
    EXPECT_EQ(messages_, std::vector<std::string>{"CreateProcess"});
}

TEST_F(DebugChannelTest, IsSilentUnlessTurnedOn) {
    ASSERT_TRUE(RunBatchHidden("echo something"));
    EXPECT_EQ(messages_, std::vector<std::string>{});
}

}  // namespace
