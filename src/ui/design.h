#pragma once

#include <QColor>
#include <QPixmap>

class QWidget;

namespace ui {

enum class Border {
    FixedDialog,    // not resizable, no minimise or maximise box
    Sizable,        // resizable, with minimise and maximise boxes
    SizableNoBoxes  // resizable, close box only
};

// Gives a top-level window the frame its layout asks for.
void setBorder(QWidget* window, Border border);

// The program icon, for the windows that carry it. Set in code rather than in
// the layouts: an icon from a file name makes Qt look for icon-engine
// plug-ins, which costs more than the rest of the welcome window's start.
void setProgramIcon(QWidget* window);

// Finishes a window built from its layout: what a layout file cannot say
// (fractional point sizes such as 9.75 pt, controls hidden at design time,
// fixed-pitch text that must stay fixed-pitch whatever font stands in, and
// a label's "picture" in the rendering that suits its screen).
void applyDesign(QWidget* window);

// A compiled-in picture for a screen of the given device-pixel ratio: above
// 1, its rendering at twice the size ("banner@2x.png" beside "banner.png"),
// so that it is drawn as sharp as the text beside it rather than stretched.
QPixmap picture(const QString& source, qreal devicePixelRatio);

// The colour to write on `background`: `preferred` where it reads well there
// (a contrast of at least 4.5:1), otherwise black or white, whichever reads
// better.
QColor readableOn(const QColor& background, const QColor& preferred);

// The layouts name fonts of another platform; they map to metric-compatible
// families so that texts fit as designed. A window without a font of its own
// uses MS Sans Serif 8.25 pt, the application's font.
void installFonts();

// Makes the compiled-in pictures available (they live in a static library).
void initResources();

}  // namespace ui
