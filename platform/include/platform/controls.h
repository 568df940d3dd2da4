// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// The controls of the main window that the logic reads or writes, named exactly as in the
// window so that code, tests and the running window all speak of the same objects. The window
// description gives each of them its row (name, text, place...) and checks, as it compiles,
// that every value below has exactly one.
namespace virenast::platform {

enum class TextBox : std::uint8_t { G1, G2, x1, y1, x2, y2, xs, ys, Text4, vx, vy, Text1, xsc, ysc };
// Two boxes keep the window's numbered names; code speaks of them by what they hold.
inline constexpr TextBox massBox = TextBox::Text4;   // the moving body's mass, kg
inline constexpr TextBox yearsBox = TextBox::Text1;  // the run's length, years
enum class Label : std::uint8_t { DC1C, DC2C, AC1C, AC2C, tempscourant };
enum class Shape : std::uint8_t { corps, corps1, corps2 };
enum class Line : std::uint8_t { Line1, Line2 };

// A circle shape's box, in twips relative to the drawing area.
enum class ShapeGeometry : std::uint8_t { Left, Top, Width, Height };
// A line's first end (X1, Y1) and second end (X2, Y2), in twips.
enum class LineEnd : std::uint8_t { X1, Y1, X2, Y2 };

constexpr std::size_t indexOf(auto control) { return static_cast<std::size_t>(control); }

// How many controls of each kind there are: one past the last of each list above.
inline constexpr std::size_t textBoxCount = indexOf(TextBox::ysc) + 1;
inline constexpr std::size_t labelCount = indexOf(Label::tempscourant) + 1;
inline constexpr std::size_t shapeCount = indexOf(Shape::corps2) + 1;
inline constexpr std::size_t lineCount = indexOf(Line::Line2) + 1;

// Message box icons, by their classic style values.
enum class MessageStyle : int { Critical = 16, Information = 64 };

}  // namespace virenast::platform
