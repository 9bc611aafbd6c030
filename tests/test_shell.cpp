// Start-up, the welcome window and its close chain, the centring routine,
// the options window's way in and out, the about window and the chooser.
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

namespace {
bool centred(const QWidget* w)
{
    const QPoint d = w->frameGeometry().center() - w->screen()->geometry().center();
    return std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1;
}
}  // namespace

class ShellTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void startUpShowsTheWelcomeWindow()
    {
        shell::Main();
        WelcomeForm* w = Welcome.instance();
        QVERIFY(w && w->isVisible() && centred(w));
        QCOMPARE(w->ui.test_name->text(), u"Network Admin Quiz 1.0"_qs);
        QCOMPARE(w->windowTitle(), w->ui.test_name->text());
        QCOMPARE(w->ui.author_name2->text(), bank::author_contact);
        QCOMPARE(int(state::quiz_length), 50);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->ui.Start_Quiz);
        QVERIFY(!quest.isLoaded() && !pick_a_quiz.isLoaded());
        // Each load rebuilds the bank.
        bank::question_bank[17].question_text = u"spoiled"_qs;
        state::quiz_length = 3;
        Welcome.Unload();
        harness->settle();
        Welcome.get();
        QVERIFY(bank::question_bank[17].question_text != u"spoiled");
        QCOMPARE(int(state::quiz_length), 50);
    }

    void quizLengthIsAQuarterRoundedDown()
    {
        for (const auto& [count, length] : {std::pair{200, 50}, {203, 50}, {4, 1}, {3, 0}, {800, 200}})
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

    void closingTheWelcomeWindowClosesItsList()
    {
        Welcome.get(), quest.get(), pick_a_quiz.get(), Exhibit.get(), choosetest.get(), Diagram.get(),
            About1.get();
        Welcome.Unload();
        for (bool loaded : {Welcome.isLoaded(), quest.isLoaded(), pick_a_quiz.isLoaded(), Exhibit.isLoaded(),
                            choosetest.isLoaded(), Diagram.isLoaded()})
            QVERIFY(!loaded);
        QVERIFY(About1.isLoaded());  // not in the list
    }

    // The close box of any main window ends the program, whatever companion
    // window is left (the about window, shown or hidden, is in no close list).
    void closeBoxesEndTheProgram_data()
    {
        QTest::addColumn<int>("window");  // 0 welcome, 1 options
        QTest::addColumn<int>("about");   // 0 never opened, 1 open, 2 hidden
        for (int window : {0, 1})
            for (int about : {0, 1, 2})
                QTest::addRow("%s, about %d", window ? "options" : "welcome", about) << window << about;
    }
    void closeBoxesEndTheProgram()
    {
        QFETCH(int, window);
        QFETCH(int, about);
        shell::Main();
        if (about)
            click(Welcome->ui.About);
        if (about == 2)
            click(About1->ui.Command1);
        QVERIFY(About1.isLoaded() == (about != 0));
        if (window == 1) {
            click(Welcome->ui.Start_Quiz);
            QVERIFY(pick_a_quiz->isVisible() && !Welcome->isVisible());
            QVERIFY(QTest::qWaitForWindowActive(pick_a_quiz.instance()));
            QCOMPARE(QApplication::focusWidget(), pick_a_quiz->ui.Command1);
            harness->settle();
            QCOMPARE(harness->endCount, 0);
        }
        (window ? static_cast<QWidget*>(pick_a_quiz.instance()) : Welcome.instance())->close();
        QVERIFY(!Welcome.isLoaded());
        harness->settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!platform::anyFormLoaded());
    }

    void exitButtonsEndAtOnce()
    {
        shell::Main();
        click(Welcome->ui.About);
        click(Welcome->ui.Command1);
        QCOMPARE(harness->endCount, 1);
        QVERIFY(Welcome.isLoaded() && About1.isLoaded());  // no unload handler ran
        choosetest->show();
        click(choosetest->ui.Command1);  // the database buttons do nothing
        click(choosetest->ui.Command2);
        QCOMPARE(harness->endCount, 1);
        click(choosetest->ui.Command3);
        QVERIFY(!Welcome.isLoaded() && !choosetest.isLoaded());
        QCOMPARE(harness->endCount, 2);
    }

    void aboutTextIsBuiltOnLoadOnly()
    {
        shell::Main();
        click(Welcome->ui.About);
        const QString text =
            u"Prod Name: Network Admin Quiz\nVersion:   1.0\nTest Name: Network Admin Quiz 1.0\n"_qs;
        QCOMPARE(About1->ui.Text1->toPlainText(), text);
        QVERIFY(QTest::qWaitForWindowActive(About1.instance()));
        click(About1->ui.Text1->viewport());
        QCOMPARE(QApplication::focusWidget(), About1->ui.Command1);  // the text hands the focus on
        About1->ui.Text1->setPlainText(u"kept"_qs);
        click(About1->ui.Command1);
        click(Welcome->ui.About);  // shown again, not rebuilt
        QCOMPARE(About1->ui.Text1->toPlainText(), u"kept"_qs);
        About1.instance()->close();  // the close box unloads it
        bank::test_version.clear();
        bank::full_test_name = u"T "_qs;
        click(Welcome->ui.About);
        QCOMPARE(About1->ui.Text1->toPlainText(),
                 u"Prod Name: Network Admin Quiz\nVersion:   \nTest Name: T \n"_qs);
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
