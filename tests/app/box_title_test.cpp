// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/box_title.h"
#include "qstring_printing.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>

#include <gtest/gtest.h>

namespace virenast::app {
namespace {

QFont desktopFont(int pixels)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixels);
    return font;
}

TEST(BoxTitle, TheTitleFontIsBoldAQuarterLargerThanTheDesktopsAndFillsThreeQuartersOfTheBar)
{
    for (const int desktop : {10, 12, 20}) {
        for (const int bar : {0, 2, 20, 28, 40}) {
            SCOPED_TRACE(testing::Message() << desktop << " px, bar " << bar);
            const QFont font = generousTitleFont(desktopFont(desktop), bar);
            EXPECT_TRUE(font.bold());
            EXPECT_GE(font.pixelSize(), desktop * 5 / 4);
            EXPECT_GE(font.pixelSize(), bar * 3 / 4);
            // A bar thinner than a line of text counts as a line.
            const int line = QFontMetrics(desktopFont(desktop)).height() + 8;
            EXPECT_GE(font.pixelSize(), line * 3 / 4);
            if (bar < line) {
                EXPECT_EQ(font.pixelSize(), generousTitleFont(desktopFont(desktop), 0).pixelSize());
            }
        }
    }
}

TEST(BoxTitle, TheWidthHoldsTheTitleInTheBoldFontAndSevenTitleBars)
{
    const QFont desktop = desktopFont(12);
    for (const QString& title : {QStringLiteral("Pause"), QStringLiteral("Information"), QStringLiteral("A propos")}) {
        const int titleWidth = QFontMetrics(generousTitleFont(desktop, 30)).horizontalAdvance(title);
        EXPECT_EQ(widthForTitle(title, desktop, 30), titleWidth + 7 * 30) << qPrintable(title);
        // Wider than the same text in the desktop's own font, plus the buttons.
        EXPECT_GT(widthForTitle(title, desktop, 30), QFontMetrics(desktop).horizontalAdvance(title) + 4 * 30);
    }
    EXPECT_EQ(widthForTitle(QString(), desktop, 30), 7 * 30);  // an empty title still has its buttons
    // A frame thinner than a line of text leaves room for buttons a line high all the same.
    const int line = QFontMetrics(desktop).height() + 8;
    EXPECT_EQ(widthForTitle(QString(), desktop, 2), 7 * line);
}

TEST(BoxTitle, ATallerTitleBarOrALongerTitleNeedsAWiderBox)
{
    const QFont desktop = desktopFont(12);
    EXPECT_LT(widthForTitle("Pause", desktop, 20), widthForTitle("Pause", desktop, 30));
    EXPECT_LT(widthForTitle("Pause", desktop, 20), widthForTitle("Information", desktop, 20));
    EXPECT_LT(widthForTitle("Pause", desktop, 20), widthForTitle("Pause", desktopFont(18), 20));
}

}  // namespace
}  // namespace virenast::app
