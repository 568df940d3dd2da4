// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/number_elision.h"
#include "qstring_printing.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace virenast::app {
namespace {

// Every character ten units wide: what fits is then plain arithmetic.
int tenPerCharacter(const QString& text, qsizetype length)
{
    return 10 * static_cast<int>(length < 0 ? text.size() : std::min(length, text.size()));
}

struct Fitting {
    const char* text;
    int width;
    const char* shown;
};

void PrintTo(const Fitting& fitting, std::ostream* out) { *out << fitting.text << " in " << fitting.width; }

class FittedNumber : public ::testing::TestWithParam<Fitting> {};

TEST_P(FittedNumber, KeepsTheExponentAndMarksTheDigitsLeftOut)
{
    EXPECT_EQ(fittedNumber(QString::fromUtf8(GetParam().text), GetParam().width, tenPerCharacter),
              QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FittedNumber,
    ::testing::Values(
        Fitting{"1,0000115286423E-05", 190, "1,0000115286423E-05"},  // fits exactly: shown whole
        Fitting{"1,0000115286423E-05", 189, "1,00001152864…E-05"},
        Fitting{"1,0000115286423E-05", 90, "1,00…E-05"},
        Fitting{"-2,5E+300", 60, "-2…E+300"},
        Fitting{"-2,5E+300", 10, "-2…E+300"},          // never less than the sign and a digit
        Fitting{"8,24674434544208", 100, "8,2467443…"},  // no exponent: the end gives way
        Fitting{"0", 5, "0"}, Fitting{"12", 5, "1…"}, Fitting{"", 0, ""}),
    [](const auto& info) {
        return testing::caseName(info.param.text) + "_in_" + std::to_string(info.param.width);
    });

}  // namespace
}  // namespace virenast::app
