#include "quiz/diagram.h"

#include <QShortcut>

#include "ui/design.h"
#include "ui/resizer.h"

platform::FormRef<DiagramForm> Diagram;

DiagramForm::DiagramForm()
{
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setBorder(this, ui::Border::Sizable);
    new ui::Resizer(this);
    connect(ui.Command1, &QPushButton::clicked, this, &DiagramForm::Command1_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &DiagramForm::Command1_Click);
}

void DiagramForm::Command1_Click()
{
    hide();
}
