#pragma once

#include <QPushButton>

namespace ui {

// The two-state choice button: each click (or Space while it has the focus,
// or its Alt shortcut) toggles it between released and pressed, and the
// pressed state is drawn in the highlight colour so a choice made is plain to
// see. Its state reaches assistive technology as "checked".
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr);

    bool pressed() const { return isChecked(); }
    void setPressed(bool pressed) { setChecked(pressed); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui

using ui::PictureButton;  // the name the layouts promote to
