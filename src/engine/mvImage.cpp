#include "engine/mvImage.h"

#include <algorithm>

#include "platform/DrawingSurface.h"
#include "platform/Image.h"
#include "platform/InvalidArgument.h"
#include "platform/ScrollWindow.h"

namespace {

constexpr uint32_t kBackground = 0xFFFFFFFF;

// a * b / c in 32-bit results, truncated toward zero, without overflowing on the way.
int MulDiv(long long a, long long b, long long c) {
    return static_cast<int>(a * b / c);
}

}  // namespace

mvImage::mvImage(ScrollWindow* window) : window(window) {}

mvImage::~mvImage() = default;

bool mvImage::LoadImageFile(const std::string& path) {
    image.reset();
    auto probe = std::make_unique<Image>(path);
    frameCount = probe->FrameCount();
    zoomPercent = 100.0;
    documentOpen = true;
    hOffset = 0;
    vOffset = 0;
    return true;
}

void mvImage::SetPageList(PageList* pages) {
    image.reset();
    pageList = pages;
    if (pages == nullptr || pages->empty()) ThrowInvalidArgument();
    auto first = std::make_unique<Image>((*pages)[0]);
    pageCount = static_cast<int>(pages->size());
    firstPageHeight = first->Height();
    firstPageWidth = first->Width();
    image = std::move(first);
}

bool mvImage::GetDisplaySize(int& width, int& height) const {
    if (image == nullptr) return false;
    int w = image->Width();
    int h = image->Height();
    if (w == 0 || h == 0) {
        width = 1;
        height = 1;
        return true;
    }
    int hr = static_cast<int>(image->HorizontalResolution());
    int vr = static_cast<int>(image->VerticalResolution());
    // A resolution under 1 dpi says nothing usable: lay the pixels out as they are
    // rather than divide by zero.
    if (hr <= 0 || vr <= 0 || hr == vr) {
        width = w;
        height = h;
    } else if (hr > vr) {
        width = MulDiv(w, vr, hr);
        height = h;
    } else {
        width = w;
        height = MulDiv(h, hr, vr);
    }
    // An extreme resolution ratio must not shrink an axis to nothing.
    width = std::max(width, 1);
    height = std::max(height, 1);
    return true;
}

int mvImage::ApplyLongDocumentRule(long long documentHeight, int clientHeight) {
    if (documentHeight > kLongDocumentLimit) {
        longDocument = true;
        // The window would have to be taller than the whole range for the
        // divisor to vanish; keep it at least one unit.
        int units = std::max(kLongDocumentLimit - clientHeight, 1);
        scrollScale = static_cast<float>(static_cast<double>(documentHeight) / units);
        return kLongDocumentLimit;
    }
    longDocument = false;
    scrollScale = 1.0f;
    return static_cast<int>(documentHeight);
}

void mvImage::ConfigureBar(ScrollBarId bar, int maximum, int page, int position) {
    window->SetScrollInfo(bar, ScrollInfo{0, maximum, page, position});
    window->SetScrollRange(bar, 0, maximum);
    window->SetScrollPos(bar, position);
    window->ShowScrollBar(bar, true);
}

void mvImage::ConfigureVerticalBar(int maximum, int clientHeight, int position) {
    ConfigureBar(SB_VERT, maximum, clientHeight, position);
    vertBarShown = true;
}

bool mvImage::FitToWindow() {
    inLayout = true;
    window->ShowScrollBar(SB_VERT, false);
    window->ShowScrollBar(SB_HORZ, false);
    vertBarShown = false;
    horzBarShown = false;
    currentIndex = 0;

    Rect client = window->GetClientRect();
    int clientWidth = client.Width();
    int clientHeight = client.Height();
    if (!GetDisplaySize(displayWidth, displayHeight)) {
        // No picture object to measure: lay out a unit square rather than
        // divide by a size that was never set.
        displayWidth = 1;
        displayHeight = 1;
    }

    drawHeight = clientHeight;
    drawWidth = MulDiv(displayWidth, clientHeight, displayHeight);
    if (drawWidth > clientWidth) {
        drawWidth = clientWidth;
        drawHeight = MulDiv(clientWidth, displayHeight, displayWidth);
    }

    long long documentHeight = static_cast<long long>(pageCount) * drawHeight;
    int barMaximum = ApplyLongDocumentRule(documentHeight, clientHeight);

    hOffset = 0;
    vOffset = 0;
    originX = (clientWidth - drawWidth) / 2;
    originY = 0;

    if (documentHeight > clientHeight) ConfigureVerticalBar(barMaximum, clientHeight, 0);

    inLayout = false;
    zoomPercent = drawHeight * 100.0 / displayHeight;
    Draw(true);
    return true;
}

bool mvImage::Draw(bool fillBackground) {
    DrawingSurface surface(*window);
    Rect page{originX + hOffset, originY + vOffset, originX + hOffset + drawWidth,
              originY + vOffset + drawHeight};
    if (fillBackground) surface.FillOutside(page, kBackground);
    surface.DrawImage(image.get(), page);
    surface.Flush();
    return true;
}
