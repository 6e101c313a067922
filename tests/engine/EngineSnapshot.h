#pragma once

#include <ostream>

class Image;
class mvImage;

// The engine's layout and scroll state at one moment, to prove that an
// operation changed nothing.
struct EngineSnapshot {
    explicit EngineSnapshot(const mvImage& engine);

    double zoomPercent;
    int originX, originY, drawWidth, drawHeight, hOffset, vOffset;
    int currentIndex;
    bool vertBarShown, horzBarShown, inLayout, longDocument;
    float scrollScale;
    bool thumbTracking;
    int trackedPosition;
    const Image* image;  // the same object: nothing was decoded or released

    bool operator==(const EngineSnapshot&) const = default;
};

void PrintTo(const EngineSnapshot& snapshot, std::ostream* out);
