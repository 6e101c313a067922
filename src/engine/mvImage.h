#pragma once

#include <memory>
#include <string>

#include "platform/ScrollBar.h"
#include "unpack/PageList.h"

class Image;
class ScrollWindow;

// The display engine: the page on screen, its fitted or zoomed layout, and the
// scroll bars as a map of the whole book (all pages stacked, each drawHeight
// high). It decodes a page when it is shown and keeps only that one.
//
// The data members are public for reading (the view, the status line and the
// tests look at them); only the engine writes them.
class mvImage {
  public:
    // Above this document height the vertical bar's range is scaled down.
    static constexpr int kLongDocumentLimit = 30000;

    explicit mvImage(ScrollWindow* window);
    virtual ~mvImage();
    mvImage(const mvImage&) = delete;
    mvImage& operator=(const mvImage&) = delete;

    // Resets the engine for a newly opened comic; probes the file for its
    // frame count and keeps no picture. Always true.
    bool LoadImageFile(const std::string& path);
    // Attaches the view's page list (not owned) and loads page 0. An empty
    // list raises the invalid-argument error.
    void SetPageList(PageList* pages);
    // The size at which the picture is laid out at 100 percent: the axis of
    // the higher resolution shrunk to the lower one. False without a picture object.
    bool GetDisplaySize(int& width, int& height) const;
    // Fits page 0's rectangle into the window, resets the bars, draws. Always true.
    bool FitToWindow();
    // Paints the page rectangle (and, with fillBackground, everything around
    // it white). Always true.
    bool Draw(bool fillBackground);

    // Zoom by one step of ten points (within 10..500 exclusive), centre the
    // page and lay both bars out again. Always true.
    bool ZoomIn();
    bool ZoomOut();
    // Lays the page out again at the same zoom after the window changed size.
    // Does nothing before a comic is open or while another layout runs.
    void ResizeView();
    // A vertical scroll notification (or a wheel step, as a line up or down):
    // scrolls within a tall page, turns the page at its edges, and maps a
    // drag of the thumb to a page of the book.
    void ScrollVertical(int position, int code);
    // A horizontal scroll notification; never turns a page.
    void ScrollHorizontal(int code, int position);

    // Page stepping: each decodes the new page once, places it vertically and
    // redraws; the layout (size, zoom, bars' ranges) stays as it is.
    void NextPage();
    void PreviousPage();
    void FirstPage();
    void LastPage();
    // Shows page n with its top at the window's top; leaves the thumb alone.
    void GoToPage(int n);
    // Puts the vertical thumb at the place of a page index.
    void SyncScrollPosition(int index);

    // Window set, a picture object present, and reset for an opened comic.
    bool IsReady() const { return window != nullptr && image != nullptr && documentOpen; }

    bool vertBarShown = false;
    bool horzBarShown = false;
    bool inLayout = false;
    unsigned frameCount = 0;
    double zoomPercent = 100.0;
    int hOffset = 0;
    int vOffset = 0;
    ScrollWindow* window;
    std::unique_ptr<Image> image;
    bool documentOpen = false;
    int originX = 0;
    int originY = 0;
    int drawWidth = 0;
    int drawHeight = 0;
    int displayWidth = 0;
    int displayHeight = 0;
    PageList* pageList = nullptr;
    int firstPageWidth = 0;
    int firstPageHeight = 0;
    int pageCount = 0;
    int currentIndex = 0;
    bool longDocument = false;
    float scrollScale = 1.0f;
    bool thumbTracking = false;
    int trackedPosition = 0;

  protected:
    // Sets longDocument and scrollScale for a document of this height in a
    // client area of this height; returns the vertical bar's maximum.
    int ApplyLongDocumentRule(long long documentHeight, int clientHeight);
    // Sets up the vertical bar: range 0..maximum, a page of the client height, the position.
    void ConfigureVerticalBar(int maximum, int clientHeight, int position);

  private:
    // Sets a bar's range 0..maximum, page and position, and shows it.
    void ConfigureBar(ScrollBarId bar, int maximum, int page, int position);
    // The zoom in or out by `step` points, when the limits allow it, and the layout.
    bool ZoomBy(int step);
    // Lays out the vertical bar for the book's height, the thumb at the page's
    // offset (a book no taller than the window needs no bar and no offset);
    // true when the bar was shown or hidden, so the client area changed.
    bool LayOutVerticalBar(long long documentHeight, int barMaximum, int clientHeight);
    // Lays out the horizontal bar for a page rectangle `width` wide; true when
    // the bar was shown or hidden, so the client area changed.
    bool LayOutHorizontalBar(int width, int clientWidth);
    // The vertical bar's position for the page's current offset.
    int VerticalBarPosition() const;
    // Keep the page's leading edge between flush and one pixel past the far edge.
    void ClampVerticalOffset(int clientHeight);
    void ClampHorizontalOffset(int clientWidth);
    // The document pixels per page that one thumb unit stands for.
    float ThumbStepPerPage(int clientHeight) const;
    // The page a thumb position stands for, within the book.
    int PageAtThumb(int position, int clientHeight) const;
    // Decodes page `index` of the page list; raises the invalid-argument error
    // when the index is outside the list.
    void DecodePage(int index);
    // Where a newly shown page goes: its top, or its bottom, at the window's
    // edge when it is taller than the window; centred otherwise.
    void PlaceTop(int clientHeight);
    void PlaceBottom(int clientHeight);
};
