// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form1.h"

#include "app/number_widgets.h"
#include "display_settings.h"
#include "drawing_area.h"
#include "file_commands.h"
#include "graph_window.h"
#include "form/form1_description.h"
#include "form/session.h"
#include "form/start_geometry.h"
#include "form/window_commands.h"
#include "keyboard_controls.h"
#include "menu_bar.h"
#include "qt_window_platform.h"
#include "rocket_icon.h"
#include "show_reminder.h"
#include "window_placement.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>

#include <algorithm>
#include <utility>
#include <vector>

namespace virenast::app {
namespace {

using form::ControlDescription;
using form::ControlKind;

int pixels(int twips) { return twips / form::twipsPerPixel; }

QRect pixelBox(const form::Box& twips)
{
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

QColor qColour(form::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

form::Rgb rgbOf(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

QLabel* createLabel(const ControlDescription& control, QWidget& client)
{
    const QString text = QString::fromUtf8(control.text);
    auto* label = control.currentValue ? new NumberLabel(text, &client) : new QLabel(text, &client);
    label->setAlignment(control.centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(control.wordWrap);
    // Some labels overlap their neighbour's box by a few pixels: a label that paints its own
    // background spares the one beneath a repaint each time its text changes.
    label->setAutoFillBackground(true);
    return label;
}

QLineEdit* createTextBox(const ControlDescription& control, QWidget& client)
{
    const QString text = QString::fromUtf8(control.text);
    return control.currentValue ? new NumberBox(text, &client) : new QLineEdit(text, &client);
}

QScrollBar* createScrollBar(QWidget& client)
{
    auto* scrollBar = new TimeStepScrollBar(&client);
    scrollBar->setRange(form::timeStepRange.minimum, form::timeStepRange.maximum);
    scrollBar->setValue(form::timeStepRange.value);
    scrollBar->setSingleStep(form::timeStepRange.smallChange);
    scrollBar->setPageStep(form::timeStepRange.largeChange);
    return scrollBar;
}

// A control of the client area placed, named, spoken and pointed at as described.
void finish(QWidget& widget, const ControlDescription& control)
{
    widget.setObjectName(QString::fromLatin1(control.name));
    widget.setGeometry(pixelBox(control.box()));
    widget.setEnabled(!control.disabled);
    if (*control.spoken.name != '\0') {
        widget.setAccessibleName(QString::fromUtf8(control.spoken.name));
        widget.setAccessibleDescription(QString::fromUtf8(control.spoken.description));
    }
    // The cross-hair belongs to the window's own surface; a text box keeps its own I-beam.
    if (control.kind != ControlKind::TextBox) widget.setCursor(Qt::ArrowCursor);
}

template <typename Control, typename Widget, std::size_t count>
void keep(std::array<Widget*, count>& widgets, const ControlDescription& control, Widget* widget)
{
    if (const auto logic = control.logicControl<Control>()) widgets[platform::indexOf(*logic)] = widget;
}

}  // namespace

Form1::Form1(const QLocale& locale)
{
    setObjectName(QString::fromLatin1(form::windowName));
    setWindowTitle(QString::fromLatin1(form::windowCaption));
    setWindowIcon(rocketIcon());
    // The boxes are sized for a small dialog font of 11 pixels; the platform's own face at that
    // size, narrowed where the face has a condensed cut, lets every caption fit its box.
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    dialogFont.setStretch(QFont::Condensed);
    // Plain Latin text needs no complex shaping; skipping it makes writing the results at
    // every step of a run much cheaper.
    dialogFont.setStyleStrategy(QFont::PreferNoShaping);
    setFont(dialogFont);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setCursor(Qt::CrossCursor);
    setCentralWidget(client);

    Form1Widgets logic;
    std::vector<const QWidget*> keepClear;  // the drawing area first, then the current values
    const QWidget* buttonColumn = nullptr;
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlDescription& control : form::form1Controls()) {
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Label: {
            QLabel* label = createLabel(control, *client);
            keep<platform::Label>(logic.labels, control, label);
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            QLineEdit* box = createTextBox(control, *client);
            keep<platform::TextBox>(logic.textBoxes, control, box);
            widget = box;
            break;
        }
        case ControlKind::Button: {
            auto* button = new PushButton(QString::fromUtf8(control.text), client);
            const form::Command command = control.command;
            connect(button, &QPushButton::clicked, this, [this, command] { perform(command); });
            if (!buttonColumn) buttonColumn = button;
            widget = button;
            break;
        }
        case ControlKind::ScrollBar:
            logic.timeStep = createScrollBar(*client);
            widget = logic.timeStep;
            break;
        case ControlKind::Frame:
            logic.drawingArea = new DrawingArea(client);
            logic.drawingArea->setFocusPolicy(Qt::NoFocus);
            widget = logic.drawingArea;
            break;
        case ControlKind::Circle: {
            const auto& box = form::startGeometry().shapes[platform::indexOf(*control.logicControl<platform::Shape>())];
            CircleShape* circle = logic.drawingArea->addCircle(QString::fromLatin1(control.name),
                                                               QRectF(box[0], box[1], box[2], box[3]), control.colour);
            keep<platform::Shape>(logic.shapes, control, circle);
            continue;
        }
        case ControlKind::Line: {
            const auto& ends = form::startGeometry().lines[platform::indexOf(*control.logicControl<platform::Line>())];
            LineShape* line = logic.drawingArea->addLine(QString::fromLatin1(control.name),
                                                         QLineF(ends[0], ends[1], ends[2], ends[3]));
            keep<platform::Line>(logic.lines, control, line);
            continue;
        }
        case ControlKind::MenuItem: continue;  // built with the menu bar, from its row
        }
        finish(*widget, control);
        placed_.push_back({widget, control.box()});
        if (control.colour != form::Colour::Default) coloured_.push_back({widget, control.colour});
        if (control.kind == ControlKind::Frame || control.currentValue) keepClear.push_back(widget);
        if (control.takesFocus()) tabStops.emplace_back(control.tabIndex, widget);
    }

    std::ranges::sort(tabStops, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabStops.size(); ++i) setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    tabStops.front().second->setFocus();  // the window opens on its first tab stop

    platform_ = std::make_unique<QtWindowPlatform>(*this, logic, locale);
    platform_->setMessageBoxPlacement([this, buttonColumn, keepClear](QWidget& box) {
        placeMessageBox(box, *this, *buttonColumn, keepClear);
    });
    choiceStore_ = std::make_unique<SettingsChoiceStore>();
    session_ = std::make_unique<form::Session>(*platform_, *choiceStore_);
    platform_->setSession(session_.get());
    drawingArea_ = logic.drawingArea;
    fileCommands_ = std::make_unique<FileCommands>(*this, *platform_, *session_, [this](int scale) { return picture(scale); });
    drawingArea_->setShapes([this] { return session_->drawnShapes(); });
    drawingArea_->setSummary([this] { return session_->drawingSummary(); });
    client->installEventFilter(this);  // a larger window draws its whole layout larger

    menuBar_ = new MenuBar(*menuBar(), [this](const form::MenuRow& row) { choose(row); }, [this] { refreshFileMenu(); });
    graphs_ = new GraphWindow(*this, *session_, [this](const form::MenuRow& row) { choose(row); });
    platform_->setTurnWatcher([this] { graphs_->refresh(); });
    showChoices();
    refreshFileMenu();
    applyColours();
    // F10 opens the menu bar's first menu, as on Windows; the arrows go on from there.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });

    resize(pixels(form::clientWidth), pixels(form::clientHeight) + menuBar()->sizeHint().height());
    centreOnScreen(*this);
    new FramedCentring(*this);
    new ShowReminder(*this);
}

Form1::~Form1() = default;

// The drawing as it is now, drawn again at `scale` times its size on the screen, text and all,
// and the graphs on its right when they are shown.
QImage Form1::picture(int scale) const
{
    QImage drawing(drawingArea_->size() * scale, QImage::Format_RGB32);
    drawing.setDevicePixelRatio(scale);
    drawingArea_->render(&drawing);
    drawing.setDevicePixelRatio(1);
    if (!graphs_->isVisible()) return drawing;
    const QImage graphs = graphs_->picture(scale);
    QImage both(drawing.width() + graphs.width(), std::max(drawing.height(), graphs.height()), QImage::Format_RGB32);
    both.fill(drawingArea_->palette().color(QPalette::Window));
    QPainter painter(&both);
    painter.drawImage(0, 0, drawing);
    painter.drawImage(drawing.width(), 0, graphs);
    return both;
}

bool Form1::openScenario(const QString& path) { return fileCommands_->openScenario(path); }

void Form1::setFileChooser(std::unique_ptr<FileChooser> chooser) { fileCommands_->setChooser(std::move(chooser)); }

void Form1::refreshFileMenu()
{
    for (const form::FileCommand command : {form::FileCommand::SaveMeasurements, form::FileCommand::CopyMeasurements})
        menuBar_->action(form::menuRowOf(command))->setEnabled(fileCommands_->canSaveMeasurements());
}

void Form1::perform(form::Command command)
{
    session_->perform(command);
    platform_->showTurn();  // a command that does not yield (a reset) shows its end too
    refreshFileMenu();
}

void Form1::choose(const form::MenuRow& row)
{
    if (row.command != form::Command::None) {
        perform(row.command);
    } else if (row.fileCommand != form::FileCommand::None) {
        fileCommands_->perform(row.fileCommand);
        refreshFileMenu();
    } else {
        session_->choose(row);
        showChoices();
    }
}

void Form1::showChoices()
{
    menuBar_->show(session_->choices());
    applyColours();  // the scheme may be another
    drawingArea_->refreshShapes();
    graphs_->showChoices(session_->choices());
    graphs_->refresh();
}

// Every colour of the window by its role, from the session's scheme and the style's own face and
// text: again whenever either changes.
void Form1::applyColours()
{
    const QPalette platform = QApplication::palette();
    const form::Palette palette = session_->palette(
        {rgbOf(platform.color(QPalette::Window)), rgbOf(platform.color(QPalette::WindowText))});
    for (const auto& [widget, role] : coloured_) {
        const QColor colour = qColour(*palette.of(role));
        QPalette colours = widget->palette();
        const QPalette::ColorRole back = qobject_cast<QLineEdit*>(widget)     ? QPalette::Base
                                         : qobject_cast<QAbstractButton*>(widget) ? QPalette::Button
                                                                                 : QPalette::Window;
        colours.setColor(QPalette::All, back, colour);  // disabled boxes keep it too
        widget->setPalette(colours);
    }
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        QPalette colours = box->palette();
        colours.setColor(QPalette::Disabled, QPalette::Text, qColour(*palette.of(form::Colour::DisabledText)));
        box->setPalette(colours);
    }
    drawingArea_->setColours(palette);
    graphs_->setColours(palette);
}

// The window made larger (maximised on a projector's screen) or smaller draws its whole layout
// at the largest scale that fits, as the page does: every control placed and sized, and its text
// written, at that scale; the drawing too, while the logic still sees it in its own twips.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        const QSize size = centralWidget()->size();
        const double scale = std::min(static_cast<double>(size.width()) * form::twipsPerPixel / form::clientWidth,
                                      static_cast<double>(size.height()) * form::twipsPerPixel / form::clientHeight);
        if (scale > 0) scaleTo(scale, size);
    }
    return QMainWindow::eventFilter(watched, event);
}

// The layout at that scale, in the middle of the client area.
void Form1::scaleTo(double scale, QSize client)
{
    const auto scaled = [scale](int twips) { return static_cast<int>(std::lround(twips * scale / form::twipsPerPixel)); };
    const QPoint offset((client.width() - scaled(form::clientWidth)) / 2, (client.height() - scaled(form::clientHeight)) / 2);
    if (scale == scale_ && offset == offset_) return;
    scale_ = scale;
    offset_ = offset;
    for (const auto& [widget, box] : placed_) {
        // Each edge rounded on its own, so that controls that meet at scale 1 still meet.
        widget->setGeometry(QRect(offset + QPoint(scaled(box.left), scaled(box.top)),
                                  offset + QPoint(scaled(box.left + box.width) - 1, scaled(box.top + box.height) - 1)));
    }
    QFont text = font();
    text.setPixelSize(std::max(1, static_cast<int>(std::lround(11 * scale))));
    centralWidget()->setFont(text);
    drawingArea_->setScale(scale);
}

// A paced run does not make up the time the window spent minimised or hidden: it goes on from
// where it stood, at its pace.
void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && session_) session_->restartPace();
    // The desktop's colours changed (a dark theme chosen): the drawing follows them.
    if (event->type() == QEvent::PaletteChange && session_) applyColours();
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (session_) session_->restartPace();
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    graphs_->keepPlace();  // the program ends at once, without closing its windows
    form::closeProgram(*platform_);
}

}  // namespace virenast::app
