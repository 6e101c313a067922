#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "engine/FakeWindow.h"
#include "engine/mvImage.h"
#include "support/TempFolder.h"
#include "unpack/PageList.h"

// An engine on a fake window, with page files written for the test. The
// helpers lay out the books that several suites scroll and step through.
class EngineTest : public testing::Test {
  protected:
    // A red page of the given pixel size and density, repeated `count` times.
    void MakePages(int width, int height, int count, int dpiX = 0, int dpiY = 0, int units = 1);
    // `count` pages of one size, each in its own colour, so that a test can
    // tell from the window's pixels which page is on screen.
    void MakeColouredPages(int width, int height, int count);
    // The colour (0xAARRGGBB) of page `index` of MakeColouredPages.
    static uint32_t PageColour(int index);

    // Opens the pages in an engine bound to `window`, as the view does.
    mvImage& Open(FakeWindow& window);

    // Ten coloured pages of 1000 x 1500, fitted (40 percent, 400 x 600) in
    // `window`, then page `startIndex` shown and zoomed in once: a page
    // rectangle 500 x 750 at originX 150, originY -75. With a window of
    // 817 x 600 the client area is 800 x 600 beside the vertical bar.
    mvImage& OpenZoomedTallBook(FakeWindow& window, int pageCount, int startIndex);
    // Three coloured pages of 3000 x 400 laid out at 100 percent in `window`,
    // then page 1 shown. With a window of 717 x 617 both bars are shown, the
    // client area is 700 x 600, and the page's left edge is at -1150.
    mvImage& OpenWideBook(FakeWindow& window);

    // Clears the window's record of bar calls and flushes and notes the
    // decode count, so that a test sees only what the next operation does.
    void StartRecording(FakeWindow& window);
    // Pictures decoded since StartRecording.
    int64_t DecodesSinceRecording() const;

    // Whether the middle of the client area shows page `index`'s colour.
    testing::AssertionResult ShowsPage(FakeWindow& window, int index) const;
    // The rectangle the engine draws the page into, in client coordinates.
    Rect PageRect() const;

    TempFolder folder;
    PageList pages;
    std::unique_ptr<mvImage> engine;
    int serial = 0;
    int64_t decodesAtStart = 0;
};
