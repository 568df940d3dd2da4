// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display_settings.h"

#include <QSettings>

namespace virenast::app {
namespace {

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Virenast"),
                     QStringLiteral("Virenast"));
}

}  // namespace

form::DisplayChoices loadDisplayChoices()
{
    const QSettings settings = userSettings();
    return form::loadChoices([&settings](std::string_view key) -> std::optional<std::string> {
        const QVariant value = settings.value(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
        if (!value.isValid()) return std::nullopt;
        return value.toString().toStdString();
    });
}

void saveDisplayChoices(const form::DisplayChoices& choices)
{
    QSettings settings = userSettings();
    for (const form::StoredChoice& choice : form::storedChoices(choices))
        settings.setValue(QString::fromLatin1(choice.key), QString::fromStdString(choice.value));
}

}  // namespace virenast::app
