// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/number_widgets.h"

#include "app/number_elision.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace virenast::app {
namespace {

// The whole value with what it is, shown on hover. Built when asked, so that a run's steps pay
// nothing for it.
bool showWholeValue(QWidget& widget, QEvent* event, const QString& text)
{
    if (event->type() != QEvent::ToolTip) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = text.isEmpty() ? widget.accessibleName()
                                       : widget.accessibleName() + QStringLiteral(" : ") + text;
    QToolTip::showText(help->globalPos(), tip, &widget);
    return true;
}

QString fitted(const QString& text, const QFontMetrics& metrics, int width)
{
    return fittedNumber(text, width, [&](const QString& shown, qsizetype length) {
        return metrics.horizontalAdvance(shown, static_cast<int>(length));
    });
}

// The gap QLineEdit keeps between its contents and the text, on each side.
constexpr int lineEditHorizontalMargin = 2;

}  // namespace

bool NumberLabel::event(QEvent* event) { return showWholeValue(*this, event, text()) || QLabel::event(event); }

QString NumberLabel::shownText() const { return fitted(text(), fontMetrics(), contentsRect().width()); }

void NumberLabel::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

bool NumberBox::event(QEvent* event) { return showWholeValue(*this, event, text()) || QLineEdit::event(event); }

QRect NumberBox::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(lineEditHorizontalMargin, 0, -lineEditHorizontalMargin, 0);
}

QString NumberBox::shownText() const { return fitted(text(), fontMetrics(), textArea().width()); }

void NumberBox::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    // The box is never edited, so there is no caret or selection to draw: the frame, then the text.
    QStyleOptionFrame option;
    initStyleOption(&option);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(textArea(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

}  // namespace virenast::app
