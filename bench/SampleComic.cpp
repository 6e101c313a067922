#include "SampleComic.h"

#include <turbojpeg.h>

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

QImage DrawPage(int index, int width, int height) {
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(static_cast<quint32>(index * 7919 + 17));
    int margin = width / 20;
    int rows = 3;
    int rowHeight = (height - 2 * margin) / rows;
    for (int row = 0; row < rows; ++row) {
        int columns = 1 + static_cast<int>(random.bounded(2));
        int columnWidth = (width - 2 * margin) / columns;
        for (int column = 0; column < columns; ++column) {
            QRect panel(margin + column * columnWidth + 10, margin + row * rowHeight + 10,
                        columnWidth - 20, rowHeight - 20);
            QLinearGradient sky(panel.topLeft(), panel.bottomRight());
            sky.setColorAt(0, QColor::fromHsv(static_cast<int>(random.bounded(360)), 90, 250));
            sky.setColorAt(1, QColor::fromHsv(static_cast<int>(random.bounded(360)), 160, 120));
            painter.fillRect(panel, sky);
            for (int shape = 0; shape < 12; ++shape) {
                painter.setBrush(QColor::fromHsv(static_cast<int>(random.bounded(360)), 200, 200));
                painter.setPen(QPen(Qt::black, 4));
                int w = 40 + static_cast<int>(random.bounded(panel.width() / 2));
                int h = 40 + static_cast<int>(random.bounded(panel.height() / 2));
                int x =
                    panel.left() + static_cast<int>(random.bounded(std::max(1, panel.width() - w)));
                int y =
                    panel.top() + static_cast<int>(random.bounded(std::max(1, panel.height() - h)));
                painter.drawEllipse(x, y, w, h);
            }
            painter.setPen(QPen(Qt::black, 6));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(panel);
            painter.setBrush(Qt::white);
            painter.setPen(QPen(Qt::black, 3));
            QRect balloon(panel.left() + 30, panel.top() + 30, panel.width() / 2,
                          panel.height() / 4);
            painter.drawEllipse(balloon);
            painter.setFont(QFont("Sans", std::max(8, height / 90)));
            painter.drawText(balloon, Qt::AlignCenter | Qt::TextWordWrap,
                             QString("Page %1, panel %2").arg(index + 1).arg(row * 2 + column + 1));
        }
    }
    painter.setFont(QFont("Sans", std::max(10, height / 40), QFont::Bold));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, height - margin, width, margin), Qt::AlignCenter,
                     QString::number(index + 1));
    painter.end();
    // Screen-tone grain, as scanned pages have: it is what makes decoding cost what it does.
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int grain = static_cast<int>(random.bounded(5)) - 2;
            QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + grain, 0, 255), std::clamp(qGreen(p) + grain, 0, 255),
                     std::clamp(qBlue(p) + grain, 0, 255));
        }
    }
    return page;
}

}  // namespace

void WriteSamplePage(const std::string& path, int index, int width, int height) {
    QImage page = DrawPage(index, width, height);
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    int failed = tjCompress2(handle, page.constBits(), width, static_cast<int>(page.bytesPerLine()),
                             height, TJPF_BGRX, &jpeg, &size, TJSAMP_420, 85, 0);
    tjDestroy(handle);
    if (failed != 0) throw std::runtime_error("cannot encode a sample page");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(jpeg), static_cast<std::streamsize>(size));
    tjFree(jpeg);
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string MakeSampleComic(const std::string& archive, int pageCount, int pageWidth,
                            int pageHeight) {
    std::filesystem::path pages = std::filesystem::path(archive).parent_path() / "sample-pages";
    std::filesystem::remove_all(pages);
    std::filesystem::create_directories(pages);
    for (int i = 0; i < pageCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "page%03d.jpg", i + 1);
        WriteSamplePage((pages / name).string(), i, pageWidth, pageHeight);
    }
    std::filesystem::remove(archive);
    std::string command = "cd " + Quote(pages.string()) +
                          " && 7zz a -tzip -mx=0 -bd -bso0 -bsp0 -- " + Quote(archive) +
                          " . >/dev/null";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("7zz a failed for " + archive);
    std::filesystem::remove_all(pages);
    return archive;
}
