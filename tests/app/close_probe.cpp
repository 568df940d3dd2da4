// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A child process for the closing tests: opens the window, closes it at the moment named on
// the command line ("during-run", "nested-run" or "idle"), and prints what happens, so that
// the parent sees the exit status and any message box that should not have appeared.
#include "app/form1.h"
#include "app/label_accessibility.h"
#include "message_box_watcher.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    virenast::app::installLabelAccessibility();  // as the program does at its start
    const QString when = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("idle");
    virenast::app::Form1 window{QLocale(QLocale::French)};
    window.show();
    virenast::testing::MessageBoxWatcher boxes;
    boxes.whileOpen = [](QMessageBox& box, qint64 openFor) {
        if (openFor == 0) std::printf("box: %s\n", qPrintable(box.text()));
    };
    auto* run = window.findChild<QPushButton*>("Command2");

    const auto closeSoon = [&] {
        QTimer::singleShot(100, [&] {
            std::printf("closing at %s years\n", qPrintable(window.findChild<QLabel*>("tempscourant")->text()));
            std::fflush(stdout);
            window.close();
            std::printf("after close\n");
        });
    };
    if (when == "during-run") {
        closeSoon();
        QTimer::singleShot(0, run, &QPushButton::click);
    } else if (when == "nested-run") {
        QTimer::singleShot(0, run, &QPushButton::click);
        QTimer::singleShot(50, [&] {
            closeSoon();
            run->click();  // a second run inside the first one's yield
        });
    } else {
        closeSoon();
    }
    const int status = QApplication::exec();
    std::printf("after close: the event loop returned %d\n", status);
    return 3;
}
