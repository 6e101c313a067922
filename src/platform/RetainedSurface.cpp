#include "platform/RetainedSurface.h"

#include <algorithm>
#include <cstring>

#include "platform/SurfacePixels.h"

RetainedSurface::RetainedSurface() : pixels_(std::make_unique<Pixels>()) {}

RetainedSurface::~RetainedSurface() = default;

void RetainedSurface::Resize(int width, int height) {
    QImage& old = pixels_->image;
    if (width == old.width() && height == old.height()) return;
    if (width <= 0 || height <= 0) {
        old = QImage();
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    if (resized.isNull()) {  // out of memory: an empty surface rather than a crash
        old = QImage();
        return;
    }
    resized.fill(Qt::white);
    const int sharedWidth = std::min(width, old.width());
    const int sharedHeight = std::min(height, old.height());
    for (int y = 0; y < sharedHeight; ++y)
        std::memcpy(resized.scanLine(y), old.constScanLine(y), size_t(sharedWidth) * 4);
    old = std::move(resized);
}

int RetainedSurface::Width() const {
    return pixels_->image.width();
}

int RetainedSurface::Height() const {
    return pixels_->image.height();
}

uint32_t RetainedSurface::PixelAt(int x, int y) const {
    const QImage& image = pixels_->image;
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return 0;
    return 0xFF000000u | reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x];
}
