// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/graduations.h"

#include "sim/scene_model.h"

namespace virenast::sim {
namespace {

constexpr float tenth = twipsPerAu / 10.0f;  // twips
constexpr float tick = 90;                   // a tick's length, 6 pixels
constexpr float valueInset = 220;            // a value's centre, from its edge

}  // namespace

Graduations::Graduations(const platform::NumberText& numbers, float width, float height)
{
    // Along x, then along y: a line every half AU with its value, a tick every tenth.
    for (int i = 1; static_cast<float>(i) * tenth < width; ++i) {
        const float x = static_cast<float>(i) * tenth;
        if (i % 5 == 0) {
            pieces_.push_back({DrawnKind::Polyline, DrawnRole::Graduation, {{x, 0}, {x, height}}, {}});
            pieces_.push_back({DrawnKind::Text, DrawnRole::GraduationText, {{x, valueInset}}, roundedText(numbers, i / 10.0, 2)});
        } else {
            pieces_.push_back({DrawnKind::Polyline, DrawnRole::GraduationText, {{x, 0}, {x, tick}}, {}});
        }
    }
    for (int i = 1; static_cast<float>(i) * tenth < height; ++i) {
        const float y = static_cast<float>(i) * tenth;
        if (i % 5 == 0) {
            pieces_.push_back({DrawnKind::Polyline, DrawnRole::Graduation, {{0, y}, {width, y}}, {}});
            pieces_.push_back({DrawnKind::Text, DrawnRole::GraduationText, {{valueInset, y}}, roundedText(numbers, i / 10.0, 2)});
        } else {
            pieces_.push_back({DrawnKind::Polyline, DrawnRole::GraduationText, {{0, y}, {tick, y}}, {}});
        }
    }
    pieces_.push_back({DrawnKind::Text, DrawnRole::GraduationText, {{valueInset, valueInset}}, "UA"});
}

void Graduations::addShapes(std::vector<DrawnShape>& shapes) const
{
    // Drawn once: they never change.
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        const Piece& piece = pieces_[i];
        shapes.push_back({static_cast<std::uint32_t>(i), piece.kind, piece.role, LineStyle::Solid, piece.points,
                          piece.text, 1, 1});
    }
}

}  // namespace virenast::sim
