#pragma once

#include <QEvent>
#include <QPoint>
#include <QStyle>

class QScrollBar;
class QWidget;

// The centre of one part of a scroll bar (thumb, arrows, track), in the bar's
// own coordinates, as its style lays it out now.
QPoint ScrollBarPart(QScrollBar* bar, QStyle::SubControl part);

// Sends one left-button mouse event (press, move or release) to a widget.
void SendMouse(QWidget* target, QEvent::Type type, QPoint at);

// Drags a bar's thumb by `distance` pixels along the bar in `steps` moves,
// pressing and releasing the left button as the user would.
void DragThumb(QScrollBar* bar, int distance, int steps = 2);

// Presses and releases the left button on a part of the bar.
void ClickScrollBarPart(QScrollBar* bar, QStyle::SubControl part);
