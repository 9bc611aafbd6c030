#include "shell/welcome.h"

#include <cmath>

#include <QFile>

#include "bank/question_bank.h"
#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "shell/about1.h"
#include "shell/choosetest.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "state/quiz_state.h"
#include "ui/design.h"

platform::FormRef<WelcomeForm> Welcome;

WelcomeForm::WelcomeForm()
{
    setMainWindow(true);
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setProgramIcon(this);
    ui::setBorder(this, ui::Border::FixedDialog);
    // The terms are set once the fonts are final, so the long text is laid
    // out only once.
    QFile terms(QStringLiteral(":/text/terms_of_use.txt"));
    if (terms.open(QIODevice::ReadOnly))
        ui.test_description->setPlainText(QString::fromUtf8(terms.readAll()));
    connect(ui.Start_Quiz, &QPushButton::clicked, this, &WelcomeForm::Start_Quiz_Click);
    connect(ui.About, &QPushButton::clicked, this, &WelcomeForm::About_Click);
    connect(ui.Command1, &QPushButton::clicked, this, &WelcomeForm::Command1_Click);
}

void WelcomeForm::Form_Load()
{
    bank::load_quest_1();
    quest.Unload();
    setBusyPointer(true);
    ui.test_name->setText(bank::full_test_name);
    ui.test_name->setCursorPosition(0);  // a long name shows from its start
    setWindowTitle(bank::full_test_name);
    ui.author_name2->setText(bank::author_contact);
    state::quiz_length = shell::quizLengthFor(bank::question_count);
    repaint();
    setBusyPointer(false);
    shell::center_form(*this);
    show();
    activateWindow();  // also when it returns after a test, for the keyboard
    ui.Start_Quiz->setFocus();
}

platform::Int16 shell::quizLengthFor(platform::Int16 count)
{
    return platform::Int16(std::floor(double(count) / 4.0));
}

void WelcomeForm::Start_Quiz_Click()
{
    pick_a_quiz->hide();  // loads it first, which reseeds the generator
    PickAQuizForm& options = pick_a_quiz.get();
    shell::center_form(options);
    options.show();
    options.ui.Command1->setFocus();
    hide();
}

void WelcomeForm::About_Click()
{
    About1->showInFront();
}

void WelcomeForm::Command1_Click()
{
    platform::End();
}

void WelcomeForm::Form_Unload()
{
    quest.Unload();
    pick_a_quiz.Unload();
    Exhibit.Unload();
    choosetest.Unload();
    Diagram.Unload();
    platform::restoreScreenPointer();
    // The welcome window itself is already being closed.
}
