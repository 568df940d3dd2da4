// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/repaint_places.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace virenast::app {

QRect touchedPixels(const QRectF& pixels, int margin)
{
    return pixels.normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

QRegion touchedAlong(const QPolygonF& pixels, int margin)
{
    constexpr qreal piece = 48;  // pixels along the line in one rectangle, or about
    QRegion band;
    if (pixels.isEmpty()) return band;
    qreal left = pixels[0].x(), right = left, top = pixels[0].y(), bottom = top;
    const auto gather = [&](QPointF point) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    };
    const auto flush = [&](QPointF from) {
        band |= touchedPixels(QRectF(QPointF(left, top), QPointF(right, bottom)), margin);
        left = right = from.x();
        top = bottom = from.y();
    };
    for (qsizetype i = 1; i < pixels.size(); ++i) {
        const QLineF segment(pixels[i - 1], pixels[i]);
        const int pieces = std::max(1, static_cast<int>(std::ceil(segment.length() / piece)));
        for (int k = 1; k <= pieces; ++k) {
            const QPointF point = segment.pointAt(qreal(k) / pieces);
            gather(point);
            if (right - left + bottom - top >= piece) flush(point);
        }
    }
    flush(pixels.back());
    return band;
}

}  // namespace virenast::app
