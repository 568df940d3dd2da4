// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/label_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace virenast::app {
namespace {

// Serves every label, since Qt may ask for a label's interface before its name is given: the
// choice between caption and result is made each time the label is read. The shown text is
// also offered as the label's text (read only): that is what a screen reader on Linux reads,
// since Qt's AT-SPI bridge passes no value of a static text on.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override
    {
        const bool result = !label()->accessibleName().isEmpty();
        if (which == QAccessible::Name) return result ? label()->accessibleName() : label()->text();
        if (which == QAccessible::Value) return result ? label()->text() : QString();
        return QAccessibleWidget::text(which);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface: the whole shown text, with no caret and no selection.
    QString text(int startOffset, int endOffset) const override
    {
        return label()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(label()->text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    const QLabel* label() const { return static_cast<const QLabel*>(widget()); }
};

QAccessibleInterface* labelFactory(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    return label ? new LabelAccessible(label) : nullptr;
}

}  // namespace

void installLabelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(labelFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace virenast::app
