// The view window the engine draws into: its bars take room from the client
// area and say so at once, and it paints only what was made invalid.
#include <gtest/gtest.h>

#include <vector>

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CScrollView.h"
#include "platform/DrawingSurface.h"

namespace {

class RecordingView : public CScrollView {
  public:
    struct Size {
        int width, height;
        bool operator==(const Size&) const = default;
    };
    std::vector<Size> sizes;
    int draws = 0;
    bool takesBackground = false;

    void OnSize(int width, int height) override { sizes.push_back({width, height}); }
    void OnDraw() override {
        ++draws;
        // A mark in the corner, to tell a paint from an erase.
        DrawingSurface(*this).FillOutside(Rect{1, 1, 10000, 10000}, 0xFF00FF00);
    }
    bool OnEraseBkgnd() override { return takesBackground; }
};

class ScrollViewWindowTest : public testing::Test {
  protected:
    ScrollViewWindowTest() {
        CreateContext context{[this] {
                                  auto made = std::make_unique<RecordingView>();
                                  view = made.get();
                                  return made;
                              },
                              &document};
        frame.LoadFrame(context);
        frame.SetWindowPos(0, 0, 640, 480);
        view->sizes.clear();
    }

    CDocument document;
    CFrameWnd frame;
    RecordingView* view = nullptr;
};

TEST_F(ScrollViewWindowTest, ShowingABarNarrowsTheClientAreaInsideTheCall) {
    Rect before = view->GetClientRect();
    ASSERT_GT(before.Width(), 0);
    view->ShowScrollBar(SB_VERT, true);
    ASSERT_EQ(view->sizes.size(), 1u);
    Rect after = view->GetClientRect();
    EXPECT_LT(after.Width(), before.Width());
    EXPECT_EQ(after.Height(), before.Height());
    EXPECT_EQ(view->sizes.back(), (RecordingView::Size{after.Width(), after.Height()}));
    EXPECT_EQ(view->Surface().Width(), after.Width());

    view->ShowScrollBar(SB_VERT, true);  // already shown: nothing changes
    EXPECT_EQ(view->sizes.size(), 1u);
    view->ShowScrollBar(SB_HORZ, true);
    EXPECT_LT(view->GetClientRect().Height(), before.Height());
    view->ShowScrollBar(SB_VERT, false);
    view->ShowScrollBar(SB_HORZ, false);
    EXPECT_EQ(view->GetClientRect(), before);
    EXPECT_EQ(view->sizes.size(), 4u);
}

TEST_F(ScrollViewWindowTest, BarPositionsStayWhereTheThumbCanBe) {
    view->SetScrollInfo(SB_VERT, ScrollInfo{0, 6000, 600, 0});
    view->SetScrollPos(SB_VERT, 99999);
    EXPECT_EQ(view->GetScrollInfo(SB_VERT), (ScrollInfo{0, 6000, 600, 5401}));
    view->SetScrollPos(SB_VERT, -5);
    EXPECT_EQ(view->GetScrollInfo(SB_VERT).pos, 0);
    view->SetScrollRange(SB_VERT, 0, 1000);
    view->SetScrollPos(SB_VERT, 700);
    EXPECT_EQ(view->GetScrollInfo(SB_VERT).pos, 401);
}

TEST_F(ScrollViewWindowTest, PaintsOnlyWhatIsInvalidAndErasesUnlessTheViewDoes) {
    view->UpdateWindow();
    int draws = view->draws;
    EXPECT_GE(draws, 1);
    EXPECT_EQ(view->Surface().PixelAt(0, 0), 0xFF00FF00u);
    EXPECT_EQ(view->Surface().PixelAt(5, 5), 0xFFFFFFFFu);  // erased white

    view->UpdateWindow();  // nothing invalid: no paint
    EXPECT_EQ(view->draws, draws);

    // A view that paints its own background is not erased first.
    DrawingSurface(*view).FillOutside(Rect{}, 0xFF0000FF);
    view->takesBackground = true;
    view->Invalidate();
    view->UpdateWindow();
    EXPECT_EQ(view->draws, draws + 1);
    EXPECT_EQ(view->Surface().PixelAt(5, 5), 0xFF0000FFu);

    // A size change makes the whole view invalid.
    Rect small = view->GetClientRect();
    frame.SetWindowPos(0, 0, 700, 500);
    EXPECT_NE(view->GetClientRect(), small);
    view->UpdateWindow();
    EXPECT_EQ(view->draws, draws + 2);
}

}  // namespace
