// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/colours.h"
#include "sim/drawing.h"

#include <QColor>
#include <QFrame>
#include <QPolygonF>
#include <QHash>
#include <QLineF>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QRegion>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace virenast::app {

class DrawingArea;

// A filled circle inscribed in its box. The box is kept in twips as float properties, so the
// logic, the tests and tools can read and move it by name.
class CircleShape : public QObject {
    Q_OBJECT
    Q_PROPERTY(float Left READ left WRITE setLeft)
    Q_PROPERTY(float Top READ top WRITE setTop)
    Q_PROPERTY(float Width READ width WRITE setWidth)
    Q_PROPERTY(float Height READ height WRITE setHeight)

public:
    CircleShape(DrawingArea& area, const QString& name, QRectF twips, form::Colour fill);

    float left() const { return static_cast<float>(twips_.left()); }
    float top() const { return static_cast<float>(twips_.top()); }
    float width() const { return static_cast<float>(twips_.width()); }
    float height() const { return static_cast<float>(twips_.height()); }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);

    QRectF twipBox() const { return twips_; }
    form::Colour fillRole() const { return fillRole_; }
    void setFill(QColor fill);

    // Paints the circle. It is drawn once for each of its places within a device pixel, to an
    // eighth of a pixel, and then stamped: a run redraws no circle, only copies images.
    void paint(QPainter& painter, const QColor& outline);

private:
    void changeBox(QRectF twips);

    DrawingArea& area_;
    QRectF twips_;
    form::Colour fillRole_;
    QColor fill_;
    QHash<int, QPixmap> sprites_;  // by place within a pixel
    QSizeF spriteSize_;             // in device pixels: the sprites hold circles of this size...
    QColor spriteOutline_;          // ...with this outline

};

// A straight segment from its first end (X1, Y1) to its second end (X2, Y2), in twips.
class LineShape : public QObject {
    Q_OBJECT
    Q_PROPERTY(float X1 READ x1 WRITE setX1)
    Q_PROPERTY(float Y1 READ y1 WRITE setY1)
    Q_PROPERTY(float X2 READ x2 WRITE setX2)
    Q_PROPERTY(float Y2 READ y2 WRITE setY2)

public:
    LineShape(DrawingArea& area, const QString& name, QLineF twips);

    float x1() const { return static_cast<float>(twips_.x1()); }
    float y1() const { return static_cast<float>(twips_.y1()); }
    float x2() const { return static_cast<float>(twips_.x2()); }
    float y2() const { return static_cast<float>(twips_.y2()); }
    void setX1(float twips);
    void setY1(float twips);
    void setX2(float twips);
    void setY2(float twips);

    QLineF twipLine() const { return twips_; }

private:
    void changeLine(QLineF twips);

    DrawingArea& area_;
    QLineF twips_;
};

// The drawing area `frame1`: a bordered frame in which the lines and the circles are painted
// with sub-pixel precision from their twip positions, over the shapes that the session draws (the
// body's path). A move repaints only the places the object left and reached, not the whole area.
class DrawingArea : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool pathShown READ pathShown)
    Q_PROPERTY(QColor pathColour READ pathColour)
    Q_PROPERTY(double perTwip READ perTwip)

public:
    // What the session draws now, in the order drawn.
    using Shapes = std::function<std::vector<sim::DrawnShape>()>;

    explicit DrawingArea(QWidget* parent);

    CircleShape* addCircle(const QString& name, QRectF twips, form::Colour fill);
    LineShape* addLine(const QString& name, QLineF twips);

    // Called by a shape that moved: repaint where it was and where it is.
    void shapeMoved(const QRectF& oldTwips, const QRectF& newTwips);
    void lineMoved(const QLineF& oldTwips, const QLineF& newTwips);

    // Draws everything this many times its size (twips to pixels: `scale` / 15), text and all.
    void setScale(double scale);
    QRectF pixels(const QRectF& twips) const;
    QPointF pixels(const QPointF& twips) const;
    QPolygonF pixels(std::span<const sim::TwipPoint> points) const;
    QPointF twips(const QPointF& pixels) const { return pixels / perTwip_; }
    double perTwip() const { return perTwip_; }

    void setShapes(Shapes shapes);
    // What the drawing shows beyond its shapes, in words: its description for a screen reader.
    using Summary = std::function<std::string()>;
    void setSummary(Summary summary) { summary_ = std::move(summary); }
    // Every colour the drawing shows, by role: its back, the outlines, the circles, the shapes.
    void setColours(const form::Palette& palette);
    // Called at each turn of the window: repaints what the shapes gained since the last turn (the
    // new end of a path), or a whole shape that changed otherwise.
    void refreshShapes();

    // Whether the body's path is drawn, and in which colour.
    bool pathShown() const;
    QColor pathColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the drawing shows of a shape: the revisions and the points it was painted at, and the
    // pixels it reached.
    struct Painted {
        std::uint64_t revision;
        std::uint64_t rebuilt;
        std::size_t points;
        QRect reach;
    };

    void paintShape(QPainter& painter, const sim::DrawnShape& shape, const QRegion& within);
    // The scheme's width of a line of that role, in pixels, or `otherwise`.
    double strokeWidth(sim::DrawnRole role, double otherwise) const;
    // How far beyond its points a shape may paint, in pixels.
    int margin(const sim::DrawnShape& shape) const;
    QColor colourOf(sim::DrawnRole role) const;

    QList<CircleShape*> circles_;
    QList<LineShape*> lines_;
    double perTwip_ = 1.0 / 15;  // pixels per twip
    Shapes shapes_;
    Summary summary_;
    std::optional<form::Palette> palette_;
    std::map<std::uint32_t, Painted> painted_;  // by the shape's id
};

}  // namespace virenast::app
