// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_commands.h"

#include "form/menu_bar.h"
#include "form/session.h"
#include "qt_window_platform.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <string_view>
#include <utility>

namespace virenast::app {
namespace {

QString shownName(const QString& path) { return QFileInfo(path).fileName(); }

}  // namespace

FileCommands::FileCommands(QWidget& window, QtWindowPlatform& platform, form::Session& session, Picture picture)
    : window_(window), platform_(platform), session_(session), chooser_(dialogFileChooser()), picture_(std::move(picture))
{
}

bool FileCommands::canSaveMeasurements() const { return session_.measurements().hasRows(); }

void FileCommands::perform(form::FileCommand command)
{
    switch (command) {
    case form::FileCommand::OpenScenario:
        if (const QString path = chooser_->scenarioToOpen(window_); !path.isEmpty()) openScenario(path);
        break;
    case form::FileCommand::SaveScenario:
        if (const QString path = chooser_->scenarioToSave(window_); !path.isEmpty()) saveScenario(path);
        break;
    case form::FileCommand::CopyLink: {
        const std::string link = form::scenarioLinkBase + session_.scenarioLinkPairs();
        QGuiApplication::clipboard()->setText(QString::fromStdString(link));
        break;
    }
    case form::FileCommand::SaveMeasurements:
        // Asked before the dialogs too: the item may have been reached while a run began.
        if (!canSaveMeasurements()) break;
        if (const auto choice = chooser_->measurementsToSave(
                window_, session_.measurements().stride(),
                QString::fromStdString(session_.defaultFileName(form::FileCommand::SaveMeasurements))))
            saveMeasurements(*choice);
        break;
    case form::FileCommand::CopyMeasurements:
        if (canSaveMeasurements()) QGuiApplication::clipboard()->setText(QString::fromStdString(session_.measurementsText()));
        break;
    case form::FileCommand::SaveImage:
        if (const QString path = chooser_->imageToSave(
                window_, QString::fromStdString(session_.defaultFileName(form::FileCommand::SaveImage)));
            !path.isEmpty())
            saveImage(path);
        break;
    case form::FileCommand::CopyThirdLaw:
        QGuiApplication::clipboard()->setText(QString::fromStdString(session_.thirdLawText()));
        break;
    case form::FileCommand::None: break;
    }
}

bool FileCommands::openScenario(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tellFault(QString::fromUtf8(form::unreadableFileText).arg(shownName(path)));
        return false;
    }
    // Never more than the cap and one byte: a huge file is refused without being read.
    const QByteArray bytes = file.read(static_cast<qint64>(form::scenarioInputCap) + 1);
    const form::ScenarioReading reading =
        session_.openScenarioFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!reading.refused) platform_.showTurn();
    if (!reading.messages.empty())
        platform_.messageBox(form::scenarioMessagesText(reading), form::scenarioMessagesTitle,
                             reading.refused ? platform::MessageStyle::Critical : platform::MessageStyle::Information);
    if (reading.refused) return false;
    // The drawing shows what the boxes now say, as "Réinitialiser le graphique" would.
    session_.perform(form::Command::ResetScene);
    platform_.showTurn();
    return true;
}

void FileCommands::saveScenario(const QString& path)
{
    const std::string text = session_.scenarioFileText();
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                       file.commit();
    if (!saved) tellFault(form::FileCommand::SaveScenario, path);
}

void FileCommands::saveMeasurements(const FileChooser::MeasurementsChoice& choice)
{
    // A long run's rows go to the file as they are written, a few kilobytes at a time, rather
    // than all into memory first.
    QSaveFile file(choice.path);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved)
        session_.writeMeasurements(
            [&](std::string_view piece) {
                const auto size = static_cast<qint64>(piece.size());
                saved = saved && file.write(piece.data(), size) == size;
            },
            choice.everyNth);
    saved = saved && file.commit();
    if (!saved) tellFault(form::FileCommand::SaveMeasurements, choice.path);
}

void FileCommands::saveImage(const QString& path)
{
    const QImage image = picture_(form::imageScale);
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
    if (!saved) tellFault(form::FileCommand::SaveImage, path);
}

void FileCommands::tellFault(form::FileCommand command, const QString& path)
{
    tellFault(QString::fromUtf8(form::unsavedFileText(command)).arg(shownName(path)));
}

void FileCommands::tellFault(const QString& text)
{
    // Titled by the menu the commands stand in: "Fichier".
    const char* menu = form::findMenuRow(form::menuRowOf(form::FileCommand::OpenScenario).parent)->text;
    platform_.messageBox(text.toStdString(), menu, platform::MessageStyle::Critical);
}

}  // namespace virenast::app
