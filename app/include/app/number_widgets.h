// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QLineEdit>

namespace virenast::app {

// The controls that show the run's current values: the result labels and the current-position
// boxes. Their text stays the full text the run wrote (tests, tools and screen readers read
// it); on screen, a number too long for the box keeps its exponent and loses mantissa digits
// instead (see fittedNumber), and hovering shows the whole value with its caption, which is the
// control's accessible name.

class NumberLabel : public QLabel {
public:
    using QLabel::QLabel;

    // What the label shows on screen: its text, or that text fitted to its width.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A box that only the run writes: disabled, so it takes neither the focus nor typing.
class NumberBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
};

}  // namespace virenast::app
