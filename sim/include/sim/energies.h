// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "run_records.h"

// The moving body's energies at one instant, in joules, from what the run computed there: its
// speed, and the distances with the constants and the mass they were computed from. The potential
// energy is zero far from both bodies and negative near them, −m·(G1/d1 + G2/d2), each G as typed
// times 10^13 m³/s² and each distance in metres as the scene converts it.
namespace virenast::sim {

struct Energies {
    double kinetic;    // ½·m·v²
    double potential;  // −m·(G1/d1 + G2/d2)

    // Their sum, always added in this order, so that every place that shows it shows the same bits.
    double mechanical() const { return kinetic + potential; }
};

Energies energiesAt(const Attractions& attractions, Velocity velocity);

}  // namespace virenast::sim
