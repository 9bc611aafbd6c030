#include "shell/pick_a_quiz.h"

#include "platform/random.h"
#include "quiz/quest.h"
#include "shell/module1.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "ui/design.h"
#include "ui/resizer.h"

platform::FormRef<PickAQuizForm> pick_a_quiz;

using namespace state;

PickAQuizForm::PickAQuizForm()
{
    setMainWindow(true);
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setProgramIcon(this);
    ui::setBorder(this, ui::Border::Sizable);
    which_quiz_[1] = ui.which_quiz_1;
    which_quiz_[2] = ui.which_quiz_2;
    which_quiz_[3] = ui.which_quiz_3;
    which_quiz_[4] = ui.which_quiz_4;
    new ui::Resizer(this);
    connect(ui.Command1, &QPushButton::clicked, this, &PickAQuizForm::Command1_Click);
}

void PickAQuizForm::Form_Load()
{
    platform::Randomize();
}

void PickAQuizForm::Form_Unload()
{
    Welcome.Unload();
}

namespace shell {
void buildQuestionOrder()
{
    for (int i = 1; i <= quiz_length; ++i)
        question_order[i] = i;
    if (shuffle_questions == 1)
        platform::shuffleFromOne(question_order, quiz_length);
}
}  // namespace shell

void PickAQuizForm::Command1_Click()
{
    platform::Randomize();
    setBusyPointer(true);
    for (int i = 1; i <= 4; ++i) {
        if (which_quiz(i)->isChecked())
            chosen_quiz = i;
    }
    show_when_right = show_when_wrong = shuffle_questions = shuffle_answers = number_right = 0;
    if (ui.answer_when_right->isChecked())
        show_when_right = 1;
    if (ui.answer_when_wrong->isChecked())
        show_when_wrong = 1;
    if (ui.random_questions->isChecked())
        shuffle_questions = 1;
    if (ui.random_answers->isChecked())
        shuffle_answers = 1;

    // Closing the welcome window closes this one too; it is destroyed only
    // once this handler has returned.
    Welcome.Unload();

    // Placed before it is shown, so it does not appear elsewhere first.
    QuestForm& q = quest.get();
    shell::center_form(q);
    q.show();
    q.repaint();

    shell::buildQuestionOrder();
    quiz_base = chosen_quiz;
    current_slot = question_counter = number_right = 0;
    q.show_quest();

    setBusyPointer(false);
    hide();
}
