// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/form1.h"
#include "message_box_watcher.h"
#include "qstring_printing.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QString>
#include <QTest>
#include <QWindow>

#include <ostream>

// Reading and driving the real window by its controls' names, as a user sees them.
namespace virenast::testing {

inline QString shownText(app::Form1& window, const char* name)
{
    if (auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name))) return box->text();
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

inline void typeInto(app::Form1& window, const char* name, const QString& text)
{
    window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

inline float twips(app::Form1& window, const char* object, const char* property)
{
    return window.findChild<QObject*>(QString::fromLatin1(object))->property(property).toFloat();
}

// An item of the menu bar by its name.
inline QAction* item(app::Form1& window, const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

// Forgets the user's choices kept between runs, so that a test starts from the defaults and
// leaves none of its own to the next.
inline void forgetUserSettings()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Virenast"), QStringLiteral("Virenast")).clear();
}

inline QPushButton* button(app::Form1& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

// A click that goes through the window system, as a user's does, and so is refused while a
// modal box is open (a click sent straight to the widget would not be).
inline void clickAsUser(app::Form1& window, QWidget* target)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, target->mapTo(&window, target->rect().center()));
}

// Everything a run changes, as shown.
struct RunDisplay {
    QString xsc, ysc, tempscourant, dc1c, ac2c;
    float corpsLeft, corpsTop, line1X2;
    bool operator==(const RunDisplay&) const = default;
};

// A failed comparison of two displays shows them as a user reads them.
inline void PrintTo(const RunDisplay& shown, std::ostream* out)
{
    out->precision(9);  // the twips to the last bit of a float
    *out << "{ xsc " << shown.xsc.toStdString() << ", ysc " << shown.ysc.toStdString() << ", tempscourant "
         << shown.tempscourant.toStdString() << ", DC1C " << shown.dc1c.toStdString() << ", AC2C "
         << shown.ac2c.toStdString() << ", corps at " << shown.corpsLeft << "," << shown.corpsTop << ", Line1 X2 "
         << shown.line1X2 << " }";
}

inline RunDisplay runDisplay(app::Form1& window)
{
    return {shownText(window, "xsc"),        shownText(window, "ysc"),  shownText(window, "tempscourant"),
            shownText(window, "DC1C"),       shownText(window, "AC2C"), twips(window, "corps", "Left"),
            twips(window, "corps", "Top"),   twips(window, "Line1", "X2")};
}

// What a run of that many years shows at its end, undisturbed, in a window of its own.
inline RunDisplay undisturbedRunEnd(const char* years)
{
    app::Form1 window{QLocale(QLocale::French)};
    typeInto(window, "Text1", QString::fromUtf8(years));
    MessageBoxWatcher boxes;
    button(window, "Command2")->click();
    return runDisplay(window);
}

}  // namespace virenast::testing
