#include "engine/EngineSnapshot.h"

#include "engine/mvImage.h"

EngineSnapshot::EngineSnapshot(const mvImage& engine)
    : zoomPercent(engine.zoomPercent),
      originX(engine.originX),
      originY(engine.originY),
      drawWidth(engine.drawWidth),
      drawHeight(engine.drawHeight),
      hOffset(engine.hOffset),
      vOffset(engine.vOffset),
      currentIndex(engine.currentIndex),
      vertBarShown(engine.vertBarShown),
      horzBarShown(engine.horzBarShown),
      inLayout(engine.inLayout),
      longDocument(engine.longDocument),
      scrollScale(engine.scrollScale),
      thumbTracking(engine.thumbTracking),
      trackedPosition(engine.trackedPosition),
      image(engine.image.get()) {}

void PrintTo(const EngineSnapshot& s, std::ostream* out) {
    *out << "{zoom " << s.zoomPercent << ", page " << s.drawWidth << "x" << s.drawHeight << " at "
         << s.originX << "+" << s.hOffset << ", " << s.originY << "+" << s.vOffset << ", index "
         << s.currentIndex << ", bars V" << s.vertBarShown << " H" << s.horzBarShown
         << ", inLayout " << s.inLayout << ", long " << s.longDocument << " scale " << s.scrollScale
         << ", tracking " << s.thumbTracking << " at " << s.trackedPosition << ", image " << s.image
         << "}";
}
