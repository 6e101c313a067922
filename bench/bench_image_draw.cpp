// What decoding, scaling and drawing a page cost, against the bare TurboJPEG
// decode of the same page: the next-page budget is decode x 1.3, and a scroll
// step at fitted zoom must stay far below one decode.
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <random>
#include <vector>

#include "platform/AreaAverageScaler.h"
#include "platform/DrawingSurface.h"
#include "platform/Image.h"
#include "platform/ImagePicture.h"
#include "platform/RetainedSurface.h"
#include "platform/ScrollWindow.h"

namespace {

constexpr int kPageWidth = 1800;
constexpr int kPageHeight = 2700;
constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 960;
// The page fitted to the window's height.
const Rect kFitted{320, 0, 960, 960};

// A scanned-looking comic page: panel borders, screen tones, speech balloons
// with rows of small dark marks for lettering, and a little scanner noise.
QImage MakeComicPage() {
    std::mt19937 random(7);
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QRect panel(60 + column * 850, 60 + row * 650, 820, 620);
            QLinearGradient gradient(panel.topLeft(), panel.bottomRight());
            gradient.setColorAt(0, QColor::fromHsv(int(random() % 360), 80, 230));
            gradient.setColorAt(1, QColor::fromHsv(int(random() % 360), 120, 120));
            painter.fillRect(panel, gradient);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(40, 40, 40));
            for (int y = panel.top() + 300; y < panel.bottom(); y += 9)
                for (int x = panel.left(); x < panel.right(); x += 9)
                    painter.drawEllipse(QPointF(x, y), 2.5, 2.5);
            painter.setBrush(Qt::white);
            const QRect balloon(panel.left() + 40, panel.top() + 30, 420, 200);
            painter.drawEllipse(balloon);
            painter.setBrush(Qt::black);
            for (int line = 0; line < 5; ++line)
                for (int x = balloon.left() + 70; x < balloon.right() - 70;
                     x += 10 + int(random() % 6))
                    painter.drawRect(x, balloon.top() + 40 + line * 26, 5 + int(random() % 5),
                                     12 + int(random() % 5));
            painter.setPen(QPen(Qt::black, 6));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(panel);
        }
    }
    painter.end();
    std::normal_distribution<float> noise(0, 0.6f);
    for (int y = 0; y < kPageHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < kPageWidth; ++x) {
            const int n = int(noise(random));
            line[x] =
                qRgb(std::clamp(qRed(line[x]) + n, 0, 255), std::clamp(qGreen(line[x]) + n, 0, 255),
                     std::clamp(qBlue(line[x]) + n, 0, 255));
        }
    }
    return page;
}

std::string Encode(const QImage& page) {
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    tjCompress2(handle, page.constBits(), page.width(), int(page.bytesPerLine()), page.height(),
                TJPF_BGRX, &jpeg, &size, TJSAMP_420, 90, 0);
    std::string bytes(reinterpret_cast<char*>(jpeg), size);
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

class BenchWindow : public ScrollWindow {
  public:
    BenchWindow() { surface_.Resize(kWindowWidth, kWindowHeight); }
    Rect GetClientRect() const override { return {0, 0, kWindowWidth, kWindowHeight}; }
    void ShowScrollBar(ScrollBarId, bool) override {}
    void SetScrollInfo(ScrollBarId, const ScrollInfo&) override {}
    void SetScrollRange(ScrollBarId, int, int) override {}
    void SetScrollPos(ScrollBarId, int) override {}
    RetainedSurface& Surface() override { return surface_; }
    void FlushSurface(const Rect&) override {}

  private:
    RetainedSurface surface_;
};

struct Page {
    QTemporaryDir folder;
    std::string path = folder.filePath("page.jpg").toStdString();
    std::string jpeg = Encode(MakeComicPage());
    Page() {
        std::ofstream(path, std::ios::binary).write(jpeg.data(), std::streamsize(jpeg.size()));
    }
};

const Page& ThePage() {
    static Page page;
    return page;
}

// The floor: header, buffer and default decode, nothing else.
void BM_BareTurboJpegDecode(benchmark::State& state) {
    const std::string& jpeg = ThePage().jpeg;
    for (auto _ : state) {
        tjhandle handle = tjInitDecompress();
        int width = 0, height = 0, subsampling = 0, colorspace = 0;
        auto* data = reinterpret_cast<const unsigned char*>(jpeg.data());
        tjDecompressHeader3(handle, data, jpeg.size(), &width, &height, &subsampling, &colorspace);
        std::vector<unsigned char> pixels(size_t(width) * height * 4);
        tjDecompress2(handle, data, jpeg.size(), pixels.data(), width, width * 4, height, TJPF_BGRX,
                      0);
        tjDestroy(handle);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_BareTurboJpegDecode)->Unit(benchmark::kMillisecond);

void BM_ImageFromFile(benchmark::State& state) {
    for (auto _ : state) {
        Image image(ThePage().path);
        benchmark::DoNotOptimize(image.Width());
    }
}
BENCHMARK(BM_ImageFromFile)->Unit(benchmark::kMillisecond);

// Next page: decode, then fill and draw fitted into the window.
void BM_NextPageDecodeAndDraw(benchmark::State& state) {
    BenchWindow window;
    for (auto _ : state) {
        Image image(ThePage().path);
        DrawingSurface surface(window);
        surface.FillOutside(kFitted, 0xFFFFFFFF);
        surface.DrawImage(&image, kFitted);
        surface.Flush();
    }
}
BENCHMARK(BM_NextPageDecodeAndDraw)->Unit(benchmark::kMillisecond);

void BM_AreaAverageShrinkToFit(benchmark::State& state) {
    Image image(ThePage().path);
    for (auto _ : state) {
        QImage scaled = AreaAverageScaler(image.picture().pixels, 640, 960).Scaled();
        benchmark::DoNotOptimize(scaled.constBits());
    }
}
BENCHMARK(BM_AreaAverageShrinkToFit)->Unit(benchmark::kMillisecond);

void BM_ToolkitSmoothShrinkToFit(benchmark::State& state) {
    Image image(ThePage().path);
    for (auto _ : state) {
        QImage scaled = image.picture().pixels.scaled(640, 960, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    }
}
// The toolkit spreads its smooth scaling over a thread pool: the process CPU
// time is what it costs a shared machine.
BENCHMARK(BM_ToolkitSmoothShrinkToFit)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// A scroll step at fitted zoom: the scaled copy is kept, so only a copy.
void BM_ScrollStepFitted(benchmark::State& state) {
    BenchWindow window;
    Image image(ThePage().path);
    int step = 0;
    for (auto _ : state) {
        Rect dest = kFitted;
        dest.top = -(step++ % 40) * 10;
        dest.bottom = dest.top + kFitted.Height();
        DrawingSurface surface(window);
        surface.DrawImage(&image, dest);
        surface.Flush();
    }
}
BENCHMARK(BM_ScrollStepFitted)->Unit(benchmark::kMicrosecond);

// Zoomed to 200%: bilinear on the visible part only.
void BM_ScrollStepZoomedIn(benchmark::State& state) {
    BenchWindow window;
    Image image(ThePage().path);
    for (auto _ : state) {
        DrawingSurface surface(window);
        surface.DrawImage(&image, Rect{-1000, -2000, -1000 + 3600, -2000 + 5400});
        surface.Flush();
    }
}
BENCHMARK(BM_ScrollStepZoomedIn)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Wider than the window yet smaller than the page: area average of the
// visible part only.
void BM_ScrollStepShrunkButWiderThanWindow(benchmark::State& state) {
    BenchWindow window;
    Image image(ThePage().path);
    for (auto _ : state) {
        DrawingSurface surface(window);
        surface.DrawImage(&image, Rect{-100, -300, -100 + 1500, -300 + 2250});
        surface.Flush();
    }
}
BENCHMARK(BM_ScrollStepShrunkButWiderThanWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
