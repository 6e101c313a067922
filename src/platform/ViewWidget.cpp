#include "platform/ViewWidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <cmath>

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

CScrollView::Widget::Widget(CScrollView* owner)
    : view(owner),
      client(new ClientArea(this)),
      bars{new QScrollBar(Qt::Horizontal, this), new QScrollBar(Qt::Vertical, this)} {
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
