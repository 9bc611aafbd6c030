// Clue, diagrams and exhibits with real files in a temporary working
// directory, including files that are missing, strange or damaged.
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>

#include "bank/question_bank.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "platform/text_file.h"
#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "quiz/theanswer.h"
#include "shell/module1.h"
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
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        qFatal("cannot encode %s", format);
    return bytes;
}

// A 1 x 1 GIF, and one whose two frames follow a first of 3 x 2 pixels.
const QByteArray kTinyGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");

// Two 1 x 1 frames, white then black (colour 0 is white, 1 black).
const QByteArray kTwoFrameGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff000000"  // header, screen, colours
    "2c00000000010001000002024401"            // frame 1: colour 0
    "0021f904000a000000"                      // end of frame 1, a delay
    "2c00000000010001000002024c0100"          // frame 2: colour 1
    "3b");

// A GIF that declares a 30000 x 30000 picture in a few bytes.
const QByteArray kGifBomb = QByteArray::fromHex(
    "47494638396130753075800000ffffff000000"
    "2c00000000307530750002024401003b");

// An icon file holding the given sizes, each a PNG image.
QByteArray iconWithSizes(const QList<int>& sizes)
{
    QByteArray header, data;
    header += QByteArray::fromHex("00000100");
    header += char(sizes.size());
    header += char(0);
    int offset = 6 + 16 * int(sizes.size());
    for (int s : sizes) {
        const QByteArray png = encoded(QSize(s, s), "PNG");
        header += char(s % 256);
        header += char(s % 256);
        header += QByteArray::fromHex("0000010020");
        header += char(0);
        for (int v : {int(png.size()), offset})
            for (int b = 0; b < 4; ++b)
                header += char((v >> (8 * b)) & 0xff);
        data += png;
        offset += int(png.size());
    }
    return header + data;
}

// A BMP header that declares a 30000 x 30000 picture, with almost no data.
QByteArray bmpBomb()
{
    QByteArray b = QByteArray::fromHex("424d");
    auto u32 = [&b](quint32 v) {
        for (int i = 0; i < 4; ++i)
            b += char((v >> (8 * i)) & 0xff);
    };
    auto u16 = [&b](quint16 v) {
        b += char(v & 0xff);
        b += char(v >> 8);
    };
    u32(2700000054u);  // file size as declared
    u32(0);
    u32(54);
    u32(40);
    u32(30000);
    u32(30000);
    u16(1);
    u16(24);
    u32(0);
    u32(0);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    return b + QByteArray(64, '\x7f');
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ProgramHarness> harness;
    std::unique_ptr<QTemporaryDir> dir;
    QString previousDir;

    QuestForm& q() { return quest.get(); }

    // Slot 1 names the given files and clue; the quiz starts on it.
    void startWith(const QStringList& diagrams, const QStringList& exhibits, const QString& clue = {},
                   bool showWhenWrong = false)
    {
        shell::Main();
        bank::QuestionRecord& r = bank::question_bank[1];
        for (int k = 1; k <= 3; ++k) {
            r.diagram_file[k] = k <= diagrams.size() ? diagrams[k - 1] : QString();
            r.exhibit_file[k] = k <= exhibits.size() ? exhibits[k - 1] : QString();
        }
        r.clue_text = clue;
        click(Welcome->ui.Start_Quiz);
        PickAQuizForm& p = pick_a_quiz.get();
        p.ui.random_questions->setChecked(false);
        p.ui.random_answers->setChecked(false);
        p.ui.answer_when_wrong->setChecked(showWhenWrong);
        click(p.ui.Command1);
        QCOMPARE(int(state::current_slot), 1);
    }

    QSize shownPictureSize() { return Diagram->ui.Image1->pixmap().size(); }

private slots:
    void init()
    {
        harness = std::make_unique<testing::ProgramHarness>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
    }
    void cleanup()
    {
        QVERIFY(!QApplication::activeModalWidget());
        harness.reset();
        QDir::setCurrent(previousDir);
        dir.reset();
    }

    void buttonsFollowTheNames()
    {
        startWith({u"a.png"_qs, u"   "_qs, u"c.png"_qs}, {QString(), u"x.txt"_qs}, u"   "_qs);
        QVERIFY(!q().diagrambutton(1)->isHidden());
        QVERIFY(q().diagrambutton(2)->isHidden());  // only spaces: absent
        QVERIFY(!q().diagrambutton(3)->isHidden());
        QVERIFY(q().exhibitbutton(1)->isHidden());
        QVERIFY(!q().exhibitbutton(2)->isHidden());
        QVERIFY(q().exhibitbutton(3)->isHidden());
        QVERIFY(q().ui.cluebutton->isHidden());
    }

    void clueIsShownAsStored()
    {
        const QString clue = u"  Think of   layer 2.  "_qs;
        startWith({}, {}, clue);
        QVERIFY(!q().ui.cluebutton->isHidden());
        click(q().ui.cluebutton);
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QCOMPARE(harness->messages[0].text, clue);
        QCOMPARE(harness->messages[0].title, u"Clue"_qs);
    }

    void picturesInSeveralFormats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::newRow("gif") << u"mypic.gif"_qs << kTinyGif << QSize(1, 1);
        QTest::newRow("jpeg") << u"mypic.jpg"_qs << encoded(QSize(40, 30), "JPEG") << QSize(40, 30);
        QTest::newRow("png") << u"p.png"_qs << encoded(QSize(17, 9), "PNG") << QSize(17, 9);
        QTest::newRow("bmp") << u"p.bmp"_qs << encoded(QSize(8, 5), "BMP") << QSize(8, 5);
        QTest::newRow("ico, largest size") << u"p.ico"_qs << iconWithSizes({16, 48, 32}) << QSize(48, 48);
        QTest::newRow("webp") << u"p.webp"_qs << encoded(QSize(12, 6), "WEBP") << QSize(12, 6);
        QTest::newRow("tiff") << u"p.tif"_qs << encoded(QSize(6, 12), "TIFF") << QSize(6, 12);
        QTest::newRow("wrong extension")
            << u"really_png.jpg"_qs << encoded(QSize(5, 4), "PNG") << QSize(5, 4);
    }
    void picturesInSeveralFormats()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        saveSeed("picture", name, bytes);
        writeFile(name, bytes);
        startWith({name}, {});
        click(q().diagrambutton(1));
        QVERIFY(harness->messages.empty());
        QVERIFY(Diagram.isLoaded() && Diagram->isVisible());
        QCOMPARE(shownPictureSize(), size);
        QVERIFY(Diagram->ui.Image1->hasScaledContents());
    }

    // The files question 4 names come with the program: started in their
    // folder, as the menu entry starts it, its buttons show them.
    void questionFourOpensTheShippedDiagramsAndExhibit()
    {
        QVERIFY(QDir::setCurrent(QStringLiteral(NETADMIN_CONTENT_DIR)));
        shell::Main();
        click(Welcome->ui.Start_Quiz);
        PickAQuizForm& p = pick_a_quiz.get();
        click(p.which_quiz(4));
        p.ui.random_questions->setChecked(false);
        click(p.ui.Command1);
        QCOMPARE(int(state::current_slot), 4);
        QVERIFY(q().diagrambutton(3)->isHidden());
        for (int i = 1; i <= 2; ++i) {
            click(q().diagrambutton(i));
            QVERIFY(Diagram.isLoaded() && Diagram->isVisible());
            QCOMPARE(shownPictureSize(), QSize(1122, 658));  // twice the picture's room, kept sharp
            QCOMPARE(Diagram->ui.Image1->accessibleDescription(), state::current_question.diagram_file[i]);
        }
        // Each is the format its name says, not merely something Qt can read.
        for (const auto& [name, format] : {std::pair{"mypic.gif", "gif"}, std::pair{"mypic.jpg", "jpeg"}})
            QCOMPARE(QImageReader(QString::fromLatin1(name)).format(), QByteArray(format));
        click(q().exhibitbutton(1));
        QVERIFY(Exhibit.isLoaded() && Exhibit->isVisible());
        const QString exhibit = Exhibit->ui.Text1->toPlainText();
        for (const char* fact : {"SW1", "SW2", "VLAN 10", "VLAN 20", "native VLAN 1", "H4"})
            QVERIFY2(exhibit.contains(QLatin1String(fact)), fact);
        QCOMPARE(harness->messages.size(), std::size_t(0));  // no picture or text refused
    }

    void animatedGifShowsItsFirstFrame()
    {
        writeFile(u"two.gif"_qs, kTwoFrameGif);
        const platform::PictureResult r = platform::loadPicture(u"two.gif"_qs);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.image.size(), QSize(1, 1));
        QCOMPARE(QColor(r.image.pixel(0, 0)), QColor(Qt::white));
    }

    void secondDiagramReplacesTheFirstInTheSameWindow()
    {
        writeFile(u"mypic.gif"_qs, kTinyGif);
        writeFile(u"mypic.jpg"_qs, encoded(QSize(64, 32), "JPEG"));
        startWith({u"mypic.gif"_qs, u"mypic.jpg"_qs}, {});
        QVERIFY(q().diagrambutton(3)->isHidden());
        click(q().diagrambutton(1));
        DiagramForm* window = Diagram.instance();
        QCOMPARE(shownPictureSize(), QSize(1, 1));
        click(q().diagrambutton(2));
        QCOMPARE(Diagram.instance(), window);
        QCOMPARE(shownPictureSize(), QSize(64, 32));
        click(Diagram->ui.Command1);  // "Close" hides it
        QVERIFY(Diagram.isLoaded() && !Diagram->isVisible());
        click(q().diagrambutton(1));
        QVERIFY(Diagram->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(Diagram.instance()));
        QTest::keyClick(Diagram.instance(), Qt::Key_Escape);
        QVERIFY(!Diagram->isVisible());
    }

    void namesThatAreNoRegularFileAreIgnored_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << u"missing"_qs;
        QTest::newRow("folder") << u"folder"_qs;
        QTest::newRow("named pipe") << u"pipe"_qs;
    }
    void namesThatAreNoRegularFileAreIgnored()
    {
        QFETCH(QString, kind);
        if (kind == u"folder") {
            QVERIFY(QDir().mkdir(u"mypic.gif"_qs));
            QVERIFY(QDir().mkdir(u"cool.txt"_qs));
        } else if (kind == u"pipe") {
            QCOMPARE(::mkfifo("mypic.gif", 0600), 0);
            QCOMPARE(::mkfifo("cool.txt", 0600), 0);
        }
        startWith({u"mypic.gif"_qs}, {u"cool.txt"_qs});
        QVERIFY(!q().diagrambutton(1)->isHidden());
        click(q().diagrambutton(1));
        click(q().exhibitbutton(1));
        QVERIFY(!Diagram.isLoaded());
        QVERIFY(!Exhibit.isLoaded());
        QVERIFY(harness->messages.empty());
    }

    void damagedPicturesGiveAMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = encoded(QSize(200, 200), "JPEG");
        QTest::newRow("corrupt gif") << u"bad.gif"_qs << QByteArray("GIF89a\x03\x00\x02\x00garbage", 16);
        QTest::newRow("truncated jpeg") << u"half.jpg"_qs << jpeg.left(jpeg.size() / 2);
        QTest::newRow("jpeg header only") << u"head.jpg"_qs << jpeg.left(300);
        QTest::newRow("not a picture") << u"text.gif"_qs << QByteArray("just some words\n");
        QTest::newRow("empty") << u"empty.png"_qs << QByteArray();
        QTest::newRow("30000 x 30000 bmp") << u"bomb.bmp"_qs << bmpBomb();
        QTest::newRow("30000 x 30000 gif") << u"bomb.gif"_qs << kGifBomb;
    }
    void damagedPicturesGiveAMessage()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        saveSeed("picture", name, bytes);
        writeFile(name, bytes);
        writeFile(u"good.png"_qs, encoded(QSize(10, 10), "PNG"));
        startWith({u"good.png"_qs, name}, {});
        click(q().diagrambutton(1));
        QCOMPARE(shownPictureSize(), QSize(10, 10));
        click(q().diagrambutton(2));
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QVERIFY(harness->messages[0].text.contains(u'"' + name + u'"'));
        QCOMPARE(harness->messages[0].title, u"Diagram"_qs);
        QCOMPARE(shownPictureSize(), QSize(10, 10));  // the window as it was
        QVERIFY(quest->isVisible());
    }

    void picturesDeclaringHugeSizesAreRefusedBeforeDecoding()
    {
        writeFile(u"bomb.gif"_qs, kGifBomb);
        const platform::PictureResult r = platform::loadPicture(u"bomb.gif"_qs);
        QVERIFY(r.image.isNull());
        QVERIFY2(r.error.contains(u"30000 x 30000"_qs), qPrintable(r.error));
    }

    void exhibitTexts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("two lines") << QByteArray("first\nsecond\n") << u"first\r\nsecond\r\n"_qs;
        QTest::newRow("no final break") << QByteArray("first\r\nsecond") << u"first\r\nsecond\r\n"_qs;
        QTest::newRow("CR only") << QByteArray("a\rb\r") << u"a\r\nb\r\n"_qs;
        QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << u"a\r\nb\r\nc\r\nd\r\n"_qs;
        QTest::newRow("empty lines kept") << QByteArray("\n\nx\n") << u"\r\n\r\nx\r\n"_qs;
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x86\x92 ok\n")
                               << u"caf\u00e9 \u2192 ok\r\n"_qs;
        QTest::newRow("latin-1") << QByteArray("caf\xe9 cr\xe8me\n") << u"caf\u00e9 cr\u00e8me\r\n"_qs;
        QTest::newRow("NUL byte") << QByteArray("a\0b\n", 4) << u"a\u2400b\r\n"_qs;
        QTest::newRow("utf-8, four bytes") << QByteArray("\xf0\x9f\x98\x80\n") << u"\U0001F600\r\n"_qs;
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
        const platform::TextFileResult r = platform::readTextLines(u"cool.txt"_qs);
        QVERIFY(r.error.isEmpty());
        QCOMPARE(r.text, text);
        startWith({}, {u"cool.txt"_qs});
        click(q().exhibitbutton(1));
        QVERIFY(Exhibit.isLoaded() && Exhibit->isVisible());
        // The raw text keeps what toPlainText() would turn into spaces.
        QString shown = Exhibit->ui.Text1->document()->toRawText();
        shown.replace(QChar::ParagraphSeparator, u'\n');
        QCOMPARE(shown, QString(text).replace(u"\r\n"_qs, u"\n"_qs));
    }

    void exhibitWindowIsSharedAndCentred()
    {
        writeFile(u"one.txt"_qs, "one\n");
        writeFile(u"two.txt"_qs, "two\n");
        startWith({}, {u"one.txt"_qs, u"two.txt"_qs});
        click(q().exhibitbutton(1));
        ExhibitForm* window = Exhibit.instance();
        click(q().exhibitbutton(2));
        QCOMPARE(Exhibit.instance(), window);
        QCOMPARE(window->ui.Text1->toPlainText(), u"two\n"_qs);
        const QRect screen = window->screen()->geometry();
        QVERIFY(std::abs(window->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(QTest::qWaitForWindowActive(window));
        click(window->ui.Text1->viewport());
        QCOMPARE(QApplication::focusWidget(), window->ui.Command1);
        click(window->ui.Command1);
        QVERIFY(!window->isVisible());
    }

    void longExhibit()
    {
        QByteArray bytes;
        for (int i = 0; i < 100000; ++i)
            bytes += "line " + QByteArray::number(i) + '\n';
        writeFile(u"long.txt"_qs, bytes);
        startWith({}, {u"long.txt"_qs});
        click(q().exhibitbutton(1));
        QCOMPARE(Exhibit->ui.Text1->blockCount(), 100001);  // the last break opens an empty line
        QVERIFY(Exhibit->ui.Text1->toPlainText().startsWith(u"line 0\nline 1\n"_qs));
    }

    void unreadableExhibitsGiveAMessage()
    {
        // A regular file whose reading fails with an I/O error.
        startWith({}, {u"/proc/self/mem"_qs});
        click(q().exhibitbutton(1));
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QVERIFY(harness->messages[0].text.contains(u"\"/proc/self/mem\""_qs));
        QCOMPARE(harness->messages[0].title, u"Exhibit"_qs);
        QVERIFY(!Exhibit.isLoaded());
    }

    void unreadablePermissions()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop the superuser; the I/O error case covers unreadable files");
        writeFile(u"locked.txt"_qs, "secret\n");
        QVERIFY(QFile::setPermissions(u"locked.txt"_qs, QFileDevice::Permissions()));
        const platform::TextFileResult r = platform::readTextLines(u"locked.txt"_qs);
        QVERIFY(!r.error.isEmpty());
    }

    void oversizedExhibitIsRefused()
    {
        // A sparse file: large on paper, nothing on disk.
        QFile f(u"huge.txt"_qs);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(platform::kMaxTextFileBytes + 1));
        f.close();
        startWith({}, {u"huge.txt"_qs});
        click(q().exhibitbutton(1));
        QCOMPARE(harness->messages.size(), std::size_t(1));
        QVERIFY(harness->messages[0].text.contains(u"64 MiB"_qs));
        QVERIFY(!Exhibit.isLoaded());
    }

    void nextClosesDiagramAndExhibitBeforeTheCheck()
    {
        writeFile(u"mypic.gif"_qs, kTinyGif);
        writeFile(u"cool.txt"_qs, "x\n");
        startWith({u"mypic.gif"_qs}, {u"cool.txt"_qs}, {}, true);
        click(q().diagrambutton(1));
        click(q().exhibitbutton(1));
        QVERIFY(Diagram->isVisible() && Exhibit->isVisible());
        bool closedDuringCheck = false;
        QVERIFY(testing::whileModal(
            u"theanswer"_qs, [this] { click(q().ui.NextButton); },
            [&](QWidget*) {
                closedDuringCheck = !Diagram.isLoaded() && !Exhibit.isLoaded();
                click(theanswer->ui.Closeb);
            }));
        QVERIFY(closedDuringCheck);
    }

    void closingTheQuestionWindowWithADiagramOpenEndsTheProgram()
    {
        writeFile(u"mypic.gif"_qs, kTinyGif);
        startWith({u"mypic.gif"_qs}, {});
        click(q().diagrambutton(1));
        quest.instance()->close();
        QVERIFY(Diagram.isLoaded());  // the close chain does not reach it
        harness->settle();
        QCOMPARE(harness->endCount, 1);
        QVERIFY(!platform::anyFormLoaded());
    }

    void quitLeavesThemOpenAndANewQuizClosesThem()
    {
        writeFile(u"mypic.gif"_qs, kTinyGif);
        startWith({u"mypic.gif"_qs}, {});
        click(q().diagrambutton(1));
        click(q().ui.quitquiz);
        QVERIFY(Diagram.isLoaded() && Diagram->isVisible());
        QVERIFY(Welcome->isVisible());
        click(Welcome->ui.Start_Quiz);
        click(pick_a_quiz->ui.Command1);
        QVERIFY(!Diagram.isLoaded());
    }
};

QTEST_MAIN(FilesTest)
#include "test_files.moc"
