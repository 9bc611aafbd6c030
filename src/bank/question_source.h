#pragma once

#include <array>

namespace bank {

// How the bank's content is written in the program: plain constant tables of
// UTF-16 literals, so that loading the bank wraps static text instead of
// decoding or copying it. Flags are the texts "1" and "0", as the content
// states them; omitted trailing choices and files stand for empty entries.
struct ChoiceSource {
    const char16_t* correct = u"0";
    const char16_t* text = u"";
};

struct QuestionSource {
    const char16_t* question_text = u"";
    const char16_t* explanation = u"";
    const char16_t* answer_type = u"";
    std::array<ChoiceSource, 6> choices{};
    std::array<const char16_t*, 3> diagram_file{u"", u"", u""};
    std::array<const char16_t*, 3> exhibit_file{u"", u"", u""};
    const char16_t* clue_text = u"";
    const char16_t* answer_note = u"";
};

// The 200 questions, in four blocks of fifty consecutive slots.
using QuestionBlock = std::array<QuestionSource, 50>;
extern const QuestionBlock kQuestions001To050;
extern const QuestionBlock kQuestions051To100;
extern const QuestionBlock kQuestions101To150;
extern const QuestionBlock kQuestions151To200;

}  // namespace bank
