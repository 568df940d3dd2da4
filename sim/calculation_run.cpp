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
// How far, in twips, the body may go beyond the drawing area before the run stops (0.25 AU).
constexpr float drawingMargin = 1000;

AuPoint au(Point point) { return {point.x.value(), point.y.value()}; }

// Counts the runs under way for as long as one lasts, however it is left.
class RunInProgress {
public:
    explicit RunInProgress(int& count) : count_(++count) {}
    ~RunInProgress() { --count_; }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

private:
    int& count_;
};

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
    const RunInProgress inProgress(runsInProgress_);
    const int depth = runsInProgress_;
    publish(&RunObserver::runStarted, RunStarted{depth});

    RunState run;
    std::optional<TwipPoint> lastDrawn;
    RunEnding ending = RunEnding::Error;
    try {
        const SceneReset reset = placeScene(true);
        lastDrawn = reset.bodyDrawnAt;
        window_.setText(TextBox::xsc, window_.text(TextBox::xs));
        window_.setText(TextBox::ysc, window_.text(TextBox::ys));

        // Velocity at the start of the step (m/s), position between steps (AU).
        run.u = boxValue(window_, TextBox::vx);
        run.v = boxValue(window_, TextBox::vy);
        timeStep_ = window_.scrollValue() * secondsPerHour;
        const Real y = boxValue(window_, TextBox::ys);
        const Real x = boxValue(window_, TextBox::xs);
        run.position = {x, y};
        // The fixed bodies are read once: a reset during the run may move their shapes, not them.
        const Real x1 = boxValue(window_, TextBox::x1);
        const Real y1 = boxValue(window_, TextBox::y1);
        const Real x2 = boxValue(window_, TextBox::x2);
        const Real y2 = boxValue(window_, TextBox::y2);
        run.body1 = {x1, y1};
        run.body2 = {x2, y2};

        if (!observers_.empty()) {
            const RunStartState start{depth,        au(run.position), reset.bodyDrawnAt,
                                      {run.u.value(), run.v.value()}, au(run.body1),     au(run.body2),
                                      timeStep_,    reset.attractions};
            publish(&RunObserver::runStartState, start);
        }
        ending = runSteps(run, lastDrawn);
    } catch (const platform::Error&) {
        showInputError();
        ending = RunEnding::Error;
    }
    publish(&RunObserver::runEnded, RunEnded{depth, ending, run.steps, lastDrawn});
    window_.messageBox(endOfRunText, endOfRunTitle, platform::MessageStyle::Information);
}

RunEnding OrbitSimulation::runSteps(RunState& run, std::optional<TwipPoint>& lastDrawn)
{
    const int depth = runsInProgress_;
    for (;;) {
        // The run goes on while the elapsed time has not passed the typed number of years.
        const Real endTime = boxValue(window_, yearsBox) * daysPerYear * 24 * 3600;
        if (Real(static_cast<double>(run.elapsed)) > endTime) return RunEnding::TimeUsedUp;

        timeStep_ = window_.scrollValue() * secondsPerHour;
        const Real dt = timeStep_;

        const Point body = run.position;
        placeBody(window_, Shape::corps, body);
        const TwipPoint drawnAt = setLineEnd(window_, Line::Line1, body);
        lastDrawn = drawnAt;
        setLineEnd(window_, Line::Line2, body);
        if (bodyOutsideDrawing()) return RunEnding::LeftTheDrawing;

        // Distances in metres, forces in newtons.
        const StepAttractions attractions = showAttractions(run.body1, run.body2, body);
        const Real& d1 = attractions.distance1;
        const Real& d2 = attractions.distance2;
        const Real& f1 = attractions.force1;
        const Real& f2 = attractions.force2;

        // From the moving body toward each fixed body, in AU.
        const Real dx1 = run.body1.x - body.x;
        const Real dy1 = run.body1.y - body.y;
        const Real dx2 = run.body2.x - body.x;
        const Real dy2 = run.body2.y - body.y;
        const Real f1x = f1 * metresFromAu(dx1) / d1;
        const Real f1y = f1 * metresFromAu(dy1) / d1;
        const Real f2x = f2 * metresFromAu(dx2) / d2;
        const Real f2y = f2 * metresFromAu(dy2) / d2;
        // The mass cancels in value, but the division is made: a mass of 0 fails here.
        const Real ax = (f1x + f2x) / boxValue(window_, massBox);
        const Real ay = (f1y + f2y) / boxValue(window_, massBox);

        // Velocity from the acceleration at the start of the step; position from the mean
        // of the old and new velocity.
        const Real u = run.u;
        const Real v = run.v;
        const Real uNext = u + ax * dt;
        const Real vNext = v + ay * dt;
        run.position.x = auFromMetres(metresFromAu(body.x) + (u + uNext) / 2 * dt);
        run.position.y = auFromMetres(metresFromAu(body.y) + (v + vNext) / 2 * dt);
        showNumber(TextBox::xsc, run.position.x);
        showNumber(TextBox::ysc, run.position.y);
        run.u = uNext;
        run.v = vNext;

        const std::int64_t elapsedBefore = run.elapsed;
        run.elapsed += timeStep_;
        ++run.steps;
        const Real years = Real(static_cast<double>(run.elapsed)) / secondsPerYear;
        showNumber(Label::tempscourant, years);

        if (!observers_.empty()) {
            const StepRecord record{depth,
                                    run.steps,
                                    elapsedBefore,
                                    au(body),
                                    drawnAt,
                                    {u.value(), v.value()},
                                    recorded(attractions),
                                    {f1x.value(), f1y.value(), f2x.value(), f2y.value()},
                                    timeStep_,
                                    endTime.value(),
                                    run.elapsed,
                                    years.value(),
                                    au(run.position),
                                    {run.u.value(), run.v.value()}};
            publish(&RunObserver::stepComputed, record);
        }
        window_.yield();
    }
}

}  // namespace virenast::sim
