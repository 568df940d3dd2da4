// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1_test_support.h"
#include "message_box_watcher.h"

#include <QTest>

#include <gtest/gtest.h>

namespace virenast::testing {
namespace {

TEST(Form1Run, DefaultRunAnimatesTheBodyToTheRightEdgeAndEnds)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    MessageBoxWatcher boxes;
    QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Information");
    EXPECT_EQ(boxes.seen[0].text, "Fin de calcul");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Information);
    EXPECT_EQ(shownText(window, "xsc"), "4,0637601008805");
    EXPECT_EQ(shownText(window, "ysc"), "0,489429605706815");
    EXPECT_EQ(shownText(window, "tempscourant"), "8,24674434544208");
    EXPECT_EQ(shownText(window, "AC1C"), "0,000196934395776909");
    EXPECT_EQ(twips(window, "Line1", "X2"), 16255.0400390625f);
    EXPECT_EQ(twips(window, "corps", "Left"), 16202.5400390625f);
}

TEST(Form1Run, ABadValueShowsTheErrorThenTheEnd)
{
    app::Form1 window{QLocale(QLocale::French)};
    typeInto(window, "Text4", "0");
    MessageBoxWatcher boxes;
    button(window, "Command2")->click();
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].title, "Erreur");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.seen[1].text, "Fin de calcul");
    EXPECT_EQ(shownText(window, "AC1C"), "0");
}

}  // namespace
}  // namespace virenast::testing
