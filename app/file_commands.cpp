// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_commands.h"

#include "qt_window_platform.h"
#include "sim/measurements.h"
#include "sim/scenario.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <array>
#include <ostream>
#include <streambuf>

namespace virenast::app {
namespace {

constexpr const char* scenarioTitle = "Scénario";
constexpr const char* fileTitle = "Fichier";

// A stream onto a Qt device, so that a long run's rows go to the file as they are written
// rather than all into memory first.
class DeviceBuffer final : public std::streambuf {
public:
    explicit DeviceBuffer(QIODevice& device) : device_(device)
    {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    ~DeviceBuffer() override { sync(); }
    DeviceBuffer(const DeviceBuffer&) = delete;
    DeviceBuffer& operator=(const DeviceBuffer&) = delete;

protected:
    int_type overflow(int_type c) override
    {
        if (sync() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }

    int sync() override
    {
        const auto size = static_cast<qint64>(pptr() - pbase());
        const bool written = size == 0 || device_.write(pbase(), size) == size;
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return written ? 0 : -1;
    }

private:
    QIODevice& device_;
    std::array<char, 64 * 1024> buffer_{};
};

QString shownName(const QString& path) { return QFileInfo(path).fileName(); }

}  // namespace

FileCommands::FileCommands(QWidget& window, QtWindowPlatform& platform, const sim::MeasurementLog& measurements)
    : window_(window), platform_(platform), measurements_(measurements), chooser_(dialogFileChooser())
{
}

bool FileCommands::canSaveMeasurements() const { return measurements_.hasRows(); }

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
        const std::string link = form::scenarioLinkBase + sim::scenarioLink(sim::currentScenario(platform_));
        QGuiApplication::clipboard()->setText(QString::fromStdString(link));
        break;
    }
    case form::FileCommand::SaveMeasurements:
        // Asked before the dialogs too: the item may have been reached while a run began.
        if (!canSaveMeasurements()) break;
        if (const auto choice = chooser_->measurementsToSave(window_, measurements_.stride()))
            saveMeasurements(*choice);
        break;
    case form::FileCommand::None: break;
    }
}

bool FileCommands::openScenario(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tellFault(QStringLiteral("Le fichier « %1 » ne peut pas être lu : rien n'a changé.").arg(shownName(path)));
        return false;
    }
    // Never more than the cap and one byte: a huge file is refused without being read.
    const QByteArray bytes = file.read(static_cast<qint64>(sim::scenarioInputCap) + 1);
    const sim::ScenarioReading reading =
        sim::readScenarioFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!reading.refused) {
        sim::applyScenario(reading.scenario, platform_);
        platform_.showTurn();
    }
    if (!reading.messages.empty())
        platform_.messageBox(sim::scenarioMessagesText(reading), scenarioTitle,
                             reading.refused ? platform::MessageStyle::Critical : platform::MessageStyle::Information);
    return !reading.refused;
}

void FileCommands::saveScenario(const QString& path)
{
    const std::string text = sim::scenarioFile(sim::currentScenario(platform_));
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                       file.commit();
    if (!saved) tellFault(QStringLiteral("Le scénario n'a pas pu être enregistré dans « %1 ».").arg(shownName(path)));
}

void FileCommands::saveMeasurements(const FileChooser::MeasurementsChoice& choice)
{
    QSaveFile file(choice.path);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved) {
        DeviceBuffer buffer(file);
        std::ostream out(&buffer);
        sim::writeMeasurementsCsv(out, measurements_.rows(), platform_.numbers(), choice.everyNth);
        out.flush();
        saved = out.good();
    }
    saved = saved && file.commit();
    if (!saved)
        tellFault(
            QStringLiteral("Les mesures n'ont pas pu être enregistrées dans « %1 ».").arg(shownName(choice.path)));
}

void FileCommands::tellFault(const QString& text)
{
    platform_.messageBox(text.toStdString(), fileTitle, platform::MessageStyle::Critical);
}

}  // namespace virenast::app
