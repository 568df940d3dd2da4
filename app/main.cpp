// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form1.h"
#include "app/label_accessibility.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Ties the window to the desktop entry, and so to its name and icon in the desktop's menus.
    QGuiApplication::setDesktopFileName(QStringLiteral(VIRENAST_APP_ID));
    virenast::app::installLabelAccessibility();
    virenast::app::Form1 window;
    window.show();
    // `virenast FILE`: the desktop opens a scenario file with the program (its type is registered).
    if (const QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1)
        window.openScenario(arguments.at(1));
    return QApplication::exec();
}
