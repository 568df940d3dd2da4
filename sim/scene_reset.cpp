// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/orbit_simulation.h"
#include "sim/scene_model.h"

namespace virenast::sim {

using platform::Line;
using platform::Shape;
using platform::TextBox;

void OrbitSimulation::resetScene() { placeScene(false); }

SceneReset OrbitSimulation::placeScene(bool byRun)
{
    SceneReset reset{byRun, runsInProgress_, std::nullopt, std::nullopt, std::nullopt};
    try {
        const Real ys = boxValue(window_, TextBox::ys);
        const Real xs = boxValue(window_, TextBox::xs);
        const Point moving{xs, ys};
        const Point body1{boxValue(window_, TextBox::x1), boxValue(window_, TextBox::y1)};
        const Point body2{boxValue(window_, TextBox::x2), boxValue(window_, TextBox::y2)};
        reset.places = ScenePlaces{{body1.x.value(), body1.y.value()},
                                   {body2.x.value(), body2.y.value()},
                                   {moving.x.value(), moving.y.value()}};

        // Each fixed body before the start of its line, the moving body before the line ends.
        placeBody(window_, Shape::corps1, body1);
        setLineStart(window_, Line::Line1, body1);
        placeBody(window_, Shape::corps2, body2);
        setLineStart(window_, Line::Line2, body2);
        placeBody(window_, Shape::corps, moving);
        reset.bodyDrawnAt = setLineEnd(window_, Line::Line1, moving);
        setLineEnd(window_, Line::Line2, moving);

        reset.attractions = recorded(showAttractions(body1, body2, moving));
    } catch (const platform::Error&) {
        showInputError();
    }
    publish(&RunObserver::sceneReset, reset);
    return reset;
}

}  // namespace virenast::sim
