// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/body_path.h"

#include <algorithm>
#include <cmath>

namespace virenast::sim {

std::span<const TwipPoint> BodyPath::current() const
{
    if (paths_.empty()) return {};
    return paths_.back().points;
}

std::span<const TwipPoint> BodyPath::previous() const
{
    if (paths_.size() < 2) return {};
    return paths_[paths_.size() - 2].points;
}

float BodyPath::currentSpacing() const { return paths_.empty() ? pixelTwips : paths_.back().spacing; }

std::size_t BodyPath::pointsReserved() const
{
    std::size_t reserved = 0;
    for (const Path& path : paths_) reserved += path.points.capacity();
    return reserved;
}

void BodyPath::addShapes(std::vector<DrawnShape>& shapes) const
{
    const Path* current = paths_.empty() ? nullptr : &paths_.back();
    const Path* previous = paths_.size() < 2 ? nullptr : &paths_[paths_.size() - 2];
    const auto shape = [this](std::uint32_t id, DrawnRole role, LineStyle style, const Path* path) {
        // A path that takes another's place is told apart by its own `rebuilt`: each path's is a
        // revision no other path had.
        return DrawnShape{id,
                          DrawnKind::Polyline,
                          role,
                          style,
                          path ? std::span<const TwipPoint>(path->points) : std::span<const TwipPoint>(),
                          {},
                          revision_,
                          path ? path->rebuilt : 0};
    };
    shapes.push_back(shape(0, DrawnRole::CurrentPath, LineStyle::Solid, current));
    shapes.push_back(shape(1, DrawnRole::PreviousPath, LineStyle::Dashed, previous));
}

void BodyPath::clear()
{
    for (Path& path : paths_) {
        path.points = {};
        path.spacing = pixelTwips;
        rebuild(path);
    }
    ++revision_;
}

void BodyPath::sceneReset(const SceneReset& reset)
{
    if (!reset.byRun) clear();
}

void BodyPath::runStarted(const RunStarted&)
{
    runsGoingOn_.push_back(nextRun_);
    paths_.push_back({nextRun_, {}});
    rebuild(paths_.back());
    ++nextRun_;
    dropOldPaths();
    ++revision_;
}

void BodyPath::runStartState(const RunStartState& start)
{
    Path* path = pathOfRunGoingOn();
    if (path && start.bodyDrawnAt) add(makeCurrent(*path), *start.bodyDrawnAt, false);
}

void BodyPath::stepComputed(const StepRecord& step)
{
    if (Path* path = pathOfRunGoingOn()) add(makeCurrent(*path), step.bodyDrawnAt, false);
}

void BodyPath::runEnded(const RunEnded& ended)
{
    Path* path = pathOfRunGoingOn();
    if (path && ended.bodyDrawnAt) add(makeCurrent(*path), *ended.bodyDrawnAt, true);
    if (!runsGoingOn_.empty()) runsGoingOn_.pop_back();
    dropOldPaths();
}

BodyPath::Path* BodyPath::pathOfRunGoingOn()
{
    if (runsGoingOn_.empty()) return nullptr;  // watching began in the middle of a run
    const std::uint64_t run = runsGoingOn_.back();
    const auto found = std::find_if(paths_.begin(), paths_.end(), [run](const Path& path) { return path.run == run; });
    return found == paths_.end() ? nullptr : &*found;
}

BodyPath::Path& BodyPath::makeCurrent(Path& path)
{
    if (&path == &paths_.back()) return path;
    const auto at = paths_.begin() + (&path - paths_.data());
    std::rotate(at, at + 1, paths_.end());
    ++revision_;
    return paths_.back();
}

void BodyPath::add(Path& path, TwipPoint point, bool always)
{
    std::vector<TwipPoint>& points = path.points;
    if (!points.empty()) {
        const TwipPoint last = points.back();
        const bool moved = std::fabs(point.x - last.x) >= path.spacing || std::fabs(point.y - last.y) >= path.spacing;
        if (!moved && !(always && point != last)) return;
    }
    if (points.size() == maxPoints) {
        // Every other point, the first and the last kept, so the path still ends where it did.
        const TwipPoint last = points.back();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < points.size(); i += 2) points[kept++] = points[i];
        points.resize(kept);
        if (points.back() != last) points.push_back(last);
        path.spacing *= 2;
        rebuild(path);
    }
    // Grow by doubling, but never reserve beyond the bound.
    if (points.size() == points.capacity())
        points.reserve(std::min(maxPoints, std::max<std::size_t>(64, points.capacity() * 2)));
    points.push_back(point);
    ++revision_;
}

void BodyPath::dropOldPaths()
{
    std::vector<Path> kept;
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        const bool recent = i + 2 >= paths_.size();
        if (recent || std::find(runsGoingOn_.begin(), runsGoingOn_.end(), paths_[i].run) != runsGoingOn_.end())
            kept.push_back(std::move(paths_[i]));
    }
    paths_ = std::move(kept);
}

}  // namespace virenast::sim
