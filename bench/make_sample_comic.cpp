// Makes a sample comic to read: make_sample_comic <archive.cbz> [pages]
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "SampleComic.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <archive.cbz> [pages]\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);  // fonts for the lettering
    try {
        MakeSampleComic(argv[1], argc > 2 ? std::atoi(argv[2]) : 12);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
