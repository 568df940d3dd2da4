// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/form1_description.h"
#include "platform/memory_platform.h"
#include "sim/orbit_simulation.h"
#include "support/case_names.h"
#include "support/default_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Expected figures come from tests/reference/orbit_reference.py, an independent model of the
// run in plain doubles, and are written here as the window shows them (15 digits, comma).
namespace virenast::sim {
namespace {

using platform::Label;
using platform::Line;
using platform::LineEnd;
using platform::MemoryPlatform;
using platform::MessageStyle;
using platform::Shape;
using platform::ShapeGeometry;
using platform::TextBox;
using platform::massBox;
using platform::yearsBox;
using testing::caseName;

constexpr const char* errorTitle = "Erreur";
constexpr const char* endText = "Fin de calcul";

// What the window shows after a step.
struct Shown {
    std::string xsc, ysc, dc1c, dc2c, ac1c, ac2c, tempscourant;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s)
{
    return out << "xsc=" << s.xsc << " ysc=" << s.ysc << " DC1C=" << s.dc1c << " DC2C=" << s.dc2c
               << " AC1C=" << s.ac1c << " AC2C=" << s.ac2c << " t=" << s.tempscourant;
}

// The in-memory window with the default texts, and what a test reads of it.
struct RunWindow {
    RunWindow() { testing::loadWindowDefaults(window); }

    Shown shown() const
    {
        return {window.shownText(TextBox::xsc), window.shownText(TextBox::ysc), window.caption(Label::DC1C),
                window.caption(Label::DC2C),    window.caption(Label::AC1C),    window.caption(Label::AC2C),
                window.caption(Label::tempscourant)};
    }

    std::vector<std::string> titles() const
    {
        std::vector<std::string> result;
        for (const auto& message : window.messages()) result.push_back(message.title);
        return result;
    }

    // Runs with the given number of years, recording what the window shows at every yield.
    std::vector<Shown> runRecording(const char* years)
    {
        window.type(yearsBox, years);
        std::vector<Shown> steps;
        window.onYield = [&](long) { steps.push_back(shown()); };
        simulation.runCalculation();
        window.onYield = nullptr;
        return steps;
    }

    MemoryPlatform window;
    OrbitSimulation simulation{window};
};

// What an undisturbed run of that many years shows at its end.
Shown plainRunEnd(const char* years) { return RunWindow().runRecording(years).back(); }

class CalculationRunTest : public ::testing::Test, protected RunWindow {
protected:
    // Starts again from the window as it opens.
    void restart()
    {
        testing::loadWindowDefaults(window);
        window.clearMessages();
    }
};

TEST_F(CalculationRunTest, WorkedFirstAndSecondSteps)
{
    // 0,0002 years is 6302.88 s: the steps at t = 0 and t = 3600 s are computed.
    const std::vector<Shown> steps = runRecording("0,0002");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], (Shown{"1,30004560009504", "1,49999999963616", "0,5", "0,707106781186548",
                               "0,00622222222222222", "0,00311111111111111", "0,000114233493260224"}));
    EXPECT_EQ(steps[1], (Shown{"1,30009120038012", "1,49999999854465", "0,500000001715533", "0,707074537528045",
                               "0,0062222221795245", "0,00311139486023835", "0,000228466986520448"}));
    EXPECT_EQ(titles(), std::vector<std::string>{"Information"});
    EXPECT_EQ(window.messages()[0].text, endText);
    EXPECT_EQ(window.messages()[0].style, MessageStyle::Information);
    EXPECT_EQ(simulation.timeStep(), 3600);
}

TEST_F(CalculationRunTest, DefaultRunLeavesByTheRightEdgeAfterAboutEightYears)
{
    simulation.runCalculation();
    // 72192 steps are computed; the 72193rd draws the body beyond the margin and stops.
    EXPECT_EQ(window.yieldCount(), 72192);
    EXPECT_EQ(shown(), (Shown{"4,0637601008805", "0,489429605706815", "2,81048955539526", "2,32058714278413",
                              "0,000196934395776909", "0,0002888615669823", "8,24674434544208"}));
    EXPECT_EQ(window.point(Line::Line1, LineEnd::X2), 16255.0400390625f);
    EXPECT_EQ(window.point(Line::Line1, LineEnd::Y2), 1957.7183837890625f);
    EXPECT_EQ(window.point(Line::Line2, LineEnd::X2), 16255.0400390625f);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Left), 16202.5400390625f);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Top), 1905.2183837890625f);
    EXPECT_EQ(titles(), std::vector<std::string>{"Information"});
}

TEST_F(CalculationRunTest, StopTestCountsTheStepsFromTheTypedYears)
{
    // Zero: one step, since t = 0 does not exceed 0.
    EXPECT_EQ(runRecording("0").size(), 1u);
    EXPECT_EQ(window.caption(Label::tempscourant), "0,000114233493260224");  // 3600 / 31514400

    // Negative: no step at all; the copied start texts stay, as typed.
    window.clearMessages();
    window.type(TextBox::xs, "1.3");
    window.setCaption(Label::tempscourant, "left before");
    EXPECT_TRUE(runRecording("-1").empty());
    EXPECT_EQ(window.shownText(TextBox::xsc), "1.3");
    EXPECT_EQ(window.shownText(TextBox::ysc), "1,5");
    EXPECT_EQ(window.caption(Label::tempscourant), "left before");
    EXPECT_EQ(titles(), std::vector<std::string>{"Information"});
}

TEST_F(CalculationRunTest, TenYearsAtOneHourIs87541StepsWhenTheBodyStaysIn)
{
    // Without attraction and speed the body stays at its start.
    window.type(TextBox::G1, "0");
    window.type(TextBox::G2, "0");
    window.type(TextBox::vx, "0");
    window.type(yearsBox, "10");
    simulation.runCalculation();
    EXPECT_EQ(window.yieldCount(), 87541);
    EXPECT_EQ(window.caption(Label::tempscourant), "10,0001142334933");  // 315147600 s
    EXPECT_EQ(window.shownText(TextBox::xsc), "1,3");
    EXPECT_EQ(window.caption(Label::AC1C), "0");
}

TEST_F(CalculationRunTest, ElapsedTimeStaysExactBeyondTwoToTheThirtyOneSeconds)
{
    // 70 years at 24 h a step ends at 2206051200 s, more than a 32-bit count holds.
    window.type(TextBox::G1, "0");
    window.type(TextBox::G2, "0");
    window.type(TextBox::vx, "0");
    window.type(yearsBox, "70");
    window.moveScrollBar(24);
    simulation.runCalculation();
    EXPECT_EQ(window.yieldCount(), 25533);  // 70 × 364.75 = 25532.5 days: steps at days 0..25532
    EXPECT_EQ(window.caption(Label::tempscourant), "70,0013708019191");  // 2206051200 / 31514400
    EXPECT_EQ(simulation.timeStep(), 86400);
}

struct Edge {
    const char* xs;
    const char* ys;
    bool goesOn;
};

void PrintTo(const Edge& edge, std::ostream* out)
{
    *out << "xs " << edge.xs << ", ys " << edge.ys << (edge.goesOn ? ", goes on" : ", stops");
}

class BoundsTest : public CalculationRunTest, public ::testing::WithParamInterface<Edge> {};

TEST_P(BoundsTest, ExactlyAThousandTwipsOutGoesOnFurtherOutStops)
{
    window.type(TextBox::G1, "0");
    window.type(TextBox::G2, "0");
    window.type(TextBox::vx, "0");
    window.type(TextBox::xs, GetParam().xs);
    window.type(TextBox::ys, GetParam().ys);
    window.type(yearsBox, "0");
    simulation.resetScene();
    const Shown afterReset = shown();
    window.clearMessages();
    simulation.runCalculation();
    EXPECT_EQ(window.yieldCount(), GetParam().goesOn ? 1 : 0);
    EXPECT_EQ(titles(), std::vector<std::string>{"Information"});  // no error on the way out
    if (!GetParam().goesOn) {
        // Drawn outside, with the distances and forces of the reset.
        EXPECT_EQ(window.shownText(TextBox::xsc), GetParam().xs);
        EXPECT_EQ(window.caption(Label::DC1C), afterReset.dc1c);
        EXPECT_EQ(window.caption(Label::AC2C), afterReset.ac2c);
        EXPECT_EQ(window.point(Line::Line2, LineEnd::X2), window.point(Line::Line1, LineEnd::X2));
    }
}

// frame1 is 15255 × 8175 twips; 1000 twips is 0.25 AU.
INSTANTIATE_TEST_SUITE_P(Edges, BoundsTest,
                         ::testing::Values(Edge{"4,06375", "1", true}, Edge{"4,0638", "1", false},
                                           Edge{"-0,25", "1", true}, Edge{"-0,2501", "1", false},
                                           Edge{"1", "2,29375", true}, Edge{"1", "2,2938", false},
                                           Edge{"1", "-0,25", true}, Edge{"1", "-0,2501", false},
                                           Edge{"10", "10", false}),
                         [](const auto& info) {
                             return "x_" + caseName(info.param.xs) + "_y_" + caseName(info.param.ys);
                         });

TEST_F(CalculationRunTest, MassOfZeroDrawsAndShowsZeroForcesThenFails)
{
    window.type(massBox, "0");
    window.setText(TextBox::xsc, "old");
    simulation.runCalculation();
    EXPECT_EQ(window.yieldCount(), 0);
    EXPECT_EQ(titles(), (std::vector<std::string>{errorTitle, "Information"}));
    EXPECT_EQ(window.caption(Label::AC1C), "0");
    EXPECT_EQ(window.caption(Label::AC2C), "0");
    EXPECT_EQ(window.caption(Label::DC1C), "0,5");
    EXPECT_EQ(window.shownText(TextBox::xsc), "1,3");  // the copied start text, never a new position
}

TEST_F(CalculationRunTest, MovingBodyOnAFixedBodyGivesTwoErrorsThenTheEnd)
{
    window.type(TextBox::xs, "1,8");
    window.type(TextBox::ys, "1");
    simulation.runCalculation();
    EXPECT_EQ(titles(), (std::vector<std::string>{errorTitle, errorTitle, "Information"}));
    EXPECT_EQ(window.caption(Label::DC2C), "0");
    EXPECT_EQ(window.yieldCount(), 0);
}

TEST_F(CalculationRunTest, BadStartValuesAndRunLengthFail)
{
    for (TextBox box : {TextBox::vx, TextBox::vy, yearsBox}) {
        restart();
        window.type(box, "vite");
        simulation.runCalculation();
        EXPECT_EQ(titles(), (std::vector<std::string>{errorTitle, "Information"})) << form::nameOf(box);
        EXPECT_EQ(window.yieldCount(), 0);
    }
}

TEST_F(CalculationRunTest, OverflowEndsOnTheErrorPathWithoutShowingInfinity)
{
    for (const char* speed : {"1e308", "-1,7e308", "1e200"}) {
        restart();
        window.type(TextBox::vx, speed);
        simulation.runCalculation();
        EXPECT_EQ(titles(), (std::vector<std::string>{errorTitle, "Information"})) << speed;
        for (const std::string& text : {window.shownText(TextBox::xsc), window.shownText(TextBox::ysc),
                                        window.caption(Label::tempscourant)}) {
            EXPECT_EQ(text.find("inf"), std::string::npos) << text;
            EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        }
    }
}

TEST_F(CalculationRunTest, LettersTypedIntoG2MidRunFailAfterTheDistancesBeforeTheForces)
{
    window.type(yearsBox, "1");
    std::vector<Shown> steps;
    window.onYield = [&](long step) {
        steps.push_back(shown());
        if (step == 1) window.type(TextBox::G2, "abc");
    };
    simulation.runCalculation();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(titles(), (std::vector<std::string>{errorTitle, "Information"}));
    EXPECT_EQ(window.caption(Label::DC1C), "0,500000001715533");  // the second step's distance
    EXPECT_EQ(window.caption(Label::AC1C), steps[0].ac1c);         // the first step's force
    EXPECT_EQ(window.shownText(TextBox::xsc), steps[0].xsc);
}

TEST_F(CalculationRunTest, ScrollBarMovedMidRunChangesTheNextStep)
{
    window.type(yearsBox, "0,0003");  // 9454.32 s
    window.onYield = [&](long step) {
        if (step == 1) window.moveScrollBar(2);
    };
    simulation.runCalculation();
    EXPECT_EQ(window.yieldCount(), 2);  // t = 0, 3600; then 10800 > T
    EXPECT_EQ(simulation.timeStep(), 7200);
    EXPECT_EQ(window.caption(Label::tempscourant), "0,000342700479780672");  // 10800 / 31514400
}

TEST_F(CalculationRunTest, RunLengthTypedMidRunTakesEffectAtTheNextStep)
{
    window.onYield = [&](long step) {
        if (step == 5) window.type(yearsBox, "0");
    };
    simulation.runCalculation();
    EXPECT_EQ(window.yieldCount(), 5);
    EXPECT_EQ(titles(), std::vector<std::string>{"Information"});
}

TEST_F(CalculationRunTest, MassAndGravitationTypedMidRunTakeEffectAtTheNextStep)
{
    window.type(yearsBox, "0,0002");
    std::vector<Shown> steps;
    window.onYield = [&](long step) {
        steps.push_back(shown());
        if (step == 1) {
            window.type(massBox, "2000");
            window.type(TextBox::G2, "0");
        }
    };
    simulation.runCalculation();
    ASSERT_EQ(steps.size(), 2u);
    // Twice the mass, twice the force (0.006222222179524501 × 2); no pull from body 2.
    EXPECT_EQ(steps[1].ac1c, "0,012444444359049");
    EXPECT_EQ(steps[1].ac2c, "0");
    // The mass cancels: the step moves the body by body 1's pull alone.
    EXPECT_NE(steps[1].xsc, "1,30009120038012");
}

// A value typed at the first yield of a run of three steps, and what the next two steps show
// with it: orbit_reference.run(0.0003, typed={1: {...}}, trace=...).
struct TypedAtTheFirstYield {
    const char* name;
    TextBox box;
    const char* text;
    Shown second, third;
};

void PrintTo(const TypedAtTheFirstYield& typed, std::ostream* out) { *out << typed.name << " = " << typed.text; }

class TypedMidRunTest : public CalculationRunTest, public ::testing::WithParamInterface<TypedAtTheFirstYield> {};

TEST_P(TypedMidRunTest, EveryStepReadsTheGravitationConstantsAndTheMassAgain)
{
    window.type(yearsBox, "0,0003");  // 9454.32 s: steps at t = 0, 3600 and 7200 s
    std::vector<Shown> steps;
    window.onYield = [&](long step) {
        steps.push_back(shown());
        if (step == 1) window.type(GetParam().box, GetParam().text);
    };
    simulation.runCalculation();
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[1], GetParam().second);
    EXPECT_EQ(steps[2], GetParam().third);
    EXPECT_EQ(titles(), std::vector<std::string>{"Information"});
}

// The mass scales both forces and divides both accelerations: the body moves as in the run
// left alone (WorkedFirstAndSecondSteps), whichever mass is typed.
INSTANTIATE_TEST_SUITE_P(
    Values, TypedMidRunTest,
    ::testing::Values(
        TypedAtTheFirstYield{"G1", TextBox::G1, "7000",
                             {"1,3000912003801", "1,49999999827585", "0,500000001715533", "0,707074537528045",
                              "0,012444444359049", "0,00311139486023835", "0,000228466986520448"},
                             {"1,30013680085509", "1,49999999565022", "0,500000006593356", "0,707042294501015",
                              "0,0124444441162419", "0,00311167864262819", "0,000342700479780672"}},
        TypedAtTheFirstYield{"G2", TextBox::G2, "1750",
                             {"1,3000912003326", "1,49999999859217", "0,500000001715533", "0,707074537528045",
                              "0,0062222221795245", "0,00155569743011917", "0,000228466986520448"},
                             {"1,30013680066513", "1,49999999691552", "0,500000006909671", "0,707042294758291",
                              "0,00622222205024819", "0,00155583932018183", "0,000342700479780672"}},
        TypedAtTheFirstYield{"ThreeTimesTheMass", massBox, "3000",
                             {"1,30009120038012", "1,49999999854465", "0,500000001715533", "0,707074537528045",
                              "0,0186666665385735", "0,00933418458071504", "0,000228466986520448"},
                             {"1,30013680085522", "1,49999999672542", "0,500000006862156", "0,707042294691085",
                              "0,0186666661542924", "0,0093350359228656", "0,000342700479780672"}},
        TypedAtTheFirstYield{"AQuarterOfTheMass", massBox, "250",
                             {"1,30009120038012", "1,49999999854465", "0,500000001715533", "0,707074537528045",
                              "0,00155555554488113", "0,000777848715059587", "0,000228466986520448"},
                             {"1,30013680085522", "1,49999999672542", "0,500000006862156", "0,707042294691085",
                              "0,0015555555128577", "0,0007779196602388", "0,000342700479780672"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculationRunTest, EveryStepMeasuresTheDrawingAreaAndTheBodyAgain)
{
    // A body at rest at (1.3, 1.5) AU, that is at (5200, 6000) twips, inside frame1's 15255 × 8175.
    // Returns how many steps the run took.
    const auto runAtRest = [&](auto changeAtTheSecondYield) {
        restart();
        window.type(TextBox::G1, "0");
        window.type(TextBox::G2, "0");
        window.type(TextBox::vx, "0");
        window.type(yearsBox, "0,001");  // 9 steps
        long steps = 0;
        window.onYield = [&](long) {
            if (++steps == 2) changeAtTheSecondYield();
        };
        simulation.runCalculation();
        EXPECT_EQ(titles(), std::vector<std::string>{"Information"});
        return steps;
    };

    // The drawing area shrinks until the body lies beyond its margin: the third step stops.
    EXPECT_EQ(runAtRest([&] { window.resizeFrame(4199, 8175); }), 2);   // 5200 > 4199 + 1000
    EXPECT_EQ(runAtRest([&] { window.resizeFrame(15255, 4999); }), 2);  // 6000 > 4999 + 1000
    EXPECT_EQ(runAtRest([&] { window.resizeFrame(4200, 5000); }), 9);   // exactly on the margins

    // The moving body grows: the next step centres it on its point at its new size.
    EXPECT_EQ(runAtRest([&] { window.resizeShape(Shape::corps, 205, 305); }), 9);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Left), 5200 - 102.5f);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Top), 6000 - 152.5f);
}

TEST_F(CalculationRunTest, StartValuesTypedMidRunChangeNothing)
{
    const Shown plain = plainRunEnd("0,001");  // 9 steps
    window.type(yearsBox, "0,001");
    window.onYield = [&](long step) {
        if (step != 2) return;
        for (TextBox box : {TextBox::xs, TextBox::ys, TextBox::vx, TextBox::vy, TextBox::x1, TextBox::y1,
                            TextBox::x2, TextBox::y2})
            window.type(box, "2,5");
    };
    simulation.runCalculation();
    EXPECT_EQ(shown(), plain);
}

TEST_F(CalculationRunTest, AResetMidRunMovesTheShapesButNotTheRunsFixedBodies)
{
    const Shown plain = plainRunEnd("0,001");  // 9 steps
    window.type(yearsBox, "0,001");
    window.onYield = [&](long step) {
        if (step != 3) return;
        window.type(TextBox::x1, "0,5");
        simulation.resetScene();
    };
    simulation.runCalculation();
    EXPECT_EQ(shown(), plain);
    EXPECT_EQ(window.geometry(Shape::corps1, ShapeGeometry::Left), 2000 - 67.5f);
    EXPECT_EQ(window.point(Line::Line1, LineEnd::X1), 2000.0f);
}

TEST_F(CalculationRunTest, ANestedRunEndsFirstThenTheOuterRunGoesOnFromItsOwnState)
{
    const Shown plain = plainRunEnd("0,001");  // 9 steps
    window.type(yearsBox, "0,001");
    bool nested = false;
    std::vector<std::string> titlesAfterNestedRun;
    window.onYield = [&](long step) {
        if (step != 4 || nested) return;
        nested = true;
        window.moveScrollBar(3);
        simulation.runCalculation();
        window.moveScrollBar(1);
        titlesAfterNestedRun = titles();
    };
    simulation.runCalculation();
    EXPECT_EQ(titlesAfterNestedRun, std::vector<std::string>{"Information"});
    EXPECT_EQ(titles(), (std::vector<std::string>{"Information", "Information"}));
    EXPECT_EQ(window.yieldCount(), 9 + 3);  // the nested run: 3 steps of 3 h
    EXPECT_EQ(shown(), plain);
    EXPECT_EQ(simulation.timeStep(), 3600);
}

TEST_F(CalculationRunTest, EndingTheProgramMidRunShowsNoEndReport)
{
    window.onYield = [&](long step) {
        if (step == 10) window.end();
    };
    EXPECT_THROW(simulation.runCalculation(), platform::ProgramEnded);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(window.yieldCount(), 10);
}

TEST_F(CalculationRunTest, ALabelThatRefusesItsCaptionEndsTheRunOnTheErrorPath)
{
    window.type(yearsBox, "1");
    window.onYield = [&](long step) {
        if (step == 2) window.refusingLabel = Label::tempscourant;
    };
    simulation.runCalculation();
    EXPECT_EQ(window.yieldCount(), 2);
    EXPECT_EQ(titles(), (std::vector<std::string>{errorTitle, "Information"}));
}

}  // namespace
}  // namespace virenast::sim
