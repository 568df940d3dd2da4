// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/checked_real.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

namespace virenast::platform {
namespace {

TEST(CheckedReal, RaisesOnOverflowDivisionByZeroAndInvalidOperations)
{
    EXPECT_THROW(Real(1e308) * 10, Error);
    EXPECT_THROW(Real(1e308) + 1e308, Error);
    EXPECT_THROW(Real(-1e308) - 1e308, Error);
    EXPECT_THROW(Real(1) / 0.0, Error);
    EXPECT_THROW(Real(-1) / 0.0, Error);
    EXPECT_THROW(Real(0) / 0.0, Error);
    EXPECT_THROW(sqrt(Real(-1)), Error);
}

TEST(CheckedReal, LetsUnderflowAndRoundingPass)
{
    EXPECT_EQ((Real(1e-300) * 1e-300).value(), 0.0);
    EXPECT_EQ((Real(DBL_MIN) / 4).value(), DBL_MIN / 4);  // subnormal, not an error
    EXPECT_EQ((Real(0.1) + 0.2).value(), 0.30000000000000004);
    EXPECT_EQ((Real(DBL_MAX) * 1).value(), DBL_MAX);
}

TEST(CheckedReal, KeepsTheWrittenOrderOfOperations)
{
    // (u × 1.5) × 1e11 and u × 1.5e11 differ in the last bit for this u.
    const Real u = 0.7071067811865476;
    EXPECT_EQ((u * 1.5 * 1e11).value(), 106066017177.98215);
    EXPECT_EQ((u * 1.5e11).value(), 106066017177.98213);
}

TEST(ToSingle, RoundsToTheNearestSingle)
{
    EXPECT_EQ(toSingle(5132.5), 5132.5f);
    EXPECT_EQ(toSingle(0.1), 0.1f);
    EXPECT_EQ(toSingle(16255.04), 16255.0400390625f);
    EXPECT_EQ(toSingle(-1e-50), -0.0f);  // underflow is no error
}

TEST(ToSingle, RaisesBeyondTheSingleRange)
{
    EXPECT_EQ(toSingle(FLT_MAX), FLT_MAX);
    EXPECT_EQ(toSingle(-static_cast<double>(FLT_MAX)), -FLT_MAX);
    // Above FLT_MAX but below the halfway point to 2^128, rounding still gives FLT_MAX.
    EXPECT_EQ(toSingle(0x1.fffffefffp127), FLT_MAX);
    EXPECT_THROW(toSingle(0x1.ffffffp127), Error);  // halfway: rounds to even, which is infinity
    EXPECT_THROW(toSingle(-0x1.ffffffp127), Error);
    EXPECT_THROW(toSingle(1e39), Error);
    EXPECT_THROW(toSingle(DBL_MAX), Error);
}

}  // namespace
}  // namespace virenast::platform
