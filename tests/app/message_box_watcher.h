#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

namespace virenast::testing {

// Watches for the application's modal message boxes, notes each one, and closes it with its
// OK button, as a user would, after holding it open for `holdMilliseconds`.
class MessageBoxWatcher : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttonCount;
    };

    MessageBoxWatcher();

    std::vector<Seen> seen;
    int holdMilliseconds = 0;
    // Called while each box is open: once when it appears, then at every poll until it closes.
    std::function<void(QMessageBox& box, qint64 openForMilliseconds)> whileOpen;

private:
    void poll();

    QTimer timer_;
    QPointer<QMessageBox> current_;
    QElapsedTimer openFor_;
};

}  // namespace virenast::testing
