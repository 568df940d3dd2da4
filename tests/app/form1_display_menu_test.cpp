// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/colours.h"
#include "form/menu_bar.h"
#include "form1_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace virenast::testing {
namespace {

// Every test starts from the defaults and leaves none of its choices to the next.
class Form1DisplayMenu : public ::testing::Test {
protected:
    static void forget() { forgetUserSettings(); }
    void SetUp() override { forget(); }
    void TearDown() override { forget(); }
};

TEST_F(Form1DisplayMenu, ItemsAreTheRowsNamedCheckableAndSpoken)
{
    app::Form1 window{QLocale(QLocale::French)};
    for (const form::MenuRow& row : form::menuBarRows()) {
        SCOPED_TRACE(row.name);
        if (!form::inMenuBar(row)) {  // the graphs' view: its check boxes and its button
            if (row.kind == form::MenuRowKind::View) continue;
            const auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(row.name));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->isCheckable(), row.checkable());
            EXPECT_EQ(button->isChecked(), row.checkedByDefault);
            continue;
        }
        QAction* action = item(window, row.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isCheckable(), row.checkable());
        EXPECT_EQ(action->isChecked(), row.checkedByDefault);
        if (*row.spoken.description != '\0') {
            EXPECT_EQ(action->toolTip(), QString::fromUtf8(row.spoken.description));
        }
        EXPECT_EQ(action->actionGroup() != nullptr, row.group != nullptr);
    }
    // The access key is marked where the row puts it, after accented letters too; "A propos" has none.
    for (const auto& [name, marked] : {std::pair{"trajectoire", "&Trajectoire"}, {"vitesse60", "1 an en 1 &minute"},
                                       {"enregistrerMesures", "Enregistrer les &mesures…"}, {"apropos", "A propos"}})
        EXPECT_EQ(item(window, name)->text(), QString::fromUtf8(marked));
    QMenu* menu = item(window, "affichage")->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), 12);  // eight choices of what is shown, then the four paces

    // The paces exclude one another; the path is chosen on its own.
    item(window, "vitesse20")->trigger();
    EXPECT_TRUE(item(window, "vitesse20")->isChecked());
    EXPECT_FALSE(item(window, "vitesseMax")->isChecked());
    EXPECT_TRUE(item(window, "trajectoire")->isChecked());
    item(window, "trajectoire")->trigger();
    EXPECT_FALSE(item(window, "trajectoire")->isChecked());
    EXPECT_TRUE(item(window, "vitesse20")->isChecked());

    // A screen reader reads each item's name and whether it is checked.
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->childCount(), 12);
    EXPECT_EQ(items->child(0)->text(QAccessible::Name), "Trajectoire");
    EXPECT_TRUE(items->child(0)->state().checkable);
    EXPECT_FALSE(items->child(0)->state().checked);
    EXPECT_EQ(items->child(9)->text(QAccessible::Name), "1 an en 5 secondes");
    EXPECT_EQ(items->child(10)->text(QAccessible::Name), "1 an en 20 secondes");
    EXPECT_TRUE(items->child(10)->state().checked);
    EXPECT_FALSE(items->child(8)->state().checked);
}

TEST_F(Form1DisplayMenu, AltAndItsLetterOrF10OpenTheMenu)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QMenu* menu = item(window, "affichage")->menu();
    QTest::keyClick(window.windowHandle(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
    menu->close();
    QTest::qWait(10);
    EXPECT_FALSE(menu->isVisible());
    // F10 opens the first menu, "Fichier"; the right arrow goes on to "Affichage".
    QMenu* fileMenu = item(window, "fichier")->menu();
    QTest::keyClick(window.windowHandle(), Qt::Key_F10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileMenu->isVisible(); }, 2000));
    QTest::keyClick(fileMenu, Qt::Key_Right);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
    // The arrows move along the items (reached by an arrow, the menu opens on its first item);
    // Return chooses one.
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_TRUE(item(window, "vecteursForces")->isChecked());
}

QImage drawing(app::Form1& window) { return window.findChild<QWidget*>("frame1")->grab().toImage(); }

// The pixels where the drawing with the path differs from the same drawing without it, and how
// many of those are of the path's colour family: green above red and blue.
struct PathPixels {
    int changed = 0;
    int green = 0;
};

PathPixels pathPixels(app::Form1& window)
{
    QAction* shown = item(window, "trajectoire");
    EXPECT_TRUE(shown->isChecked());
    const QImage with = drawing(window);
    shown->trigger();
    const QImage without = drawing(window);
    shown->trigger();
    EXPECT_EQ(drawing(window), with);  // shown again, drawn again the same
    PathPixels pixels;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            const QColor a = with.pixelColor(x, y);
            if (a == without.pixelColor(x, y)) continue;
            ++pixels.changed;
            if (a.green() > a.red() + 20 && a.green() > a.blue() + 20) ++pixels.green;
        }
    return pixels;
}

TEST_F(Form1DisplayMenu, ThePathIsDrawnWhereTheBodyWentShownOrHiddenAndCleared)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(pathPixels(window).changed, 0);
    const QPointF start(twips(window, "corps", "Left"), twips(window, "corps", "Top"));
    typeInto(window, "Text1", QStringLiteral("0,3"));
    {
        MessageBoxWatcher boxes;
        button(window, "Command2")->click();
    }
    const QPointF end(twips(window, "corps", "Left"), twips(window, "corps", "Top"));
    const int moved = static_cast<int>(QLineF(start, end).length() / 15);
    ASSERT_GT(moved, 10);  // the run took the body well away from its start
    const PathPixels first = pathPixels(window);
    EXPECT_GE(first.green, moved);                   // at least a pixel for each pixel the body moved across
    EXPECT_GE(first.green * 10, first.changed * 8);  // and most of them in its colours (not under a line)

    // A second run over the same orbit draws its path over the first one's.
    {
        MessageBoxWatcher boxes;
        button(window, "Command2")->click();
    }
    EXPECT_GE(pathPixels(window).changed, first.changed * 9 / 10);

    button(window, "Command1")->click();  // "Réinitialiser le graphique" clears every path
    EXPECT_EQ(pathPixels(window).changed, 0);
}

TEST_F(Form1DisplayMenu, ThePathStandsOutFromTheDrawingByThreeToOne)
{
    app::Form1 window{QLocale(QLocale::French)};
    auto* area = window.findChild<QWidget*>("frame1");
    const QColor path = area->property("pathColour").value<QColor>();
    const QColor back = area->palette().color(QPalette::Window);
    const auto rgb = [](const QColor& c) {
        return form::Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                         static_cast<std::uint8_t>(c.blue())};
    };
    EXPECT_GE(form::contrastRatio(rgb(path), rgb(back)), 3.0) << path.name().toStdString();
    // The desktop turned dark while the program runs: the drawing follows, its path lightened.
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(32, 33, 36));
    dark.setColor(QPalette::WindowText, QColor(232, 234, 237));
    QApplication::setPalette(dark);
    QCoreApplication::sendPostedEvents();  // the window is told of the change
    const QColor darkPath = area->property("pathColour").value<QColor>();
    EXPECT_EQ(area->palette().color(QPalette::Window), QColor(32, 33, 36));
    EXPECT_EQ(area->palette().color(QPalette::WindowText), QColor(232, 234, 237));
    EXPECT_GE(form::contrastRatio(rgb(darkPath), {32, 33, 36}), 3.0) << darkPath.name().toStdString();
    QApplication::setPalette(light);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(area->property("pathColour").value<QColor>(), path);
    // In the body's colour family on any background, light or dark: green above the rest.
    const form::Rgb body = *form::Palette(form::Scheme::Standard, {}).of(form::Colour::Green);
    for (const form::Rgb background : {form::Rgb{255, 255, 255}, form::Rgb{239, 239, 239}, form::Rgb{128, 128, 128},
                                       form::Rgb{0, 0, 0}, form::Rgb{40, 40, 60}, body}) {
        const form::Rgb colour = form::pathColour(body, background);
        EXPECT_GE(form::contrastRatio(colour, background), 3.0);
        EXPECT_GT(colour.green, colour.red);
        EXPECT_GE(colour.red, colour.blue);
    }
    // The WCAG's own figures: black on white 21:1, and a colour against itself 1:1.
    EXPECT_DOUBLE_EQ(form::contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
    EXPECT_DOUBLE_EQ(form::contrastRatio(body, body), 1.0);
}

TEST_F(Form1DisplayMenu, APacedRunEndsWithTheTextsOfTheMaximalPace)
{
    const RunDisplay maximal = undisturbedRunEnd("0,01");
    for (const char* pace : {"vitesse5", "vitesse20"}) {
        SCOPED_TRACE(pace);
        app::Form1 window{QLocale(QLocale::French)};
        item(window, pace)->trigger();
        item(window, "trajectoire")->trigger();  // hidden: the path changes no result either
        typeInto(window, "Text1", QStringLiteral("0,01"));
        MessageBoxWatcher boxes;
        button(window, "Command2")->click();
        EXPECT_EQ(runDisplay(window), maximal);
        forget();
    }
}

TEST_F(Form1DisplayMenu, ChoicesAreRememberedFromOneStartToTheNext)
{
    {
        app::Form1 window{QLocale(QLocale::French)};
        item(window, "vitesse60")->trigger();
        item(window, "trajectoire")->trigger();
    }
    app::Form1 again{QLocale(QLocale::French)};
    EXPECT_TRUE(item(again, "vitesse60")->isChecked());
    EXPECT_FALSE(item(again, "vitesseMax")->isChecked());
    EXPECT_FALSE(item(again, "trajectoire")->isChecked());
    EXPECT_FALSE(again.findChild<QWidget*>("frame1")->property("pathShown").toBool());

    // Damaged values read as the defaults.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Virenast"),
                       QStringLiteral("Virenast"));
    settings.setValue(QStringLiteral("affichage/vitesse"), QStringLiteral("vitesse7"));
    settings.setValue(QStringLiteral("affichage/trajectoire"), QStringLiteral("oui"));
    settings.sync();
    app::Form1 damaged{QLocale(QLocale::French)};
    EXPECT_TRUE(item(damaged, "vitesseMax")->isChecked());
    EXPECT_TRUE(item(damaged, "trajectoire")->isChecked());
}

}  // namespace
}  // namespace virenast::testing

namespace virenast::testing {
namespace {

// At the maximal pace the texts reach the widgets at the window's turns: whatever handles an
// event during a run sees them move on, each turn's texts those of one step (the elapsed time
// and the position written together), and the end shows the last step as before.
TEST(Form1Turns, EveryTurnOfARunShowsTheTextsOfOneStep)
{
    const RunDisplay expected = undisturbedRunEnd("3");
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    typeInto(window, "Text1", QStringLiteral("3"));
    std::vector<RunDisplay> seen;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] { seen.push_back(runDisplay(window)); });
    MessageBoxWatcher boxes;
    watch.start();
    button(window, "Command2")->click();
    watch.stop();
    EXPECT_EQ(runDisplay(window), expected);
    ASSERT_GE(seen.size(), 2u);
    // Elapsed time never goes back, and it moved on during the run.
    EXPECT_NE(seen.front().tempscourant, seen.back().tempscourant);
    // The drawn body and the position's texts change together, at the same turns.
    for (std::size_t i = 1; i < seen.size(); ++i)
        EXPECT_EQ(seen[i].xsc == seen[i - 1].xsc, seen[i].corpsLeft == seen[i - 1].corpsLeft) << i;
}

}  // namespace
}  // namespace virenast::testing
