#pragma once

#include "bank/question_record.h"
#include "platform/bounded_array.h"
#include "platform/checked_int.h"

// The program-wide variables through which the windows share a quiz: the
// options, the question order, the counters and the question on screen. They
// are read and written directly; nothing of them is saved.
namespace state {

using platform::Int16;

// Options, recorded by the options window on each start.
extern Int16 chosen_quiz;
extern Int16 show_when_right;
extern Int16 show_when_wrong;
extern Int16 shuffle_answers;
extern Int16 shuffle_questions;

// Plan and progress of the run.
extern Int16 quiz_length;
extern platform::BoundedArray<Int16, 0, 200> question_order;
extern Int16 quiz_base;
extern Int16 current_slot;
extern Int16 question_counter;
extern Int16 number_right;
extern Int16 verdict;
extern Int16 answer_count;
extern bank::QuestionRecord current_question;

// Every variable back to its start value (0 or empty), as at program start.
void resetQuizState();

}  // namespace state
