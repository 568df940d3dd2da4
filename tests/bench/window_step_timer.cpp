// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time per step of a default run in the real window: clicks "Lancer le calcul" under a French
// locale, closes the end box as soon as it appears, and prints the figures in the same form as
// the bare Qt loop it is compared with (scripts/measure_step_cost.sh).
//
//   QT_QPA_PLATFORM=offscreen window_step_timer [years]
//   xvfb-run -a -s "-screen 0 1280x1024x24" window_step_timer [years]
#include "app/form1.h"
#include "app/label_accessibility.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    virenast::app::installLabelAccessibility();  // as the program does at its start
    virenast::app::Form1 window{QLocale(QLocale::French)};
    if (argc > 1) window.findChild<QLineEdit*>("Text1")->setText(QString::fromLocal8Bit(argv[1]));
    window.show();

    QTimer closer;  // closes "Fin de calcul" as a user would, and stops the clock first
    QElapsedTimer clock;
    double totalMs = 0;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (totalMs == 0) totalMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            box->button(QMessageBox::Ok)->click();
        }
    });
    QTimer::singleShot(200, [&] {
        closer.start();
        clock.start();
        window.findChild<QPushButton*>("Command2")->click();
        // Every step lasts one hour: the elapsed years shown at the end give the step count.
        const double years = window.findChild<QLabel*>("tempscourant")->text().replace(',', '.').toDouble();
        const long steps = static_cast<long>(years * 31514400.0 / 3600.0 + 0.5);
        std::printf("steps %ld  total %.0f ms  per step %.1f us\n", steps, totalMs, 1000.0 * totalMs / steps);
        application.quit();
    });
    return QApplication::exec();
}
