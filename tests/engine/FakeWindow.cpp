#include "engine/FakeWindow.h"

#include <algorithm>

namespace {
const char* Name(ScrollBarId bar) {
    return bar == SB_VERT ? "V" : "H";
}
}  // namespace

FakeWindow::FakeWindow(int width, int height) : width_(width), height_(height) {
    Rect client = GetClientRect();
    surface_.Resize(client.Width(), client.Height());
}

Rect FakeWindow::GetClientRect() const {
    return Rect{0, 0, std::max(0, width_ - (shown[SB_VERT] ? kBarThickness : 0)),
                std::max(0, height_ - (shown[SB_HORZ] ? kBarThickness : 0))};
}

void FakeWindow::ShowScrollBar(ScrollBarId bar, bool show) {
    calls.push_back(std::string("show ") + Name(bar) + (show ? " 1" : " 0"));
    if (shown[bar] == show) return;
    shown[bar] = show;
    ClientChanged();
}

void FakeWindow::SetScrollInfo(ScrollBarId bar, const ScrollInfo& info) {
    calls.push_back(std::string("info ") + Name(bar) + " " + std::to_string(info.min) + " " +
                    std::to_string(info.max) + " " + std::to_string(info.page) + " " +
                    std::to_string(info.pos));
    bars[bar] = info;
}

void FakeWindow::SetScrollRange(ScrollBarId bar, int min, int max) {
    calls.push_back(std::string("range ") + Name(bar) + " " + std::to_string(min) + " " +
                    std::to_string(max));
    bars[bar].min = min;
    bars[bar].max = max;
}

void FakeWindow::SetScrollPos(ScrollBarId bar, int pos) {
    calls.push_back(std::string("pos ") + Name(bar) + " " + std::to_string(pos));
    bars[bar].pos = pos;
}

void FakeWindow::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    ClientChanged();
}

void FakeWindow::ClientChanged() {
    Rect client = GetClientRect();
    surface_.Resize(client.Width(), client.Height());
    if (onSize) onSize(client.Width(), client.Height());
}
