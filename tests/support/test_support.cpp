#include "support/test_support.h"

#include <array>

#include <QDir>

#include "bank/question_bank.h"
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

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace testing {

ProgramHarness::ProgramHarness(unsigned seed)
{
    [[maybe_unused]] static const bool prepared = (shell::prepareApplication(), true);
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
    QDir::setCurrent(folder_.path());
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal == lastModal_) {
            QTest::qFail("a modal window was left open", __FILE__, __LINE__);
            modal->close();
        }
        lastModal_ = QApplication::activeModalWidget();
    });
    watchdog_.start(3000);
}

ProgramHarness::~ProgramHarness()
{
    platform::destroyAllForms();
    platform::setMessageBoxHandler(nullptr);
    platform::setEndHandler(nullptr);
    platform::setFatalHandler(platform::showRuntimeErrorAndExit);
    platform::installRandomSource(nullptr);
    QDir::setCurrent(QDir::tempPath());  // out of the folder before it goes
}

void ProgramHarness::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void ProgramTestCase::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    harness.reset();
}

QWidget* control(QWidget* window, const QString& name)
{
    if (auto* w = window->findChild<QWidget*>(name))
        return w;
    qFatal("control %s not found", qPrintable(name));
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

const QStringList kWindowNames = {u"Welcome"_s, u"pick_a_quiz"_s, u"quest"_s,  u"theanswer"_s,
                                  u"Diagram"_s, u"Exhibit"_s,     u"About1"_s, u"choosetest"_s};

QWidget* loadWindow(const QString& name)
{
    // As kWindowNames lists them; a name not there throws.
    const std::array<std::function<QWidget*()>, 8> load = {
        [] { return &Welcome.get(); },   [] { return &pick_a_quiz.get(); }, [] { return &quest.get(); },
        [] { return &theanswer.get(); }, [] { return &Diagram.get(); },     [] { return &Exhibit.get(); },
        [] { return &About1.get(); },    [] { return &choosetest.get(); }};
    return load.at(std::size_t(kWindowNames.indexOf(name)))();
}

bool whileModal(const QString& windowName, const std::function<void()>& action,
                const std::function<void(QWidget*)>& whenShown)
{
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget(); !seen && w && w->objectName() == windowName) {
            seen = true;
            poll.stop();
            whenShown(w);
            w->hide();  // also when a check in `whenShown` failed, so that `action` returns
        }
    });
    poll.start(5);
    action();
    return seen;
}

void startQuiz(const Options& o, const std::function<void()>& beforeStart)
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
}

void putQuestion(int slot, const QString& type, const QStringList& choices, const QList<int>& flags)
{
    bank::QuestionRecord r;
    r.question_text = u"Question of slot %1\r\nsecond line"_s.arg(slot);
    r.answer_type = type;
    r.explanation = u"Because."_s;
    for (int k = 1; k <= 6; ++k)
        r.choice_text[k] = choices.value(k - 1), r.choice_correct[k] = flags.value(k - 1);
    bank::question_bank[slot] = r;
}

void pressCorrectChoices()
{
    for (int i = 1; i <= 6; ++i)
        if (!quest->QChoice(i)->isHidden() && state::current_question.choice_correct[i] == 1)
            click(quest->QChoice(i));
}

#ifdef Q_OS_WIN
bool makeNonRegularFile(const QString& name)
{
    return QDir().mkdir(name);
}

QStringList devices()
{
    return {u"NUL"_s, u"CON"_s, u"COM1"_s, u"\\\\.\\pipe\\none"_s};
}

QString unusableDesktop()
{
    const bool wine = ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
    return wine && qEnvironmentVariableIsEmpty("DISPLAY") ? u"the Windows desktop."_s : QString();
}

UnreadableFile::UnreadableFile()
    : name(QDir::current().absoluteFilePath(u"locked.txt"_s)),
      handle(::CreateFileW(reinterpret_cast<const wchar_t*>(name.utf16()), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, 0, nullptr))
{
}

UnreadableFile::~UnreadableFile()
{
    ::CloseHandle(handle);
}
#else
bool makeNonRegularFile(const QString& name)
{
    return ::mkfifo(QFile::encodeName(name).constData(), 0600) == 0;
}

QStringList devices()
{
    return {};
}

QString unusableDesktop()
{
    return u"the X display :987."_s;
}

UnreadableFile::UnreadableFile() : name(u"/proc/self/mem"_s) {}

UnreadableFile::~UnreadableFile() = default;
#endif

}  // namespace testing
