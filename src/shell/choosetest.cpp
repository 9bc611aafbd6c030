#include "shell/choosetest.h"

#include "shell/welcome.h"
#include "ui/design.h"

platform::FormRef<ChoosetestForm> choosetest;

ChoosetestForm::ChoosetestForm()
{
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setBorder(this, ui::Border::Sizable);
    connect(ui.Command3, &QPushButton::clicked, this, &ChoosetestForm::Command3_Click);
}

void ChoosetestForm::Command3_Click()
{
    Welcome.Unload();
    choosetest.Unload();
    platform::End();
}
