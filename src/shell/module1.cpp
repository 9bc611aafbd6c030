#include "shell/module1.h"

#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/window_frame.h"
#include "shell/welcome.h"
#include "ui/design.h"

namespace shell {

void prepareApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("netadmin-quiz"));
    QGuiApplication::setDesktopFileName(QStringLiteral("netadmin-quiz"));
    // The program ends when no main window is shown any more, not when the
    // last window happens to be hidden between two steps.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ui::initResources();
    ui::installFonts();
}

void Main()
{
    center_form(Welcome.get());
}

void center_form(QWidget& form, float horizontal, float vertical)
{
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QMargins frame = platform::frameMargins(form);
    const QSize outer = form.size().grownBy(frame);
    const float left = float(area.width() - outer.width()) / 2.0f - horizontal;
    const float top = float(area.height() - outer.height()) / 2.0f - vertical;
    // The window's own area goes inside the frame: placing that, rather than
    // the frame, means the same whether or not the window has been shown.
    const QPoint inner(area.x() + int(std::lround(left)) + frame.left(),
                       area.y() + int(std::lround(top)) + frame.top());
    form.setGeometry(QRect(inner, form.size()));
}

}  // namespace shell
