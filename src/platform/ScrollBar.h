#pragma once

// Which of a window's two scroll bars; the values are the system's own.
enum ScrollBarId : int { SB_HORZ = 0, SB_VERT = 1 };

// What a scroll notification asks for; the values are the system's own. For
// the horizontal bar "up" reads "left" and "down" reads "right".
enum ScrollCode : int {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,  // the thumb was released at a position
    SB_THUMBTRACK = 5,     // the thumb is being dragged
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,  // the scroll action is over
};

// The full state of one scroll bar.
struct ScrollInfo {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
    bool operator==(const ScrollInfo&) const = default;
};
