#pragma once

// Inside the platform layer only: what an Image holds.

#include <QImage>
#include <atomic>
#include <cstdint>

#include "platform/Image.h"

struct Image::Picture {
    // The decoded page, Format_RGB32; null when the file gave no picture.
    QImage pixels;
    float horizontalDpi = 96.0f;
    float verticalDpi = 96.0f;
    unsigned frameCount = 0;

    // The page resampled to the size it was last drawn at, kept so that
    // drawing that size again (every scroll step) only copies pixels. Only a
    // size that fits the window is kept, so this is never larger than it.
    QImage scaledCopy;

    // Every scaled copy built by this process (Image::ScaledCopyCount).
    static std::atomic<int64_t> scaledCopiesBuilt;
};
