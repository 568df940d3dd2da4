// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/view_placement.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace virenast::app {

QRect besideWindow(const QRect& mainFrame, const QRect& available, QSize size, const QMargins& frame)
{
    const QSize framed = size.grownBy(frame);
    // Each side's room, as a rectangle of the screen clear of the main window.
    const QRect sides[] = {
        QRect(QPoint(mainFrame.right() + 1, available.top()), available.bottomRight()),
        QRect(available.topLeft(), QPoint(mainFrame.left() - 1, available.bottom())),
        QRect(QPoint(available.left(), mainFrame.bottom() + 1), available.bottomRight()),
        QRect(available.topLeft(), QPoint(available.right(), mainFrame.top() - 1)),
    };
    const auto placeIn = [&](std::size_t side, QSize within) {
        const QRect& room = sides[side];
        QRect placed(QPoint(), within);
        switch (side) {
        case 0: placed.moveTopLeft({room.left(), mainFrame.top()}); break;       // on its right
        case 1: placed.moveTopRight({room.right(), mainFrame.top()}); break;     // on its left
        case 2: placed.moveTopLeft({mainFrame.left(), room.top()}); break;       // below it
        default: placed.moveBottomLeft({mainFrame.left(), room.bottom()}); break;  // above it
        }
        // Within the room: moved back where it would run past the screen's edge.
        placed.moveTop(std::clamp(placed.top(), room.top(), std::max(room.top(), room.bottom() + 1 - placed.height())));
        placed.moveLeft(std::clamp(placed.left(), room.left(), std::max(room.left(), room.right() + 1 - placed.width())));
        return placed.marginsRemoved(frame);
    };
    for (std::size_t side = 0; side < std::size(sides); ++side)
        if (sides[side].width() >= framed.width() && sides[side].height() >= framed.height()) return placeIn(side, framed);
    // No side holds it whole: the roomiest side, the window made to fit it.
    const auto area = [](const QRect& room) { return std::max(room.width(), 0) * std::max(room.height(), 0); };
    std::size_t roomiest = 0;
    for (std::size_t side = 1; side < std::size(sides); ++side)
        if (area(sides[side]) > area(sides[roomiest])) roomiest = side;
    constexpr int smallest = 300;
    if (sides[roomiest].width() >= smallest && sides[roomiest].height() >= smallest)
        return placeIn(roomiest, framed.boundedTo(sides[roomiest].size()));
    QRect edge(QPoint(), framed.boundedTo(available.size()));
    edge.moveTopRight(available.topRight());
    return edge.marginsRemoved(frame);
}

}  // namespace virenast::app
