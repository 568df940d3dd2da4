// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/file_chooser.h"

#include "form/file_menu.h"

#include <QFileDialog>
#include <QInputDialog>

namespace virenast::app {
namespace {

// The path with the extension added when the user typed none.
QString withSuffix(QString path, const QString& suffix)
{
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += suffix;
    return path;
}

class DialogFileChooser final : public FileChooser {
public:
    QString scenarioToOpen(QWidget& parent) override
    {
        return QFileDialog::getOpenFileName(&parent, QStringLiteral("Ouvrir un scénario"), QString(),
                                            QString::fromUtf8(form::scenarioFileFilter));
    }

    QString scenarioToSave(QWidget& parent) override
    {
        return withSuffix(QFileDialog::getSaveFileName(&parent, QStringLiteral("Enregistrer le scénario"),
                                                       QStringLiteral("scenario.virenast"),
                                                       QString::fromUtf8(form::scenarioFileFilter)),
                          QStringLiteral(".virenast"));
    }

    std::optional<MeasurementsChoice> measurementsToSave(QWidget& parent, std::int64_t stride) override
    {
        bool chosen = false;
        QString label = QStringLiteral("%1 N %2\nN :")
                            .arg(QString::fromUtf8(form::everyNthStepBefore), QString::fromUtf8(form::everyNthStepAfter));
        if (stride > 1)
            label.prepend(
                QStringLiteral("Ce calcul est très long : seule une étape sur %1 a été gardée.\n").arg(stride));
        const int everyNth = QInputDialog::getInt(&parent, QStringLiteral("Enregistrer les mesures"), label, 1, 1,
                                                  1'000'000, 1, &chosen);
        if (!chosen) return std::nullopt;
        const QString path = withSuffix(QFileDialog::getSaveFileName(&parent, QStringLiteral("Enregistrer les mesures"),
                                                                     QStringLiteral("mesures.csv"),
                                                                     QString::fromUtf8(form::measurementsFileFilter)),
                                        QStringLiteral(".csv"));
        if (path.isEmpty()) return std::nullopt;
        return MeasurementsChoice{path, everyNth};
    }
};

}  // namespace

std::unique_ptr<FileChooser> dialogFileChooser() { return std::make_unique<DialogFileChooser>(); }

}  // namespace virenast::app
