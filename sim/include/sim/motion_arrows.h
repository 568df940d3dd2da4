// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing.h"
#include "platform/number_text.h"
#include "run_records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The moving body's velocity and the forces on it, as arrows from the body's centre as it is
// drawn: "Vecteur vitesse" (the velocity) and "Forces" (the attraction of each fixed body and
// their sum). The vectors are those the records give: a step's velocity at its start and the
// force components it computed there; a reset's forces, along the lines to the fixed bodies.
//
// Scales: each kind has one scale for a run, so that lengths compare along the orbit, chosen
// when the run starts so that its start vector (for the forces, the largest of the three) is
// `startLength` twips long: 80 pixels. A scale bar of a round value (1, 2 or 5 times a power of
// ten, the largest not above the start vector) stands in the drawing's lower left corner with
// its value. A reset clicked outside a run chooses the scales of what it shows. An arrow that
// would leave the drawing stops at its edge, drawn cut.
namespace virenast::sim {

class MotionArrows final : public RunObserver, public DrawingLayer {
public:
    static constexpr double startLength = 1200;  // twips: 80 pixels

    // The drawing area's size in twips, and the number format of the scale's values.
    MotionArrows(const platform::NumberText& numbers, float drawingWidth, float drawingHeight);

    // Which of the two kinds are drawn.
    void show(bool velocity, bool forces);
    // The start velocity typed, for the drawing after a click on "Réinitialiser le graphique",
    // which does not read it (empty when it is not a number).
    void setTypedVelocity(std::optional<Velocity> velocity) { typedVelocity_ = velocity; }

    void addShapes(std::vector<DrawnShape>& shapes) const override;
    // What the arrows show, in words, for a screen reader ("" when none is drawn).
    std::string summary() const;

    void sceneReset(const SceneReset& reset) override;
    void runStarted(const RunStarted& started) override;
    void runStartState(const RunStartState& start) override;
    void stepComputed(const StepRecord& step) override;
    void runEnded(const RunEnded& ended) override;

private:
    // What is drawn at one instant.
    struct Vectors {
        TwipPoint at;
        std::optional<Velocity> velocity;
        std::optional<ForceComponents> forces;
    };
    // Twips per m/s and per newton; 0 until chosen.
    struct Scales {
        double velocity = 0;
        double force = 0;
    };

    // One shape of those drawn now.
    struct Piece {
        std::uint32_t id;
        DrawnKind kind;
        DrawnRole role;
        std::array<TwipPoint, 2> points;
        std::size_t count;
        std::string text;
    };

    void drawAt(const Vectors& vectors);
    void chooseScales(Scales& scales) const;
    // Makes the shapes anew from what is shown now.
    void rebuild();
    Scales& scales() { return scales_.empty() ? resting_ : scales_.back(); }
    const Scales& scales() const { return scales_.empty() ? resting_ : scales_.back(); }

    const platform::NumberText& numbers_;
    float width_, height_;
    bool showVelocity_ = false, showForces_ = false;
    std::optional<Velocity> typedVelocity_;
    std::optional<Vectors> now_;
    std::vector<Piece> pieces_;
    std::vector<Scales> scales_;  // a run's each, the innermost last
    Scales resting_;              // outside every run
    std::uint64_t revision_ = 0;
};

// The force components along the lines from the moving body to each fixed body.
ForceComponents forcesAlongLines(const ScenePlaces& places, const Attractions& attractions);

}  // namespace virenast::sim
