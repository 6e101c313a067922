#include "HeadlessScrollWindow.h"

#include <algorithm>

HeadlessScrollWindow::HeadlessScrollWindow(int width, int height) : width_(width), height_(height) {
    surface_.Resize(width, height);
}

Rect HeadlessScrollWindow::GetClientRect() const {
    return Rect{0, 0, std::max(0, width_ - (shown_[SB_VERT] ? kBarThickness : 0)),
                std::max(0, height_ - (shown_[SB_HORZ] ? kBarThickness : 0))};
}

void HeadlessScrollWindow::ShowScrollBar(ScrollBarId bar, bool show) {
    if (shown_[bar] == show) return;
    shown_[bar] = show;
    const Rect client = GetClientRect();
    surface_.Resize(client.Width(), client.Height());
    if (onClientResized) onClientResized();
}
