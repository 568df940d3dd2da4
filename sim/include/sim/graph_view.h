// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing.h"
#include "measurements.h"
#include "orbit_period.h"
#include "platform/number_text.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The graphs of a run against time: the distances, the speed and the energies of the moving body,
// drawn from the rows the measurements keep (one store, read once), in a view of their own beside
// the window. Each curve is a choice; the curves that share a unit share a panel, the panels stacked
// one above the other over the same time axis (0 to the run's typed length). The closest and
// farthest approaches to body 1 are marked on its distance, and the period they give is written
// under the panels.
//
// The choices it makes:
// - a turn reads only the rows added since the last one, and a curve keeps a point when it has
//   moved a pixel from the last one kept: what a turn costs does not grow with the run, and a
//   curve holds about as many points as its panel has pixels along its course;
// - a panel's scale grows by round steps when a value leaves it (then its curves are drawn again
//   from the rows, which happens a few times in a run, not at every turn);
// - each run's curves replace the last ones, which stay, lighter, until the next run or a click
//   on "Réinitialiser le graphique", which clears both;
// - the values read with the pointer are the rows' own, written as the window and the measurements
//   file write them.
namespace virenast::sim {

enum class Curve : std::uint8_t { Distance1, Distance2, Speed, Kinetic, Potential, Mechanical, EnergyDrift };
inline constexpr std::size_t curveCount = 7;
inline constexpr std::array allCurves{Curve::Distance1, Curve::Distance2, Curve::Speed,       Curve::Kinetic,
                                      Curve::Potential, Curve::Mechanical, Curve::EnergyDrift};

// The panels, top to bottom.
enum class Panel : std::uint8_t { Distances, Speed, Energies, Drift };
inline constexpr std::size_t panelCount = 4;

struct CurveFacts {
    const char* text;  // as the view's item and its reading name it
    const char* unit;
    Panel panel;
    DrawnRole role;
};

constexpr CurveFacts facts(Curve curve)
{
    switch (curve) {
    case Curve::Distance1: return {"Distance corps1 corps", "UA", Panel::Distances, DrawnRole::CurveDistance1};
    case Curve::Distance2: return {"Distance corps2 corps", "UA", Panel::Distances, DrawnRole::CurveDistance2};
    case Curve::Speed: return {"Vitesse", "m/s", Panel::Speed, DrawnRole::CurveSpeed};
    case Curve::Kinetic: return {"Énergie cinétique", "J", Panel::Energies, DrawnRole::CurveKinetic};
    case Curve::Potential: return {"Énergie potentielle", "J", Panel::Energies, DrawnRole::CurvePotential};
    case Curve::Mechanical: return {"Énergie mécanique", "J", Panel::Energies, DrawnRole::CurveMechanical};
    case Curve::EnergyDrift: return {"Écart d'énergie mécanique", "%", Panel::Drift, DrawnRole::CurveDrift};
    }
    return {"", "", Panel::Distances, DrawnRole::GraphText};
}

// A curve's value in a row, in its unit; the drift is in % of the mechanical energy at `start`.
double curveValue(Curve curve, const MeasurementRow& row, const MeasurementRow& start);

// What the pointer reads on a curve: its row's time and value, whole, and where that is drawn.
struct GraphReading {
    std::string text;
    TwipPoint at;
};

class GraphView final : public RunObserver, public DrawingLayer {
public:
    static constexpr float width = 9000;   // twips: 600 pixels at the window's own size
    static constexpr float height = 8175;  // as high as the drawing area

    GraphView(const MeasurementLog& log, const platform::NumberText& numbers);

    // Which curves are drawn.
    void show(std::bitset<curveCount> curves);
    // Reads the rows the measurements gained since the last call: before the shapes are handed out.
    void catchUp();

    void addShapes(std::vector<DrawnShape>& shapes) const override;
    // The period and the semi-major axis as written under the panels ("" before two closest approaches).
    std::string periodText() const;
    // What a screen reader hears of the view: the curves shown and the period.
    std::string summary() const;
    // The nearest shown curve's value at the time under `point`, if `point` is over a panel.
    std::optional<GraphReading> readingAt(TwipPoint point) const;

    void sceneReset(const SceneReset& reset) override;
    void runStarted(const RunStarted& started) override;
    void stepComputed(const StepRecord& step) override;
    void runEnded(const RunEnded& ended) override;

private:
    struct Sample {
        double years, value;
    };
    struct Trace {
        std::vector<Sample> samples;  // thinned to a pixel of the scale they were kept at
        std::vector<TwipPoint> points;
        std::uint64_t revision = 0, rebuilt = 0;
    };
    struct Scale {
        double low = 0, high = 0;  // what the frame spans: empty until a value comes
        double tick = 0;
        double least = 0, most = 0;  // the values drawn in it
        int power = 0;  // its values are written in units of 10^power
    };
    struct Piece {  // a frame, a tick or a text of the panels
        DrawnKind kind;
        DrawnRole role;
        std::vector<TwipPoint> points;
        std::string text;
    };

    void clear();
    void layOut();                                  // the panels, their frames, ticks and texts
    bool widen(Panel panel, double value);          // true when the panel's scale had to grow
    void rescale();                                 // every shown curve's scale from its values
    void redraw();                                  // every trace at the present scales
    void add(Curve curve, const MeasurementRow& row, const MeasurementRow& start);
    void keep(Trace& trace, Curve curve, Sample sample, bool always);
    TwipPoint twipsOf(Panel panel, Sample sample) const;
    double panelTop(Panel panel) const;
    bool shown(Panel panel) const;
    // The approaches' marks and the period's line, from what the finder holds.
    void updateMarks();

    const MeasurementLog& log_;
    const platform::NumberText& numbers_;
    std::bitset<curveCount> curves_;
    std::array<Trace, curveCount> current_, previous_;
    std::array<Scale, panelCount> scales_;
    std::array<int, panelCount> order_{};  // each shown panel's place from the top, -1 when hidden
    int panelsShown_ = 0;
    double years_ = 1;  // the time axis: the typed length of the run drawn
    int depth_ = 0;     // of the run whose rows the measurements keep
    bool firstStep_ = false;
    std::int64_t readStep_ = -1;  // the last row read
    std::int64_t drawnFrom_ = -1; // the rows up to this step are not drawn: a reset cleared them
    std::optional<MeasurementRow> start_;
    OrbitPeriodFinder finder_;
    std::vector<Piece> pieces_;
    std::vector<TwipPoint> closestMarks_, farthestMarks_;
    std::string periodLine_;
    std::uint64_t marksRevision_ = 0;
    std::uint64_t revision_ = 0;
    std::uint64_t layout_ = 0;  // the revision of the last layout
};

}  // namespace virenast::sim
