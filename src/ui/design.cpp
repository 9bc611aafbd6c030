#include "ui/design.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QVariant>
#include <QWidget>

static void initCompiledResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace ui {

namespace {

// The room a one-line caption has: a label's contents, or beside the box of a
// check box or option button as the style draws it (some styles leave less
// than the design expected).
int captionRoom(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->wordWrap() || label->text().contains(u'\n')
                   ? -1
                   : label->contentsRect().width() - 2 * label->margin();
    auto* check = qobject_cast<QCheckBox*>(w);
    auto* option = qobject_cast<QRadioButton*>(w);
    if (!check && !option)
        return -1;
    QStyleOptionButton o;
    o.initFrom(w);
    o.text = static_cast<QAbstractButton*>(w)->text();
    return w->style()
        ->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &o, w)
        .width();
}

// The families that stand in for the design's fonts run a little wider than
// the originals at small sizes, so a caption fixed at design time may overrun
// its control by a pixel or two; such a caption is condensed just enough to
// fit.
void condenseToFit(QWidget* w, const QString& text)
{
    const int room = captionRoom(w);
    if (text.isEmpty() || room < 0)
        return;
    QFont f = w->font();
    for (int stretch = 99; QFontMetrics(f).horizontalAdvance(QString(text).remove(u'&')) > room; --stretch) {
        if (stretch < 85)
            return;  // beyond what reads well: leave it to the layout
        f.setStretch(stretch);
    }
    if (f.stretch() != w->font().stretch())
        w->setFont(f);
}

// The font of a window that names none: the application's font as the
// program sets it, whatever the desktop has done to the application's font
// since.
QFont windowFont()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    return f;
}

// A platform theme gives fonts to widget classes (buttons, labels, check
// boxes …), which beat the application's font, and may replace the
// application's font after start-up. A window font with every attribute set
// is inherited whole by each control of the window and beats both, so the
// fixed layouts keep the fonts they were designed for.
void pinWindowFont(QWidget* window)
{
    QFont f = window->testAttribute(Qt::WA_SetFont) ? window->font().resolve(windowFont()) : windowFont();
    f.setResolveMask(QFont::AllPropertiesResolved);
    window->setFont(f);
}

// Where the design fixes a background (the welcome window is white) but not
// the colour of the text on it, a dark desktop palette would draw light text
// on it: such a text gets black or white, whichever goes with the background.
void matchForeground(QWidget* w)
{
    if (!w->testAttribute(Qt::WA_SetPalette))
        return;
    QPalette p = w->palette();
    bool changed = false;
    for (const auto& [background, text] :
         {std::pair{QPalette::Window, QPalette::WindowText}, std::pair{QPalette::Base, QPalette::Text}}) {
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            if (!p.isBrushSet(group, background) || p.isBrushSet(group, text))
                continue;
            p.setColor(group, text, readableOn(p.color(group, background), Qt::black));
            changed = true;
        }
    }
    if (changed)
        w->setPalette(p);
}

// Some styles pad a text box (as text margins, set when they polish it) more
// than a box of the design's height can spare, so that the box scrolls its
// one line out of sight; such a box keeps its text just inside its frame.
void fitTextBox(QLineEdit* edit)
{
    edit->ensurePolished();
    QStyleOptionFrame option;
    option.initFrom(edit);
    const int frame =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.lineWidth = frame;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins inset(contents.left(), contents.top(), edit->width() - 1 - contents.right(),
                         edit->height() - 1 - contents.bottom());
    const QMargins padding = edit->textMargins();
    const auto fit = [frame](int margin, int inset) {
        return std::clamp(frame - inset, 0, std::max(0, margin));
    };
    edit->setTextMargins(fit(padding.left(), inset.left()), fit(padding.top(), inset.top()),
                         fit(padding.right(), inset.right()), fit(padding.bottom(), inset.bottom()));
}

void applyTo(QWidget* w)
{
    matchForeground(w);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        fitTextBox(edit);
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
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        condenseToFit(w, button->text());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        condenseToFit(w, label->text());
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

QColor readableOn(const QColor& background, const QColor& preferred)
{
    // Relative luminance and contrast as the accessibility guidelines define them.
    const auto luminance = [](const QColor& c) {
        const auto linear = [](float v) {
            return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
        };
        return 0.2126f * linear(c.redF()) + 0.7152f * linear(c.greenF()) + 0.0722f * linear(c.blueF());
    };
    const auto contrast = [&](const QColor& text) {
        const auto [dark, light] = std::minmax({luminance(text), luminance(background)});
        return (light + 0.05f) / (dark + 0.05f);
    };
    if (contrast(preferred) >= 4.5f)
        return preferred;
    return contrast(Qt::black) >= contrast(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

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
    pinWindowFont(window);
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
    // Windows keeps MS Sans Serif as a bitmap font, which its modern text
    // renderer does not draw; its outline twin stands in there.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Microsoft Sans Serif")} + sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(
        QStringLiteral("Courier New"),
        {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")});
    QApplication::setFont(windowFont());
}

void initResources()
{
    initCompiledResources();
}

}  // namespace ui
