#include <string>

#include "bank/question_bank.h"
#include "bank/question_source.h"

namespace bank {

QuestionBank question_bank;
QString test_title;
QString test_version;
QString full_test_name;
QString author_contact;
platform::Int16 question_count;

namespace {

// The content is static text, so the strings wrap it without copying.
QString text(const char16_t* s)
{
    return QString::fromRawData(reinterpret_cast<const QChar*>(s),
                                qsizetype(std::char_traits<char16_t>::length(s)));
}

// The content states numbers as text; a text that is no number is the
// run-time's type mismatch, one outside 16 bits an overflow.
platform::Int16 number(const char16_t* s)
{
    bool ok = false;
    const int value = QStringView(s).toInt(&ok);
    if (!ok)
        platform::fatal(13, QStringLiteral("Type mismatch"));
    return platform::Int16(value);
}

const QuestionSource& source(int slot)
{
    static constexpr const QuestionBlock* kBlocks[] = {&kQuestions001To050, &kQuestions051To100,
                                                       &kQuestions101To150, &kQuestions151To200};
    return (*kBlocks[(slot - 1) / 50])[std::size_t((slot - 1) % 50)];
}

// Writes every field of one slot, in the content's field order; empty fields
// are written too, so a load never depends on what the slot held before.
void store(int slot)
{
    const QuestionSource& q = source(slot);
    QuestionRecord& r = question_bank[slot];
    r.question_text = text(q.question_text);
    r.explanation = text(q.explanation);
    r.clue_text = text(q.clue_text);
    r.answer_type = text(q.answer_type);
    r.answer_note = text(q.answer_note);
    for (int k = 1; k <= 6; ++k) {
        r.choice_correct[k] = number(q.choices[std::size_t(k - 1)].correct);
        r.choice_text[k] = text(q.choices[std::size_t(k - 1)].text);
    }
    for (int k = 1; k <= 3; ++k) {
        r.diagram_file[k] = text(q.diagram_file[std::size_t(k - 1)]);
        r.exhibit_file[k] = text(q.exhibit_file[std::size_t(k - 1)]);
    }
}

void storeSlots(int first, int last)
{
    for (int slot = first; slot <= last; ++slot)
        store(slot);
}

}  // namespace

void load_quest_1()
{
    test_title = QStringLiteral("Network Admin Quiz");
    test_version = QStringLiteral("1.0");
    full_test_name = test_title + u' ' + test_version;
    storeSlots(1, 49);
    load_quest_2();
}

void load_quest_2()
{
    storeSlots(50, 99);
    load_quest_3();
}

void load_quest_3()
{
    storeSlots(100, 149);
    load_quest_4();
}

void load_quest_4()
{
    storeSlots(150, 199);
    load_quest_5();
}

void load_quest_5()
{
    storeSlots(200, 200);
    author_contact = QStringLiteral("quiz-author@example.org");
    question_count = number(u"200");
}

void resetBank()
{
    question_bank = QuestionBank{};
    test_title.clear();
    test_version.clear();
    full_test_name.clear();
    author_contact.clear();
    question_count = 0;
}

}  // namespace bank
