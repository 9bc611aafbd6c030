#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Shared by the test programs: a fresh program state for every test case, and
// ways to read and answer what the program shows.
namespace testing {

struct ShownMessage {
    QString text;
    QString title;
};

// Installed by each test program's init(): message boxes are recorded instead
// of shown, a fatal run-time error throws platform::RuntimeError, the end of
// the program is recorded, and the random generator is seeded with `seed`.
class ProgramHarness {
public:
    explicit ProgramHarness(unsigned seed = 12345);
    ~ProgramHarness();
    ProgramHarness(const ProgramHarness&) = delete;
    ProgramHarness& operator=(const ProgramHarness&) = delete;

    std::vector<ShownMessage> messages;
    int endCount = 0;
    // Called for each message box after it is recorded (for example to act
    // while a box is "open").
    std::function<void(const ShownMessage&)> onMessage;

    // Lets queued work (deferred deletion, the end-of-program check) run.
    static void settle();
};

// Base of the test programs that drive the program: each test function
// starts from a fresh program and must not leave a modal window open.
class ProgramTestCase : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<ProgramHarness> harness;

private slots:
    void init();
    void cleanup();
};

// Looks a control up by object name in a window, failing the test if absent.
template <class T = QWidget>
T* control(QWidget* window, const QString& name)
{
    T* w = window ? window->findChild<T*>(name) : nullptr;
    if (!w)
        qFatal("control %s not found", qPrintable(name));
    return w;
}

void click(QWidget* widget);

// The program's windows by name, and a window loaded by its name (first use
// loads it, as anywhere in the program).
extern const QStringList kWindowNames;
QWidget* loadWindow(const QString& name);

// Runs `action` (which opens a modal window) and, once a top-level window
// with object name `windowName` is shown modally, calls `whenShown` with it.
// Returns whether the window was seen.
bool whileModal(const QString& windowName, const std::function<void()>& action,
                const std::function<void(QWidget*)>& whenShown);

}  // namespace testing
