#include "engine/EngineFixture.h"

#include <iterator>

#include "platform/Image.h"
#include "support/Colours.h"
#include "support/Fixtures.h"

namespace {

// Far enough apart that a JPEG's rounding cannot make one look like another,
// and none of them the white of the background.
constexpr uint32_t kPalette[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF,
                                 0x000000, 0x808080, 0xFF8000, 0x8000FF, 0x008000, 0x800000};

}  // namespace

void EngineTest::MakePages(int width, int height, int count, int dpiX, int dpiY, int units) {
    std::string path = folder / ("page" + std::to_string(serial++) + ".jpg");
    WriteJpeg(path, width, height, 0xFF0000, dpiX, dpiY, units);
    pages.assign(count, path);
}

void EngineTest::MakeColouredPages(int width, int height, int count) {
    pages.clear();
    for (int i = 0; i < count; ++i) {
        std::string path = folder / ("page" + std::to_string(serial++) + ".jpg");
        WriteJpeg(path, width, height, PageColour(i) & 0xFFFFFF);
        pages.push_back(path);
    }
}

uint32_t EngineTest::PageColour(int index) {
    return 0xFF000000u | kPalette[index % std::size(kPalette)];
}

mvImage& EngineTest::Open(FakeWindow& window) {
    engine = std::make_unique<mvImage>(&window);
    engine->LoadImageFile(folder / "book.cbz");
    engine->SetPageList(&pages);
    return *engine;
}

mvImage& EngineTest::OpenZoomedTallBook(FakeWindow& window, int pageCount, int startIndex) {
    MakeColouredPages(1000, 1500, pageCount);
    mvImage& e = Open(window);
    e.FitToWindow();
    if (startIndex != 0) e.GoToPage(startIndex);
    e.ZoomIn();
    return e;
}

mvImage& EngineTest::OpenWideBook(FakeWindow& window) {
    MakeColouredPages(3000, 400, 3);
    mvImage& e = Open(window);
    e.ResizeView();
    e.GoToPage(1);
    return e;
}

void EngineTest::StartRecording(FakeWindow& window) {
    window.calls.clear();
    window.flushes.clear();
    decodesAtStart = Image::DecodeCount();
}

int64_t EngineTest::DecodesSinceRecording() const {
    return Image::DecodeCount() - decodesAtStart;
}

testing::AssertionResult EngineTest::ShowsPage(FakeWindow& window, int index) const {
    Rect client = window.GetClientRect();
    uint32_t pixel = window.Surface().PixelAt(client.Width() / 2, client.Height() / 2);
    if (NearColour(pixel, PageColour(index))) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "the middle of the window is " << std::hex << pixel << ", page " << std::dec << index
           << " is " << std::hex << PageColour(index);
}

Rect EngineTest::PageRect() const {
    const mvImage& e = *engine;
    int left = e.originX + e.hOffset;
    int top = e.originY + e.vOffset;
    return Rect{left, top, left + e.drawWidth, top + e.drawHeight};
}
