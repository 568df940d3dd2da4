// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QRegion>

// The places of the drawing to repaint when something drawn there changes: as few pixels as
// hold it, since a repaint draws again every lap of a long path that crosses them.
namespace virenast::app {

// The whole pixels that a shape drawn in this rectangle may touch, its outline and
// anti-aliasing included (a thick line of `margin` pixels either side).
QRect touchedPixels(const QRectF& pixels, int margin = 2);

// The pixels a polyline touches, as a band of small rectangles along it rather than the
// rectangle around it: the line from a far body, or the part of a path added at a turn, would
// otherwise repaint a good part of the drawing at each turn, and every lap of the path there.
QRegion touchedAlong(const QPolygonF& pixels, int margin = 2);

}  // namespace virenast::app
