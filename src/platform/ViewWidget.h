#pragma once

// Inside the platform layer only: the toolkit widgets behind a CScrollView.

#include <QWidget>

#include "platform/CScrollView.h"
#include "platform/ViewScrollBar.h"

// The client area: shows the view's retained surface.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(CScrollView::Widget* owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The wheel belongs to the view as a whole.
    void wheelEvent(QWheelEvent* event) override;

  private:
    CScrollView::Widget* owner_;
};

struct CScrollView::Widget : public QWidget {
    explicit Widget(CScrollView* owner);
    ~Widget() override;

    // Places the client area and the shown bars; tells the view when the
    // client area changed size.
    void Relayout();
    // Device pixels per layout pixel.
    qreal Scale() const;
    // Lets the view erase and draw what is invalid before the surface is shown.
    void PaintInvalid();

    CScrollView* view;  // cleared when the view goes first
    ClientArea* client;
    ViewScrollBar* bars[2];

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void OnScroll(ScrollBarId bar, int code, int position);
};
