// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graphs' view on the desktop: a window of its own beside the main window, shown by
// "Graphiques"; a curve drawn where the in-memory session puts it and read whole under the
// pointer as the measurements file writes it; the table "Troisième loi"; and "Copier les mesures"
// and "Enregistrer l'image…".
#include "app/view_placement.h"
#include "form/colours.h"
#include "form/file_menu.h"
#include "form/session.h"
#include "form1_test_support.h"
#include "platform/memory_platform.h"
#include "support/map_choice_store.h"
#include "support/teaching_scenarios.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMouseEvent>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace virenast::testing {
namespace {

// Sheet 3's ellipse for a year in the in-memory session, the graphs shown as the window's.
struct MemorySession {
    platform::MemoryPlatform window;
    MapStore store;
    std::unique_ptr<form::Session> session;

    MemorySession()
    {
        store.values = {{"affichage/graphiques", "true"}};
        typeScenario(window, teachingScenario("orbite-elliptique"));
        session = std::make_unique<form::Session>(window, store);
        session->perform(form::Command::RunCalculation);
    }
};

class Form1Graphs : public ::testing::Test {
protected:
    static void forget() { forgetUserSettings(); }
    void SetUp() override
    {
        forget();
        window.show();
        item(window, "graphiques")->trigger();
    }
    void TearDown() override { forget(); }

    QWidget* view() { return window.findChild<QWidget*>(QStringLiteral("vueGraphiques")); }
    QWidget* graphs() { return window.findChild<QWidget*>(QStringLiteral("graphiques")); }

    void runTheEllipse()
    {
        for (const TypedText& typed : teachingScenario("orbite-elliptique").typed)
            typeInto(window, typed.box, QString::fromUtf8(typed.text));
        MessageBoxWatcher boxes;
        button(window, "Command2")->click();
    }

    app::Form1 window{QLocale(QLocale::French)};
};

TEST_F(Form1Graphs, TheItemShowsTheViewInAWindowOfItsOwnAndClosingItUnchecksTheItem)
{
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_TRUE(view()->isWindow());
    view()->close();
    EXPECT_FALSE(item(window, "graphiques")->isChecked());
    item(window, "graphiques")->trigger();
    EXPECT_TRUE(view()->isVisible());
}

// The distance's curve in its colour where the in-memory session draws it, and the pointer there
// reads the time and the distance of a row as the measurements file writes them.
TEST_F(Form1Graphs, ACurveStandsWhereItsRowsPutItAndReadsThemWhole)
{
    runTheEllipse();
    const MemorySession memory;
    std::vector<sim::TwipPoint> curve;
    for (const sim::DrawnShape& shape : memory.session->graphShapes())
        if (shape.role == sim::DrawnRole::CurveDistance1 && shape.kind == sim::DrawnKind::Polyline)
            curve.assign(shape.points.begin(), shape.points.end());
    ASSERT_GT(curve.size(), 100u);
    const sim::TwipPoint at = curve[curve.size() / 3];
    const double perTwip = graphs()->property("perTwip").toDouble();
    const QPoint pixel(static_cast<int>(at.x * perTwip), static_cast<int>(at.y * perTwip));

    const QImage image = graphs()->grab().toImage();
    const QPalette platform = QApplication::palette();
    const auto rgb = [](QColor colour) {
        return form::Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                         static_cast<std::uint8_t>(colour.blue())};
    };
    const form::Rgb colour = form::Palette(form::Scheme::Standard, {rgb(platform.color(QPalette::Window)),
                                                                      rgb(platform.color(QPalette::WindowText))})
                                   .of(sim::DrawnRole::CurveDistance1);
    const QColor wanted(colour.red, colour.green, colour.blue);
    int nearest = 1000;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor seen = image.pixelColor(pixel + QPoint(dx, dy));
            nearest = std::min(nearest, std::abs(seen.red() - wanted.red()) + std::abs(seen.green() - wanted.green()) +
                                            std::abs(seen.blue() - wanted.blue()));
        }
    EXPECT_LE(nearest, 60);

    QMouseEvent move(QEvent::MouseMove, QPointF(pixel), graphs()->mapToGlobal(QPointF(pixel)), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(graphs(), &move);
    const std::string tip = QToolTip::text().toStdString();
    const std::string csv = memory.session->measurementsText();
    const auto years = tip.substr(tip.find(" : ") + 3, tip.find(" ;") - tip.find(" : ") - 3);
    const auto distance = tip.substr(tip.rfind(" : ") + 3);
    const std::string row = "\n" + years + "\t";
    ASSERT_NE(csv.find(row), std::string::npos) << tip;
    const std::string line = csv.substr(csv.find(row) + 1, csv.find('\r', csv.find(row) + 1) - csv.find(row) - 1);
    EXPECT_NE(line.find("\t" + distance + "\t"), std::string::npos) << tip << "\n" << line;
}

// The run's rows and the table go to the clipboard as the session writes them; the picture is
// the drawing and the graphs side by side, twice their size.
TEST_F(Form1Graphs, CopyTheMeasurementsAndTheTableAndSaveThePictureTwiceItsSize)
{
    runTheEllipse();
    const MemorySession memory;
    item(window, "copierMesures")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), memory.session->measurementsText());
    window.findChild<QAbstractButton*>(QStringLiteral("copierTableau"))->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), memory.session->thirdLawText());
    const auto* table = window.findChild<QTableWidget*>(QStringLiteral("troisiemeLoi"));
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), "0,549");

    const QImage picture = window.picture(form::imageScale);
    const QSize drawing = window.findChild<QWidget*>(QStringLiteral("frame1"))->size();
    EXPECT_EQ(picture.size(), QSize(2 * (drawing.width() + graphs()->width()), 2 * std::max(drawing.height(), graphs()->height())));
}

// Beside the main window, on the side with room, never over it; made smaller where no side has
// room for it whole.
TEST(GraphWindowPlace, StandsBesideTheMainWindowWithoutCoveringIt)
{
    const QRect screen(0, 0, 1920, 1080);
    const QMargins frame(1, 30, 1, 1);
    const QSize view(624, 785);
    struct Case {
        QRect main;
        QRect expected;
    };
    const Case cases[] = {
        {{100, 100, 1018, 737}, {1119, 130, 624, 785}},  // on its right
        {{880, 100, 1018, 737}, {255, 130, 624, 785}},   // on its left
        {{300, 0, 1018, 300}, {301, 330, 624, 749}},     // below it, made to fit the screen's height
        {{0, 0, 1920, 1080}, {1295, 30, 624, 785}},      // no room: at the screen's edge
    };
    for (const Case& c : cases) {
        const QRect placed = app::besideWindow(c.main, screen, view, frame);
        EXPECT_EQ(placed, c.expected) << c.main.x() << "," << c.main.y();
        if (c.main != screen) {
            EXPECT_FALSE(placed.marginsAdded(frame).intersects(c.main));
        }
        EXPECT_TRUE(screen.contains(placed.marginsAdded(frame)));
    }
}

}  // namespace
}  // namespace virenast::testing
