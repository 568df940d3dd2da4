#include "drawing_area.h"

#include "form1_description.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace virenast::app {
namespace {

QRectF pixelsFromTwips(const QRectF& twips)
{
    return {twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, twips.width() / twipsPerPixel,
            twips.height() / twipsPerPixel};
}

QPointF pixelsFromTwips(const QPointF& twips) { return twips / twipsPerPixel; }

// The whole pixels that a shape drawn in this rectangle may touch, its outline and
// anti-aliasing included.
QRect touchedPixels(const QRectF& pixels)
{
    return pixels.normalized().toAlignedRect().adjusted(-2, -2, 2, 2);
}

// The pixels a segment may touch, as a band of small squares along it rather than its whole
// bounding box: a long diagonal line that moves a little repaints a thin strip.
QRegion touchedPixels(const QLineF& pixels)
{
    constexpr double piece = 32;  // pixels per square along the segment
    const int pieces = std::max(1, static_cast<int>(std::ceil(pixels.length() / piece)));
    if (pieces > 256) return touchedPixels(QRectF(pixels.p1(), pixels.p2()));  // far off screen
    QRegion region;
    for (int i = 0; i < pieces; ++i) {
        const QPointF from = pixels.pointAt(static_cast<double>(i) / pieces);
        const QPointF to = pixels.pointAt(static_cast<double>(i + 1) / pieces);
        region += touchedPixels(QRectF(from, to));
    }
    return region;
}

}  // namespace

CircleShape::CircleShape(DrawingArea& area, const QString& name, QRectF twips, QColor fill)
    : QObject(&area), area_(area), twips_(twips), fill_(fill)
{
    setObjectName(name);
}

void CircleShape::changeBox(QRectF twips)
{
    if (twips == twips_) return;
    const QRectF old = twips_;
    twips_ = twips;
    area_.shapeMoved(old, twips_);
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
    // Only what changed is repainted, over the frame's own background.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

CircleShape* DrawingArea::addCircle(const QString& name, QRectF twips, QColor fill)
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

void DrawingArea::shapeMoved(const QRectF& oldTwips, const QRectF& newTwips)
{
    update(QRegion(touchedPixels(pixelsFromTwips(oldTwips))) +
           touchedPixels(pixelsFromTwips(newTwips)));
}

void DrawingArea::lineMoved(const QLineF& oldTwips, const QLineF& newTwips)
{
    const QLineF oldPixels(pixelsFromTwips(oldTwips.p1()), pixelsFromTwips(oldTwips.p2()));
    const QLineF newPixels(pixelsFromTwips(newTwips.p1()), pixelsFromTwips(newTwips.p2()));
    update(touchedPixels(oldPixels) + touchedPixels(newPixels));
}

void DrawingArea::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::Antialiasing);
    QPen outline(palette().color(QPalette::WindowText), 1);
    outline.setCosmetic(true);
    painter.setPen(outline);
    // Lines first, so that the bodies sit on top of the ends that join them.
    for (const LineShape* line : lines_)
        painter.drawLine(QLineF(pixelsFromTwips(line->twipLine().p1()), pixelsFromTwips(line->twipLine().p2())));
    // The moving body was created first; it is painted last so that it is never hidden.
    for (auto it = circles_.crbegin(); it != circles_.crend(); ++it) {
        const CircleShape* circle = *it;
        painter.setBrush(circle->fill());
        // The outline is drawn inside the box, as a filled circle inscribed in it.
        painter.drawEllipse(pixelsFromTwips(circle->twipBox()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

}  // namespace virenast::app
