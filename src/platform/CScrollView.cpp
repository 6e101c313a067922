#include "platform/CScrollView.h"

#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "platform/NativeWidgets.h"
#include "platform/SurfacePixels.h"
#include "platform/ViewWidget.h"

QWidget* NativeWidget(const CScrollView* view) {
    return view != nullptr ? view->widget() : nullptr;
}

namespace {

// A bar's position stays where its thumb can be: from min to the last
// position at which a whole page still fits.
ScrollInfo Clamped(ScrollInfo info) {
    if (info.max < info.min) info.max = info.min;
    long long span = static_cast<long long>(info.max) - info.min + 1;
    info.page = static_cast<int>(std::clamp<long long>(info.page, 0, span));
    long long last = static_cast<long long>(info.max) - std::max(info.page - 1, 0);
    info.pos = static_cast<int>(
        std::clamp<long long>(info.pos, info.min, std::max<long long>(last, info.min)));
    return info;
}

}  // namespace

CScrollView::CScrollView() : widget_(new Widget(this)) {}

CScrollView::~CScrollView() {
    if (widget_ != nullptr) {
        widget_->view = nullptr;
        delete widget_;
    }
}

void CScrollView::Attach(CFrameWnd* frame, CDocument* document) {
    frame_ = frame;
    document_ = document;
}

void CScrollView::OnInitialUpdate() {
    Invalidate();
}

void CScrollView::OnSize(int, int) {}

Rect CScrollView::GetClientRect() const {
    return Rect{0, 0, surface_.Width(), surface_.Height()};
}

void CScrollView::ShowScrollBar(ScrollBarId bar, bool show) {
    if (barShown_[bar] == show) return;
    barShown_[bar] = show;
    if (widget_ != nullptr) widget_->Relayout();
}

bool CScrollView::IsScrollBarShown(ScrollBarId bar) const {
    return barShown_[bar];
}

ScrollInfo CScrollView::GetScrollInfo(ScrollBarId bar) const {
    return bars_[bar];
}

void CScrollView::SetScrollInfo(ScrollBarId bar, const ScrollInfo& info) {
    bars_[bar] = Clamped(info);
    if (widget_ == nullptr) return;
    const ScrollInfo& shown = bars_[bar];
    QScrollBar* qbar = widget_->bars[bar];
    QSignalBlocker quiet(qbar);
    int last = std::max(shown.min, shown.max - std::max(shown.page - 1, 0));
    qbar->setRange(shown.min, last);
    qbar->setPageStep(std::max(shown.page, 1));
    qbar->setValue(shown.pos);
}

void CScrollView::SetScrollRange(ScrollBarId bar, int min, int max) {
    ScrollInfo info = bars_[bar];
    info.min = min;
    info.max = max;
    SetScrollInfo(bar, info);
}

void CScrollView::SetScrollPos(ScrollBarId bar, int pos) {
    ScrollInfo info = bars_[bar];
    info.pos = pos;
    SetScrollInfo(bar, info);
}

RetainedSurface& CScrollView::Surface() {
    return surface_;
}

void CScrollView::FlushSurface(const Rect& changed) {
    // Inside a paint the whole surface is shown right afterwards anyway.
    if (widget_ == nullptr || inPaint_ || changed.IsEmpty()) return;
    qreal scale = widget_->Scale();
    int left = static_cast<int>(std::floor(changed.left / scale));
    int top = static_cast<int>(std::floor(changed.top / scale));
    int right = static_cast<int>(std::ceil(changed.right / scale));
    int bottom = static_cast<int>(std::ceil(changed.bottom / scale));
    widget_->client->update(QRect(left, top, right - left, bottom - top));
}

void CScrollView::Invalidate() {
    invalid_ = true;
    if (widget_ != nullptr) widget_->client->update();
}

void CScrollView::UpdateWindow() {
    PaintInvalid();
    if (widget_ != nullptr) widget_->client->update();
}

void CScrollView::PaintInvalid() {
    if (!invalid_ || inPaint_) return;
    inPaint_ = true;
    invalid_ = false;
    if (!OnEraseBkgnd()) surface_.pixels().image.fill(Qt::white);
    OnDraw();
    inPaint_ = false;
}

void CScrollView::ClientResized(int width, int height) {
    if (width == surface_.Width() && height == surface_.Height()) return;
    surface_.Resize(width, height);
    // The view repaints itself whole after every size change.
    invalid_ = true;
    if (widget_ != nullptr) widget_->client->update();
    OnSize(width, height);
}
