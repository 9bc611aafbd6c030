// A random user: presses any shown button of any shown window, types, uses
// the keyboard, closes and resizes windows, and answers every box, chosen by
// a seeded generator. After every step it checks what a user could see.
//
//   NETADMIN_SOAK_STEPS  number of steps (default 3000)
//   NETADMIN_SOAK_SEED   replay a run (its seed is printed at the start)
#include <chrono>
#include <random>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "bank/question_bank.h"
#include "platform/form.h"
#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "quiz/theanswer.h"
#include "shell/about1.h"
#include "shell/choosetest.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

namespace {

unsigned envNumber(const char* name, unsigned fallback)
{
    bool ok = false;
    const unsigned v = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? v : fallback;
}

std::vector<platform::Form*> shownForms()
{
    std::vector<platform::Form*> forms;
    auto add = [&forms](platform::Form* f) {
        if (f && f->isVisible())
            forms.push_back(f);
    };
    add(Welcome.instance());
    add(pick_a_quiz.instance());
    add(quest.instance());
    add(theanswer.instance());
    add(Diagram.instance());
    add(Exhibit.instance());
    add(About1.instance());
    add(choosetest.instance());
    return forms;
}

bool anyButtonDown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (b->isDown())
                return true;
    return false;
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ProgramHarness> harness;
    std::mt19937 user;
    bool ended = false;
    int quizzesFinished = 0;
    int programStarts = 0;
    QString lastStep;

    template <class T>
    T pick(const std::vector<T>& items)
    {
        return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(user)];
    }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(user); }

    void startProgram()
    {
        platform::destroyAllForms();
        ended = false;
        ++programStarts;
        shell::Main();
    }

    // One thing a user could do now.
    void step()
    {
        lastStep = u"nothing"_qs;
        const std::vector<platform::Form*> forms = shownForms();
        if (forms.empty())
            return;  // checkInvariants() reports a program left without windows
        platform::Form* form = pick(forms);
        const int what = between(0, 99);
        if (what < 70) {
            std::vector<QAbstractButton*> buttons;
            for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
                if (b->isVisible() && b->isEnabled())
                    buttons.push_back(b);
            if (buttons.empty())
                return;
            QAbstractButton* b = pick(buttons);
            // Users rarely leave: Exit and Quit Test are taken one time in four.
            const bool leaving = (form == Welcome.instance() && b->objectName() == u"Command1") ||
                                 b->objectName() == u"quitquiz";
            if (leaving && between(0, 3) != 0)
                return;
            lastStep = form->objectName() + u" click "_qs + b->objectName();
            testing::click(b);
        } else if (what < 78) {
            static const std::vector<QKeyCombination> keys = {
                Qt::Key_Tab,         Qt::Key_Space,       Qt::Key_Return,      Qt::Key_Escape,
                Qt::ALT | Qt::Key_A, Qt::ALT | Qt::Key_B, Qt::ALT | Qt::Key_C, Qt::ALT | Qt::Key_D,
                Qt::ALT | Qt::Key_E, Qt::ALT | Qt::Key_F, Qt::ALT | Qt::Key_N};
            const QKeyCombination key = pick(keys);
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form;
            lastStep = form->objectName() + u" key "_qs + QString::number(key.toCombined());
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
            // An access key animates its button's click; let it land now, so
            // that a seed replays the same run whatever the machine's speed.
            QTRY_VERIFY_WITH_TIMEOUT(!anyButtonDown(), 2000);
        } else if (what < 86) {
            if (auto* box = form->findChild<QPlainTextEdit*>(u"abox_1"_qs); box && box->isVisible()) {
                lastStep = u"type"_qs;
                testing::click(box->viewport());
                QTest::keyClicks(box, pick(std::vector<QString>{u"router"_qs, u"  NAT "_qs, u"x"_qs, {}}));
            }
        } else if (what < 93) {
            lastStep = form->objectName() + u" resize"_qs;
            form->resize(between(150, 1400), between(100, 1000));
        } else {
            lastStep = form->objectName() + u" close box"_qs;
            form->close();
        }
    }

    void checkInvariants()
    {
        using namespace state;
        const QString where = u" after step: "_qs + lastStep;
        QVERIFY2(number_right >= 0 && number_right <= question_counter, qPrintable(where));
        QVERIFY2(question_counter <= quiz_length + 1, qPrintable(where));
        if (QuestForm* q = quest.instance(); q && q->isVisible() && question_counter >= 2) {
            const QString score = q->ui.score->text();
            QVERIFY2(score == QStringLiteral("%1/%2").arg(int(number_right)).arg(question_counter - 1),
                     qPrintable(score + where));
        }
        // Exactly one main window is shown, unless the program has ended.
        int main = 0;
        for (platform::Form* f : shownForms())
            if (f == Welcome.instance() || f == pick_a_quiz.instance() || f == quest.instance())
                ++main;
        QVERIFY2(main == 1, qPrintable(QString::number(main) + where));
        // No half-destroyed window: every window left on screen is a loaded one.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* f = qobject_cast<platform::Form*>(w);
            if (!f)
                continue;
            const bool owned = f == Welcome.instance() || f == pick_a_quiz.instance() ||
                               f == quest.instance() || f == theanswer.instance() ||
                               f == Diagram.instance() || f == Exhibit.instance() || f == About1.instance() ||
                               f == choosetest.instance();
            QVERIFY2(owned, qPrintable(f->objectName() + where));
        }
        QVERIFY2(!QApplication::activeModalWidget(), qPrintable(where));
    }

private slots:
    void randomUser()
    {
        const unsigned seed =
            envNumber("NETADMIN_SOAK_SEED",
                      unsigned(std::chrono::steady_clock::now().time_since_epoch().count() & 0x7fffffff));
        const unsigned steps = envNumber("NETADMIN_SOAK_STEPS", 3000);
        qInfo("soak seed: %u, steps: %u (replay with NETADMIN_SOAK_SEED=%u)", seed, steps, seed);
        user.seed(seed);
        harness = std::make_unique<testing::ProgramHarness>(seed);

        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        {
            QFile gif(u"mypic.gif"_qs);
            gif.open(QIODevice::WriteOnly);
            gif.write(QByteArray::fromHex(
                "47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b"));
            QFile jpg(u"mypic.jpg"_qs);  // damaged: gives a message
            jpg.open(QIODevice::WriteOnly);
            jpg.write("\xff\xd8\xff\xe0 not really");
            QFile txt(u"cool.txt"_qs);
            txt.open(QIODevice::WriteOnly);
            txt.write("exhibit line 1\r\nexhibit line 2\n");
        }

        harness->onMessage = [this](const testing::ShownMessage& m) {
            if (m.title == u"Test Complete!") {
                ++quizzesFinished;
                QCOMPARE(m.text, quiz::resultMessage(state::number_right, state::question_counter));
            }
        };
        platform::setEndHandler([this](int) { ended = true; });

        // The modal answer window is answered like any box: by a user, with a
        // generator of its own, so that a seed replays the same run even when
        // the window takes a moment longer to receive keys.
        std::mt19937 answering(seed + 1);
        QTimer answerer;
        answerer.setInterval(2);
        connect(&answerer, &QTimer::timeout, this, [&answering] {
            TheAnswerForm* a = theanswer.instance();
            if (!a || !a->isVisible())
                return;
            switch (std::uniform_int_distribution<int>(0, 2)(answering)) {
            case 0:
                testing::click(a->ui.Closeb);
                break;
            case 1:
                if (QTest::qWaitForWindowActive(a))
                    QTest::keyClick(a, Qt::Key_Escape);
                break;
            default:
                a->close();
            }
        });
        answerer.start();

        startProgram();
        for (unsigned i = 0; i < steps; ++i) {
            step();
            testing::ProgramHarness::settle();
            if (ended) {  // the process would be gone: start it again
                startProgram();
                testing::ProgramHarness::settle();
            }
            if (qEnvironmentVariableIsSet("NETADMIN_SOAK_TRACE")) {
                QStringList shown;
                for (platform::Form* f : shownForms())
                    shown << f->objectName();
                qInfo("step %u: %s | %d/%d | %s", i, qPrintable(lastStep), int(state::number_right),
                      int(state::question_counter), qPrintable(shown.join(u',')));
            }
            checkInvariants();
            if (QTest::currentTestFailed()) {
                qWarning("failed at step %u of seed %u", i, seed);
                break;
            }
        }
        answerer.stop();
        platform::destroyAllForms();
        QDir::setCurrent(previous);
        qInfo("soak: %u steps, %d quizzes finished, %d program starts, %zu messages", steps, quizzesFinished,
              programStarts, harness->messages.size());
        harness.reset();
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
