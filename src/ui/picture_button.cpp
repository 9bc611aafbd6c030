#include "ui/picture_button.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/announcer.h"
#include "ui/design.h"

namespace ui {

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent)
{
    setCheckable(true);
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

bool PictureButton::event(QEvent* event)
{
    // The Alt shortcut toggles the choice at once and leaves the focus where
    // it is (on Next), so Enter still moves on after choosing from the
    // keyboard; Qt's own handling would animate the click and take the focus.
    if (event->type() == QEvent::Shortcut) {
        click();
        // A screen reader tells the new state of the focused control only.
        if (!hasFocus())
            announce(window(), accessibleName() + (isChecked() ? QStringLiteral(" checked")
                                                               : QStringLiteral(" not checked")));
        return true;
    }
    return QPushButton::event(event);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (isChecked()) {
        option.state |= QStyle::State_Sunken | QStyle::State_On;
        const QColor highlight = palette().color(QPalette::Highlight);
        option.palette.setColor(QPalette::Button, highlight);
        option.palette.setColor(QPalette::ButtonText,
                                readableOn(highlight, palette().color(QPalette::HighlightedText)));
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace ui
