// The display engine's memory while reading: stepping through all 200 pages
// of the bench comic, then zoomed in as far as it goes on a 1800 x 2700 page,
// scrolling around it and turning a few pages at that zoom. The engine keeps
// one decoded page and one scaled copy no larger than the window, and paints
// zoomed pages only where the window shows them, so what is resident should
// stay flat from the first page to the last and peak near one decoded page
// above what the process held before the comic was opened.
//
// Prints the figures and exits with 1 when memory grows by more than one
// decoded page over a tour, or peaks more than three decoded pages above the
// baseline: a leak, or a zoomed page built whole, shows far beyond either.
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "BenchPages.h"
#include "OpenedBenchComic.h"
#include "ProcessMemory.h"
#include "platform/Image.h"

namespace {

constexpr double kMaxGrowthInPages = 1.0;
constexpr double kMaxPeakInPages = 3.0;
// The pages turned, and the places visited on each, at the highest zoom.
constexpr int kZoomedPageTurns = 4;
constexpr int kLinesAtEachPlace = 10;
constexpr int kPageDownsPerPage = 10;

double Megabytes(int64_t bytes) {
    return static_cast<double>(bytes) / 1e6;
}

struct TourFigures {
    int64_t startResident = 0;
    int64_t endResident = 0;
    int64_t peakResident = 0;
    int64_t startAllocated = 0;
    int64_t endAllocated = 0;
};

// Runs a tour of the engine; `sample` is called by the tour after each action,
// so that a peak is seen even where the system cannot reset its own.
TourFigures Measure(const std::function<void(const std::function<void()>& sample)>& tour) {
    TourFigures figures;
    figures.startResident = ProcessMemory::Resident();
    figures.startAllocated = ProcessMemory::Allocated();
    const bool peakReset = ProcessMemory::ResetPeak();
    if (!peakReset) std::printf("(the peak resident size counts from the process's start)\n");
    int64_t sampledPeak = figures.startResident;
    tour([&] { sampledPeak = std::max(sampledPeak, ProcessMemory::Resident()); });
    figures.endResident = ProcessMemory::Resident();
    figures.endAllocated = ProcessMemory::Allocated();
    figures.peakResident = std::max(sampledPeak, ProcessMemory::PeakResident());
    return figures;
}

// Prints one tour's figures; false when they are beyond the limits.
bool Report(const char* tour, const TourFigures& figures, int64_t baseline, int64_t pageBytes) {
    const int64_t growth = figures.endResident - figures.startResident;
    const int64_t peak = figures.peakResident - baseline;
    const double growthInPages = static_cast<double>(growth) / static_cast<double>(pageBytes);
    const double peakInPages = static_cast<double>(peak) / static_cast<double>(pageBytes);
    std::printf("%s\n", tour);
    std::printf("  resident: start %.1f MB, end %.1f MB, growth %+.1f MB (%+.2f decoded pages)\n",
                Megabytes(figures.startResident), Megabytes(figures.endResident), Megabytes(growth),
                growthInPages);
    std::printf("  peak: %.1f MB above the baseline (%.2f decoded pages)\n", Megabytes(peak),
                peakInPages);
    std::printf("  allocated: start %.1f MB, end %.1f MB\n", Megabytes(figures.startAllocated),
                Megabytes(figures.endAllocated));
    bool withinLimits = true;
    if (growthInPages > kMaxGrowthInPages) {
        std::printf("  FAIL: grew by more than %.0f decoded page\n", kMaxGrowthInPages);
        withinLimits = false;
    }
    if (peakInPages > kMaxPeakInPages) {
        std::printf("  FAIL: peaked more than %.0f decoded pages above the baseline\n",
                    kMaxPeakInPages);
        withinLimits = false;
    }
    return withinLimits;
}

void StepThroughEveryPage(mvImage& engine, const std::function<void()>& sample) {
    for (int page = 1; page < engine.pageCount; ++page) {
        engine.NextPage();
        sample();
    }
}

void ZoomInFully(mvImage& engine, const std::function<void()>& sample) {
    for (double before = -1; engine.zoomPercent != before;) {
        before = engine.zoomPercent;
        engine.ZoomIn();
        sample();
    }
}

// At each of the page's left edge, middle and right edge, some lines down;
// then pages down; then on to the next page.
void TourZoomedPages(OpenedBenchComic& comic, const std::function<void()>& sample) {
    mvImage& engine = comic.engine();
    for (int turn = 0; turn < kZoomedPageTurns; ++turn) {
        const int widest = std::max(0, engine.drawWidth - comic.ClientWidth());
        for (int position : {0, widest / 2, widest}) {
            engine.ScrollHorizontal(SB_THUMBTRACK, position);
            for (int line = 0; line < kLinesAtEachPlace; ++line) {
                engine.ScrollVertical(0, SB_LINEDOWN);
                sample();
            }
        }
        for (int step = 0; step < kPageDownsPerPage; ++step) {
            engine.ScrollVertical(0, SB_PAGEDOWN);
            sample();
        }
        engine.NextPage();
        sample();
    }
    engine.PreviousPage();
    sample();
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication toolkit(argc, argv);
    BenchComicPages();  // unpacked before the baseline, as the reader unpacks before it shows

    // Making the comic on a first run leaves freed pages with the allocator.
    ProcessMemory::ReleaseFreed();
    const int64_t baseline = ProcessMemory::Resident();
    OpenedBenchComic comic;
    mvImage& engine = comic.engine();
    if (!engine.IsReady() || !engine.image->HasPicture()) {
        std::printf("FAIL: the comic did not open\n");
        return 1;
    }
    const int pageWidth = engine.image->Width();
    const int pageHeight = engine.image->Height();
    const int64_t pageBytes = int64_t{pageWidth} * pageHeight * 4;
    std::printf("decoded page %d x %d: %.1f MB; window %d x %d: %.1f MB\n", pageWidth, pageHeight,
                Megabytes(pageBytes), comic.ClientWidth(), comic.ClientHeight(),
                Megabytes(int64_t{comic.ClientWidth()} * comic.ClientHeight() * 4));
    std::printf("baseline before the comic was opened: %.1f MB resident\n", Megabytes(baseline));

    const TourFigures stepping =
        Measure([&](const auto& sample) { StepThroughEveryPage(engine, sample); });
    if (engine.currentIndex != engine.pageCount - 1 || !engine.image->HasPicture()) {
        std::printf("FAIL: stepping did not reach the last page\n");
        return 1;
    }
    bool withinLimits =
        Report("stepping through every page at the fitted zoom", stepping, baseline, pageBytes);

    engine.FirstPage();
    const TourFigures zoomed = Measure([&](const auto& sample) {
        ZoomInFully(engine, sample);
        TourZoomedPages(comic, sample);
    });
    std::printf("zoomed to %.1f %%: the page is %d x %d, %.1f MB were it built whole\n",
                engine.zoomPercent, engine.drawWidth, engine.drawHeight,
                Megabytes(int64_t{engine.drawWidth} * engine.drawHeight * 4));
    withinLimits &=
        Report("zooming in fully, scrolling around and turning pages", zoomed, baseline, pageBytes);
    return withinLimits ? 0 : 1;
}
