#include "support/test_support.h"

#include <QTimer>

#include "bank/question_bank.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/runtime_error.h"
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

namespace testing {

ProgramHarness::ProgramHarness(unsigned seed)
{
    static bool once = [] {
        shell::prepareApplication();
        return true;
    }();
    (void)once;
    platform::destroyAllForms();
    bank::resetBank();
    state::resetQuizState();
    platform::setFatalHandler([](int number, const QString& description) {
        throw platform::RuntimeError{number, description};
    });
    platform::setMessageBoxHandler([this](const QString& text, const QString& title) {
        messages.push_back({text, title});
        if (onMessage)
            onMessage(messages.back());
    });
    platform::setEndHandler([this](int) { ++endCount; });
    platform::installRandomSource(std::make_unique<platform::FixedSeedRandom>(seed));
}

ProgramHarness::~ProgramHarness()
{
    platform::destroyAllForms();
    platform::setMessageBoxHandler(nullptr);
    platform::setEndHandler(nullptr);
    platform::setFatalHandler(platform::showRuntimeErrorAndExit);
    platform::installRandomSource(nullptr);
    bank::resetBank();
    state::resetQuizState();
}

void ProgramHarness::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void ProgramTestCase::init()
{
    harness = std::make_unique<ProgramHarness>();
}

void ProgramTestCase::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    harness.reset();
}

const QStringList kWindowNames = {u"Welcome"_qs, u"pick_a_quiz"_qs, u"quest"_qs,  u"theanswer"_qs,
                                  u"Diagram"_qs, u"Exhibit"_qs,     u"About1"_qs, u"choosetest"_qs};

QWidget* loadWindow(const QString& name)
{
    if (name == u"Welcome")
        return &Welcome.get();
    if (name == u"pick_a_quiz")
        return &pick_a_quiz.get();
    if (name == u"quest")
        return &quest.get();
    if (name == u"theanswer")
        return &theanswer.get();
    if (name == u"Diagram")
        return &Diagram.get();
    if (name == u"Exhibit")
        return &Exhibit.get();
    if (name == u"About1")
        return &About1.get();
    if (name == u"choosetest")
        return &choosetest.get();
    qFatal("no window %s", qPrintable(name));
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

bool whileModal(const QString& windowName, const std::function<void()>& action,
                const std::function<void(QWidget*)>& whenShown)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->isModal())
                    modal = w;
        if (modal && modal->objectName() == windowName && !seen) {
            seen = true;
            poll.stop();
            whenShown(modal);
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

}  // namespace testing
