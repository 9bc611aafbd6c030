// Playing quizzes through the real windows: options and question order,
// presentation, checking and feedback, what a screen reader is given, the
// result and the way back.
#include <set>

#include <QAccessible>
#include <QMessageBox>

#include "bank/question_bank.h"
#include "platform/message_box.h"
#include "quiz/quest.h"
#include "quiz/theanswer.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

using testing::click;
using testing::putQuestion;
using testing::startQuiz;

namespace {

QuestForm& q()
{
    return quest.get();
}

void next()
{
    click(q().ui.NextButton);
}

// Pressing every shown choice is wrong unless all are correct; pressing
// none is wrong then.
void pressWrongChoices()
{
    bool allCorrect = true;
    for (int i = 1; i <= 6; ++i)
        allCorrect =
            allCorrect && (q().QChoice(i)->isHidden() || state::current_question.choice_correct[i] == 1);
    for (int i = 1; !allCorrect && i <= 6; ++i)
        if (!q().QChoice(i)->isHidden())
            click(q().QChoice(i));
}

// Answers the rest of the quiz, question k right when `right(k)`.
void playRest(const std::function<bool(int)>& right)
{
    while (quest.isLoaded() && quest->isVisible() && state::question_counter <= state::quiz_length) {
        right(state::question_counter) ? testing::pressCorrectChoices() : pressWrongChoices();
        next();
    }
}

QString accessible(QWidget* w, QAccessible::Text what)
{
    return QAccessible::queryAccessibleInterface(w)->text(what);
}

}  // namespace

class QuizTest : public testing::ProgramTestCase {
    Q_OBJECT

    void verifyBackAtWelcome()
    {
        harness->settle();
        QVERIFY(Welcome.isLoaded() && Welcome->isVisible());
        QVERIFY(!quest.isLoaded() && !pick_a_quiz.isLoaded());
        QCOMPARE(harness->endCount, 0);
    }

private slots:
    void optionsWindowDefaultsAndChoice()
    {
        shell::Main();
        click(Welcome->ui.Start_Quiz);
        PickAQuizForm& p = pick_a_quiz.get();
        QVERIFY(p.ui.random_questions->isChecked() && p.ui.random_answers->isChecked());
        QVERIFY(p.ui.answer_when_wrong->isChecked() && !p.ui.answer_when_right->isChecked());
        QVERIFY(p.which_quiz(1)->isChecked());
        for (int i : {3, 4, 2, 1}) {
            click(p.which_quiz(i));
            for (int k = 1; k <= 4; ++k)
                QCOMPARE(p.which_quiz(k)->isChecked(), k == i);
        }
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
        for (int k = 1; k <= 50; ++k) {
            QCOMPARE(q().ui.qid->text(), QString::number(quiz + 4 * (k - 1)));
            QCOMPARE(q().ui.question_number->text(), QString::number(k));
            next();
        }
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QCOMPARE(harness->messages[0].title, u"Test Complete!"_qs);
        QCOMPARE(harness->messages[0].text, quiz::resultMessage(0, 50));
        verifyBackAtWelcome();
    }

    void questionOrder()
    {
        startQuiz({.quiz = 2, .shuffleQuestions = true});
        std::vector<int> order;
        for (int k = 1; k <= 50; ++k, next())
            order.push_back(state::current_slot);
        QVERIFY(!std::is_sorted(order.begin(), order.end()));
        std::set<int> asked(order.begin(), order.end()), quizTwo;
        for (int slot = 2; slot <= 198; slot += 4)
            quizTwo.insert(slot);
        QCOMPARE(asked, quizTwo);
        state::quiz_length = 1;  // an order of one stays one
        state::question_order[1] = 0;
        shell::buildQuestionOrder();
        QCOMPARE(int(state::question_order[1]), 1);
        state::quiz_length = 201;  // more than the order holds
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, shell::buildQuestionOrder());
    }

    void answersInBankOrder()
    {
        startQuiz({}, [] { putQuestion(1, u"single_answer"_qs, {u"one"_qs, u"two"_qs, u"  "_qs}, {0, 1}); });
        QCOMPARE(q().ui.Q1->toPlainText(), u"Question of slot 1\nsecond line"_qs);
        QCOMPARE(q().ui.Directions->text(), u" Please Select the correct answer(s)"_qs);
        QCOMPARE(q().abox(1)->toPlainText() + q().abox(2)->toPlainText(), u"onetwo"_qs);
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(q().QChoice(i)->isHidden(), i > 2);  // a choice of spaces is blank
            QCOMPARE(q().abox(i)->isHidden(), i > 2);
        }
        QVERIFY(q().ui.typestuff->isHidden() && q().ui.cluebutton->isHidden());
        QCOMPARE(int(state::answer_count), 2);
    }

    void answersShuffledWithinTheShownOnesWithTheirFlags()
    {
        std::set<QString> firstShown;
        startQuiz({.shuffleAnswers = true}, [] {
            for (int slot = 1; slot <= 197; slot += 4)
                putQuestion(slot, u"multi_answer"_qs, {u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}, {1, 0, 1, 0});
        });
        for (int k = 1; k <= 50; ++k) {
            QStringList shown;
            for (int i = 1; i <= 4; ++i) {
                shown << q().abox(i)->toPlainText();
                QCOMPARE(int(state::current_question.choice_correct[i]),
                         int(shown.last() == u"a" || shown.last() == u"c"));
            }
            QVERIFY(q().abox(5)->isHidden() && state::current_question.choice_text[6].isEmpty());
            firstShown.insert(shown.first());
            shown.sort();
            QCOMPARE(shown, (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
            QCOMPARE(bank::question_bank[state::current_slot].choice_text[1],
                     u"a"_qs);  // the bank keeps its order
            testing::pressCorrectChoices();
            next();
        }
        QCOMPARE(firstShown.size(), std::size_t(4));
        QCOMPARE(harness->messages.back().text, quiz::resultMessage(50, 50));
    }

    void choiceRules_data()
    {
        QTest::addColumn<QString>("pressed");  // the letters clicked in turn; H presses a hidden one
        QTest::addColumn<bool>("right");
        QTest::newRow("B and D") << u"BD"_qs << true;
        QTest::newRow("B alone") << u"B"_qs << false;
        QTest::newRow("A, B and D") << u"ABD"_qs << false;
        QTest::newRow("none") << QString() << false;
        QTest::newRow("D twice and B") << u"DDB"_qs << false;  // a second click releases D
        QTest::newRow("B, D and a hidden one") << u"BDH"_qs << true;
    }
    void choiceRules()
    {
        QFETCH(QString, pressed);
        QFETCH(bool, right);
        startQuiz({}, [] {
            putQuestion(1, u"multi_answer"_qs, {u"p"_qs, u"q"_qs, u"r"_qs, u"s"_qs, u"t"_qs},
                        {0, 1, 0, 1, 0});
            putQuestion(5, u"single_answer"_qs, {u"x"_qs, u"y"_qs}, {1, 2});  // a flag other than 0 or 1
        });
        for (QChar letter : pressed)
            letter == u'H' ? q().QChoice(6)->setPressed(true)
                           : click(q().QChoice(letter.unicode() - u'A' + 1));
        next();
        QCOMPARE(int(state::verdict), right ? 1 : 99);
        QCOMPARE(q().ui.score->text(), right ? u"1/1"_qs : u"0/1"_qs);
        QCOMPARE(q().ui.Percent_Right->text(), right ? u"100%"_qs : u"0%"_qs);
        click(q().QChoice(1)), click(q().QChoice(2)), next();
        QCOMPARE(int(state::verdict), 99);
    }

    void typedAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("same") << u"default route"_qs << true;
        QTest::newRow("case and outer spaces") << u"   DEFAULT Route  "_qs << true;
        QTest::newRow("inner spacing") << u"default  route"_qs << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("only spaces") << u"   "_qs << false;
        QTest::newRow("sixth spelling") << u"gateway of last resort"_qs << true;
        QTest::newRow("third, stored with spaces") << u"0.0.0.0/0"_qs << true;
    }
    void typedAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        startQuiz({}, [] {
            putQuestion(1, u"FILL"_qs,
                        {u"default route"_qs, {}, u"  0.0.0.0/0 "_qs, {}, {}, u"Gateway of Last Resort"_qs});
        });
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(q().QChoice(i)->isHidden());
            QCOMPARE(q().abox(i)->isHidden(), i > 1);
            QCOMPARE(q().abox(i)->isReadOnly(), i > 1);  // only the first box takes typing
        }
        QVERIFY(q().abox(1)->toPlainText().isEmpty() && q().abox(1)->frameShape() != QFrame::NoFrame);
        QVERIFY(!q().ui.typestuff->isHidden());
        QCOMPARE(q().ui.Directions->text(), u" Please Type in the Correct Answer"_qs);
        QVERIFY(q().ui.Q1->isReadOnly());
        click(q().abox(1)->viewport());
        QTest::keyClicks(q().abox(1), typed);
        next();
        QCOMPARE(int(state::verdict), right ? 1 : 99);
        QCOMPARE(q().abox(1)->frameShape(), QFrame::NoFrame);  // a choice question again
        QVERIFY(q().ui.typestuff->isHidden());
    }

    // What assistive technology is given: the values the labels show, each
    // shown choice described by its answer in display order, the question on
    // NEXT, announced when NEXT keeps the focus, and the feedback on Close.
    void aScreenReaderIsGivenWhatIsShown()
    {
        startQuiz({.shuffleAnswers = true, .showWhenWrong = true}, [] {
            putQuestion(5, u"multi_answer"_qs, {u"one"_qs, u"two"_qs, u"three"_qs}, {1, 0, 1});
            putQuestion(9, u"fill"_qs, {u"router"_qs});
        });
        QVERIFY(QTest::qWaitForWindowActive(quest.instance()));
        auto announced = [] {
            auto* announcer = q().findChild<QWidget*>(u"announcer"_qs);
            if (!announcer || !announcer->isVisible())
                return QString();
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(announcer);
            return iface->role() == QAccessible::Notification ? iface->text(QAccessible::Name) : u"?"_qs;
        };
        auto verifyChoices = [] {
            for (int i = 1; i <= 6; ++i) {
                QCOMPARE(accessible(q().QChoice(i), QAccessible::Description),
                         q().QChoice(i)->isHidden() ? QString() : q().abox(i)->toPlainText());
                QCOMPARE(accessible(q().QChoice(i), QAccessible::Name), u"Choice "_qs + QChar(u'A' + i - 1));
            }
        };
        QCOMPARE(accessible(q().ui.question_number, QAccessible::Name), u"1"_qs);
        QCOMPARE(accessible(q().ui.question_number, QAccessible::Description), u"Question number"_qs);
        const QString first = accessible(q().ui.NextButton, QAccessible::Description);
        QVERIFY2(first.startsWith(u"Question 1: "_qs +
                                  bank::question_bank[1].question_text.section(u'\r', 0, 0)) &&
                     first.endsWith(u"Please Select the correct answer(s)"_qs),
                 qPrintable(first));
        QCOMPARE(announced(), QString());  // the focus comes to NEXT, which is read with the question
        verifyChoices();

        QString feedback;
        QVERIFY(testing::whileModal(u"theanswer"_qs, next, [&](QWidget*) {
            feedback = accessible(theanswer->ui.Closeb, QAccessible::Description);
            QTest::keyClick(theanswer.instance(), Qt::Key_Escape);
        }));
        QVERIFY2(feedback.startsWith(u"Incorrect. The correct answer(s): "_qs) && !feedback.contains(u'\r'),
                 qPrintable(feedback));
        QCOMPARE(accessible(q().ui.score, QAccessible::Name), u"0/1"_qs);
        QCOMPARE(accessible(q().ui.Percent_Right, QAccessible::Description), u"Percent right"_qs);
        QCOMPARE(announced(), QString());  // back from the answer window: NEXT is read
        verifyChoices();                   // three shown, shuffled; the other three say nothing
        QCOMPARE(accessible(q().ui.NextButton, QAccessible::Description),
                 u"Question 2: Question of slot 5 second line Please Select the correct answer(s)"_qs);

        testing::pressCorrectChoices();
        QTRY_VERIFY(QApplication::focusWidget());
        q().ui.NextButton->setFocus();
        next();  // right, no window: the focus stays on NEXT, so the question is announced
        QCOMPARE(announced(),
                 u"Question 3: Question of slot 9 second line Please Type in the Correct Answer"_qs);
        verifyChoices();  // a typed answer: no choice is described
    }

    void scoreAndGauge()
    {
        startQuiz({});
        QVERIFY(q().ui.the_gauge->isHidden());
        const int bar = q().ui.Gauge1->height();
        testing::pressCorrectChoices(), next();
        QVERIFY(q().ui.the_gauge->isHidden());  // every answer right: no cover
        testing::pressCorrectChoices(), next();
        pressWrongChoices(), next();
        QVERIFY(!theanswer.isLoaded());  // both options off: no feedback window
        QCOMPARE(q().ui.score->text() + q().ui.Percent_Right->text(), u"2/366%"_qs);
        QVERIFY(!q().ui.the_gauge->isHidden());
        QCOMPARE(q().ui.the_gauge->geometry(),
                 QRect(q().ui.Gauge1->pos(), QSize(q().ui.Gauge1->width(), int(std::lround(bar / 3.0)))));
        const QObjectList& kids =
            quest.instance()->children();  // the red cover lies in front of the blue bar
        QVERIFY(kids.indexOf(q().ui.the_gauge) > kids.indexOf(q().ui.Gauge1));
    }

    void percentagesAreExact()
    {
        QCOMPARE(quiz::percentRight(29, 50), 58);  // 0.58 * 100 is 57.999... in floating point
        QCOMPARE(quiz::percentRight(2, 3), 66);
        QCOMPARE(quiz::percentRight(0, 0), 0);
        for (int t = 1; t <= 200; ++t)
            for (int r = 0; r <= t; ++r)
                QVERIFY(quiz::percentRight(r, t) * t <= 100 * r &&
                        100 * r < (quiz::percentRight(r, t) + 1) * t);
        startQuiz({});
        playRest([](int k) { return k <= 29; });
        QCOMPARE(harness->messages.back().text,
                 u"You have completed the test\n\n Right/Total  = 29/50\nPercent Right = 58%\n\n"
                 "Take this test until you get 100%"_qs);
        QCOMPARE(quiz::resultMessage(50, 50),
                 u"You have completed the test\n\n Right/Total  = 50/50\n"
                 "Percent Right = 100%\n\nCongratulations, try a different test"_qs);
        QVERIFY(quiz::resultMessage(49, 50).endsWith(u"= 98%\n\nTake this test until you get 100%"_qs));
    }

    void feedbackTexts_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("text");
        const QString tail = u"\r\n\r\nBecause.\r\nnote"_qs,
                      question = u"Question of slot 1\r\nsecond line"_qs;
        QTest::newRow("right") << u"multi_answer"_qs << true
                               << u"Great Job.\r\nThe answer(s):  A C\r\n\r\n"_qs + question +
                                      u"\r\nA.)  alpha\r\nB.)  beta\r\nC.)  gamma"_qs + tail;
        QTest::newRow("wrong") << u"multi_answer"_qs << false
                               << u"Incorrect.\r\nThe correct answer(s):  A C\r\n\r\n"_qs + question +
                                      u"\r\nA.)  alpha\r\nB.)  beta\r\nC.)  gamma"_qs + tail;
        QTest::newRow("typed") << u"fill"_qs << false
                               << u"Incorrect.\r\nThe correct answer(s): alpha\r\n\r\n"_qs + question + tail;
    }
    void feedbackTexts()
    {
        QFETCH(QString, type);
        QFETCH(bool, right);
        QFETCH(QString, text);
        startQuiz({.showWhenRight = true, .showWhenWrong = true}, [&] {
            putQuestion(1, type, {u"alpha"_qs, u"beta"_qs, u"gamma"_qs}, {1, 0, 1});
            bank::question_bank[1].answer_note = u"note"_qs;
        });
        if (right)
            testing::pressCorrectChoices();
        QString shown;
        QVERIFY(testing::whileModal(u"theanswer"_qs, next, [&](QWidget* w) {
            QCOMPARE(w->windowTitle(), u"The Answer"_qs);
            QCOMPARE(quiz::answerText(*quest.instance()), text);
            shown = theanswer->ui.Text1->toPlainText();
            click(theanswer->ui.Closeb);
        }));
        QCOMPARE(shown, QString(text).replace(u"\r\n"_qs, u"\n"_qs));
        QVERIFY(!theanswer.isLoaded());
        QCOMPARE(q().ui.score->text(), right ? u"1/1"_qs : u"0/1"_qs);
    }

    void quitTest_data()
    {
        QTest::addColumn<int>("answered");
        QTest::newRow("on the first question") << 0;
        QTest::newRow("after ten right") << 10;
    }
    void quitTest()
    {
        QFETCH(int, answered);
        startQuiz({.quiz = 3});
        for (int k = 0; k < answered; ++k)
            testing::pressCorrectChoices(), next();
        bool questShown = false;
        harness->onMessage = [&](const testing::ShownMessage&) {
            questShown = quest->isVisible() && !Welcome.isLoaded();
        };
        click(q().ui.quitquiz);
        QVERIFY(questShown);  // the question window stays behind the result box
        QCOMPARE(harness->messages.back().text, quiz::resultMessage(answered, 50));
        QCOMPARE(int(state::question_counter), 50);
        verifyBackAtWelcome();
    }

    void resultBoxThroughTheRealModalBox()
    {
        startQuiz({});
        platform::setMessageBoxHandler(nullptr);
        QVERIFY(testing::whileModal(
            u"MsgBox"_qs, [] { click(q().ui.quitquiz); },
            [](QWidget* box) {
                QCOMPARE(box->windowTitle(), u"Test Complete!"_qs);
                QCOMPARE(qobject_cast<QMessageBox*>(box)->text(), quiz::resultMessage(0, 50));
                QCOMPARE(qobject_cast<QMessageBox*>(box)->textFormat(), Qt::PlainText);
                QTest::keyClick(box, Qt::Key_Escape);
            }));
        verifyBackAtWelcome();
    }

    void quizzesInARowStartFromZero()
    {
        startQuiz({.quiz = 4, .shuffleQuestions = true, .shuffleAnswers = true});
        for (int run = 0; run < 3; ++run) {
            playRest([run](int k) { return run == 0 || (k + run) % 3 != 0; });
            QCOMPARE(harness->messages.back().text, quiz::resultMessage(run == 0 ? 50 : 33, 50));
            verifyBackAtWelcome();
            QVERIFY(bank::question_bank[1].question_text != u"spoiled");  // the load repaired it
            bank::question_bank[1].question_text = u"spoiled"_qs;
            click(Welcome->ui.Start_Quiz);
            QVERIFY(pick_a_quiz->which_quiz(1)->isChecked());  // fresh defaults
            pick_a_quiz->ui.random_questions->setChecked(false);
            pick_a_quiz->ui.answer_when_wrong->setChecked(false);
            click(pick_a_quiz->which_quiz(2));
            click(pick_a_quiz->ui.Command1);
            QCOMPARE(int(state::question_counter), 1);
            QCOMPARE(int(state::number_right), 0);
            QCOMPARE(int(state::current_slot), 2);
            QVERIFY(q().ui.score->text().isEmpty() && q().ui.the_gauge->isHidden());
        }
        click(q().ui.quitquiz);
        QCOMPARE(harness->messages.size(), std::size_t(4));
    }

    void closeRequestReachingTheWelcomeWindowDuringItsLoad()
    {
        startQuiz({});
        // The options window loaded but hidden during the run: at the end the
        // welcome window's load closes the question window, which closes the
        // options window, which asks the loading welcome window to close.
        pick_a_quiz->hide();
        click(q().ui.quitquiz);
        QVERIFY(!pick_a_quiz.isLoaded());
        verifyBackAtWelcome();
        QCOMPARE(int(state::quiz_length), 50);
    }

    void closingTheQuestionWindowEndsTheProgram()
    {
        startQuiz({});
        QVERIFY(QTest::qWaitForWindowActive(quest.instance()));
        click(q().ui.Q1->viewport());
        QCOMPARE(QApplication::focusWidget(), q().ui.NextButton);  // the question hands the focus on
        quest.instance()->close();
        harness->settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!platform::anyFormLoaded());
    }
};

QTEST_MAIN(QuizTest)
#include "test_quiz.moc"
