// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times one run of the real window as a user makes it, for scripts/benchmark.sh: types the run's
// length into "Nombre d'années de calcul" when one is given (or each text into its box when they
// are given as BOX=TEXT), clicks "Lancer le calcul", stops the
// clock as the end box is shown and closes it. The path and the pace are the user's own choices
// of "Affichage", read from the settings as the program reads them at its start (the benchmark
// gives each run a settings folder of its own through XDG_CONFIG_HOME). Prints one JSON line:
// what the menu shows checked, the box's text, the steps, the seconds, the turns of the event
// loop that came more than 250 ms late, and the final texts.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" virenast_window_run_timer [years | BOX=TEXT...]
#include "app/form1.h"
#include "app/label_accessibility.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <initializer_list>

namespace {

constexpr double hoursPerYear = 364.75 * 24;  // the program's year

// Stops the clock when the first message box is shown, then closes the box as a user would.
class EndBoxWatch : public QObject {
public:
    explicit EndBoxWatch(const QElapsedTimer& clock) : clock_(clock) {}
    double seconds = -1;
    QString text;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show && seconds < 0) {
            seconds = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
            text = box->text();
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

// The turns of the event loop that came late, the machine busy elsewhere: a paced run does not
// make up such a gap (nor should it, after a box), so they tell why a run was slower than its pace.
class LateTurns : public QObject {
public:
    static constexpr qint64 lateNs = 250'000'000;  // the gap a paced run gives up on catching up

    void start()
    {
        clock_.start();
        timer_.start(5, Qt::PreciseTimer, this);
    }
    int count = 0;
    double seconds = 0;

protected:
    void timerEvent(QTimerEvent*) override
    {
        const qint64 gap = clock_.nsecsElapsed() - last_;
        last_ += gap;
        if (gap > lateNs) {
            ++count;
            seconds += static_cast<double>(gap) / 1e9;
        }
    }

private:
    QElapsedTimer clock_;
    QBasicTimer timer_;
    qint64 last_ = 0;
};

QString checkedIn(const QWidget& window, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (const auto* item = window.findChild<QAction*>(QLatin1String(name)); item && item->isChecked())
            return QLatin1String(name);
    return {};
}

QByteArray quoted(const QString& text) { return '"' + text.toUtf8() + '"'; }

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    virenast::app::installLabelAccessibility();  // as the program does at its start
    virenast::app::Form1 window{QLocale(QLocale::French)};
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = argument.indexOf(u'=');
        const QString box = equals < 0 ? QStringLiteral("Text1") : argument.left(equals);
        window.findChild<QLineEdit*>(box)->setText(argument.mid(equals + 1));
    }
    window.show();

    QElapsedTimer clock;
    EndBoxWatch watch(clock);
    LateTurns late;
    application.installEventFilter(&watch);
    QTimer::singleShot(500, [&] {  // once the window is on the screen
        const int hours = window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->value();
        clock.start();
        late.start();
        window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();  // returns once the run has ended
        const QString elapsed = window.findChild<QLabel*>(QStringLiteral("tempscourant"))->text();
        const long steps =
            static_cast<long>(QString(elapsed).replace(',', '.').toDouble() * hoursPerYear / hours + 0.5);
        const QByteArray line =
            "{\"trajectoire\":" + QByteArray(checkedIn(window, {"trajectoire"}).isEmpty() ? "false" : "true") +
            ",\"graphs\":" + QByteArray(checkedIn(window, {"graphiques"}).isEmpty() ? "false" : "true") +
            ",\"pace\":" + quoted(checkedIn(window, {"vitesseMax", "vitesse5", "vitesse20", "vitesse60"})) +
            ",\"box\":" + quoted(watch.text) + ",\"hours\":" + QByteArray::number(hours) +
            ",\"steps\":" + QByteArray::number(steps) + ",\"seconds\":" + QByteArray::number(watch.seconds, 'f', 4) +
            ",\"lateTurns\":" + QByteArray::number(late.count) +
            ",\"lateSeconds\":" + QByteArray::number(late.seconds, 'f', 3) +
            ",\"texts\":{\"tempscourant\":" + quoted(elapsed) +
            ",\"xsc\":" + quoted(window.findChild<QLineEdit*>(QStringLiteral("xsc"))->text()) +
            ",\"ysc\":" + quoted(window.findChild<QLineEdit*>(QStringLiteral("ysc"))->text()) + "}}\n";
        std::fputs(line.constData(), stdout);
        application.quit();
    });
    return QApplication::exec();
}
