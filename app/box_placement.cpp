// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/box_placement.h"

#include <algorithm>

namespace virenast::app {
namespace {

constexpr int gap = 4;        // pixels between the box and what it stands beside
constexpr int stride = 8;     // pixels between two tried places along a row or column

bool isClear(const QRect& box, const BoxSurroundings& around)
{
    if (!around.available.contains(box)) return false;
    return std::none_of(around.keepClear.begin(), around.keepClear.end(),
                        [&](const QRect& kept) { return kept.intersects(box); });
}

// Along a row at height `top`, the clear place nearest to the box centred on `centreX`.
std::optional<QPoint> clearInRow(QSize size, int top, int centreX, const BoxSurroundings& around)
{
    const int ideal = centreX - size.width() / 2;
    const int reach = around.available.width();
    for (int shift = 0; shift <= reach; shift += stride) {
        for (const int left : {ideal - shift, ideal + shift}) {
            const QRect box(QPoint(left, top), size);
            if (isClear(box, around)) return box.topLeft();
        }
    }
    return std::nullopt;
}

// Along a column at `left`, the clear place nearest to height `top`.
std::optional<QPoint> clearInColumn(QSize size, int left, int top, const BoxSurroundings& around)
{
    const int reach = around.available.height();
    for (int shift = 0; shift <= reach; shift += stride) {
        for (const int y : {top + shift, top - shift}) {
            const QRect box(QPoint(left, y), size);
            if (isClear(box, around)) return box.topLeft();
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<QPoint> placeClear(QSize boxFrame, const BoxSurroundings& around)
{
    const QRect& window = around.window;
    const int centreX = around.preferred.x();
    if (auto place = clearInRow(boxFrame, around.preferred.y(), centreX, around)) return place;
    if (auto place = clearInRow(boxFrame, window.bottom() + 1 + gap, centreX, around)) return place;
    if (auto place = clearInColumn(boxFrame, window.right() + 1 + gap, window.top(), around)) return place;
    if (auto place = clearInColumn(boxFrame, window.left() - gap - boxFrame.width(), window.top(), around))
        return place;
    return clearInRow(boxFrame, window.top() - gap - boxFrame.height(), centreX, around);
}

}  // namespace virenast::app
