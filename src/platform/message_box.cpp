#include "platform/message_box.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

namespace platform {

namespace {
MessageBoxHandler& handler()
{
    static MessageBoxHandler h;
    return h;
}

// The width a window needs for its whole title, or the window manager elides
// it ("Test C... plete!"). The window manager's font cannot be known, so the
// title is measured in the platform's title font (the window manager's own
// under KDE, the desktop's font under GNOME, 12 pt elsewhere), bold as most
// draw it, with room beside it for an icon and three buttons, each taken as
// one and a half times the font's height.
int widthForTitle(const QString& title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}
}  // namespace

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler h)
{
    return std::exchange(handler(), std::move(h));
}

void showMessageBox(const QString& text, const QString& title)
{
    const QPointer<QWidget> underneath = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, underneath);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    // The box sizes itself to its layout's least width, so a strut widens it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const int room = box.screen()->availableGeometry().width() - margins.left() - margins.right();
        const int strut = std::min(widthForTitle(title) - margins.left() - margins.right(), room);
        grid->addItem(new QSpacerItem(strut, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
    // Hand the keyboard back to the window the box stood over.
    if (underneath && underneath->isVisible())
        underneath->activateWindow();
}

void MsgBox(const QString& text, const QString& title)
{
    if (handler())
        handler()(text, title);
    else
        showMessageBox(text, title);
}

}  // namespace platform
