// Showing or hiding a bar delivers the size notification inside the layout
// that did it; the resize it asks for must not start a second layout there.
#include <gtest/gtest.h>

#include <functional>

#include "engine/EngineFixture.h"
#include "engine/EngineSnapshot.h"

namespace {

struct ReentryCase {
    const char* name;
    // Brings a single page of 300 x 600 (opened at 100 percent in 800 x 600)
    // to where `layout` shows or hides a bar.
    std::function<void(mvImage&, FakeWindow&)> prepare;
    std::function<void(mvImage&)> layout;
};

class ResizeReentryTest : public EngineTest, public testing::WithParamInterface<ReentryCase> {};

TEST_P(ResizeReentryTest, ResizeDuringALayoutDoesNothing) {
    const ReentryCase& c = GetParam();
    MakeColouredPages(300, 600, 1);
    FakeWindow window(800, 600);
    mvImage& e = Open(window);
    c.prepare(e, window);
    StartRecording(window);

    int notifications = 0;
    window.onSize = [&](int, int) {
        ++notifications;
        EXPECT_TRUE(e.inLayout);
        EngineSnapshot before(e);
        size_t calls = window.calls.size();
        size_t flushes = window.flushes.size();
        e.ResizeView();
        EXPECT_EQ(EngineSnapshot(e), before);
        EXPECT_EQ(window.calls.size(), calls) << "a bar call from the nested resize";
        EXPECT_EQ(window.flushes.size(), flushes) << "a drawing from the nested resize";
    };
    c.layout(e);

    EXPECT_GE(notifications, 1) << "the layout never changed a bar, so nothing was tested";
    EXPECT_FALSE(e.inLayout);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ResizeReentryTest,
    testing::Values(
        // 110 percent makes the page 660 high: the vertical bar appears.
        ReentryCase{"ZoomIn", [](mvImage&, FakeWindow&) {}, [](mvImage& e) { e.ZoomIn(); }},
        // Back to 600: the bar goes.
        ReentryCase{"ZoomOut", [](mvImage& e, FakeWindow&) { e.ZoomIn(); },
                    [](mvImage& e) { e.ZoomOut(); }},
        // A window 700 high holds the 660 page: the resize hides the bar.
        ReentryCase{"ResizeView",
                    [](mvImage& e, FakeWindow& window) {
                        e.ZoomIn();
                        window.Resize(800, 700);
                    },
                    [](mvImage& e) { e.ResizeView(); }},
        ReentryCase{"FitToWindow", [](mvImage& e, FakeWindow&) { e.ZoomIn(); },
                    [](mvImage& e) { e.FitToWindow(); }}),
    [](const testing::TestParamInfo<ReentryCase>& info) { return info.param.name; });

}  // namespace
