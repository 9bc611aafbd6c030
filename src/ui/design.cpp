#include "ui/design.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

static void initCompiledResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace ui {

namespace {

void applyTo(QWidget* w)
{
    const QVariant size = w->property("fontPointSizeF");
    const bool monospace = w->testAttribute(Qt::WA_SetFont) && w->font().family() == u"Courier New";
    if (size.isValid() || monospace) {
        QFont f = w->font();
        if (size.isValid())
            f.setPointSizeF(size.toDouble());
        if (monospace)
            f.setStyleHint(QFont::Monospace);  // whatever family stands in, it stays fixed-pitch
        w->setFont(f);
    }
    if (w->property("designHidden").toBool())
        w->setVisible(false);
    // Enter presses the focused button, as Space does (outside dialogs Qt
    // leaves that to buttons marked auto-default).
    if (auto* button = qobject_cast<QPushButton*>(w); button && !button->isCheckable())
        button->setAutoDefault(true);
}

}  // namespace

void setProgramIcon(QWidget* window)
{
    static const QIcon icon(QPixmap(QStringLiteral(":/images/icon.png"), "PNG"));
    window->setWindowIcon(icon);
}

void applyDesign(QWidget* window)
{
    applyTo(window);
    for (QWidget* child : window->findChildren<QWidget*>())
        applyTo(child);
}

void setBorder(QWidget* window, Border border)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (border) {
    case Border::FixedDialog:
        flags |= Qt::MSWindowsFixedSizeDialogHint;
        window->setFixedSize(window->size());
        break;
    case Border::Sizable:
        flags |= Qt::WindowMinMaxButtonsHint;
        break;
    case Border::SizableNoBoxes:
        break;
    }
    window->setWindowFlags(flags);
}

void installFonts()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(
        QStringLiteral("Courier New"),
        {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")});
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8.25);
    QApplication::setFont(windowFont);
}

void initResources()
{
    initCompiledResources();
}

}  // namespace ui
