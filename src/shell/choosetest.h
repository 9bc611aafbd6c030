#pragma once

#include "platform/form.h"
#include "ui_choosetest.h"

// The test chooser: two test-database buttons without an action and an exit
// button. Nothing in the program opens it.
class ChoosetestForm : public platform::Form {
    Q_OBJECT

public:
    ChoosetestForm();

    void Command3_Click();

    Ui::choosetest ui;
};

extern platform::FormRef<ChoosetestForm> choosetest;
