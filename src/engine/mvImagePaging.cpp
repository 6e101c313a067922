// Page stepping: each step decodes the new page (after releasing the old
// one, so at most one decoded page is held), places it vertically and draws.
// The page rectangle, the zoom and the bars' ranges stay as laid out.
#include <memory>

#include "engine/EngineArithmetic.h"
#include "engine/mvImage.h"
#include "platform/Image.h"
#include "platform/InvalidArgument.h"
#include "platform/ScrollWindow.h"

using engine_arithmetic::Truncate;

void mvImage::NextPage() {
    // At the end holding the key down costs nothing: no decode, no drawing.
    if (currentIndex == pageCount - 1) return;
    image.reset();
    int clientHeight = window->GetClientRect().Height();
    if (currentIndex < pageCount - 1) ++currentIndex;
    DecodePage(currentIndex);
    PlaceTop(clientHeight);
    SyncScrollPosition(currentIndex);
    Draw(true);
}

void mvImage::PreviousPage() {
    if (currentIndex == 0) return;
    image.reset();
    if (currentIndex > 0) --currentIndex;
    DecodePage(currentIndex);
    int clientHeight = window->GetClientRect().Height();
    PlaceBottom(clientHeight);
    SyncScrollPosition(currentIndex);
    Draw(true);
}

void mvImage::FirstPage() {
    image.reset();
    int clientHeight = window->GetClientRect().Height();
    DecodePage(0);
    currentIndex = 0;
    PlaceTop(clientHeight);
    SyncScrollPosition(0);
    Draw(true);
}

void mvImage::LastPage() {
    image.reset();
    int clientHeight = window->GetClientRect().Height();
    int last = pageCount - 1;
    DecodePage(last);
    currentIndex = last;
    PlaceBottom(clientHeight);
    SyncScrollPosition(last);
    Draw(true);
}

void mvImage::GoToPage(int n) {
    image.reset();
    int clientHeight = window->GetClientRect().Height();
    currentIndex = n;
    DecodePage(n);
    PlaceTop(clientHeight);
    // The thumb stays where the user dropped it.
    Draw(true);
}

void mvImage::SyncScrollPosition(int index) {
    int clientHeight = window->GetClientRect().Height();
    float step = ThumbStepPerPage(clientHeight);
    window->SetScrollPos(SB_VERT, Truncate(static_cast<double>(step) * index));
}

float mvImage::ThumbStepPerPage(int clientHeight) const {
    if (pageCount <= 0) return 0.0f;
    long long span = longDocument ? kLongDocumentLimit - clientHeight
                                  : static_cast<long long>(pageCount) * drawHeight - clientHeight;
    return static_cast<float>(static_cast<double>(span) / pageCount);
}

int mvImage::PageAtThumb(int position, int clientHeight) const {
    float step = ThumbStepPerPage(clientHeight);
    // The thumb exists only while the book is taller than the window, so the
    // step is positive; anything else stands for the first page.
    if (!(step > 0.0f)) return 0;
    int index = Truncate(position / static_cast<double>(step));
    if (index >= pageCount) index = pageCount - 1;
    return index < 0 ? 0 : index;
}

void mvImage::DecodePage(int index) {
    if (pageList == nullptr || index < 0 || static_cast<size_t>(index) >= pageList->size())
        ThrowInvalidArgument();
    image = std::make_unique<Image>((*pageList)[index]);
}

void mvImage::PlaceTop(int clientHeight) {
    originY = clientHeight < drawHeight ? 0 : (clientHeight - drawHeight) / 2;
    vOffset = 0;
}

void mvImage::PlaceBottom(int clientHeight) {
    if (clientHeight < drawHeight) {
        originY = 0;
        vOffset = clientHeight - drawHeight;
    } else {
        PlaceTop(clientHeight);
    }
}
