#include "ui/announcer.h"

#include <QAccessibleWidget>

namespace ui {

namespace {
QAccessibleInterface* notificationFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("ui::Announcer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}
}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    static const bool installed = (QAccessible::installFactory(notificationFor), true);
    (void)installed;
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void announce(QWidget* window, const QString& text)
{
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
}

}  // namespace ui
