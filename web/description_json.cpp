// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "description_json.h"

#include "form/colours.h"
#include "form/form1_description.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace virenast::web {
namespace {

using form::ControlDescription;
using form::ControlKind;

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

void appendColour(std::string& out, std::string_view name, const std::optional<form::Rgb>& rgb)
{
    if (!rgb) return;  // the page's own colour
    std::array<char, 8> hex{};
    std::snprintf(hex.data(), hex.size(), "#%02x%02x%02x", rgb->red, rgb->green, rgb->blue);
    appendField(out, name, std::string_view(hex.data()));
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
    appendColour(out, "colour", form::rgbOf(control.colour));
    appendField(out, "tabIndex", static_cast<long long>(control.tabIndex));
    appendField(out, "takesFocus", control.takesFocus());
    appendField(out, "inDrawingArea", control.inDrawingArea());
    appendField(out, "spokenName", std::string_view(control.spoken.name));
    appendField(out, "spokenDescription", std::string_view(control.spoken.description));
    appendField(out, "centred", control.centred);
    appendField(out, "wordWrap", control.wordWrap);
    appendField(out, "disabled", control.disabled);
    appendField(out, "currentValue", control.currentValue);
    appendField(out, "command", static_cast<long long>(control.command));
    appendLogic(out, control);
    out.back() = '}';
}

}  // namespace

std::string describeWindowAsJson()
{
    std::string out = "{";
    appendField(out, "name", std::string_view(form::windowName));
    appendField(out, "caption", std::string_view(form::windowCaption));
    appendField(out, "clientWidth", static_cast<long long>(form::clientWidth));
    appendField(out, "clientHeight", static_cast<long long>(form::clientHeight));
    appendField(out, "twipsPerPixel", static_cast<long long>(form::twipsPerPixel));
    const form::ScrollRange& range = form::timeStepRange;
    out += "\"timeStep\":{";
    appendField(out, "minimum", static_cast<long long>(range.minimum));
    appendField(out, "maximum", static_cast<long long>(range.maximum));
    appendField(out, "value", static_cast<long long>(range.value));
    appendField(out, "smallChange", static_cast<long long>(range.smallChange));
    appendField(out, "largeChange", static_cast<long long>(range.largeChange));
    out.back() = '}';
    out += ',';
    appendColour(out, "disabledText", form::disabledText);
    out += "\"controls\":[";
    for (const ControlDescription& control : form::form1Controls()) {
        appendControl(out, control);
        out += ',';
    }
    out.back() = ']';
    out += '}';
    return out;
}

}  // namespace virenast::web
