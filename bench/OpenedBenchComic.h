#pragma once

#include "HeadlessScrollWindow.h"
#include "engine/mvImage.h"
#include "unpack/PageList.h"

// The bench comic open in the display engine as the reader view opens it (the
// archive probed, the page list attached, page 1 fitted and drawn), in a
// headless window whose client area is 1280 x 960 while the vertical bar shows.
class OpenedBenchComic {
  public:
    static constexpr int kClientWidth = 1280;
    static constexpr int kClientHeight = 960;

    OpenedBenchComic();
    OpenedBenchComic(const OpenedBenchComic&) = delete;
    OpenedBenchComic& operator=(const OpenedBenchComic&) = delete;

    mvImage& engine() { return engine_; }
    const PageList& pages() const { return pages_; }
    // The client area now (the horizontal bar takes its room when zoomed in).
    int ClientWidth() const { return window_.GetClientRect().Width(); }
    int ClientHeight() const { return window_.GetClientRect().Height(); }

  private:
    PageList pages_;
    HeadlessScrollWindow window_;
    mvImage engine_;
};
