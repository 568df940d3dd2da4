// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1_test_support.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace virenast::testing {
namespace {

// ctest runs these at the normal scale and again with QT_SCALE_FACTOR=2: at both, what is drawn
// stands where the twip positions say, at the screen's own resolution.
class Form1Drawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        button(window, "Command1")->click();
        const QPixmap grabbed = window.findChild<QWidget*>("frame1")->grab();
        ratio = grabbed.devicePixelRatio();
        image = grabbed.toImage();
    }

    // The device pixel at a point given in twips of the drawing area.
    QColor pixelAt(double xTwips, double yTwips) const
    {
        return image.pixelColor(static_cast<int>(xTwips / 15 * ratio), static_cast<int>(yTwips / 15 * ratio));
    }

    QColor centreOf(const char* body)
    {
        return pixelAt(twips(window, body, "Left") + twips(window, body, "Width") / 2,
                       twips(window, body, "Top") + twips(window, body, "Height") / 2);
    }

    app::Form1 window{QLocale(QLocale::French)};
    QImage image;
    qreal ratio = 1;
};

TEST_F(Form1Drawing, TheAreaIsDrawnAtTheScreensResolution)
{
    const double expectedRatio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    EXPECT_EQ(ratio, expectedRatio);
    EXPECT_EQ(image.width(), qRound(1017 * ratio));
    EXPECT_EQ(image.height(), qRound(545 * ratio));
}

TEST_F(Form1Drawing, EachBodyIsFilledWithItsColourAtItsCentre)
{
    EXPECT_EQ(centreOf("corps"), QColor(0, 192, 0));
    EXPECT_EQ(centreOf("corps1"), QColor(0, 0, 128));
    EXPECT_EQ(centreOf("corps2"), QColor(192, 0, 0));
}

TEST_F(Form1Drawing, LinesJoinTheFixedBodiesToTheMovingBody)
{
    const QColor background = pixelAt(10000, 2000);
    // Line1 runs straight down from (5200, 4000) to (5200, 6000); Line2 from (7200, 4000).
    EXPECT_LT(pixelAt(5200, 5000).lightness(), background.lightness() - 60);
    EXPECT_LT(pixelAt(6200, 5000).lightness(), background.lightness() - 30);
    EXPECT_EQ(pixelAt(5800, 5000), background);  // between the two lines, nothing
}

}  // namespace
}  // namespace virenast::testing
