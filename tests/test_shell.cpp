// Start-up, the welcome window and its close chain, the centring routine,
// the about window and the test chooser.
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "bank/question_bank.h"
#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "shell/about1.h"
#include "shell/choosetest.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

using testing::click;
using testing::control;

class ShellTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void startUpShowsTheWelcomeWindow()
    {
        shell::Main();
        WelcomeForm* w = Welcome.instance();
        QVERIFY(w && w->isVisible());
        const QString name = u"Network Admin Quiz 1.0"_qs;
        QCOMPARE(control<QLineEdit>(w, u"test_name"_qs)->text(), name);
        QCOMPARE(w->windowTitle(), name);
        QCOMPARE(control<QLineEdit>(w, u"author_name2"_qs)->text(), bank::author_contact);
        QCOMPARE(int(state::quiz_length), 50);
        QCOMPARE(int(bank::question_count), 200);
        QVERIFY(!bank::question_bank[200].question_text.isEmpty());
        QVERIFY(w->isActiveWindow() || QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->ui.Start_Quiz);
        QVERIFY(!quest.isLoaded() && !pick_a_quiz.isLoaded());
        // Centred on the screen.
        const QRect screen = w->screen()->geometry();
        QVERIFY(std::abs(w->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(std::abs(w->frameGeometry().center().y() - screen.center().y()) <= 1);
    }

    void quizLengthIsAQuarterRoundedDown_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("length");
        QTest::newRow("200") << 200 << 50;
        QTest::newRow("203") << 203 << 50;
        QTest::newRow("4") << 4 << 1;
        QTest::newRow("3") << 3 << 0;
        QTest::newRow("800") << 800 << 200;
    }
    void quizLengthIsAQuarterRoundedDown()
    {
        QFETCH(int, count);
        QFETCH(int, length);
        QCOMPARE(int(shell::quizLengthFor(count)), length);
    }

    void centringAWindowLargerThanTheScreen()
    {
        QWidget big;
        const QRect screen = big.screen()->geometry();
        big.resize(screen.width() + 400, screen.height() + 300);
        shell::center_form(big);
        QCOMPARE(big.pos(), QPoint(screen.x() - 200, screen.y() - 150));
        shell::center_form(big, 10.0f, -20.0f);
        QCOMPARE(big.pos(), QPoint(screen.x() - 210, screen.y() - 130));
    }

    void reloadingTheWelcomeWindowRebuildsTheBank()
    {
        Welcome.get();
        const bank::QuestionBank loaded = bank::question_bank;
        bank::question_bank[17].question_text = u"spoiled"_qs;
        state::quiz_length = 3;
        Welcome.Unload();
        harness->settle();
        Welcome.get();
        QVERIFY(bank::question_bank == loaded);
        QCOMPARE(int(state::quiz_length), 50);
    }

    void closingTheWelcomeWindowClosesItsList()
    {
        Welcome.get();
        quest.get();
        pick_a_quiz.get();
        Exhibit.get();
        choosetest.get();
        Diagram.get();
        About1.get();
        Welcome.Unload();
        QVERIFY(!Welcome.isLoaded());
        QVERIFY(!quest.isLoaded());
        QVERIFY(!pick_a_quiz.isLoaded());
        QVERIFY(!Exhibit.isLoaded());
        QVERIFY(!choosetest.isLoaded());
        QVERIFY(!Diagram.isLoaded());
        QVERIFY(About1.isLoaded());  // not in the list
    }

    void closeBoxOfTheWelcomeWindowEndsTheProgram()
    {
        shell::Main();
        Welcome.instance()->close();
        harness->settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!platform::anyFormLoaded());
    }

    void closingWelcomeWithAHiddenAboutWindowStillEnds()
    {
        shell::Main();
        click(Welcome->ui.About);
        click(About1->ui.Command1);  // hides it; it stays loaded
        QVERIFY(About1.isLoaded() && !About1->isVisible());
        Welcome.instance()->close();
        harness->settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!About1.isLoaded());
    }

    void closingWelcomeWithTheAboutWindowOpenEnds()
    {
        shell::Main();
        click(Welcome->ui.About);
        Welcome.instance()->close();
        QVERIFY(About1.isLoaded() && About1->isVisible());  // not in the close list
        harness->settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!About1.isLoaded());
    }

    void exitEndsAtOnceWithoutUnloadHandlers()
    {
        shell::Main();
        click(Welcome->ui.About);
        click(Welcome->ui.Command1);
        QCOMPARE(harness->endCount, 1);
        QVERIFY(Welcome.isLoaded());  // no unload handler ran
        QVERIFY(About1.isLoaded());
    }

    void iAgreeOpensTheOptionsWindow()
    {
        shell::Main();
        click(Welcome->ui.Start_Quiz);
        QVERIFY(pick_a_quiz.isLoaded() && pick_a_quiz->isVisible());
        QVERIFY(Welcome.isLoaded() && !Welcome->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(pick_a_quiz.instance()));
        QCOMPARE(QApplication::focusWidget(), pick_a_quiz->ui.Command1);
        harness->settle();
        QCOMPARE(harness->endCount, 0);
    }

    void closingTheOptionsWindowEndsTheProgram()
    {
        shell::Main();
        click(Welcome->ui.Start_Quiz);
        pick_a_quiz.instance()->close();
        QVERIFY(!Welcome.isLoaded());
        harness->settle();
        QCOMPARE(harness->endCount, 1);
    }

    void aboutTextIsBuiltOnLoadOnly()
    {
        shell::Main();
        click(Welcome->ui.About);
        const QString expected =
            u"Prod Name: Network Admin Quiz\r\n"
            "Version:   1.0\r\n"
            "Test Name: Network Admin Quiz 1.0\r\n"_qs;
        QPlainTextEdit* text = About1->ui.Text1;
        QCOMPARE(text->toPlainText(), QString(expected).replace(u"\r\n"_qs, u"\n"_qs));
        text->setPlainText(u"kept"_qs);
        click(About1->ui.Command1);
        QVERIFY(!About1->isVisible());
        click(Welcome->ui.About);  // shown again, not rebuilt
        QCOMPARE(About1->ui.Text1->toPlainText(), u"kept"_qs);
        About1.instance()->close();  // the close box unloads it
        QVERIFY(!About1.isLoaded());
        click(Welcome->ui.About);
        QCOMPARE(About1->ui.Text1->toPlainText(), QString(expected).replace(u"\r\n"_qs, u"\n"_qs));
    }

    void aboutTextWithAnEmptyValue()
    {
        bank::test_title = u"T"_qs;
        bank::test_version.clear();
        bank::full_test_name = u"T "_qs;
        About1.get();
        QCOMPARE(About1->ui.Text1->toPlainText(), u"Prod Name: T\nVersion:   \nTest Name: T \n"_qs);
    }

    void focusNeverRestsInTheAboutText()
    {
        shell::Main();
        click(Welcome->ui.About);
        QVERIFY(QTest::qWaitForWindowActive(About1.instance()));
        click(About1->ui.Text1->viewport());
        QCOMPARE(QApplication::focusWidget(), About1->ui.Command1);
    }

    void chooserExitClosesAndEnds()
    {
        shell::Main();
        choosetest->show();
        click(choosetest->ui.Command3);
        QVERIFY(!Welcome.isLoaded());
        QVERIFY(!choosetest.isLoaded());
        QCOMPARE(harness->endCount, 1);
        click(choosetest->ui.Command1);  // the database buttons do nothing
        click(choosetest->ui.Command2);
        QCOMPARE(harness->endCount, 1);
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
