#include "quiz/exhibit.h"

#include <QShortcut>

#include "ui/design.h"

platform::FormRef<ExhibitForm> Exhibit;

ExhibitForm::ExhibitForm()
{
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setBorder(this, ui::Border::Sizable);
    platform::onGotFocus(ui.Text1, [this] { Text1_GotFocus(); });
    platform::scrollByKeys(ui.Text1, ui.Command1);
    connect(ui.Command1, &QPushButton::clicked, this, &ExhibitForm::Command1_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ExhibitForm::Command1_Click);
}

void ExhibitForm::Command1_Click()
{
    hide();
}

void ExhibitForm::Text1_GotFocus()
{
    ui.Command1->setFocus();
}
