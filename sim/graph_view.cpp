// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/graph_view.h"

#include "sim/scene_model.h"

#include <algorithm>
#include <cmath>

namespace virenast::sim {
namespace {

// The panels' place in the view, in twips.
constexpr float left = 1350;       // room for the values of the vertical axes
constexpr float right = 300;
constexpr float top = 150;
constexpr float bottom = 1000;     // the time's values and caption, and the period
constexpr float legendRise = 170;  // a panel's legend, above its frame
constexpr float legendRoom = 380;  // from a panel's slot top to its frame
constexpr float slotGap = 250;     // between a frame and the next slot
constexpr float tickLength = 75;
constexpr float characterWidth = 90;  // about, for the drawing's texts 11 pixels high
constexpr float pixel = 15;

constexpr float plotLeft = left;
constexpr float plotRight = GraphView::width - right;
constexpr float plotWidth = plotRight - plotLeft;
// Where the period is written: under the time's caption.
constexpr TwipPoint periodPoint{plotLeft + plotWidth / 2, GraphView::height - 200};

// A panel's smallest span, so that a curve that does not move is not drawn as noise: a thousandth
// of its largest value, and never less than this in its unit.
constexpr double smallestSpan(Panel panel)
{
    switch (panel) {
    case Panel::Distances: return 0.01;  // AU
    case Panel::Speed: return 10;        // m/s
    case Panel::Energies: return 1e3;    // J
    case Panel::Drift: return 0.01;      // %
    }
    return 1;
}

// The round step (1, 2 or 5 times a power of ten) at least as large as `raw`.
double roundStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double digit : {1.0, 2.0, 5.0, 10.0})
        if (digit * power >= raw) return digit * power;
    return 10 * power;
}

// A tick's value written with the digits its step needs: "0,25", "-4E+11".
std::string tickText(const platform::NumberText& numbers, double value, double step)
{
    if (std::fabs(value) < step / 2) return std::string(numbers.toText(0).view());
    const int digits = static_cast<int>(std::floor(std::log10(std::fabs(value))) - std::floor(std::log10(step))) + 1;
    return roundedText(numbers, value, std::max(digits, 1));
}

Panel panelOf(Curve curve) { return facts(curve).panel; }

// An exponent as superscript digits: "¹¹", "⁻³".
std::string superscript(int power)
{
    static constexpr const char* digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = power < 0 ? "⁻" : "";
    for (const char c : std::to_string(std::abs(power))) text += digits[c - '0'];
    return text;
}

}  // namespace

double curveValue(Curve curve, const MeasurementRow& row, const MeasurementRow& start)
{
    switch (curve) {
    case Curve::Distance1: return row.distance1Au;
    case Curve::Distance2: return row.distance2Au;
    case Curve::Speed: return std::sqrt(row.u * row.u + row.v * row.v);
    case Curve::Kinetic: return row.energies.kinetic;
    case Curve::Potential: return row.energies.potential;
    case Curve::Mechanical: return row.energies.mechanical();
    case Curve::EnergyDrift: {
        const double at = start.energies.mechanical();
        return at == 0 ? 0 : (row.energies.mechanical() - at) / std::fabs(at) * 100;
    }
    }
    return 0;
}

GraphView::GraphView(const MeasurementLog& log, const platform::NumberText& numbers) : log_(log), numbers_(numbers)
{
    curves_.set(static_cast<std::size_t>(Curve::Distance1));
    curves_.set(static_cast<std::size_t>(Curve::Mechanical));
    layOut();
}

void GraphView::show(std::bitset<curveCount> curves)
{
    if (curves == curves_) return;
    curves_ = curves;
    rescale();
}

void GraphView::rescale()
{
    scales_ = {};
    for (const Curve curve : allCurves) {
        if (!curves_.test(static_cast<std::size_t>(curve))) continue;
        for (const Sample& sample : previous_[static_cast<std::size_t>(curve)].samples) widen(panelOf(curve), sample.value);
        if (!start_) continue;
        for (const MeasurementRow& row : log_.rows()) {
            if (row.step > readStep_) break;
            if (row.step > drawnFrom_ && row.hasAttractions) widen(panelOf(curve), curveValue(curve, row, *start_));
        }
    }
    layOut();
}

bool GraphView::shown(Panel panel) const { return order_[static_cast<std::size_t>(panel)] >= 0; }

double GraphView::panelTop(Panel panel) const
{
    const float slot = (height - top - bottom) / static_cast<float>(std::max(panelsShown_, 1));
    return top + slot * static_cast<float>(order_[static_cast<std::size_t>(panel)]) + legendRoom;
}

TwipPoint GraphView::twipsOf(Panel panel, Sample sample) const
{
    const float slot = (height - top - bottom) / static_cast<float>(std::max(panelsShown_, 1));
    const double frameTop = panelTop(panel);
    const double frameHeight = slot - legendRoom - slotGap;
    const Scale& scale = scales_[static_cast<std::size_t>(panel)];
    const double span = scale.high - scale.low;
    const double up = span > 0 ? (sample.value - scale.low) / span : 0.5;
    return {static_cast<float>(plotLeft + sample.years / years_ * plotWidth),
            static_cast<float>(frameTop + frameHeight - up * frameHeight)};
}

void GraphView::layOut()
{
    panelsShown_ = 0;
    order_.fill(-1);
    for (const Curve curve : allCurves) {
        const auto panel = static_cast<std::size_t>(panelOf(curve));
        if (curves_.test(static_cast<std::size_t>(curve)) && order_[panel] < 0) order_[panel] = 0;
    }
    for (int& place : order_)
        if (place >= 0) place = panelsShown_++;

    pieces_.clear();
    const float slot = (height - top - bottom) / static_cast<float>(std::max(panelsShown_, 1));
    const double timeStep = roundStep(years_ / 5);
    float lowest = 0;
    for (std::size_t p = 0; p < panelCount; ++p) {
        const auto panel = static_cast<Panel>(p);
        if (!shown(panel)) continue;
        const auto frameTop = static_cast<float>(panelTop(panel));
        const float frameBottom = frameTop + slot - legendRoom - slotGap;
        lowest = std::max(lowest, frameBottom);
        pieces_.push_back({DrawnKind::Polyline, DrawnRole::GraphAxis,
                           {{plotLeft, frameTop}, {plotRight, frameTop}, {plotRight, frameBottom}, {plotLeft, frameBottom},
                            {plotLeft, frameTop}},
                           {}});
        // Its legend: each shown curve's name and unit, in its colour.
        float cursor = plotLeft;
        for (const Curve curve : allCurves) {
            if (panelOf(curve) != panel || !curves_.test(static_cast<std::size_t>(curve))) continue;
            const CurveFacts about = facts(curve);
            std::string name = std::string(about.text) + " [" + about.unit + "]";
            const float wide = static_cast<float>(name.size()) * characterWidth;
            pieces_.push_back({DrawnKind::Text, about.role, {{cursor + wide / 2, frameTop - legendRise}}, std::move(name)});
            cursor += wide + 2 * characterWidth;
        }
        // The time's ticks along its bottom edge.
        for (int i = 0; i * timeStep <= years_ * (1 + 1e-9); ++i) {
            const auto x = static_cast<float>(plotLeft + i * timeStep / years_ * plotWidth);
            pieces_.push_back({DrawnKind::Polyline, DrawnRole::GraphAxis, {{x, frameBottom}, {x, frameBottom + tickLength}}, {}});
        }
        // Its values' ticks and values along its left edge, and their power of ten above them.
        const Scale& scale = scales_[p];
        if (scale.tick <= 0) continue;
        if (scale.power != 0)
            pieces_.push_back({DrawnKind::Text, DrawnRole::GraphText, {{plotLeft - 500, frameTop - legendRise}},
                               "×10" + superscript(scale.power)});
        for (int i = 0; scale.low + i * scale.tick <= scale.high + scale.tick / 2; ++i) {
            const double v = scale.low + i * scale.tick;
            const float y = twipsOf(panel, {0, v}).y;
            pieces_.push_back({DrawnKind::Polyline, DrawnRole::GraphAxis, {{plotLeft - tickLength, y}, {plotLeft, y}}, {}});
            const double unit = std::pow(10.0, scale.power);
            const std::string text = tickText(numbers_, v / unit, scale.tick / unit);
            pieces_.push_back({DrawnKind::Text, DrawnRole::GraphText,
                               {{plotLeft - tickLength - 60 - static_cast<float>(text.size()) * characterWidth / 2, y}},
                               text});
        }
    }
    // Under the lowest panel, the time's values and its caption.
    if (panelsShown_ > 0) {
        for (int i = 0; i * timeStep <= years_ * (1 + 1e-9); ++i)
            pieces_.push_back({DrawnKind::Text, DrawnRole::GraphText,
                               {{static_cast<float>(plotLeft + i * timeStep / years_ * plotWidth), lowest + 230}},
                               tickText(numbers_, i * timeStep, timeStep)});
        pieces_.push_back({DrawnKind::Text, DrawnRole::GraphText, {{plotLeft + plotWidth / 2, lowest + 480}}, "temps [années]"});
    }
    layout_ = ++revision_;
    redraw();
}

bool GraphView::widen(Panel panel, double value)
{
    if (!std::isfinite(value)) return false;
    Scale& scale = scales_[static_cast<std::size_t>(panel)];
    const bool empty = scale.tick <= 0;
    if (!empty && value >= scale.low && value <= scale.high) return false;
    scale.least = empty ? value : std::min(scale.least, value);
    scale.most = empty ? value : std::max(scale.most, value);
    // Room beyond the values on the side they grew, half as much again, so that a curve that keeps
    // growing is drawn again only a few times; a little on the other side.
    const double extent = std::max(scale.most - scale.least,
                                   std::max(smallestSpan(panel), 1e-3 * std::max(std::fabs(scale.least), std::fabs(scale.most))));
    const bool up = empty || value > scale.high;
    double low = scale.least - extent * (up ? 0.05 : 0.5);
    double high = scale.most + extent * (up ? 0.5 : 0.05);
    if (empty) {
        low = value - extent / 2;
        high = value + extent / 2;
    }
    scale.tick = roundStep((high - low) / 5);
    scale.low = std::floor(low / scale.tick) * scale.tick;
    scale.high = std::ceil(high / scale.tick) * scale.tick;
    // Large or small values are written in units of a power of ten, given once above the axis.
    const double largest = std::max(std::fabs(scale.low), std::fabs(scale.high));
    const int power = static_cast<int>(std::floor(std::log10(largest)));
    scale.power = power >= 5 || power <= -3 ? power : 0;
    return true;
}

void GraphView::keep(Trace& trace, Curve curve, Sample sample, bool always)
{
    const TwipPoint point = twipsOf(panelOf(curve), sample);
    if (!trace.points.empty()) {
        const TwipPoint last = trace.points.back();
        const bool moved = std::fabs(point.x - last.x) >= pixel || std::fabs(point.y - last.y) >= pixel;
        if (!moved && !(always && point != last)) return;
    }
    trace.samples.push_back(sample);
    trace.points.push_back(point);
    trace.revision = ++revision_;
}

void GraphView::add(Curve curve, const MeasurementRow& row, const MeasurementRow& start)
{
    if (!curves_.test(static_cast<std::size_t>(curve))) return;
    const Sample sample{row.elapsedYears, curveValue(curve, row, start)};
    if (!std::isfinite(sample.value)) return;
    if (widen(panelOf(curve), sample.value)) {
        layOut();  // draws every trace again at the new scale, this row included
        return;
    }
    keep(current_[static_cast<std::size_t>(curve)], curve, sample, false);
}

void GraphView::redraw()
{
    for (const Curve curve : allCurves) {
        const auto c = static_cast<std::size_t>(curve);
        Trace& previous = previous_[c];
        previous.points.clear();
        for (const Sample& sample : previous.samples)
            if (sample.years <= years_) previous.points.push_back(twipsOf(panelOf(curve), sample));
        previous.revision = previous.rebuilt = ++revision_;
        Trace& current = current_[c];
        current.samples.clear();
        current.points.clear();
        current.revision = current.rebuilt = ++revision_;
    }
    // The current run's rows read so far, again at the new scales.
    if (!start_) return;
    for (const MeasurementRow& row : log_.rows()) {
        if (row.step > readStep_) break;
        if (row.step <= drawnFrom_ || !row.hasAttractions) continue;
        for (const Curve curve : allCurves) {
            const auto c = static_cast<std::size_t>(curve);
            if (!curves_.test(c)) continue;
            const Sample sample{row.elapsedYears, curveValue(curve, row, *start_)};
            if (std::isfinite(sample.value)) keep(current_[c], curve, sample, false);
        }
    }
    updateMarks();
}

void GraphView::catchUp()
{
    const auto rows = log_.rows();
    const auto from = std::partition_point(rows.begin(), rows.end(),
                                           [this](const MeasurementRow& row) { return row.step <= readStep_; });
    for (auto row = from; row != rows.end() && row->hasAttractions; ++row) {
        if (!start_) start_ = *row;
        readStep_ = row->step;
        finder_.take(*row);
        for (const Curve curve : allCurves) add(curve, *row, *start_);
    }
    updateMarks();
}

void GraphView::updateMarks()
{
    const auto marks = [this](const std::vector<Approach>& approaches) {
        std::vector<TwipPoint> points;
        for (const Approach& approach : approaches) points.push_back(twipsOf(Panel::Distances, {approach.years, approach.distanceAu}));
        return points;
    };
    std::vector<TwipPoint> closest = marks(finder_.closest());
    std::vector<TwipPoint> farthest = marks(finder_.farthest());
    std::string period = periodText();
    if (closest == closestMarks_ && farthest == farthestMarks_ && period == periodLine_) return;
    closestMarks_ = std::move(closest);
    farthestMarks_ = std::move(farthest);
    periodLine_ = std::move(period);
    marksRevision_ = ++revision_;
}

void GraphView::addShapes(std::vector<DrawnShape>& shapes) const
{
    std::uint32_t id = 0;
    for (const Piece& piece : pieces_)
        shapes.push_back({id++, piece.kind, piece.role, LineStyle::Solid, piece.points, piece.text, layout_, layout_});
    id = 1000;
    for (const Curve curve : allCurves) {
        const auto c = static_cast<std::size_t>(curve);
        if (!curves_.test(c)) continue;
        const Trace& previous = previous_[c];
        const Trace& current = current_[c];
        shapes.push_back({id + 2 * static_cast<std::uint32_t>(c) + 1, DrawnKind::Polyline, DrawnRole::PreviousCurve,
                          LineStyle::Solid, previous.points, {}, previous.revision, previous.rebuilt});
        shapes.push_back({id + 2 * static_cast<std::uint32_t>(c), DrawnKind::Polyline, facts(curve).role,
                          LineStyle::Solid, current.points, {}, current.revision, current.rebuilt});
    }
    const std::uint64_t marks = std::max(marksRevision_, layout_);
    if (curves_.test(static_cast<std::size_t>(Curve::Distance1))) {
        shapes.push_back({2000, DrawnKind::Dots, DrawnRole::Approach, LineStyle::Solid, closestMarks_, {}, marks, marks});
        shapes.push_back({2001, DrawnKind::Dots, DrawnRole::Approach, LineStyle::Solid, farthestMarks_, {}, marks, marks});
    }
    if (panelsShown_ > 0 && !periodLine_.empty())
        shapes.push_back({2002, DrawnKind::Text, DrawnRole::GraphText, LineStyle::Solid,
                          std::span<const TwipPoint>(&periodPoint, 1), periodLine_, marks, marks});
}

std::string GraphView::periodText() const
{
    const std::optional<OrbitPeriod> period = finder_.period();
    if (!period) return {};
    const std::size_t turns = period->periods.size();
    return "Période : " + decimalsText(numbers_, period->meanPeriod, 3) + " an" +
           (turns == 1 ? std::string(" (1 tour)") : " (moyenne de " + std::to_string(turns) + " tours)") +
           " ; demi-grand axe : " + decimalsText(numbers_, period->semiMajorAxis, 3) +
           " UA ; T²/a³ : " + decimalsText(numbers_, period->ratio(), 3) + " an²/UA³";
}

std::string GraphView::summary() const
{
    std::string text;
    for (const Curve curve : allCurves)
        if (curves_.test(static_cast<std::size_t>(curve))) text += std::string(text.empty() ? "Courbes : " : ", ") + facts(curve).text;
    if (text.empty()) return "Aucune courbe choisie.";
    text += '.';
    if (const std::string period = periodText(); !period.empty()) text += ' ' + period + '.';
    return text;
}

std::optional<GraphReading> GraphView::readingAt(TwipPoint point) const
{
    if (!start_ || point.x < plotLeft - pixel || point.x > plotRight + pixel) return std::nullopt;
    const float slot = (height - top - bottom) / static_cast<float>(std::max(panelsShown_, 1));
    for (std::size_t p = 0; p < panelCount; ++p) {
        const auto panel = static_cast<Panel>(p);
        if (!shown(panel)) continue;
        const double frameTop = panelTop(panel);
        if (point.y < frameTop - pixel || point.y > frameTop + slot - legendRoom - slotGap + pixel) continue;
        // The row read nearest in time to the pointer.
        const double years = (point.x - plotLeft) / plotWidth * years_;
        const auto rows = log_.rows();
        const auto end = std::partition_point(rows.begin(), rows.end(),
                                              [this](const MeasurementRow& row) { return row.step <= readStep_; });
        const auto first = std::partition_point(rows.begin(), end, [this](const MeasurementRow& row) { return row.step <= drawnFrom_; });
        if (first == end) return std::nullopt;
        auto nearest = std::partition_point(first, end, [years](const MeasurementRow& row) { return row.elapsedYears < years; });
        if (nearest == end || (nearest != first && years - (nearest - 1)->elapsedYears < nearest->elapsedYears - years))
            --nearest;
        // The shown curve of this panel nearest to the pointer there.
        std::optional<GraphReading> best;
        float bestDistance = 0;
        for (const Curve curve : allCurves) {
            if (panelOf(curve) != panel || !curves_.test(static_cast<std::size_t>(curve))) continue;
            if (current_[static_cast<std::size_t>(curve)].points.empty()) continue;
            const double value = curveValue(curve, *nearest, *start_);
            const TwipPoint at = twipsOf(panel, {nearest->elapsedYears, value});
            if (best && std::fabs(at.y - point.y) >= bestDistance) continue;
            bestDistance = std::fabs(at.y - point.y);
            best = GraphReading{std::string("temps [années] : ") + std::string(numbers_.toText(nearest->elapsedYears).view()) +
                                    " ; " + facts(curve).text + " [" + facts(curve).unit +
                                    "] : " + std::string(numbers_.toText(value).view()),
                                at};
        }
        return best;
    }
    return std::nullopt;
}

void GraphView::clear()
{
    for (Trace& trace : current_) trace = {};
    for (Trace& trace : previous_) trace = {};
    finder_ = {};
    rescale();
}

void GraphView::sceneReset(const SceneReset& reset)
{
    if (reset.byRun) return;
    // The run going on, if any, draws again from its next row.
    drawnFrom_ = readStep_;
    clear();
}

void GraphView::runStarted(const RunStarted& started)
{
    depth_ = started.depth;
    firstStep_ = true;
    readStep_ = -1;
    drawnFrom_ = -1;
    start_.reset();
    finder_ = {};
    previous_ = current_;
    for (Trace& trace : current_) trace = {};
    // The scales of the curves kept, which the new run's widen as it needs.
    rescale();
}

void GraphView::stepComputed(const StepRecord& step)
{
    if (!firstStep_ || step.depth != depth_) return;
    firstStep_ = false;
    const double years = step.endTime / secondsPerYear;
    if (years > 0 && std::isfinite(years) && years != years_) {
        years_ = years;
        layOut();
    }
}

void GraphView::runEnded(const RunEnded& ended)
{
    if (ended.depth != depth_) return;
    catchUp();
    // The approaches again from the rows kept, as the measurements file has them: a very long run
    // keeps only some of its rows.
    finder_ = {};
    finder_.takeAll(log_.rows());
    updateMarks();
}

}  // namespace virenast::sim
