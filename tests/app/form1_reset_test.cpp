// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form1.h"
#include "message_box_watcher.h"
#include "qstring_printing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace virenast::app {
namespace {

QString text(Form1& window, const char* name)
{
    if (auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name))) return box->text();
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

float twips(Form1& window, const char* object, const char* property)
{
    return window.findChild<QObject*>(QString::fromLatin1(object))->property(property).toFloat();
}

void click(Form1& window, const char* button)
{
    QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

TEST(Form1Reset, ClickUnderAFrenchLocaleShowsTheStartValues)
{
    Form1 window{QLocale(QLocale::French)};
    window.show();
    testing::MessageBoxWatcher boxes;
    click(window, "Command1");
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(text(window, "DC1C"), "0,5");
    EXPECT_EQ(text(window, "DC2C"), "0,707106781186548");
    EXPECT_EQ(text(window, "AC1C"), "0,00622222222222222");
    EXPECT_EQ(text(window, "AC2C"), "0,00311111111111111");
    EXPECT_EQ(twips(window, "corps1", "Top"), 3932.5f);
    EXPECT_EQ(twips(window, "corps1", "Left"), 5132.5f);
    EXPECT_EQ(twips(window, "corps2", "Left"), 7132.5f);
    EXPECT_EQ(twips(window, "corps", "Top"), 5947.5f);
    EXPECT_EQ(twips(window, "corps", "Left"), 5147.5f);
    EXPECT_EQ(twips(window, "Line1", "X1"), 5200.0f);
    EXPECT_EQ(twips(window, "Line1", "Y2"), 6000.0f);
    EXPECT_EQ(twips(window, "Line2", "X1"), 7200.0f);
    EXPECT_EQ(twips(window, "Line2", "Y1"), 4000.0f);
    EXPECT_EQ(text(window, "xsc"), "1,3");
    EXPECT_EQ(text(window, "tempscourant"), "0");
}

TEST(Form1Reset, TheDefaultTextsReadTheSameUnderTheCLocale)
{
    Form1 window{QLocale::c()};
    click(window, "Command1");
    EXPECT_EQ(text(window, "DC2C"), "0.707106781186548");
    EXPECT_EQ(text(window, "AC1C"), "0.00622222222222222");
}

TEST(Form1Reset, ABadValueShowsTheErrorBoxAndChangesNothing)
{
    Form1 window{QLocale(QLocale::French)};
    window.show();
    window.findChild<QLineEdit*>("ys")->setText("abc");
    testing::MessageBoxWatcher boxes;
    click(window, "Command1");
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Erreur");
    EXPECT_EQ(boxes.seen[0].text,
              "Vérfier que les valeurs tapées sont correctes et quelles ne superposent pas différents corps.");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.seen[0].buttonCount, 1);
    EXPECT_EQ(text(window, "DC1C"), "");
    EXPECT_EQ(twips(window, "corps", "Left"), 5160.0f);
}

TEST(Form1Reset, FollowsTheSystemLocaleFromTheEnvironment)
{
    // ctest runs this test once under LC_ALL=C.UTF-8 and once under LC_ALL=fr_FR.UTF-8.
    const bool french = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("fr"));
    Form1 window;
    click(window, "Command1");
    EXPECT_EQ(text(window, "DC2C"), french ? "0,707106781186548" : "0.707106781186548");
}

}  // namespace
}  // namespace virenast::app
