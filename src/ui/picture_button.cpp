#include "ui/picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent)
{
    setCheckable(true);
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (isChecked()) {
        option.state |= QStyle::State_Sunken | QStyle::State_On;
        option.palette.setColor(QPalette::Button, palette().color(QPalette::Highlight));
        option.palette.setColor(QPalette::ButtonText, palette().color(QPalette::HighlightedText));
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace ui
