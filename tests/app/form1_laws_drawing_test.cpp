// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The laws as the desktop draws them: an arrow and a swept area stand where the core's records
// put them, and the colours for a projector change the drawing and nothing else.
#include "form/colours.h"
#include "form1_test_support.h"
#include "platform/memory_platform.h"
#include "sim/motion_arrows.h"
#include "sim/orbit_simulation.h"
#include "sim/swept_sectors.h"
#include "support/teaching_scenarios.h"

#include <QAction>
#include <QImage>
#include <QPixmap>
#include <QSettings>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace virenast::testing {
namespace {

class Form1LawsDrawing : public ::testing::Test {
protected:
    static void forget() { forgetUserSettings(); }
    void SetUp() override { forget(); }
    void TearDown() override { forget(); }

    // The ellipse of the third sheet for a few hundredths of a year, in the window.
    void runTheEllipse(app::Form1& window, const QString& years = QStringLiteral("0,05"))
    {
        for (const TypedText& typed : teachingScenario("orbite-elliptique").typed)
            typeInto(window, typed.box, QString::fromUtf8(typed.text));
        typeInto(window, "Text1", years);
        MessageBoxWatcher boxes;
        button(window, "Command2")->click();
    }
};

// The same run on the in-memory window: where its velocity's arrow and its first sector stand.
struct Expected {
    std::vector<sim::TwipPoint> velocity;
    std::vector<sim::TwipPoint> sector;
};

Expected expectedShapes()
{
    platform::MemoryPlatform window;
    const TypedText more[] = {{"Text1", "0,05"}};
    typeScenario(window, teachingScenario("orbite-elliptique"), more);
    sim::OrbitSimulation simulation(window);
    sim::MotionArrows arrows(window.numbers(), 15255, 8175);
    sim::SweptSectors sectors(window.numbers());
    arrows.show(true, false);
    simulation.addObserver(arrows);
    simulation.addObserver(sectors);
    simulation.runCalculation();
    std::vector<sim::DrawnShape> shapes;
    arrows.addShapes(shapes);
    sectors.addShapes(shapes);
    Expected expected;
    expected.velocity.assign(shapes[0].points.begin(), shapes[0].points.end());
    for (const sim::DrawnShape& shape : shapes)
        if (shape.kind == sim::DrawnKind::Polygon) {
            expected.sector.assign(shape.points.begin(), shape.points.end());
            break;
        }
    return expected;
}

bool near(QColor seen, form::Rgb wanted, int tolerance)
{
    return std::abs(seen.red() - wanted.red) + std::abs(seen.green() - wanted.green) +
               std::abs(seen.blue() - wanted.blue) <=
           tolerance;
}

// How many pixels of the drawing have the path's colour, give or take its anti-aliasing: for the
// same path, the more the thicker it is drawn.
int pathPixels(QWidget& drawing)
{
    const QImage image = drawing.grab().toImage();
    const QColor path = drawing.property("pathColour").value<QColor>();
    const form::Rgb wanted{static_cast<std::uint8_t>(path.red()), static_cast<std::uint8_t>(path.green()),
                           static_cast<std::uint8_t>(path.blue())};
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += near(image.pixelColor(x, y), wanted, 24);
    return count;
}

TEST_F(Form1LawsDrawing, AnArrowAndASectorStandWhereTheRecordsPutThem)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    item(window, "vecteurVitesse")->trigger();
    item(window, "airesBalayees")->trigger();
    item(window, "trajectoire")->trigger();  // the path hidden: nothing else is drawn there
    runTheEllipse(window);
    const QImage image = window.findChild<QWidget*>("frame1")->grab().toImage();
    const auto pixel = [&image](double x, double y) {
        return image.pixelColor(static_cast<int>(x / 15), static_cast<int>(y / 15));
    };
    const Expected expected = expectedShapes();
    const form::Palette palette(form::Scheme::Standard, {{240, 240, 240}, {0, 0, 0}});
    ASSERT_EQ(expected.velocity.size(), 2u);
    // Halfway along the arrow, its colour.
    const sim::TwipPoint tail = expected.velocity[0], head = expected.velocity[1];
    const QColor onArrow = pixel((tail.x + head.x) / 2, (tail.y + head.y) / 2);
    EXPECT_TRUE(near(onArrow, palette.of(sim::DrawnRole::Velocity), 90)) << onArrow.name().toStdString();
    // A third of the way from body 1 to the middle of the first sector's arc: its light fill.
    ASSERT_GT(expected.sector.size(), 3u);
    const sim::TwipPoint apex = expected.sector[0], arc = expected.sector[expected.sector.size() / 2];
    const QColor inSector = pixel(apex.x + (arc.x - apex.x) / 3, apex.y + (arc.y - apex.y) / 3);
    const QColor back = window.findChild<QWidget*>("frame1")->palette().color(QPalette::Window);
    EXPECT_NE(inSector, back);
    EXPECT_GT(inSector.blue(), inSector.red()) << inSector.name().toStdString();  // the first sector's blue
}

TEST_F(Form1LawsDrawing, TheProjectorsColoursChangeTheDrawingAndNothingElse)
{
    const RunDisplay usual = undisturbedRunEnd("0,05");
    app::Form1 window{QLocale(QLocale::French)};
    QWidget* drawing = window.findChild<QWidget*>("frame1");
    const QColor g1 = window.findChild<QWidget*>("G1")->palette().color(QPalette::Base);
    item(window, "couleursProjecteur")->trigger();
    EXPECT_EQ(drawing->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(window.findChild<QWidget*>("G1")->palette().color(QPalette::Base), g1);
    typeInto(window, "Text1", QStringLiteral("0,05"));
    MessageBoxWatcher boxes;
    button(window, "Command2")->click();
    EXPECT_EQ(runDisplay(window), usual);
    // The path four pixels wide, where the standard colours draw it one pixel wide: the same path
    // covers well over twice as many pixels.
    runTheEllipse(window, QStringLiteral("0,3"));
    const int thick = pathPixels(*drawing);
    item(window, "couleursProjecteur")->trigger();
    const int thin = pathPixels(*drawing);
    ASSERT_GT(thin, 50);
    EXPECT_GT(thick, 2 * thin) << thick << " against " << thin;
}

}  // namespace
}  // namespace virenast::testing
