// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/box_placement.h"

#include "form/box_placement.h"

#include <vector>

namespace virenast::app {
namespace {

form::Rect rectOf(const QRect& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

}  // namespace

std::optional<QPoint> placeClear(QSize boxFrame, const BoxSurroundings& around)
{
    std::vector<form::Rect> keepClear;
    for (const QRect& kept : around.keepClear) keepClear.push_back(rectOf(kept));
    const form::BoxSurroundings rule{rectOf(around.window), rectOf(around.available),
                                     {around.preferred.x(), around.preferred.y()}, keepClear};
    const auto place = form::placeClear({boxFrame.width(), boxFrame.height()}, rule);
    if (!place) return std::nullopt;
    return QPoint(place->x, place->y);
}

}  // namespace virenast::app
