// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QMainWindow>

#include <memory>

namespace virenast::sim {
class OrbitSimulation;
}

namespace virenast::app {

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

private:
    std::unique_ptr<QtWindowPlatform> platform_;
    std::unique_ptr<sim::OrbitSimulation> simulation_;
};

}  // namespace virenast::app
