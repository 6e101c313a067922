#include "platform/ViewWidget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/InvalidArgument.h"
#include "platform/KeyTranslation.h"
#include "platform/SurfacePixels.h"

ClientArea::ClientArea(CScrollView::Widget* owner) : QWidget(owner), owner_(owner) {
    // Every pixel comes from the retained surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    CScrollView* view = owner_->view;
    if (view == nullptr) return;
    owner_->PaintInvalid();
    QImage& image = view->Surface().pixels().image;
    qreal scale = owner_->Scale();
    QPainter painter(this);
    QRectF target = event->rect();
    QRectF source(target.x() * scale, target.y() * scale, target.width() * scale,
                  target.height() * scale);
    painter.drawImage(target, image, source);
}

void ClientArea::wheelEvent(QWheelEvent* event) {
    // Handed on explicitly: the toolkit passes only the window system's own
    // wheel events up to the parent.
    QCoreApplication::sendEvent(owner_, event);
}

CScrollView::Widget::Widget(CScrollView* owner)
    : view(owner),
      client(new ClientArea(this)),
      bars{new ViewScrollBar(Qt::Horizontal, this,
                             [this](int code, int position) { OnScroll(SB_HORZ, code, position); }),
           new ViewScrollBar(Qt::Vertical, this, [this](int code, int position) {
               OnScroll(SB_VERT, code, position);
           })} {
    bars[SB_HORZ]->hide();
    bars[SB_VERT]->hide();
    setFocusPolicy(Qt::StrongFocus);
}

CScrollView::Widget::~Widget() {
    if (view != nullptr) view->widget_ = nullptr;
}

qreal CScrollView::Widget::Scale() const {
    return devicePixelRatioF();
}

void CScrollView::Widget::PaintInvalid() {
    if (view != nullptr) view->PaintInvalid();
}

void CScrollView::Widget::resizeEvent(QResizeEvent*) {
    Relayout();
}

void CScrollView::Widget::OnScroll(ScrollBarId bar, int code, int position) {
    if (view == nullptr) return;
    RunReportingInvalidArgument([&] {
        if (bar == SB_VERT)
            view->OnVScroll(code, position);
        else
            view->OnHScroll(code, position);
    });
}

void CScrollView::Widget::keyPressEvent(QKeyEvent* event) {
    if (view != nullptr) {
        int key = VirtualKeyOf(*event);
        RunReportingInvalidArgument([&] { view->OnKeyDown(key); });
    }
    QWidget::keyPressEvent(event);
}

void CScrollView::Widget::wheelEvent(QWheelEvent* event) {
    QPoint angle = event->angleDelta();
    // A sideways turn is another notification, which the view does not take;
    // the empty events that open and close a touchpad gesture are no turn.
    bool sideways = angle.y() == 0 && angle.x() != 0;
    bool gestureEdge =
        angle.isNull() && (event->phase() == Qt::ScrollBegin || event->phase() == Qt::ScrollEnd);
    if (view == nullptr || sideways || gestureEdge) {
        event->ignore();
        return;
    }
    // The delta travels as a signed 16-bit number.
    int delta = std::clamp(angle.y(), int{INT16_MIN}, int{INT16_MAX});
    RunReportingInvalidArgument([&] { view->OnMouseWheel(delta); });
    event->accept();
}

void CScrollView::Widget::Relayout() {
    if (view == nullptr) return;
    int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool vertical = view->barShown_[SB_VERT];
    bool horizontal = view->barShown_[SB_HORZ];
    int width = std::max(0, this->width() - (vertical ? thickness : 0));
    int height = std::max(0, this->height() - (horizontal ? thickness : 0));
    client->setGeometry(0, 0, width, height);
    bars[SB_VERT]->setGeometry(width, 0, thickness, height);
    bars[SB_HORZ]->setGeometry(0, height, width, thickness);
    bars[SB_VERT]->setVisible(vertical);
    bars[SB_HORZ]->setVisible(horizontal);
    qreal scale = Scale();
    view->ClientResized(static_cast<int>(std::lround(width * scale)),
                        static_cast<int>(std::lround(height * scale)));
}
