// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/swept_sectors.h"

#include "sim/scene_model.h"

#include <array>
#include <cmath>
#include <span>

namespace virenast::sim {
namespace {

// A point of the plane where the drawing puts it, in twips.
TwipPoint twipsOf(AuPoint au)
{
    return {static_cast<float>(twipsPerAu * au.x), static_cast<float>(twipsPerAu * au.y)};
}

// A sector's arc keeps a point when the body has moved a pixel since the last one kept.
constexpr float arcSpacing = 15;
// About the size of a character of the drawing's texts (11 pixels high), and a gap.
constexpr double characterWidth = 90;
constexpr double textHeight = 165;
constexpr double labelGap = 60;

// Where a sector's area is written: at its centroid, where the triangles weigh, when the sector
// is wide enough there for the text; a narrow one (the body slow, far from body 1) has it on the
// same line from body 1, just beyond its arc.
TwipPoint labelPlace(std::span<const TwipPoint> outline, TwipPoint centroid, std::size_t characters)
{
    const TwipPoint apex = outline.front();
    const double cx = centroid.x - apex.x;
    const double cy = centroid.y - apex.y;
    const double toCentroid = std::hypot(cx, cy);
    if (outline.size() < 3 || toCentroid == 0) return centroid;
    const auto from = [&](TwipPoint point) { return std::array<double, 2>{point.x - apex.x, point.y - apex.y}; };
    const auto [ax, ay] = from(outline[1]);
    const auto [bx, by] = from(outline.back());
    const double angle = std::fabs(std::atan2(ax * by - ay * bx, ax * bx + ay * by));
    const double width = static_cast<double>(characters) * characterWidth;
    if (angle * toCentroid >= width) return centroid;
    const auto [mx, my] = from(outline[outline.size() / 2]);
    const double ux = cx / toCentroid;
    const double uy = cy / toCentroid;
    const double beyond = std::hypot(mx, my) + std::fabs(ux) * width / 2 + std::fabs(uy) * textHeight / 2 + labelGap;
    return {static_cast<float>(apex.x + ux * beyond), static_cast<float>(apex.y + uy * beyond)};
}

}  // namespace

std::string durationText(const platform::NumberText& numbers, double seconds)
{
    const double days = seconds / 86400;
    if (days < daysPerYear) return roundedText(numbers, days, 3) + " jours";
    return roundedText(numbers, seconds / secondsPerYear, 3) + " ans";
}

std::vector<SweptSectors::Sector> SweptSectors::sectors() const
{
    std::vector<Sector> all;
    for (const Drawn& drawn : sectors_) all.push_back(drawn.sector);
    return all;
}

void SweptSectors::clear()
{
    sectors_.clear();
    interval_ = 0;
    ++revision_;
}

void SweptSectors::sceneReset(const SceneReset& reset)
{
    if (!reset.byRun) clear();
}

void SweptSectors::runStarted(const RunStarted& started)
{
    depth_ = started.depth;
    body1_.reset();
    clear();
}

void SweptSectors::runStartState(const RunStartState& start)
{
    if (start.depth != depth_) return;
    body1_ = start.body1;
    apex_ = twipsOf(start.body1);
}

void SweptSectors::stepComputed(const StepRecord& step)
{
    if (step.depth != depth_ || !body1_) return;
    if (interval_ == 0) {
        interval_ = equalInterval(step.endTime);
        if (!(interval_ > 0) || !std::isfinite(interval_)) return;  // nothing to cut: no sector
    }
    const auto k = static_cast<std::size_t>(static_cast<double>(step.elapsedBefore) / interval_);
    if (k >= static_cast<std::size_t>(equalIntervals)) return;  // past the typed length
    while (sectors_.size() <= k) {
        Drawn& added = sectors_.emplace_back();
        added.outline = {apex_, step.bodyDrawnAt};
        added.rebuilt = added.revision = ++revision_;
    }
    Drawn& sector = sectors_[k];
    // The triangle between body 1 and the body before and after the step.
    const AuPoint s = *body1_;
    const AuPoint a = step.drawnPosition;
    const AuPoint b = step.position;
    const double triangle = sweptTriangle(s, a, b);
    sector.sector.area += triangle;
    sector.weightX += triangle * (s.x + a.x + b.x) / 3;
    sector.weightY += triangle * (s.y + a.y + b.y) / 3;
    sector.sector.finished = static_cast<double>(step.elapsed) >= static_cast<double>(k + 1) * interval_;
    const TwipPoint end = twipsOf(b);
    const TwipPoint last = sector.outline.back();
    if (sector.sector.finished || std::fabs(end.x - last.x) >= arcSpacing || std::fabs(end.y - last.y) >= arcSpacing)
        sector.outline.push_back(end);
    sector.revision = ++revision_;
}

void SweptSectors::addShapes(std::vector<DrawnShape>& shapes) const
{
    labelPoints_.resize(sectors_.size());
    for (std::size_t i = 0; i < sectors_.size(); ++i) {
        const Drawn& sector = sectors_[i];
        const auto id = static_cast<std::uint32_t>(2 * i);
        shapes.push_back({id, DrawnKind::Polygon, i % 2 == 0 ? DrawnRole::SectorEven : DrawnRole::SectorOdd,
                          LineStyle::Solid, sector.outline, {}, sector.revision, sector.rebuilt});
        if (sector.sector.area <= 0) continue;
        if (sector.labelled != sector.revision) {
            sector.label = roundedText(numbers_, sector.sector.area, 3) + " UA²";
            if (!sector.sector.finished) sector.label += " (inachevé)";
            sector.labelled = sector.revision;
        }
        const TwipPoint centroid = twipsOf({sector.weightX / sector.sector.area, sector.weightY / sector.sector.area});
        labelPoints_[i] = labelPlace(sector.outline, centroid, sector.label.size());
        shapes.push_back({id + 1, DrawnKind::Text, DrawnRole::SectorText, LineStyle::Solid,
                          std::span<const TwipPoint>(&labelPoints_[i], 1), sector.label, sector.revision,
                          sector.revision});
    }
}

std::string SweptSectors::summary() const
{
    if (sectors_.empty()) return {};
    std::string text = "Aires balayées en UA² :";
    for (std::size_t i = 0; i < sectors_.size(); ++i) {
        text += i == 0 ? " " : " ; ";
        text += roundedText(numbers_, sectors_[i].sector.area, 3);
        if (!sectors_[i].sector.finished) text += " (inachevée)";
    }
    return text + '.';
}

}  // namespace virenast::sim
