#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <vector>

class QWidget;

namespace ui {

// Keeps a window's layout in proportion: when the client area changes size,
// every control is placed at its design position and size scaled by the
// ratio of the new width (height) to the design width (height), and its font
// scales with the smaller ratio so that text keeps fitting. Positions are
// always computed from the design values, so resizing back restores them; a
// control the program itself has moved or resized since (the score gauge)
// keeps that change, carried over into design units.
class Resizer : public QObject {
    Q_OBJECT

public:
    // Records the window's current (design-time) layout.
    explicit Resizer(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QPointer<QWidget> widget;
        QRectF design;  // at the design size
        QRect applied;  // what the resizer last set
        QFont font;
        bool ownFont;
    };
    void apply(QSize size);

    QWidget* window_;
    QSize designSize_;
    QFont designFont_;
    double rx_ = 1.0;
    double ry_ = 1.0;
    std::vector<Control> controls_;
};

}  // namespace ui
