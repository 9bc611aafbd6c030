#include "bank/question_record.h"

#include "platform/text.h"

namespace bank {

bool isTypedAnswer(const QString& answer_type)
{
    return platform::UCase(answer_type).left(4) == u"FILL";
}

int countChoices(const QuestionRecord& record)
{
    int count = 0;
    for (int i = 1; i <= 6; ++i) {
        if (!platform::Trim(record.choice_text[i]).isEmpty())
            ++count;
    }
    return count;
}

}  // namespace bank
