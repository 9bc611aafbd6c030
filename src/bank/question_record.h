#pragma once

#include <QString>

#include "platform/bounded_array.h"
#include "platform/checked_int.h"

namespace bank {

// One question: a plain value type, so assigning a record copies every field
// and the copies are independent afterwards. Entry 0 of the arrays is never
// used; the data counts from 1.
struct QuestionRecord {
    QString question_text;
    platform::BoundedArray<QString, 0, 6> choice_text;
    platform::BoundedArray<platform::Int16, 0, 6> choice_correct;
    QString explanation;
    QString answer_type;
    platform::BoundedArray<QString, 0, 3> diagram_file;
    platform::BoundedArray<QString, 0, 3> exhibit_file;
    QString clue_text;
    QString answer_note;

    friend bool operator==(const QuestionRecord&, const QuestionRecord&) = default;
};

// A typed-answer question is one whose answer type, upper-cased, begins with
// "FILL"; everything else (the empty type included) is a choice question.
bool isTypedAnswer(const QString& answer_type);

// The number of choices 1 to 6 whose text, trimmed of spaces, is not empty.
int countChoices(const QuestionRecord& record);

}  // namespace bank
