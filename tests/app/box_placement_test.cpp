// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/box_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace virenast::app {
namespace {

// A window of the program's size on a 1280 x 1024 screen: the drawing across its top, values at
// both ends of the band below it, and a free stretch in the middle of that band.
struct Scene {
    QRect screen{0, 0, 1280, 1024};
    QRect window{132, 150, 1016, 740};
    std::vector<QRect> keepClear{{134, 180, 1017, 545},   // the drawing
                                 {302, 844, 110, 19},     // the current position
                                 {844, 844, 200, 19}};    // the elapsed time and the results
    BoxSurroundings around() const { return {window, screen, {626, 730}, keepClear}; }
};

bool clearOfAll(const QRect& box, const Scene& scene)
{
    for (const QRect& kept : scene.keepClear)
        if (kept.intersects(box)) return false;
    return scene.screen.contains(box);
}

TEST(BoxPlacement, PrefersTheBandBelowTheDrawingCentredOnThePreferredPoint)
{
    const Scene scene;
    const auto place = placeClear({300, 130}, scene.around());
    ASSERT_TRUE(place);
    EXPECT_EQ(*place, QPoint(626 - 150, 730));
    EXPECT_TRUE(clearOfAll(QRect(*place, QSize(300, 130)), scene));
}

TEST(BoxPlacement, ABoxTooWideForTheBandGoesBelowTheWindow)
{
    const Scene scene;
    const QSize wide(440, 130);  // wider than the 432 free pixels between the values
    const auto place = placeClear(wide, scene.around());
    ASSERT_TRUE(place);
    EXPECT_GT(place->y(), scene.window.bottom());
    EXPECT_TRUE(clearOfAll(QRect(*place, wide), scene));
}

TEST(BoxPlacement, WithNoRoomInTheBandNorBelowItStandsBesideTheWindow)
{
    Scene scene;
    scene.screen = QRect(0, 0, 1600, 890);
    scene.keepClear.push_back({134, 800, 1017, 40});  // the band filled from end to end
    const QSize wide(440, 130);
    const auto place = placeClear(wide, scene.around());
    ASSERT_TRUE(place);
    EXPECT_GT(place->x(), scene.window.right());
    EXPECT_TRUE(clearOfAll(QRect(*place, wide), scene));
}

TEST(BoxPlacement, OnAScreenTooSmallThePlatformPlacesTheBox)
{
    Scene scene;
    scene.screen = QRect(0, 0, 1024, 768);
    scene.window = scene.screen;
    scene.keepClear = {{0, 0, 1024, 545}, {0, 600, 1024, 168}};
    EXPECT_FALSE(placeClear({300, 110}, scene.around()));
}

}  // namespace
}  // namespace virenast::app
