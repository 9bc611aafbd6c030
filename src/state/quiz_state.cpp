#include "state/quiz_state.h"

namespace state {

Int16 chosen_quiz;
Int16 show_when_right;
Int16 show_when_wrong;
Int16 shuffle_answers;
Int16 shuffle_questions;
Int16 quiz_length;
platform::BoundedArray<Int16, 0, 200> question_order;
Int16 quiz_base;
Int16 current_slot;
Int16 question_counter;
Int16 number_right;
Int16 verdict;
Int16 answer_count;
bank::QuestionRecord current_question;

void resetQuizState()
{
    chosen_quiz = show_when_right = show_when_wrong = shuffle_answers = shuffle_questions = 0;
    quiz_length = quiz_base = current_slot = question_counter = number_right = verdict = answer_count = 0;
    question_order = {};
    current_question = {};
}

}  // namespace state
