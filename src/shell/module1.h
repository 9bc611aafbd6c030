#pragma once

class QWidget;

namespace shell {

// Settles what the whole application needs before the first window: its
// name, its pictures and fonts, and that it ends by its own rule.
void prepareApplication();

// The program's start-up routine: loads the welcome window (which builds the
// bank and shows itself) and centres it.
void Main();

// Places a window (its outer frame) in the middle of its screen, moved left
// and up by the offsets; in single precision, so a window larger than the
// screen gets a negative position.
void center_form(QWidget& form, float horizontal = 0.0f, float vertical = 0.0f);

}  // namespace shell
