// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1_test_support.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace virenast::testing {
namespace {

QAccessibleInterface* accessibleOf(app::Form1& window, const char* name)
{
    QObject* object = window.findChild<QObject*>(QString::fromLatin1(name));
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

QString spoken(app::Form1& window, const char* name, QAccessible::Text which)
{
    QAccessibleInterface* accessible = accessibleOf(window, name);
    return accessible ? accessible->text(which) : QStringLiteral("<no interface>");
}

TEST(Form1Accessibility, EveryBoxIsNamedByItsRowAndColumnAndReadsItsValue)
{
    app::Form1 window{QLocale(QLocale::French)};
    const std::pair<const char*, const char*> boxes[] = {
        {"G1", "Corps céleste 1, constante de gravitation [10^4km3/s²]"},
        {"x1", "Corps céleste 1, position x [UA]"},
        {"y2", "Corps céleste 2, position y [UA]"},
        {"Text4", "Corps valeurs initiales, masse [kg]"},
        {"vy", "Corps valeurs initiales, vitesse y [m/s]"},
        {"ysc", "Corps valeurs courantes, position y [UA]"},
        {"Text1", "Nombre d'années de calcul"},
    };
    for (const auto& [name, expected] : boxes) EXPECT_EQ(spoken(window, name, QAccessible::Name), expected) << name;
    EXPECT_EQ(spoken(window, "G1", QAccessible::Value), "3500");
    EXPECT_EQ(spoken(window, "x2", QAccessible::Value), "1,8");
    EXPECT_EQ(accessibleOf(window, "xs")->role(), QAccessible::EditableText);
}

TEST(Form1Accessibility, ResultLabelsAreNamedByTheirCaptionAndReadTheirNumber)
{
    app::Form1 window{QLocale(QLocale::French)};
    button(window, "Command1")->click();
    EXPECT_EQ(spoken(window, "DC1C", QAccessible::Name), "Distance corps1 corps [UA]");
    EXPECT_EQ(spoken(window, "DC1C", QAccessible::Value), "0,5");
    EXPECT_EQ(spoken(window, "AC2C", QAccessible::Name), "Action corps2 corps [N]");
    EXPECT_EQ(spoken(window, "AC2C", QAccessible::Value), "0,00311111111111111");
    EXPECT_EQ(spoken(window, "tempscourant", QAccessible::Name), "Temps courant [années]");
    EXPECT_EQ(spoken(window, "tempscourant", QAccessible::Value), "0");
    // The number is the label's text too, which is what AT-SPI passes on to screen readers.
    QAccessibleTextInterface* text = accessibleOf(window, "DC2C")->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), "0,707106781186548");
    EXPECT_EQ(text->text(0, 3), "0,7");
    // A plain caption keeps its own text as its name.
    EXPECT_EQ(spoken(window, "Label16", QAccessible::Name), "Distance corps1 corps [UA]");
}

TEST(Form1Accessibility, ButtonsScrollBarAndMenuItemCarryTheirNames)
{
    app::Form1 window{QLocale(QLocale::French)};
    EXPECT_EQ(spoken(window, "Command1", QAccessible::Name), "Réinitialiser le graphique");
    EXPECT_EQ(spoken(window, "Command2", QAccessible::Name), "Lancer le calcul");
    EXPECT_EQ(spoken(window, "Command3", QAccessible::Name), "Pause");
    EXPECT_EQ(spoken(window, "HScroll1", QAccessible::Name), "Finesse du calcul");
    EXPECT_EQ(spoken(window, "HScroll1", QAccessible::Description), "Pas de temps du calcul, en heures, de 1 à 24");
    QAccessibleValueInterface* value = accessibleOf(window, "HScroll1")->valueInterface();
    ASSERT_NE(value, nullptr);
    window.findChild<QScrollBar*>("HScroll1")->setValue(6);
    EXPECT_EQ(value->currentValue().toInt(), 6);
    EXPECT_EQ(value->maximumValue().toInt(), 24);

    QAccessibleInterface* menuBar = QAccessible::queryAccessibleInterface(window.menuBar());
    ASSERT_NE(menuBar, nullptr);
    ASSERT_EQ(menuBar->childCount(), 3);
    EXPECT_EQ(menuBar->child(0)->text(QAccessible::Name), "Fichier");
    EXPECT_EQ(menuBar->child(1)->text(QAccessible::Name), "Affichage");
    EXPECT_EQ(menuBar->child(2)->text(QAccessible::Name), "A propos");
}

}  // namespace
}  // namespace virenast::testing
