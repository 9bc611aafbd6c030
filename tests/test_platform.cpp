// The platform layer, and what ends the process (run in a child process of
// this program). Every window of the other tests uses the window life cycle.
#include <map>

#ifdef NETADMIN_HAVE_ICU
#include <unicode/uchar.h>
#endif

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include "platform/display.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/text.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

using platform::Int16;

namespace {

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::RuntimeError& e) {
        return e.number;
    }
    return 0;
}

// The child: the program's own handlers; a timer answers the error box.
int runChild(const QByteArray& mode)
{
    shell::prepareApplication();
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("box|%s|%s\n", qPrintable(box->windowTitle()),
                        qPrintable(box->text().replace(u'\n', u'/')));
            box->button(QMessageBox::Ok)->click();
        }
    });
    user.start(10);
    QTimer::singleShot(0, [mode] {
        if (mode == "overflow") {
            Int16(32767) += 1;
        } else if (mode == "bounds") {
            state::quiz_length = 201;  // more than the question order holds
            shell::buildQuestionOrder();
        } else {
            shell::Main();
            testing::click(Welcome->ui.Command1);  // Exit
        }
        std::printf("after|%s\n", mode.constData());
    });
    const int status = QApplication::exec();
    std::printf("exec returned|%d\n", status);
    return status;
}

}  // namespace

class PlatformTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void checkedIntegersAndBoundedArrays()
    {
        const Int16 max = 32767, min = -32768;
        QCOMPARE(int(max + 0), 32767);
        QCOMPARE(int(Int16(181) * 181), 32761);
        for (const auto& overflows : std::initializer_list<std::function<void()>>{
                 [&] { (void)(max + 1); }, [&] { (void)(min - 1); }, [&] { (void)(0 - min); },
                 [&] { (void)(Int16(-1) * min); }, [&] { (void)(Int16(182) * Int16(181)); },
                 [&] { (void)(Int16(2) * 2147483647); }, [] { Int16 v(40000); }, [&] { Int16(max) += 1; }})
            QCOMPARE(errorOf(overflows), 6);
        platform::BoundedArray<Int16, 0, 200> order;
        const auto& view = order;
        for (int i : {-1, 0, 200, 201, 32767}) {
            const bool inside = i >= 0 && i <= 200;
            QCOMPARE(errorOf([&] { order[i] = 7; }) + errorOf([&] { (void)view[i]; }), inside ? 0 : 18);
        }
        platform::BoundedArray<int, 1, 6> fromOne;
        QCOMPARE(errorOf([&] { fromOne[0] = 1; }) + errorOf([&] { fromOne[7] = 1; }), 18);
    }

    void randomValuesAndShuffle()
    {
        platform::SeededRandom random(42);
        QCOMPARE(random.next(), float(1608637542u >> 8) / 16777216.0f);  // the standard engine's first value
        // Every order of four entries equally likely: 2,000 of 48,000 each,
        // sd about 44; 250 (over 5 sigma) fails only on a real bias.
        std::map<std::vector<int>, int> seen;
        for (int d = 0; d < 48000; ++d) {
            platform::BoundedArray<Int16, 0, 6> t;
            t[1] = 1, t[2] = 2, t[3] = 3, t[4] = 4;
            platform::shuffleFromOne(t, 4);
            QCOMPARE(int(t[5]), 0);  // beyond n: untouched
            seen[{t[1], t[2], t[3], t[4]}]++;
        }
        QCOMPARE(seen.size(), std::size_t(24));
        for (const auto& [order, count] : seen)
            QVERIFY2(std::abs(count - 2000) < 250, qPrintable(QString::number(count)));
    }

    void regularFiles()
    {
        QFile f(u"a.txt"_s);
        QVERIFY(f.open(QIODevice::WriteOnly) && testing::makeNonRegularFile(u"pipe"_s) &&
                QFile::link(u"a.txt"_s, u"link"_s));
        QVERIFY(platform::regularFileExists(u"a.txt"_s) && platform::regularFileExists(u"link"_s));
        for (const QString& no :
             QStringList{QDir::currentPath(), u"pipe"_s, u"missing"_s, QString(), u"a.txt\0"_s} +
                 testing::devices())
            QVERIFY2(!platform::regularFileExists(no), qPrintable(no));
    }

    // Each character that both Qt's and ICU's copy of the Unicode database
    // know, in the Basic Multilingual Plane and beyond, upper-cases to its
    // simple mapping; and a text keeps its length.
    void upperCaseIsTheSimpleMapping()
    {
#ifndef NETADMIN_HAVE_ICU
        QSKIP("ICU is not built for this platform");
#else
        QStringList wrong;
        int compared = 0;
        for (char32_t c = 0; c <= 0x10ffff; ++c) {
            const auto upper = char32_t(u_toupper(UChar32(c)));
            if (QChar::isSurrogate(c) || u_charType(UChar32(c)) == U_UNASSIGNED ||
                QChar::unicodeVersion(c) == QChar::Unicode_Unassigned ||
                QChar::unicodeVersion(upper) == QChar::Unicode_Unassigned)
                continue;
            ++compared;
            if (platform::UCase(QString::fromUcs4(&c, 1)) != QString::fromUcs4(&upper, 1))
                wrong << QString::number(c, 16);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u' ')));
        QVERIFY2(compared > 250000, qPrintable(QString::number(compared)));
        QCOMPARE(platform::UCase(u"fill \u1fb3\u00df\ufb01\U00010428"_s),
                 u"FILL \u1fbc\u00df\ufb01\U00010400"_s);
#endif
    }

    // A display that cannot be opened ends the program before it starts,
    // with status 2 and one line of its own instead of Qt's abort; --help and
    // --version are answered without one.
    void whatEndsTheProcess_data()
    {
        // mode: what the child does, or (-...) the program's arguments;
        // environment: NAME=VALUE, or NAME= to unset NAME.
        testing::columns<QByteArray, QString, int, QString>("mode", "environment", "status", "output");
        const auto row = [](const char* tag, const char* mode, const QString& environment, int status,
                            const QString& output) {
            QTest::newRow(tag) << QByteArray(mode) << environment << status << output;
        };
        row("overflow", "overflow", {}, 1, u"box|netadmin-quiz|Run-time error '6'://Overflow"_s);
        row("bounds", "bounds", {}, 1, u"box|netadmin-quiz|Run-time error '9'://Subscript out of range"_s);
        row("exit", "exit", {}, 0, u"exec returned|0"_s);
        const QString none = u"QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY= "_s,
                      cannot = u"netadmin-quiz: cannot open "_s;
        if (const QString desktop = testing::unusableDesktop(); !desktop.isEmpty())
            row("stale X display, or a Windows desktop that shows nothing", "exit", none + u"DISPLAY=:987"_s,
                2, cannot + desktop);
        row("X11, no DISPLAY", "exit", none + u"QT_QPA_PLATFORM=xcb"_s, 2,
            cannot + u"a display: neither DISPLAY nor WAYLAND_DISPLAY is set."_s);
        row("Wayland, no compositor (with or without Qt's plugin)", "exit",
            none + u"QT_QPA_PLATFORM=wayland"_s, 2, cannot + u"the Wayland display wayland-0"_s);
        row("no screen", "exit", u"QT_QPA_PLATFORM=linuxfb:fb=/nonexistent"_s, 2,
            cannot + u"a screen through the \"linuxfb\" platform"_s);
        row("--version", "--version", none, 0, u"\\Anetadmin-quiz \\Q" NETADMIN_VERSION "\\E\n\\z"_s);
        row("--help after a Qt option", "-reverse --help", none, 0,
            u"^Usage: netadmin-quiz .*--help.*--version.*-platform"_s);
        row("any other argument is Qt's", "--frobnicate", none + u"QT_QPA_PLATFORM=wayland"_s, 2,
            cannot + u"the Wayland display"_s);
    }
    void whatEndsTheProcess()
    {
        const auto [mode, environment, status, output] =
            testing::fetch<QByteArray, QString, int, QString>("mode", "environment", "status", "output");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"NETADMIN_CHILD"_s, QString::fromLatin1(mode));
        env.insert(u"XDG_RUNTIME_DIR"_s, QDir::currentPath());  // a Wayland client library wants one
        for (const QString& setting : environment.split(u' ', Qt::SkipEmptyParts)) {
            const QString name = setting.section(u'=', 0, 0), value = setting.section(u'=', 1);
            value.isEmpty() ? env.remove(name) : env.insert(name, value);
        }
        child.setProcessEnvironment(env);
        const bool program = mode.startsWith('-');
        const bool answers = program && status == 0;  // on standard output alone
        child.setProcessChannelMode(answers ? QProcess::SeparateChannels : QProcess::MergedChannels);
        child.start(program ? QCoreApplication::applicationDirPath() + u"/" NETADMIN_PROGRAM ""_s
                            : QCoreApplication::applicationFilePath(),
                    program ? QString::fromLatin1(mode).split(u' ') : QStringList());
        QVERIFY(child.waitForFinished(60000));
        // Windows ends a line of text with CR LF.
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput()).replace(u"\r\n"_s, u"\n"_s);
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), status);
        if (answers)
            QVERIFY2(
                out.contains(QRegularExpression(output, QRegularExpression::DotMatchesEverythingOption)) &&
                    child.readAllStandardError().isEmpty(),
                qPrintable(out));
        else if (status == 2)
            QVERIFY2(out.startsWith(output) && out.count(u'\n') == 1, qPrintable(out));
        else
            QVERIFY2(out.contains(output) && (status == 0 || !out.contains(u"after|"_s)), qPrintable(out));
    }
};

int main(int argc, char* argv[])
{
    const auto app = platform::openApplication(argc, argv);  // as the program opens its display
    if (const QByteArray mode = qgetenv("NETADMIN_CHILD"); !mode.isEmpty())
        return std::setvbuf(stdout, nullptr, _IONBF, 0), runChild(mode);
    PlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_platform.moc"
