#include "quiz/theanswer.h"

#include <QApplication>
#include <QShortcut>

#include "ui/design.h"

platform::FormRef<TheAnswerForm> theanswer;

TheAnswerForm::TheAnswerForm()
{
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setBorder(this, ui::Border::Sizable);
    platform::onGotFocus(ui.Text1, [this] { Text1_GotFocus(); });
    platform::scrollByKeys(ui.Text1, ui.Closeb);
    connect(ui.Closeb, &QPushButton::clicked, this, &TheAnswerForm::Closeb_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TheAnswerForm::Closeb_Click);
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void TheAnswerForm::showEvent(QShowEvent* event)
{
    platform::Form::showEvent(event);
    shown_.start();
}

// Close opens where NEXT was: the second click of a double-click on NEXT
// would close the feedback before it is read, so a press that comes within
// the desktop's double-click interval of the opening is let go.
bool TheAnswerForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && shown_.isValid() && shown_.elapsed() < QApplication::doubleClickInterval())
        return true;
    return platform::Form::eventFilter(watched, event);
}

void TheAnswerForm::Closeb_Click()
{
    hide();
}

void TheAnswerForm::Text1_GotFocus()
{
    ui.Closeb->setFocus();
}
