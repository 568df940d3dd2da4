// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <span>

namespace virenast::app {

// Where a message box goes so that it hides neither the drawing nor the current values, the
// things a student pauses to look at. All rectangles are in screen coordinates, frames included.
struct BoxSurroundings {
    QRect window;          // the main window
    QRect available;       // the part of its screen that windows may use
    QPoint preferred;      // the top centre the box should have if it can
    std::span<const QRect> keepClear;
};

// The top-left corner of the box's frame by form::placeClear's rule (the page's too): near
// `preferred` (first at its height, then below the window, then beside it or above it), within
// the available screen and clear of every rectangle to keep clear. No such place: std::nullopt,
// and the platform places the box as it would.
std::optional<QPoint> placeClear(QSize boxFrame, const BoxSurroundings& around);

}  // namespace virenast::app
