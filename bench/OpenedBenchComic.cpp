#include "OpenedBenchComic.h"

#include "BenchPages.h"
#include "BenchSupport.h"

// Two hundred fitted pages are far taller than the window, so the vertical
// bar always shows: the outer width leaves room for it.
OpenedBenchComic::OpenedBenchComic()
    : pages_(BenchComicPages()),
      window_(kClientWidth + HeadlessScrollWindow::kBarThickness, kClientHeight),
      engine_(&window_) {
    window_.onClientResized = [this] { engine_.ResizeView(); };
    engine_.LoadImageFile(BenchComic());
    engine_.SetPageList(&pages_);
    engine_.FitToWindow();
}
