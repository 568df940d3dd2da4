// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_window_platform.h"

#include "app/box_title.h"
#include "drawing_area.h"
#include "form/form1_description.h"
#include "form/session.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace virenast::app {
namespace {

using platform::indexOf;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A message box as the desktop shows one: a dialog with a title bar and a close button only,
// modal to the application, wide enough for the window manager to write its whole title, and
// in its place once its size is known, before it appears on screen.
class PlacedMessageBox : public QMessageBox {
public:
    PlacedMessageBox(Icon icon, const QString& title, const QString& text, QWidget& window,
                     const QtWindowPlatform::MessageBoxPlacement& place)
        : QMessageBox(icon, title, text, QMessageBox::Ok, &window),
          titleWidth_(widthForTitle(title, QGuiApplication::font(), titleBarHeight(window))),
          place_(place)
    {
        // A message may quote what a scenario file holds: never read it as markup.
        setTextFormat(Qt::PlainText);
        // Setting the modality sets the window flags afresh: the flags come after it.
        setWindowModality(Qt::ApplicationModal);
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        holdTitleWidth();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QMessageBox::changeEvent(event);
        // Some window managers offer to minimise any dialog, and take the main window down with
        // it: with no task bar (a kiosk session), nothing would bring them back. A message box
        // is never minimised: show it again at once.
        if (event->type() == QEvent::WindowStateChange && isMinimized())
            QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMinimized); });
    }

    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);  // sizes the box
        if (place_) place_(*this);
    }

private:
    static int titleBarHeight(const QWidget& window) { return window.geometry().top() - window.frameGeometry().top(); }

    // The box fits itself to its text, when it is shown and again at each layout request,
    // reckoning the title in a small font. A row as wide as the title, under the rest, makes it
    // fit itself to the title as well: widening it afterwards would resize a box already on
    // screen, and a window manager may then put it back in a corner of the screen, its title
    // bar out of sight.
    void holdTitleWidth()
    {
        auto* grid = qobject_cast<QGridLayout*>(layout());
        if (grid == nullptr) return;
        const QMargins margins = grid->contentsMargins();
        const int row = std::max(titleWidth_ - margins.left() - margins.right(), 0);
        grid->addItem(new QSpacerItem(row, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }

    int titleWidth_;
    const QtWindowPlatform::MessageBoxPlacement& place_;
};

template <typename Widgets>
bool allThere(const Widgets& widgets)
{
    return std::ranges::none_of(widgets, [](const auto* widget) { return widget == nullptr; });
}

}  // namespace

QtWindowPlatform::QtWindowPlatform(QWidget& window, const Form1Widgets& widgets, const QLocale& locale)
    : WindowPlatform(platform::NumberText(locale.decimalPoint().toStdString())), window_(window), widgets_(widgets)
{
    Q_ASSERT(allThere(widgets_.textBoxes) && allThere(widgets_.labels) && allThere(widgets_.shapes) &&
             allThere(widgets_.lines) && widgets_.drawingArea && widgets_.timeStep);
}

std::string QtWindowPlatform::text(platform::TextBox box)
{
    if (const auto& pending = pendingTexts_[indexOf(box)]) return *pending;
    return widgets_.textBoxes[indexOf(box)]->text().toStdString();
}

void QtWindowPlatform::setText(platform::TextBox box, std::string_view text)
{
    pendingTexts_[indexOf(box)] = std::string(text);
}

void QtWindowPlatform::setCaption(platform::Label label, std::string_view caption)
{
    pendingCaptions_[indexOf(label)] = std::string(caption);
}

float QtWindowPlatform::shapeGeometry(platform::Shape shape, platform::ShapeGeometry which)
{
    const CircleShape& circle = *widgets_.shapes[indexOf(shape)];
    switch (which) {
    case platform::ShapeGeometry::Left: return circle.left();
    case platform::ShapeGeometry::Top: return circle.top();
    case platform::ShapeGeometry::Width: return circle.width();
    case platform::ShapeGeometry::Height: return circle.height();
    }
    throw platform::Error("no such side of a shape");
}

void QtWindowPlatform::setShapeGeometry(platform::Shape shape, platform::ShapeGeometry which, float twips)
{
    CircleShape& circle = *widgets_.shapes[indexOf(shape)];
    switch (which) {
    case platform::ShapeGeometry::Left: circle.setLeft(twips); return;
    case platform::ShapeGeometry::Top: circle.setTop(twips); return;
    case platform::ShapeGeometry::Width: circle.setWidth(twips); return;
    case platform::ShapeGeometry::Height: circle.setHeight(twips); return;
    }
    throw platform::Error("no such side of a shape");
}

float QtWindowPlatform::linePoint(platform::Line line, platform::LineEnd which)
{
    const LineShape& segment = *widgets_.lines[indexOf(line)];
    switch (which) {
    case platform::LineEnd::X1: return segment.x1();
    case platform::LineEnd::Y1: return segment.y1();
    case platform::LineEnd::X2: return segment.x2();
    case platform::LineEnd::Y2: return segment.y2();
    }
    throw platform::Error("no such end of a line");
}

void QtWindowPlatform::setLinePoint(platform::Line line, platform::LineEnd which, float twips)
{
    LineShape& segment = *widgets_.lines[indexOf(line)];
    switch (which) {
    case platform::LineEnd::X1: segment.setX1(twips); return;
    case platform::LineEnd::Y1: segment.setY1(twips); return;
    case platform::LineEnd::X2: segment.setX2(twips); return;
    case platform::LineEnd::Y2: segment.setY2(twips); return;
    }
    throw platform::Error("no such end of a line");
}

// The drawing's size as described, whatever the scale the window is drawn at.
float QtWindowPlatform::frameWidth() { return static_cast<float>(form::drawingArea().box().width); }

float QtWindowPlatform::frameHeight() { return static_cast<float>(form::drawingArea().box().height); }

std::int16_t QtWindowPlatform::scrollValue() { return static_cast<std::int16_t>(widgets_.timeStep->value()); }

void QtWindowPlatform::setScrollValue(std::int16_t value) { widgets_.timeStep->setValue(value); }

void QtWindowPlatform::messageBox(std::string_view text, std::string_view title, platform::MessageStyle style)
{
    const QMessageBox::Icon icon =
        style == platform::MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::Information;
    showTurn();  // the box stands over what the logic has written so far
    PlacedMessageBox box(icon, fromUtf8(title), fromUtf8(text), window_, placeMessageBox_);
    box.exec();
    // The time the box was open is not made up by running faster afterwards.
    if (session_ != nullptr) session_->restartPace();
}

void QtWindowPlatform::showTurn()
{
    for (std::size_t i = 0; i < pendingTexts_.size(); ++i) {
        if (!pendingTexts_[i]) continue;
        QLineEdit* lineEdit = widgets_.textBoxes[i];
        lineEdit->setText(fromUtf8(*pendingTexts_[i]));
        lineEdit->setCursorPosition(0);  // a number too long for its box shows its first digits
        pendingTexts_[i].reset();
    }
    for (std::size_t i = 0; i < pendingCaptions_.size(); ++i) {
        if (!pendingCaptions_[i]) continue;
        widgets_.labels[i]->setText(fromUtf8(*pendingCaptions_[i]));
        pendingCaptions_[i].reset();
    }
    widgets_.drawingArea->refreshShapes();
    if (atTurn_) atTurn_();
}

// At the maximal pace a step comes back at once until a frame's time has passed; a paced run
// turns whenever it waits for its step.
void QtWindowPlatform::yield()
{
    const auto now = std::chrono::steady_clock::now();
    const bool paced = session_ != nullptr && session_->paceWait().has_value();
    if (!paced && now - lastTurn_ < turnInterval) return;
    lastTurn_ = now;
    showTurn();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    waitForPace();
}

// Not a busy loop: the event loop sleeps until an event comes or the wait is over. A run started
// during the wait waits in its own loop, within this one.
void QtWindowPlatform::waitForPace()
{
    if (session_ == nullptr) return;
    while (const auto wait = session_->paceWait()) {
        QEventLoop loop;
        QTimer::singleShot(*wait, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void QtWindowPlatform::end()
{
    // The program keeps no file and no state worth saving, and a run in progress sits below
    // this call in the stack: leave at once, without unwinding into it.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace virenast::app
