// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/label_accessibility.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The window tests need no screen: Qt draws into memory, on a virtual screen of 1280 x 1024
// pixels, large enough for the window and a message box beside its drawing.
int main(int argc, char** argv)
{
    QTemporaryDir folder;
    QByteArray platform = "offscreen";
#ifndef Q_OS_WIN  // a drive letter's colon would end the path in the platform's options
    QFile screens(folder.filePath(QStringLiteral("screens.json")));
    if (folder.isValid() && screens.open(QIODevice::WriteOnly)) {
        screens.write(R"({"screens": [{"name": "virtual", "x": 0, "y": 0, "width": 1280, "height": 1024,
                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.close();
        platform += ":configfile=" + QFile::encodeName(screens.fileName());
    }
#endif
    qputenv("QT_QPA_PLATFORM", platform);
    // The choices a test makes are kept here, never in the user's own settings, nor read from them.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    QApplication application(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath(QStringLiteral("config")));
    virenast::app::installLabelAccessibility();  // as the program does at its start
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
