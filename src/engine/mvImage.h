#pragma once

#include <memory>
#include <string>

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
};
