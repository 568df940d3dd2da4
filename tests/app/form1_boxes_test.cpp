// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window and its message boxes stand on the screen: the window centred with its
// frame, and every box clear of the drawing and of the current values.
#include "app/box_title.h"
#include "form/form1_description.h"
#include "form1_test_support.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace virenast::testing {
namespace {

QRect onScreen(const QWidget* widget) { return {widget->mapToGlobal(QPoint(0, 0)), widget->size()}; }

struct SeenBox {
    QString title;
    QRect frame;
};

class Form1Boxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        if (available.width() < window.frameGeometry().width() + 200 ||
            available.height() < window.frameGeometry().height() + 100)
            GTEST_SKIP() << "the screen is too small to hold a box beside the window";
        boxes.whileOpen = [this](QMessageBox& box, qint64 openFor) {
            if (openFor == 0 || seen.empty() || seen.back().title != box.windowTitle() ||
                seen.back().frame != box.frameGeometry())
                seen.push_back({box.windowTitle(), box.frameGeometry()});
        };
    }

    void expectClearOfTheDrawingAndTheValues()
    {
        std::vector<std::pair<const char*, QRect>> kept{{"frame1", onScreen(window.findChild<QWidget*>("frame1"))}};
        for (const form::ControlDescription& control : form::form1Controls())
            if (control.currentValue)
                kept.emplace_back(control.name, onScreen(window.findChild<QWidget*>(QString::fromLatin1(control.name))));
        ASSERT_FALSE(seen.empty());
        for (const SeenBox& box : seen) {
            EXPECT_TRUE(window.screen()->availableGeometry().contains(box.frame)) << qPrintable(box.title);
            for (const auto& [name, rect] : kept)
                EXPECT_FALSE(rect.intersects(box.frame)) << qPrintable(box.title) << " covers " << name;
        }
    }

    app::Form1 window{QLocale(QLocale::French)};
    MessageBoxWatcher boxes;
    std::vector<SeenBox> seen;
};

TEST_F(Form1Boxes, PauseAndAboutDuringARunAndTheEndReportStandClear)
{
    typeInto(window, "Text1", "2");  // long enough at the maximal pace for both boxes
    QTimer::singleShot(5, [&] { button(window, "Command3")->click(); });
    QTimer::singleShot(10, [&] { window.findChild<QAction*>("apropos")->trigger(); });
    button(window, "Command2")->click();
    QStringList titles;
    for (const SeenBox& box : seen) titles << box.title;
    EXPECT_TRUE(titles.contains("Pause") && titles.contains("A propos") && titles.contains("Information"))
        << qPrintable(titles.join(", "));
    expectClearOfTheDrawingAndTheValues();
}

TEST_F(Form1Boxes, TheErrorBoxesStandClear)
{
    typeInto(window, "G2", "abc");
    button(window, "Command2")->click();  // the reset's "Erreur", the run's, then "Fin de calcul"
    ASSERT_EQ(boxes.seen.size(), 3u);
    EXPECT_EQ(boxes.seen[0].title, "Erreur");
    expectClearOfTheDrawingAndTheValues();
}

TEST_F(Form1Boxes, TheBoxesStayModalToTheApplication)
{
    boxes.whileOpen = [&](QMessageBox& box, qint64) {
        seen.push_back({box.windowTitle(), box.frameGeometry()});
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    };
    button(window, "Command3")->click();
    EXPECT_FALSE(seen.empty());
}

// Each box as the desktop shows a message box: a dialog with a title and a close button only,
// wide enough for its whole title in a window manager's title font, even after it fits itself
// to its text again.
TEST_F(Form1Boxes, EveryBoxIsADialogWithOnlyACloseButtonAndRoomForItsTitle)
{
    struct Look {
        QString title;
        Qt::WindowFlags flags;
        int width, widthAfterRelayout;
    };
    std::vector<Look> looks;
    boxes.whileOpen = [&](QMessageBox& box, qint64 openFor) {
        if (openFor != 0) return;
        const int width = box.width();
        QEvent relayout(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(&box, &relayout);
        looks.push_back({box.windowTitle(), box.windowFlags(), width, box.width()});
    };
    button(window, "Command3")->click();
    window.findChild<QAction*>("apropos")->trigger();
    typeInto(window, "Text1", "abc");
    button(window, "Command2")->click();  // "Erreur", then "Fin de calcul"
    ASSERT_EQ(looks.size(), 4u);
    const int titleBar = window.geometry().top() - window.frameGeometry().top();
    for (const Look& look : looks) {
        SCOPED_TRACE(look.title.toStdString());
        EXPECT_EQ(look.flags & Qt::WindowType_Mask, Qt::Dialog);
        EXPECT_TRUE(look.flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
        EXPECT_FALSE(look.flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        const int needed = app::widthForTitle(look.title, QGuiApplication::font(), titleBar);
        EXPECT_GE(look.width, needed);
        EXPECT_GE(look.widthAfterRelayout, needed);
    }
    EXPECT_EQ(looks[0].title, "Pause");
    EXPECT_EQ(looks[3].title, "Information");
}

// A window manager may offer to minimise a dialog all the same: the box comes straight back,
// still modal.
TEST_F(Form1Boxes, AMinimisedBoxComesStraightBack)
{
    boxes.holdTitle = "Pause";
    boxes.holdMilliseconds = 300;
    bool minimisedOnce = false;
    bool lastSeenMinimised = true;
    boxes.whileOpen = [&](QMessageBox& box, qint64 openFor) {
        if (openFor == 0) {
            box.setWindowState(Qt::WindowMinimized);
            minimisedOnce = box.isMinimized();
            return;
        }
        lastSeenMinimised = box.isMinimized();
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
    };
    button(window, "Command3")->click();
    EXPECT_TRUE(minimisedOnce);
    EXPECT_FALSE(lastSeenMinimised);
}

TEST(Form1Placement, TheWindowOpensCentredWithItsFrame)
{
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint centre = window.screen()->availableGeometry().center();
    // The virtual screen frames windows too, a moment after they appear.
    QTRY_VERIFY_WITH_TIMEOUT((window.frameGeometry().center() - centre).manhattanLength() <= 1, 2000);
    EXPECT_NE(window.frameGeometry(), window.geometry());
}

}  // namespace
}  // namespace virenast::testing
