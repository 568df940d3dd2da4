// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Clicks a user can make during a run that the window never refuses: runs inside runs, a storm
// of resets, the scroll bar moved at every step, the program ended deep inside nested runs.
#include "platform/memory_platform.h"
#include "sim/orbit_simulation.h"
#include "support/default_window.h"

#include <gtest/gtest.h>

#include <string>

namespace virenast::sim {
namespace {

using platform::Label;
using platform::MemoryPlatform;
using platform::TextBox;
using platform::yearsBox;

struct Window {
    explicit Window(const char* years)
    {
        testing::loadWindowDefaults(window);
        window.type(yearsBox, years);
    }

    std::string shown() const
    {
        return window.shownText(TextBox::xsc) + " " + window.shownText(TextBox::ysc) + " " +
               window.caption(Label::DC1C) + " " + window.caption(Label::AC2C) + " " +
               window.caption(Label::tempscourant);
    }

    long endReports() const
    {
        long count = 0;
        for (const auto& message : window.messages()) count += message.text == "Fin de calcul";
        return count;
    }

    MemoryPlatform window;
    OrbitSimulation simulation{window};
};

std::string undisturbedEnd(const char* years)
{
    Window plain(years);
    plain.simulation.runCalculation();
    return plain.shown();
}

TEST(FaultsOfUse, ThirtyNestedRunsEachEndWithTheirOwnReportAndTheOuterRunGoesOn)
{
    Window w("0,01");
    int depth = 0;
    int started = 0;
    w.window.onYield = [&](long) {
        if (started == 30) return;
        ++started;
        ++depth;
        w.simulation.runCalculation();  // "Lancer le calcul" clicked inside the yield
        --depth;
    };
    w.simulation.runCalculation();
    EXPECT_EQ(started, 30);
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(w.endReports(), 31);
    EXPECT_EQ(w.window.messages().size(), 31u);
    EXPECT_EQ(w.shown(), undisturbedEnd("0,01"));
}

TEST(FaultsOfUse, AThousandResetsDuringARunChangeNoResult)
{
    Window w("0,01");
    w.window.onYield = [&](long step) {
        if (step != 5) return;
        for (int i = 0; i < 1000; ++i) w.simulation.resetScene();
    };
    w.simulation.runCalculation();
    EXPECT_EQ(w.shown(), undisturbedEnd("0,01"));
    EXPECT_EQ(w.window.messages().size(), 1u);
}

TEST(FaultsOfUse, TheScrollBarMovedAtEveryStepAddsUpTheStepsUsed)
{
    Window w("0,05");  // 1575720 s
    long used = 0;     // the seconds of the steps done, as each step ends
    long lastStep = 0;
    w.window.onYield = [&](long step) {
        lastStep = w.simulation.timeStep();
        used += lastStep;
        w.window.moveScrollBar(static_cast<std::int16_t>(1 + step % 24));
    };
    w.simulation.runCalculation();
    const std::string expected(w.window.numbers().toText(static_cast<double>(used) / 31514400).view());
    EXPECT_EQ(w.window.caption(Label::tempscourant), expected);
    // The last step started within the time and ended past it.
    EXPECT_LE(used - lastStep, 1575720);
    EXPECT_GT(used, 1575720);
    EXPECT_GT(w.window.yieldCount(), 30);  // about 12 h a step on average
}

TEST(FaultsOfUse, EndingTheProgramInsideNestedRunsLeavesThemAllWithoutReports)
{
    Window w("0,01");
    int started = 0;
    w.window.onYield = [&](long) {
        if (started == 5) w.window.end();
        ++started;
        w.simulation.runCalculation();
    };
    EXPECT_THROW(w.simulation.runCalculation(), platform::ProgramEnded);
    EXPECT_EQ(started, 5);
    EXPECT_EQ(w.endReports(), 0);
}

}  // namespace
}  // namespace virenast::sim
