// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shape_handover.h"

namespace virenast::web {

void ShapeHandover::handOver(std::uint32_t id, Handing handing, const sim::DrawnShape* shape, std::size_t from)
{
    // The id, the kind, the role, the line style, how it is handed over, where its numbers start
    // among the points and how many they are, where its text starts and its length.
    const auto start = static_cast<std::int32_t>(points_.size());
    const auto textStart = static_cast<std::int32_t>(texts_.size());
    if (shape != nullptr) {
        for (const sim::TwipPoint point : shape->points.subspan(from)) {
            points_.push_back(point.x);
            points_.push_back(point.y);
        }
        texts_ += shape->text;
    }
    header_.insert(header_.end(),
                   {static_cast<std::int32_t>(id), shape ? static_cast<std::int32_t>(shape->kind) : 0,
                    shape ? static_cast<std::int32_t>(shape->role) : 0,
                    shape ? static_cast<std::int32_t>(shape->style) : 0, static_cast<std::int32_t>(handing), start,
                    static_cast<std::int32_t>(points_.size()) - start, textStart,
                    static_cast<std::int32_t>(texts_.size()) - textStart});
}

void ShapeHandover::collect(const std::vector<sim::DrawnShape>& shapes)
{
    header_.clear();
    points_.clear();
    texts_.clear();
    std::map<std::uint32_t, HandedOver> now;
    for (const sim::DrawnShape& shape : shapes) {
        now[shape.id] = {shape.revision, shape.rebuilt, shape.points.size()};
        const auto before = handedOver_.find(shape.id);
        if (before != handedOver_.end() && before->second.revision == shape.revision) continue;
        // A path that only grew: the points it gained, the last one it had first, to join them.
        const bool grew = before != handedOver_.end() && shape.kind == sim::DrawnKind::Polyline &&
                          before->second.rebuilt == shape.rebuilt && before->second.points > 0 &&
                          shape.points.size() >= before->second.points;
        if (!grew) handOver(shape.id, Handing::Anew, &shape, 0);
        else if (shape.points.size() > before->second.points) handOver(shape.id, Handing::Added, &shape, before->second.points - 1);
    }
    for (const auto& [id, handed] : handedOver_)
        if (!now.contains(id)) handOver(id, Handing::Gone, nullptr, 0);
    handedOver_ = std::move(now);
}

}  // namespace virenast::web
