// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/scene_model.h"

#include "platform/memory_platform.h"
#include "support/default_window.h"

#include <gtest/gtest.h>

namespace virenast::sim {
namespace {

using platform::LineEnd;
using platform::MemoryPlatform;
using platform::Shape;
using platform::ShapeGeometry;
using platform::TextBox;
using testing::bitsOf;

// The default scene read with a decimal comma.
const Point body1{1.3, 1.0};
const Point body2{1.8, 1.0};
const Point start{1.3, 1.5};

TEST(SceneFormulas, DistancesOfTheDefaultScene)
{
    EXPECT_EQ(distanceAu(body1, start).value(), 0.5);
    EXPECT_EQ(distanceAu(body2, start).value(), 0.7071067811865476) << bitsOf(distanceAu(body2, start).value());
    EXPECT_EQ(distanceAu(start, start).value(), 0.0);
}

TEST(SceneFormulas, MetresFromAuMultipliesByOneAndAHalfThenByTenToTheEleven)
{
    EXPECT_EQ(metresFromAu(0.5).value(), 75000000000.0);
    const double metres = metresFromAu(0.7071067811865476).value();
    EXPECT_EQ(metres, 106066017177.98215) << bitsOf(metres);
    EXPECT_NE(metres, 0.7071067811865476 * 1.5e11);
    EXPECT_EQ(auFromMetres(75000000000.0).value(), 0.5);
    EXPECT_EQ(auFromMetres(106066017177.98215).value(), 106066017177.98215 / 1.5e11);
    EXPECT_THROW(metresFromAu(1e300), platform::Error);
}

TEST(SceneFormulas, AttractionOfTheDefaultScene)
{
    const double f1 = attraction(3500, 1000, 75000000000.0).value();
    const double f2 = attraction(3500, 1000, 106066017177.98215).value();
    EXPECT_EQ(f1, 0.006222222222222223) << bitsOf(f1);
    EXPECT_EQ(f2, 0.00311111111111111) << bitsOf(f2);
}

TEST(SceneFormulas, AttractionSignsAndFailures)
{
    EXPECT_EQ(attraction(3500, 0, 1e11).value(), 0.0);
    EXPECT_LT(attraction(-3500, 1000, 1e11).value(), 0.0);
    EXPECT_LT(attraction(3500, -1000, 1e11).value(), 0.0);
    EXPECT_THROW(attraction(3500, 1000, 0.0), platform::Error);  // moving body on the fixed body
    EXPECT_THROW(attraction(0, 1000, 0.0), platform::Error);     // 0/0
    EXPECT_THROW(attraction(3500, 1000, 1e-170), platform::Error);  // d × d underflows to 0
    EXPECT_THROW(attraction(1e300, 1e300, 1.0), platform::Error);
}

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override { testing::loadWindowDefaults(window); }
    MemoryPlatform window;
};

TEST_F(PlacementTest, CentresTheDefaultShapesOnTheirPoints)
{
    placeBody(window, Shape::corps1, body1);
    placeBody(window, Shape::corps2, body2);
    placeBody(window, Shape::corps, start);
    EXPECT_EQ(window.geometry(Shape::corps1, ShapeGeometry::Top), 3932.5f);
    EXPECT_EQ(window.geometry(Shape::corps1, ShapeGeometry::Left), 5132.5f);
    EXPECT_EQ(window.geometry(Shape::corps2, ShapeGeometry::Top), 3932.5f);
    EXPECT_EQ(window.geometry(Shape::corps2, ShapeGeometry::Left), 7132.5f);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Top), 5947.5f);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Left), 5147.5f);
}

TEST_F(PlacementTest, CentresAShapeOfAnySizeFromItsSizeReadAtPlacement)
{
    window.resizeShape(Shape::corps, 101, 37);
    placeBody(window, Shape::corps, {0.25, -0.5});
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Left), 1000 - 50.5f);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Top), -2000 - 18.5f);

    // A size that is not a whole number: its half is taken in single precision.
    window.resizeShape(Shape::corps, 0.3f, 1e-3f);
    placeBody(window, Shape::corps, {1.0, 1.0});
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Left), static_cast<float>(4000.0 - 0.3f / 2.0f));
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Top), static_cast<float>(4000.0 - 1e-3f / 2.0f));
}

TEST_F(PlacementTest, SetsTopBeforeLeftAndStopsAtAPositionBeyondTheSingleRange)
{
    const float leftBefore = window.geometry(Shape::corps, ShapeGeometry::Left);
    EXPECT_THROW(placeBody(window, Shape::corps, {1e36, 1.0}), platform::Error);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Top), 4000 - 52.5f);
    EXPECT_EQ(window.geometry(Shape::corps, ShapeGeometry::Left), leftBefore);
}

TEST_F(PlacementTest, LineEndsLieOnTheCentresWithoutOffset)
{
    setLineStart(window, platform::Line::Line1, body1);
    setLineEnd(window, platform::Line::Line1, start);
    EXPECT_EQ(window.point(platform::Line::Line1, LineEnd::X1), 5200.0f);
    EXPECT_EQ(window.point(platform::Line::Line1, LineEnd::Y1), 4000.0f);
    EXPECT_EQ(window.point(platform::Line::Line1, LineEnd::X2), 5200.0f);
    EXPECT_EQ(window.point(platform::Line::Line1, LineEnd::Y2), 6000.0f);

    // A larger y is lower on the screen, a negative coordinate is outside the area.
    setLineEnd(window, platform::Line::Line2, {-0.5, 2.0});
    EXPECT_EQ(window.point(platform::Line::Line2, LineEnd::X2), -2000.0f);
    EXPECT_EQ(window.point(platform::Line::Line2, LineEnd::Y2), 8000.0f);
}

TEST_F(PlacementTest, BoxValueReadsTheCurrentText)
{
    EXPECT_EQ(boxValue(window, TextBox::x2).value(), 1.8);
    window.type(TextBox::x2, "-2,25e1");
    EXPECT_EQ(boxValue(window, TextBox::x2).value(), -22.5);
    window.type(TextBox::x2, "");
    EXPECT_THROW(boxValue(window, TextBox::x2), platform::Error);
    window.type(TextBox::x2, "deux");
    EXPECT_THROW(boxValue(window, TextBox::x2), platform::Error);
}

}  // namespace
}  // namespace virenast::sim
