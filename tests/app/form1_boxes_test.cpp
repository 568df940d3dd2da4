// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window and its message boxes stand on the screen: the window centred with its
// frame, and every box clear of the drawing and of the current values.
#include "form/form1_description.h"
#include "form1_test_support.h"

#include <QAction>
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
    typeInto(window, "Text1", "0,01");
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
