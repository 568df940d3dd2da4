// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/checked_real.h"
#include "platform/window_platform.h"
#include "run_records.h"
#include "scene_model.h"

#include <cstdint>
#include <vector>

namespace virenast::sim {

// The two computing commands of the main window. It holds the window's one value besides its
// controls, the run's time step; every typed value is read from its box when it is needed.
// Whoever watches a run (a drawn path, a pace, a test) adds itself as an observer and is told
// of every reset, run start, step and run end as records (sim/run_records.h), in the order they
// happen, nested runs included; publishing reads nothing from the window and changes no result.
class OrbitSimulation {
public:
    explicit OrbitSimulation(platform::WindowPlatform& window) : window_(window) {}

    // "Réinitialiser le graphique": places the bodies and lines from the typed positions and
    // shows the start distances and forces. A failure shows the "Erreur" box and returns.
    void resetScene();

    // "Lancer le calcul": resets, then moves the body one time step at a time until the typed
    // time is used up or the body leaves the drawing area, yielding to the window after every
    // step; ends with "Fin de calcul", after "Erreur" on a failure.
    void runCalculation();

    // The run's time step in seconds, as last read from the scroll bar.
    std::int32_t timeStep() const { return timeStep_; }

    // Observers are told in the order they were added. An observer must outlive its place in
    // the list; adding one twice tells it twice. Not to be called from inside an observer.
    void addObserver(RunObserver& observer);
    void removeObserver(RunObserver& observer);

    // How many runs are under way: 0 when idle, 2 inside a run started in another's yield.
    int runsInProgress() const { return runsInProgress_; }

private:
    // Both distances in metres and both forces in newtons on the moving body, the distances in
    // AU as shown, and the gravitation constants and the mass as read for the forces.
    struct StepAttractions {
        platform::Real distance1, distance2, force1, force2;
        platform::Real distance1Au, distance2Au;
        platform::Real g1, g2, mass;
    };

    // Everything a run carries from one step to the next, in one place: the position reached
    // (AU), the velocity (m/s), the elapsed time, and the fixed bodies it read at its start.
    struct RunState {
        Point position{0.0, 0.0};
        platform::Real u = 0.0;
        platform::Real v = 0.0;
        std::int64_t elapsed = 0;  // a whole number of seconds, exact far beyond 2^31 s
        std::int64_t steps = 0;
        Point body1{0.0, 0.0};
        Point body2{0.0, 0.0};
    };

    // The reset, telling observers whether it is the one a run starts with.
    SceneReset placeScene(bool byRun);
    // The steps of a run, from its start state to the stop test, the bounds test or a failure
    // (raised); `lastDrawn` follows the body as drawn.
    RunEnding runSteps(RunState& run, std::optional<TwipPoint>& lastDrawn);
    static Attractions recorded(const StepAttractions& shown);

    template <typename Record>
    void publish(void (RunObserver::*told)(const Record&), const Record& record)
    {
        for (RunObserver* observer : observers_) (observer->*told)(record);
    }

    // Computes and shows the two distances (in AU), then the two forces, as the reset and each
    // step of a run show them: the forces only once both are computed, so a failure shows
    // neither. G1, G2 and the mass are read from their boxes here.
    StepAttractions showAttractions(Point body1, Point body2, Point moving);

    void showInputError();
    // Writes a number into a result control in the user's number format.
    void showNumber(platform::Label label, platform::Real value);
    void showNumber(platform::TextBox box, platform::Real value);
    // Whether the moving body, as just drawn, lies more than the margin outside the drawing area.
    bool bodyOutsideDrawing();

    platform::WindowPlatform& window_;
    std::int32_t timeStep_ = 0;
    int runsInProgress_ = 0;
    std::vector<RunObserver*> observers_;
};

}  // namespace virenast::sim
