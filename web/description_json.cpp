// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "description_json.h"

#include "form/colours.h"
#include "form/display_choices.h"
#include "form/file_menu.h"
#include "form/form1_description.h"
#include "form/menu_bar.h"
#include "form/scroll_keys.h"
#include "sim/drawing.h"
#include "sim/graph_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

namespace virenast::web {
namespace {

using form::Command;
using form::ControlDescription;
using form::ControlKind;
using form::MenuRow;
using form::MenuRowKind;
using form::ScrollAction;
using form::ScrollKey;
using platform::LineEnd;
using platform::MessageStyle;
using platform::ShapeGeometry;

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::TextBox: return "textBox";
    case ControlKind::Button: return "button";
    case ControlKind::ScrollBar: return "scrollBar";
    case ControlKind::Frame: return "frame";
    case ControlKind::Circle: return "circle";
    case ControlKind::Line: return "line";
    case ControlKind::MenuItem: return "menuItem";
    }
    return "";
}

// The names that the page's scripts use for the program's values: a value that has no name
// here is a compile error (-Wswitch), and a name that the page uses and this lacks fails the
// page's check of its names.
const char* commandName(Command command)
{
    switch (command) {
    case Command::None: return "None";
    case Command::ResetScene: return "ResetScene";
    case Command::RunCalculation: return "RunCalculation";
    case Command::ShowPause: return "ShowPause";
    case Command::ShowAbout: return "ShowAbout";
    }
    return "";
}
constexpr std::array allCommands{Command::None, Command::ResetScene, Command::RunCalculation, Command::ShowPause,
                                 Command::ShowAbout};

const char* fileCommandName(form::FileCommand command)
{
    switch (command) {
    case form::FileCommand::None: return "None";
    case form::FileCommand::OpenScenario: return "OpenScenario";
    case form::FileCommand::SaveScenario: return "SaveScenario";
    case form::FileCommand::CopyLink: return "CopyLink";
    case form::FileCommand::SaveMeasurements: return "SaveMeasurements";
    case form::FileCommand::CopyMeasurements: return "CopyMeasurements";
    case form::FileCommand::SaveImage: return "SaveImage";
    case form::FileCommand::CopyThirdLaw: return "CopyThirdLaw";
    }
    return "";
}
constexpr std::array allFileCommands{form::FileCommand::None, form::FileCommand::OpenScenario,
                                     form::FileCommand::SaveScenario, form::FileCommand::CopyLink,
                                     form::FileCommand::SaveMeasurements, form::FileCommand::CopyMeasurements,
                                     form::FileCommand::SaveImage, form::FileCommand::CopyThirdLaw};
static_assert(allFileCommands.size() == static_cast<std::size_t>(form::FileCommand::CopyThirdLaw) + 1,
              "a file command without its name");

const char* menuRowKindName(MenuRowKind kind)
{
    switch (kind) {
    case MenuRowKind::Menu: return "menu";
    case MenuRowKind::Item: return "item";
    case MenuRowKind::Checkable: return "checkable";
    case MenuRowKind::Exclusive: return "exclusive";
    case MenuRowKind::View: return "view";
    }
    return "";
}

// The colour roles by name, as the palette gives them and the controls name them.
const char* colourName(form::Colour colour)
{
    switch (colour) {
    case form::Colour::Default: return "";
    case form::Colour::Desktop: return "Desktop";
    case form::Colour::ActiveTitleBar: return "ActiveTitleBar";
    case form::Colour::AppWorkspace: return "AppWorkspace";
    case form::Colour::Red: return "Red";
    case form::Colour::Green: return "Green";
    case form::Colour::DarkRed: return "DarkRed";
    case form::Colour::DisabledText: return "DisabledText";
    case form::Colour::DrawingBack: return "DrawingBack";
    case form::Colour::Outline: return "Outline";
    }
    return "";
}

const char* messageStyleName(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Critical: return "Critical";
    case MessageStyle::Information: return "Information";
    }
    return "";
}
constexpr std::array allMessageStyles{MessageStyle::Critical, MessageStyle::Information};

// The SVG attribute of each of a circle's and a line's values, in the logic's order.
const char* svgAttribute(ShapeGeometry which)
{
    switch (which) {
    case ShapeGeometry::Left: return "x";
    case ShapeGeometry::Top: return "y";
    case ShapeGeometry::Width: return "width";
    case ShapeGeometry::Height: return "height";
    }
    return "";
}
constexpr std::array allShapeGeometries{ShapeGeometry::Left, ShapeGeometry::Top, ShapeGeometry::Width,
                                        ShapeGeometry::Height};

const char* svgAttribute(LineEnd which)
{
    switch (which) {
    case LineEnd::X1: return "x1";
    case LineEnd::Y1: return "y1";
    case LineEnd::X2: return "x2";
    case LineEnd::Y2: return "y2";
    }
    return "";
}
constexpr std::array allLineEnds{LineEnd::X1, LineEnd::Y1, LineEnd::X2, LineEnd::Y2};

// The page finds each attribute at the index that the logic gives the value.
template <typename Values>
constexpr bool inTheLogicsOrder(const Values& values)
{
    for (std::size_t index = 0; index < values.size(); ++index)
        if (platform::indexOf(values[index]) != index) return false;
    return true;
}
static_assert(inTheLogicsOrder(allShapeGeometries) && inTheLogicsOrder(allLineEnds));
static_assert(allCommands.size() == platform::indexOf(Command::ShowAbout) + 1, "a command without its name");

// The browser's name of each key (KeyboardEvent.key).
const char* browserKey(ScrollKey key)
{
    switch (key) {
    case ScrollKey::Left: return "ArrowLeft";
    case ScrollKey::Up: return "ArrowUp";
    case ScrollKey::Right: return "ArrowRight";
    case ScrollKey::Down: return "ArrowDown";
    case ScrollKey::PageUp: return "PageUp";
    case ScrollKey::PageDown: return "PageDown";
    case ScrollKey::Home: return "Home";
    case ScrollKey::End: return "End";
    }
    return "";
}

const char* scrollActionName(ScrollAction action)
{
    switch (action) {
    case ScrollAction::SmallDecrease: return "SmallDecrease";
    case ScrollAction::SmallIncrease: return "SmallIncrease";
    case ScrollAction::LargeDecrease: return "LargeDecrease";
    case ScrollAction::LargeIncrease: return "LargeIncrease";
    case ScrollAction::ToMinimum: return "ToMinimum";
    case ScrollAction::ToMaximum: return "ToMaximum";
    }
    return "";
}

// Appends the text as a JSON string; the texts are UTF-8 and pass through as they are.
void appendString(std::string& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
            out += escaped.data();
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendField(std::string& out, std::string_view name, std::string_view text)
{
    appendString(out, name);
    out += ':';
    appendString(out, text);
    out += ',';
}

void appendField(std::string& out, std::string_view name, long long number)
{
    appendString(out, name);
    out += ':';
    out += std::to_string(number);
    out += ',';
}

void appendField(std::string& out, std::string_view name, bool flag)
{
    appendString(out, name);
    out += flag ? ":true," : ":false,";
}

void appendColour(std::string& out, std::string_view name, const form::Rgb& rgb)
{
    std::array<char, 8> hex{};
    std::snprintf(hex.data(), hex.size(), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    appendField(out, name, std::string_view(hex.data()));
}

// An object of each value's name and number: {"None":0,...}.
template <typename Values, typename NameOf>
void appendNamedValues(std::string& out, std::string_view field, const Values& values, NameOf nameOf)
{
    appendString(out, field);
    out += ":{";
    for (const auto value : values) appendField(out, nameOf(value), static_cast<long long>(value));
    out.back() = '}';
    out += ',';
}

// A list of the SVG attributes by the index of the logic's values: ["x","y",...].
template <typename Values>
void appendNames(std::string& out, std::string_view field, const Values& values)
{
    appendString(out, field);
    out += ":[";
    for (std::size_t index = 0; index < values.size(); ++index) {
        appendString(out, svgAttribute(values[index]));
        out += ',';
    }
    out.back() = ']';
    out += ',';
}

// Which list of the logic's controls, and where in it.
void appendLogic(std::string& out, const ControlDescription& control)
{
    const auto append = [&](std::string_view list, std::size_t index) {
        appendField(out, "logicList", list);
        appendField(out, "logicIndex", static_cast<long long>(index));
    };
    if (const auto box = control.logicControl<platform::TextBox>()) append("textBoxes", platform::indexOf(*box));
    if (const auto label = control.logicControl<platform::Label>()) append("labels", platform::indexOf(*label));
    if (const auto shape = control.logicControl<platform::Shape>()) append("shapes", platform::indexOf(*shape));
    if (const auto line = control.logicControl<platform::Line>()) append("lines", platform::indexOf(*line));
}

void appendControl(std::string& out, const ControlDescription& control)
{
    out += '{';
    appendField(out, "order", static_cast<long long>(control.order));
    appendField(out, "name", std::string_view(control.name));
    appendField(out, "kind", std::string_view(kindName(control.kind)));
    appendField(out, "text", std::string_view(control.text));
    if (control.kind == ControlKind::Line) {
        const form::LineEnds& ends = control.ends();
        appendField(out, "x1", static_cast<long long>(ends.x1));
        appendField(out, "y1", static_cast<long long>(ends.y1));
        appendField(out, "x2", static_cast<long long>(ends.x2));
        appendField(out, "y2", static_cast<long long>(ends.y2));
    } else {
        const form::Box& box = control.box();
        appendField(out, "left", static_cast<long long>(box.left));
        appendField(out, "top", static_cast<long long>(box.top));
        appendField(out, "width", static_cast<long long>(box.width));
        appendField(out, "height", static_cast<long long>(box.height));
    }
    appendField(out, "colour", std::string_view(colourName(control.colour)));
    appendField(out, "tabIndex", static_cast<long long>(control.tabIndex));
    appendField(out, "takesFocus", control.takesFocus());
    appendField(out, "inDrawingArea", control.inDrawingArea());
    appendField(out, "spokenName", std::string_view(control.spoken.name));
    appendField(out, "spokenDescription", std::string_view(control.spoken.description));
    appendField(out, "centred", control.centred);
    appendField(out, "wordWrap", control.wordWrap);
    appendField(out, "disabled", control.disabled);
    appendField(out, "currentValue", control.currentValue);
    appendField(out, "command", std::string_view(commandName(control.command)));
    appendLogic(out, control);
    out.back() = '}';
}


// Where a byte of UTF-8 text stands in the same text as JavaScript counts it: in UTF-16 units.
std::size_t utf16Index(std::string_view text, std::size_t byte)
{
    std::size_t units = 0;
    for (const char c : text.substr(0, byte)) {
        const auto lead = static_cast<unsigned char>(c);
        if ((lead & 0xC0) != 0x80) units += lead >= 0xF0 ? 2 : 1;  // a character beyond 16 bits takes two
    }
    return units;
}

// A row of the menu bar or of a view; `accessKey` is where the underlined letter stands in the text, -1 for
// none; `command` names a window command, `fileCommand` a command of "Fichier", "None" for none.
void appendMenuRow(std::string& out, const MenuRow& row)
{
    out += '{';
    appendField(out, "name", std::string_view(row.name));
    appendField(out, "kind", std::string_view(menuRowKindName(row.kind)));
    appendField(out, "text", std::string_view(row.text));
    const auto key = row.accessKeyIndex();
    appendField(out, "accessKey", key ? static_cast<long long>(utf16Index(row.text, *key)) : -1LL);
    appendField(out, "parent", std::string_view(row.parent != nullptr ? row.parent : ""));
    appendField(out, "group", std::string_view(row.group != nullptr ? row.group : ""));
    appendField(out, "spokenName", std::string_view(row.spoken.name));
    appendField(out, "spokenDescription", std::string_view(row.spoken.description));
    appendField(out, "command", std::string_view(commandName(row.command)));
    appendField(out, "fileCommand", std::string_view(fileCommandName(row.fileCommand)));
    // A view is shown while its item of "Affichage" is checked.
    if (row.kind == MenuRowKind::View) appendField(out, "shownBy", std::string_view(form::graphsItemName));
    out.back() = '}';
}

// A list of names by the numbers of their values: ["Polyline","Polygon",...].
template <typename Values, typename NameOf>
void appendNameList(std::string& out, std::string_view field, const Values& values, NameOf nameOf)
{
    appendString(out, field);
    out += ":[";
    for (std::size_t index = 0; index < values.size(); ++index) {
        appendString(out, nameOf(values[index]));
        out += ',';
    }
    out.back() = ']';
    out += ',';
}

template <typename Values>
constexpr bool numberedInOrder(const Values& values)
{
    for (std::size_t index = 0; index < values.size(); ++index)
        if (static_cast<std::size_t>(values[index]) != index) return false;
    return true;
}
static_assert(numberedInOrder(sim::allDrawnKinds) && numberedInOrder(sim::allDrawnRoles) && numberedInOrder(sim::allLineStyles));

}  // namespace

std::string describeWindowAsJson()
{
    std::string out = "{";
    appendField(out, "name", std::string_view(form::windowName));
    appendField(out, "caption", std::string_view(form::windowCaption));
    appendField(out, "clientWidth", static_cast<long long>(form::clientWidth));
    appendField(out, "clientHeight", static_cast<long long>(form::clientHeight));
    appendField(out, "twipsPerPixel", static_cast<long long>(form::twipsPerPixel));
    // The graphs' view draws in twips of its own; a picture is taken at this many times the screen's size.
    appendField(out, "graphWidth", static_cast<long long>(sim::GraphView::width));
    appendField(out, "graphHeight", static_cast<long long>(sim::GraphView::height));
    appendField(out, "imageScale", static_cast<long long>(form::imageScale));
    const form::ScrollRange& range = form::timeStepRange;
    out += "\"timeStep\":{";
    appendField(out, "minimum", static_cast<long long>(range.minimum));
    appendField(out, "maximum", static_cast<long long>(range.maximum));
    appendField(out, "value", static_cast<long long>(range.value));
    appendField(out, "smallChange", static_cast<long long>(range.smallChange));
    appendField(out, "largeChange", static_cast<long long>(range.largeChange));
    out.back() = '}';
    out += ',';
    appendNamedValues(out, "commands", allCommands, commandName);
    appendNamedValues(out, "messageStyles", allMessageStyles, messageStyleName);
    appendNames(out, "shapeAttributes", allShapeGeometries);
    appendNames(out, "lineAttributes", allLineEnds);
    out += "\"scrollKeys\":{";
    for (const form::ScrollKeyAction& entry : form::scrollKeyActions)
        appendField(out, browserKey(entry.key), std::string_view(scrollActionName(entry.action)));
    out.back() = '}';
    out += ',';
    appendNameList(out, "drawnKinds", sim::allDrawnKinds, sim::drawnKindName);
    appendNameList(out, "drawnRoles", sim::allDrawnRoles, sim::drawnRoleName);
    appendNameList(out, "lineStyles", sim::allLineStyles, sim::lineStyleName);
    appendNamedValues(out, "fileCommands", allFileCommands, fileCommandName);
    out += "\"menuRows\":[";
    for (const MenuRow& row : form::menuBarRows()) {
        appendMenuRow(out, row);
        out += ',';
    }
    out.back() = ']';
    out += ",\"fileTexts\":{";
    appendField(out, "everyNthStepBefore", std::string_view(form::everyNthStepBefore));
    appendField(out, "everyNthStepAfter", std::string_view(form::everyNthStepAfter));
    appendField(out, "linkToCopyCaption", std::string_view(form::linkToCopyCaption));
    appendField(out, "textToCopyCaption", std::string_view(form::textToCopyCaption));
    appendField(out, "scenarioFileName", std::string_view(form::scenarioFileName));
    out.back() = '}';
    out += ',';
    out += "\"controls\":[";
    for (const ControlDescription& control : form::form1Controls()) {
        appendControl(out, control);
        out += ',';
    }
    out.back() = ']';
    out += '}';
    return out;
}

std::string paletteAsJson(const form::Palette& palette)
{
    std::string out = "{";
    for (std::size_t index = 0; index < form::colourCount; ++index) {
        const auto role = static_cast<form::Colour>(index);
        if (const auto rgb = palette.of(role)) appendColour(out, colourName(role), *rgb);
    }
    // Each drawn role's colour, and its width where the scheme gives one: {"widths":{...}}.
    for (const sim::DrawnRole role : sim::allDrawnRoles) appendColour(out, sim::drawnRoleName(role), palette.of(role));
    out += "\"widths\":{";
    for (const sim::DrawnRole role : sim::allDrawnRoles)
        if (const auto width = palette.strokeWidth(role)) appendField(out, sim::drawnRoleName(role), static_cast<long long>(*width));
    if (out.back() == '{') out += '}';
    else out.back() = '}';
    out += ',';
    out += "\"fillOpacity\":" + std::to_string(form::fillOpacity) + '}';
    return out;
}

std::string thirdLawAsJson(const form::Session& session)
{
    // The title, the headings and the words about body 2 as the core says them; the figures as the
    // table shows them.
    const auto list = [](std::string& json, const auto& cells) {
        json += '[';
        for (const auto& cell : cells) {
            appendString(json, cell);
            json += ',';
        }
        if (json.back() == ',') json.back() = ']';
        else json += ']';
    };
    std::string json = "{\"title\":";
    appendString(json, sim::thirdLawTitle);
    json += ",\"headers\":";
    list(json, sim::thirdLawColumns);
    json += ",\"rows\":[";
    for (const sim::ThirdLawRow& row : session.thirdLawRows()) {
        list(json, std::array<std::string, 4>{session.thirdLawFigure(row.period), session.thirdLawFigure(row.semiMajorAxis),
                                              session.thirdLawFigure(row.ratio), sim::body2PullText(row.body2Pulled)});
        json += ',';
    }
    if (json.back() == ',') json.back() = ']';
    else json += ']';
    return json + '}';
}

}  // namespace virenast::web
