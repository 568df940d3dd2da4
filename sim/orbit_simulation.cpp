// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/orbit_simulation.h"

#include "sim/user_messages.h"

namespace virenast::sim {

using platform::Label;
using platform::TextBox;
using platform::massBox;

OrbitSimulation::Attractions OrbitSimulation::showAttractions(Point body1, Point body2, Point moving)
{
    Real d1 = distanceAu(body1, moving);
    showNumber(Label::DC1C, d1);
    d1 = metresFromAu(d1);
    Real d2 = distanceAu(body2, moving);
    showNumber(Label::DC2C, d2);
    d2 = metresFromAu(d2);

    const Real g1 = boxValue(window_, TextBox::G1);
    const Real f1 = attraction(g1, boxValue(window_, massBox), d1);
    const Real g2 = boxValue(window_, TextBox::G2);
    const Real f2 = attraction(g2, boxValue(window_, massBox), d2);
    showNumber(Label::AC1C, f1);
    showNumber(Label::AC2C, f2);
    return {d1, d2, f1, f2};
}

void OrbitSimulation::showInputError()
{
    window_.messageBox(inputErrorText, inputErrorTitle, platform::MessageStyle::Critical);
}

void OrbitSimulation::showNumber(Label label, Real value)
{
    window_.setCaption(label, window_.numbers().toText(value.value()).view());
}

void OrbitSimulation::showNumber(TextBox box, Real value)
{
    window_.setText(box, window_.numbers().toText(value.value()).view());
}

}  // namespace virenast::sim
