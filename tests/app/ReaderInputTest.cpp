// Reading a comic with keys, wheel and scroll bars through the real view: the
// page shown, the zoom, the status line, and what is decoded on the way.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <filesystem>

#include "app/ReaderSession.h"
#include "engine/mvImage.h"
#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/Image.h"
#include "platform/NativeWidgets.h"
#include "platform/SurfacePixels.h"
#include "platform/ViewWidget.h"
#include "support/Colours.h"
#include "support/Fixtures.h"
#include "support/ScrollBarMouse.h"
#include "support/TempFolder.h"
#include "view/CPanelvueView.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kMarker = 0xFF00FF00;

// One distinct colour per page, so the pixels tell which page is shown.
uint32_t PageColour(int index) {
    return 0xFF000000 | static_cast<uint32_t>((index * 37 % 256) << 16 | (255 - index * 23 % 256));
}

class ReaderInputTest : public testing::Test {
  protected:
    ReaderInputTest() { setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1); }

    // Opens a comic of `count` pages of 600 x 900 in a window of a known size.
    void OpenComic(int count) {
        TempFolder content;
        for (int i = 0; i < count; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "%03d.jpg", i + 1);
            WriteJpeg(content / name, 600, 900, PageColour(i) & 0xFFFFFF);
        }
        std::string archive = PackZip(folder / "book.cbz", content.path());
        ASSERT_TRUE(session.Start({archive}));
        session.Frame()->SetWindowPos(0, 0, 820, 700);
        ReaderSession::ProcessEvents();
        ASSERT_TRUE(View()->EngineReady());
    }

    CPanelvueView* View() const { return session.View(); }
    mvImage& Engine() const { return *View()->Engine(); }
    QWidget* ViewWidget() const { return NativeWidget(View()); }
    QScrollBar* Bar(ScrollBarId bar) const { return View()->widget()->bars[bar]; }
    std::string Status() const { return session.Frame()->GetMessageBar()->GetPaneText(0); }

    void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
        QApplication::sendEvent(ViewWidget(), &press);
    }

    void Wheel(int delta) {
        QPointF at(20, 20);
        QWheelEvent event(at, ViewWidget()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(ViewWidget(), &event);
    }

    // The colour in the middle of the page rectangle as placed now.
    uint32_t PageCentre() const {
        const mvImage& e = Engine();
        int y = std::clamp(e.originY + e.vOffset + e.drawHeight / 2, 0,
                           View()->GetClientRect().Height() - 1);
        return session.Pixel(e.originX + e.hOffset + e.drawWidth / 2, y);
    }

    // Runs `action` and says how many pages it decoded.
    template <typename Action>
    int64_t DecodesDuring(Action action) {
        int64_t before = Image::DecodeCount();
        action();
        return Image::DecodeCount() - before;
    }

    TempFolder folder;
    ReaderSession session;
};

TEST_F(ReaderInputTest, PageUpAndRightGoForwardPageDownAndLeftBack) {
    OpenComic(4);
    EXPECT_EQ(Status(), "Image Size (600*900)      1/4 Pages");
    struct Step {
        int key;
        int index;
    };
    const Step steps[] = {
        {Qt::Key_PageUp, 1}, {Qt::Key_Right, 2}, {Qt::Key_PageDown, 1}, {Qt::Key_Left, 0}};
    for (const Step& step : steps) {
        EXPECT_EQ(DecodesDuring([&] { Key(step.key); }), 1) << "key " << step.key;
        EXPECT_EQ(Engine().currentIndex, step.index);
        EXPECT_TRUE(NearColour(PageCentre(), PageColour(step.index))) << "key " << step.key;
        EXPECT_EQ(Status(),
                  "Image Size (600*900)      " + std::to_string(step.index + 1) + "/4 Pages");
    }
    EXPECT_EQ(session.Title(), "book.cbz - Panelvue");
}

TEST_F(ReaderInputTest, KeysAtTheEndsOfTheBookDecodeNothing) {
    OpenComic(2);
    EXPECT_EQ(DecodesDuring([&] { Key(Qt::Key_Left); }), 0);
    EXPECT_EQ(Engine().currentIndex, 0);
    Key(Qt::Key_Right);
    // Holding the key at the last page repeats it for nothing.
    EXPECT_EQ(DecodesDuring([&] {
                  for (int i = 0; i < 5; ++i) Key(Qt::Key_PageUp);
              }),
              0);
    EXPECT_EQ(Engine().currentIndex, 1);
}

TEST_F(ReaderInputTest, OnlyTheKeypadZoomsAndItLeavesTheStatusLineAlone) {
    OpenComic(3);
    double fitted = Engine().zoomPercent;
    session.Frame()->GetMessageBar()->SetPaneText(0, "left alone");

    int64_t decodes = DecodesDuring([&] {
        for (int key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_Plus,
                        Qt::Key_Minus, Qt::Key_Equal})
            Key(key);
    });
    EXPECT_EQ(decodes, 0);
    EXPECT_EQ(Engine().currentIndex, 0);
    EXPECT_DOUBLE_EQ(Engine().zoomPercent, fitted);

    decodes = DecodesDuring([&] { Key(Qt::Key_Plus, Qt::KeypadModifier); });
    EXPECT_EQ(decodes, 0);
    EXPECT_DOUBLE_EQ(Engine().zoomPercent, fitted + 10);
    Key(Qt::Key_Minus, Qt::KeypadModifier);
    Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(Engine().zoomPercent, fitted - 10);
    EXPECT_EQ(Status(), "left alone");
}

TEST_F(ReaderInputTest, WheelTurnsAFittingPageOnceAMessage) {
    OpenComic(3);
    ASSERT_GE(View()->GetClientRect().Height(), Engine().drawHeight);
    EXPECT_EQ(DecodesDuring([&] { Wheel(-120); }), 1);
    EXPECT_EQ(Engine().currentIndex, 1);
    Wheel(0);  // no delta counts as a turn towards the user
    EXPECT_EQ(Engine().currentIndex, 2);
    Wheel(240);  // two notches in one message are one step
    EXPECT_EQ(Engine().currentIndex, 1);
    EXPECT_TRUE(NearColour(PageCentre(), PageColour(1)));
    EXPECT_EQ(Status(), "Image Size (600*900)      2/3 Pages");
}

TEST_F(ReaderInputTest, WheelScrollsATallPageWithoutDecoding) {
    OpenComic(3);
    for (int i = 0; i < 4; ++i) Key(Qt::Key_Plus, Qt::KeypadModifier);
    ASSERT_LT(View()->GetClientRect().Height(), Engine().drawHeight);
    int top = Engine().originY + Engine().vOffset;
    EXPECT_EQ(DecodesDuring([&] {
                  Wheel(-120);
                  Wheel(-120);
              }),
              0);
    EXPECT_EQ(Engine().originY + Engine().vOffset, top - 60);
    EXPECT_EQ(Engine().currentIndex, 0);
}

TEST_F(ReaderInputTest, ThumbDragPicksAPageShownAtRelease) {
    OpenComic(10);
    QScrollBar* bar = Bar(SB_VERT);
    ASSERT_TRUE(bar->isVisible());
    int64_t before = Image::DecodeCount();
    QPoint thumb = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider);
    QPoint end = thumb + QPoint(0, bar->height() * 2 / 3);
    SendMouse(bar, QEvent::MouseButtonPress, thumb);
    SendMouse(bar, QEvent::MouseMove, end);

    // While the thumb is held the status line follows it, the page stays.
    int index = Engine().currentIndex;
    EXPECT_GT(index, 0);
    EXPECT_TRUE(Engine().thumbTracking);
    EXPECT_EQ(Status(), "Image Size (600*900)      " + std::to_string(index + 1) + "/10 Pages");
    EXPECT_TRUE(NearColour(PageCentre(), PageColour(0)));
    EXPECT_EQ(Image::DecodeCount(), before);

    SendMouse(bar, QEvent::MouseButtonRelease, end);
    int dropped = bar->value();
    ASSERT_GT(dropped, 0);
    EXPECT_EQ(Engine().currentIndex, index);
    EXPECT_EQ(Image::DecodeCount() - before, 1);
    EXPECT_FALSE(Engine().thumbTracking);
    EXPECT_TRUE(NearColour(PageCentre(), PageColour(index)));
    EXPECT_EQ(Status(), "Image Size (600*900)      " + std::to_string(index + 1) + "/10 Pages");
    // The thumb stays where it was dropped.
    EXPECT_EQ(View()->GetScrollInfo(SB_VERT).pos, dropped);
}

TEST_F(ReaderInputTest, BarArrowsStepPagesAndTheHorizontalBarScrollsAWidePage) {
    OpenComic(3);
    ClickScrollBarPart(Bar(SB_VERT), QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(Engine().currentIndex, 1);

    while (Engine().drawWidth <= View()->GetClientRect().Width())
        Key(Qt::Key_Plus, Qt::KeypadModifier);
    QScrollBar* horizontal = Bar(SB_HORZ);
    ASSERT_TRUE(horizontal->isVisible());
    int left = Engine().originX + Engine().hOffset;
    std::string status = Status();
    EXPECT_EQ(DecodesDuring([&] { ClickScrollBarPart(horizontal, QStyle::SC_ScrollBarAddLine); }),
              0);
    EXPECT_EQ(Engine().originX + Engine().hOffset, left - 30);
    EXPECT_EQ(horizontal->value(), -(left - 30));
    EXPECT_EQ(Engine().currentIndex, 1);
    EXPECT_EQ(Status(), status);
}

TEST_F(ReaderInputTest, ResizingKeepsTheZoomAndCentresThePage) {
    OpenComic(3);
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    double zoom = Engine().zoomPercent;
    int64_t decodes = DecodesDuring([&] {
        session.Frame()->SetWindowPos(0, 0, 1400, 1300);
        ReaderSession::ProcessEvents();
    });
    EXPECT_EQ(decodes, 0);
    EXPECT_DOUBLE_EQ(Engine().zoomPercent, zoom);
    Rect client = View()->GetClientRect();
    EXPECT_EQ(Engine().originX, (client.Width() - Engine().drawWidth) / 2);
    EXPECT_EQ(Engine().originY, (client.Height() - Engine().drawHeight) / 2);
    EXPECT_TRUE(NearColour(PageCentre(), PageColour(0)));
    EXPECT_EQ(session.Pixel(0, 0), kWhite);
}

TEST_F(ReaderInputTest, WithNoComicEveryInputDoesNothing) {
    ASSERT_TRUE(session.Start());
    session.Frame()->SetWindowPos(0, 0, 820, 700);
    ReaderSession::ProcessEvents();
    std::string title = session.Title();
    for (int key : {Qt::Key_PageUp, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Escape})
        Key(key);
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    Key(Qt::Key_Minus, Qt::KeypadModifier);
    Wheel(120);
    Wheel(-120);
    for (ScrollBarId id : {SB_VERT, SB_HORZ})
        for (auto action : {QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderMove,
                            QAbstractSlider::SliderToMaximum})
            Bar(id)->triggerAction(action);
    ReaderSession::ProcessEvents();
    EXPECT_TRUE(session.messages.empty());
    EXPECT_EQ(Status(), "Ready");
    EXPECT_EQ(session.Title(), title);
    EXPECT_EQ(session.Pixel(10, 10), kWhite);
}

// The view paints nothing while the engine lays out, and while a comic is
// shown the window system never erases its background first.
TEST_F(ReaderInputTest, PaintingDuringALayoutDrawsNothingAndNeverErases) {
    OpenComic(2);
    RetainedSurface& surface = View()->Surface();
    surface.pixels().image.fill(kMarker);
    Engine().inLayout = true;
    View()->Invalidate();
    View()->UpdateWindow();
    EXPECT_EQ(session.Pixel(1, 1), kMarker);
    EXPECT_EQ(session.Pixel(Engine().originX + 10, 10), kMarker);

    // Once the layout is over the next paint draws the page; the skipped one
    // is not repeated on its own.
    Engine().inLayout = false;
    ReaderSession::ProcessEvents();
    EXPECT_EQ(session.Pixel(1, 1), kMarker);
    View()->Invalidate();
    View()->UpdateWindow();
    EXPECT_TRUE(NearColour(PageCentre(), PageColour(0)));
}

TEST_F(ReaderInputTest, WithoutAComicTheBackgroundIsErased) {
    ASSERT_TRUE(session.Start());
    View()->Surface().pixels().image.fill(kMarker);
    View()->Invalidate();
    View()->UpdateWindow();
    EXPECT_EQ(session.Pixel(1, 1), kWhite);
}

}  // namespace
