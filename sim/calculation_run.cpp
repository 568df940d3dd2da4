// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/orbit_simulation.h"
#include "sim/scene_model.h"
#include "sim/user_messages.h"

namespace virenast::sim {

using platform::Label;
using platform::Line;
using platform::LineEnd;
using platform::Shape;
using platform::TextBox;
using platform::massBox;
using platform::yearsBox;

namespace {

constexpr std::int32_t secondsPerHour = 3600;
constexpr double daysPerYear = 364.75;
constexpr double secondsPerYear = 31514400;  // 364.75 × 24 × 3600
// How far, in twips, the body may go beyond the drawing area before the run stops (0.25 AU).
constexpr float drawingMargin = 1000;

}  // namespace

bool OrbitSimulation::bodyOutsideDrawing()
{
    // Each bound is read afresh, and the sums are formed in single precision.
    if (window_.linePoint(Line::Line1, LineEnd::X2) > window_.frameWidth() + drawingMargin) return true;
    if (window_.linePoint(Line::Line1, LineEnd::X2) < -drawingMargin) return true;
    if (window_.linePoint(Line::Line1, LineEnd::Y2) > window_.frameHeight() + drawingMargin) return true;
    return window_.linePoint(Line::Line1, LineEnd::Y2) < -drawingMargin;
}

void OrbitSimulation::runCalculation()
{
    try {
        resetScene();
        window_.setText(TextBox::xsc, window_.text(TextBox::xs));
        window_.setText(TextBox::ysc, window_.text(TextBox::ys));

        // Velocity at the start of the step (m/s), position between steps (AU).
        Real u = boxValue(window_, TextBox::vx);
        Real v = boxValue(window_, TextBox::vy);
        timeStep_ = window_.scrollValue() * secondsPerHour;
        Real y = boxValue(window_, TextBox::ys);
        Real x = boxValue(window_, TextBox::xs);
        // The fixed bodies are read once: a reset during the run may move their shapes, not them.
        const Real x1 = boxValue(window_, TextBox::x1);
        const Real y1 = boxValue(window_, TextBox::y1);
        const Real x2 = boxValue(window_, TextBox::x2);
        const Real y2 = boxValue(window_, TextBox::y2);
        const Point body1{x1, y1};
        const Point body2{x2, y2};
        // Elapsed time: a whole number of seconds, exact far beyond 2^31 s.
        std::int64_t elapsed = 0;

        for (;;) {
            // The run goes on while the elapsed time has not passed the typed number of years.
            const Real endTime = boxValue(window_, yearsBox) * daysPerYear * 24 * 3600;
            if (Real(static_cast<double>(elapsed)) > endTime) break;

            timeStep_ = window_.scrollValue() * secondsPerHour;
            const Real dt = timeStep_;

            const Point body{x, y};
            placeBody(window_, Shape::corps, body);
            setLineEnd(window_, Line::Line1, body);
            setLineEnd(window_, Line::Line2, body);
            if (bodyOutsideDrawing()) break;

            // Distances in metres, forces in newtons.
            const auto [d1, d2, f1, f2] = showAttractions(body1, body2, body);

            // From the moving body toward each fixed body, in AU.
            const Real dx1 = x1 - x;
            const Real dy1 = y1 - y;
            const Real dx2 = x2 - x;
            const Real dy2 = y2 - y;
            const Real f1x = f1 * metresFromAu(dx1) / d1;
            const Real f1y = f1 * metresFromAu(dy1) / d1;
            const Real f2x = f2 * metresFromAu(dx2) / d2;
            const Real f2y = f2 * metresFromAu(dy2) / d2;
            // The mass cancels in value, but the division is made: a mass of 0 fails here.
            const Real ax = (f1x + f2x) / boxValue(window_, massBox);
            const Real ay = (f1y + f2y) / boxValue(window_, massBox);

            // Velocity from the acceleration at the start of the step; position from the mean
            // of the old and new velocity.
            const Real uNext = u + ax * dt;
            const Real vNext = v + ay * dt;
            x = auFromMetres(metresFromAu(x) + (u + uNext) / 2 * dt);
            y = auFromMetres(metresFromAu(y) + (v + vNext) / 2 * dt);
            showNumber(TextBox::xsc, x);
            showNumber(TextBox::ysc, y);
            u = uNext;
            v = vNext;

            elapsed += timeStep_;
            showNumber(Label::tempscourant, Real(static_cast<double>(elapsed)) / secondsPerYear);
            window_.yield();
        }
    } catch (const platform::Error&) {
        showInputError();
    }
    window_.messageBox(endOfRunText, endOfRunTitle, platform::MessageStyle::Information);
}

}  // namespace virenast::sim
