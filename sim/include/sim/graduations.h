// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing.h"
#include "platform/number_text.h"

#include <string>
#include <vector>

// "Graduations": the drawing's axes graduated in AU, under everything, so that a distance or a
// semi-axis can be read off it: a light line every half AU across the drawing, its value along
// the top edge (x, to the right) and the left edge (y, downward, as the positions are typed), and
// a tick every tenth of an AU along both edges.
namespace virenast::sim {

class Graduations final : public DrawingLayer {
public:
    // The drawing area's size in twips, and the number format of the values.
    Graduations(const platform::NumberText& numbers, float drawingWidth, float drawingHeight);

    void addShapes(std::vector<DrawnShape>& shapes) const override;

private:
    struct Piece {
        DrawnKind kind;
        DrawnRole role;
        std::vector<TwipPoint> points;
        std::string text;
    };
    std::vector<Piece> pieces_;
};

}  // namespace virenast::sim
