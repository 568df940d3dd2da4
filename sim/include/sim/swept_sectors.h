// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing.h"
#include "platform/number_text.h"
#include "run_records.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The areas swept in equal times, "Aires balayées": the run's typed length (as its first step
// read it) cut into twelve intervals of equal duration, and in each the sector that the segment
// from body 1 to the moving body sweeps, filled, with its area in AU². A sector's area is the sum,
// over the steps that start in its interval, of the triangle between body 1 and the body's
// positions before and after the step: exact for the path the window computes, which the scheme's
// error makes drift a little from Kepler's law, and a second pulling body far more. A step that
// starts past the typed length (the run's last) belongs to no sector; a sector whose interval the
// run did not reach the end of is marked unfinished.
//
// The sectors drawn are those of the last run started, as its measurements are; a click on
// "Réinitialiser le graphique" clears them.
namespace virenast::sim {

inline constexpr int equalIntervals = 12;
// A twelfth of the run's length in seconds: the duration of a sector, and between two time marks.
inline double equalInterval(double endTime) { return endTime / equalIntervals; }
// The area of the triangle between body 1 and the body's positions before and after a step, AU².
inline double sweptTriangle(AuPoint body1, AuPoint before, AuPoint after)
{
    const double cross = (before.x - body1.x) * (after.y - body1.y) - (before.y - body1.y) * (after.x - body1.x);
    return (cross < 0 ? -cross : cross) / 2;
}
// A duration in words: "30,4 jours", or "2,5 ans" from a year on.
std::string durationText(const platform::NumberText& numbers, double seconds);

class SweptSectors final : public RunObserver, public DrawingLayer {
public:
    explicit SweptSectors(const platform::NumberText& numbers) : numbers_(numbers) {}

    struct Sector {
        double area = 0;  // AU²
        bool finished = false;
    };
    std::vector<Sector> sectors() const;

    void addShapes(std::vector<DrawnShape>& shapes) const override;
    // The areas in words, for a screen reader ("" when there are none).
    std::string summary() const;

    void sceneReset(const SceneReset& reset) override;
    void runStarted(const RunStarted& started) override;
    void runStartState(const RunStartState& start) override;
    void stepComputed(const StepRecord& step) override;

private:
    struct Drawn {
        Sector sector;
        std::vector<TwipPoint> outline;  // body 1, then the arc the body drew
        double weightX = 0, weightY = 0;  // the triangles' centroids times their areas, in AU³
        std::uint64_t rebuilt = 0;
        std::uint64_t revision = 0;  // of its last change
        mutable std::string label;   // written when the drawing asks for it
        mutable std::uint64_t labelled = 0;
    };

    void clear();

    const platform::NumberText& numbers_;
    int depth_ = 0;  // the run whose sectors these are
    std::optional<AuPoint> body1_;
    TwipPoint apex_{};
    double interval_ = 0;  // seconds; 0 until the run's first step
    std::vector<Drawn> sectors_;
    mutable std::vector<TwipPoint> labelPoints_;
    std::uint64_t revision_ = 1;
};

}  // namespace virenast::sim
