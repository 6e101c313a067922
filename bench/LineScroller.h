#pragma once

#include "OpenedBenchComic.h"

// Scrolls the engine's page a line at a time without leaving it: down, then
// up once a line down would reach the page's bottom edge (where the engine
// turns to the next page), then down again before a line up would reach its
// top edge. Every step redraws; none decodes.
class LineScroller {
  public:
    explicit LineScroller(OpenedBenchComic& comic) : comic_(comic) {}

    // One line step; false, without a step, when the page is too short to
    // take one either way.
    bool Step();

  private:
    OpenedBenchComic& comic_;
    bool down_ = true;
};
