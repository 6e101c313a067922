#pragma once

#include <QImage>

#include "platform/AreaAverageKernels.h"
#include "platform/Geometry.h"

// Shrinks an RGB32 picture by area averaging: each target pixel is the mean of
// the source area it covers, each source pixel weighted by how much of it lies
// inside. Fine lettering and screen tones average to grey instead of breaking
// into moire, as sampling would. Fixed-point and vectorised, so shrinking a
// page costs a fraction of decoding it.
class AreaAverageScaler {
  public:
    // `source` is Format_RGB32 and must outlive the scaler; the target is no
    // larger than the source on either axis.
    AreaAverageScaler(const QImage& source, int targetWidth, int targetHeight,
                      const AreaAverageKernels& kernels = AreaAverageKernels::Fastest());

    // Writes the pixels of `part` of the target (target coordinates, inside
    // it) to `out`, which points at where part's top-left pixel goes; rows are
    // `outStride` bytes apart. Only the source behind `part` is read.
    void ScalePart(const Rect& part, uchar* out, qsizetype outStride) const;

    // The whole target as a new Format_RGB32 image; null when out of memory.
    QImage Scaled() const;

  private:
    const QImage& source_;
    int targetWidth_;
    int targetHeight_;
    const AreaAverageKernels& kernels_;
};
