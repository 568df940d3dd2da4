// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the picture of one scenario of the practical sheets, as a teacher would: the real window
// under a French locale, "Trajectoire" checked in the menu "Affichage", the scenario's texts
// typed and its time step set, "Lancer le calcul" clicked at "1 an en 5 secondes", the pace
// slowed to "1 an en 1 minute" just before the scenario's moment, and the window saved as it is
// once the elapsed time reaches that moment: the body, its lines and the path the program drew.
// A scenario compared with another is taken after a whole run of the other (and of the one that
// one is compared with, and so on), whose path the window keeps dashed under the new one. When
// the scenario shows the graphs, their window `vueGraphiques` is saved at the same moment on the
// right of the main window, with its curves' boxes checked as the scenario says; such a picture
// is of the run's end, with the run's row in the table "Troisième loi".
//
// The picture is refused when the path is not shown, or when the window does not show what the
// scenario's run on the in-memory window showed at the same step.
//
//   virenast_sheet_picture SCENARIO OUTPUT.png      (scripts/sheet-pictures.sh runs it)
#include "app/form1.h"
#include "platform/memory_platform.h"
#include "platform/number_text.h"
#include "sim/orbit_simulation.h"
#include "support/run_recorder.h"
#include "support/teaching_scenarios.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

using virenast::testing::TeachingScenario;

// The shortest stretch of the run the slowest pace shows before the picture's moment: at a year
// in 5 seconds a frame of the screen passes about a day of the run, well within it.
constexpr double slowDownBeforeYears = 0.05;
// How many pixels of the path's own colour the drawing must show, for a path that is seen.
constexpr int leastPathPixels = 100;

// What the window showed after each step of a scenario's run, from its run on the in-memory window.
struct RecordedRun {
    std::vector<std::string> elapsed;    // `tempscourant`
    std::vector<std::string> positions;  // `xsc` and `ysc`
};

std::string shown(double value) { return std::string(virenast::platform::NumberText(",").toText(value).view()); }

RecordedRun recordRun(const TeachingScenario& scenario)
{
    RecordedRun run;
    virenast::platform::MemoryPlatform window;
    virenast::testing::typeScenario(window, scenario);
    virenast::sim::OrbitSimulation simulation(window);
    virenast::testing::RunRecorder recorder;
    simulation.addObserver(recorder);
    simulation.runCalculation();
    for (const virenast::sim::StepRecord& step : recorder.steps) {
        run.elapsed.push_back(shown(step.elapsedYears));
        run.positions.push_back(shown(step.position.x) + ";" + shown(step.position.y));
    }
    return run;
}

// The pixels of the drawing area that have the path's colour, give or take its anti-aliasing.
int pathPixels(const QImage& picture, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                         std::abs(pixel.blue() - colour.blue()) <=
                     24;
        }
    return count;
}

}  // namespace

int main(int argc, char** argv)
{
    // The choices made in "Affichage" are kept here for this picture alone: the user's own
    // settings are neither read nor changed.
    QTemporaryDir settingsFolder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.filePath(QStringLiteral("config"))));
    QApplication application(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       settingsFolder.filePath(QStringLiteral("config")));
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s scenario output.png\n", argv[0]);
        return 2;
    }
    const TeachingScenario* scenario = nullptr;
    std::vector<const TeachingScenario*> before;  // the runs made first, in their order
    try {
        scenario = &virenast::testing::teachingScenario(argv[1]);
        for (const char* id = scenario->comparedWith; id != nullptr; id = before.front()->comparedWith)
            before.insert(before.begin(), &virenast::testing::teachingScenario(id));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    const RecordedRun run = recordRun(*scenario);

    virenast::app::Form1 window{QLocale(QLocale::French)};
    window.show();
    const auto item = [&window](const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); };
    const auto* drawing = window.findChild<QFrame*>(QStringLiteral("frame1"));
    // The run sits below the picture in the stack: leave from there at once, with the outcome.
    const auto leave = [](int status) {
        std::fflush(nullptr);
        std::_Exit(status);
    };
    const auto fail = [&](const char* why) {
        std::fprintf(stderr, "%s: %s\n", argv[1], why);
        leave(1);
    };
    // An item of "Affichage", or a check box of the graphs' window, clicked as the user does.
    const auto choose = [&](const char* name, bool checked) {
        if (QAction* action = item(name)) {
            if (action->isChecked() != checked) action->trigger();
            if (action->isChecked() != checked) fail("an item of Affichage does not take its choice");
            return;
        }
        auto* box = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
        if (box == nullptr) fail("neither Affichage nor the graphs have that item");
        if (box->isChecked() != checked) box->click();
        if (box->isChecked() != checked) fail("a box of the graphs does not take its choice");
    };
    bool graphsShown = false;
    choose("trajectoire", true);
    if (!drawing->property("pathShown").toBool()) fail("the drawing does not show the path");
    for (const char* shown : scenario->shows) {
        choose(shown, true);
        graphsShown |= std::string_view(shown) == "graphiques";
    }

    bool pictureRun = false;
    bool pictureAfterRun = false;
    const auto elapsedYears = [&window] {
        return QLocale(QLocale::French).toDouble(window.findChild<QLabel*>(QStringLiteral("tempscourant"))->text());
    };
    const auto takePicture = [&] {
        // The picture is this very scenario's run: the window shows, at this moment, what the
        // in-memory run showed after the same step.
        const QString elapsed = window.findChild<QLabel*>(QStringLiteral("tempscourant"))->text();
        const QString position = window.findChild<QLineEdit*>(QStringLiteral("xsc"))->text() + QLatin1Char(';') +
                                 window.findChild<QLineEdit*>(QStringLiteral("ysc"))->text();
        std::size_t step = 0;
        while (step < run.elapsed.size() && QString::fromStdString(run.elapsed[step]) != elapsed) ++step;
        if (step == run.elapsed.size() || QString::fromStdString(run.positions[step]) != position)
            fail("the window is not where the scenario's run was");

        QImage picture = window.grab().toImage();
        const QRect area(drawing->mapTo(&window, drawing->contentsRect().topLeft()), drawing->contentsRect().size());
        const int pixels = pathPixels(picture, area, drawing->property("pathColour").value<QColor>());
        if (pixels < leastPathPixels) fail("the picture shows too little of the path");
        if (graphsShown) {
            auto* graphs = window.findChild<QWidget*>(QStringLiteral("vueGraphiques"));
            if (graphs == nullptr || !graphs->isVisible()) fail("the graphs' window is not shown");
            const QImage right = graphs->grab().toImage();
            QImage both(picture.width() + right.width(), std::max(picture.height(), right.height()),
                        QImage::Format_RGB32);
            both.fill(window.palette().color(QPalette::Window));
            QPainter painter(&both);
            painter.drawImage(0, 0, picture);
            painter.drawImage(picture.width(), 0, right);
            painter.end();
            picture = both;
        }
        const bool saved = picture.save(output, "PNG", 0);  // 0: the smallest file
        std::printf("%s: %s at %s years (step %zu), %d pixels of path\n", argv[1], saved ? "saved" : "NOT saved",
                    qPrintable(elapsed), step + 1, pixels);
        leave(saved ? 0 : 1);
    };
    // Runs at each turn of the window during a run (it handles events only then).
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (box->text() != QStringLiteral("Fin de calcul")) fail("a box came before the picture");
            // A picture of a run's last step may find the run ended: the window still shows that
            // step under the box. The runs compared end before the picture's run starts.
            if (pictureRun && elapsedYears() < scenario->pictureAtYears) fail("the run ended before the picture's moment");
            // A picture with the graphs is of its run's end, taken once the run has returned and
            // the graphs have taken in its end (the table's new row).
            if (pictureRun && graphsShown) {
                watch.stop();
                pictureAfterRun = true;
            } else if (pictureRun) {
                takePicture();
            }
            box->accept();
            return;
        }
        if (!pictureRun) return;
        const double years = elapsedYears();
        if (years >= scenario->pictureAtYears - slowDownBeforeYears) choose("vitesse60", true);
        if (years < scenario->pictureAtYears || graphsShown) return;
        watch.stop();
        takePicture();
    });

    const auto runScenario = [&window](const TeachingScenario& typed) {
        for (const virenast::testing::TypedText& text : typed.typed)
            window.findChild<QLineEdit*>(QString::fromLatin1(text.box))->setText(QString::fromUtf8(text.text));
        window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(typed.hours);
        window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();  // returns at its end
    };
    QTimer::singleShot(500, [&] {
        watch.start(0);
        choose("vitesseMax", true);
        for (const TeachingScenario* first : before) runScenario(*first);
        choose("vitesse5", true);
        pictureRun = true;
        runScenario(*scenario);
        if (pictureAfterRun) {
            QApplication::processEvents();
            takePicture();
        }
        fail("the run ended before the picture's moment");
    });
    return QApplication::exec();
}
