#pragma once

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Every test writes its strings as u"..."_s.
using namespace Qt::StringLiterals;

// Shared by the test programs: a fresh program for every test case, and ways
// to use it.
namespace testing {

struct ShownMessage {
    QString text, title;
};

// While it lives, message boxes are recorded instead of shown, a fatal
// run-time error throws platform::RuntimeError, the end of the program is
// counted, the random generator is seeded with `seed`, and the working folder
// is a fresh one, where the files a test writes stay among themselves.
class ProgramHarness {
public:
    explicit ProgramHarness(unsigned seed = 12345);
    ~ProgramHarness();

    std::vector<ShownMessage> messages;
    int endCount = 0;
    std::function<void(const ShownMessage&)> onMessage;  // called while a box is "open"

    static void settle();  // lets deferred deletion and the end-of-program check run

private:
    QTemporaryDir folder_;
    // Modal windows are made afresh each time, so one still up on two ticks
    // was left open: it would hang the run, so it fails the test and is closed.
    QTimer watchdog_;
    QPointer<QWidget> lastModal_;
};

// Each test function starts afresh and must leave no modal window open.
class ProgramTestCase : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<ProgramHarness> harness;

protected slots:
    void init() { harness = std::make_unique<ProgramHarness>(); }
    void cleanup();
};

// The columns of a data-driven test: columns<QString, int>("name", "count").
template <class... T, class... Name>
void columns(Name... names)
{
    (QTest::addColumn<T>(names), ...);
}

// The values of the row a test runs on: fetch<QString, int>("name", "count").
template <class... T, class... Name>
std::tuple<T...> fetch(Name... names)
{
    return {*static_cast<T*>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// A control of a window by object name; a missing one ends the test program.
QWidget* control(QWidget* window, const QString& name);
void click(QWidget* widget);

// The program's windows by name; the first use of a name loads its window.
extern const QStringList kWindowNames;
QWidget* loadWindow(const QString& name);

// Runs `action`, which opens a modal window, and calls `whenShown` with the
// window named `windowName` once it is up. Returns whether it was seen.
bool whileModal(const QString& windowName, const std::function<void()>& action,
                const std::function<void(QWidget*)>& whenShown);

struct Options {
    int quiz = 1;
    bool shuffleQuestions = false, shuffleAnswers = false, showWhenRight = false, showWhenWrong = false;
};

// From start-up through "I Agree" and the options window to the first
// question; `beforeStart` may change the freshly built bank.
void startQuiz(const Options& options, const std::function<void()>& beforeStart = {});

// Puts a question of the test's own into a slot: "Question of slot N" and a
// second line, the explanation "Because.", the choices and their flags.
void putQuestion(int slot, const QString& type, const QStringList& choices, const QList<int>& flags = {});

// Presses the shown choices the question on screen marks correct.
void pressCorrectChoices();

// What the program must refuse or survive, made the host's way: a name of
// no regular file that a read would block on (a FIFO; on Windows, a folder);
// devices that answer every open (Windows' only); how the program names a
// desktop the tests can give it and it cannot use (X display :987; Wine's
// without an X display, as scripts/windows runs the tests; none on Windows).
bool makeNonRegularFile(const QString& name);
QStringList devices();
QString unusableDesktop();

// While it lives, `name` is a regular file that cannot be read: Linux's
// memory file of the process, or on Windows a file another handle holds.
struct UnreadableFile {
    Q_DISABLE_COPY_MOVE(UnreadableFile)
    UnreadableFile();
    ~UnreadableFile();
    QString name;
    void* handle = nullptr;
};

}  // namespace testing
