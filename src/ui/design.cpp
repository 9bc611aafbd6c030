#include "ui/design.h"

#include <QFont>
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
    if (size.isValid()) {
        QFont f = w->font();
        f.setPointSizeF(size.toDouble());
        w->setFont(f);
    }
    if (w->property("designHidden").toBool())
        w->setVisible(false);
}
}  // namespace

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

void installFontSubstitutes()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(
        QStringLiteral("Courier New"),
        {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")});
}

void initResources()
{
    initCompiledResources();
}

}  // namespace ui
