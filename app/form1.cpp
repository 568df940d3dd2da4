// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form1.h"

#include "app/number_widgets.h"
#include "display_menu_bar.h"
#include "display_settings.h"
#include "file_commands.h"
#include "file_menu_bar.h"
#include "drawing_area.h"
#include "form/colours.h"
#include "form/form1_description.h"
#include "form/start_geometry.h"
#include "form/window_commands.h"
#include "keyboard_controls.h"
#include "form/path_colours.h"
#include "qt_window_platform.h"
#include "rocket_icon.h"
#include "show_reminder.h"
#include "sim/body_path.h"
#include "sim/measurements.h"
#include "sim/orbit_simulation.h"
#include "sim/run_pace.h"
#include "window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
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

// The colour of a role, or an invalid colour for the style's own.
QColor colourOf(form::Colour colour)
{
    const auto rgb = form::rgbOf(colour);
    return rgb ? QColor(rgb->red, rgb->green, rgb->blue) : QColor();
}

void setBackColour(QWidget& widget, form::Colour colour, QPalette::ColorRole role)
{
    const QColor value = colourOf(colour);
    if (!value.isValid()) return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::All, role, value);  // disabled boxes keep it too
    widget.setPalette(palette);
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
    setBackColour(*label, control.colour, QPalette::Window);
    return label;
}

QLineEdit* createTextBox(const ControlDescription& control, QWidget& client)
{
    const QString text = QString::fromUtf8(control.text);
    auto* box = control.currentValue ? new NumberBox(text, &client) : new QLineEdit(text, &client);
    setBackColour(*box, control.colour, QPalette::Base);
    QPalette palette = box->palette();
    const form::Rgb disabled = form::disabledText;
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(disabled.red, disabled.green, disabled.blue));
    box->setPalette(palette);
    return box;
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
    const auto forward = [this](form::Command command) {
        return [this, command] {
            form::perform(command, *simulation_, *platform_);
            platform_->showTurn();  // a command that does not yield (a reset) shows its end too
            refreshFileMenu();
        };
    };
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
            setBackColour(*button, control.colour, QPalette::Button);
            connect(button, &QPushButton::clicked, this, forward(control.command));
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
            CircleShape* circle = logic.drawingArea->addCircle(
                QString::fromLatin1(control.name), QRectF(box[0], box[1], box[2], box[3]), colourOf(control.colour));
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
        case ControlKind::MenuItem: {
            QAction* item = menuBar()->addAction(QString::fromUtf8(control.text));
            item->setObjectName(QString::fromLatin1(control.name));
            connect(item, &QAction::triggered, this, forward(control.command));
            continue;
        }
        }
        finish(*widget, control);
        if (control.kind == ControlKind::Frame || control.currentValue) keepClear.push_back(widget);
        if (control.takesFocus()) tabStops.emplace_back(control.tabIndex, widget);
    }

    std::ranges::sort(tabStops, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabStops.size(); ++i) setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    tabStops.front().second->setFocus();  // the window opens on its first tab stop

    resize(pixels(form::clientWidth), pixels(form::clientHeight) + menuBar()->sizeHint().height());
    centreOnScreen(*this);
    new FramedCentring(*this);
    new ShowReminder(*this);

    platform_ = std::make_unique<QtWindowPlatform>(*this, logic, locale);
    platform_->setMessageBoxPlacement([this, buttonColumn, keepClear](QWidget& box) {
        placeMessageBox(box, *this, *buttonColumn, keepClear);
    });
    simulation_ = std::make_unique<sim::OrbitSimulation>(*platform_);

    // What a class needs to see a run: the body's path and a pace it can follow.
    drawingArea_ = logic.drawingArea;
    bodyPath_ = std::make_unique<sim::BodyPath>();
    clock_ = std::make_unique<sim::SteadyPaceClock>();
    pacer_ = std::make_unique<sim::RunPacer>(*clock_);
    simulation_->addObserver(*bodyPath_);
    simulation_->addObserver(*pacer_);
    // What a class takes away: the last run's measurements.
    measurements_ = std::make_unique<sim::MeasurementLog>();
    simulation_->addObserver(*measurements_);
    fileCommands_ = std::make_unique<FileCommands>(*this, *platform_, *measurements_);
    platform_->setPacer(pacer_.get(), clock_.get());
    const QColor background = drawingArea_->palette().color(QPalette::Window);
    const form::Rgb bodyColour = *form::rgbOf(form::findControl("corps")->colour);
    const form::Rgb path = form::pathColour(bodyColour, form::Rgb{static_cast<std::uint8_t>(background.red()),
                                                            static_cast<std::uint8_t>(background.green()),
                                                            static_cast<std::uint8_t>(background.blue())});
    drawingArea_->setBodyPath(bodyPath_.get(), QColor(path.red, path.green, path.blue));
    displayMenu_ = new DisplayMenuBar(*menuBar(), [this](form::DisplayCommand command) { choose(command); });
    choices_ = loadDisplayChoices();
    showChoices();
    fileMenu_ = new FileMenuBar(
        *menuBar(),
        [this](form::FileCommand command) {
            fileCommands_->perform(command);
            refreshFileMenu();
        },
        [this] { refreshFileMenu(); });
    refreshFileMenu();
    // F10 opens the menu bar's first menu, as on Windows; the arrows go on from there.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

Form1::~Form1() = default;

bool Form1::openScenario(const QString& path) { return fileCommands_->openScenario(path); }

void Form1::setFileChooser(std::unique_ptr<FileChooser> chooser) { fileCommands_->setChooser(std::move(chooser)); }

void Form1::refreshFileMenu()
{
    fileMenu_->action(form::FileCommand::SaveMeasurements)->setEnabled(fileCommands_->canSaveMeasurements());
}

void Form1::choose(form::DisplayCommand command)
{
    choices_.apply(command);
    showChoices();
    saveDisplayChoices(choices_);
}

void Form1::showChoices()
{
    displayMenu_->show(choices_);
    drawingArea_->setPathShown(choices_.trajectoryShown);
    pacer_->setPace(choices_.pace);
    if (choices_.pace == sim::Pace::Maximal) platform_->stopWaiting();
}

// A paced run does not make up the time the window spent minimised or hidden: it goes on from
// where it stood, at its pace.
void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && pacer_) pacer_->restartFromNow();
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (pacer_) pacer_->restartFromNow();
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    form::closeProgram(*platform_);
}

}  // namespace virenast::app
