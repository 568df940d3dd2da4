// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

// What the simulation tells whoever watches it: each reset, the start and end of each run, and
// every step a run computes, as plain values. The values are the very doubles the logic
// computed (before any text conversion) and the very singles it gave the drawing, so a
// watcher never has to read them back from the window. Records are handed out by reference
// during the call only; a watcher that keeps one copies it.
namespace virenast::sim {

// A point of the drawing area in twips, as given to the line ends (the centre of a body).
struct TwipPoint {
    float x;
    float y;

    friend bool operator==(const TwipPoint&, const TwipPoint&) = default;
};

// A point of the plane in AU, as computed.
struct AuPoint {
    double x;
    double y;

    friend bool operator==(const AuPoint&, const AuPoint&) = default;
};

// A velocity in m/s.
struct Velocity {
    double u;
    double v;

    friend bool operator==(const Velocity&, const Velocity&) = default;
};

// Both distances from a fixed body to the moving body (AU, as shown in DC1C and DC2C) and both
// attractions on the moving body (N, as shown in AC1C and AC2C), with the typed values they were
// computed from, as read then: a watcher that needs them (an energy) never reads the boxes again.
struct Attractions {
    double distance1Au, distance2Au;
    double force1, force2;
    double g1, g2;  // as typed, in 10^4 km³/s²: the pull is g × 1e13 m³/s²
    double mass;    // kg
};

// Each fixed body's attraction on the moving body along x and y (N, x to the right, y downward),
// as a step computed them: the acceleration is their sum over the mass.
struct ForceComponents {
    double f1x, f1y;
    double f2x, f2y;

    friend bool operator==(const ForceComponents&, const ForceComponents&) = default;
};

// Where a reset placed the three bodies, in AU, as it read them.
struct ScenePlaces {
    AuPoint body1, body2, moving;
};

// "Réinitialiser le graphique" has placed the bodies: by a click, or as the first thing a run
// does. `attractions` is empty when the reset failed (it then showed "Erreur").
struct SceneReset {
    bool byRun;          // the reset that starts a run, not a click on the button
    int runsInProgress;  // how many runs are under way, the one it starts included
    std::optional<TwipPoint> bodyDrawnAt;  // where it drew the moving body, if it got that far
    std::optional<Attractions> attractions;
    std::optional<ScenePlaces> places;  // empty when it failed before reading every position
};

// A click on "Lancer le calcul" has started a run; nothing is computed yet. `depth` is 1 for a
// run started from the idle window, 2 for one started inside its yield, and so on.
struct RunStarted {
    int depth;
};

// The state a run starts from, once it has read its start values: the instant 0 of the run.
// The distances and forces at that instant are those of the reset that started the run (its
// SceneReset), the only ones computed there.
struct RunStartState {
    int depth;
    AuPoint position;         // typed start position
    std::optional<TwipPoint> bodyDrawnAt;  // where the reset drew the body, if it got that far
    Velocity velocity;        // typed start speed
    AuPoint body1, body2;     // the fixed bodies, read once for the whole run
    std::int32_t timeStep;    // seconds, as the scroll bar gave it at the start
    std::optional<Attractions> attractions;  // the reset's, empty if it failed
};

// One computed time step. The step starts at `elapsedBefore` seconds, where it draws the body
// and computes the distances and forces; it ends `timeStep` seconds later with the new position
// and velocity. Everything at the start of the step belongs to one instant, and so does
// everything at its end.
struct StepRecord {
    int depth;
    std::int64_t step;  // 1 for the run's first step

    // At the start of the step, instant elapsedBefore.
    std::int64_t elapsedBefore;  // seconds
    AuPoint drawnPosition;       // the position the body is drawn at, in AU
    TwipPoint bodyDrawnAt;       // the same, as given to the drawing
    Velocity velocityBefore;
    Attractions attractions;
    ForceComponents forces;

    // The step itself.
    std::int32_t timeStep;  // seconds, read from the scroll bar at this step
    double endTime;         // seconds: the typed years as this step read them, which it had not passed

    // At the end of the step, instant elapsed: what xsc, ysc and tempscourant now show.
    std::int64_t elapsed;  // seconds
    double elapsedYears;   // elapsed / 31514400, as shown
    AuPoint position;
    Velocity velocity;
};

enum class RunEnding : std::uint8_t {
    TimeUsedUp,      // the elapsed time passed the typed number of years
    LeftTheDrawing,  // the body was drawn more than the margin outside the drawing area
    Error,           // a failure: "Erreur" has just been shown
};

// A run has ended; "Fin de calcul" comes next. `bodyDrawnAt` is where the run last drew the
// body (on leaving the drawing, beyond the last step's record), empty if it never drew it.
struct RunEnded {
    int depth;
    RunEnding ending;
    std::int64_t steps;
    std::optional<TwipPoint> bodyDrawnAt;
};

// Whoever watches the simulation. Each call comes on the window's thread in the middle of a
// command, so it must be quick and must not throw; it must not call back into the simulation.
class RunObserver {
public:
    virtual void sceneReset(const SceneReset&) {}
    virtual void runStarted(const RunStarted&) {}
    virtual void runStartState(const RunStartState&) {}
    virtual void stepComputed(const StepRecord&) {}
    virtual void runEnded(const RunEnded&) {}

protected:
    ~RunObserver() = default;
};

}  // namespace virenast::sim
