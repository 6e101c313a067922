// Zoom steps and the layout after a resize: both lay the page rectangle out
// at the current zoom, centred, and show or hide the bars until a pass changes
// neither bar.
#include <cstdlib>

#include "engine/EngineArithmetic.h"
#include "engine/mvImage.h"
#include "platform/ScrollWindow.h"

using engine_arithmetic::Truncate;
using engine_arithmetic::Zoomed;

namespace {

constexpr double kZoomStep = 10.0;
constexpr double kZoomCeiling = 500.0;
constexpr double kZoomFloor = 10.0;

// Each pass that changes a bar's visibility starts another; showing bars only
// narrows the client area and hiding them only widens it, so two passes per
// bar settle any layout. The cap keeps a window that reports sizes
// inconsistently from looping for ever.
constexpr int kMaxLayoutPasses = 8;

}  // namespace

bool mvImage::ZoomIn() {
    return ZoomBy(+1);
}

bool mvImage::ZoomOut() {
    return ZoomBy(-1);
}

bool mvImage::ZoomBy(int direction) {
    inLayout = true;
    GetDisplaySize(displayWidth, displayHeight);
    if (direction > 0 && zoomPercent + kZoomStep < kZoomCeiling) zoomPercent += kZoomStep;
    if (direction < 0 && zoomPercent - kZoomStep > kZoomFloor) zoomPercent -= kZoomStep;
    int height = Zoomed(displayHeight, zoomPercent);
    int width = Zoomed(displayWidth, zoomPercent);

    Rect client = window->GetClientRect();
    for (int pass = 0; pass < kMaxLayoutPasses; ++pass) {
        int clientWidth = client.Width();
        int clientHeight = client.Height();
        originX = (clientWidth - width) / 2;
        drawWidth = width;
        drawHeight = height;
        originY = (clientHeight - height) / 2;
        long long documentHeight = static_cast<long long>(pageCount) * height;
        int barMaximum = ApplyLongDocumentRule(documentHeight, clientHeight);

        // The page shows its middle: no vertical offset.
        vOffset = 0;
        if (!LayOutVerticalBar(documentHeight, barMaximum, clientHeight) &&
            !LayOutHorizontalBar(width, clientWidth))
            break;
        client = window->GetClientRect();
    }
    inLayout = false;
    Draw(true);
    return true;
}

void mvImage::ResizeView() {
    if (!documentOpen || window == nullptr || image == nullptr || inLayout) return;
    inLayout = true;
    Rect client = window->GetClientRect();
    for (int pass = 0; pass < kMaxLayoutPasses; ++pass) {
        int clientWidth = client.Width();
        int clientHeight = client.Height();
        GetDisplaySize(displayWidth, displayHeight);
        int height = Zoomed(displayHeight, zoomPercent);
        int width = Zoomed(displayWidth, zoomPercent);
        drawHeight = height;
        drawWidth = width;
        originX = (clientWidth - width) / 2;
        originY = (clientHeight - height) / 2;
        long long documentHeight = static_cast<long long>(pageCount) * height;
        int barMaximum = ApplyLongDocumentRule(documentHeight, clientHeight);

        if (LayOutHorizontalBar(width, clientWidth)) {
            client = window->GetClientRect();
            continue;
        }
        // The thumb keeps the earlier offset, as far as the new size allows.
        if (documentHeight > clientHeight) ClampVerticalOffset(clientHeight);
        if (LayOutVerticalBar(documentHeight, barMaximum, clientHeight)) {
            client = window->GetClientRect();
            continue;
        }
        // The final pass: the page is centred on both axes.
        vOffset = 0;
        originX = (clientWidth - drawWidth) / 2;
        originY = (clientHeight - drawHeight) / 2;
        break;
    }
    inLayout = false;
    Draw(true);
}

bool mvImage::LayOutVerticalBar(long long documentHeight, int barMaximum, int clientHeight) {
    if (documentHeight > clientHeight) {
        ConfigureBar(SB_VERT, barMaximum, clientHeight, VerticalBarPosition());
        if (vertBarShown) return false;
        vertBarShown = true;
        return true;
    }
    vOffset = 0;
    window->ShowScrollBar(SB_VERT, false);
    if (!vertBarShown) return false;
    vertBarShown = false;
    return true;
}

bool mvImage::LayOutHorizontalBar(int width, int clientWidth) {
    if (width > clientWidth) {
        ClampHorizontalOffset(clientWidth);
        ConfigureBar(SB_HORZ, width, clientWidth, std::abs(originX + hOffset));
        if (horzBarShown) return false;
        horzBarShown = true;
        return true;
    }
    hOffset = 0;
    window->ShowScrollBar(SB_HORZ, false);
    if (!horzBarShown) return false;
    horzBarShown = false;
    return true;
}

int mvImage::VerticalBarPosition() const {
    long long raw = std::abs(static_cast<long long>(originY) + vOffset) +
                    static_cast<long long>(currentIndex) * drawHeight;
    return Truncate(static_cast<double>(raw) / static_cast<double>(scrollScale));
}

void mvImage::ClampVerticalOffset(int clientHeight) {
    long long lowest = static_cast<long long>(clientHeight) - originY - drawHeight - 1;
    if (vOffset < lowest) vOffset = Truncate(static_cast<double>(lowest));
    if (vOffset > std::abs(originY)) vOffset = std::abs(originY);
}

void mvImage::ClampHorizontalOffset(int clientWidth) {
    long long lowest = static_cast<long long>(clientWidth) - originX - drawWidth - 1;
    if (hOffset < lowest) hOffset = Truncate(static_cast<double>(lowest));
    if (hOffset > std::abs(originX)) hOffset = std::abs(originX);
}
