#pragma once

#include <functional>
#include <memory>
#include <string>

class CDocument;
class CFrameWnd;
class CScrollView;

// Ties the one document, the main frame and the view together, and carries
// out every open: the road by which a path reaches the view.
class CSingleDocTemplate {
  public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<CScrollView>()>;

    CSingleDocTemplate(int resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                       ViewFactory makeView);
    ~CSingleDocTemplate();

    // Opens a path as the document: quotes dropped, made absolute; the same
    // document again only activates the window; a file that cannot be read
    // gets the file-error message and changes nothing. Otherwise the view's
    // initial update runs. Null when nothing was opened.
    CDocument* OpenDocumentFile(const std::string& path);

    // A new, untitled document in the (possibly new) frame.
    CDocument* OpenNewDocument();

    int ResourceId() const { return resourceId_; }
    CDocument* Document() const { return document_.get(); }
    CFrameWnd* Frame() const { return frame_.get(); }

  private:
    bool EnsureFrame();
    void InitialUpdate();

    int resourceId_;
    DocumentFactory makeDocument_;
    FrameFactory makeFrame_;
    ViewFactory makeView_;
    std::unique_ptr<CDocument> document_;
    std::unique_ptr<CFrameWnd> frame_;
};
