#pragma once

#include "platform/form.h"
#include "ui_diagram.h"

// The one diagram window: shows a question's picture, stretched to fit.
class DiagramForm : public platform::Form {
    Q_OBJECT

public:
    DiagramForm();

    void Command1_Click();

    Ui::Diagram ui;
};

extern platform::FormRef<DiagramForm> Diagram;
