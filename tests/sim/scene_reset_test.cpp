// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/form1_description.h"
#include "platform/memory_platform.h"
#include "sim/orbit_simulation.h"
#include "support/default_window.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

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

// Everything the reset may change, to compare the window before and after.
struct DrawingState {
    std::array<float, 12> shapes{};
    std::array<float, 8> lines{};
    std::array<std::string, 5> captions;
    std::array<std::string, 14> texts;
    bool operator==(const DrawingState&) const = default;
};

DrawingState stateOf(const MemoryPlatform& window)
{
    DrawingState state;
    for (int s = 0; s < 3; ++s)
        for (int g = 0; g < 4; ++g)
            state.shapes[s * 4 + g] = window.geometry(static_cast<Shape>(s), static_cast<ShapeGeometry>(g));
    for (int l = 0; l < 2; ++l)
        for (int e = 0; e < 4; ++e) state.lines[l * 4 + e] = window.point(static_cast<Line>(l), static_cast<LineEnd>(e));
    for (int c = 0; c < 5; ++c) state.captions[c] = window.caption(static_cast<Label>(c));
    for (int t = 0; t < 14; ++t) state.texts[t] = window.shownText(static_cast<TextBox>(t));
    return state;
}

class SceneResetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::loadWindowDefaults(window);
        // Captions left by an earlier reset, to see which ones a failed reset keeps.
        window.setCaption(Label::AC1C, "earlier F1");
        window.setCaption(Label::AC2C, "earlier F2");
    }

    void expectOneErrorBox() const
    {
        ASSERT_EQ(window.messages().size(), 1u);
        EXPECT_EQ(window.messages()[0].text,
                  "Vérfier que les valeurs tapées sont correctes et quelles ne superposent pas différents corps.");
        EXPECT_EQ(window.messages()[0].title, "Erreur");
        EXPECT_EQ(window.messages()[0].style, MessageStyle::Critical);
    }

    float shape(Shape s, ShapeGeometry g) const { return window.geometry(s, g); }
    float line(Line l, LineEnd e) const { return window.point(l, e); }

    MemoryPlatform window;
    OrbitSimulation simulation{window};
};

TEST_F(SceneResetTest, DefaultTextsGiveTheDocumentedDrawingAndValues)
{
    simulation.resetScene();
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(shape(Shape::corps1, ShapeGeometry::Top), 3932.5f);
    EXPECT_EQ(shape(Shape::corps1, ShapeGeometry::Left), 5132.5f);
    EXPECT_EQ(shape(Shape::corps2, ShapeGeometry::Top), 3932.5f);
    EXPECT_EQ(shape(Shape::corps2, ShapeGeometry::Left), 7132.5f);
    EXPECT_EQ(shape(Shape::corps, ShapeGeometry::Top), 5947.5f);
    EXPECT_EQ(shape(Shape::corps, ShapeGeometry::Left), 5147.5f);
    EXPECT_EQ(line(Line::Line1, LineEnd::X1), 5200.0f);
    EXPECT_EQ(line(Line::Line1, LineEnd::Y1), 4000.0f);
    EXPECT_EQ(line(Line::Line1, LineEnd::X2), 5200.0f);
    EXPECT_EQ(line(Line::Line1, LineEnd::Y2), 6000.0f);
    EXPECT_EQ(line(Line::Line2, LineEnd::X1), 7200.0f);
    EXPECT_EQ(line(Line::Line2, LineEnd::Y1), 4000.0f);
    EXPECT_EQ(line(Line::Line2, LineEnd::X2), 5200.0f);
    EXPECT_EQ(line(Line::Line2, LineEnd::Y2), 6000.0f);
    EXPECT_EQ(window.caption(Label::DC1C), "0,5");
    EXPECT_EQ(window.caption(Label::DC2C), "0,707106781186548");
    EXPECT_EQ(window.caption(Label::AC1C), "0,00622222222222222");
    EXPECT_EQ(window.caption(Label::AC2C), "0,00311111111111111");
}

TEST_F(SceneResetTest, WritesWithTheLocaleSeparator)
{
    MemoryPlatform dotted(".");
    testing::loadWindowDefaults(dotted);
    OrbitSimulation dottedSimulation(dotted);
    dottedSimulation.resetScene();
    EXPECT_EQ(dotted.caption(Label::DC2C), "0.707106781186548");
    EXPECT_EQ(dotted.caption(Label::AC1C), "0.00622222222222222");
}

TEST_F(SceneResetTest, NeverTouchesTheCurrentPositionOrTheElapsedTime)
{
    window.setText(TextBox::xsc, "left by a run");
    window.setCaption(Label::tempscourant, "3,5");
    simulation.resetScene();
    EXPECT_EQ(window.shownText(TextBox::xsc), "left by a run");
    EXPECT_EQ(window.shownText(TextBox::ysc), "1,5");
    EXPECT_EQ(window.caption(Label::tempscourant), "3,5");
}

TEST_F(SceneResetTest, LinesRunFromTheFixedBodiesToTheMovingBody)
{
    window.type(TextBox::xs, "0,5");
    window.type(TextBox::ys, "0,25");
    simulation.resetScene();
    EXPECT_EQ(line(Line::Line1, LineEnd::X1), 5200.0f);
    EXPECT_EQ(line(Line::Line2, LineEnd::X1), 7200.0f);
    EXPECT_EQ(line(Line::Line1, LineEnd::X2), 2000.0f);
    EXPECT_EQ(line(Line::Line2, LineEnd::Y2), 1000.0f);
    EXPECT_EQ(shape(Shape::corps, ShapeGeometry::Left), 2000 - 52.5f);
}

TEST_F(SceneResetTest, ARejectedCoordinateChangesNothing)
{
    for (TextBox box : {TextBox::ys, TextBox::xs, TextBox::x1, TextBox::y1, TextBox::x2, TextBox::y2}) {
        SetUp();
        window.clearMessages();
        window.type(box, "abc");
        const DrawingState before = stateOf(window);
        simulation.resetScene();
        expectOneErrorBox();
        EXPECT_EQ(stateOf(window), before) << form::nameOf(box);
    }
}

TEST_F(SceneResetTest, MovingBodyOnAFixedBodyUpdatesTheDrawingAndDistancesButNoForce)
{
    window.type(TextBox::xs, "1,3");
    window.type(TextBox::ys, "1");
    simulation.resetScene();
    expectOneErrorBox();
    EXPECT_EQ(shape(Shape::corps, ShapeGeometry::Top), 4000 - 52.5f);
    EXPECT_EQ(line(Line::Line2, LineEnd::Y2), 4000.0f);
    EXPECT_EQ(window.caption(Label::DC1C), "0");
    EXPECT_EQ(window.caption(Label::DC2C), "0,5");
    EXPECT_EQ(window.caption(Label::AC1C), "earlier F1");
    EXPECT_EQ(window.caption(Label::AC2C), "earlier F2");
}

TEST_F(SceneResetTest, ABadForceInputKeepsBothEarlierForces)
{
    // F1 could be computed when only G2 fails; neither force label changes all the same.
    for (TextBox box : {TextBox::G1, TextBox::G2, massBox}) {
        SetUp();
        window.clearMessages();
        window.type(box, "lettres");
        simulation.resetScene();
        expectOneErrorBox();
        EXPECT_EQ(shape(Shape::corps, ShapeGeometry::Left), 5147.5f) << form::nameOf(box);
        EXPECT_EQ(window.caption(Label::DC2C), "0,707106781186548");
        EXPECT_EQ(window.caption(Label::AC1C), "earlier F1");
        EXPECT_EQ(window.caption(Label::AC2C), "earlier F2");
    }
}

TEST_F(SceneResetTest, FixedBodiesOnOnePointAreNoError)
{
    window.type(TextBox::x2, "1,3");
    simulation.resetScene();
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(shape(Shape::corps2, ShapeGeometry::Left), shape(Shape::corps1, ShapeGeometry::Left));
    EXPECT_EQ(line(Line::Line1, LineEnd::X1), line(Line::Line2, LineEnd::X1));
    EXPECT_EQ(window.caption(Label::AC2C), "0,00622222222222222");
}

TEST_F(SceneResetTest, APositionBeyondTheSingleRangeStopsAtTheFirstShapeItReaches)
{
    // The moving body is placed after both fixed bodies and their line starts.
    window.type(TextBox::ys, "1e36");
    const float corpsTop = shape(Shape::corps, ShapeGeometry::Top);
    simulation.resetScene();
    expectOneErrorBox();
    EXPECT_EQ(shape(Shape::corps1, ShapeGeometry::Top), 3932.5f);
    EXPECT_EQ(line(Line::Line2, LineEnd::X1), 7200.0f);
    EXPECT_EQ(shape(Shape::corps, ShapeGeometry::Top), corpsTop);
    EXPECT_EQ(window.caption(Label::DC1C), "");
}

TEST_F(SceneResetTest, AForceThatOverflowsIsAnError)
{
    window.type(TextBox::G1, "1e300");
    window.type(massBox, "1e300");
    simulation.resetScene();
    expectOneErrorBox();
    EXPECT_EQ(window.caption(Label::AC1C), "earlier F1");
}

TEST_F(SceneResetTest, ALabelThatRefusesItsCaptionIsAnError)
{
    window.refusingLabel = Label::AC2C;
    simulation.resetScene();
    expectOneErrorBox();
    EXPECT_EQ(window.caption(Label::AC1C), "0,00622222222222222");  // written before the failure
    EXPECT_EQ(window.caption(Label::AC2C), "earlier F2");
}

TEST_F(SceneResetTest, TwoResetsWithUnchangedBoxesLeaveTheSameState)
{
    simulation.resetScene();
    const DrawingState once = stateOf(window);
    simulation.resetScene();
    EXPECT_EQ(stateOf(window), once);
}

}  // namespace
}  // namespace virenast::sim
