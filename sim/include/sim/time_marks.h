// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing.h"
#include "platform/number_text.h"
#include "run_records.h"

#include <optional>
#include <string>
#include <vector>

// "Repères de temps": a dot on the path at the start of the run and wherever the body stands at
// the end of each of its twelve equal intervals (those of the swept areas), the first step's end
// at or past each, so that equal times show as the spacing of the dots; and the interval written
// in the drawing's upper left corner ("repères tous les 30,4 jours"). Those of the last run
// started, cleared by a click on "Réinitialiser le graphique".
namespace virenast::sim {

class TimeMarks final : public RunObserver, public DrawingLayer {
public:
    explicit TimeMarks(const platform::NumberText& numbers) : numbers_(numbers) {}

    // Where the dots stand, in twips.
    const std::vector<TwipPoint>& marks() const { return marks_; }
    void addShapes(std::vector<DrawnShape>& shapes) const override;

    void sceneReset(const SceneReset& reset) override;
    void runStarted(const RunStarted& started) override;
    void runStartState(const RunStartState& start) override;
    void stepComputed(const StepRecord& step) override;

private:
    const platform::NumberText& numbers_;
    int depth_ = 0;
    double interval_ = 0;  // seconds; 0 until the run's first step
    std::vector<TwipPoint> marks_;
    std::string caption_;
    std::uint64_t revision_ = 1;
};

}  // namespace virenast::sim
