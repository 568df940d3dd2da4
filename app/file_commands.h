// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/file_chooser.h"
#include "form/file_menu.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace virenast::form {
class Session;
}

namespace virenast::app {

class QtWindowPlatform;

// What the menu "Fichier" does on the desktop: a scenario opened from a file or saved into one,
// its link put on the clipboard, the last run's measurements saved as CSV or put on the
// clipboard, the picture of the drawing saved as PNG; and the copy of the table "Troisième loi".
// Every fault (a file that cannot be read or written, what a scenario holds that is left out) is
// said in a message box; nothing here ends a run or changes a result.
class FileCommands {
public:
    // `picture` draws what "Enregistrer l'image…" saves, at that many times the screen's size.
    using Picture = std::function<QImage(int scale)>;
    FileCommands(QWidget& window, QtWindowPlatform& platform, form::Session& session, Picture picture);

    void perform(form::FileCommand command);
    // Opens the scenario file at `path` into the boxes and the choices, and places the bodies as
    // the boxes say; whether anything of it was taken.
    bool openScenario(const QString& path);
    bool canSaveMeasurements() const;

    void setChooser(std::unique_ptr<FileChooser> chooser) { chooser_ = std::move(chooser); }

private:
    void saveScenario(const QString& path);
    void saveMeasurements(const FileChooser::MeasurementsChoice& choice);
    void saveImage(const QString& path);
    void tellFault(form::FileCommand command, const QString& path);  // a file not saved
    void tellFault(const QString& text);

    QWidget& window_;
    QtWindowPlatform& platform_;
    form::Session& session_;
    std::unique_ptr<FileChooser> chooser_;
    Picture picture_;
};

}  // namespace virenast::app
