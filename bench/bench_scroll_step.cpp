// One scroll step in the display engine, against the floor of the same run: a
// bare TurboJPEG decode of the page on screen. At the fitted zoom a step only
// redraws the page from the scaled copy it keeps; zoomed in, a line down or up
// within a page taller than the window resamples the visible part. The two
// take turns, so the step is timed after a decode has gone through the caches,
// as a step after a page turn would be. The figure is the ratio of the
// medians; at the fitted zoom a step should stay well under a millisecond.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "AllocatorSettings.h"
#include "BenchSupport.h"
#include "LineScroller.h"
#include "OpenedBenchComic.h"
#include "platform/Image.h"

namespace {

struct ScrollCase {
    const char* name;
    // Zoom steps from the fitted zoom; ZoomIn stops by itself at its ceiling.
    int zoomSteps;
};

const ScrollCase kCases[] = {
    {"fitted_redraw", 0},
    {"zoomed_in_once", 1},
    {"zoomed_in_twice", 2},
    {"zoomed_in_fully", std::numeric_limits<int>::max()},
};

void ZoomIn(mvImage& engine, int steps) {
    for (int i = 0; i < steps; ++i) {
        const double before = engine.zoomPercent;
        engine.ZoomIn();
        if (engine.zoomPercent == before) return;
    }
}

void BM_ScrollStepAgainstDecode(benchmark::State& state, const ScrollCase& scroll) {
    OpenedBenchComic comic;
    mvImage& engine = comic.engine();
    ZoomIn(engine, scroll.zoomSteps);
    LineScroller scroller(comic);
    const std::string& page = comic.pages()[engine.currentIndex];
    const int pageIndex = engine.currentIndex;
    const int64_t decodesBefore = Image::DecodeCount();
    const int64_t scaledCopiesBefore = Image::ScaledCopyCount();
    std::vector<double> steps, decodes;
    bool scrolled = true;
    for (auto _ : state) {
        double start = NowMs();
        DecodeJpegFile(page);
        decodes.push_back(NowMs() - start);

        start = NowMs();
        // A fitted page fits the window, where a line step turns the page;
        // what a step that stays on it costs is this redraw.
        if (scroll.zoomSteps == 0)
            engine.Draw(false);
        else
            scrolled = scroller.Step();
        const double step = NowMs() - start;
        if (!scrolled || engine.currentIndex != pageIndex) {
            state.SkipWithError("the step did not stay within the page");
            break;
        }
        state.SetIterationTime(step / 1000.0);
        steps.push_back(step);
    }
    if (Image::DecodeCount() != decodesBefore) state.SkipWithError("a step decoded a page");
    state.counters["zoom_percent"] = engine.zoomPercent;
    state.counters["step_ms"] = Median(steps);
    state.counters["decode_ms"] = Median(decodes);
    state.counters["ratio"] = Median(steps) / Median(decodes);
    state.counters["copies_built"] =
        static_cast<double>(Image::ScaledCopyCount() - scaledCopiesBefore);
}

}  // namespace

int main(int argc, char** argv) {
    KeepFreedPageSizedBlocks();  // the decoder and the engine take turns
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication toolkit(argc, argv);
    for (const ScrollCase& scroll : kCases)
        benchmark::RegisterBenchmark(
            (std::string("BM_ScrollStepAgainstDecode/") + scroll.name).c_str(),
            [&scroll](benchmark::State& state) { BM_ScrollStepAgainstDecode(state, scroll); })
            ->Iterations(200)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
