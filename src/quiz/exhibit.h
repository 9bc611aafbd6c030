#pragma once

#include "platform/form.h"
#include "ui_exhibit.h"

// The one exhibit window: shows a question's text file.
class ExhibitForm : public platform::Form {
    Q_OBJECT

public:
    ExhibitForm();

    void Command1_Click();
    void Text1_GotFocus();

    Ui::Exhibit ui;
};

extern platform::FormRef<ExhibitForm> Exhibit;
