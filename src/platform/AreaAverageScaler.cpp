#include "platform/AreaAverageScaler.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/AreaAverageTaps.h"

AreaAverageScaler::AreaAverageScaler(const QImage& source, int targetWidth, int targetHeight,
                                     const AreaAverageKernels& kernels)
    : source_(source), targetWidth_(targetWidth), targetHeight_(targetHeight), kernels_(kernels) {}

void AreaAverageScaler::ScalePart(const Rect& part, uchar* out, qsizetype outStride) const {
    if (part.IsEmpty()) return;
    const AreaAverageTaps columns(source_.width(), targetWidth_, part.left, part.right);
    const AreaAverageTaps rows(source_.height(), targetHeight_, part.top, part.bottom);

    // Rows are averaged first, into one line of the source columns the part
    // needs; then runs of that line are averaged into the target row.
    const int lineStart = columns.SourceBegin();
    const int linePixels = columns.SourceEnd() - lineStart;
    std::vector<int> runStarts(part.Width());
    for (int i = 0; i < part.Width(); ++i) runStarts[i] = columns.First(i) - lineStart;
    // Zero-weighted padding taps read up to Count() pixels past the line.
    std::vector<uint16_t> line(size_t(linePixels + columns.Count()) * 4, 0);

    std::vector<const uint8_t*> rowStarts(rows.Count());
    for (int y = 0; y < part.Height(); ++y) {
        for (int k = 0; k < rows.Count(); ++k) {
            // Padding taps may point past the last row; their weight is 0.
            const int row = std::min(rows.First(y) + k, source_.height() - 1);
            rowStarts[k] = source_.constScanLine(row) + lineStart * 4;
        }
        kernels_.averageRows(rowStarts.data(), rows.Weights(y), rows.Count(), linePixels,
                             line.data());
        kernels_.averageColumns(line.data(), runStarts.data(), columns.Weights(0), columns.Count(),
                                part.Width(), reinterpret_cast<uint32_t*>(out + y * outStride));
    }
}

QImage AreaAverageScaler::Scaled() const {
    QImage target(targetWidth_, targetHeight_, QImage::Format_RGB32);
    if (target.isNull()) return target;
    ScalePart(Rect{0, 0, targetWidth_, targetHeight_}, target.bits(), target.bytesPerLine());
    return target;
}
