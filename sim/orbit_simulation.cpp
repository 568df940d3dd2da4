// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/orbit_simulation.h"

#include "sim/user_messages.h"

#include <algorithm>

namespace virenast::sim {

using platform::Label;
using platform::TextBox;
using platform::massBox;

void OrbitSimulation::addObserver(RunObserver& observer) { observers_.push_back(&observer); }

void OrbitSimulation::removeObserver(RunObserver& observer)
{
    const auto found = std::find(observers_.begin(), observers_.end(), &observer);
    if (found != observers_.end()) observers_.erase(found);
}

Attractions OrbitSimulation::recorded(const StepAttractions& shown)
{
    return {shown.distance1Au.value(), shown.distance2Au.value(), shown.force1.value(), shown.force2.value(),
            shown.g1.value(),          shown.g2.value(),          shown.mass.value()};
}

OrbitSimulation::StepAttractions OrbitSimulation::showAttractions(Point body1, Point body2, Point moving)
{
    const Real d1Au = distanceAu(body1, moving);
    showNumber(Label::DC1C, d1Au);
    const Real d1 = metresFromAu(d1Au);
    const Real d2Au = distanceAu(body2, moving);
    showNumber(Label::DC2C, d2Au);
    const Real d2 = metresFromAu(d2Au);

    const Real g1 = boxValue(window_, TextBox::G1);
    const Real mass = boxValue(window_, massBox);
    const Real f1 = attraction(g1, mass, d1);
    const Real g2 = boxValue(window_, TextBox::G2);
    const Real f2 = attraction(g2, boxValue(window_, massBox), d2);
    showNumber(Label::AC1C, f1);
    showNumber(Label::AC2C, f2);
    return {d1, d2, f1, f2, d1Au, d2Au, g1, g2, mass};
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
