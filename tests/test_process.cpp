// What ends the process, run in a child process of this test program: the
// fatal run-time error (its box, then a non-zero status) and the Exit button.
#include <cstdio>

#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "platform/checked_int.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

namespace {

// The child: the program's own handlers, no test seams; a timer stands in for
// the user in front of the run-time error box.
int runChild(const QByteArray& mode)
{
    shell::prepareApplication();
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("box|%s|%s\n", qPrintable(box->windowTitle()),
                        qPrintable(box->text().replace(u'\n', u'/')));
            std::fflush(stdout);
            box->button(QMessageBox::Ok)->click();
        }
    });
    user.start(10);
    QTimer::singleShot(0, [mode] {
        if (mode == "overflow") {
            platform::Int16 counter = 32767;
            counter += 1;
        } else if (mode == "bounds") {
            state::quiz_length = 201;  // more than the question order holds
            shell::buildQuestionOrder();
        } else {
            shell::Main();
            testing::click(Welcome->ui.About);
            testing::click(Welcome->ui.Command1);
        }
        std::printf("after|%s\n", mode.constData());
        std::fflush(stdout);
    });
    const int status = QApplication::exec();
    platform::destroyAllForms();
    std::printf("exec returned|%d\n", status);
    return status;
}

}  // namespace

class ProcessTest : public QObject {
    Q_OBJECT

private slots:
    void whatEndsTheProcess_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("overflow") << QByteArray("overflow") << 1
                                  << u"box|netadmin-quiz|Run-time error '6'://Overflow"_qs;
        QTest::newRow("bounds") << QByteArray("bounds") << 1
                                << u"box|netadmin-quiz|Run-time error '9'://Subscript out of range"_qs;
        QTest::newRow("exit") << QByteArray("exit") << 0 << u"exec returned|0"_qs;
    }
    void whatEndsTheProcess()
    {
        QFETCH(QByteArray, mode);
        QFETCH(int, status);
        QFETCH(QString, output);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"NETADMIN_CHILD"_qs, QString::fromLatin1(mode));
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), status);
        QVERIFY2(out.contains(output), qPrintable(out));
        QVERIFY2(status == 0 || !out.contains(u"after|"_qs), qPrintable(out));  // nothing ran past the error
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QByteArray mode = qgetenv("NETADMIN_CHILD");
    if (!mode.isEmpty())
        return runChild(mode);
    ProcessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_process.moc"
