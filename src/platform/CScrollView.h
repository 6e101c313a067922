#pragma once

#include <memory>

#include "platform/RetainedSurface.h"
#include "platform/ScrollWindow.h"

class CDocument;
class CFrameWnd;

// The reader's view window: a client area with a retained surface and two
// scroll bars that are children of the view, so that showing or hiding a bar
// changes the client rectangle and delivers OnSize before the call returns.
class CScrollView : public ScrollWindow {
  public:
    CScrollView();
    ~CScrollView() override;
    CScrollView(const CScrollView&) = delete;
    CScrollView& operator=(const CScrollView&) = delete;

    // Run after each document open and for the empty document of start-up;
    // the base marks the whole view for repainting.
    virtual void OnInitialUpdate();

    // Window notifications.
    // The client area needs painting; paint it into the surface.
    virtual void OnDraw() {}
    // Before OnDraw, for the invalid part: true when the handler took care of
    // the background; otherwise it is erased to white.
    virtual bool OnEraseBkgnd() { return false; }
    // The client area changed size (device pixels).
    virtual void OnSize(int width, int height);
    // A key went down, auto-repeats included: its virtual-key code (VirtualKeys.h).
    virtual void OnKeyDown(int /*virtualKey*/) {}
    // The wheel turned: the signed delta, 120 a notch, positive away from the user.
    virtual void OnMouseWheel(int /*delta*/) {}
    // A scroll bar's notification: its scroll code (ScrollCode) and the thumb
    // position for SB_THUMBTRACK and SB_THUMBPOSITION (0 otherwise).
    virtual void OnVScroll(int /*code*/, int /*position*/) {}
    virtual void OnHScroll(int /*code*/, int /*position*/) {}

    // ScrollWindow
    Rect GetClientRect() const override;
    void ShowScrollBar(ScrollBarId bar, bool show) override;
    void SetScrollInfo(ScrollBarId bar, const ScrollInfo& info) override;
    void SetScrollRange(ScrollBarId bar, int min, int max) override;
    void SetScrollPos(ScrollBarId bar, int pos) override;
    RetainedSurface& Surface() override;
    void FlushSurface(const Rect& changed) override;

    // What a bar shows now; whether it is shown.
    ScrollInfo GetScrollInfo(ScrollBarId bar) const;
    bool IsScrollBarShown(ScrollBarId bar) const;

    // Marks the whole client area invalid: it is erased and painted again.
    void Invalidate();
    // Paints what is invalid now, without waiting for the event loop.
    void UpdateWindow();

    CDocument* GetDocument() const { return document_; }
    CFrameWnd* GetParentFrame() const { return frame_; }

    struct Widget;
    Widget* widget() const { return widget_; }

  private:
    friend class CFrameWnd;
    friend struct Widget;
    void Attach(CFrameWnd* frame, CDocument* document);
    // The window system's part of painting: erase and draw what is invalid.
    void PaintInvalid();
    // The client area now measures this many device pixels.
    void ClientResized(int width, int height);

    Widget* widget_ = nullptr;  // owned by the frame's window once attached
    CFrameWnd* frame_ = nullptr;
    CDocument* document_ = nullptr;
    RetainedSurface surface_;
    ScrollInfo bars_[2];
    bool barShown_[2] = {false, false};
    bool invalid_ = true;
    bool inPaint_ = false;
};
