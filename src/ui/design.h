#pragma once

class QWidget;

namespace ui {

enum class Border {
    FixedDialog,    // not resizable, no minimise or maximise box
    Sizable,        // resizable, with minimise and maximise boxes
    SizableNoBoxes  // resizable, close box only
};

// Gives a top-level window the frame its layout asks for.
void setBorder(QWidget* window, Border border);

// Finishes a window built from its layout: what a layout file cannot say
// (fractional point sizes such as 8.25 pt, controls hidden at design time).
void applyDesign(QWidget* window);

// The layouts name fonts of another platform; map them to metric-compatible
// families so that texts fit as designed, and keep fixed-pitch ones fixed.
void installFontSubstitutes();

// Makes the compiled-in pictures available (they live in a static library).
void initResources();

}  // namespace ui
