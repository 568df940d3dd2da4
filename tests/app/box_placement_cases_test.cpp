// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The table of placement cases that the page's tests run too (tests/support/
// box_placement_cases.json), run here through the desktop's placement on Qt's rectangles.
#include "app/box_placement.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <vector>

namespace virenast::app {
namespace {

QRect rectOf(const QJsonValue& value)
{
    const QJsonArray numbers = value.toArray();
    return {numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt()};
}

QJsonArray placementCases()
{
    QFile file(QStringLiteral(VIRENAST_BOX_PLACEMENT_CASES));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("cases")).toArray();
}

TEST(BoxPlacementCases, EachCaseGivesItsPlaceClearOfAllWithinTheScreen)
{
    const QJsonArray cases = placementCases();
    ASSERT_GE(cases.size(), 9) << VIRENAST_BOX_PLACEMENT_CASES;
    for (const QJsonValue& entry : cases) {
        const QJsonObject test = entry.toObject();
        SCOPED_TRACE(test.value(QStringLiteral("name")).toString().toStdString());
        const QJsonArray boxSize = test.value(QStringLiteral("box")).toArray();
        const QSize box(boxSize[0].toInt(), boxSize[1].toInt());
        const QJsonArray preferred = test.value(QStringLiteral("preferred")).toArray();
        std::vector<QRect> keepClear;
        for (const QJsonValue& kept : test.value(QStringLiteral("keepClear")).toArray()) keepClear.push_back(rectOf(kept));
        const QRect available = rectOf(test.value(QStringLiteral("available")));
        const BoxSurroundings around{rectOf(test.value(QStringLiteral("window"))), available,
                                     QPoint(preferred[0].toInt(), preferred[1].toInt()), keepClear};

        const auto place = placeClear(box, around);
        const QJsonValue expected = test.value(QStringLiteral("place"));
        if (expected.isNull()) {
            EXPECT_FALSE(place);
            continue;
        }
        ASSERT_TRUE(place);
        EXPECT_EQ(*place, QPoint(expected.toArray()[0].toInt(), expected.toArray()[1].toInt()));
        // Whatever the table says, a place is within the screen and hides nothing kept clear.
        const QRect placed(*place, box);
        EXPECT_TRUE(available.contains(placed));
        for (const QRect& kept : keepClear) EXPECT_FALSE(kept.intersects(placed));
    }
}

}  // namespace
}  // namespace virenast::app
