#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDocument;
class CScrollView;
class CStatusBar;

// What a frame needs to make its view.
struct CreateContext {
    std::function<std::unique_ptr<CScrollView>()> makeView;
    CDocument* document = nullptr;
};

// A top-level window with the view in the middle; room for a menu, a
// toolbar and a status bar around it.
class CFrameWnd {
  public:
    CFrameWnd();
    virtual ~CFrameWnd();
    CFrameWnd(const CFrameWnd&) = delete;
    CFrameWnd& operator=(const CFrameWnd&) = delete;

    // Makes the window and runs OnCreate; false when OnCreate refused.
    bool LoadFrame(CreateContext& context);

    // Moves and sizes the window (outer frame, in layout pixels).
    void SetWindowPos(int x, int y, int width, int height);
    void ShowWindow();
    void UpdateWindow();
    void ActivateFrame();
    // The close the user asks for (the window's close button): runs OnClose.
    void Close();
    bool IsWindowAlive() const;

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // The application part of the caption ("<document> - <application>").
    void SetAppTitle(const std::string& title) { appTitle_ = title; }
    const std::string& GetAppTitle() const { return appTitle_; }
    // Composes the caption from the document's title and the application title.
    void OnUpdateFrameTitle();
    // The same, once the program is idle again.
    void DelayUpdateFrameTitle();

    void DragAcceptFiles(bool accept);
    bool AcceptsDroppedFiles() const { return acceptsDrops_; }
    // Files dropped on the window: the window is activated and each file is
    // opened in turn, in the order given.
    virtual void OnDropFiles(const std::vector<std::string>& paths);

    // The status bar whose pane 0 shows the frame's messages, or null.
    CStatusBar* GetMessageBar() const { return messageBar_; }
    // Shows a message in pane 0 of the message bar.
    void SetMessageText(const std::string& text);
    // Shows the idle text, "Ready", there.
    void ShowIdleMessage();

    CScrollView* GetActiveView() const { return view_.get(); }
    CDocument* GetActiveDocument() const { return document_; }

    // Destroys the window; the application leaves its loop when its main
    // window is gone.
    virtual bool DestroyWindow();

    struct Window;
    Window* window() const { return window_; }

  protected:
    // Creates the view from the context. 0 to go on, -1 to fail the creation.
    virtual int OnCreate(CreateContext& context);
    // Closes the document and destroys the window.
    virtual void OnClose();

  private:
    friend struct Window;
    friend class CStatusBar;
    void LayOutNow();
    // A bar with the message-bar id was created in this frame; it shows the
    // idle text at once.
    void SetMessageBar(CStatusBar* bar);
    void ForgetMessageBar(CStatusBar* bar);
    Window* window_ = nullptr;  // owned; deleted in DestroyWindow or the destructor
    std::unique_ptr<CScrollView> view_;
    CStatusBar* messageBar_ = nullptr;
    CDocument* document_ = nullptr;
    std::string appTitle_;
    std::string title_;
    bool acceptsDrops_ = false;
    bool titleUpdatePending_ = false;
};
