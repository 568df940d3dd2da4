// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/checked_real.h"
#include "platform/window_platform.h"
#include "scene_model.h"

#include <cstdint>

namespace virenast::sim {

// The two computing commands of the main window. It holds the window's one value besides its
// controls, the run's time step; every typed value is read from its box when it is needed.
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

private:
    // Both distances in metres and both forces in newtons on the moving body.
    struct Attractions {
        platform::Real distance1, distance2, force1, force2;
    };

    // Computes and shows the two distances (in AU), then the two forces, as the reset and each
    // step of a run show them: the forces only once both are computed, so a failure shows
    // neither. G1, G2 and the mass are read from their boxes here.
    Attractions showAttractions(Point body1, Point body2, Point moving);

    void showInputError();
    // Writes a number into a result control in the user's number format.
    void showNumber(platform::Label label, platform::Real value);
    void showNumber(platform::TextBox box, platform::Real value);
    // Whether the moving body, as just drawn, lies more than the margin outside the drawing area.
    bool bodyOutsideDrawing();

    platform::WindowPlatform& window_;
    std::int32_t timeStep_ = 0;
};

}  // namespace virenast::sim
