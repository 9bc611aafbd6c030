#pragma once

#include <QString>

#include "bank/question_record.h"
#include "platform/bounded_array.h"
#include "platform/checked_int.h"

namespace bank {

// The bank: 1001 slots, 0 to 1000, of which the loaders fill 1 to 200. It
// lives as long as the program and is only read between loads.
using QuestionBank = platform::BoundedArray<QuestionRecord, 0, 1000>;
extern QuestionBank question_bank;

// Test information, set by the loaders.
extern QString test_title;
extern QString test_version;
extern QString full_test_name;
extern QString author_contact;
extern platform::Int16 question_count;

// The five loaders: load_quest_1 fills the test information and every slot
// 1 to 200 by calling the next as its last step.
void load_quest_1();
void load_quest_2();
void load_quest_3();
void load_quest_4();
void load_quest_5();

// Back to the program's start: every slot empty, the test information empty.
void resetBank();

}  // namespace bank
