// The platform layer: checked integers, bounded arrays, the fatal error seam,
// the random generator, text and file helpers, and the window life cycle.
#include <sys/stat.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>

#include "platform/bounded_array.h"
#include "platform/checked_int.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/random.h"
#include "platform/text.h"
#include "support/test_support.h"

using platform::Int16;
using platform::RuntimeError;

namespace {

// A window with one control whose design-time text is "design".
class ProbeForm : public platform::Form {
public:
    ProbeForm()
    {
        text = new QLineEdit(QStringLiteral("design"), this);
        text->setObjectName(QStringLiteral("Text1"));
        resize(200, 100);
        setMainWindow(true);
    }
    void Form_Load() override
    {
        ++loads;
        if (onLoad)
            onLoad();
    }
    void Form_Unload() override
    {
        ++unloads;
        if (onUnload)
            onUnload();
    }
    QLineEdit* text;
    static inline int loads = 0;
    static inline int unloads = 0;
    static inline std::function<void()> onLoad;
    static inline std::function<void()> onUnload;
};

class OtherForm : public ProbeForm {};

// A companion window: it does not keep the program running by itself.
class CompanionForm : public platform::Form {};

platform::FormRef<ProbeForm> Probe;
platform::FormRef<OtherForm> Other;
platform::FormRef<CompanionForm> Companion;

int errorNumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number;
    }
    return 0;
}

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ProgramHarness> harness;

private slots:
    void init()
    {
        harness = std::make_unique<testing::ProgramHarness>();
        ProbeForm::loads = ProbeForm::unloads = 0;
        ProbeForm::onLoad = ProbeForm::onUnload = nullptr;
    }
    void cleanup()
    {
        ProbeForm::onLoad = ProbeForm::onUnload = nullptr;
        harness.reset();
    }

    void int16Arithmetic_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<char>("op");
        QTest::addColumn<int>("expected");  // 0 with overflow = true
        QTest::addColumn<bool>("overflow");
        QTest::newRow("max + 0") << 32767 << 0 << '+' << 32767 << false;
        QTest::newRow("max + 1") << 32767 << 1 << '+' << 0 << true;
        QTest::newRow("min - 1") << -32768 << 1 << '-' << 0 << true;
        QTest::newRow("min + 0") << -32768 << 0 << '+' << -32768 << false;
        QTest::newRow("0 - min") << 0 << -32768 << '-' << 0 << true;
        QTest::newRow("-1 * min") << -1 << -32768 << '*' << 0 << true;
        QTest::newRow("181 * 181") << 181 << 181 << '*' << 32761 << false;
        QTest::newRow("182 * 181") << 182 << 181 << '*' << 0 << true;
        QTest::newRow("-182 * 181") << -182 << 181 << '*' << -32942 << true;
        QTest::newRow("256 * -128") << 256 << -128 << '*' << -32768 << false;
    }
    void int16Arithmetic()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(char, op);
        QFETCH(int, expected);
        QFETCH(bool, overflow);
        const Int16 x(a), y(b);
        auto compute = [&] { return op == '+' ? x + y : op == '-' ? x - y : x * y; };
        if (overflow) {
            QCOMPARE(errorNumberOf([&] { (void)compute(); }), 6);
            // The mixed int forms take the same checked path.
            QCOMPARE(errorNumberOf([&] { (void)(op == '+' ? x + b : op == '-' ? x - b : x * b); }), 6);
        } else {
            QCOMPARE(int(compute()), expected);
        }
    }

    void int16ConversionAndCompoundAssignment()
    {
        QCOMPARE(errorNumberOf([] { Int16 v(40000); }), 6);
        QCOMPARE(errorNumberOf([] { Int16 v(-32769); }), 6);
        Int16 counter = 32766;
        counter += 1;
        QCOMPARE(int(counter), 32767);
        QCOMPARE(errorNumberOf([&] { counter += 1; }), 6);
        QCOMPARE(int(counter), 32767);  // unchanged after the failed step
        // A huge int operand does not wrap around before the check.
        QCOMPARE(errorNumberOf([] { (void)(Int16(2) * 2147483647); }), 6);
    }

    void boundedArrayBounds_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("inside");
        QTest::newRow("below") << -1 << false;
        QTest::newRow("lower bound") << 0 << true;
        QTest::newRow("upper bound") << 200 << true;
        QTest::newRow("above") << 201 << false;
        QTest::newRow("far above") << 32767 << false;
    }
    void boundedArrayBounds()
    {
        QFETCH(int, index);
        QFETCH(bool, inside);
        platform::BoundedArray<Int16, 0, 200> order;
        if (inside) {
            order[index] = 7;
            QCOMPARE(int(order[index]), 7);
        } else {
            QCOMPARE(errorNumberOf([&] { order[index] = 7; }), 9);
            const auto& view = order;
            QCOMPARE(errorNumberOf([&] { (void)view[index]; }), 9);
        }
    }

    void boundedArrayWithLowerBoundOne()
    {
        platform::BoundedArray<int, 1, 6> perm;
        QCOMPARE(errorNumberOf([&] { perm[0] = 1; }), 9);
        QCOMPARE(errorNumberOf([&] { perm[7] = 1; }), 9);
        perm[1] = 1;
        perm[6] = 6;
        QCOMPARE(perm[6], 6);
    }

    void randomValuesStayBelowOne()
    {
        platform::SeededRandom random(1);
        float lowest = 1.0f, highest = 0.0f;
        double sum = 0;
        const int n = 1'000'000;
        for (int i = 0; i < n; ++i) {
            const float u = random.next();
            QVERIFY2(u >= 0.0f && u < 1.0f, qPrintable(QString::number(double(u), 'g', 10)));
            lowest = std::min(lowest, u);
            highest = std::max(highest, u);
            sum += u;
        }
        QVERIFY(lowest < 1e-4f);
        QVERIFY(highest > 0.9999f);
        QVERIFY(std::abs(sum / n - 0.5) < 0.002);
    }

    void randomIsReproducibleAndReseedable()
    {
        platform::SeededRandom a(42), b(42), c(43);
        std::vector<float> first, second, other;
        for (int i = 0; i < 20; ++i) {
            first.push_back(a.next());
            second.push_back(b.next());
            other.push_back(c.next());
        }
        QCOMPARE(first, second);
        QVERIFY(first != other);
        // The first value of seed 42 is fixed by the standard engine.
        platform::SeededRandom d(42);
        QCOMPARE(d.next(), float(1608637542u >> 8) / 16777216.0f);
        // Reseeding from the clock leaves the fixed sequence.
        a.reseed();
        std::vector<float> after;
        for (int i = 0; i < 20; ++i)
            after.push_back(a.next());
        QVERIFY(after != std::vector<float>(first.begin(), first.end()));
    }

    void trimRemovesSpacesOnly_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("only spaces") << u"    "_qs << QString();
        QTest::newRow("outer spaces") << u"  a b  "_qs << u"a b"_qs;
        QTest::newRow("tab kept") << u"\tx \t"_qs << u"\tx \t"_qs;
        QTest::newRow("newline kept") << u" x\r\n"_qs << u"x\r\n"_qs;
    }
    void trimRemovesSpacesOnly()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(platform::Trim(in), out);
    }

    void regularFileExistence()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(u"a.txt"_qs);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(platform::regularFileExists(file));
        QVERIFY(!platform::regularFileExists(dir.path()));
        QVERIFY(!platform::regularFileExists(dir.filePath(u"missing"_qs)));
        QVERIFY(!platform::regularFileExists(QString()));
        QVERIFY(!platform::regularFileExists(file + QChar(0) + u"x"_qs));
        const QString fifo = dir.filePath(u"pipe"_qs);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!platform::regularFileExists(fifo));
        // A symbolic link counts as what it points to.
        const QString link = dir.filePath(u"link"_qs);
        QVERIFY(QFile::link(file, link));
        QVERIFY(platform::regularFileExists(link));
    }

    void firstUseLoadsOnce()
    {
        QVERIFY(!Probe.isLoaded());
        QCOMPARE(Probe->text->text(), u"design"_qs);
        QVERIFY(Probe.isLoaded());
        Probe->text->setText(u"changed"_qs);
        QCOMPARE(ProbeForm::loads, 1);
        QCOMPARE(Probe.instance()->text->text(), u"changed"_qs);
    }

    void unloadDestroysAndNextUseReloadsDesignValues()
    {
        Probe->text->setText(u"changed"_qs);
        QPointer<ProbeForm> old = Probe.instance();
        Probe.Unload();
        QVERIFY(!Probe.isLoaded());  // at once
        QCOMPARE(ProbeForm::unloads, 1);
        QVERIFY(old && old->isHidden());  // destroyed only later
        testing::ProgramHarness::settle();
        QVERIFY(!old);
        QCOMPARE(Probe->text->text(), u"design"_qs);
        QCOMPARE(ProbeForm::loads, 2);
    }

    void unloadOfNotLoadedWindowDoesNothing()
    {
        Probe.Unload();
        QCOMPARE(ProbeForm::unloads, 0);
        QVERIFY(!Probe.isLoaded());
    }

    void closeRequestDuringCloseDoesNothing()
    {
        // Each window's unload closes the other: the chain must stop.
        ProbeForm::onUnload = [] {
            Probe.Unload();
            Other.Unload();
        };
        Probe.get();
        Other.get();
        Probe.Unload();
        QCOMPARE(ProbeForm::unloads, 2);  // once each
        QVERIFY(!Probe.isLoaded());
        QVERIFY(!Other.isLoaded());
    }

    void closeRequestDuringLoadIsIgnored()
    {
        ProbeForm::onLoad = [] { Probe.Unload(); };
        Probe.get();
        QVERIFY(Probe.isLoaded());
        QCOMPARE(ProbeForm::unloads, 0);
    }

    void unloadFromInsideOwnHandlerIsSafe()
    {
        Probe.get();
        QObject::connect(Probe->text, &QLineEdit::textChanged, Probe.instance(), [] {
            Probe.Unload();
            // The handler goes on using its window after the unload.
        });
        ProbeForm* self = Probe.instance();
        self->text->setText(u"x"_qs);
        QVERIFY(!Probe.isLoaded());
        self->text->setText(u"still alive"_qs);
        testing::ProgramHarness::settle();
    }

    void closeBoxUnloads()
    {
        Probe->show();
        QVERIFY(Probe.instance()->close() == false);  // the window handles it itself
        QVERIFY(!Probe.isLoaded());
        QCOMPARE(ProbeForm::unloads, 1);
    }

    void programEndsWhenNoWindowIsShown()
    {
        Probe->show();
        Other->hide();  // loaded but hidden
        testing::ProgramHarness::settle();
        QCOMPARE(harness->endCount, 0);
        Probe.Unload();
        QCOMPARE(harness->endCount, 0);  // only once control is back in the event loop
        testing::ProgramHarness::settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!Other.isLoaded());  // the hidden window was unloaded with its handler
        QCOMPARE(ProbeForm::unloads, 2);
    }

    void aShownCompanionWindowDoesNotKeepTheProgram()
    {
        Probe->show();
        Companion->show();
        Probe.Unload();
        testing::ProgramHarness::settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!Companion.isLoaded());
    }

    void closingOneWindowAndOpeningAnotherDoesNotEnd()
    {
        Probe->show();
        Probe.Unload();
        Other->show();
        testing::ProgramHarness::settle();
        QCOMPARE(harness->endCount, 0);
    }

    void endRunsNoUnloadHandler()
    {
        Probe->show();
        platform::End();
        QCOMPARE(harness->endCount, 1);
        QCOMPARE(ProbeForm::unloads, 0);
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
