#include "ui/design.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
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

// The families that stand in for the design's fonts run a little wider than
// the originals at small sizes, so a caption fixed at design time may overrun
// its label by a pixel or two; such a label is condensed just enough to fit.
void condenseToFit(QLabel* label)
{
    if (label->text().isEmpty() || label->wordWrap() || label->text().contains(u'\n'))
        return;
    const int room = label->contentsRect().width() - 2 * label->margin();
    QFont f = label->font();
    for (int stretch = 99; QFontMetrics(f).horizontalAdvance(label->text()) > room; --stretch) {
        if (stretch < 85)
            return;  // beyond what reads well: leave it to the layout
        f.setStretch(stretch);
    }
    if (f.stretch() != label->font().stretch())
        label->setFont(f);
}

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
    if (auto* label = qobject_cast<QLabel*>(w)) {
        condenseToFit(label);
        if (const QString source = label->property("picture").toString(); !source.isEmpty())
            label->setPixmap(picture(source, label->devicePixelRatioF()));
    }
    if (w->property("designHidden").toBool())
        w->setVisible(false);
    // Enter presses the focused button, as Space does (outside dialogs Qt
    // leaves that to buttons marked auto-default).
    if (auto* button = qobject_cast<QPushButton*>(w); button && !button->isCheckable())
        button->setAutoDefault(true);
}

}  // namespace

QPixmap picture(const QString& source, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString sharp = source;
        sharp.insert(sharp.lastIndexOf(u'.'), QStringLiteral("@2x"));
        if (QPixmap pixmap(sharp); !pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(source);
}

void setProgramIcon(QWidget* window)
{
    // Both sizes go to the window system, which takes the one its screen needs.
    static const QIcon icon = [] {
        QIcon i;
        i.addPixmap(QPixmap(QStringLiteral(":/images/icon.png"), "PNG"));
        i.addPixmap(QPixmap(QStringLiteral(":/images/icon-64.png"), "PNG"));
        return i;
    }();
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
