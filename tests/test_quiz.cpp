// Playing quizzes through the real windows: options and question order,
// presentation, checking and feedback, the result and the way back.
#include <map>
#include <set>

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "bank/question_bank.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "quiz/quest.h"
#include "quiz/theanswer.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

using testing::click;

namespace {

struct Options {
    int quiz = 1;
    bool shuffleQuestions = false;
    bool shuffleAnswers = false;
    bool showWhenRight = false;
    bool showWhenWrong = false;
};

// Replaces a bank slot with a question of the test's own (after the welcome
// window has built the bank, before the quiz starts).
void putQuestion(int slot, const QString& type, const QStringList& choices, const QList<int>& flags)
{
    bank::QuestionRecord r;
    r.question_text = u"Question of slot "_qs + QString::number(slot) + u"\r\nsecond line"_qs;
    r.answer_type = type;
    r.explanation = u"Because."_qs;
    for (int k = 1; k <= 6; ++k) {
        r.choice_text[k] = k <= choices.size() ? choices[k - 1] : QString();
        r.choice_correct[k] = k <= flags.size() ? flags[k - 1] : 0;
    }
    bank::question_bank[slot] = r;
}

}  // namespace

class QuizTest : public testing::ProgramTestCase {
    Q_OBJECT

    // From start-up through "I Agree" to the options window, set as asked;
    // `beforeStart` may change the freshly built bank.
    void startQuiz(const Options& o, const std::function<void()>& beforeStart = {})
    {
        shell::Main();
        if (beforeStart)
            beforeStart();
        click(Welcome->ui.Start_Quiz);
        PickAQuizForm& p = pick_a_quiz.get();
        p.which_quiz(o.quiz)->setChecked(true);
        p.ui.random_questions->setChecked(o.shuffleQuestions);
        p.ui.random_answers->setChecked(o.shuffleAnswers);
        p.ui.answer_when_right->setChecked(o.showWhenRight);
        p.ui.answer_when_wrong->setChecked(o.showWhenWrong);
        click(p.ui.Command1);
        QVERIFY(quest.isLoaded() && quest->isVisible());
    }

    QuestForm& q() { return quest.get(); }

    void pressCorrectChoices()
    {
        for (int i = 1; i <= 6; ++i)
            if (!q().QChoice(i)->isHidden() && state::current_question.choice_correct[i] == 1)
                click(q().QChoice(i));
    }

    void pressWrongChoice()
    {
        // Pressing every shown choice is wrong unless all are correct;
        // pressing none is wrong otherwise.
        bool allCorrect = true;
        for (int i = 1; i <= 6; ++i)
            if (!q().QChoice(i)->isHidden() && state::current_question.choice_correct[i] != 1)
                allCorrect = false;
        if (!allCorrect)
            for (int i = 1; i <= 6; ++i)
                if (!q().QChoice(i)->isHidden())
                    click(q().QChoice(i));
    }

    void next() { click(q().ui.NextButton); }

    QString label(const char* name) { return q().findChild<QLabel*>(QLatin1String(name))->text(); }

    // Answers every remaining question, right or wrong as `right` says.
    void playRest(const std::function<bool(int)>& right)
    {
        while (quest.isLoaded() && quest->isVisible() && state::question_counter <= state::quiz_length) {
            if (right(state::question_counter))
                pressCorrectChoices();
            else
                pressWrongChoice();
            next();
        }
    }

    void verifyBackAtWelcome()
    {
        QVERIFY(Welcome.isLoaded() && Welcome->isVisible());
        QVERIFY(!quest.isLoaded() || quest.instance()->isHidden());
        QVERIFY(!pick_a_quiz.isLoaded() || pick_a_quiz.instance()->isHidden());
        harness->settle();
        QCOMPARE(harness->endCount, 0);
        QVERIFY(Welcome.isLoaded() && Welcome->isVisible());
    }

private slots:
    void optionsWindowDefaults()
    {
        shell::Main();
        click(Welcome->ui.Start_Quiz);
        PickAQuizForm& p = pick_a_quiz.get();
        QVERIFY(p.which_quiz(1)->isChecked());
        for (int i = 2; i <= 4; ++i)
            QVERIFY(!p.which_quiz(i)->isChecked());
        QVERIFY(p.ui.random_questions->isChecked());
        QVERIFY(p.ui.random_answers->isChecked());
        QVERIFY(p.ui.answer_when_wrong->isChecked());
        QVERIFY(!p.ui.answer_when_right->isChecked());
        QCOMPARE(p.ui.answer_when_wrong->text(), u"WRONG "_qs);
        click(p.which_quiz(3));
        QVERIFY(p.which_quiz(3)->isChecked() && !p.which_quiz(1)->isChecked());
    }

    void slotOrderWithoutShuffling_data()
    {
        QTest::addColumn<int>("quiz");
        for (int quiz = 1; quiz <= 4; ++quiz)
            QTest::addRow("quiz %d", quiz) << quiz;
    }
    void slotOrderWithoutShuffling()
    {
        QFETCH(int, quiz);
        startQuiz({.quiz = quiz});
        QCOMPARE(int(state::quiz_base), quiz);
        for (int k = 1; k <= 50; ++k) {
            QCOMPARE(label("qid"), QString::number(quiz + 4 * (k - 1)));
            QCOMPARE(label("question_number"), QString::number(k));
            QCOMPARE(int(state::current_slot), quiz + 4 * (k - 1));
            next();
        }
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QCOMPARE(harness->messages[0].title, u"Test Complete!"_qs);
        verifyBackAtWelcome();
    }

    void shuffledOrderAsksEverySlotOnce()
    {
        startQuiz({.quiz = 2, .shuffleQuestions = true});
        std::set<int> asked;
        std::vector<int> order;
        for (int k = 1; k <= 50; ++k) {
            order.push_back(state::current_slot);
            asked.insert(state::current_slot);
            next();
        }
        std::set<int> quizTwo;
        for (int slot = 2; slot <= 198; slot += 4)
            quizTwo.insert(slot);
        QCOMPARE(asked, quizTwo);
        QVERIFY(!std::is_sorted(order.begin(), order.end()));
    }

    void oneQuestionOrderStaysOne()
    {
        state::quiz_length = 1;
        state::shuffle_questions = 1;
        for (int run = 0; run < 100; ++run) {
            state::question_order[1] = 0;
            shell::buildQuestionOrder();
            QCOMPARE(int(state::question_order[1]), 1);
        }
    }

    void questionOrderAbove200IsABoundsError()
    {
        state::quiz_length = 201;
        state::shuffle_questions = 0;
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, shell::buildQuestionOrder());
    }

    void shufflesAreUniform()
    {
        // Every order of four entries equally likely: 24 orders, 48,000 draws,
        // 2,000 expected each; a standard deviation of about 44, so a bound of
        // 250 (over 5 sigma) fails only on a real bias. The old swap-with-any-
        // position shuffle expects between 1,500 and 2,812 of the orders here.
        platform::installRandomSource(std::make_unique<platform::FixedSeedRandom>(2024));
        std::map<std::vector<int>, int> seen;
        const int draws = 48000;
        for (int d = 0; d < draws; ++d) {
            platform::BoundedArray<platform::Int16, 0, 6> t;
            for (int i = 1; i <= 4; ++i)
                t[i] = i;
            platform::shuffleFromOne(t, 4);
            seen[{t[1], t[2], t[3], t[4]}]++;
            QCOMPARE(int(t[5]), 0);  // beyond n: untouched
        }
        QCOMPARE(seen.size(), std::size_t(24));
        for (const auto& [order, count] : seen)
            QVERIFY2(std::abs(count - draws / 24) < 250, qPrintable(QString::number(count)));

        // Every value equally likely in every position of a 50-question order:
        // 10,000 orders, 200 expected per cell, sd about 14; bound 80.
        state::quiz_length = 50;
        state::shuffle_questions = 1;
        std::vector<std::vector<int>> cell(51, std::vector<int>(51));
        for (int d = 0; d < 10000; ++d) {
            shell::buildQuestionOrder();
            for (int i = 1; i <= 50; ++i)
                cell[std::size_t(i)][std::size_t(int(state::question_order[i]))]++;
        }
        for (int i = 1; i <= 50; ++i)
            for (int v = 1; v <= 50; ++v)
                QVERIFY2(std::abs(cell[std::size_t(i)][std::size_t(v)] - 200) < 80,
                         qPrintable(QStringLiteral("position %1 value %2: %3")
                                        .arg(i)
                                        .arg(v)
                                        .arg(cell[std::size_t(i)][std::size_t(v)])));
    }

    void answersInBankOrderWithoutShuffling()
    {
        startQuiz({.quiz = 1}, [] {
            putQuestion(1, u"single_answer"_qs, {u"one"_qs, u"two"_qs, u"three"_qs}, {0, 1, 0});
        });
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(!q().abox(i)->isHidden() && !q().QChoice(i)->isHidden());
            QVERIFY(!q().QChoice(i)->pressed());
        }
        for (int i = 4; i <= 6; ++i)
            QVERIFY(q().abox(i)->isHidden() && q().QChoice(i)->isHidden());
        QCOMPARE(q().abox(1)->toPlainText(), u"one"_qs);
        QCOMPARE(q().abox(2)->toPlainText(), u"two"_qs);
        QCOMPARE(q().abox(3)->toPlainText(), u"three"_qs);
        QCOMPARE(q().ui.Q1->toPlainText(), u"Question of slot 1\nsecond line"_qs);
        QCOMPARE(q().ui.Directions->text(), u" Please Select the correct answer(s)"_qs);
        QCOMPARE(int(state::answer_count), 3);
        QVERIFY(q().ui.typestuff->isHidden());
    }

    void answersShuffledWithinTheShownOnesWithTheirFlags()
    {
        std::set<QString> firstShown;
        startQuiz({.quiz = 1, .shuffleAnswers = true}, [] {
            for (int slot = 1; slot <= 197; slot += 4)
                putQuestion(slot, u"multi_answer"_qs, {u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}, {1, 0, 1, 0});
        });
        for (int k = 1; k <= 50; ++k) {
            QStringList shown;
            for (int i = 1; i <= 4; ++i) {
                shown << q().abox(i)->toPlainText();
                const bool correct = shown.last() == u"a" || shown.last() == u"c";
                QCOMPARE(int(state::current_question.choice_correct[i]), correct ? 1 : 0);
            }
            for (int i = 5; i <= 6; ++i) {
                QVERIFY(q().abox(i)->isHidden());
                QVERIFY(state::current_question.choice_text[i].isEmpty());
            }
            QStringList sorted = shown;
            sorted.sort();
            QCOMPARE(sorted, (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
            firstShown.insert(shown.first());
            // The bank keeps its own order.
            QCOMPARE(bank::question_bank[int(state::current_slot)].choice_text[1], u"a"_qs);
            pressCorrectChoices();
            next();
        }
        QCOMPARE(firstShown.size(), std::size_t(4));
        QCOMPARE(harness->messages.back().text.section(u'\n', 2, 2), u" Right/Total  = 50/50"_qs);
    }

    void choiceRules_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("right");
        QTest::newRow("B and D") << u"BD"_qs << true;
        QTest::newRow("B alone") << u"B"_qs << false;
        QTest::newRow("A, B and D") << u"ABD"_qs << false;
        QTest::newRow("none") << u""_qs << false;
        QTest::newRow("D twice and B") << u"DDB"_qs << false;  // a second click releases D
        QTest::newRow("A twice, B and D") << u"AABD"_qs << true;
    }
    void choiceRules()
    {
        QFETCH(QString, pressed);
        QFETCH(bool, right);
        startQuiz({.quiz = 1}, [] {
            putQuestion(1, u"multi_answer"_qs, {u"p"_qs, u"q"_qs, u"r"_qs, u"s"_qs, u"t"_qs},
                        {0, 1, 0, 1, 0});
        });
        for (QChar letter : pressed)
            click(q().QChoice(letter.unicode() - u'A' + 1));
        next();
        QCOMPARE(int(state::verdict), right ? 1 : 99);
        QCOMPARE(label("score"), right ? u"1/1"_qs : u"0/1"_qs);
        QCOMPARE(label("Percent_Right"), right ? u"100%"_qs : u"0%"_qs);
    }

    void hiddenPressedButtonIsNotRead()
    {
        startQuiz({.quiz = 1}, [] { putQuestion(1, u"single_answer"_qs, {u"x"_qs, u"y"_qs}, {1, 0}); });
        pressCorrectChoices();
        q().QChoice(5)->setPressed(true);  // hidden, and wrongly pressed
        QVERIFY(q().QChoice(5)->isHidden() && q().QChoice(5)->pressed());
        next();
        QCOMPARE(int(state::verdict), 1);
    }

    void flagOtherThanZeroOrOneIsAlwaysWrong()
    {
        startQuiz({.quiz = 1}, [] { putQuestion(1, u"single_answer"_qs, {u"x"_qs, u"y"_qs}, {1, 2}); });
        click(q().QChoice(1));
        click(q().QChoice(2));
        next();
        QCOMPARE(int(state::verdict), 99);
    }

    void typedAnswerLayout()
    {
        startQuiz({.quiz = 1}, [] { putQuestion(1, u"Fill_in"_qs, {u"router"_qs}, {0}); });
        for (int i = 1; i <= 6; ++i)
            QVERIFY(q().QChoice(i)->isHidden());
        for (int i = 2; i <= 6; ++i)
            QVERIFY(q().abox(i)->isHidden());
        QVERIFY(!q().abox(1)->isHidden());
        QVERIFY(q().abox(1)->toPlainText().isEmpty());
        QVERIFY(q().abox(1)->frameShape() != QFrame::NoFrame);
        QVERIFY(!q().abox(1)->isReadOnly());
        QVERIFY(!q().ui.typestuff->isHidden());
        QCOMPARE(q().ui.Directions->text(), u" Please Type in the Correct Answer"_qs);
        QVERIFY(QTest::qWaitForWindowActive(quest.instance()));
        QCOMPARE(QApplication::focusWidget(), q().ui.NextButton);
        // The next question is a choice question again: the typing box loses its border.
        next();
        QCOMPARE(q().abox(1)->frameShape(), QFrame::NoFrame);
        QVERIFY(q().ui.typestuff->isHidden());
    }

    // What assistive technology reads: the values the labels show, and each
    // shown choice button described by the answer beside it, in display order.
    void aScreenReaderHearsTheValuesAndTheChoices()
    {
        startQuiz({.quiz = 1, .shuffleAnswers = true}, [] {
            putQuestion(5, u"multi_answer"_qs, {u"one"_qs, u"two"_qs, u"three"_qs}, {1, 0, 1});
            putQuestion(9, u"fill"_qs, {u"router"_qs}, {0});
        });
        auto read = [](QWidget* w, QAccessible::Text what) {
            return QAccessible::queryAccessibleInterface(w)->text(what);
        };
        auto verifyChoices = [&] {
            for (int i = 1; i <= 6; ++i) {
                const QString expected = q().QChoice(i)->isHidden() ? QString() : q().abox(i)->toPlainText();
                QCOMPARE(read(q().QChoice(i), QAccessible::Description), expected);
                QCOMPARE(read(q().QChoice(i), QAccessible::Name), u"Choice "_qs + QChar(u'A' + i - 1));
            }
        };
        QCOMPARE(read(q().ui.question_number, QAccessible::Name), u"1"_qs);
        QCOMPARE(read(q().ui.question_number, QAccessible::Description), u"Question number"_qs);
        QCOMPARE(read(q().ui.qid, QAccessible::Name), u"1"_qs);
        QCOMPARE(read(q().ui.Directions, QAccessible::Name), u" Please Select the correct answer(s)"_qs);
        verifyChoices();
        QVERIFY(!read(q().QChoice(6), QAccessible::Description).isEmpty());

        next();  // nothing pressed: wrong
        QCOMPARE(read(q().ui.score, QAccessible::Name), u"0/1"_qs);
        QCOMPARE(read(q().ui.score, QAccessible::Description), u"Score"_qs);
        QCOMPARE(read(q().ui.Percent_Right, QAccessible::Name), u"0%"_qs);
        QCOMPARE(read(q().ui.Percent_Right, QAccessible::Description), u"Percent right"_qs);
        verifyChoices();  // three shown, shuffled; the other three say nothing
        QVERIFY(read(q().QChoice(4), QAccessible::Description).isEmpty());
        QSet<QString> heard;
        for (int i = 1; i <= 3; ++i)
            heard.insert(read(q().QChoice(i), QAccessible::Description));
        QCOMPARE(heard, (QSet<QString>{u"one"_qs, u"two"_qs, u"three"_qs}));

        next();  // a typed answer: no choice button is shown, none describes one
        for (int i = 1; i <= 6; ++i)
            QVERIFY(read(q().QChoice(i), QAccessible::Description).isEmpty());
        QCOMPARE(read(q().ui.Directions, QAccessible::Name), u" Please Type in the Correct Answer"_qs);
    }

    void typedAnswerRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("same") << u"default route"_qs << true;
        QTest::newRow("case") << u"DEFAULT Route"_qs << true;
        QTest::newRow("outer spaces") << u"   default route  "_qs << true;
        QTest::newRow("inner spacing") << u"default  route"_qs << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("only spaces") << u"   "_qs << false;
        QTest::newRow("sixth spelling") << u"gateway of last resort"_qs << true;
        QTest::newRow("third, stored with spaces") << u"0.0.0.0/0"_qs << true;
        QTest::newRow("other") << u"static route"_qs << false;
    }
    void typedAnswerRules()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        startQuiz({.quiz = 1}, [] {
            putQuestion(1, u"FILL"_qs,
                        {u"default route"_qs, u""_qs, u"  0.0.0.0/0 "_qs, u""_qs, u""_qs,
                         u"Gateway of Last Resort"_qs},
                        {0, 0, 0, 0, 0, 0});  // flags are not consulted
        });
        click(q().abox(1)->viewport());
        QTest::keyClicks(q().abox(1), typed);
        QCOMPARE(q().abox(1)->toPlainText(), typed);
        next();
        QCOMPARE(int(state::verdict), right ? 1 : 99);
    }

    void onlyTheFirstAnswerBoxTakesTyping()
    {
        startQuiz({.quiz = 1});
        QVERIFY(!q().abox(1)->isReadOnly());
        for (int i = 2; i <= 6; ++i)
            QVERIFY(q().abox(i)->isReadOnly());
        QVERIFY(q().ui.Q1->isReadOnly());
    }

    void noFeedbackWindowWhenBothOptionsAreOff()
    {
        startQuiz({.quiz = 1});
        pressCorrectChoices();
        next();
        pressWrongChoice();
        next();
        QVERIFY(!theanswer.isLoaded());
        QCOMPARE(label("score"), u"1/2"_qs);
        QCOMPARE(label("Percent_Right"), u"50%"_qs);
    }

    void scoreLineAndGauge()
    {
        startQuiz({.quiz = 1});
        QVERIFY(q().ui.the_gauge->isHidden());
        const int bar = q().ui.Gauge1->height();
        pressCorrectChoices();
        next();
        QVERIFY(q().ui.the_gauge->isHidden());  // every answer right: no cover
        pressCorrectChoices();
        next();
        pressWrongChoice();
        next();
        QCOMPARE(label("score"), u"2/3"_qs);
        QCOMPARE(label("Percent_Right"), u"66%"_qs);
        QVERIFY(!q().ui.the_gauge->isHidden());
        QCOMPARE(q().ui.the_gauge->height(), int(std::lround(bar / 3.0)));
        QCOMPARE(q().ui.the_gauge->geometry().topLeft(), q().ui.Gauge1->geometry().topLeft());
        // The red cover lies in front of the blue bar.
        const QObjectList& kids = quest.instance()->children();
        QVERIFY(kids.indexOf(q().ui.the_gauge) > kids.indexOf(q().ui.Gauge1));
    }

    void gaugeCoversAllWhenNothingIsRight()
    {
        startQuiz({.quiz = 1});
        for (int k = 0; k < 2; ++k) {
            pressWrongChoice();
            next();
        }
        QCOMPARE(q().ui.the_gauge->height(), q().ui.Gauge1->height());
        QCOMPARE(label("Percent_Right"), u"0%"_qs);
    }

    void percentagesAreExact_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("percent");
        QTest::newRow("29/50") << 29 << 50 << 58;  // 0.58 * 100 is 57.999... in floating point
        QTest::newRow("57/100") << 57 << 100 << 57;
        QTest::newRow("2/3") << 2 << 3 << 66;
        QTest::newRow("9/18") << 9 << 18 << 50;
        QTest::newRow("49/50") << 49 << 50 << 98;
        QTest::newRow("50/50") << 50 << 50 << 100;
        QTest::newRow("0/50") << 0 << 50 << 0;
    }
    void percentagesAreExact()
    {
        QFETCH(int, right);
        QFETCH(int, total);
        QFETCH(int, percent);
        QCOMPARE(quiz::percentRight(right, total), percent);
        // Every pair up to 200 questions agrees with exact rational floor.
        for (int t = 1; t <= 200; ++t)
            for (int r = 0; r <= t; ++r)
                QCOMPARE(
                    quiz::percentRight(r, t) * t <= 100 * r && 100 * r < (quiz::percentRight(r, t) + 1) * t,
                    true);
    }

    void runningPercentageShows58For29Of50()
    {
        startQuiz({.quiz = 1});
        playRest([](int k) { return k <= 29; });
        QCOMPARE(harness->messages.back().text,
                 u"You have completed the test\n\n Right/Total  = 29/50\nPercent Right = 58%\n\n"
                 "Take this test until you get 100%"_qs);
    }

    void feedbackTextOfARightAnswer()
    {
        startQuiz({.quiz = 1, .showWhenRight = true}, [] {
            putQuestion(1, u"multi_answer"_qs, {u"alpha"_qs, u"beta"_qs, u"gamma"_qs}, {1, 0, 1});
            bank::question_bank[1].answer_note = u"note"_qs;
        });
        pressCorrectChoices();
        QString shown, built;
        const bool seen = testing::whileModal(
            u"theanswer"_qs, [this] { next(); },
            [&](QWidget* w) {
                shown = theanswer->ui.Text1->toPlainText();
                built = quiz::answerText(*quest.instance());
                QCOMPARE(w->windowTitle(), u"The Answer"_qs);
                click(theanswer->ui.Closeb);
            });
        QVERIFY(seen);
        const QString expected =
            u"Great Job.\r\nThe answer(s):  A C\r\n\r\nQuestion of slot 1\r\nsecond line\r\n"
            "A.)  alpha\r\nB.)  beta\r\nC.)  gamma\r\n\r\nBecause.\r\nnote"_qs;
        QCOMPARE(built, expected);
        QCOMPARE(shown, QString(expected).replace(u"\r\n"_qs, u"\n"_qs));
        QVERIFY(!theanswer.isLoaded());
        QCOMPARE(label("score"), u"1/1"_qs);
    }

    void feedbackTextOfAWrongAnswer()
    {
        startQuiz({.quiz = 1, .showWhenWrong = true}, [] {
            putQuestion(1, u"single_answer"_qs, {u"alpha"_qs, u"beta"_qs}, {0, 1});
        });
        QString built;
        QVERIFY(testing::whileModal(
            u"theanswer"_qs, [this] { next(); },
            [&](QWidget*) {
                built = quiz::answerText(*quest.instance());
                QTest::keyClick(theanswer.instance(), Qt::Key_Escape);  // Esc closes it too
            }));
        QCOMPARE(built,
                 u"Incorrect.\r\nThe correct answer(s):  B\r\n\r\nQuestion of slot 1\r\nsecond line\r\n"
                 "A.)  alpha\r\nB.)  beta\r\n\r\nBecause.\r\n"_qs);
        QVERIFY(!theanswer.isLoaded());
    }

    void feedbackTextOfATypedAnswer()
    {
        startQuiz({.quiz = 1, .showWhenWrong = true}, [] {
            putQuestion(1, u"fill"_qs, {u"NAT"_qs, u"PAT"_qs}, {0, 0});
        });
        QString built;
        QVERIFY(testing::whileModal(
            u"theanswer"_qs, [this] { next(); },
            [&](QWidget*) {
                built = quiz::answerText(*quest.instance());
                click(theanswer->ui.Closeb);
            }));
        QCOMPARE(built,
                 u"Incorrect.\r\nThe correct answer(s): NAT\r\n\r\nQuestion of slot 1\r\nsecond line"
                 "\r\n\r\nBecause.\r\n"_qs);
    }

    void resultMessages_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("message");
        const QString head = u"You have completed the test\n\n"_qs;
        QTest::newRow("50/50") << 50 << 50
                               << head +
                                      u" Right/Total  = 50/50\nPercent Right = 100%\n\n"
                                      "Congratulations, try a different test"_qs;
        QTest::newRow("45/50") << 45 << 50
                               << head +
                                      u" Right/Total  = 45/50\nPercent Right = 90%\n\n"
                                      "Take this test until you get 100%"_qs;
        QTest::newRow("29/50") << 29 << 50
                               << head +
                                      u" Right/Total  = 29/50\nPercent Right = 58%\n\n"
                                      "Take this test until you get 100%"_qs;
        QTest::newRow("0/50") << 0 << 50
                              << head +
                                     u" Right/Total  = 0/50\nPercent Right = 0%\n\n"
                                     "Take this test until you get 100%"_qs;
        QTest::newRow("10/50") << 10 << 50
                               << head +
                                      u" Right/Total  = 10/50\nPercent Right = 20%\n\n"
                                      "Take this test until you get 100%"_qs;
    }
    void resultMessages()
    {
        QFETCH(int, right);
        QFETCH(int, total);
        QFETCH(QString, message);
        QCOMPARE(quiz::resultMessage(right, total), message);
    }

    void wholeQuizAllRight()
    {
        startQuiz({.quiz = 4, .shuffleQuestions = true, .shuffleAnswers = true});
        playRest([](int) { return true; });
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QCOMPARE(harness->messages[0].text, quiz::resultMessage(50, 50));
        QCOMPARE(harness->messages[0].title, u"Test Complete!"_qs);
        verifyBackAtWelcome();
    }

    void quitOnTheFirstQuestion()
    {
        startQuiz({.quiz = 1});
        click(q().ui.quitquiz);
        QCOMPARE(harness->messages.back().text, quiz::resultMessage(0, 50));
        QCOMPARE(int(state::question_counter), 50);
        verifyBackAtWelcome();
    }

    void quitAfterTenRight()
    {
        startQuiz({.quiz = 3});
        for (int k = 0; k < 10; ++k) {
            pressCorrectChoices();
            next();
        }
        click(q().ui.quitquiz);
        QCOMPARE(harness->messages.back().text, quiz::resultMessage(10, 50));
        QVERIFY(harness->messages.back().text.contains(u"= 10/50\nPercent Right = 20%"_qs));
    }

    void theQuestionWindowStaysBehindTheResultBox()
    {
        startQuiz({.quiz = 1});
        bool questShown = false;
        harness->onMessage = [&](const testing::ShownMessage&) {
            questShown = quest.isLoaded() && quest->isVisible() && !Welcome.isLoaded();
        };
        click(q().ui.quitquiz);
        QVERIFY(questShown);
    }

    void resultBoxThroughTheRealModalBox()
    {
        startQuiz({.quiz = 1});
        platform::setMessageBoxHandler(nullptr);  // the real box
        QString text, title;
        QVERIFY(testing::whileModal(
            u"MsgBox"_qs, [this] { click(q().ui.quitquiz); },
            [&](QWidget* box) {
                title = box->windowTitle();
                text = qobject_cast<QMessageBox*>(box)->text();
                QTest::keyClick(box, Qt::Key_Escape);
            }));
        QCOMPARE(title, u"Test Complete!"_qs);
        QCOMPARE(text, quiz::resultMessage(0, 50));
        verifyBackAtWelcome();
    }

    void secondQuizStartsFromZero()
    {
        startQuiz({.quiz = 1, .showWhenWrong = false});
        for (int k = 0; k < 5; ++k) {
            pressCorrectChoices();
            next();
        }
        click(q().ui.quitquiz);
        verifyBackAtWelcome();
        click(Welcome->ui.Start_Quiz);
        PickAQuizForm& p = pick_a_quiz.get();
        QVERIFY(p.which_quiz(1)->isChecked());  // fresh defaults
        p.ui.random_questions->setChecked(false);
        p.ui.random_answers->setChecked(false);
        p.ui.answer_when_wrong->setChecked(false);
        click(p.which_quiz(2));
        click(p.ui.Command1);
        QCOMPARE(int(state::question_counter), 1);
        QCOMPARE(int(state::number_right), 0);
        QCOMPARE(int(state::current_slot), 2);
        QCOMPARE(int(state::show_when_wrong), 0);
        QCOMPARE(label("score"), QString());
        QVERIFY(q().ui.the_gauge->isHidden());
    }

    void tenQuizzesInARow()
    {
        for (int run = 0; run < 10; ++run) {
            if (run == 0) {
                startQuiz({.quiz = run % 4 + 1, .shuffleQuestions = true, .shuffleAnswers = true});
            } else {
                bank::question_bank[1].question_text = u"spoiled"_qs;  // the reload must repair it
                click(Welcome->ui.Start_Quiz);
                pick_a_quiz->which_quiz(run % 4 + 1)->setChecked(true);
                pick_a_quiz->ui.answer_when_wrong->setChecked(false);
                click(pick_a_quiz->ui.Command1);
            }
            playRest([run](int k) { return (k + run) % 3 != 0; });
            verifyBackAtWelcome();
            QVERIFY(bank::question_bank[1].question_text != u"spoiled");
        }
        QCOMPARE(harness->messages.size(), std::size_t(10));
    }

    void closeRequestReachingTheWelcomeWindowDuringItsLoad()
    {
        startQuiz({.quiz = 1});
        // The options window loaded but hidden during the run: at the end the
        // welcome window's load closes the question window, which closes the
        // options window, which asks the loading welcome window to close.
        pick_a_quiz->hide();
        QVERIFY(pick_a_quiz.isLoaded());
        click(q().ui.quitquiz);
        QVERIFY(!pick_a_quiz.isLoaded());
        verifyBackAtWelcome();
        QCOMPARE(int(state::quiz_length), 50);
    }

    void closingTheQuestionWindowEndsTheProgram()
    {
        startQuiz({.quiz = 1});
        quest.instance()->close();
        harness->settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!platform::anyFormLoaded());
    }

    void focusNeverRestsInTheQuestion()
    {
        startQuiz({.quiz = 1});
        QVERIFY(QTest::qWaitForWindowActive(quest.instance()));
        click(q().ui.Q1->viewport());
        QCOMPARE(QApplication::focusWidget(), q().ui.NextButton);
    }
};

QTEST_MAIN(QuizTest)
#include "test_quiz.moc"
