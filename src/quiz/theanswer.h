#pragma once

#include "platform/form.h"
#include "ui_theanswer.h"

// The feedback window, shown modally after an answer when the options ask.
class TheAnswerForm : public platform::Form {
    Q_OBJECT

public:
    TheAnswerForm();

    void Closeb_Click();
    void Text1_GotFocus();

    Ui::theanswer ui;
};

extern platform::FormRef<TheAnswerForm> theanswer;
