#include "platform/message_box.h"

#include <utility>

#include <QApplication>
#include <QMessageBox>

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
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void MsgBox(const QString& text, const QString& title)
{
    if (handler())
        handler()(text, title);
    else
        showMessageBox(text, title);
}

}  // namespace platform
