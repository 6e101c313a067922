#pragma once

#include "platform/Geometry.h"
#include "platform/ScrollBar.h"

class RetainedSurface;

// A window with two scroll bars and a retained surface: what a display engine
// is bound to. The reader view implements it over the toolkit; tests implement
// it with a fake. Showing or hiding a bar changes the client rectangle and
// delivers the window's size notification before the call returns.
class ScrollWindow {
  public:
    virtual ~ScrollWindow() = default;

    // The client area, without the bars; left and top are always 0.
    virtual Rect GetClientRect() const = 0;

    virtual void ShowScrollBar(ScrollBarId bar, bool show) = 0;
    virtual void SetScrollInfo(ScrollBarId bar, const ScrollInfo& info) = 0;
    virtual void SetScrollRange(ScrollBarId bar, int min, int max) = 0;
    virtual void SetScrollPos(ScrollBarId bar, int pos) = 0;

    // The window's pixels, sized to the client area. What is not painted keeps
    // what was last painted there.
    virtual RetainedSurface& Surface() = 0;

    // Shows the given part of the surface on screen.
    virtual void FlushSurface(const Rect& changed) = 0;
};
