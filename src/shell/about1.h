#pragma once

#include "platform/form.h"
#include "ui_about1.h"

// The about window: the test's name, version and full title. "Close" only
// hides it, so showing it again shows the same text.
class About1Form : public platform::Form {
    Q_OBJECT

public:
    About1Form();

    void Form_Load() override;
    void Command1_Click();
    void Text1_GotFocus();

    Ui::About1 ui;
};

extern platform::FormRef<About1Form> About1;
