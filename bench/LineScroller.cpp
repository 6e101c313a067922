#include "LineScroller.h"

namespace {

// The engine's line step, in pixels.
constexpr int kLineStep = 30;

}  // namespace

bool LineScroller::Step() {
    mvImage& engine = comic_.engine();
    const int top = engine.originY + engine.vOffset;
    const bool downFits = top - kLineStep + engine.drawHeight >= comic_.ClientHeight();
    const bool upFits = top + kLineStep < 0;
    if (down_ && !downFits) down_ = false;
    if (!down_ && !upFits) down_ = true;
    if (down_ ? !downFits : !upFits) return false;
    engine.ScrollVertical(0, down_ ? SB_LINEDOWN : SB_LINEUP);
    return true;
}
