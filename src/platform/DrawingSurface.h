#pragma once

#include <cstdint>

#include "platform/Geometry.h"

class Image;
class ScrollWindow;

// Paints into a window's retained surface; Flush shows what was painted.
class DrawingSurface {
  public:
    explicit DrawingSurface(ScrollWindow& window);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // Fills the whole surface except `keep` with one opaque colour (0xAARRGGBB).
    void FillOutside(const Rect& keep, uint32_t argb);

    // Draws the picture scaled into `dest` (clipped to the surface); nothing
    // for a null image or one without a picture.
    void DrawImage(Image* image, const Rect& dest);

    // Shows on screen what was painted since the surface was made.
    void Flush();

  private:
    ScrollWindow& window_;
    Rect changed_;
};
