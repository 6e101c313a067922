#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/RetainedSurface.h"
#include "platform/ScrollWindow.h"

// A window for the engine without any toolkit: a fixed outer size, bars of a
// fixed thickness that take their room from the client area, a real retained
// surface, and a record of every bar call. Showing or hiding a bar delivers
// the size notification synchronously, as the real view does.
class FakeWindow : public ScrollWindow {
  public:
    static constexpr int kBarThickness = 17;

    FakeWindow(int width, int height);

    Rect GetClientRect() const override;
    void ShowScrollBar(ScrollBarId bar, bool show) override;
    void SetScrollInfo(ScrollBarId bar, const ScrollInfo& info) override;
    void SetScrollRange(ScrollBarId bar, int min, int max) override;
    void SetScrollPos(ScrollBarId bar, int pos) override;
    RetainedSurface& Surface() override { return surface_; }
    void FlushSurface(const Rect& changed) override { flushes.push_back(changed); }

    // Changes the outer size, as the user resizing the window would.
    void Resize(int width, int height);

    bool shown[2] = {false, false};
    ScrollInfo bars[2];
    std::vector<std::string> calls;  // e.g. "info V 0 6000 600 0", "show V 1"
    std::vector<Rect> flushes;
    std::function<void(int width, int height)> onSize;  // the size notification

  private:
    void ClientChanged();

    int width_;
    int height_;
    RetainedSurface surface_;
};
