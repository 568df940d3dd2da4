// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE

// GoogleTest prints a value it knows nothing of as its bytes ("2-byte object <53-00>"), which
// for a QString is only its pointer: this prints the text itself, quoted, in UTF-8, so that a
// failed comparison of two texts of the window shows both texts. Found by argument-dependent
// lookup, so it must be seen by every test file that compares QStrings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

QT_END_NAMESPACE
