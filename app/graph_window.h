// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form/colours.h"
#include "form/display_choices.h"
#include "form/menu_bar.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QTableWidget;
class QTimer;

namespace virenast::form {
class Session;
}

namespace virenast::app {

class DrawingArea;

// The graphs' view `vueGraphiques`, a window of its own beside the main window while "Graphiques"
// is checked: a check box for each curve, the session's graphs drawn to fit the window, and the
// table "Troisième loi" with its copy. The pointer (or a finger) over a curve shows the value there
// whole. Closing it unchecks "Graphiques"; its place and size are kept for the next time, unless
// they would cover the main window.
class GraphWindow : public QWidget {
    Q_OBJECT

public:
    using Choose = std::function<void(const form::MenuRow& row)>;
    GraphWindow(QWidget& mainWindow, form::Session& session, Choose choose);

    // Shown or hidden as "Graphiques" says, its boxes checked as the choices say.
    void showChoices(const form::DisplayChoices& choices);
    // Draws what the graphs gained since the last turn, and the table's new rows.
    void refresh();
    void setColours(const form::Palette& palette);
    // The graphs as they are now, at `scale` times their size on the screen.
    QImage picture(int scale) const;
    // Keeps its place and size for the next time it is shown, in this run of the program or the next.
    void keepPlace();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeBesideMainWindow();
    void fitDrawing();
    void refreshTable();

    QWidget& mainWindow_;
    form::Session& session_;
    Choose choose_;
    DrawingArea* drawing_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::vector<std::pair<const form::MenuRow*, QCheckBox*>> boxes_;
    bool placed_ = false;
    QTimer* keeping_ = nullptr;  // a place is kept once the window has stopped moving
};

}  // namespace virenast::app
