// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/box_placement.h"

#include <algorithm>

namespace virenast::form {
namespace {

constexpr int gap = 4;        // pixels between the box and what it stands beside
constexpr int stride = 8;     // pixels between two tried places along a row or column

bool isClear(const Rect& box, const BoxSurroundings& around)
{
    if (!around.available.contains(box)) return false;
    return std::none_of(around.keepClear.begin(), around.keepClear.end(),
                        [&](const Rect& kept) { return kept.intersects(box); });
}

// Along a row at height `top`, the clear place nearest to the box centred on `centreX`.
std::optional<Point> clearInRow(Size size, int top, int centreX, const BoxSurroundings& around)
{
    const int ideal = centreX - size.width / 2;
    const int reach = around.available.width;
    for (int shift = 0; shift <= reach; shift += stride) {
        for (const int left : {ideal - shift, ideal + shift}) {
            if (isClear({left, top, size.width, size.height}, around)) return Point{left, top};
        }
    }
    return std::nullopt;
}

// Along a column at `left`, the clear place nearest to height `top`.
std::optional<Point> clearInColumn(Size size, int left, int top, const BoxSurroundings& around)
{
    const int reach = around.available.height;
    for (int shift = 0; shift <= reach; shift += stride) {
        for (const int y : {top + shift, top - shift}) {
            if (isClear({left, y, size.width, size.height}, around)) return Point{left, y};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Point> placeClear(Size boxFrame, const BoxSurroundings& around)
{
    const Rect& window = around.window;
    const int centreX = around.preferred.x;
    if (auto place = clearInRow(boxFrame, around.preferred.y, centreX, around)) return place;
    if (auto place = clearInRow(boxFrame, window.bottom() + gap, centreX, around)) return place;
    if (auto place = clearInColumn(boxFrame, window.right() + gap, window.top, around)) return place;
    if (auto place = clearInColumn(boxFrame, window.left - gap - boxFrame.width, window.top, around)) return place;
    return clearInRow(boxFrame, window.top - gap - boxFrame.height, centreX, around);
}

}  // namespace virenast::form
