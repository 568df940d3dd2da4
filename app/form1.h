// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QMainWindow>

#include <memory>

namespace virenast::platform {
class QtWindowPlatform;
}
namespace virenast::sim {
class OrbitSimulation;
}

namespace virenast::app {

// The main window: builds every control from the window description, and forwards its five
// events to their handlers. It shows and forwards; the computing lives in the simulation.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // `locale` is the user's number format; the tests pass one explicitly.
    explicit Form1(const QLocale& locale = QLocale::system());
    ~Form1() override;

    platform::QtWindowPlatform& platform() { return *platform_; }
    sim::OrbitSimulation& simulation() { return *simulation_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void centreOnScreen();
    void recentreOnceFramed();
    void placeMessageBox(QWidget& box);
    void buildControls(QWidget& client);
    void buildDrawingArea(QWidget& client);
    void bindEvents();

    std::unique_ptr<platform::QtWindowPlatform> platform_;
    std::unique_ptr<sim::OrbitSimulation> simulation_;
    bool framed_ = false;
    int framingWaits_ = 0;
};

}  // namespace virenast::app
