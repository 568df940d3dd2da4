// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/display_choices.h"

#include <QLocale>
#include <QMainWindow>

#include <memory>

namespace virenast::sim {
class BodyPath;
class MeasurementLog;
class OrbitSimulation;
class RunPacer;
class SteadyPaceClock;
}  // namespace virenast::sim

namespace virenast::app {

class DisplayMenuBar;
class DrawingArea;
class FileChooser;
class FileCommands;
class FileMenuBar;
class QtWindowPlatform;

// The main window: builds every control from the window description, and forwards its clicks
// to the window commands. It shows and forwards; the computing lives in the simulation.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // `locale` is the user's number format; the tests pass one explicitly.
    explicit Form1(const QLocale& locale = QLocale::system());
    ~Form1() override;

    // Opens a scenario file into the boxes, as `ouvrirScenario` does once a file is chosen
    // (the program's argument uses it); whether anything of it was taken.
    bool openScenario(const QString& path);
    // Where the menu `fichier` asks for its files: Qt's dialogs unless a test sets its own.
    void setFileChooser(std::unique_ptr<FileChooser> chooser);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A choice of the menu `affichage`: shown at once, kept for the next start.
    void choose(form::DisplayCommand command);
    void showChoices();
    // Enables what the menu `fichier` can do now: the measurements once a run has some.
    void refreshFileMenu();

    std::unique_ptr<QtWindowPlatform> platform_;
    // The simulation's observers outlive it: it is declared after them.
    std::unique_ptr<sim::BodyPath> bodyPath_;
    std::unique_ptr<sim::SteadyPaceClock> clock_;
    std::unique_ptr<sim::RunPacer> pacer_;
    std::unique_ptr<sim::MeasurementLog> measurements_;
    std::unique_ptr<sim::OrbitSimulation> simulation_;
    form::DisplayChoices choices_;
    DisplayMenuBar* displayMenu_ = nullptr;
    std::unique_ptr<FileCommands> fileCommands_;
    FileMenuBar* fileMenu_ = nullptr;
    DrawingArea* drawingArea_ = nullptr;
};

}  // namespace virenast::app
