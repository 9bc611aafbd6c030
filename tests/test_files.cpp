// Clue, diagrams and exhibits with real files in a temporary working
// folder, including files that are missing, strange, damaged or huge.
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include "bank/question_bank.h"
#include "platform/picture.h"
#include "platform/text_file.h"
#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "quiz/theanswer.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

using testing::click;

namespace {

// The samples double as the seed corpus of the fuzz targets.
void saveSeed(const char* kind, const QString& name, const QByteArray& bytes)
{
    const QString dir = QStringLiteral(QT_TESTCASE_BUILDDIR "/fuzz-corpus/") + QLatin1String(kind);
    QDir().mkpath(dir);
    QFile f(dir + u'/' + QString(name).replace(u'/', u'_'));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray encoded(QSize size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(size.width() * 7 % 256, 90, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        qFatal("cannot encode %s", format);
    return bytes;
}

// An icon file holding PNG images of the given sizes.
QByteArray iconWithSizes(const QList<int>& sizes)
{
    QByteArray header = QByteArray::fromHex("00000100") + char(sizes.size()) + char(0), data;
    auto u32 = [&header](int v) {
        for (int b = 0; b < 4; ++b)
            header += char((v >> (8 * b)) & 0xff);
    };
    for (int s : sizes) {
        const QByteArray png = encoded(QSize(s, s), "PNG");
        header += char(s) + QByteArray(1, char(s)) + QByteArray::fromHex("000001002000");
        u32(int(png.size())), u32(6 + 16 * int(sizes.size()) + int(data.size()));
        data += png;
    }
    return header + data;
}

const QByteArray kTinyGif = QByteArray::fromHex(  // 1 x 1, white
    "47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");
const QByteArray kTwoFrameGif = QByteArray::fromHex(  // 1 x 1, a white frame then a black one
    "47494638396101000100800000ffffff0000002c000000000100010000020244010021f904000a0000002c00000000010001"
    "000002024c01003b");
const QByteArray kGifBomb = QByteArray::fromHex(  // declares 30000 x 30000 in a few bytes
    "47494638396130753075800000ffffff0000002c00000000307530750002024401003b");
const QByteArray kBmpBomb =
    QByteArray::fromHex(  // the same as a BMP header with almost no data
        "424d36bbeea00000000036000000280000003075000030750000010018000000000000000000130b0000130b000000000000"
        "00000000") +
    QByteArray(64, '\x7f');

}  // namespace

class FilesTest : public testing::ProgramTestCase {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString previousDir;

    QuestForm& q() { return quest.get(); }
    QSize shownPicture() { return Diagram->ui.Image1->pixmap().size(); }

    // Slot 1 names the given files and clue; the quiz starts on it.
    void startWith(const QStringList& diagrams, const QStringList& exhibits, const QString& clue = {},
                   bool showWhenWrong = false)
    {
        testing::startQuiz({.showWhenWrong = showWhenWrong}, [&] {
            bank::QuestionRecord& r = bank::question_bank[1];
            for (int k = 1; k <= 3; ++k) {
                r.diagram_file[k] = diagrams.value(k - 1);
                r.exhibit_file[k] = exhibits.value(k - 1);
            }
            r.clue_text = clue;
        });
    }

    void verifyMessage(const QString& name, const QString& title, const QString& reason = {})
    {
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QVERIFY2(harness->messages[0].text.contains(u'"' + name + u'"') &&
                     harness->messages[0].text.contains(reason),
                 qPrintable(harness->messages[0].text));
        QCOMPARE(harness->messages[0].title, title);
    }

private slots:
    void init()
    {
        ProgramTestCase::init();
        dir = std::make_unique<QTemporaryDir>();
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
    }
    void cleanup()
    {
        ProgramTestCase::cleanup();
        QDir::setCurrent(previousDir);
        dir.reset();
    }

    void buttonsAndClueFollowTheNames()
    {
        startWith({u"a.png"_qs, u"   "_qs, u"c.png"_qs}, {QString(), u"x.txt"_qs}, u"   "_qs);
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(q().diagrambutton(i)->isHidden(), i == 2);  // only spaces: no file
            QCOMPARE(q().exhibitbutton(i)->isHidden(), i != 2);
        }
        QVERIFY(q().ui.cluebutton->isHidden());
        bank::question_bank[5].clue_text = u"  Think of   layer 2.  "_qs;
        click(q().ui.NextButton);
        click(q().ui.cluebutton);
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QCOMPARE(harness->messages[0].text, bank::question_bank[5].clue_text);  // as stored
        QCOMPARE(harness->messages[0].title, u"Clue"_qs);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");  // empty: a message instead
        const QByteArray jpeg = encoded(QSize(200, 200), "JPEG");
        QTest::newRow("gif") << u"mypic.gif"_qs << kTinyGif << QSize(1, 1);
        QTest::newRow("jpeg") << u"mypic.jpg"_qs << encoded(QSize(40, 30), "JPEG") << QSize(40, 30);
        QTest::newRow("bmp") << u"p.bmp"_qs << encoded(QSize(8, 5), "BMP") << QSize(8, 5);
        QTest::newRow("ico, largest size") << u"p.ico"_qs << iconWithSizes({16, 48, 32}) << QSize(48, 48);
        QTest::newRow("webp") << u"p.webp"_qs << encoded(QSize(12, 6), "WEBP") << QSize(12, 6);
        QTest::newRow("tiff") << u"p.tif"_qs << encoded(QSize(6, 12), "TIFF") << QSize(6, 12);
        QTest::newRow("png named jpg") << u"png.jpg"_qs << encoded(QSize(5, 4), "PNG") << QSize(5, 4);
        QTest::newRow("animated gif: first frame") << u"two.gif"_qs << kTwoFrameGif << QSize(1, 1);
        QTest::newRow("corrupt gif") << u"bad.gif"_qs << QByteArray("GIF89a\x03\x00\x02\x00garbage", 16)
                                     << QSize();
        QTest::newRow("truncated jpeg") << u"half.jpg"_qs << jpeg.left(jpeg.size() / 2) << QSize();
        QTest::newRow("jpeg header only") << u"head.jpg"_qs << jpeg.left(300) << QSize();
        QTest::newRow("not a picture") << u"text.gif"_qs << QByteArray("just some words\n") << QSize();
        QTest::newRow("empty") << u"empty.png"_qs << QByteArray() << QSize();
        QTest::newRow("30000 x 30000 bmp") << u"bomb.bmp"_qs << kBmpBomb << QSize();
        QTest::newRow("30000 x 30000 gif") << u"bomb.gif"_qs << kGifBomb << QSize();
    }
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        saveSeed("picture", name, bytes);
        writeFile(name, bytes);
        writeFile(u"good.png"_qs, encoded(QSize(10, 10), "PNG"));
        startWith({u"good.png"_qs, name}, {});
        click(q().diagrambutton(1));
        click(q().diagrambutton(2));  // the same window, its picture replaced, or left as it was
        QCOMPARE(shownPicture(), size.isEmpty() ? QSize(10, 10) : size);
        QVERIFY(Diagram->isVisible() && Diagram->ui.Image1->hasScaledContents());
        if (size.isEmpty())
            verifyMessage(name, u"Diagram"_qs, name == u"bomb.gif" ? u"30000 x 30000"_qs : QString());
        else
            QVERIFY(harness->messages.empty());
        if (name == u"two.gif")
            QCOMPARE(QColor(Diagram->ui.Image1->pixmap().toImage().pixel(0, 0)), QColor(Qt::white));
        click(Diagram->ui.Command1);  // "Close" hides it
        QVERIFY(Diagram.isLoaded() && !Diagram->isVisible());
    }

    // The files question 4 names come with the program: started in their
    // folder, as the menu entry starts it, its buttons show them.
    void questionFourOpensTheShippedDiagramsAndExhibit()
    {
        QVERIFY(QDir::setCurrent(QStringLiteral(NETADMIN_CONTENT_DIR)));
        testing::startQuiz({.quiz = 4});
        QCOMPARE(int(state::current_slot), 4);
        QVERIFY(q().diagrambutton(3)->isHidden());
        for (int i = 1; i <= 2; ++i) {
            click(q().diagrambutton(i));
            QCOMPARE(shownPicture(), QSize(1122, 658));  // twice the picture's room, kept sharp
            QCOMPARE(Diagram->ui.Image1->accessibleDescription(), state::current_question.diagram_file[i]);
        }
        QCOMPARE(QImageReader(u"mypic.gif"_qs).format(), QByteArray("gif"));  // the format its name says
        QCOMPARE(QImageReader(u"mypic.jpg"_qs).format(), QByteArray("jpeg"));
        click(q().exhibitbutton(1));
        const QString exhibit = Exhibit->ui.Text1->toPlainText();
        for (const char* fact : {"SW1", "SW2", "VLAN 10", "VLAN 20", "native VLAN 1", "H4"})
            QVERIFY2(exhibit.contains(QLatin1String(fact)), fact);
        QVERIFY(harness->messages.empty());
    }

    void namesThatAreNoRegularFileAreIgnored()
    {
        QVERIFY(QDir().mkdir(u"mypic.gif"_qs));
        QCOMPARE(::mkfifo("cool.txt", 0600), 0);
        startWith({u"mypic.gif"_qs, u"missing.png"_qs}, {u"cool.txt"_qs, u"missing.txt"_qs});
        for (int i = 1; i <= 2; ++i)
            click(q().diagrambutton(i)), click(q().exhibitbutton(i));
        QVERIFY(!Diagram.isLoaded() && !Exhibit.isLoaded() && harness->messages.empty());
    }

    void exhibitTexts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("two lines") << QByteArray("first\nsecond\n") << u"first\r\nsecond\r\n"_qs;
        QTest::newRow("no final break") << QByteArray("first\r\nsecond") << u"first\r\nsecond\r\n"_qs;
        QTest::newRow("CR, CR LF and LF") << QByteArray("a\r\nb\rc\nd") << u"a\r\nb\r\nc\r\nd\r\n"_qs;
        QTest::newRow("empty lines kept") << QByteArray("\n\nx\n") << u"\r\n\r\nx\r\n"_qs;
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x86\x92 \xf0\x9f\x98\x80\n")
                               << u"caf\u00e9 \u2192 \U0001F600\r\n"_qs;
        QTest::newRow("latin-1") << QByteArray("caf\xe9 cr\xe8me\n") << u"caf\u00e9 cr\u00e8me\r\n"_qs;
        QTest::newRow("NUL byte") << QByteArray("a\0b\n", 4) << u"a\u2400b\r\n"_qs;
        QTest::newRow("overlong form") << QByteArray("\xc0\x80\n") << u"\u00c0\u0080\r\n"_qs;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80\n") << u"\u00ed\u00a0\u0080\r\n"_qs;
        QTest::newRow("above U+10FFFF")
            << QByteArray("\xf4\x90\x80\x80") << u"\u00f4\u0090\u0080\u0080\r\n"_qs;
        QTest::newRow("cut sequence") << QByteArray("ab\xe2\x82") << u"ab\u00e2\u0082\r\n"_qs;
        QTest::newRow("utf-8 mark") << QByteArray("\xef\xbb\xbfhi\n") << u"hi\r\n"_qs;
    }
    void exhibitTexts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        saveSeed("exhibit", QString::fromLatin1(QTest::currentDataTag()), bytes);
        writeFile(u"cool.txt"_qs, bytes);
        writeFile(u"two.txt"_qs, "two\n");
        QCOMPARE(platform::readTextLines(u"cool.txt"_qs).text, text);
        startWith({}, {u"two.txt"_qs, u"cool.txt"_qs});
        click(q().exhibitbutton(1));
        ExhibitForm* window = Exhibit.instance();
        click(q().exhibitbutton(2));  // the same window, centred
        QCOMPARE(Exhibit.instance(), window);
        QString shown = window->ui.Text1->document()->toRawText();  // what toPlainText() would make spaces
        QCOMPARE(shown.replace(QChar::ParagraphSeparator, u'\n'),
                 QString(text).replace(u"\r\n"_qs, u"\n"_qs));
        QVERIFY(std::abs(window->frameGeometry().center().x() - window->screen()->geometry().center().x()) <=
                1);
        QVERIFY(QTest::qWaitForWindowActive(window));
        click(window->ui.Text1->viewport());
        QCOMPARE(QApplication::focusWidget(), window->ui.Command1);  // the text hands the focus on
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void exhibitsThatCannotBeShown()
    {
        QFile f(u"huge.txt"_qs);  // sparse: large on paper, nothing on disk
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(platform::kMaxTextFileBytes + 1));
        f.close();
        startWith({}, {u"/proc/self/mem"_qs, u"huge.txt"_qs});  // a regular file whose reading fails
        click(q().exhibitbutton(1));
        verifyMessage(u"/proc/self/mem"_qs, u"Exhibit"_qs);
        harness->messages.clear();
        click(q().exhibitbutton(2));
        verifyMessage(u"huge.txt"_qs, u"Exhibit"_qs, u"64 MiB"_qs);
        QVERIFY(!Exhibit.isLoaded());
    }

    void diagramAndExhibitWindowsCloseWithTheQuestion()
    {
        writeFile(u"mypic.gif"_qs, kTinyGif);
        writeFile(u"cool.txt"_qs, "x\n");
        startWith({u"mypic.gif"_qs}, {u"cool.txt"_qs}, {}, true);
        click(q().diagrambutton(1)), click(q().exhibitbutton(1));
        bool closedBeforeTheCheck = false;
        QVERIFY(testing::whileModal(
            u"theanswer"_qs, [this] { click(q().ui.NextButton); },
            [&](QWidget*) {
                closedBeforeTheCheck = !Diagram.isLoaded() && !Exhibit.isLoaded();
                click(theanswer->ui.Closeb);
            }));
        QVERIFY(closedBeforeTheCheck);
        auto openDiagram = [this] {
            state::current_question.diagram_file[1] = u"mypic.gif"_qs;
            q().diagrambutton_Click(1);
            QVERIFY(Diagram->isVisible());
        };
        openDiagram();
        click(q().ui.quitquiz);  // Quit Test leaves it open ...
        QVERIFY(Diagram->isVisible() && Welcome->isVisible());
        click(Welcome->ui.Start_Quiz);  // ... and the next quiz closes it
        click(pick_a_quiz->ui.Command1);
        QVERIFY(!Diagram.isLoaded());
        openDiagram();
        quest.instance()->close();  // the close chain does not reach it, but the program ends
        harness->settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!platform::anyFormLoaded());
    }
};

QTEST_MAIN(FilesTest)
#include "test_files.moc"
