#pragma once

#include <functional>

#include "platform/RetainedSurface.h"
#include "platform/ScrollWindow.h"

// A window for the display engine with no toolkit window behind it: a fixed
// outer size, scroll bars that take their room from the client area, a real
// retained surface, and nothing shown on screen. Showing or hiding a bar
// delivers the size notification before the call returns, as the reader view
// does, so the engine lays itself out exactly as it would on screen.
class HeadlessScrollWindow : public ScrollWindow {
  public:
    static constexpr int kBarThickness = 17;

    HeadlessScrollWindow(int width, int height);

    Rect GetClientRect() const override;
    void ShowScrollBar(ScrollBarId bar, bool show) override;
    void SetScrollInfo(ScrollBarId, const ScrollInfo&) override {}
    void SetScrollRange(ScrollBarId, int, int) override {}
    void SetScrollPos(ScrollBarId, int) override {}
    RetainedSurface& Surface() override { return surface_; }
    void FlushSurface(const Rect&) override {}

    // The size notification: the client area changed.
    std::function<void()> onClientResized;

  private:
    int width_;
    int height_;
    bool shown_[2] = {false, false};
    RetainedSurface surface_;
};
