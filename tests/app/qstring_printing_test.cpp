// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qstring_printing.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// What a failed comparison of the window's texts shows: the texts, accents and all, not bytes.
TEST(QStringPrinting, ShowsTheTextQuotedInUtf8)
{
    EXPECT_EQ(::testing::PrintToString(QStringLiteral("Fin de calcul")), "\"Fin de calcul\"");
    EXPECT_EQ(::testing::PrintToString(QString::fromUtf8("Réinitialiser le graphique")),
              "\"Réinitialiser le graphique\"");
    EXPECT_EQ(::testing::PrintToString(QString::fromUtf8("1,00…E-05")), "\"1,00…E-05\"");
    EXPECT_EQ(::testing::PrintToString(QString()), "\"\"");
}

TEST(QStringPrinting, ShowsEachTextOfAList)
{
    EXPECT_EQ(::testing::PrintToString(QStringList{"Command2", "Text1"}), "{ \"Command2\", \"Text1\" }");
}

}  // namespace
