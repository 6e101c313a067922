// Opening a 200-page comic and showing page 1 (unpack, collect, decode, fit,
// draw), against the floor of the same run: the bare extractor on the same
// archive plus one plain decode of page 1. The figure is the median ratio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "BenchSupport.h"
#include "app/CPanelvueApp.h"
#include "platform/CFrameWnd.h"
#include "platform/MessageBox.h"
#include "view/CPanelvueView.h"

namespace {

void BM_OpenComicShowsPageOne(benchmark::State& state) {
    std::string original = BenchComic();
    std::filesystem::path data = std::filesystem::path(original).parent_path();
    // Two names, so that each open is of a comic other than the open one.
    std::string names[2] = {(data / "a.cbz").string(), (data / "b.cbz").string()};
    for (const std::string& name : names)
        std::filesystem::copy_file(original, name,
                                   std::filesystem::copy_options::overwrite_existing);
    setenv("XDG_DATA_HOME", (data / "home").c_str(), 1);
    std::string floorFolder = (data / "floor").string();

    SetMessageBoxSink([](const MessageBoxRequest&) { return IDOK; });
    CPanelvueApp app;
    app.InitInstance();
    app.GetMainWnd()->SetWindowPos(0, 0, 1280, 1024);

    std::vector<double> ratios, opens, floors;
    int turn = 0;
    for (auto _ : state) {
        double start = NowMs();
        ExtractWithSevenZip(names[turn], floorFolder);
        DecodeJpegFile(floorFolder + "/page001.jpg");
        double floor = NowMs() - start;
        std::filesystem::remove_all(floorFolder);

        start = NowMs();
        app.OpenDocumentFile(names[turn]);
        double open = NowMs() - start;
        app.workFolders.DeleteWorkFolders();

        auto* view = static_cast<CPanelvueView*>(app.GetMainWnd()->GetActiveView());
        if (!view->EngineReady() || view->Pages().size() != 200) {
            state.SkipWithError("the comic did not open");
            break;
        }
        state.SetIterationTime(open / 1000.0);
        ratios.push_back(open / floor);
        opens.push_back(open);
        floors.push_back(floor);
        turn = 1 - turn;
    }
    app.CloseAllWindows();
    SetMessageBoxSink(nullptr);
    state.counters["open_ms"] = Median(opens);
    state.counters["floor_ms"] = Median(floors);
    state.counters["ratio"] = Median(ratios);
}

BENCHMARK(BM_OpenComicShowsPageOne)->Iterations(21)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication toolkit(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
