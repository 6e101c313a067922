// The scroll bars and the wheel. The vertical bar stands for the whole book:
// scrolling past a tall page's edge turns the page, and a drag of the thumb
// picks a page that is shown when the drag ends.
#include <cstdlib>

#include "engine/mvImage.h"
#include "platform/ScrollWindow.h"

namespace {

constexpr int kLineStep = 30;

}  // namespace

void mvImage::ScrollVertical(int position, int code) {
    if (position < 0) position = 0;
    int clientHeight = window->GetClientRect().Height();
    bool pageFits = clientHeight >= drawHeight;
    int pageStep = drawHeight / (pageCount > 0 ? pageCount : 1);

    switch (code) {
        case SB_LINEUP:
        case SB_PAGEUP:
            if (pageFits) {
                PreviousPage();
                SyncScrollPosition(currentIndex);
                Draw(false);
                return;
            }
            vOffset += code == SB_LINEUP ? kLineStep : pageStep;
            break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN:
            if (pageFits) {
                NextPage();
                SyncScrollPosition(currentIndex);
                Draw(false);
                return;
            }
            vOffset -= code == SB_LINEDOWN ? kLineStep : pageStep;
            break;
        case SB_THUMBTRACK:
            // Only the index follows the thumb; the page on screen stays
            // until the drag ends.
            currentIndex = PageAtThumb(position, clientHeight);
            trackedPosition = position;
            thumbTracking = true;
            window->SetScrollPos(SB_VERT, position);
            Draw(false);
            return;
        case SB_TOP:
            vOffset = std::abs(originY);
            break;
        case SB_BOTTOM:
            vOffset = 0;
            originY = -drawHeight;
            break;
        case SB_ENDSCROLL:
            if (thumbTracking) {
                // Out of the drag first, so that a page that fails to load
                // does not leave the engine dragging.
                thumbTracking = false;
                GoToPage(PageAtThumb(trackedPosition, clientHeight));
            }
            Draw(false);
            return;
        default:  // SB_THUMBPOSITION and anything unknown
            Draw(false);
            return;
    }

    ClampVerticalOffset(clientHeight);
    if (clientHeight < drawHeight) {
        // The top edge reached the window's top: show the previous page's bottom.
        if (originY + vOffset >= 0) PreviousPage();
        // The bottom edge passed the window's bottom: show the next page's top.
        if (std::abs(originY + vOffset) + clientHeight > drawHeight) NextPage();
    }
    window->SetScrollPos(SB_VERT, VerticalBarPosition());
    Draw(false);
}

void mvImage::ScrollHorizontal(int code, int position) {
    int clientWidth = window->GetClientRect().Width();
    switch (code) {
        case SB_LINEUP:
            hOffset += kLineStep;
            break;
        case SB_LINEDOWN:
            hOffset -= kLineStep;
            break;
        case SB_PAGEUP:
            hOffset += clientWidth;
            break;
        case SB_PAGEDOWN:
            hOffset -= clientWidth;
            break;
        case SB_THUMBTRACK:
            hOffset = std::abs(originX) - position;
            break;
        case SB_TOP:
        case SB_BOTTOM:
        case SB_ENDSCROLL:
            // Nothing at all, not even a redraw.
            return;
        default:  // SB_THUMBPOSITION and anything unknown
            Draw(false);
            return;
    }
    ClampHorizontalOffset(clientWidth);
    window->SetScrollPos(SB_HORZ, std::abs(originX + hOffset));
    Draw(false);
}
