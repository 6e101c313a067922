#pragma once

// Which of a window's two scroll bars; the values are the system's own.
enum ScrollBarId : int { SB_HORZ = 0, SB_VERT = 1 };

// The full state of one scroll bar.
struct ScrollInfo {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
    bool operator==(const ScrollInfo&) const = default;
};
