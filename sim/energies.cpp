// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/energies.h"

#include "sim/scene_model.h"

namespace virenast::sim {

Energies energiesAt(const Attractions& attractions, Velocity velocity)
{
    const double m = attractions.mass;
    const auto pull = [](double g, double distanceAu) {
        if (g == 0) return 0.0;  // a body without pull adds nothing, wherever it is
        return g * gravitationUnit / (distanceAu * firstAuFactor * secondAuFactor);
    };
    return {0.5 * m * (velocity.u * velocity.u + velocity.v * velocity.v),
            -m * (pull(attractions.g1, attractions.distance1Au) + pull(attractions.g2, attractions.distance2Au))};
}

}  // namespace virenast::sim
