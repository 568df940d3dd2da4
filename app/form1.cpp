// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "colours.h"
#include "drawing_area.h"
#include "form1_description.h"
#include "platform/qt_window_platform.h"
#include "box_placement.h"
#include "keyboard_controls.h"
#include "label_accessibility.h"
#include "number_widgets.h"
#include "rocket_icon.h"
#include "sim/orbit_simulation.h"
#include "window_commands.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <vector>

namespace virenast::app {
namespace {

int pixels(int twips) { return twips / twipsPerPixel; }

QRect pixelBox(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

void setBackColour(QWidget& widget, Colour colour, QPalette::ColorRole role)
{
    const QColor value = colourOf(colour);
    if (!value.isValid()) return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::All, role, value);  // disabled boxes keep it too
    widget.setPalette(palette);
}

bool showsACurrentValue(const ControlDescription& control)
{
    const auto values = form1CurrentValues();
    return std::any_of(values.begin(), values.end(),
                       [&](const char* name) { return std::strcmp(name, control.name) == 0; });
}

QWidget* createControl(const ControlDescription& control, QWidget& client)
{
    const QString text = QString::fromUtf8(control.text);
    const bool currentValue = showsACurrentValue(control);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = currentValue ? new NumberLabel(text, &client) : new QLabel(text, &client);
        label->setAlignment(control.centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(control.wordWrap);
        // Some labels overlap their neighbour's box by a few pixels: a label that paints its own
        // background spares the one beneath a repaint each time its text changes.
        label->setAutoFillBackground(true);
        setBackColour(*label, control.back, QPalette::Window);
        widget = label;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = currentValue ? new NumberBox(text, &client) : new QLineEdit(text, &client);
        setBackColour(*box, control.back, QPalette::Base);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Disabled, QPalette::Text, disabledTextColour());
        box->setPalette(palette);
        widget = box;
        break;
    }
    case ControlKind::Button: {
        auto* button = new PushButton(text, &client);
        setBackColour(*button, control.back, QPalette::Button);
        widget = button;
        break;
    }
    case ControlKind::ScrollBar: {
        auto* scrollBar = new TimeStepScrollBar(&client);
        scrollBar->setRange(timeStepRange.minimum, timeStepRange.maximum);
        scrollBar->setValue(timeStepRange.value);
        scrollBar->setSingleStep(timeStepRange.smallChange);
        scrollBar->setPageStep(timeStepRange.largeChange);
        widget = scrollBar;
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(pixelBox(control.left, control.top, control.width, control.height));
    widget->setEnabled(!control.disabled);
    // The cross-hair belongs to the window's own surface; a text box keeps its own I-beam.
    if (control.kind != ControlKind::TextBox) widget->setCursor(Qt::ArrowCursor);
    return widget;
}

}  // namespace

Form1::Form1(const QLocale& locale)
{
    installLabelAccessibility();
    setObjectName(QString::fromLatin1(windowName));
    setWindowTitle(QString::fromLatin1(windowCaption));
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

    QAction* about = menuBar()->addAction(QString::fromUtf8(menuItemCaption));
    about->setObjectName(QString::fromLatin1(menuItemName));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setCursor(Qt::CrossCursor);
    setCentralWidget(client);
    buildControls(*client);

    resize(pixels(clientWidth), pixels(clientHeight) + menuBar()->sizeHint().height());
    centreOnScreen();

    platform_ = std::make_unique<platform::QtWindowPlatform>(*this, locale);
    platform_->setMessageBoxPlacement([this](QWidget& box) { placeMessageBox(box); });
    simulation_ = std::make_unique<sim::OrbitSimulation>(*platform_);
    bindEvents();
}

Form1::~Form1() = default;

void Form1::buildControls(QWidget& client)
{
    std::vector<std::pair<int, QWidget*>> tabStops;
    const int frameOrder = drawingArea().order;
    bool frameBuilt = false;
    for (const ControlDescription& control : form1Controls()) {
        if (!frameBuilt && control.order > frameOrder) {
            buildDrawingArea(client);
            frameBuilt = true;
        }
        QWidget* widget = createControl(control, client);
        if (control.kind != ControlKind::Label) tabStops.emplace_back(control.tabIndex, widget);
    }
    if (!frameBuilt) buildDrawingArea(client);

    for (const SpokenText& spoken : form1SpokenTexts()) {
        QWidget* widget = client.findChild<QWidget*>(QString::fromLatin1(spoken.control));
        widget->setAccessibleName(QString::fromUtf8(spoken.name));
        widget->setAccessibleDescription(QString::fromUtf8(spoken.description));
    }

    std::ranges::sort(tabStops, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    client.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setFocus();
}

void Form1::buildDrawingArea(QWidget& client)
{
    const FrameDescription& frame = drawingArea();
    auto* area = new DrawingArea(&client);
    area->setObjectName(QString::fromLatin1(frame.name));
    area->setGeometry(pixelBox(frame.left, frame.top, frame.width, frame.height));
    area->setCursor(Qt::ArrowCursor);
    area->setFocusPolicy(Qt::NoFocus);
    for (const ShapeDescription& shape : form1Shapes())
        area->addCircle(QString::fromLatin1(shape.name),
                        QRectF(shape.left, shape.top, shape.width, shape.height), colourOf(shape.fill));
    for (const LineDescription& line : form1Lines())
        area->addLine(QString::fromLatin1(line.name), QLineF(line.x1, line.y1, line.x2, line.y2));
}

void Form1::bindEvents()
{
    const auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    connect(button("Command1"), &QPushButton::clicked, this, [this] { simulation_->resetScene(); });
    connect(button("Command2"), &QPushButton::clicked, this, [this] { simulation_->runCalculation(); });
    connect(button("Command3"), &QPushButton::clicked, this, [this] { showPause(*platform_); });
    connect(findChild<QAction*>(QString::fromLatin1(menuItemName)), &QAction::triggered, this,
            [this] { showAbout(*platform_); });
}

void Form1::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // A window's position is that of its frame (title bar, borders), which is known once the
    // window manager has framed it; until then the frame is the client area alone.
    QRect centred(QPoint(), frameGeometry().size());
    centred.moveCenter(screen->availableGeometry().center());
    move(centred.topLeft());
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (framed_) return;
    // The window manager frames the window a moment after it appears: centre it again, frame
    // included, once, as soon as the frame is known (looked for during the first second).
    QTimer::singleShot(0, this, [this] { recentreOnceFramed(); });
}

void Form1::recentreOnceFramed()
{
    if (framed_ || !isVisible()) return;
    if (frameGeometry().size() == geometry().size()) {
        if (++framingWaits_ < 50) QTimer::singleShot(20, this, [this] { recentreOnceFramed(); });
        return;
    }
    framed_ = true;
    centreOnScreen();
}

void Form1::placeMessageBox(QWidget& box)
{
    const QScreen* screen = this->screen();
    if (!screen) return;
    // A box's frame is taken to be as wide as the main window's own.
    const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    const auto globalRect = [](const QWidget* widget) {
        return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    };
    std::vector<QRect> keepClear{globalRect(findChild<QWidget*>(QString::fromLatin1(drawingArea().name)))};
    for (const char* name : form1CurrentValues())
        keepClear.push_back(globalRect(findChild<QWidget*>(QString::fromLatin1(name))));
    // Best over the buttons' column, just below the drawing area (one title bar's height lower,
    // so that a framed box's title bar does not touch the drawing's edge).
    const QWidget* buttons = findChild<QWidget*>(QStringLiteral("Command1"));
    const QPoint preferred(globalRect(buttons).center().x(), keepClear.front().bottom() + 1 + frame.top());
    const BoxSurroundings around{frameGeometry(), screen->availableGeometry(), preferred, keepClear};
    if (const auto place = placeClear(box.size().grownBy(frame), around)) box.move(*place);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    closeProgram(*platform_);
}

}  // namespace virenast::app
