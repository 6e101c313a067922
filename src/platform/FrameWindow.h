#pragma once

// Inside the platform layer only: the toolkit window behind a CFrameWnd.

#include <QMainWindow>

#include "platform/CFrameWnd.h"

struct CFrameWnd::Window : public QMainWindow {
    explicit Window(CFrameWnd* owner);

    // Cleared when the frame lets go of its window, so late events go nowhere.
    CFrameWnd* frame;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
