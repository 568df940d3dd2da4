// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph_window.h"

#include "drawing_area.h"
#include "form/form1_description.h"
#include "form/session.h"
#include "app/view_placement.h"
#include "menu_bar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace virenast::app {
namespace {


// Where the view's place and size are kept: under its own name.
QString geometryKey() { return QString::fromLatin1(form::graphViewName) + QStringLiteral("/geometry"); }

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Virenast"),
                     QStringLiteral("Virenast"));
}

QString utf8(const char* text) { return QString::fromUtf8(text); }

// The graphs at their own size, in pixels.
QSize graphPixels()
{
    return {static_cast<int>(sim::GraphView::width) / form::twipsPerPixel,
            static_cast<int>(sim::GraphView::height) / form::twipsPerPixel};
}

}  // namespace

GraphWindow::GraphWindow(QWidget& mainWindow, form::Session& session, Choose choose)
    : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow), session_(session), choose_(std::move(choose))
{
    const form::MenuRow* view = form::findMenuRow(form::graphViewName);
    setObjectName(QString::fromLatin1(form::graphViewName));
    setWindowTitle(utf8(view->text));
    setAccessibleName(utf8(view->spoken.name));
    setAccessibleDescription(utf8(view->spoken.description));
    setFont(mainWindow.font());

    auto* layout = new QVBoxLayout(this);
    // A check box for each curve, four to a line, then the table's copy.
    auto* boxes = new QWidget(this);
    auto* lines = new QGridLayout(boxes);
    lines->setContentsMargins(0, 0, 0, 0);
    QPushButton* copy = nullptr;
    for (const form::MenuRow& row : form::menuBarRows()) {
        if (row.parent == nullptr || std::string_view(row.parent) != form::graphViewName) continue;
        QAbstractButton* button = nullptr;
        if (row.checkable()) {
            auto* box = new QCheckBox(mnemonicText(row.text, row.accessKeyIndex()), boxes);
            const auto place = static_cast<int>(boxes_.size());
            lines->addWidget(box, place / 4, place % 4);
            boxes_.emplace_back(&row, box);
            button = box;
        } else {
            copy = new QPushButton(mnemonicText(row.text, row.accessKeyIndex()), this);
            button = copy;
        }
        button->setObjectName(QString::fromLatin1(row.name));
        button->setAccessibleName(utf8(row.spoken.name));
        button->setAccessibleDescription(utf8(row.spoken.description));
        button->setToolTip(utf8(row.spoken.description));
        connect(button, &QAbstractButton::clicked, this, [this, &row] { choose_(row); });
    }
    layout->addWidget(boxes);

    drawing_ = new DrawingArea(this);
    drawing_->setObjectName(QStringLiteral("graphiques"));
    drawing_->setAccessibleName(utf8(view->text));
    drawing_->setMinimumSize(graphPixels() / 2);
    drawing_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    drawing_->setShapes([this] { return session_.graphShapes(); });
    drawing_->setSummary([this] { return session_.graphSummary(); });
    drawing_->setMouseTracking(true);
    drawing_->installEventFilter(this);
    layout->addWidget(drawing_, 1);

    auto* title = new QLabel(utf8(sim::thirdLawTitle), this);
    layout->addWidget(title);
    table_ = new QTableWidget(0, static_cast<int>(sim::thirdLawColumns.size()), this);
    table_->setObjectName(QStringLiteral("troisiemeLoi"));
    table_->setAccessibleName(utf8(sim::thirdLawTitle));
    QStringList headings;
    for (const char* heading : sim::thirdLawColumns) headings << utf8(heading);
    table_->setHorizontalHeaderLabels(headings);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setMaximumHeight(140);
    title->setBuddy(table_);
    layout->addWidget(table_);
    if (copy) layout->addWidget(copy, 0, Qt::AlignRight);

    resize(graphPixels() + QSize(24, 240));
    keeping_ = new QTimer(this);
    keeping_->setSingleShot(true);
    keeping_->setInterval(500);
    connect(keeping_, &QTimer::timeout, this, &GraphWindow::keepPlace);
}

void GraphWindow::showChoices(const form::DisplayChoices& choices)
{
    for (const auto& [row, box] : boxes_) box->setChecked(choices.checks(*row));
    const bool shown = choices.checked(form::graphsItemName);
    if (shown == isVisible()) return;
    if (shown) {
        if (!placed_) placeBesideMainWindow();
        placed_ = true;
        show();
        refresh();
    } else {
        hide();
    }
}

void GraphWindow::placeBesideMainWindow()
{
    // Where it was last, if that is still on a screen and clear of the main window.
    const QByteArray kept = userSettings().value(geometryKey()).toByteArray();
    if (!kept.isEmpty() && restoreGeometry(kept)) {
        const QScreen* screen = mainWindow_.screen();
        if (screen && screen->availableGeometry().contains(frameGeometry()) &&
            !frameGeometry().intersects(mainWindow_.frameGeometry()))
            return;
    }
    const QScreen* screen = mainWindow_.screen();
    if (!screen) return;
    // Its frame is taken to be the main window's own (it is known only once the window is shown).
    const QRect outer = mainWindow_.frameGeometry();
    const QRect inner = mainWindow_.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    setGeometry(besideWindow(outer, screen->availableGeometry(), size(), frame));
}

void GraphWindow::refresh()
{
    if (!isVisible()) return;
    fitDrawing();
    drawing_->refreshShapes();
    refreshTable();
}

void GraphWindow::fitDrawing()
{
    const QSize room = drawing_->contentsRect().size();
    const QSize own = graphPixels();
    drawing_->setScale(std::min(static_cast<double>(room.width()) / own.width(),
                                static_cast<double>(room.height()) / own.height()));
}

void GraphWindow::refreshTable()
{
    const auto& rows = session_.thirdLawRows();
    if (static_cast<std::size_t>(table_->rowCount()) == rows.size()) return;
    table_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const sim::ThirdLawRow& row = rows[i];
        const auto figure = [&](double value) { return new QTableWidgetItem(QString::fromStdString(session_.thirdLawFigure(value))); };
        table_->setItem(static_cast<int>(i), 0, figure(row.period));
        table_->setItem(static_cast<int>(i), 1, figure(row.semiMajorAxis));
        table_->setItem(static_cast<int>(i), 2, figure(row.ratio));
        table_->setItem(static_cast<int>(i), 3, new QTableWidgetItem(utf8(sim::body2PullText(row.body2Pulled))));
    }
    table_->scrollToBottom();
}

void GraphWindow::setColours(const form::Palette& palette) { drawing_->setColours(palette); }

QImage GraphWindow::picture(int scale) const
{
    QImage image(drawing_->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    drawing_->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == drawing_) {
        if (event->type() == QEvent::Resize) {
            fitDrawing();
        } else if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) {
            // The value under the pointer, or under a finger's tap, whole.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPointF twips = drawing_->twips(mouse->position());
            const auto reading = session_.graphReadingAt({static_cast<float>(twips.x()), static_cast<float>(twips.y())});
            if (reading)
                QToolTip::showText(mouse->globalPosition().toPoint(), QString::fromStdString(reading->text), drawing_);
            else
                QToolTip::hideText();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GraphWindow::closeEvent(QCloseEvent* event)
{
    // Closed by its title bar: "Graphiques" is unchecked, as the user would have done.
    event->accept();
    if (const form::MenuRow* item = form::findMenuRow(form::graphsItemName); item && isVisible()) choose_(*item);
}

void GraphWindow::keepPlace()
{
    if (placed_) userSettings().setValue(geometryKey(), saveGeometry());
}

void GraphWindow::hideEvent(QHideEvent* event)
{
    keepPlace();
    QWidget::hideEvent(event);
}

void GraphWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (isVisible()) keeping_->start();
}

void GraphWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible()) keeping_->start();
}

}  // namespace virenast::app
