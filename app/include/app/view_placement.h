// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace virenast::app {

// Where a window of `size` (its client area; `frame` its title bar and borders) stands beside the
// main window's `mainFrame` within the screen's `available` area, never over it: on its right
// where there is room, else on its left, else below or above it; where no side has room for the
// whole window, it is made smaller to fit the roomiest side (and, when the main window leaves
// no room at all, it goes at the screen's right edge, where the user can move it).
QRect besideWindow(const QRect& mainFrame, const QRect& available, QSize size, const QMargins& frame);

}  // namespace virenast::app
