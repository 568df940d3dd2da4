// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt_window_platform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace virenast::platform {
namespace {

constexpr float twipsPerPixel = 15;

template <typename T>
T* findControl(QWidget& window, const char* name)
{
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("The window has no control named %s of the expected kind", name);
    return control;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Corner>
QMetaProperty findProperty(QObject& object, Corner which)
{
    const QMetaObject* meta = object.metaObject();
    const int index = meta->indexOfProperty(nameOf(which));
    if (index < 0) qFatal("%s has no property %s", qPrintable(object.objectName()), nameOf(which));
    return meta->property(index);
}

// A message box that takes its place once its size is known, before it appears on screen.
class PlacedMessageBox : public QMessageBox {
public:
    PlacedMessageBox(Icon icon, const QString& title, const QString& text, QWidget* parent,
                     const QtWindowPlatform::MessageBoxPlacement& place)
        : QMessageBox(icon, title, text, QMessageBox::Ok, parent), place_(place)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);  // sizes the box
        if (place_) place_(*this);
    }

private:
    const QtWindowPlatform::MessageBoxPlacement& place_;
};

}  // namespace

QtWindowPlatform::QtWindowPlatform(QWidget& window, const QLocale& locale)
    : WindowPlatform(NumberText(locale.decimalPoint().toStdString())), window_(window)
{
    for (std::size_t i = 0; i < textBoxCount; ++i)
        textBoxes_[i] = findControl<QLineEdit>(window, nameOf(static_cast<TextBox>(i)));
    for (std::size_t i = 0; i < labelCount; ++i)
        labels_[i] = findControl<QLabel>(window, nameOf(static_cast<Label>(i)));
    for (std::size_t i = 0; i < shapeCount; ++i) {
        QObject* shape = findControl<QObject>(window, nameOf(static_cast<Shape>(i)));
        for (std::size_t j = 0; j < 4; ++j)
            shapes_[i][j] = {shape, findProperty(*shape, static_cast<ShapeGeometry>(j))};
    }
    for (std::size_t i = 0; i < lineCount; ++i) {
        QObject* line = findControl<QObject>(window, nameOf(static_cast<Line>(i)));
        for (std::size_t j = 0; j < 4; ++j)
            lines_[i][j] = {line, findProperty(*line, static_cast<LineEnd>(j))};
    }
    frame_ = findControl<QWidget>(window, "frame1");
    scrollBar_ = findControl<QScrollBar>(window, "HScroll1");
}

std::string QtWindowPlatform::text(TextBox box) { return textBoxes_[indexOf(box)]->text().toStdString(); }

void QtWindowPlatform::setText(TextBox box, std::string_view text)
{
    QLineEdit* lineEdit = textBoxes_[indexOf(box)];
    lineEdit->setText(fromUtf8(text));
    lineEdit->setCursorPosition(0);  // a number too long for its box shows its first digits
}

void QtWindowPlatform::setCaption(Label label, std::string_view caption)
{
    labels_[indexOf(label)]->setText(fromUtf8(caption));
}

float QtWindowPlatform::read(const TwipProperty& property)
{
    bool ok = false;
    const float twips = property.property.read(property.object).toFloat(&ok);
    if (!ok) throw Error("a drawn object did not give its position");
    return twips;
}

void QtWindowPlatform::write(const TwipProperty& property, float twips)
{
    if (!property.property.write(property.object, QVariant(twips)))
        throw Error("a drawn object refused its position");
}

float QtWindowPlatform::shapeGeometry(Shape shape, ShapeGeometry which)
{
    return read(shapes_[indexOf(shape)][indexOf(which)]);
}

void QtWindowPlatform::setShapeGeometry(Shape shape, ShapeGeometry which, float twips)
{
    write(shapes_[indexOf(shape)][indexOf(which)], twips);
}

float QtWindowPlatform::linePoint(Line line, LineEnd which) { return read(lines_[indexOf(line)][indexOf(which)]); }

void QtWindowPlatform::setLinePoint(Line line, LineEnd which, float twips)
{
    write(lines_[indexOf(line)][indexOf(which)], twips);
}

float QtWindowPlatform::frameWidth() { return static_cast<float>(frame_->width()) * twipsPerPixel; }

float QtWindowPlatform::frameHeight() { return static_cast<float>(frame_->height()) * twipsPerPixel; }

std::int16_t QtWindowPlatform::scrollValue() { return static_cast<std::int16_t>(scrollBar_->value()); }

void QtWindowPlatform::messageBox(std::string_view text, std::string_view title, MessageStyle style)
{
    const QMessageBox::Icon icon =
        style == MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::Information;
    PlacedMessageBox box(icon, fromUtf8(title), fromUtf8(text), &window_, placeMessageBox_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtWindowPlatform::yield() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtWindowPlatform::end()
{
    // The program keeps no file and no state worth saving, and a run in progress sits below
    // this call in the stack: leave at once, without unwinding into it.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace virenast::platform
