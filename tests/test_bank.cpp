// The question record, the bank and its loaders, and the shape of the
// content: every count below is a requirement of the bank.
#include <map>
#include <set>

#include <QRegularExpression>

#include "bank/question_bank.h"
#include "support/test_support.h"

using bank::question_bank;
using bank::QuestionRecord;

namespace {

QStringList linesOf(const QString& text)
{
    return text.isEmpty() ? QStringList{} : text.split(u"\r\n"_qs);
}

int correctCount(const QuestionRecord& r)
{
    int n = 0;
    for (int k = 1; k <= 6; ++k)
        n += r.choice_correct[k] == 1;
    return n;
}

bool isTrueFalse(const QuestionRecord& r)
{
    return bank::countChoices(r) == 2 && r.choice_text[1] == u"True" && r.choice_text[2] == u"False";
}

// Whether the last line says how many to pick.
bool statesHowMany(const QString& question)
{
    static const QRegularExpression forms(
        u"Choose Two|Select two|Choose Three|(Choose|Select|Check) all that apply|^(Select|Choose) all"_qs);
    return forms.match(linesOf(question).last()).hasMatch();
}

}  // namespace

class BankTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void loadingFillsTheBankTheSameEachTime()
    {
        bank::load_quest_1();
        QCOMPARE(bank::full_test_name, u"Network Admin Quiz 1.0"_qs);
        QCOMPARE(bank::full_test_name, bank::test_title + u' ' + bank::test_version);
        QVERIFY(QRegularExpression(u"^[\\w.+-]+@example\\.org$"_qs).match(bank::author_contact).hasMatch());
        QCOMPARE(int(bank::question_count), 200);
        for (int slot : {0, 201, 1000})
            QCOMPARE(question_bank[slot], QuestionRecord());
        const bank::QuestionBank first = question_bank;
        question_bank[4].diagram_file[3] = u"left over"_qs;  // a reload must not depend on what was there
        question_bank[200].choice_correct[6] = 1;
        bank::load_quest_1();
        QVERIFY(question_bank == first);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)question_bank[1001]);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)question_bank[1].choice_text[7]);
        QuestionRecord copy = question_bank[12];  // a record copies whole
        copy.choice_text[1] += u"!"_qs;
        QVERIFY(!(copy == question_bank[12]));
    }

    void answerTypes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("typed");
        for (const char* t : {"fill", "FILL", "FiLLer", "fill_in_blank"})
            QTest::newRow(t) << QString::fromLatin1(t) << true;
        for (const char* t : {" FILL", "FIL", "", "single_answer", "multi_answer", "FIL L"})
            QTest::newRow(t) << QString::fromLatin1(t) << false;
    }
    void answerTypes()
    {
        QFETCH(QString, type);
        QFETCH(bool, typed);
        QCOMPARE(bank::isTypedAnswer(type), typed);
        QuestionRecord r;
        r.choice_text[1] = u"a"_qs, r.choice_text[2] = u"   "_qs, r.choice_text[3] = u"\t"_qs;
        QCOMPARE(bank::countChoices(r), 2);  // only spaces make a choice blank
    }

    void theContentByTheNumbers()
    {
        bank::load_quest_1();
        // Per quiz: single, multi, true/false, then questions of 2 to 6 choices.
        std::map<int, std::vector<int>> perQuiz;
        std::map<QString, int> counts;
        std::map<int, int> choices, singleCorrect, multiCorrect, position, questionLines, explanationLines;
        std::multiset<int> allCorrect;
        qsizetype longest[3] = {};  // question, choice, explanation
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            const QString where = u"slot %1"_qs.arg(slot);
            const int n = bank::countChoices(r), k = correctCount(r);
            const bool single = r.answer_type == u"single_answer";
            QVERIFY2(single || r.answer_type == u"multi_answer", qPrintable(where));
            QVERIFY2(!r.question_text.isEmpty() && k >= 1 && r.clue_text.isEmpty() && r.answer_note.isEmpty(),
                     qPrintable(where));
            for (int c = 1; c <= 6; ++c) {
                const QString& t = r.choice_text[c];
                QVERIFY2(
                    (c <= n) == !t.isEmpty() && (t.isEmpty() ? r.choice_correct[c] == 0 : t == t.trimmed()),
                    qPrintable(where + u": choices contiguous, trimmed, no flag on an empty one"_qs));
                QVERIFY2(!t.contains(u'\n') && !QRegularExpression(u"^[A-F][.):]\\s"_qs).match(t).hasMatch(),
                         qPrintable(where + u": a choice of one line without a letter of its own"_qs));
                longest[1] = std::max(longest[1], t.size());
            }
            for (const QString* text : {&r.question_text, &r.explanation})
                for (const QString& line : linesOf(*text))
                    QVERIFY2(!line.trimmed().isEmpty() && !line.contains(u'\r') && !line.contains(u'\n'),
                             qPrintable(where + u": an empty line or a stray CR or LF"_qs));
            auto& row = perQuiz[(slot - 1) % 4 + 1];
            row.resize(8);
            row[single ? 0 : 1]++, row[2] += isTrueFalse(r), row[std::size_t(n + 1)]++;
            counts[u"true"_qs] += isTrueFalse(r) && r.choice_correct[1] == 1;
            counts[u"flags"_qs] += k, counts[u"choices"_qs] += n;
            counts[u"stated"_qs] += !single && statesHowMany(r.question_text);
            QVERIFY2(!(single && k == 1 && statesHowMany(r.question_text)), qPrintable(where));
            if (r.question_text.contains(u"Choose Two"_qs) || r.question_text.contains(u"Select two"_qs))
                QVERIFY2(k == 2, qPrintable(where));
            choices[n]++;
            (single ? singleCorrect : multiCorrect)[k]++;
            if (!single && k == n)
                allCorrect.insert(k);
            for (int p = 1; p <= 6; ++p)
                position[p] += single && k == 1 && r.choice_correct[p] == 1;
            questionLines[int(linesOf(r.question_text).size())]++;
            explanationLines[int(linesOf(r.explanation).size())]++;
            longest[0] = std::max(longest[0], r.question_text.size());
            longest[2] = std::max(longest[2], r.explanation.size());
        }
        QCOMPARE(perQuiz, (std::map<int, std::vector<int>>{{1, {36, 14, 3, 3, 5, 3, 11, 28}},
                                                           {2, {38, 12, 3, 3, 2, 4, 13, 28}},
                                                           {3, {36, 14, 3, 3, 2, 5, 15, 25}},
                                                           {4, {35, 15, 3, 4, 2, 9, 10, 25}}}));
        QCOMPARE(choices, (std::map<int, int>{{2, 13}, {3, 11}, {4, 21}, {5, 49}, {6, 106}}));
        QCOMPARE(singleCorrect, (std::map<int, int>{{1, 143}, {2, 1}, {3, 1}}));
        QCOMPARE(multiCorrect, (std::map<int, int>{{2, 20}, {3, 22}, {4, 10}, {5, 2}, {6, 1}}));
        QCOMPARE(allCorrect, (std::multiset<int>{3, 5, 5, 6}));
        QCOMPARE(position, (std::map<int, int>{{1, 16}, {2, 32}, {3, 46}, {4, 38}, {5, 10}, {6, 1}}));
        QCOMPARE(counts,
                 (std::map<QString, int>{
                     {u"choices"_qs, 1024}, {u"flags"_qs, 310}, {u"stated"_qs, 38}, {u"true"_qs, 5}}));
        QCOMPARE(questionLines, (std::map<int, int>{{1, 104}, {2, 71}, {3, 24}, {5, 1}}));
        QCOMPARE(explanationLines, (std::map<int, int>{{0, 1}, {1, 183}, {2, 14}, {3, 2}}));
        QVERIFY(question_bank[7].explanation.isEmpty());
        QCOMPARE(std::vector<qsizetype>(longest, longest + 3), (std::vector<qsizetype>{500, 132, 421}));
        for (int slot : {9, 12, 55, 75, 78, 80, 82, 88, 89, 99, 109, 110})
            QVERIFY2(isTrueFalse(question_bank[slot]), qPrintable(QString::number(slot)));
        QCOMPARE(question_bank[200].answer_type, u"single_answer"_qs);
    }

    void sharedTextsAndFiles()
    {
        bank::load_quest_1();
        std::set<int> shared, withFiles;
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            if (slot < 200 && r.question_text == question_bank[slot + 1].question_text) {
                shared.insert(slot);
                QVERIFY(r.choice_text[1] != question_bank[slot + 1].choice_text[1]);
            }
            for (int k = 1; k <= 3; ++k)
                if (!r.diagram_file[k].isEmpty() || !r.exhibit_file[k].isEmpty())
                    withFiles.insert(slot);
        }
        QCOMPARE(shared, (std::set<int>{15, 104, 120}));
        QCOMPARE(withFiles, std::set<int>{4});
        const QuestionRecord& four = question_bank[4];
        QCOMPARE((QStringList{four.diagram_file[1], four.diagram_file[2], four.diagram_file[3],
                              four.exhibit_file[1], four.exhibit_file[2], four.exhibit_file[3]}),
                 (QStringList{u"mypic.gif"_qs, u"mypic.jpg"_qs, {}, u"cool.txt"_qs, {}, {}}));
    }

    // The house style of the content: a line breaks between sentences or
    // clauses, US spelling, and no text points at a choice by its letter
    // (answers are shuffled and re-lettered).
    void contentStyle()
    {
        bank::load_quest_1();
        const QRegularExpression sentenceEnd(u"[.?:;]$"_qs);
        const QRegularExpression british(
            u"\\b(fibre|neighbour|synchronis|summaris|labell|behaviour|metres?\\b|organis|colour|centre|"
            "analys(e|ing)|licence|favour|travell|signall|optimis|prioritis|recognis|minimis|maximis|utilis|"
            "authoris|whilst|programme|defence|catalogue)"_qs,
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpression byPlace(
            u"all of the above|none of the above|\\bboth [A-F]\\b|"
            "\\b(answer|choice|option)s? [A-F]\\b|\\b[A-F] and [A-F]\\b"_qs,
            QRegularExpression::CaseInsensitiveOption);
        for (int slot = 1; slot <= 200; ++slot) {
            const QuestionRecord& r = question_bank[slot];
            QStringList texts{r.question_text, r.explanation};
            for (const QString* text : {&r.question_text, &r.explanation}) {
                const QStringList lines = linesOf(*text);
                for (qsizetype i = 0; i + 1 < lines.size(); ++i)
                    QVERIFY2(sentenceEnd.match(lines[i]).hasMatch(),
                             qPrintable(u"slot %1: \"…%2\""_qs.arg(slot).arg(lines[i].right(40))));
            }
            for (int k = 1; k <= 6; ++k)
                texts << r.choice_text[k];
            for (const QString& t : texts) {
                QVERIFY2(!british.match(t).hasMatch(), qPrintable(u"slot %1: "_qs.arg(slot) + t));
                QVERIFY2(t == r.question_text || !byPlace.match(t).hasMatch(),
                         qPrintable(u"slot %1: "_qs.arg(slot) + t));
            }
        }
    }
};

QTEST_MAIN(BankTest)
#include "test_bank.moc"
