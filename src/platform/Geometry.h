#pragma once

// A rectangle in device pixels: left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;

    // The part both rectangles cover; empty (all zero) when they do not meet.
    Rect Intersected(const Rect& other) const {
        Rect r{left > other.left ? left : other.left, top > other.top ? top : other.top,
               right < other.right ? right : other.right,
               bottom < other.bottom ? bottom : other.bottom};
        return r.IsEmpty() ? Rect{} : r;
    }

    // The smallest rectangle holding both; an empty rectangle adds nothing.
    Rect United(const Rect& other) const {
        if (other.IsEmpty()) return *this;
        if (IsEmpty()) return other;
        return Rect{left < other.left ? left : other.left, top < other.top ? top : other.top,
                    right > other.right ? right : other.right,
                    bottom > other.bottom ? bottom : other.bottom};
    }
};
