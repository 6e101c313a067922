#pragma once

#include <cstdint>
#include <memory>

// A window's pixels, kept between paints. Resizing keeps the pixels of the
// part both sizes share; the rest starts white.
class RetainedSurface {
  public:
    RetainedSurface();
    ~RetainedSurface();
    RetainedSurface(const RetainedSurface&) = delete;
    RetainedSurface& operator=(const RetainedSurface&) = delete;

    void Resize(int width, int height);
    int Width() const;
    int Height() const;

    // 0xAARRGGBB of one pixel; 0 outside the surface.
    uint32_t PixelAt(int x, int y) const;

    struct Pixels;
    Pixels& pixels() { return *pixels_; }
    const Pixels& pixels() const { return *pixels_; }

  private:
    std::unique_ptr<Pixels> pixels_;
};
