// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The places repainted along a line or a growing path: every pixel the line touches, and not
// the rectangle around it, in which a long run's laps would all be drawn again at each turn.
#include "app/repaint_places.h"

#include <QLineF>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace virenast::testing {
namespace {

TEST(RepaintPlaces, ABandAlongTheLineHoldsItAndLittleMore)
{
    QPolygonF arc;  // a quarter of a 300-pixel orbit, as a turn may add it
    for (int i = 0; i <= 40; ++i) {
        const double angle = std::numbers::pi / 2 * i / 40;
        arc << QPointF(500 + 300 * std::cos(angle), 400 - 300 * std::sin(angle));
    }
    struct Case {
        const char* what;
        QPolygonF line;
    };
    const Case cases[] = {
        {"level", QPolygonF{QPointF(10, 20), QPointF(610, 20)}},
        {"slanting, from a far body", QPolygonF{QPointF(620.5, 30.25), QPointF(196.3, 454.7)}},
        {"an arc of the path", arc},
        {"a point", QPolygonF{QPointF(40.5, 40.5)}},
    };
    constexpr int margin = 3;
    for (const Case& c : cases) {
        const QRegion band = app::touchedAlong(c.line, margin);
        double length = 0;
        for (qsizetype i = 1; i < c.line.size(); ++i) {
            const QLineF segment(c.line[i - 1], c.line[i]);
            length += segment.length();
            for (double along = 0; along <= segment.length(); along += 0.5) {
                const QPointF point = segment.pointAt(along / segment.length());
                // The pixels the pen reaches, all but touching its edge.
                const double reach = margin - 0.01;
                for (const double dx : {-reach, reach})
                    for (const double dy : {-reach, reach}) {
                        const QPoint pixel(static_cast<int>(std::floor(point.x() + dx)), static_cast<int>(std::floor(point.y() + dy)));
                        ASSERT_TRUE(band.contains(pixel)) << c.what << " at " << along;
                    }
            }
        }
        EXPECT_FALSE(band.isEmpty()) << c.what;
        double area = 0;
        for (const QRect& rect : band) area += double(rect.width()) * rect.height();
        EXPECT_LE(area, 64 * (length + 64)) << c.what << ": not the rectangle around the line";
    }
}

}  // namespace
}  // namespace virenast::testing
