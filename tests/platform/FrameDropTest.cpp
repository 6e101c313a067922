// Files dropped on the main window reach the frame as the file system's bytes.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "platform/CFrameWnd.h"
#include "platform/FrameWindow.h"

namespace {

class DropRecordingFrame : public CFrameWnd {
  public:
    std::vector<std::vector<std::string>> drops;
    void OnDropFiles(const std::vector<std::string>& paths) override { drops.push_back(paths); }
};

void Drop(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window's handler: without a display server the
    // toolkit routes no drag events to a window.
    static_cast<QObject*>(target)->event(&event);
}

TEST(FrameDropTest, DroppedPathsKeepTheirBytesAndOrder) {
    DropRecordingFrame frame;
    CreateContext context;
    ASSERT_TRUE(frame.LoadFrame(context));

    // A name that is not UTF-8 travels percent-encoded in the URL.
    QUrl raw = QUrl::fromEncoded("file:///tmp/caf%E9%20comic.cbz");
    QUrl plain = QUrl::fromLocalFile("/tmp/it's [1] #2.cbz");
    QUrl remote("https://example.invalid/book.cbz");

    Drop(frame.window(), {raw, plain});
    EXPECT_TRUE(frame.drops.empty()) << "drops are refused until the frame accepts them";

    frame.DragAcceptFiles(true);
    Drop(frame.window(), {raw, remote, plain});
    ASSERT_EQ(frame.drops.size(), 1u);
    EXPECT_EQ(frame.drops[0],
              (std::vector<std::string>{"/tmp/caf\xE9 comic.cbz", "/tmp/it's [1] #2.cbz"}));
}

}  // namespace
