// The title and the status line while reading: the comic's name, the first
// page's size and the number of the page on screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "app/ReaderSession.h"
#include "engine/mvImage.h"
#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/NativeWidgets.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"
#include "view/CPanelvueView.h"

namespace {

class StatusLineTest : public testing::Test {
  protected:
    StatusLineTest() { setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1); }

    std::string Status() const { return session.Frame()->GetMessageBar()->GetPaneText(0); }

    void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
        QApplication::sendEvent(NativeWidget(session.View()), &press);
    }

    TempFolder folder;
    ReaderSession session;
};

TEST_F(StatusLineTest, ShowsTheFirstPagesSizeAndTheNumberOfThePageOnScreen) {
    TempFolder content;
    WriteJpeg(content / "a.jpg", 1200, 1800, 0xFF0000);
    WriteJpeg(content / "b.jpg", 500, 300, 0x00FF00);
    WriteJpeg(content / "c.jpg", 640, 960, 0x0000FF);
    std::string archive = PackZip(folder / "Issue 12.cbz", content.path());

    ASSERT_TRUE(session.Start());
    EXPECT_EQ(Status(), "Ready");
    CPanelvueView* view = session.View();
    // Nothing is open: nothing is written.
    EXPECT_EQ(view->UpdateStatusText(), 0);
    EXPECT_EQ(Status(), "Ready");

    ASSERT_TRUE(session.app.OpenDocumentFile(archive) != nullptr);
    ReaderSession::ProcessEvents();
    EXPECT_EQ(session.Title(), "Issue 12.cbz - Panelvue");
    EXPECT_EQ(Status(), "Image Size (1200*1800)      1/3 Pages");

    // Another page's own size, a zoom and a resize leave the first page's size.
    Key(Qt::Key_Right);
    EXPECT_EQ(Status(), "Image Size (1200*1800)      2/3 Pages");
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    session.Frame()->SetWindowPos(0, 0, 700, 500);
    EXPECT_EQ(Status(), "Image Size (1200*1800)      2/3 Pages");

    // The text is written again on every call, even after something else
    // took the pane.
    session.Frame()->SetMessageText("Ready");
    session.Frame()->SetWindowText("something else");
    EXPECT_EQ(view->UpdateStatusText(), 1);
    EXPECT_EQ(Status(), "Image Size (1200*1800)      2/3 Pages");
    EXPECT_EQ(session.Title(), "Issue 12.cbz - Panelvue");
}

}  // namespace
