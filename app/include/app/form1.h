// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/form1_description.h"
#include "form/menu_bar.h"

#include <QImage>
#include <QLocale>
#include <QMainWindow>

#include <memory>
#include <utility>
#include <vector>

namespace virenast::form {
class Session;
}

namespace virenast::app {

class DrawingArea;
class FileChooser;
class FileCommands;
class GraphWindow;
class MenuBar;
class QtWindowPlatform;
class SettingsChoiceStore;

// The main window: builds every control from the window description, and forwards its clicks
// to the window commands. It shows and forwards; the computing lives in the simulation.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // `locale` is the user's number format; the tests pass one explicitly.
    explicit Form1(const QLocale& locale = QLocale::system());
    ~Form1() override;

    // Opens a scenario file into the boxes, as `ouvrirScenario` does once a file is chosen
    // (the program's argument uses it); whether anything of it was taken.
    bool openScenario(const QString& path);
    // Where the menu `fichier` asks for its files: Qt's dialogs unless a test sets its own.
    void setFileChooser(std::unique_ptr<FileChooser> chooser);

    // The scale the window's layout is drawn at: 1 at its own size.
    double scale() const { return scale_; }
    // What "Enregistrer l'image…" saves: the drawing, and the graphs beside it when shown.
    QImage picture(int scale) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A click on a button or on "A propos".
    void perform(form::Command command);
    // A row of the menu bar chosen: its command, or a choice shown at once and kept.
    void choose(const form::MenuRow& row);
    void showChoices();
    void applyColours();
    void scaleTo(double scale, QSize client);
    // Enables what the menu `fichier` can do now: the measurements once a run has some.
    void refreshFileMenu();

    std::unique_ptr<QtWindowPlatform> platform_;
    std::unique_ptr<SettingsChoiceStore> choiceStore_;
    std::unique_ptr<form::Session> session_;
    std::unique_ptr<FileCommands> fileCommands_;
    MenuBar* menuBar_ = nullptr;
    DrawingArea* drawingArea_ = nullptr;
    GraphWindow* graphs_ = nullptr;
    // The widgets whose back colour is a role of the scheme.
    std::vector<std::pair<QWidget*, form::Colour>> coloured_;
    // The controls of the client area and their described boxes, in twips.
    std::vector<std::pair<QWidget*, form::Box>> placed_;
    double scale_ = 1;
    QPoint offset_;
};

}  // namespace virenast::app
