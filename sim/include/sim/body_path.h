// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing.h"
#include "run_records.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The path of the moving body as the drawing shows it: the twips where each run drew the body,
// thinned to about one point per pixel of movement, for the run being drawn and the run before
// it, so that two runs can be compared in one drawing. It draws them as two polylines, the
// current path solid and the previous one dashed, under the bodies.
//
// The choices it makes:
// - every run, nested or not, starts its own path at its start position; the path that was
//   current becomes the previous one. When a nested run ends and its outer run steps on, the
//   outer run's path is current again and the nested run's path is the previous one: the solid
//   path always leads to the body as it is drawn now;
// - "Réinitialiser le graphique" clicked clears every path, also during a run: that run's path
//   starts again from its next step, where it draws the body again. The reset a run starts
//   with only starts that run's path;
// - a point is kept when the body has moved at least `spacing` twips (one pixel, at first) in x
//   or in y from the last kept point; the point where a run last drew the body is always kept.
//   When a path reaches `maxPoints`, every other point is dropped (the first and last stay) and
//   the spacing doubles, so a path never holds more than `maxPoints` points, nor reserves more,
//   however many steps its run takes: 16 384 points of 8 bytes, 128 KiB a path.
namespace virenast::sim {

class BodyPath final : public RunObserver, public DrawingLayer {
public:
    static constexpr float pixelTwips = 15;
    static constexpr std::size_t maxPoints = 16384;

    // The path of the run drawn last (the one going on, or the last run when idle).
    std::span<const TwipPoint> current() const;
    // The path of the run drawn before it.
    std::span<const TwipPoint> previous() const;
    // The spacing in twips the current path keeps its points at: 15, doubled at each thinning.
    float currentSpacing() const;
    // Forgets every path; the runs going on start theirs again at their next step.
    void clear();
    // Grows whenever what current() or previous() hold changes, so a front-end redraws only then.
    std::uint64_t revision() const { return revision_; }
    // How many paths are held: at most two, plus one for each outer run waiting under a nested one.
    std::size_t pathsHeld() const { return paths_.size(); }
    // The points the held paths have room for: what they take in memory, 8 bytes a point.
    std::size_t pointsReserved() const;

    // The current path (id 0) and the previous one (id 1).
    void addShapes(std::vector<DrawnShape>& shapes) const override;

    void sceneReset(const SceneReset& reset) override;
    void runStarted(const RunStarted& started) override;
    void runStartState(const RunStartState& start) override;
    void stepComputed(const StepRecord& step) override;
    void runEnded(const RunEnded& ended) override;

private:
    struct Path {
        std::uint64_t run;
        std::vector<TwipPoint> points;
        float spacing = pixelTwips;
        std::uint64_t rebuilt = 0;  // the revision of its last change but a point added at its end
    };

    Path* pathOfRunGoingOn();
    // Makes the path the current one, moving it after every other.
    Path& makeCurrent(Path& path);
    void add(Path& path, TwipPoint point, bool always);
    void rebuild(Path& path) { path.rebuilt = ++revision_; }
    // Drops the paths that are neither among the last two nor of a run still going on.
    void dropOldPaths();

    std::vector<Path> paths_;               // the most recently drawn last
    std::vector<std::uint64_t> runsGoingOn_;  // the innermost last
    std::uint64_t nextRun_ = 1;
    std::uint64_t revision_ = 0;
};

}  // namespace virenast::sim
