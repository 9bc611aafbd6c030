#pragma once

#include "platform/checked_int.h"
#include "platform/form.h"
#include "ui_welcome.h"

// The welcome window: the first window, and the one every test returns to.
// Each load rebuilds the question bank.
class WelcomeForm : public platform::Form {
    Q_OBJECT

public:
    WelcomeForm();

    void Form_Load() override;
    void Form_Unload() override;
    void Start_Quiz_Click();
    void About_Click();
    void Command1_Click();

    Ui::Welcome ui;
};

extern platform::FormRef<WelcomeForm> Welcome;

namespace shell {
// Questions per quiz for a bank of `count`: a quarter, rounded down.
platform::Int16 quizLengthFor(platform::Int16 count);
}  // namespace shell
