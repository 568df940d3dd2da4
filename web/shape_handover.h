// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/drawing.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace virenast::web {

// What changed in a drawing's shapes since the page last had them, as the numbers and texts the
// page's drawing (page/drawing.js) reads: a shape anew, the points a path gained, or a shape
// gone. Each drawing the page shows keeps its own, so that each is handed only its own changes.
class ShapeHandover {
public:
    // Gathers what changed since the last call; the shapes are what is drawn now.
    void collect(const std::vector<sim::DrawnShape>& shapes);
    bool empty() const { return header_.empty(); }
    const std::vector<std::int32_t>& header() const { return header_; }
    const std::vector<float>& points() const { return points_; }
    const std::string& texts() const { return texts_; }

private:
    enum class Handing : std::int32_t { Anew = 0, Added = 1, Gone = 2 };
    void handOver(std::uint32_t id, Handing handing, const sim::DrawnShape* shape, std::size_t from);

    // What the page was handed of a shape.
    struct HandedOver {
        std::uint64_t revision;
        std::uint64_t rebuilt;
        std::size_t points;
    };
    std::map<std::uint32_t, HandedOver> handedOver_;  // by the shape's id
    std::vector<std::int32_t> header_;
    std::vector<float> points_;
    std::string texts_;
};

}  // namespace virenast::web
