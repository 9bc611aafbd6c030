// A whole quiz without a mouse: Tab, Space, Enter, Alt+letters and Esc.
#include <QMessageBox>
#include <QPlainTextEdit>

#include "platform/message_box.h"
#include "quiz/quest.h"
#include "quiz/theanswer.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

namespace {

QWidget* focused()
{
    return QApplication::focusWidget();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = focused() ? focused() : QApplication::activeWindow();
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

}  // namespace

class KeyboardTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void wholeQuizFromTheKeyboard()
    {
        shell::Main();
        QVERIFY(QTest::qWaitForWindowActive(Welcome.instance()));
        QCOMPARE(focused(), Welcome->ui.Start_Quiz);
        press(Qt::Key_Return);  // I Agree

        PickAQuizForm* options = pick_a_quiz.instance();
        QVERIFY(options && QTest::qWaitForWindowActive(options));
        QCOMPARE(focused(), options->ui.Command1);
        // Tab round to "Quiz #1", then the arrow keys move through the group.
        for (int n = 0; n < 20 && focused() != options->which_quiz(1); ++n)
            press(Qt::Key_Tab);
        QCOMPARE(focused(), options->which_quiz(1));
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QVERIFY(options->which_quiz(3)->isChecked());
        // The "RIGHT" box: show the answer after a right answer too.
        for (int n = 0; n < 20 && focused() != options->ui.answer_when_right; ++n)
            press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QVERIFY(options->ui.answer_when_right->isChecked());
        for (int n = 0; n < 20 && focused() != options->ui.Command1; ++n)
            press(Qt::Key_Tab);
        press(Qt::Key_Space);  // Start the Quiz

        QuestForm* q = quest.instance();
        QVERIFY(q && QTest::qWaitForWindowActive(q));
        QCOMPARE(int(state::quiz_base), 3);
        int feedbackWindows = 0;
        for (int k = 1; k <= 50; ++k) {
            // The window gets the keyboard back once the answer window has gone.
            QTRY_COMPARE(focused(), q->ui.NextButton);
            const bool answerRight = k % 5 != 0;
            int pressed = 0;
            for (int i = 1; i <= 6; ++i) {
                if (q->QChoice(i)->isHidden())
                    continue;
                const bool correct = state::current_question.choice_correct[i] == 1;
                if (correct == answerRight || (!answerRight && i == 1 && correct)) {
                    if (pressed++ % 2 == 0) {
                        press(Qt::Key_A + i - 1, Qt::AltModifier);
                        QTRY_VERIFY(q->QChoice(i)->pressed());
                        QCOMPARE(focused(), q->ui.NextButton);  // the focus stays on Next
                    } else {                                    // Tab to the button and Space it
                        while (focused() != q->QChoice(i))
                            press(Qt::Key_Tab);
                        press(Qt::Key_Space);
                        QVERIFY(q->QChoice(i)->pressed());
                        q->ui.NextButton->setFocus();  // back where the window keeps it
                    }
                }
            }
            // Every answer brings the answer window; Esc closes it.
            const bool seen = testing::whileModal(
                u"theanswer"_qs,
                [&] {
                    if (k % 5 != 1) {
                        press(Qt::Key_Return);  // Enter on the focused Next button
                    } else {
                        press(Qt::Key_N, Qt::AltModifier);
                        QTest::qWait(300);  // the access key animates the click
                    }
                },
                [&](QWidget* w) {
                    ++feedbackWindows;
                    QTRY_COMPARE(focused(), theanswer->ui.Closeb);
                    QTest::keyClick(w, Qt::Key_Escape);
                });
            QVERIFY2(seen, qPrintable(QString::number(k)));
            if (k < 50)
                QCOMPARE(int(state::question_counter), k + 1);
        }
        QCOMPARE(feedbackWindows, 50);
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QCOMPARE(harness->messages[0].text, quiz::resultMessage(40, 50));
        QVERIFY(Welcome->isVisible());
        QTRY_COMPARE(focused(), Welcome->ui.Start_Quiz);  // ready for the next quiz
    }

    void escapeClosesTheResultAndClueBoxes()
    {
        shell::Main();
        QVERIFY(QTest::qWaitForWindowActive(Welcome.instance()));
        press(Qt::Key_Return);
        QVERIFY(QTest::qWaitForWindowActive(pick_a_quiz.instance()));
        press(Qt::Key_Return);
        QuestForm* q = quest.instance();
        QVERIFY(q && QTest::qWaitForWindowActive(q));
        platform::setMessageBoxHandler(nullptr);  // the real boxes
        state::current_question.clue_text = u"a clue"_qs;
        QVERIFY(testing::whileModal(
            u"MsgBox"_qs, [&] { q->cluebutton_Click(); },
            [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }));
        QVERIFY(testing::whileModal(
            u"MsgBox"_qs,
            [&] {
                QTRY_VERIFY(focused());  // back from the clue box
                for (int n = 0; n < 40 && focused() != q->ui.quitquiz; ++n)
                    press(Qt::Key_Tab);
                QCOMPARE(focused(), q->ui.quitquiz);
                press(Qt::Key_Return);
            },
            [](QWidget* box) {
                QCOMPARE(qobject_cast<QMessageBox*>(box)->textFormat(), Qt::PlainText);
                QTest::keyClick(box, Qt::Key_Escape);
            }));
        QVERIFY(Welcome->isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
