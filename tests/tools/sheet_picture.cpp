// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the picture of one scenario of the practical sheets. The program draws the body only
// where it is now; a sheet's picture must also show where it goes. So the scenario is first run
// on the in-memory window, keeping the centre of `corps` at every step: that is its path. Then
// the real window is opened under a French locale, the scenario's texts are typed, its time
// step set, "Lancer le calcul" clicked, and once the elapsed time reaches the scenario's moment
// the window is saved as it is then, with the path drawn over the drawing area and a caption
// that says it was added for the sheet. A scenario compared with another gets both paths.
//
//   virenast_sheet_picture SCENARIO OUTPUT.png      (scripts/sheet-pictures.sh runs it)
#include "app/form1.h"
#include "platform/memory_platform.h"
#include "platform/number_text.h"
#include "sim/orbit_simulation.h"
#include "support/run_recorder.h"
#include "support/teaching_scenarios.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <numbers>
#include <string>
#include <vector>

namespace {

using virenast::platform::Label;
using virenast::platform::MemoryPlatform;
using virenast::platform::Shape;
using virenast::platform::ShapeGeometry;
using virenast::platform::TextBox;
using virenast::testing::TeachingScenario;

// One run of a scenario on the in-memory window: where the body was drawn, in twips of the
// drawing area, and what the window showed after each step.
struct RecordedRun {
    std::vector<QPointF> path;
    std::vector<std::string> elapsed;    // `tempscourant` after each step
    std::vector<std::string> positions;  // `xsc` and `ysc` after each step
    QSizeF drawingTwips;
};

QPointF pointOf(virenast::sim::TwipPoint point) { return {point.x, point.y}; }

std::string shown(double value) { return std::string(virenast::platform::NumberText(",").toText(value).view()); }

RecordedRun recordRun(const TeachingScenario& scenario)
{
    RecordedRun run;
    MemoryPlatform window;
    virenast::testing::typeScenario(window, scenario);
    run.drawingTwips = QSizeF(window.frameWidth(), window.frameHeight());
    virenast::sim::OrbitSimulation simulation(window);
    virenast::testing::RunRecorder recorder;
    simulation.addObserver(recorder);
    simulation.runCalculation();
    // From the start, each place a step drew the body at (where the previous step left it), to
    // the last place drawn: where the body left the drawing, or the one before the end.
    if (!recorder.starts.empty() && recorder.starts[0].bodyDrawnAt)
        run.path.push_back(pointOf(*recorder.starts[0].bodyDrawnAt));
    for (const virenast::sim::StepRecord& step : recorder.steps) {
        if (run.path.empty() || run.path.back() != pointOf(step.bodyDrawnAt)) run.path.push_back(pointOf(step.bodyDrawnAt));
        run.elapsed.push_back(shown(step.elapsedYears));
        run.positions.push_back(shown(step.position.x) + ";" + shown(step.position.y));
    }
    if (!recorder.ends.empty() && recorder.ends[0].bodyDrawnAt && run.path.back() != pointOf(*recorder.ends[0].bodyDrawnAt))
        run.path.push_back(pointOf(*recorder.ends[0].bodyDrawnAt));
    return run;
}

// A path as it lies over the picture: twips of the drawing area to pixels of the picture.
QPainterPath pathOver(const RecordedRun& run, QPointF origin, double pixelsPerTwip)
{
    QPainterPath path;
    for (std::size_t i = 0; i < run.path.size(); ++i) {
        const QPointF point = origin + run.path[i] * pixelsPerTwip;
        if (i == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    return path;
}

// Small arrowheads along a path, one every `spacing` pixels, pointing the way the body goes.
void drawArrows(QPainter& painter, const QPainterPath& path, const QColor& colour, double spacing)
{
    const double length = path.length();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (double at = spacing / 2; at < length; at += spacing) {
        const double percent = path.percentAtLength(at);
        const QPointF tip = path.pointAtPercent(percent);
        const double angle = -path.angleAtPercent(percent) * std::numbers::pi / 180;  // Qt counts angles upward
        const QPointF along(std::cos(angle), std::sin(angle));
        const QPointF across(-along.y(), along.x());
        const QPointF head[] = {tip + along * 5, tip - along * 5 + across * 4.5, tip - along * 5 - across * 4.5};
        painter.drawPolygon(head, 3);
    }
}

struct PathStyle {
    QColor colour;
    Qt::PenStyle line;
    QString legend;
};

// The caption in the corner of the drawing that the paths cross least: a sample of each path,
// and the words that say these paths are no part of the program's drawing.
void drawLegend(QPainter& painter, const QRect& drawing, const std::vector<QPainterPath>& paths,
                const std::vector<PathStyle>& styles)
{
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 0.95);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString caption = QStringLiteral("trajectoire ajoutée pour la fiche");
    int textWidth = metrics.horizontalAdvance(caption);
    for (const PathStyle& style : styles) textWidth = std::max(textWidth, metrics.horizontalAdvance(style.legend));
    const int line = metrics.height() + 2;
    const QSize size(textWidth + 50, line * static_cast<int>(styles.size() + 1) + 10);
    const QRect corners[] = {QRect(drawing.bottomLeft() + QPoint(8, -8 - size.height()), size),
                             QRect(drawing.bottomRight() + QPoint(-8 - size.width(), -8 - size.height()), size),
                             QRect(drawing.topLeft() + QPoint(8, 8), size),
                             QRect(drawing.topRight() + QPoint(-8 - size.width(), 8), size)};
    const QRect* best = &corners[0];
    int fewest = INT_MAX;
    for (const QRect& corner : corners) {
        int crossing = 0;
        for (const QPainterPath& path : paths)
            for (int i = 0; i < path.elementCount(); ++i) crossing += corner.contains(QPointF(path.elementAt(i)).toPoint());
        if (crossing < fewest) {
            fewest = crossing;
            best = &corner;
        }
    }
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(*best);
    int y = best->top() + 5;
    for (const PathStyle& style : styles) {
        painter.setPen(QPen(style.colour, 2.5, style.line));
        painter.drawLine(QPointF(best->left() + 8, y + line / 2.0), QPointF(best->left() + 38, y + line / 2.0));
        painter.setPen(Qt::black);
        painter.drawText(QRect(best->left() + 44, y, textWidth + 4, line), Qt::AlignVCenter, style.legend);
        y += line;
    }
    font.setItalic(true);
    painter.setFont(font);
    painter.drawText(QRect(best->left() + 8, y, size.width() - 12, line), Qt::AlignVCenter, caption);
}

QString timeStepLegend(const TeachingScenario& scenario)
{
    return QStringLiteral("chemin du corps, pas de %1 h").arg(scenario.hours);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s scenario output.png\n", argv[0]);
        return 2;
    }
    const TeachingScenario* scenario = nullptr;
    const TeachingScenario* compared = nullptr;
    try {
        scenario = &virenast::testing::teachingScenario(argv[1]);
        if (scenario->comparedWith) compared = &virenast::testing::teachingScenario(scenario->comparedWith);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    const RecordedRun run = recordRun(*scenario);
    const RecordedRun comparedRun = compared ? recordRun(*compared) : RecordedRun{};

    virenast::app::Form1 window{QLocale(QLocale::French)};
    for (const virenast::testing::TypedText& typed : scenario->typed)
        window.findChild<QLineEdit*>(QString::fromLatin1(typed.box))->setText(QString::fromUtf8(typed.text));
    window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(scenario->hours);
    window.show();

    // The run sits below the picture in the stack: leave from there at once, with the outcome.
    const auto leave = [](int status) {
        std::fflush(nullptr);
        std::_Exit(status);
    };
    // Runs inside the run's yields: the picture is taken between two steps, as a pause would.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString elapsed = window.findChild<QLabel*>(QStringLiteral("tempscourant"))->text();
        if (QLocale(QLocale::French).toDouble(elapsed) < scenario->pictureAtYears) return;
        watch.stop();
        // The path drawn must be this very run's: the real window shows, at this moment, what
        // the in-memory run showed after the same step.
        const QString position = window.findChild<QLineEdit*>(QStringLiteral("xsc"))->text() + QLatin1Char(';') +
                                 window.findChild<QLineEdit*>(QStringLiteral("ysc"))->text();
        std::size_t step = 0;
        while (step < run.elapsed.size() && QString::fromStdString(run.elapsed[step]) != elapsed) ++step;
        if (step == run.elapsed.size() || QString::fromStdString(run.positions[step]) != position) {
            std::fprintf(stderr, "%s: the window at %s years is not where the recorded run was\n", argv[1],
                         qPrintable(elapsed));
            leave(1);
        }

        QPixmap picture = window.grab();
        const auto* drawing = window.findChild<QFrame*>(QStringLiteral("frame1"));
        const QRect area(drawing->mapTo(&window, drawing->contentsRect().topLeft()), drawing->contentsRect().size());
        const QPointF origin = drawing->mapTo(&window, QPoint(0, 0));
        const double pixelsPerTwip = drawing->width() / run.drawingTwips.width();
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(area);
        std::vector<QPainterPath> paths;
        std::vector<PathStyle> styles;
        if (compared) {
            paths.push_back(pathOver(comparedRun, origin, pixelsPerTwip));
            styles.push_back({QColor(0, 90, 210), Qt::DashLine, timeStepLegend(*compared)});
        }
        paths.push_back(pathOver(run, origin, pixelsPerTwip));
        styles.push_back({QColor(235, 110, 0), Qt::SolidLine,
                          compared ? timeStepLegend(*scenario) : QStringLiteral("chemin du corps")});
        for (std::size_t i = 0; i < paths.size(); ++i) {
            QColor colour = styles[i].colour;
            colour.setAlpha(210);
            painter.setPen(QPen(colour, 2, styles[i].line, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(paths[i]);
            drawArrows(painter, paths[i], colour, 140);
        }
        drawLegend(painter, area, paths, styles);
        painter.end();

        const bool saved = picture.save(output);
        std::printf("%s: %s at %s years, path of %zu steps\n", argv[1], saved ? "saved" : "NOT saved", qPrintable(elapsed),
                    run.path.size());
        leave(saved ? 0 : 1);
    });
    QTimer::singleShot(500, [&] {
        watch.start(0);
        window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    });
    return QApplication::exec();
}
