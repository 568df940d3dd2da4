// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/orbit_period.h"

#include <algorithm>

namespace virenast::sim {

void OrbitPeriodFinder::take(const MeasurementRow& row)
{
    if (!row.hasAttractions) return;
    const Approach now{row.elapsedYears, row.distance1Au};
    if (before_ && at_) {
        const double d0 = before_->distanceAu;
        const double d1 = at_->distanceAu;
        if (d0 < d1 && d1 > now.distanceAu) farthest_.push_back(*at_);
        if (d0 > d1 && d1 < now.distanceAu) {
            if (closest_.empty()) smallest_ = largest_ = d1;
            closest_.push_back(*at_);
            turnsSmallest_ = smallest_;
            turnsLargest_ = largest_;
        }
    }
    if (!closest_.empty()) {
        smallest_ = std::min(smallest_, now.distanceAu);
        largest_ = std::max(largest_, now.distanceAu);
    }
    before_ = at_;
    at_ = now;
}

void OrbitPeriodFinder::takeAll(std::span<const MeasurementRow> rows)
{
    for (const MeasurementRow& row : rows) take(row);
}

std::optional<OrbitPeriod> OrbitPeriodFinder::period() const
{
    if (closest_.size() < 2) return std::nullopt;
    OrbitPeriod period{};
    for (std::size_t i = 1; i < closest_.size(); ++i) period.periods.push_back(closest_[i].years - closest_[i - 1].years);
    period.meanPeriod = (closest_.back().years - closest_.front().years) / static_cast<double>(closest_.size() - 1);
    period.semiMajorAxis = (turnsLargest_ + turnsSmallest_) / 2;
    return period;
}

}  // namespace virenast::sim
