// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A yardstick for the window's time per step: a bare Qt window of the program's size that, once
// per step and with no physics, shows what a step of a run shows (five result texts and the two
// current-position boxes, one circle moved and the ends of two lines in a drawing area), then
// handles pending events. The window's own timer (window_step_timer) prints the same line, so
// that scripts/measure_step_cost.sh can set the two side by side.
//
//   QT_QPA_PLATFORM=offscreen virenast_bare_qt_loop [steps]
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

class Sketch : public QWidget {
public:
    using QWidget::QWidget;
    QPointF body{344, 400};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(QPointF(346.7, 266.7), body);
        painter.drawLine(QPointF(480, 266.7), body);
        painter.setBrush(QColor(0, 192, 0));
        painter.drawEllipse(body, 3.5, 3.5);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int steps = argc > 1 ? std::atoi(argv[1]) : 72192;  // as many as the default run's
    QWidget window;
    window.resize(1016, 688);
    Sketch sketch(&window);
    sketch.setGeometry(0, 0, 1017, 545);
    std::array<QLabel*, 5> results{};
    for (std::size_t i = 0; i < results.size(); ++i) {
        results[i] = new QLabel(&window);
        results[i]->setGeometry(880, 560 + 24 * static_cast<int>(i), 130, 17);
    }
    std::array<QLineEdit*, 2> position{};
    for (std::size_t i = 0; i < position.size(); ++i) {
        position[i] = new QLineEdit(&window);
        position[i]->setGeometry(168 + 56 * static_cast<int>(i), 664, 49, 19);
        position[i]->setEnabled(false);
    }
    window.show();

    QTimer::singleShot(0, [&] {
        QElapsedTimer clock;
        clock.start();
        double x = 1.3, y = 1.5;
        for (int step = 0; step < steps; ++step) {
            x += 3.8e-5;
            y += 1e-6 * std::sin(step * 1e-3);
            sketch.body = QPointF(x * 266.67, y * 266.67);
            sketch.update();
            for (std::size_t i = 0; i < results.size(); ++i)
                results[i]->setText(QString::number(x * static_cast<double>(i + 1) + step, 'g', 15));
            position[0]->setText(QString::number(x, 'g', 15));
            position[1]->setText(QString::number(y, 'g', 15));
            QCoreApplication::processEvents();
        }
        const double milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        std::printf("steps %d  total %.0f ms  per step %.1f us\n", steps, milliseconds,
                    1000.0 * milliseconds / steps);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
