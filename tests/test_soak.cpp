// A random user: presses any shown button of any shown window, types, uses
// the keyboard, resizes and closes windows and answers every answer window,
// chosen by a seeded generator; after every step it checks what a user
// could see.   NETADMIN_SOAK_STEPS: steps (3000); NETADMIN_SOAK_SEED: replay.
#include <chrono>
#include <random>

#include <QAbstractButton>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

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

std::vector<platform::Form*> loadedForms()
{
    std::vector<platform::Form*> forms;
    for (platform::Form* f : std::initializer_list<platform::Form*>{
             Welcome.instance(), pick_a_quiz.instance(), quest.instance(), theanswer.instance(),
             Diagram.instance(), Exhibit.instance(), About1.instance(), choosetest.instance()})
        if (f)
            forms.push_back(f);
    return forms;
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

    std::mt19937 user;
    bool ended = false;
    QString lastStep;

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(user); }
    template <class T>
    T pick(const std::vector<T>& items)
    {
        return items[std::size_t(between(0, int(items.size()) - 1))];
    }

    // One thing a user could do now.
    void step()
    {
        std::vector<platform::Form*> forms;
        for (platform::Form* f : loadedForms())
            if (f->isVisible())
                forms.push_back(f);
        lastStep = u"nothing"_qs;
        if (forms.empty())
            return;
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
                Qt::ALT | Qt::Key_A, Qt::ALT | Qt::Key_C, Qt::ALT | Qt::Key_F, Qt::ALT | Qt::Key_N};
            const QKeyCombination key = pick(keys);
            lastStep = form->objectName() + u" key "_qs + QString::number(key.toCombined());
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form;
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
            // An access key animates its button's click: let it land now, so a
            // seed replays the same run whatever the machine's speed.
            QTRY_VERIFY_WITH_TIMEOUT(std::none_of(forms.begin(), forms.end(),
                                                  [](platform::Form* f) {
                                                      const auto buttons =
                                                          f->findChildren<QAbstractButton*>();
                                                      return std::any_of(buttons.begin(), buttons.end(),
                                                                         [](auto* b) { return b->isDown(); });
                                                  }),
                                     2000);
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
        const QByteArray where = (u" after step: "_qs + lastStep).toUtf8();
        QVERIFY2(number_right >= 0 && number_right <= question_counter, where);
        QVERIFY2(question_counter <= quiz_length + 1, where);
        if (QuestForm* q = quest.instance(); q && q->isVisible() && question_counter >= 2)
            QVERIFY2(q->ui.score->text() == u"%1/%2"_qs.arg(int(number_right)).arg(question_counter - 1),
                     where);
        // Exactly one main window is shown, and every window on screen is a loaded one.
        int main = 0;
        for (platform::Form* f : std::initializer_list<platform::Form*>{
                 Welcome.instance(), pick_a_quiz.instance(), quest.instance()})
            main += f && f->isVisible();
        QVERIFY2(main == 1, where);
        const std::vector<platform::Form*> loaded = loadedForms();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<platform::Form*>(w))
                QVERIFY2(std::find(loaded.begin(), loaded.end(), f) != loaded.end(), where);
        QVERIFY2(!QApplication::activeModalWidget(), where);
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
        testing::ProgramHarness harness(seed);
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        for (const auto& [name, bytes] :
             {std::pair{"mypic.gif", QByteArray::fromHex("47494638396101000100800000ffffff00000021f904010000"
                                                         "00002c00000000010001000002024401003b")},
              {"mypic.jpg", QByteArray("\xff\xd8\xff\xe0 damaged: gives a message")},
              {"cool.txt", QByteArray("exhibit line 1\r\nexhibit line 2\n")}}) {
            QFile f(QString::fromLatin1(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        }
        int finished = 0, starts = 0;
        harness.onMessage = [&finished](const testing::ShownMessage& m) {
            if (m.title == u"Test Complete!") {
                ++finished;
                QCOMPARE(m.text, quiz::resultMessage(state::number_right, state::question_counter));
            }
        };
        platform::setEndHandler([this](int) { ended = true; });
        // The modal answer window is answered with a generator of its own, so
        // that a seed replays the same run however long the window takes.
        std::mt19937 answering(seed + 1);
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, this, [&answering] {
            TheAnswerForm* a = theanswer.instance();
            if (!a || !a->isVisible())
                return;
            const int how = std::uniform_int_distribution<int>(0, 2)(answering);
            if (how == 0)
                testing::click(a->ui.Closeb);
            else if (how == 1 && QTest::qWaitForWindowActive(a))
                QTest::keyClick(a, Qt::Key_Escape);
            else if (how == 2)
                a->close();
        });
        answerer.start(2);
        auto start = [&] {  // again each time the program ends, as its process would be gone
            platform::destroyAllForms();
            ended = false;
            ++starts;
            shell::Main();
            testing::ProgramHarness::settle();
        };
        start();
        for (unsigned i = 0; i < steps && !QTest::currentTestFailed(); ++i) {
            step();
            testing::ProgramHarness::settle();
            if (ended)
                start();
            checkInvariants();
            if (QTest::currentTestFailed())
                qWarning("failed at step %u of seed %u", i, seed);
        }
        answerer.stop();
        platform::destroyAllForms();
        QDir::setCurrent(previous);
        qInfo("soak: %u steps, %d quizzes finished, %d program starts, %zu messages", steps, finished, starts,
              harness.messages.size());
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
