// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form1.h"
#include "form1_test_support.h"
#include "qstring_printing.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace virenast::app {
namespace {

class Form1LayoutTest : public ::testing::Test {
protected:
    template <typename T = QWidget>
    T* control(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString textOf(const char* name)
    {
        if (auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name))) return box->text();
        if (auto* label = window.findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
        return control<QPushButton>(name)->text();
    }

    Form1 window{QLocale(QLocale::French)};
};

TEST_F(Form1LayoutTest, WindowCaptionSizeMenuAndIcon)
{
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.windowTitle(), "Virenast");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.centralWidget()->width(), 1016);
    EXPECT_EQ(window.centralWidget()->height(), 688);
    const QList<QAction*> menu = window.menuBar()->actions();
    ASSERT_EQ(menu.size(), 3);
    EXPECT_EQ(menu[0]->objectName(), "fichier");  // "Fichier" first, "Affichage" before "A propos"
    EXPECT_NE(menu[0]->menu(), nullptr);
    EXPECT_EQ(menu[1]->objectName(), "affichage");
    EXPECT_NE(menu[1]->menu(), nullptr);
    EXPECT_EQ(menu[2]->objectName(), "apropos");
    EXPECT_EQ(menu[2]->text(), "A propos");
    EXPECT_EQ(menu[2]->menu(), nullptr);  // choosing it is itself the command
    const QList<QSize> iconSizes = window.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
}

TEST_F(Form1LayoutTest, EveryControlOfEachKindIsThere)
{
    QWidget* client = window.centralWidget();
    EXPECT_EQ(client->findChildren<QLineEdit*>().size(), 14);
    EXPECT_EQ(client->findChildren<QLabel*>().size(), 25);
    EXPECT_EQ(client->findChildren<QPushButton*>().size(), 3);
    EXPECT_EQ(client->findChildren<QScrollBar*>().size(), 1);
    for (const char* shape : {"corps", "corps1", "corps2", "Line1", "Line2"})
        EXPECT_EQ(control<QObject>(shape)->parent(), control("frame1")) << shape;
}

TEST_F(Form1LayoutTest, DefaultTextsWithTheirAccents)
{
    EXPECT_EQ(textOf("Command1"), "Réinitialiser le graphique");
    EXPECT_EQ(textOf("Command2"), "Lancer le calcul");
    EXPECT_EQ(textOf("Command3"), "Pause");
    EXPECT_EQ(textOf("Label1"), "Corps céleste 1");
    EXPECT_EQ(textOf("Label3"), "Constante de gravitation [10^4km3/s²]");
    EXPECT_EQ(textOf("Label7"), "Nombre d'années de calcul :");
    EXPECT_EQ(textOf("Label8"), "Remarque : 1UA = 1,5.10^8 km");
    EXPECT_EQ(textOf("Label20"), "Temps courant [années]");
    const std::pair<const char*, const char*> boxes[] = {
        {"G1", "3500"}, {"G2", "3500"}, {"x1", "1,3"}, {"y1", "1"},    {"x2", "1,8"},  {"y2", "1"},  {"xs", "1,3"},
        {"ys", "1,5"},  {"Text4", "1000"}, {"vx", "1900"}, {"vy", "0"}, {"xsc", "1,3"}, {"ysc", "1,5"}, {"Text1", "10"}};
    for (const auto& [name, text] : boxes) EXPECT_EQ(textOf(name), text) << name;
    for (const char* result : {"DC1C", "AC1C", "DC2C", "AC2C"}) EXPECT_EQ(textOf(result), "") << result;
    EXPECT_EQ(textOf("tempscourant"), "0");
}

TEST_F(Form1LayoutTest, PlacesAreInPixelsOfFifteenTwips)
{
    EXPECT_EQ(control("frame1")->geometry(), QRect(0, 0, 1017, 545));
    EXPECT_EQ(control("Label3")->geometry(), QRect(96, 544, 89, 41));
    EXPECT_EQ(control("G1")->geometry(), QRect(104, 592, 73, 19));
    EXPECT_EQ(control("Command3")->geometry(), QRect(432, 656, 121, 25));
    EXPECT_EQ(control("HScroll1")->geometry(), QRect(584, 592, 153, 25));
    EXPECT_EQ(control("DC2C")->geometry(), QRect(872, 608, 137, 17));
    EXPECT_EQ(control("tempscourant")->geometry(), QRect(712, 664, 73, 17));
    EXPECT_TRUE(control<QLabel>("Label3")->wordWrap());
    EXPECT_TRUE(control<QLabel>("Label3")->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(control<QLabel>("Label15")->alignment() & Qt::AlignHCenter);
}

TEST_F(Form1LayoutTest, DrawnObjectsStartAtTheirDesignGeometryInTwips)
{
    QObject* corps = control<QObject>("corps");
    EXPECT_EQ(corps->property("Left").toFloat(), 5160.0f);
    EXPECT_EQ(corps->property("Top").toFloat(), 6120.0f);
    EXPECT_EQ(corps->property("Width").toFloat(), 105.0f);
    EXPECT_EQ(control<QObject>("corps2")->property("Left").toFloat(), 7080.0f);
    EXPECT_EQ(control<QObject>("corps1")->property("Height").toFloat(), 135.0f);
    QObject* line1 = control<QObject>("Line1");
    EXPECT_EQ(line1->property("X1").toFloat(), 5280.0f);
    EXPECT_EQ(line1->property("Y1").toFloat(), 4080.0f);
    EXPECT_EQ(line1->property("X2").toFloat(), 5160.0f);
    EXPECT_EQ(control<QObject>("Line2")->property("Y1").toFloat(), 6120.0f);
    EXPECT_EQ(control<QObject>("Line2")->property("Y2").toFloat(), 3960.0f);
}

TEST_F(Form1LayoutTest, BackColoursTellWhichBodyABoxBelongsTo)
{
    const auto base = [&](const char* name) { return control(name)->palette().color(QPalette::Base); };
    for (const char* body1 : {"G1", "x1", "y1"}) EXPECT_EQ(base(body1), QColor(0, 150, 150)) << body1;
    for (const char* body2 : {"G2", "x2", "y2"}) EXPECT_EQ(base(body2), QColor(255, 0, 0)) << body2;
    for (const char* moving : {"xs", "ys", "Text4", "vx", "vy", "xsc", "ysc"})
        EXPECT_EQ(base(moving), QColor(0, 192, 0)) << moving;
    EXPECT_EQ(control("xsc")->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 192, 0));
    EXPECT_EQ(control("Label8")->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_TRUE(control("Label8")->autoFillBackground());
    EXPECT_EQ(control("Command3")->palette().color(QPalette::Button), QColor(255, 0, 0));
}

TEST_F(Form1LayoutTest, OnlyTheCurrentPositionBoxesAreDisabled)
{
    for (QWidget* widget : window.centralWidget()->findChildren<QWidget*>()) {
        const bool currentPosition = widget->objectName() == "xsc" || widget->objectName() == "ysc";
        if (widget->parentWidget() != window.centralWidget()) continue;
        EXPECT_EQ(widget->isEnabled(), !currentPosition) << qPrintable(widget->objectName());
    }
}

TEST_F(Form1LayoutTest, CrossHairOverTheWindowsOwnSurfaceOnly)
{
    EXPECT_EQ(window.centralWidget()->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(control("Label1")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(control("Command2")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(control("frame1")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(control("G1")->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(Form1LayoutTest, ScrollBarRunsFromOneToTwentyFourHours)
{
    auto* scrollBar = control<QScrollBar>("HScroll1");
    EXPECT_EQ(scrollBar->value(), 1);
    EXPECT_EQ(scrollBar->singleStep(), 1);
    EXPECT_EQ(scrollBar->pageStep(), 5);
    scrollBar->setValue(0);
    EXPECT_EQ(scrollBar->value(), 1);
    scrollBar->setValue(1000);
    EXPECT_EQ(scrollBar->value(), 24);
    scrollBar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(scrollBar->value(), 19);
    scrollBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(scrollBar->value(), 20);
}

TEST_F(Form1LayoutTest, TabWalksTheInputsInTheirTabOrderFromTheScrollBar)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(QApplication::focusWidget(), control("HScroll1"));
    const QStringList expected{"Command2", "Command1", "y1", "x1", "Text4", "ys",       "xs",      "Text1",
                               "y2",       "x2",       "vy", "vx", "G2",    "G1",       "Command3", "HScroll1"};
    QStringList walked;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, expected);
}

}  // namespace
}  // namespace virenast::app

namespace virenast::testing {
namespace {

// Made twice as large (maximised on a projector's screen), the window draws its whole layout twice
// as large in the middle of its client area, text and drawing included; the logic still sees the
// drawing in its own twips, so a run ends as in a window of the usual size.
TEST(Form1Scale, ALargerWindowDrawsItsLayoutLargerAndRunsTheSame)
{
    const RunDisplay usual = undisturbedRunEnd("0,5");
    app::Form1 window{QLocale(QLocale::French)};
    window.show();
    QWidget* client = window.centralWidget();
    window.resize(window.width() + 1016 + 100, window.height() + 688);  // the client 2132 × 1376
    QTest::qWait(20);
    ASSERT_EQ(client->size(), QSize(2132, 1376));
    EXPECT_DOUBLE_EQ(window.scale(), 2.0);
    EXPECT_EQ(window.findChild<QWidget*>("frame1")->geometry(), QRect(50, 0, 2034, 1090));
    EXPECT_EQ(window.findChild<QWidget*>("Command2")->geometry(), QRect(50 + 864, 1232, 242, 66));
    EXPECT_EQ(window.findChild<QWidget*>("Label1")->font().pixelSize(), 22);
    typeInto(window, "Text1", QStringLiteral("0,5"));
    MessageBoxWatcher boxes;
    button(window, "Command2")->click();
    EXPECT_EQ(runDisplay(window), usual);
}

}  // namespace
}  // namespace virenast::testing
