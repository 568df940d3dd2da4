// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class QWidget;

namespace virenast::app {

// Where the menu "Fichier" asks which file to open or to save into: Qt's file dialogs, or what a
// test sets in their place. An empty path is a cancelled choice.
class FileChooser {
public:
    virtual ~FileChooser() = default;

    virtual QString scenarioToOpen(QWidget& parent) = 0;
    virtual QString scenarioToSave(QWidget& parent) = 0;

    struct MeasurementsChoice {
        QString path;
        std::int64_t everyNth = 1;  // a row every N steps, the start and the end always
    };
    // `stride` says what the run left: a very long run keeps only the steps that are multiples
    // of it; `name` is the file's name offered.
    virtual std::optional<MeasurementsChoice> measurementsToSave(QWidget& parent, std::int64_t stride,
                                                                 const QString& name) = 0;
    // Where the picture goes, offered as `name`.
    virtual QString imageToSave(QWidget& parent, const QString& name) = 0;
};

// Qt's file dialogs, and a small dialog of its own for "every N steps".
std::unique_ptr<FileChooser> dialogFileChooser();

}  // namespace virenast::app
