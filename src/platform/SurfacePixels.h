#pragma once

// Inside the platform layer only: the toolkit image behind a RetainedSurface.

#include <QImage>

#include "platform/RetainedSurface.h"

struct RetainedSurface::Pixels {
    QImage image;  // Format_RGB32, the client area's size in device pixels
};
