// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>

// Where a message box goes so that it hides neither the drawing nor the current values, the
// things a student pauses to look at: the one rule of every front-end, in its own pixels.
namespace virenast::form {

struct Point {
    int x, y;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width, height;
};

// A rectangle by its top-left corner and size; right() and bottom() are one past its last pixel.
struct Rect {
    int left, top, width, height;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool contains(const Rect& other) const
    {
        return other.left >= left && other.top >= top && other.right() <= right() && other.bottom() <= bottom();
    }
    bool intersects(const Rect& other) const
    {
        return !isEmpty() && !other.isEmpty() && left < other.right() && other.left < right() &&
               top < other.bottom() && other.top < bottom();
    }
};

// All rectangles are in screen coordinates, frames included.
struct BoxSurroundings {
    Rect window;          // the main window
    Rect available;       // the part of its screen that windows may use
    Point preferred;      // the top centre the box should have if it can
    std::span<const Rect> keepClear;
};

// The top-left corner of the box's frame: near `preferred` (first at its height, then below the
// window, then beside it or above it), within the available screen and clear of every rectangle
// to keep clear. No such place: std::nullopt, and the platform places the box as it would.
std::optional<Point> placeClear(Size boxFrame, const BoxSurroundings& around);

}  // namespace virenast::form
