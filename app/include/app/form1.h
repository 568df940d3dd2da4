// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/display_choices.h"

#include <QLocale>
#include <QMainWindow>

#include <memory>

namespace virenast::sim {
class BodyPath;
class OrbitSimulation;
class RunPacer;
class SteadyPaceClock;
}  // namespace virenast::sim

namespace virenast::app {

class DisplayMenuBar;
class DrawingArea;
class QtWindowPlatform;

// The main window: builds every control from the window description, and forwards its clicks
// to the window commands. It shows and forwards; the computing lives in the simulation.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // `locale` is the user's number format; the tests pass one explicitly.
    explicit Form1(const QLocale& locale = QLocale::system());
    ~Form1() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A choice of "Affichage": shown at once, kept for the next start.
    void choose(form::DisplayCommand command);
    void showChoices();

    std::unique_ptr<QtWindowPlatform> platform_;
    // The simulation's observers outlive it: it is declared after them.
    std::unique_ptr<sim::BodyPath> bodyPath_;
    std::unique_ptr<sim::SteadyPaceClock> clock_;
    std::unique_ptr<sim::RunPacer> pacer_;
    std::unique_ptr<sim::OrbitSimulation> simulation_;
    form::DisplayChoices choices_;
    DisplayMenuBar* displayMenu_ = nullptr;
    DrawingArea* drawingArea_ = nullptr;
};

}  // namespace virenast::app
