// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

// The main window `Form1` described as data: every control with its name, kind, default text,
// place, colour and tab index, in the order in which the window creates them. Everything here
// is in twips (1/1440 inch, 15 twips per pixel at 96 dots per inch). The description holds no
// Qt type, so the tests can set up the in-memory window from the same defaults.
namespace virenast::app {

inline constexpr int twipsPerPixel = 15;

enum class ControlKind { Label, TextBox, Button, ScrollBar };

// Colours by their role; app/colours.h gives each one its concrete value.
enum class Colour {
    Default,         // the platform's colour for that kind of control
    Desktop,         // system colour 1
    ActiveTitleBar,  // system colour 2
    AppWorkspace,    // system colour 12
    Red,
    Green,
    DarkRed,
};

struct ControlDescription {
    int order;
    const char* name;
    ControlKind kind;
    const char* text;  // a label's or button's caption, a text box's default text
    int left, top, width, height;
    Colour back;
    int tabIndex;
    bool centred = false;   // text centred in the box
    bool wordWrap = false;  // text wrapped over several lines inside the box
    bool disabled = false;
};

struct ShapeDescription {
    int order;
    const char* name;
    int left, top, width, height;
    Colour fill;
};

struct LineDescription {
    int order;
    const char* name;
    int x1, y1, x2, y2;
};

struct FrameDescription {
    int order;
    const char* name;
    int left, top, width, height;
    int tabIndex;
};

struct ScrollRange {
    int minimum, maximum, value, smallChange, largeChange;
};

inline constexpr const char* windowName = "Form1";
inline constexpr const char* windowCaption = "Virenast";
inline constexpr int clientWidth = 15240;
inline constexpr int clientHeight = 10320;

inline constexpr const char* menuItemName = "apropos";
inline constexpr const char* menuItemCaption = "A propos";

inline constexpr ScrollRange timeStepRange{1, 24, 1, 1, 5};

// What a screen reader says of a control: its name, built from its row and column captions,
// and for some a description.
struct SpokenText {
    const char* control;
    const char* name;
    const char* description;
};

// Every control of the window other than the drawing area and its contents, by creation order.
std::span<const ControlDescription> form1Controls();
// The drawing area `frame1`, and the circles and lines it holds, in twips inside the frame.
const FrameDescription& drawingArea();
std::span<const ShapeDescription> form1Shapes();
std::span<const LineDescription> form1Lines();

const ControlDescription* findControl(const char* name);

// The spoken names of the boxes, the result labels and the scroll bar. Buttons and the menu
// item are spoken by their captions.
std::span<const SpokenText> form1SpokenTexts();

// The controls that show where the run stands: the current position, the elapsed time, the
// distances and the forces. They show their whole value on hover, and no message box covers them.
std::span<const char* const> form1CurrentValues();

}  // namespace virenast::app
