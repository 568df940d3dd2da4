// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/time_marks.h"

#include "sim/scene_model.h"
#include "sim/swept_sectors.h"

#include <cmath>

namespace virenast::sim {
namespace {

// The caption's centre, in the drawing's upper left corner.
constexpr TwipPoint captionAt{1900, 450};

}  // namespace

void TimeMarks::sceneReset(const SceneReset& reset)
{
    if (reset.byRun) return;
    marks_.clear();
    caption_.clear();
    ++revision_;
}

void TimeMarks::runStarted(const RunStarted& started)
{
    depth_ = started.depth;
    interval_ = 0;
    marks_.clear();
    caption_.clear();
    ++revision_;
}

void TimeMarks::runStartState(const RunStartState& start)
{
    if (start.depth != depth_ || !start.bodyDrawnAt) return;
    marks_.push_back(*start.bodyDrawnAt);
    ++revision_;
}

void TimeMarks::stepComputed(const StepRecord& step)
{
    if (step.depth != depth_ || marks_.empty()) return;
    if (interval_ == 0) {
        interval_ = equalInterval(step.endTime);
        if (!(interval_ > 0) || !std::isfinite(interval_)) return;
        caption_ = "repères tous les " + durationText(numbers_, interval_);
    }
    // The marks so far stand at the start and at the ends of the intervals already reached (a
    // step longer than an interval reaches two).
    const TwipPoint at{static_cast<float>(twipsPerAu * step.position.x), static_cast<float>(twipsPerAu * step.position.y)};
    while (marks_.size() <= static_cast<std::size_t>(equalIntervals) &&
           static_cast<double>(step.elapsed) >= static_cast<double>(marks_.size()) * interval_) {
        marks_.push_back(at);
        ++revision_;
    }
}

void TimeMarks::addShapes(std::vector<DrawnShape>& shapes) const
{
    if (marks_.empty()) return;
    shapes.push_back({0, DrawnKind::Dots, DrawnRole::TimeMark, LineStyle::Solid, marks_, {}, revision_, revision_});
    if (!caption_.empty())
        shapes.push_back({1, DrawnKind::Text, DrawnRole::TimeMark, LineStyle::Solid,
                          std::span<const TwipPoint>(&captionAt, 1), caption_, revision_, revision_});
}

}  // namespace virenast::sim
