// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing_area.h"

#include "app/repaint_places.h"
#include "form/form1_description.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <span>

namespace virenast::app {
namespace {

// Draws the parts of a polyline that cross `within`, and only those: a long path costs a
// repaint of a few pixels little more than a walk along its points. The places repainted are
// taken one by one, not as the rectangle around them all: a turn repaints the body's place and
// the line from body 1, and the rectangle around both would hold every lap of an orbit drawn
// again and again. A dashed pen keeps its dashes where a full drawing would put them.
void drawPolylineWithin(QPainter& painter, const QPolygonF& points, const QRegion& within, QPen pen)
{
    const qreal dashUnit = std::max<qreal>(pen.widthF(), 1);
    const int reach = static_cast<int>(std::ceil(pen.widthF())) + 1;  // the pen's half and its blending
    const QRect bounds = within.boundingRect();  // a quick refusal before the places one by one
    qreal length = 0;  // along the polyline, to the point at i
    qsizetype runStart = -1;
    qreal runStartLength = 0;
    const auto flush = [&](qsizetype end) {  // draws points [runStart, end]
        if (runStart < 0) return;
        if (pen.style() != Qt::SolidLine) pen.setDashOffset(runStartLength / dashUnit);
        painter.setPen(pen);
        painter.drawPolyline(points.constData() + runStart, static_cast<int>(end - runStart + 1));
        runStart = -1;
    };
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QRect segment = touchedPixels(QRectF(points[i - 1], points[i]), reach);
        if (segment.intersects(bounds) && within.intersects(segment)) {
            if (runStart < 0) {
                runStart = i - 1;
                runStartLength = length;
            }
        } else {
            flush(i - 1);
        }
        length += QLineF(points[i - 1], points[i]).length();
    }
    flush(points.size() - 1);
}

}  // namespace

CircleShape::CircleShape(DrawingArea& area, const QString& name, QRectF twips, form::Colour fill)
    : QObject(&area), area_(area), twips_(twips), fillRole_(fill)
{
    setObjectName(name);
}

void CircleShape::setFill(QColor fill)
{
    if (fill == fill_) return;
    fill_ = fill;
    sprites_.clear();
    area_.shapeMoved(twips_, twips_);
}

void CircleShape::changeBox(QRectF twips)
{
    if (twips == twips_) return;
    const QRectF old = twips_;
    twips_ = twips;
    area_.shapeMoved(old, twips_);
}

void CircleShape::paint(QPainter& painter, const QColor& outline)
{
    constexpr int steps = 8;  // places within a pixel, in each direction
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRectF box = area_.pixels(twips_);
    const QSizeF size = box.size() * ratio;
    if (size != spriteSize_ || outline != spriteOutline_) {
        sprites_.clear();
        spriteSize_ = size;
        spriteOutline_ = outline;
    }
    // The sprite starts on a whole device pixel, one before the circle, so that the outline
    // and its anti-aliasing fit whatever the place of the circle within a pixel.
    const QPointF corner = box.topLeft() * ratio;
    const int placeX = static_cast<int>(std::floor((corner.x() - std::floor(corner.x())) * steps));
    const int placeY = static_cast<int>(std::floor((corner.y() - std::floor(corner.y())) * steps));
    const QPointF origin(std::floor(corner.x()) - 1, std::floor(corner.y()) - 1);
    QPixmap& sprite = sprites_[placeX * steps + placeY];
    if (sprite.isNull() || sprite.devicePixelRatio() != ratio) {
        sprite = QPixmap(static_cast<int>(std::ceil(size.width())) + 3, static_cast<int>(std::ceil(size.height())) + 3);
        sprite.fill(Qt::transparent);
        QPainter spritePainter(&sprite);
        spritePainter.setRenderHint(QPainter::Antialiasing);
        spritePainter.setPen(QPen(outline, ratio));  // one logical pixel wide
        spritePainter.setBrush(fill_);
        const qreal inset = ratio / 2;                // the outline stays inside the box
        const QRectF inPixel(1 + static_cast<qreal>(placeX) / steps, 1 + static_cast<qreal>(placeY) / steps,
                             size.width(), size.height());
        spritePainter.drawEllipse(inPixel.adjusted(inset, inset, -inset, -inset));
        spritePainter.end();
        sprite.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(origin / ratio, sprite);
}

void CircleShape::setLeft(float twips) { changeBox(QRectF(twips, twips_.y(), twips_.width(), twips_.height())); }
void CircleShape::setTop(float twips) { changeBox(QRectF(twips_.x(), twips, twips_.width(), twips_.height())); }
void CircleShape::setWidth(float twips) { changeBox(QRectF(twips_.x(), twips_.y(), twips, twips_.height())); }
void CircleShape::setHeight(float twips) { changeBox(QRectF(twips_.x(), twips_.y(), twips_.width(), twips)); }

LineShape::LineShape(DrawingArea& area, const QString& name, QLineF twips)
    : QObject(&area), area_(area), twips_(twips)
{
    setObjectName(name);
}

void LineShape::changeLine(QLineF twips)
{
    if (twips == twips_) return;
    const QLineF old = twips_;
    twips_ = twips;
    area_.lineMoved(old, twips_);
}

void LineShape::setX1(float twips) { changeLine(QLineF(twips, twips_.y1(), twips_.x2(), twips_.y2())); }
void LineShape::setY1(float twips) { changeLine(QLineF(twips_.x1(), twips, twips_.x2(), twips_.y2())); }
void LineShape::setX2(float twips) { changeLine(QLineF(twips_.x1(), twips_.y1(), twips, twips_.y2())); }
void LineShape::setY2(float twips) { changeLine(QLineF(twips_.x1(), twips_.y1(), twips_.x2(), twips)); }

DrawingArea::DrawingArea(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    // The area paints its own background, so nothing beneath it is repainted with it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CircleShape* DrawingArea::addCircle(const QString& name, QRectF twips, form::Colour fill)
{
    auto* circle = new CircleShape(*this, name, twips, fill);
    circles_.append(circle);
    return circle;
}

LineShape* DrawingArea::addLine(const QString& name, QLineF twips)
{
    auto* line = new LineShape(*this, name, twips);
    lines_.append(line);
    return line;
}

// Only the places an object left and reached are repainted; Qt gathers them until the next
// paint, which draws every object that crosses them.
void DrawingArea::shapeMoved(const QRectF& oldTwips, const QRectF& newTwips)
{
    update(touchedPixels(pixels(oldTwips)) | touchedPixels(pixels(newTwips)));
}

void DrawingArea::lineMoved(const QLineF& oldTwips, const QLineF& newTwips)
{
    update(touchedAlong(QPolygonF{pixels(oldTwips.p1()), pixels(oldTwips.p2())}) |
           touchedAlong(QPolygonF{pixels(newTwips.p1()), pixels(newTwips.p2())}));
}

QRectF DrawingArea::pixels(const QRectF& twips) const
{
    return {twips.x() * perTwip_, twips.y() * perTwip_, twips.width() * perTwip_, twips.height() * perTwip_};
}

QPointF DrawingArea::pixels(const QPointF& twips) const { return twips * perTwip_; }

QPolygonF DrawingArea::pixels(std::span<const sim::TwipPoint> points) const
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const sim::TwipPoint& point : points) polygon.append(QPointF(point.x, point.y) * perTwip_);
    return polygon;
}

void DrawingArea::setScale(double scale)
{
    const double perTwip = scale / form::twipsPerPixel;
    if (perTwip == perTwip_) return;
    perTwip_ = perTwip;
    QFont labels = font();
    labels.setPixelSize(std::max(1, static_cast<int>(std::lround(11 * scale))));
    setFont(labels);
    painted_.clear();
    update();
}

void DrawingArea::setShapes(Shapes shapes)
{
    shapes_ = std::move(shapes);
    painted_.clear();
    update();
}

void DrawingArea::setColours(const form::Palette& palette)
{
    palette_ = palette;
    QPalette colours = this->palette();
    const auto qColour = [&palette](form::Colour role) {
        const form::Rgb rgb = *palette.of(role);
        return QColor(rgb.red, rgb.green, rgb.blue);
    };
    colours.setColor(QPalette::Window, qColour(form::Colour::DrawingBack));
    colours.setColor(QPalette::WindowText, qColour(form::Colour::Outline));
    setPalette(colours);
    for (CircleShape* circle : circles_) circle->setFill(qColour(circle->fillRole()));
    update();
}

QColor DrawingArea::colourOf(sim::DrawnRole role) const
{
    if (!palette_) return palette().color(QPalette::WindowText);
    const form::Rgb rgb = palette_->of(role);
    return {rgb.red, rgb.green, rgb.blue};
}

bool DrawingArea::pathShown() const
{
    if (!shapes_) return false;
    const auto shapes = shapes_();
    return std::ranges::any_of(shapes, [](const sim::DrawnShape& shape) { return shape.role == sim::DrawnRole::CurrentPath; });
}

QColor DrawingArea::pathColour() const { return colourOf(sim::DrawnRole::CurrentPath); }

void DrawingArea::refreshShapes()
{
    if (!shapes_) return;
    std::map<std::uint32_t, Painted> now;
    QRegion changed;
    const auto reachOf = [this](const sim::DrawnShape& shape, std::size_t from = 0) {
        return touchedPixels(pixels(shape.points.subspan(from)).boundingRect(), margin(shape));
    };
    for (const sim::DrawnShape& shape : shapes_()) {
        const auto before = painted_.find(shape.id);
        if (before == painted_.end()) {
            const QRect reach = reachOf(shape);
            now[shape.id] = {shape.revision, shape.rebuilt, shape.points.size(), reach};
            changed |= reach;
            continue;
        }
        const Painted& was = before->second;
        Painted& painted = now[shape.id] = was;
        if (was.revision == shape.revision) continue;
        painted.revision = shape.revision;
        painted.rebuilt = shape.rebuilt;
        painted.points = shape.points.size();
        // The common case, a run going on: a path only grew. Repaint from the last point painted
        // to the new ones (not the whole path, whose reach grows with them); a shape that changed
        // otherwise, where it was and where it is.
        const bool grew = shape.kind == sim::DrawnKind::Polyline && was.rebuilt == shape.rebuilt && was.points > 0 &&
                          shape.points.size() >= was.points;
        if (grew) {
            if (shape.points.size() == was.points) continue;
            // Along the points added, not the rectangle around them, which would hold the laps
            // drawn before across a part of the orbit.
            const QRegion added = touchedAlong(pixels(shape.points.subspan(was.points - 1)), margin(shape));
            painted.reach |= added.boundingRect();
            changed |= added;
        } else {
            painted.reach = reachOf(shape);
            changed |= was.reach | painted.reach;
        }
    }
    for (const auto& [id, was] : painted_)
        if (!now.contains(id)) changed |= was.reach;
    painted_ = std::move(now);
    if (!changed.isEmpty()) update(changed);
    if (summary_) {
        const QString described = QString::fromStdString(summary_());
        if (described != accessibleDescription()) setAccessibleDescription(described);
    }
}

int DrawingArea::margin(const sim::DrawnShape& shape) const
{
    // A text reaches well beyond its point; a thick line or a dot a few pixels.
    if (shape.kind == sim::DrawnKind::Text) return static_cast<int>(std::ceil(fontMetrics().horizontalAdvance(
                                                   QString::fromUtf8(shape.text.data(), std::ssize(shape.text))))) / 2 + 4;
    const double width = strokeWidth(shape.role, 3);
    const int head = shape.kind == sim::DrawnKind::Arrow || shape.kind == sim::DrawnKind::CutArrow ? 10 : 0;
    return static_cast<int>(std::ceil(width)) + 2 + head;
}

double DrawingArea::strokeWidth(sim::DrawnRole role, double otherwise) const
{
    if (!palette_) return otherwise;
    return palette_->strokeWidth(role).value_or(otherwise);
}

void DrawingArea::paintShape(QPainter& painter, const sim::DrawnShape& shape, const QRegion& within)
{
    const QColor colour = colourOf(shape.role);
    // Two pixels, to be seen from the back of a class, unless the scheme asks for more.
    QPen pen(colour, strokeWidth(shape.role, 2));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    // Dashed, so that two runs can be told apart in the same colour.
    if (shape.style == sim::LineStyle::Dashed) pen.setStyle(Qt::DashLine);
    const QPolygonF points = pixels(shape.points);
    switch (shape.kind) {
    case sim::DrawnKind::Polyline:
        if (points.size() > 1) drawPolylineWithin(painter, points, within, pen);
        break;
    case sim::DrawnKind::Polygon: {
        // A light fill of the colour, edged with the colour itself.
        QColor fill = colour;
        fill.setAlphaF(form::fillOpacity);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(fill);
        painter.drawPolygon(points);
        break;
    }
    case sim::DrawnKind::Arrow:
    case sim::DrawnKind::CutArrow: {
        if (points.size() < 2 || points[0] == points[1]) break;  // a vector of zero shows nothing
        const QLineF shaft(points[0], points[1]);
        painter.setPen(pen);
        painter.drawLine(shaft);
        QLineF back(points[1], points[0]);
        if (shape.kind == sim::DrawnKind::CutArrow) {
            // Cut at the drawing's edge: a bar across its end instead of a head.
            QLineF bar = back.normalVector();
            bar.setLength(6);
            painter.drawLine(QLineF(bar.pointAt(-1), bar.p2()));
            break;
        }
        // A head of 9 pixels whose sides open at 25 degrees either way.
        back.setLength(std::min<qreal>(9 + pen.widthF(), shaft.length()));
        QPolygonF head{points[1]};
        for (const qreal angle : {-25.0, 25.0}) {
            QLineF side = back;
            side.setAngle(back.angle() + angle);
            head << side.p2();
        }
        painter.setBrush(colour);
        painter.drawPolygon(head);
        break;
    }
    case sim::DrawnKind::Dots: {
        const qreal radius = strokeWidth(shape.role, 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const QPointF& point : points) painter.drawEllipse(point, radius, radius);
        break;
    }
    case sim::DrawnKind::Text: {
        if (points.isEmpty()) break;
        const QString text = QString::fromUtf8(shape.text.data(), static_cast<qsizetype>(shape.text.size()));
        QRectF box(QPointF(), QSizeF(fontMetrics().horizontalAdvance(text) + 2, fontMetrics().height()));
        box.moveCenter(points[0]);
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, text);  // an accent above a capital stays whole
        break;
    }
    }
}

void DrawingArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.setRenderHint(QPainter::Antialiasing);
    // The shapes first: the lines and the bodies stand on them.
    if (shapes_) {
        painter.save();
        painter.setClipRegion(event->region());
        for (const sim::DrawnShape& shape : shapes_()) paintShape(painter, shape, event->region());
        painter.restore();
    }
    const QPen outline(palette().color(QPalette::WindowText), 1);  // one pixel, scaled with the screen
    painter.setPen(outline);
    // Lines first, so that the bodies sit on top of the ends that join them.
    for (const LineShape* line : lines_)
        painter.drawLine(QLineF(pixels(line->twipLine().p1()), pixels(line->twipLine().p2())));
    // The moving body was created first; it is painted last so that it is never hidden.
    for (auto it = circles_.crbegin(); it != circles_.crend(); ++it) {
        CircleShape* circle = *it;
        if (event->region().intersects(touchedPixels(pixels(circle->twipBox()))))
            circle->paint(painter, outline.color());
    }
    // The border last, and only where the repainted places reach it.
    if (!contentsRect().contains(event->rect())) {
        painter.end();
        QFrame::paintEvent(event);
    }
}

}  // namespace virenast::app
