// A frame's status bar: its panes, the message pane's idle text, and a bar
// that outlives or predeceases its frame's window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/FrameWindow.h"

namespace {

class StatusBarTest : public testing::Test {
  protected:
    StatusBarTest() {
        CreateContext context;
        frame.LoadFrame(context);
    }

    // The text the user sees in the bar's first label.
    QString ShownText() const {
        QStatusBar* bar = frame.window()->statusBar();
        QList<QLabel*> labels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        return labels.isEmpty() ? QString() : labels.first()->text();
    }

    CFrameWnd frame;
};

TEST_F(StatusBarTest, TheMessageBarShowsTheIdleTextUntilToldOtherwise) {
    CStatusBar bar;
    EXPECT_EQ(frame.GetMessageBar(), nullptr);
    ASSERT_TRUE(bar.Create(&frame));
    EXPECT_EQ(frame.GetMessageBar(), &bar);
    EXPECT_EQ(bar.GetCount(), 1);
    EXPECT_EQ(bar.GetPaneText(0), "Ready");

    EXPECT_TRUE(bar.SetPaneText(0, "Image Size (1*2)      3/4 Pages"));
    EXPECT_EQ(bar.GetPaneText(0), "Image Size (1*2)      3/4 Pages");
    EXPECT_EQ(ShownText(), "Image Size (1*2)      3/4 Pages");

    // Rebuilding the panes starts the message pane over.
    ASSERT_TRUE(bar.SetIndicators({0, 310}));
    EXPECT_EQ(bar.GetCount(), 2);
    EXPECT_EQ(bar.CommandToIndex(310), 1);
    EXPECT_EQ(bar.CommandToIndex(311), -1);
    EXPECT_EQ(bar.GetPaneText(0), "Ready");
    EXPECT_EQ(bar.GetPaneText(1), "");
}

TEST_F(StatusBarTest, PanesOutsideTheBarAreRefused) {
    CStatusBar bar;
    EXPECT_FALSE(bar.SetPaneText(0, "no window yet"));
    ASSERT_TRUE(bar.Create(&frame));
    EXPECT_FALSE(bar.Create(&frame));
    EXPECT_FALSE(bar.SetPaneText(1, "x"));
    EXPECT_FALSE(bar.SetPaneText(-1, "x"));
    EXPECT_EQ(bar.GetPaneText(7), "");
}

TEST_F(StatusBarTest, TextIsShownAsItStands) {
    CStatusBar bar;
    ASSERT_TRUE(bar.Create(&frame));
    bar.SetPaneText(0, "<b>not bold</b> & 100%");
    EXPECT_EQ(ShownText(), "<b>not bold</b> & 100%");
    auto* label = frame.window()->statusBar()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST_F(StatusBarTest, ABarOfAnotherIdIsNotTheMessageBar) {
    CStatusBar bar;
    ASSERT_TRUE(bar.Create(&frame, 4242));
    EXPECT_EQ(frame.GetMessageBar(), nullptr);
    EXPECT_EQ(bar.GetPaneText(0), "");
}

TEST(StatusBarLifetime, EitherTheBarOrTheFrameMayGoFirst) {
    {
        auto frame = std::make_unique<CFrameWnd>();
        CreateContext context;
        frame->LoadFrame(context);
        CStatusBar bar;
        ASSERT_TRUE(bar.Create(frame.get()));
        frame.reset();
        // The window and its toolkit bar are gone; the object still answers.
        EXPECT_FALSE(bar.IsCreated());
        EXPECT_TRUE(bar.SetPaneText(0, "after the frame"));
    }
    {
        CFrameWnd frame;
        CreateContext context;
        frame.LoadFrame(context);
        {
            CStatusBar bar;
            ASSERT_TRUE(bar.Create(&frame));
        }
        EXPECT_EQ(frame.GetMessageBar(), nullptr);
        frame.SetMessageText("nobody listens");
        frame.DestroyWindow();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
