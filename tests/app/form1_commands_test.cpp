// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1_test_support.h"
#include "message_box_watcher.h"

#include <QAction>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace virenast::testing {
namespace {

constexpr const char* aboutText = "Application réalisée par Tarvenil pour un TP d'actions mécaniques à distances";

// 17 510 steps: long enough at the maximal pace for a box asked for after the first turns.
constexpr const char* runYears = "2";

TEST(WindowCommands, AboutAndPauseOutsideARunChangeNothing)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    const RunDisplay before = runDisplay(window);
    MessageBoxWatcher boxes;
    window.findChild<QAction*>("apropos")->trigger();
    QTest::mouseClick(button(window, "Command3"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].title, "A propos");
    EXPECT_EQ(boxes.seen[0].text, aboutText);
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Information);
    EXPECT_EQ(boxes.seen[0].buttonCount, 1);
    EXPECT_EQ(boxes.seen[1].title, "Pause");
    EXPECT_EQ(boxes.seen[1].text, "Pause");
    EXPECT_EQ(boxes.seen[1].icon, QMessageBox::Information);
    EXPECT_EQ(runDisplay(window), before);

    // With no box open, the same kind of click reaches the window.
    clickAsUser(window, button(window, "Command1"));
    EXPECT_EQ(shownText(window, "DC1C"), "0,5");
}

class HoldingARun : public ::testing::TestWithParam<bool> {};

// While the box is open the run stands still, the main window takes no click, and once it is
// closed the run ends exactly as an undisturbed one.
TEST_P(HoldingARun, HoldsEveryDisplayUntilClosedAndChangesNoResult)
{
    const bool about = GetParam();
    const RunDisplay expected = undisturbedRunEnd(runYears);

    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    typeInto(window, "Text1", runYears);
    MessageBoxWatcher boxes;
    boxes.holdTitle = about ? "A propos" : "Pause";
    boxes.holdMilliseconds = 300;
    RunDisplay whenOpened{};
    bool heldStill = true;
    boxes.whileOpen = [&](QMessageBox& box, qint64) {
        if (box.text() == "Fin de calcul") return;
        if (whenOpened.xsc.isEmpty()) {
            whenOpened = runDisplay(window);
            clickAsUser(window, button(window, "Command1"));  // refused while the box is open
        }
        heldStill = heldStill && runDisplay(window) == whenOpened;
    };
    // Once the run has made a few steps, the user asks for the box.
    QTimer asker;
    asker.setInterval(1);
    QObject::connect(&asker, &QTimer::timeout, [&] {
        // The first step still shows the start distances: on a loaded machine the first turn
        // may come right after it, so wait until the body has been seen to move.
        if (shownText(window, "tempscourant") == "0" || shownText(window, "DC1C") == "0,5") return;
        asker.stop();
        if (about)
            window.findChild<QAction*>("apropos")->trigger();
        else
            QTest::mouseClick(button(window, "Command3"), Qt::LeftButton);
    });
    asker.start();
    QTest::mouseClick(button(window, "Command2"), Qt::LeftButton);

    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].title, about ? "A propos" : "Pause");
    EXPECT_EQ(boxes.seen[1].text, "Fin de calcul");
    EXPECT_FALSE(whenOpened.xsc.isEmpty());
    EXPECT_NE(whenOpened.xsc, expected.xsc) << "the box opened after the run had ended";
    EXPECT_TRUE(heldStill);
    EXPECT_NE(whenOpened.dc1c, "0,5");  // the blocked click did not reset the scene
    EXPECT_EQ(runDisplay(window), expected);
}

INSTANTIATE_TEST_SUITE_P(PauseAndAbout, HoldingARun, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "AboutBox" : "PauseBox"; });

// Closing ends the whole process, so it is watched from outside, in a child process.
struct CloseOutcome {
    int exitCode;
    QProcess::ExitStatus status;
    QString output;
};

CloseOutcome closeProbe(const QString& when)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(VIRENAST_CLOSE_PROBE), {when});
    EXPECT_TRUE(probe.waitForFinished(60000));
    return {probe.exitCode(), probe.exitStatus(), QString::fromUtf8(probe.readAll())};
}

TEST(WindowCommands, ClosingDuringARunEndsTheProgramAtOnceWithoutTheEndReport)
{
    const CloseOutcome outcome = closeProbe("during-run");
    EXPECT_EQ(outcome.status, QProcess::NormalExit);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.output.contains("closing at")) << qPrintable(outcome.output);
    EXPECT_FALSE(outcome.output.contains("Fin de calcul")) << qPrintable(outcome.output);
    EXPECT_FALSE(outcome.output.contains("after close")) << qPrintable(outcome.output);
}

TEST(WindowCommands, ClosingDuringANestedRunOrWithoutARunEndsTheProgram)
{
    for (const char* when : {"nested-run", "idle"}) {
        const CloseOutcome outcome = closeProbe(when);
        EXPECT_EQ(outcome.status, QProcess::NormalExit) << when;
        EXPECT_EQ(outcome.exitCode, 0) << when;
        EXPECT_TRUE(outcome.output.contains("closing at")) << qPrintable(outcome.output);
        EXPECT_FALSE(outcome.output.contains("Fin de calcul")) << qPrintable(outcome.output);
        EXPECT_FALSE(outcome.output.contains("after close")) << qPrintable(outcome.output);
    }
}

}  // namespace
}  // namespace virenast::testing
