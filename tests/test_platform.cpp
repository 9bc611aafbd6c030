// The platform layer: checked integers, bounded arrays, the random generator
// and its shuffle, text and file helpers, and the window life cycle.
#include <sys/stat.h>

#include <map>

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

namespace {

// A main window whose one control starts with the text "design".
class ProbeForm : public platform::Form {
public:
    ProbeForm() : text(new QLineEdit(u"design"_qs, this)) { setMainWindow(true); }
    void Form_Load() override { ++loads, onLoad ? onLoad() : void(); }
    void Form_Unload() override { ++unloads, onUnload ? onUnload() : void(); }
    QLineEdit* text;
    static inline int loads = 0, unloads = 0;
    static inline std::function<void()> onLoad, onUnload;
};
class OtherForm : public ProbeForm {};
class CompanionForm : public platform::Form {};  // does not keep the program running

platform::FormRef<ProbeForm> Probe;
platform::FormRef<OtherForm> Other;
platform::FormRef<CompanionForm> Companion;

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::RuntimeError& e) {
        return e.number;
    }
    return 0;
}

}  // namespace

class PlatformTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void init()
    {
        ProgramTestCase::init();
        ProbeForm::loads = ProbeForm::unloads = 0;
        ProbeForm::onLoad = ProbeForm::onUnload = nullptr;
    }

    void int16Arithmetic_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<char>("op");
        QTest::addColumn<int>("expected");  // -1 when the result overflows
        QTest::newRow("max + 0") << 32767 << 0 << '+' << 32767;
        QTest::newRow("max + 1") << 32767 << 1 << '+' << -1;
        QTest::newRow("min - 1") << -32768 << 1 << '-' << -1;
        QTest::newRow("0 - min") << 0 << -32768 << '-' << -1;
        QTest::newRow("-1 * min") << -1 << -32768 << '*' << -1;
        QTest::newRow("181 * 181") << 181 << 181 << '*' << 32761;
        QTest::newRow("182 * 181") << 182 << 181 << '*' << -1;
        QTest::newRow("2 * INT_MAX") << 2 << 2147483647 << '*' << -1;  // no wrap before the check
    }
    void int16Arithmetic()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(char, op);
        QFETCH(int, expected);
        const Int16 x(a);
        const bool fits = b >= -32768 && b <= 32767;
        // Both the Int16 and the mixed int forms take the checked path.
        for (int form = fits ? 0 : 1; form < 2; ++form) {
            int result = 0;
            const int error = errorOf([&] {
                const Int16 r = form == 0 ? (op == '+'   ? x + Int16(b)
                                             : op == '-' ? x - Int16(b)
                                                         : x * Int16(b))
                                          : (op == '+'   ? x + b
                                             : op == '-' ? x - b
                                                         : x * b);
                result = r;
            });
            QCOMPARE(error, expected == -1 ? 6 : 0);
            if (expected != -1)
                QCOMPARE(result, expected);
        }
        Int16 counter = 32767;
        QCOMPARE(errorOf([&] { counter += 1; }), 6);
        QCOMPARE(int(counter), 32767);  // unchanged by the failed step
        QCOMPARE(errorOf([] { Int16 v(40000); }), 6);
    }

    void boundedArrays_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("inside");
        for (int i : {-1, 0, 200, 201, 32767})
            QTest::addRow("%d", i) << i << (i >= 0 && i <= 200);
    }
    void boundedArrays()
    {
        QFETCH(int, index);
        QFETCH(bool, inside);
        platform::BoundedArray<Int16, 0, 200> order;
        const auto& view = order;
        QCOMPARE(errorOf([&] { order[index] = 7; }), inside ? 0 : 9);
        QCOMPARE(errorOf([&] { (void)view[index]; }), inside ? 0 : 9);
        if (inside)
            QCOMPARE(int(view[index]), 7);
        platform::BoundedArray<int, 1, 6> fromOne;
        QCOMPARE(errorOf([&] { fromOne[0] = 1; }) + errorOf([&] { fromOne[7] = 1; }), 18);
    }

    void randomValuesAreFixedBySeedAndBelowOne()
    {
        platform::SeededRandom random(42), same(42), other(43);
        QCOMPARE(random.next(), float(1608637542u >> 8) / 16777216.0f);  // the standard engine's first value
        (void)same.next();
        float lowest = 1, highest = 0, sum = 0;
        bool differs = false;
        for (int i = 0; i < 1'000'000; ++i) {
            const float u = random.next();
            QVERIFY(u >= 0.0f && u < 1.0f);
            lowest = std::min(lowest, u), highest = std::max(highest, u), sum += u;
            QCOMPARE(same.next(), u);
            differs = differs || other.next() != u;
        }
        QVERIFY(differs && lowest < 1e-4f && highest > 0.9999f && std::abs(sum / 1e6f - 0.5f) < 0.002f);
        same.reseed();  // from the clock: off the fixed sequence
        QVERIFY(same.next() != random.next() || same.next() != random.next());
    }

    // Every order of four entries equally likely: 24 orders, 48,000 draws,
    // 2,000 expected each with a standard deviation of about 44; the bound of
    // 250 (over 5 sigma) fails only on a real bias, such as swapping with any
    // position instead of one from i on.
    void shuffleIsUniform()
    {
        std::map<std::vector<int>, int> seen;
        for (int d = 0; d < 48000; ++d) {
            platform::BoundedArray<Int16, 0, 6> t;
            for (int i = 1; i <= 4; ++i)
                t[i] = i;
            platform::shuffleFromOne(t, 4);
            QCOMPARE(int(t[5]), 0);  // beyond n: untouched
            seen[{t[1], t[2], t[3], t[4]}]++;
        }
        QCOMPARE(seen.size(), std::size_t(24));
        for (const auto& [order, count] : seen)
            QVERIFY2(std::abs(count - 2000) < 250, qPrintable(QString::number(count)));
    }

    void trimRemovesSpacesOnly_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("only spaces") << u"    "_qs << QString();
        QTest::newRow("outer spaces") << u"  a b  "_qs << u"a b"_qs;
        QTest::newRow("tab and newline kept") << u"\tx \r\n"_qs << u"\tx \r\n"_qs;
    }
    void trimRemovesSpacesOnly()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(platform::Trim(in), out);
    }

    void regularFiles()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"a.txt"_qs), fifo = dir.filePath(u"pipe"_qs);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(file, dir.filePath(u"link"_qs)));
        QVERIFY(platform::regularFileExists(file));
        QVERIFY(platform::regularFileExists(dir.filePath(u"link"_qs)));  // what it points to
        for (const QString& no : {dir.path(), fifo, dir.filePath(u"missing"_qs), QString(), file + QChar(0)})
            QVERIFY2(!platform::regularFileExists(no), qPrintable(no));
    }

    void loadUnloadAndReload()
    {
        QVERIFY(!Probe.isLoaded());
        Probe->text->setText(u"changed"_qs);  // the first use loads it
        QCOMPARE(Probe->text->text(), u"changed"_qs);
        QCOMPARE(ProbeForm::loads, 1);
        QPointer<ProbeForm> old = Probe.instance();
        Probe.Unload();
        QVERIFY(!Probe.isLoaded() && old && old->isHidden());  // destroyed only later
        testing::ProgramHarness::settle();
        QVERIFY(!old);
        QCOMPARE(Probe->text->text(), u"design"_qs);
        QCOMPARE(ProbeForm::loads, 2);
        Probe->show();
        QVERIFY(!Probe.instance()->close());  // the close box unloads
        Probe.Unload();                       // no longer loaded: nothing happens
        QCOMPARE(ProbeForm::unloads, 2);
    }

    void closeRequestsDuringLoadOrUnloadAreIgnored()
    {
        ProbeForm::onUnload = [] { Probe.Unload(), Other.Unload(); };  // a chain that closes itself
        Probe.get(), Other.get();
        Probe.Unload();
        QCOMPARE(ProbeForm::unloads, 2);  // once each
        QVERIFY(!Probe.isLoaded() && !Other.isLoaded());
        ProbeForm::onLoad = [] { Probe.Unload(); };
        Probe.get();
        QVERIFY(Probe.isLoaded());
        // A handler may go on using its window after unloading it.
        QObject::connect(Probe->text, &QLineEdit::textChanged, Probe.instance(), [] { Probe.Unload(); });
        ProbeForm* self = Probe.instance();
        self->text->setText(u"x"_qs);
        self->text->setText(u"still alive"_qs);
        QVERIFY(!Probe.isLoaded());
    }

    void programEndsWhenNoMainWindowIsShown()
    {
        Probe->show();
        Other->hide();  // loaded but hidden
        Companion->show();
        Probe.Unload();
        QCOMPARE(harness->endCount, 0);  // only once control is back in the event loop
        testing::ProgramHarness::settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!Other.isLoaded() && !Companion.isLoaded());  // unloaded with their handlers
        QCOMPARE(ProbeForm::unloads, 2);
        Probe->show();
        Probe.Unload();
        Other->show();  // one window closed and the next opened in one step
        testing::ProgramHarness::settle();
        QCOMPARE(harness->endCount, 1);
        platform::End();
        QCOMPARE(harness->endCount, 2);
        QCOMPARE(ProbeForm::unloads, 3);  // End runs no unload handler
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
