// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/third_law_table.h"

namespace virenast::sim {

std::string ThirdLawTable::tabSeparated(const platform::NumberText& numbers) const
{
    std::string text;
    for (const char* heading : thirdLawColumns) text += std::string(heading) + (heading == thirdLawColumns.back() ? "\r\n" : "\t");
    for (const ThirdLawRow& row : rows_) {
        for (const double figure : {row.period, row.semiMajorAxis, row.ratio}) {
            text += numbers.toText(figure).view();
            text += '\t';
        }
        text += body2PullText(row.body2Pulled);
        text += "\r\n";
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
