// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/motion_arrows.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace virenast::sim {
namespace {

// Where the scale bars stand: their left end, and their height above the drawing's bottom.
constexpr float scaleLeft = 300;
constexpr float velocityScaleRise = 300;
constexpr float forceScaleRise = 750;
constexpr float textRise = 170;  // the value's centre, above its bar

bool finite(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

// The largest of 1, 2 or 5 times a power of ten that is not above the value.
double roundBelow(double value)
{
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double digit : {5.0, 2.0, 1.0})
        if (digit * power <= value) return digit * power;
    return power;
}

// The part of the segment from `from` (in the rectangle) to `to` that stays in [0, w] × [0, h]:
// where it leaves, or nothing when `to` is inside.
std::optional<TwipPoint> leaves(TwipPoint from, TwipPoint to, float w, float h)
{
    double t = 1;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const auto limit = [&t](double start, double step, double low, double high) {
        if (step < 0) t = std::min(t, (low - start) / step);
        if (step > 0) t = std::min(t, (high - start) / step);
    };
    limit(from.x, dx, 0, w);
    limit(from.y, dy, 0, h);
    if (t >= 1) return std::nullopt;
    return TwipPoint{static_cast<float>(from.x + t * dx), static_cast<float>(from.y + t * dy)};
}

}  // namespace

ForceComponents forcesAlongLines(const ScenePlaces& places, const Attractions& attractions)
{
    const auto along = [](AuPoint to, AuPoint from, double force, double distance) {
        if (distance == 0) return std::array<double, 2>{0, 0};
        return std::array<double, 2>{force * (to.x - from.x) / distance, force * (to.y - from.y) / distance};
    };
    const auto [f1x, f1y] = along(places.body1, places.moving, attractions.force1, attractions.distance1Au);
    const auto [f2x, f2y] = along(places.body2, places.moving, attractions.force2, attractions.distance2Au);
    return {f1x, f1y, f2x, f2y};
}

MotionArrows::MotionArrows(const platform::NumberText& numbers, float drawingWidth, float drawingHeight)
    : numbers_(numbers), width_(drawingWidth), height_(drawingHeight)
{
}

void MotionArrows::show(bool velocity, bool forces)
{
    if (velocity == showVelocity_ && forces == showForces_) return;
    showVelocity_ = velocity;
    showForces_ = forces;
    rebuild();
}

void MotionArrows::drawAt(const Vectors& vectors)
{
    now_ = vectors;
    chooseScales(scales());
    rebuild();
}

void MotionArrows::chooseScales(Scales& scales) const
{
    if (!now_) return;
    if (scales.velocity == 0 && now_->velocity) {
        const double speed = std::hypot(now_->velocity->u, now_->velocity->v);
        if (speed > 0 && std::isfinite(speed)) scales.velocity = startLength / speed;
    }
    if (scales.force == 0 && now_->forces) {
        const ForceComponents& f = *now_->forces;
        const double largest = std::max({std::hypot(f.f1x, f.f1y), std::hypot(f.f2x, f.f2y),
                                         std::hypot(f.f1x + f.f2x, f.f1y + f.f2y)});
        if (largest > 0 && std::isfinite(largest)) scales.force = startLength / largest;
    }
}

void MotionArrows::sceneReset(const SceneReset& reset)
{
    if (!reset.attractions || !reset.places || !reset.bodyDrawnAt) {
        now_.reset();
        rebuild();
        return;
    }
    // A run's own reset shows the forces; the velocity comes with the run's start state.
    if (!reset.byRun && scales_.empty()) resting_ = {};
    drawAt({*reset.bodyDrawnAt, reset.byRun ? std::nullopt : typedVelocity_,
            forcesAlongLines(*reset.places, *reset.attractions)});
}

void MotionArrows::runStarted(const RunStarted&) { scales_.emplace_back(); }

void MotionArrows::runStartState(const RunStartState& start)
{
    if (!start.bodyDrawnAt || !start.attractions) return;
    drawAt({*start.bodyDrawnAt, start.velocity,
            forcesAlongLines({start.body1, start.body2, start.position}, *start.attractions)});
}

void MotionArrows::stepComputed(const StepRecord& step)
{
    if (step.depth != static_cast<int>(scales_.size())) return;  // an outer run, under a nested one
    drawAt({step.bodyDrawnAt, step.velocityBefore, step.forces});
}

void MotionArrows::runEnded(const RunEnded& ended)
{
    if (!scales_.empty()) scales_.pop_back();
    // Drawn out of the drawing, where no force was computed: nothing to show there.
    if (now_ && ended.bodyDrawnAt && !(*ended.bodyDrawnAt == now_->at)) {
        now_.reset();
        rebuild();
    }
}

void MotionArrows::addShapes(std::vector<DrawnShape>& shapes) const
{
    for (const Piece& piece : pieces_)
        shapes.push_back({piece.id, piece.kind, piece.role, LineStyle::Solid,
                          std::span<const TwipPoint>(piece.points.data(), piece.count), piece.text, revision_,
                          revision_});
}

void MotionArrows::rebuild()
{
    ++revision_;
    pieces_.clear();
    if (!now_ || (!showVelocity_ && !showForces_)) return;
    const TwipPoint at = now_->at;
    if (at.x < 0 || at.y < 0 || at.x > width_ || at.y > height_) return;  // the body out of the drawing
    // A vector of zero (body 2 given no pull) keeps its arrow, of no length: the drawing has an
    // arrow for each vector chosen, and its reader its magnitude.
    const auto arrow = [&](std::uint32_t id, DrawnRole role, double x, double y, double scale) {
        if (scale == 0 || !finite(x, y)) return;
        const TwipPoint head{static_cast<float>(at.x + x * scale), static_cast<float>(at.y + y * scale)};
        const auto cut = leaves(at, head, width_, height_);
        pieces_.push_back({id, cut ? DrawnKind::CutArrow : DrawnKind::Arrow, role, {at, cut.value_or(head)}, 2, {}});
    };
    // A kind's scale bar, in the drawing's lower left corner: a round value's length, and the value.
    const auto scaleBar = [&](std::uint32_t id, DrawnRole role, double scale, float rise, const char* unit) {
        if (scale == 0) return;
        const double value = roundBelow(startLength / scale);
        const auto length = static_cast<float>(value * scale);
        const float y = height_ - rise;
        pieces_.push_back({id, DrawnKind::Arrow, role, {TwipPoint{scaleLeft, y}, TwipPoint{scaleLeft + length, y}}, 2, {}});
        pieces_.push_back({id + 1, DrawnKind::Text, role, {TwipPoint{scaleLeft + length / 2, y - textRise}}, 1,
                           roundedText(numbers_, value, 1) + ' ' + unit});
    };
    const Scales& scale = scales();
    if (showVelocity_ && now_->velocity) {
        arrow(0, DrawnRole::Velocity, now_->velocity->u, now_->velocity->v, scale.velocity);
        scaleBar(4, DrawnRole::Velocity, scale.velocity, velocityScaleRise, "m/s");
    }
    if (showForces_ && now_->forces) {
        const ForceComponents& f = *now_->forces;
        arrow(1, DrawnRole::Force1, f.f1x, f.f1y, scale.force);
        arrow(2, DrawnRole::Force2, f.f2x, f.f2y, scale.force);
        arrow(3, DrawnRole::ForceSum, f.f1x + f.f2x, f.f1y + f.f2y, scale.force);
        scaleBar(6, DrawnRole::ForceSum, scale.force, forceScaleRise, "N");
    }
}

std::string MotionArrows::summary() const
{
    if (!now_) return {};
    const auto magnitude = [this](double x, double y) { return roundedText(numbers_, std::hypot(x, y), 4); };
    std::string text;
    if (showVelocity_ && now_->velocity)
        text += "Vitesse : " + magnitude(now_->velocity->u, now_->velocity->v) + " m/s.";
    if (showForces_ && now_->forces) {
        const ForceComponents& f = *now_->forces;
        if (!text.empty()) text += ' ';
        text += "Action du corps céleste 1 : " + magnitude(f.f1x, f.f1y) + " N ; du corps céleste 2 : " +
                magnitude(f.f2x, f.f2y) + " N ; leur somme : " + magnitude(f.f1x + f.f2x, f.f1y + f.f2y) + " N.";
    }
    return text;
}

}  // namespace virenast::sim
