#pragma once

#include <vector>

#include "platform/RetainedSurface.h"
#include "platform/ScrollWindow.h"

// A window with only a surface, for drawing tests: it records what was
// flushed and ignores the scroll bars.
class RecordingScrollWindow : public ScrollWindow {
  public:
    RecordingScrollWindow(int width, int height) : width_(width), height_(height) {
        surface_.Resize(width, height);
    }

    Rect GetClientRect() const override { return Rect{0, 0, width_, height_}; }
    void ShowScrollBar(ScrollBarId, bool) override {}
    void SetScrollInfo(ScrollBarId, const ScrollInfo&) override {}
    void SetScrollRange(ScrollBarId, int, int) override {}
    void SetScrollPos(ScrollBarId, int) override {}
    RetainedSurface& Surface() override { return surface_; }
    void FlushSurface(const Rect& changed) override { flushed.push_back(changed); }

    std::vector<Rect> flushed;

  private:
    int width_;
    int height_;
    RetainedSurface surface_;
};
