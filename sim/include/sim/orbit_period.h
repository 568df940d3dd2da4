// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "measurements.h"

#include <optional>
#include <span>
#include <vector>

// The period of an orbit about body 1 and Kepler's third law, read from a run's rows as the sheets
// read them from its file: a closest approach is a row whose distance to body 1 is smaller than
// the distances of the rows before and after it, a farthest one larger; the period is the time
// from one closest approach to the next, and the semi-major axis half the sum of the smallest and
// largest distance over the whole turns (from the first closest approach to the last). Only the
// rows with distances count: a run's last row has none.
namespace virenast::sim {

struct Approach {
    double years;
    double distanceAu;
};

struct OrbitPeriod {
    std::vector<double> periods;  // years, from each closest approach to the next
    double meanPeriod;            // years: from the first closest approach to the last, over the turns
    double semiMajorAxis;         // AU
    // T²/a³, in years² per AU³.
    double ratio() const { return meanPeriod * meanPeriod / (semiMajorAxis * semiMajorAxis * semiMajorAxis); }
};

// Takes the rows one at a time, in time order, so that a run's rows are read once whatever its
// length.
class OrbitPeriodFinder {
public:
    void take(const MeasurementRow& row);
    void takeAll(std::span<const MeasurementRow> rows);

    const std::vector<Approach>& closest() const { return closest_; }
    const std::vector<Approach>& farthest() const { return farthest_; }
    // Nothing before two closest approaches: no whole turn yet.
    std::optional<OrbitPeriod> period() const;

private:
    std::optional<Approach> before_, at_;  // the last two rows taken with a distance
    std::vector<Approach> closest_, farthest_;
    double smallest_ = 0, largest_ = 0;            // since the first closest approach...
    double turnsSmallest_ = 0, turnsLargest_ = 0;  // ...and up to the last one
};

}  // namespace virenast::sim
