// A page turn in the display engine (release the page, decode the next one,
// shrink it to the fitted size, fill and draw into a 1280 x 960 client),
// against the floor of the same run: a bare TurboJPEG decode of the same page
// file. The two take turns at going first, so that machine noise and warm
// caches fall on both alike. The figure is the ratio of their medians; a page
// turn should cost at most 1.3 decodes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <vector>

#include "AllocatorSettings.h"
#include "BenchSupport.h"
#include "OpenedBenchComic.h"
#include "platform/Image.h"

namespace {

template <typename Action>
double TimedMs(Action action) {
    const double start = NowMs();
    action();
    return NowMs() - start;
}

void BM_PageTurnAgainstDecode(benchmark::State& state) {
    OpenedBenchComic comic;
    mvImage& engine = comic.engine();
    const int lastIndex = static_cast<int>(comic.pages().size()) - 1;
    std::vector<double> turns, decodes;
    int64_t decodesInTurns = 0, scaledCopiesInTurns = 0;
    for (auto _ : state) {
        // Only when asked for more turns than the comic has; the time is manual.
        if (engine.currentIndex == lastIndex) engine.FirstPage();
        const std::string& next = comic.pages()[engine.currentIndex + 1];
        const int64_t decodesBefore = Image::DecodeCount();
        const int64_t scaledCopiesBefore = Image::ScaledCopyCount();
        double turn = 0, decode = 0;
        if (turns.size() % 2 == 0) {
            decode = TimedMs([&] { DecodeJpegFile(next); });
            turn = TimedMs([&] { engine.NextPage(); });
        } else {
            turn = TimedMs([&] { engine.NextPage(); });
            decode = TimedMs([&] { DecodeJpegFile(next); });
        }
        decodesInTurns += Image::DecodeCount() - decodesBefore;
        scaledCopiesInTurns += Image::ScaledCopyCount() - scaledCopiesBefore;
        if (!engine.image || !engine.image->HasPicture()) {
            state.SkipWithError("the next page did not load");
            break;
        }
        state.SetIterationTime(turn / 1000.0);
        turns.push_back(turn);
        decodes.push_back(decode);
    }
    const double turnCount = static_cast<double>(turns.size());
    state.counters["turn_ms"] = Median(turns);
    state.counters["decode_ms"] = Median(decodes);
    state.counters["ratio"] = Median(turns) / Median(decodes);
    // One decode and one scaled copy per turn; more means the turn does
    // work twice, which the ratio alone would only hint at.
    state.counters["decodes_per_turn"] = static_cast<double>(decodesInTurns) / turnCount;
    state.counters["copies_per_turn"] = static_cast<double>(scaledCopiesInTurns) / turnCount;
}
// Each of the 199 turns of the comic once.
BENCHMARK(BM_PageTurnAgainstDecode)
    ->Iterations(199)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    KeepFreedPageSizedBlocks();  // the decoder and the engine take turns
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication toolkit(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
