// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/number_elision.h"

#include "form/number_elision.h"

namespace virenast::app {

QString fittedNumber(const QString& text, int availableWidth, const TextWidth& widthOf)
{
    const QByteArray utf8 = text.toUtf8();
    const std::string shown = form::fittedNumber(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), availableWidth,
        [&](std::string_view part) {
            return widthOf(QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size())), -1);
        });
    return QString::fromStdString(shown);
}

}  // namespace virenast::app
