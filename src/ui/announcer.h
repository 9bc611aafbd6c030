#pragma once

#include <QWidget>

namespace ui {

// Says `text` to a screen reader without moving the keyboard focus, for a
// change the reader would not tell by itself. Qt 6.4 has no announcement
// event, and the readers do not speak a changed name or description of the
// focused control from it (the event carries the control, not the text).
void announce(QWidget* window, const QString& text);

// How: an invisible control of the window that assistive technology sees as
// a notification, shown afresh for each text; a reader speaks a notification
// when it appears.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);
};

}  // namespace ui
