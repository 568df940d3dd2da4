// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the picture of one scenario of the practical sheets: opens the window under a French
// locale, types the scenario's texts, sets its time step, clicks "Lancer le calcul", and once
// the elapsed time reaches the scenario's moment, saves the window as it is then.
//
//   virenast_sheet_picture SCENARIO OUTPUT.png      (scripts/sheet-pictures.sh runs it)
#include "app/form1.h"
#include "support/teaching_scenarios.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s scenario output.png\n", argv[0]);
        return 2;
    }
    const virenast::testing::TeachingScenario* scenario = nullptr;
    try {
        scenario = &virenast::testing::teachingScenario(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);

    virenast::app::Form1 window{QLocale(QLocale::French)};
    for (const virenast::testing::TypedText& typed : scenario->typed)
        window.findChild<QLineEdit*>(QString::fromLatin1(typed.box))->setText(QString::fromUtf8(typed.text));
    window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(scenario->hours);
    window.show();

    // Runs inside the run's yields: the picture is taken between two steps, as a pause would.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString elapsed = window.findChild<QLabel*>(QStringLiteral("tempscourant"))->text();
        if (QLocale(QLocale::French).toDouble(elapsed) < scenario->pictureAtYears) return;
        watch.stop();
        const bool saved = window.grab().save(output);
        std::printf("%s: %s at %s years\n", argv[1], saved ? "saved" : "NOT saved", qPrintable(elapsed));
        std::fflush(stdout);
        window.close();  // ends the program, run and all
    });
    QTimer::singleShot(500, [&] {
        watch.start(0);
        window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    });
    return QApplication::exec();
}
