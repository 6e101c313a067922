#pragma once

// Inside the platform layer only: one of a view's two scroll bars.

#include <QScrollBar>
#include <functional>

// A scroll bar that reports what the user does with it as scroll codes and
// leaves its thumb where the view puts it. A drag reports each thumb move;
// its release reports the final position and the end of the action; an
// arrow or track click reports its steps and, at release, the end.
class ViewScrollBar : public QScrollBar {
  public:
    // code (0..8) and thumb position
    using Notify = std::function<void(int code, int position)>;

    ViewScrollBar(Qt::Orientation orientation, QWidget* parent, Notify notify);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The wheel over a bar belongs to the view, as over its client area.
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void OnAction(int action);

    Notify notify_;
    bool pressed_ = false;
};
