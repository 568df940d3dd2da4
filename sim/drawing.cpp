// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/drawing.h"

#include <algorithm>
#include <cmath>

namespace virenast::sim {

std::string roundedText(const platform::NumberText& numbers, double value, int significantDigits)
{
    if (value == 0 || !std::isfinite(value)) return std::string(numbers.toText(0).view());
    // The power of ten of the last digit kept: the written text of the rounded value then ends
    // there, since the window writes the shortest of 15 digits.
    const double last = std::floor(std::log10(std::fabs(value))) - (std::max(significantDigits, 1) - 1);
    const double unit = std::pow(10.0, last);
    const double rounded = last < 0 ? std::round(value * std::pow(10.0, -last)) / std::pow(10.0, -last)
                                    : std::round(value / unit) * unit;
    std::string text(numbers.toText(rounded).view());
    // The zeros that end those digits are written too: "0,110", not "0,11".
    if (text.find('E') != std::string::npos || last >= 0) return text;
    const std::size_t fractionDigits = static_cast<std::size_t>(-last);
    std::size_t separator = text.find(numbers.decimalSeparator());
    if (separator == std::string::npos) {
        separator = text.size();
        text += numbers.decimalSeparator();
    }
    const std::size_t written = text.size() - separator - numbers.decimalSeparator().size();
    if (written < fractionDigits) text.append(fractionDigits - written, '0');
    return text;
}

std::string decimalsText(const platform::NumberText& numbers, double value, int decimals)
{
    const int digits = value == 0 || !std::isfinite(value)
                           ? 1
                           : static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1 + decimals;
    return roundedText(numbers, value, std::max(digits, 1));
}

const char* drawnKindName(DrawnKind kind)
{
    switch (kind) {
    case DrawnKind::Polyline: return "Polyline";
    case DrawnKind::Polygon: return "Polygon";
    case DrawnKind::Arrow: return "Arrow";
    case DrawnKind::CutArrow: return "CutArrow";
    case DrawnKind::Dots: return "Dots";
    case DrawnKind::Text: return "Text";
    }
    return "";
}

const char* drawnRoleName(DrawnRole role)
{
    switch (role) {
    case DrawnRole::CurrentPath: return "CurrentPath";
    case DrawnRole::PreviousPath: return "PreviousPath";
    case DrawnRole::Graduation: return "Graduation";
    case DrawnRole::GraduationText: return "GraduationText";
    case DrawnRole::SectorEven: return "SectorEven";
    case DrawnRole::SectorOdd: return "SectorOdd";
    case DrawnRole::SectorText: return "SectorText";
    case DrawnRole::TimeMark: return "TimeMark";
    case DrawnRole::Velocity: return "Velocity";
    case DrawnRole::Force1: return "Force1";
    case DrawnRole::Force2: return "Force2";
    case DrawnRole::ForceSum: return "ForceSum";
    case DrawnRole::GraphAxis: return "GraphAxis";
    case DrawnRole::GraphText: return "GraphText";
    case DrawnRole::CurveDistance1: return "CurveDistance1";
    case DrawnRole::CurveDistance2: return "CurveDistance2";
    case DrawnRole::CurveSpeed: return "CurveSpeed";
    case DrawnRole::CurveKinetic: return "CurveKinetic";
    case DrawnRole::CurvePotential: return "CurvePotential";
    case DrawnRole::CurveMechanical: return "CurveMechanical";
    case DrawnRole::CurveDrift: return "CurveDrift";
    case DrawnRole::PreviousCurve: return "PreviousCurve";
    case DrawnRole::Approach: return "Approach";
    }
    return "";
}

const char* lineStyleName(LineStyle style)
{
    switch (style) {
    case LineStyle::Solid: return "Solid";
    case LineStyle::Dashed: return "Dashed";
    }
    return "";
}

}  // namespace virenast::sim
