// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace virenast::app {
namespace {

// Serves every label, since Qt may ask for a label's interface before its name is given: the
// choice between caption and result is made each time the label is read.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        const bool result = !label->accessibleName().isEmpty();
        if (which == QAccessible::Name) return result ? label->accessibleName() : label->text();
        if (which == QAccessible::Value) return result ? label->text() : QString();
        return QAccessibleWidget::text(which);
    }
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
