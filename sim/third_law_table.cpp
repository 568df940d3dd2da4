// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/third_law_table.h"

namespace virenast::sim {

std::string ThirdLawTable::tabSeparated(const platform::NumberText& numbers) const
{
    std::string text = "T [années]\ta [UA]\tT²/a³ [années²/UA³]\tcorps céleste 2\r\n";
    for (const ThirdLawRow& row : rows_) {
        text += numbers.toText(row.period).view();
        text += '\t';
        text += numbers.toText(row.semiMajorAxis).view();
        text += '\t';
        text += numbers.toText(row.ratio).view();
        text += row.body2Pulled ? "\tattire aussi\r\n" : "\tn'attire pas\r\n";
    }
    return text;
}

void ThirdLawTable::runStarted(const RunStarted& started)
{
    depth_ = started.depth;
    body2Pulled_ = false;
}

void ThirdLawTable::stepComputed(const StepRecord& step)
{
    if (step.depth == depth_ && step.attractions.g2 != 0) body2Pulled_ = true;
}

void ThirdLawTable::runEnded(const RunEnded& ended)
{
    if (ended.depth != depth_) return;
    OrbitPeriodFinder finder;
    finder.takeAll(log_.rows());
    if (const std::optional<OrbitPeriod> period = finder.period())
        rows_.push_back({period->meanPeriod, period->semiMajorAxis, period->ratio(), body2Pulled_});
}

}  // namespace virenast::sim
