// The question record, the bank and its loaders, and the shape of the content:
// every count below is a requirement of the bank, checked on the loaded slots.
#include <array>
#include <map>
#include <set>

#include <QRegularExpression>

#include "bank/question_bank.h"
#include "platform/text.h"
#include "support/test_support.h"

using bank::question_bank;
using bank::QuestionRecord;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QStringList linesOf(const QString& text)
{
    return text.isEmpty() ? QStringList{} : text.split(kCrLf);
}

int correctCount(const QuestionRecord& r)
{
    int n = 0;
    for (int k = 1; k <= 6; ++k)
        n += r.choice_correct[k] == 1;
    return n;
}

int quizOf(int slot)
{
    return (slot - 1) % 4 + 1;
}

// The forms a multi-answer question may use to say how many to pick.
const QStringList kCountForms = {u"Choose Two"_qs,
                                 u"Select two"_qs,
                                 u"Choose Three"_qs,
                                 u"Choose all that apply"_qs,
                                 u"Select all that apply"_qs,
                                 u"Check all that apply"_qs};

bool statesHowMany(const QString& question)
{
    const QString last = linesOf(question).last();
    for (const QString& form : kCountForms)
        if (last.contains(form))
            return true;
    return last.startsWith(u"Select all"_qs) || last.startsWith(u"Choose all"_qs);
}

}  // namespace

class BankTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ProgramHarness> harness;

private slots:
    void init()
    {
        harness = std::make_unique<testing::ProgramHarness>();
        bank::load_quest_1();
    }
    void cleanup() { harness.reset(); }

    void testInformation()
    {
        QCOMPARE(bank::test_title, u"Network Admin Quiz"_qs);
        QCOMPARE(bank::test_version, u"1.0"_qs);
        QCOMPARE(bank::full_test_name, bank::test_title + u' ' + bank::test_version);
        QVERIFY(QRegularExpression(u"^[\\w.+-]+@example\\.org$"_qs).match(bank::author_contact).hasMatch());
        QCOMPARE(int(bank::question_count), 200);
    }

    void slotsOutsideTheContentStayEmpty()
    {
        const QuestionRecord empty;
        QCOMPARE(question_bank[0], empty);
        for (int slot = 201; slot <= 1000; ++slot)
            QVERIFY2(question_bank[slot] == empty, qPrintable(QString::number(slot)));
    }

    void loadingTwiceGivesTheSameBank()
    {
        const bank::QuestionBank first = question_bank;
        const QString title = bank::full_test_name;
        // Scribble over the bank; a reload must not depend on what it held.
        question_bank[4].diagram_file[3] = u"left over"_qs;
        question_bank[7].explanation = u"left over"_qs;
        question_bank[200].choice_correct[6] = 1;
        bank::full_test_name.clear();
        bank::load_quest_1();
        QVERIFY(question_bank == first);
        QCOMPARE(bank::full_test_name, title);
    }

    void bankIndexIsChecked()
    {
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)question_bank[1001]);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)question_bank[-1]);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)question_bank[1].choice_text[7]);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)question_bank[1].diagram_file[4]);
    }

    void recordCopiesAreIndependent()
    {
        QuestionRecord copy = question_bank[12];
        const QuestionRecord before = question_bank[12];
        copy.choice_text[1] = u"changed"_qs;
        copy.choice_correct[2] = 1 - copy.choice_correct[2];
        copy.question_text += u"!"_qs;
        QCOMPARE(question_bank[12], before);
        QVERIFY(!(copy == before));
    }

    void answerTypeClassification_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("typed");
        QTest::newRow("fill") << u"fill"_qs << true;
        QTest::newRow("FILL") << u"FILL"_qs << true;
        QTest::newRow("FiLLer") << u"FiLLer"_qs << true;
        QTest::newRow("fill_in_blank") << u"fill_in_blank"_qs << true;
        QTest::newRow("leading blank") << u" FILL"_qs << false;
        QTest::newRow("too short") << u"FIL"_qs << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("single_answer") << u"single_answer"_qs << false;
        QTest::newRow("multi_answer") << u"multi_answer"_qs << false;
        QTest::newRow("FIL L") << u"FIL L"_qs << false;
    }
    void answerTypeClassification()
    {
        QFETCH(QString, type);
        QFETCH(bool, typed);
        QCOMPARE(bank::isTypedAnswer(type), typed);
    }

    void choiceCountIgnoresBlankChoices()
    {
        QuestionRecord r;
        r.choice_text[1] = u"a"_qs;
        r.choice_text[2] = u"   "_qs;
        r.choice_text[3] = u"\t"_qs;  // only spaces count as blank
        QCOMPARE(bank::countChoices(r), 2);
    }

    // ---- The shape of the content -------------------------------------

    void everySlotIsAWellFormedChoiceQuestion()
    {
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            const QString where = u"slot "_qs + QString::number(slot);
            QVERIFY2(!r.question_text.isEmpty(), qPrintable(where));
            QVERIFY2(r.answer_type == u"single_answer" || r.answer_type == u"multi_answer",
                     qPrintable(where));
            const int n = bank::countChoices(r);
            QVERIFY2(n >= 2 && n <= 6, qPrintable(where));
            QVERIFY2(correctCount(r) >= 1, qPrintable(where));
            for (int k = 1; k <= 6; ++k) {
                const QString& c = r.choice_text[k];
                QVERIFY2((k <= n) == !c.isEmpty(), qPrintable(where + u": choices contiguous from 1"_qs));
                QVERIFY2(r.choice_correct[k] == 0 || r.choice_correct[k] == 1, qPrintable(where));
                QVERIFY2(!c.isEmpty() || r.choice_correct[k] == 0, qPrintable(where + u": flag on empty"_qs));
                QVERIFY2(c == c.trimmed(), qPrintable(where + u": blanks around a choice"_qs));
                QVERIFY2(!c.contains(u'\r') && !c.contains(u'\n'), qPrintable(where));
                QVERIFY2(!QRegularExpression(u"^[A-F][.):]\\s"_qs).match(c).hasMatch(),
                         qPrintable(where + u": a choice carries its own letter"_qs));
            }
            QVERIFY2(r.clue_text.isEmpty() && r.answer_note.isEmpty(), qPrintable(where));
        }
    }

    void answerTypesAndChoiceCountsPerQuiz()
    {
        // quiz -> {single, multi, true/false, 2, 3, 4, 5, 6 choices}
        const std::map<int, std::array<int, 8>> expected = {
            {1, {36, 14, 3, 3, 5, 3, 11, 28}},
            {2, {38, 12, 3, 3, 2, 4, 13, 28}},
            {3, {36, 14, 3, 3, 2, 5, 15, 25}},
            {4, {35, 15, 3, 4, 2, 9, 10, 25}},
        };
        std::map<int, std::array<int, 8>> actual;
        std::array<int, 7> overallChoices{};
        int single = 0, multi = 0, choices = 0;
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            auto& row = actual[quizOf(slot)];
            const bool isSingle = r.answer_type == u"single_answer";
            (isSingle ? row[0] : row[1])++;
            (isSingle ? single : multi)++;
            const int n = bank::countChoices(r);
            row[std::size_t(n + 1)]++;
            overallChoices[std::size_t(n)]++;
            choices += n;
            if (n == 2 && r.choice_text[1] == u"True" && r.choice_text[2] == u"False")
                row[2]++;
        }
        QCOMPARE(actual, expected);
        QCOMPARE(single, 145);
        QCOMPARE(multi, 55);
        QCOMPARE(overallChoices, (std::array<int, 7>{0, 0, 13, 11, 21, 49, 106}));
        QCOMPARE(choices, 1024);
    }

    void trueFalseQuestions()
    {
        const std::set<int> tfSlots = {9, 12, 55, 75, 78, 80, 82, 88, 89, 99, 109, 110};
        int trueCorrect = 0, falseCorrect = 0, otherTwoChoice = 0;
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            const bool tf =
                bank::countChoices(r) == 2 && r.choice_text[1] == u"True" && r.choice_text[2] == u"False";
            QCOMPARE(tf, tfSlots.count(slot) == 1);
            if (tf) {
                QCOMPARE(r.answer_type, u"single_answer"_qs);
                QCOMPARE(correctCount(r), 1);
                (r.choice_correct[1] == 1 ? trueCorrect : falseCorrect)++;
            } else if (bank::countChoices(r) == 2) {
                ++otherTwoChoice;
                QCOMPARE(r.answer_type, u"single_answer"_qs);
                QVERIFY(r.choice_text[1] != u"True" && r.choice_text[1] != u"False");
            }
        }
        QCOMPARE(trueCorrect, 5);
        QCOMPARE(falseCorrect, 7);
        QCOMPARE(otherTwoChoice, 1);
    }

    void correctChoices()
    {
        std::map<int, int> singleByCount, multiByCount, positions;
        int flags = 0;
        std::multiset<int> allCorrectSizes;
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            const int k = correctCount(r);
            flags += k;
            if (r.answer_type == u"single_answer") {
                singleByCount[k]++;
                if (k == 1)
                    for (int p = 1; p <= 6; ++p)
                        if (r.choice_correct[p] == 1)
                            positions[p]++;
            } else {
                multiByCount[k]++;
                if (k == bank::countChoices(r))
                    allCorrectSizes.insert(k);
            }
        }
        QCOMPARE(singleByCount, (std::map<int, int>{{1, 143}, {2, 1}, {3, 1}}));
        QCOMPARE(multiByCount, (std::map<int, int>{{2, 20}, {3, 22}, {4, 10}, {5, 2}, {6, 1}}));
        QCOMPARE(allCorrectSizes, (std::multiset<int>{3, 5, 5, 6}));
        QCOMPARE(flags, 310);
        QCOMPARE(positions, (std::map<int, int>{{1, 16}, {2, 32}, {3, 46}, {4, 38}, {5, 10}, {6, 1}}));
        QCOMPARE(question_bank[200].answer_type, u"single_answer"_qs);
    }

    void multiAnswerWording()
    {
        int stated = 0;
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            const int k = correctCount(r);
            const QString where = u"slot "_qs + QString::number(slot);
            // A number stated anywhere is the number of correct choices.
            if (r.question_text.contains(u"Choose Two"_qs) || r.question_text.contains(u"Select two"_qs))
                QVERIFY2(k == 2, qPrintable(where));
            if (r.question_text.contains(u"Choose Three"_qs))
                QVERIFY2(k == 3, qPrintable(where));
            if (r.answer_type == u"multi_answer" && statesHowMany(r.question_text))
                ++stated;
            if (r.answer_type == u"single_answer" && k == 1)
                QVERIFY2(!statesHowMany(r.question_text), qPrintable(where));
        }
        QCOMPARE(stated, 38);
    }

    void textShapes()
    {
        std::map<int, int> questionLines, explanationLines;
        qsizetype longestQuestion = 0, longestChoice = 0, longestExplanation = 0;
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            const QString where = u"slot "_qs + QString::number(slot);
            for (const QString* text : {&r.question_text, &r.explanation}) {
                const QStringList lines = linesOf(*text);
                for (const QString& line : lines)
                    QVERIFY2(!line.trimmed().isEmpty() && !line.contains(u'\r') && !line.contains(u'\n'),
                             qPrintable(where + u": an empty line or a stray CR or LF"_qs));
            }
            questionLines[int(linesOf(r.question_text).size())]++;
            explanationLines[int(linesOf(r.explanation).size())]++;
            longestQuestion = std::max(longestQuestion, r.question_text.size());
            longestExplanation = std::max(longestExplanation, r.explanation.size());
            for (int k = 1; k <= 6; ++k)
                longestChoice = std::max(longestChoice, r.choice_text[k].size());
        }
        QCOMPARE(questionLines, (std::map<int, int>{{1, 104}, {2, 71}, {3, 24}, {5, 1}}));
        QCOMPARE(explanationLines, (std::map<int, int>{{0, 1}, {1, 183}, {2, 14}, {3, 2}}));
        QVERIFY(question_bank[7].explanation.isEmpty());
        QCOMPARE(longestQuestion, 500);
        QCOMPARE(longestChoice, 132);
        QCOMPARE(longestExplanation, 421);
    }

    // A line break falls between sentences or clauses, so no line of a
    // question or an explanation but the last stops in mid-sentence.
    void linesBreakBetweenSentences()
    {
        const QRegularExpression sentenceEnd(u"[.?:;]$"_qs);
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            for (const QString* text : {&r.question_text, &r.explanation}) {
                const QStringList lines = linesOf(*text);
                for (qsizetype i = 0; i + 1 < lines.size(); ++i)
                    QVERIFY2(sentenceEnd.match(lines[i]).hasMatch(),
                             qPrintable(u"slot %1: \"…%2\""_qs.arg(slot).arg(lines[i].right(40))));
            }
        }
    }

    // One spelling throughout, the US one of the exams the bank prepares for.
    void usSpellingThroughout()
    {
        const QRegularExpression british(
            u"\\b(fibre|neighbour|synchronis|summaris|labell|behaviour|metres?\\b|micrometre|organis|colour|"
            "centre|analys(e|ing)|licence|favour|travell|signall|optimis|prioritis|recognis|minimis|maximis|"
            "utilis|authoris|car park|whilst|programme|defence|catalogue|acknowledgement)"_qs,
            QRegularExpression::CaseInsensitiveOption);
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            QStringList texts{r.question_text, r.explanation};
            for (int k = 1; k <= 6; ++k)
                texts << r.choice_text[k];
            for (const QString& t : texts) {
                const QRegularExpressionMatch m = british.match(t);
                QVERIFY2(!m.hasMatch(), qPrintable(u"slot %1: %2"_qs.arg(slot).arg(m.captured())));
            }
        }
    }

    void sharedQuestionTexts()
    {
        std::set<std::pair<int, int>> shared;
        for (int slot = 1; slot < 200; ++slot) {
            const QuestionRecord& a = question_bank[slot];
            const QuestionRecord& b = question_bank[slot + 1];
            if (a.question_text == b.question_text) {
                shared.insert({slot, slot + 1});
                bool sameChoices = true;
                for (int k = 1; k <= 6; ++k)
                    sameChoices = sameChoices && a.choice_text[k] == b.choice_text[k];
                QVERIFY(!sameChoices);
            }
        }
        QCOMPARE(shared, (std::set<std::pair<int, int>>{{15, 16}, {104, 105}, {120, 121}}));
    }

    void onlySlotFourNamesFiles()
    {
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            for (int k = 1; k <= 3; ++k) {
                if (slot == 4)
                    continue;
                QVERIFY2(r.diagram_file[k].isEmpty() && r.exhibit_file[k].isEmpty(),
                         qPrintable(QString::number(slot)));
            }
        }
        const QuestionRecord& four = question_bank[4];
        QCOMPARE(four.diagram_file[1], u"mypic.gif"_qs);
        QCOMPARE(four.diagram_file[2], u"mypic.jpg"_qs);
        QCOMPARE(four.diagram_file[3], QString());
        QCOMPARE(four.exhibit_file[1], u"cool.txt"_qs);
        QCOMPARE(four.exhibit_file[2], QString());
        QCOMPARE(four.exhibit_file[3], QString());
    }

    void noChoiceReferredToByItsPlace()
    {
        // Answers are shuffled and re-lettered, so no text may point at a letter.
        const QRegularExpression byPlace(
            u"all of the above|none of the above|\\bboth [A-F]\\b|\\b(answer|choice|option)s? [A-F]\\b|"
            "\\b[A-F] and [A-F]\\b"_qs,
            QRegularExpression::CaseInsensitiveOption);
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            QStringList texts{r.explanation};
            for (int k = 1; k <= 6; ++k)
                texts << r.choice_text[k];
            for (const QString& t : texts)
                QVERIFY2(!byPlace.match(t).hasMatch(), qPrintable(QString::number(slot) + u": "_qs + t));
        }
    }
};

QTEST_MAIN(BankTest)
#include "test_bank.moc"
