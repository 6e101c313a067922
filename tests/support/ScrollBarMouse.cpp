#include "support/ScrollBarMouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionSlider>

void SendMouse(QWidget* target, QEvent::Type type, QPoint at) {
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QPoint ScrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

void DragThumb(QScrollBar* bar, int distance, int steps) {
    QPoint start = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider);
    QPoint along = bar->orientation() == Qt::Vertical ? QPoint(0, 1) : QPoint(1, 0);
    SendMouse(bar, QEvent::MouseButtonPress, start);
    for (int i = 1; i <= steps; ++i)
        SendMouse(bar, QEvent::MouseMove, start + along * (distance * i / steps));
    SendMouse(bar, QEvent::MouseButtonRelease, start + along * distance);
}

void ClickScrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
    QPoint at = ScrollBarPart(bar, part);
    SendMouse(bar, QEvent::MouseButtonPress, at);
    SendMouse(bar, QEvent::MouseButtonRelease, at);
}
