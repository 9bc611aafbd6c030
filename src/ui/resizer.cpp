#include "ui/resizer.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QWidget>

namespace ui {

Resizer::Resizer(QWidget* window) : QObject(window), window_(window), designSize_(window->size())
{
    setObjectName(QStringLiteral("ReSize1"));
    designFont_ = window->font();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow())
            continue;
        controls_.push_back(
            {w, QRectF(w->geometry()), w->geometry(), w->font(), w->testAttribute(Qt::WA_SetFont)});
    }
    window->installEventFilter(this);
}

bool Resizer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Resize)
        apply(window_->size());
    return QObject::eventFilter(watched, event);
}

void Resizer::apply(QSize size)
{
    if (designSize_.isEmpty() || size.isEmpty())
        return;
    const double rx = double(size.width()) / designSize_.width();
    const double ry = double(size.height()) / designSize_.height();
    const double rf = std::min(rx, ry);
    auto scaled = [rf](QFont f) {
        if (f.pointSizeF() > 0)
            f.setPointSizeF(std::max(1.0, f.pointSizeF() * rf));
        else if (f.pixelSize() > 0)
            f.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * rf))));
        return f;
    };
    window_->setFont(scaled(designFont_));
    for (Control& c : controls_) {
        if (!c.widget)
            continue;
        const QRect now = c.widget->geometry();
        if (now != c.applied)
            c.design = QRectF(now.x() / rx_, now.y() / ry_, now.width() / rx_, now.height() / ry_);
        const QRectF& g = c.design;
        c.applied = QRect(int(std::lround(g.x() * rx)), int(std::lround(g.y() * ry)),
                          int(std::lround(g.width() * rx)), int(std::lround(g.height() * ry)));
        c.widget->setGeometry(c.applied);
        if (c.ownFont)
            c.widget->setFont(scaled(c.font));
    }
    rx_ = rx;
    ry_ = ry;
}

}  // namespace ui
