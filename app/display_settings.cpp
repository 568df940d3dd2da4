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

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

std::optional<std::string> SettingsChoiceStore::read(std::string_view key)
{
    const QVariant value = userSettings().value(fromUtf8(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void SettingsChoiceStore::write(std::string_view key, std::string_view value)
{
    userSettings().setValue(fromUtf8(key), fromUtf8(value));
}

}  // namespace virenast::app
