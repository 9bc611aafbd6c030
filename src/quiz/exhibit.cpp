#include "quiz/exhibit.h"

#include <QEvent>
#include <QShortcut>

#include "ui/design.h"

platform::FormRef<ExhibitForm> Exhibit;

ExhibitForm::ExhibitForm()
{
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setBorder(this, ui::Border::Sizable);
    ui.Text1->installEventFilter(this);
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

bool ExhibitForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.Text1 && event->type() == QEvent::FocusIn)
        Text1_GotFocus();
    return platform::Form::eventFilter(watched, event);
}
