#include "platform/ViewScrollBar.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "platform/ScrollBar.h"

ViewScrollBar::ViewScrollBar(Qt::Orientation orientation, QWidget* parent, Notify notify)
    : QScrollBar(orientation, parent), notify_(std::move(notify)) {
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnAction(action); });
}

void ViewScrollBar::OnAction(int action) {
    // The bar has already moved its slider for the action, but the view
    // decides where the thumb really goes: afterwards the slider is put where
    // the view left the bar.
    int code = -1;
    switch (action) {
        case SliderSingleStepSub:
            code = SB_LINEUP;
            break;
        case SliderSingleStepAdd:
            code = SB_LINEDOWN;
            break;
        case SliderPageStepSub:
            code = SB_PAGEUP;
            break;
        case SliderPageStepAdd:
            code = SB_PAGEDOWN;
            break;
        case SliderToMinimum:
            code = SB_TOP;
            break;
        case SliderToMaximum:
            code = SB_BOTTOM;
            break;
        case SliderMove:
            code = SB_THUMBTRACK;
            break;
        default:
            break;
    }
    int position = code == SB_THUMBTRACK ? sliderPosition() : 0;
    if (code >= 0 && notify_) notify_(code, position);
    // The view sets the value (without signals) when it moves the thumb; when
    // it did not, the thumb goes back to where it was.
    QSignalBlocker quiet(this);
    setSliderPosition(value());
}

void ViewScrollBar::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    QScrollBar::mousePressEvent(event);
}

void ViewScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    bool dragging = isSliderDown();
    int position = sliderPosition();
    QScrollBar::mouseReleaseEvent(event);
    if (!pressed_) return;
    pressed_ = false;
    if (!notify_) return;
    if (dragging) notify_(SB_THUMBPOSITION, position);
    notify_(SB_ENDSCROLL, 0);
}

void ViewScrollBar::wheelEvent(QWheelEvent* event) {
    // Handed on explicitly: the toolkit passes only the window system's own
    // wheel events up to the parent.
    if (parentWidget() != nullptr)
        QCoreApplication::sendEvent(parentWidget(), event);
    else
        event->ignore();
}

void ViewScrollBar::contextMenuEvent(QContextMenuEvent* event) {
    // Its "Scroll here" would start a drag that never ends.
    event->ignore();
}
