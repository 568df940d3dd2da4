// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/file_chooser.h"

#include "form/menu_bar.h"
#include "form/scenario.h"

#include <QFileDialog>
#include <QInputDialog>

namespace virenast::app {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

// A dialog is titled with what its menu item is called aloud.
QString titleOf(form::FileCommand command) { return utf8(form::menuRowOf(command).spoken.name); }

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
        return QFileDialog::getOpenFileName(&parent, titleOf(form::FileCommand::OpenScenario), QString(),
                                            utf8(form::scenarioFileFilter));
    }

    QString scenarioToSave(QWidget& parent) override
    {
        return withSuffix(QFileDialog::getSaveFileName(&parent, titleOf(form::FileCommand::SaveScenario),
                                                       utf8(form::scenarioFileName), utf8(form::scenarioFileFilter)),
                          utf8(form::scenarioFileExtension));
    }

    std::optional<MeasurementsChoice> measurementsToSave(QWidget& parent, std::int64_t stride, const QString& name) override
    {
        bool chosen = false;
        const QString title = titleOf(form::FileCommand::SaveMeasurements);
        QString label = QStringLiteral("%1 N %2\nN :").arg(utf8(form::everyNthStepBefore), utf8(form::everyNthStepAfter));
        if (stride > 1) label.prepend(utf8(form::thinnedRunNote).arg(stride) + u'\n');
        const int everyNth = QInputDialog::getInt(&parent, title, label, 1, 1,
                                                  1'000'000, 1, &chosen);
        if (!chosen) return std::nullopt;
        const QString path = withSuffix(QFileDialog::getSaveFileName(&parent, title, name, utf8(form::measurementsFileFilter)),
                                        utf8(form::measurementsFileExtension));
        if (path.isEmpty()) return std::nullopt;
        return MeasurementsChoice{path, everyNth};
    }

    QString imageToSave(QWidget& parent, const QString& name) override
    {
        return withSuffix(QFileDialog::getSaveFileName(&parent, titleOf(form::FileCommand::SaveImage), name,
                                                       utf8(form::imageFileFilter)),
                          utf8(form::imageFileExtension));
    }
};

}  // namespace

std::unique_ptr<FileChooser> dialogFileChooser() { return std::make_unique<DialogFileChooser>(); }

}  // namespace virenast::app
