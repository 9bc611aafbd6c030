#include "quiz/theanswer.h"

#include <QShortcut>

#include "ui/design.h"

platform::FormRef<TheAnswerForm> theanswer;

TheAnswerForm::TheAnswerForm()
{
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setBorder(this, ui::Border::Sizable);
    platform::onGotFocus(ui.Text1, [this] { Text1_GotFocus(); });
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
