// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/checked_real.h"
#include "platform/window_platform.h"
#include "run_records.h"

#include <cstdint>

// The scene: two fixed bodies and a moving body in a plane measured in astronomical units,
// drawn in the drawing area at 4000 twips per AU, x to the right and y downward. These are
// the operations the reset and the run share; each failure raises a platform::Error.
namespace virenast::sim {

using platform::Real;

inline constexpr std::int16_t twipsPerAu = 4000;
inline constexpr double firstAuFactor = 1.5;    // AU to metres: first multiplication...
inline constexpr double secondAuFactor = 1e11;  // ...then the second, each rounded
inline constexpr double metresPerAu = 1.5e11;
inline constexpr double gravitationUnit = 1e13;  // m³/s² per typed unit (10^4 km³/s²)
inline constexpr float sizeDivisor = 2.0f;
// A year of the run, as the elapsed time is shown: 364.75 days.
inline constexpr double daysPerYear = 364.75;
inline constexpr double secondsPerYear = 31514400;  // 364.75 × 24 × 3600

// A point of the plane, in AU.
struct Point {
    Real x;
    Real y;
};

// The box's current text as a double, in the user's number format.
Real boxValue(platform::WindowPlatform& window, platform::TextBox box);

// Centres the circle on the point: Top first, then Left, from its size read afresh.
void placeBody(platform::WindowPlatform& window, platform::Shape shape, Point at);
void setLineStart(platform::WindowPlatform& window, platform::Line line, Point at);
// Returns the twips it gave the line: where the moving body's centre is drawn.
TwipPoint setLineEnd(platform::WindowPlatform& window, platform::Line line, Point at);

// Distance from a fixed body to the moving body, in AU.
Real distanceAu(Point fixedBody, Point movingBody);
Real metresFromAu(Real au);
Real auFromMetres(Real metres);
// Magnitude of the attraction, in newtons: (m × (g × 1e13)) / (d × d), d in metres.
Real attraction(Real g, Real mass, Real distanceMetres);

}  // namespace virenast::sim
