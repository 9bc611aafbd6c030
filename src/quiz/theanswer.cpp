#include "quiz/theanswer.h"

#include <QEvent>
#include <QShortcut>

#include "ui/design.h"

platform::FormRef<TheAnswerForm> theanswer;

TheAnswerForm::TheAnswerForm()
{
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setBorder(this, ui::Border::Sizable);
    ui.Text1->installEventFilter(this);
    connect(ui.Closeb, &QPushButton::clicked, this, &TheAnswerForm::Closeb_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TheAnswerForm::Closeb_Click);
}

void TheAnswerForm::Closeb_Click()
{
    hide();
}

void TheAnswerForm::Text1_GotFocus()
{
    ui.Closeb->setFocus();
}

bool TheAnswerForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.Text1 && event->type() == QEvent::FocusIn)
        Text1_GotFocus();
    return platform::Form::eventFilter(watched, event);
}
