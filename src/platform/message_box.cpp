#include "platform/message_box.h"

#include <utility>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace platform {

namespace {
MessageBoxHandler& handler()
{
    static MessageBoxHandler h;
    return h;
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
