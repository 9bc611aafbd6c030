#pragma once

#include <QRadioButton>

#include "platform/bounded_array.h"
#include "platform/form.h"
#include "ui_pick_a_quiz.h"

// The quiz-options window: which quiz, whether questions and answers are
// shuffled, when the answer is shown. Its start button records the choices,
// builds the question order and starts the run.
class PickAQuizForm : public platform::Form {
    Q_OBJECT

public:
    PickAQuizForm();

    void Form_Load() override;
    void Form_Unload() override;
    void Command1_Click();

    QRadioButton* which_quiz(int index) const { return which_quiz_[index]; }

    Ui::pick_a_quiz ui;

private:
    platform::BoundedArray<QRadioButton*, 1, 4> which_quiz_;
};

extern platform::FormRef<PickAQuizForm> pick_a_quiz;

namespace shell {
// Fills question_order 1..quiz_length with 1..quiz_length, then shuffles it
// when shuffle_questions is 1.
void buildQuestionOrder();
}  // namespace shell
