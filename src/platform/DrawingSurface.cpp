#include "platform/DrawingSurface.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "platform/AreaAverageScaler.h"
#include "platform/Image.h"
#include "platform/ImagePicture.h"
#include "platform/RetainedSurface.h"
#include "platform/ScrollWindow.h"
#include "platform/SurfacePixels.h"

namespace {

Rect Bounds(const QImage& image) {
    return Rect{0, 0, image.width(), image.height()};
}

void Fill(QImage& surface, const Rect& area, uint32_t argb) {
    // White, the only colour the engine fills with, is one repeated byte.
    const bool oneByte = (argb & 0xFF) * 0x01010101u == argb;
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(surface.scanLine(y)) + area.left;
        if (oneByte)
            std::memset(row, static_cast<int>(argb & 0xFF), size_t(area.Width()) * 4);
        else
            std::fill_n(row, area.Width(), argb);
    }
}

// The page at `width` x `height`, built once per size and kept in the
// picture: area averaging where it shrinks, the toolkit's smooth (bilinear)
// scaling where it grows. A null image when memory runs out.
const QImage& ScaledCopy(Image::Picture& picture, int width, int height) {
    QImage& copy = picture.scaledCopy;
    if (copy.width() == width && copy.height() == height) return copy;
    const QImage& page = picture.pixels;
    copy = QImage();  // never hold two scaled copies at once
    if (width == page.width() && height == page.height()) {
        copy = page;  // shares the pixels
        return copy;
    }
    if (width <= page.width() && height <= page.height())
        copy = AreaAverageScaler(page, width, height).Scaled();
    else
        copy = page.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
    ++Image::Picture::scaledCopiesBuilt;
    return copy;
}

// Copies the part of `picture` (drawn with its top-left at `origin`) that
// falls inside `visible` onto the surface.
void CopyVisible(const QImage& picture, int originX, int originY, const Rect& visible,
                 QImage& surface) {
    const size_t rowBytes = size_t(visible.Width()) * 4;
    for (int y = visible.top; y < visible.bottom; ++y)
        std::memcpy(reinterpret_cast<uint32_t*>(surface.scanLine(y)) + visible.left,
                    reinterpret_cast<const uint32_t*>(picture.constScanLine(y - originY)) +
                        (visible.left - originX),
                    rowBytes);
}

// Bilinear filtering of only the visible part: the painter clips the
// rectangle to the surface before it fetches a pixel, so a page zoomed far
// beyond the window is never built whole.
void PaintBilinear(const QImage& page, const Rect& dest, QImage& surface) {
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(dest.left, dest.top, dest.Width(), dest.Height()), page);
}

}  // namespace

DrawingSurface::DrawingSurface(ScrollWindow& window) : window_(window) {}

DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::FillOutside(const Rect& keep, uint32_t argb) {
    QImage& surface = window_.Surface().pixels().image;
    const Rect all = Bounds(surface);
    if (all.IsEmpty()) return;
    const uint32_t opaque = argb | 0xFF000000u;
    const Rect inside = keep.Intersected(all);
    if (inside.IsEmpty()) {
        Fill(surface, all, opaque);
        changed_ = changed_.United(all);
        return;
    }
    const Rect bands[] = {
        {0, 0, all.right, inside.top},                         // above
        {0, inside.bottom, all.right, all.bottom},             // below
        {0, inside.top, inside.left, inside.bottom},           // left
        {inside.right, inside.top, all.right, inside.bottom},  // right
    };
    for (const Rect& band : bands) {
        if (band.IsEmpty()) continue;
        Fill(surface, band, opaque);
        changed_ = changed_.United(band);
    }
}

void DrawingSurface::DrawImage(Image* image, const Rect& dest) {
    if (image == nullptr || !image->HasPicture() || dest.IsEmpty()) return;
    QImage& surface = window_.Surface().pixels().image;
    const Rect visible = dest.Intersected(Bounds(surface));
    if (visible.IsEmpty()) return;
    Image::Picture& picture = image->picture();
    const QImage& page = picture.pixels;

    if (dest.Width() <= surface.width() && dest.Height() <= surface.height()) {
        // Fits the window (the fitted page, every scroll step at that zoom):
        // scale once, then each draw only copies.
        const QImage& copy = ScaledCopy(picture, dest.Width(), dest.Height());
        if (copy.isNull()) return;
        CopyVisible(copy, dest.left, dest.top, visible, surface);
    } else if (dest.Width() <= page.width() && dest.Height() <= page.height()) {
        // Larger than the window but still a shrink: average only the
        // visible part, straight onto the surface.
        const Rect part{visible.left - dest.left, visible.top - dest.top, visible.right - dest.left,
                        visible.bottom - dest.top};
        AreaAverageScaler(page, dest.Width(), dest.Height())
            .ScalePart(part, surface.scanLine(visible.top) + qsizetype{visible.left} * 4,
                       surface.bytesPerLine());
    } else {
        PaintBilinear(page, dest, surface);
    }
    changed_ = changed_.United(visible);
}

void DrawingSurface::Flush() {
    if (changed_.IsEmpty()) return;
    window_.FlushSurface(changed_);
    changed_ = Rect{};
}
