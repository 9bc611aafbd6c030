// Quizzes played through the real windows, from the options to the result;
// the clue, diagrams and exhibits with real files, some strange, damaged or
// huge; and a random user.
#include <algorithm>
#include <chrono>
#include <random>

#include <QAbstractButton>
#include <QAccessible>
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleHints>
#include <QTimer>

#include "bank/question_bank.h"
#include "platform/message_box.h"
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
using testing::pressCorrectChoices;
using testing::putQuestion;
using testing::startQuiz;

namespace {

// The samples double as the seed corpus of the fuzz targets.
void saveSeed(const char* kind, const QString& name, const QByteArray& bytes)
{
    const QString dir = QStringLiteral(QT_TESTCASE_BUILDDIR "/fuzz-corpus/") + QLatin1String(kind);
    QFile f(dir + u'/' + QString(name).replace(u'/', u'_'));
    if (QDir().mkpath(dir) && f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(u"./"_s + name);  // a file on disk, whatever its name
    QDir().mkpath(QFileInfo(f).path());
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

// An icon or cursor file of the given images in that order, each {side, bits}:
// in 32 bits a colour gradient, in 4 bits sixteen greys. A cursor's hot spot
// stands where an icon names the depth: 32 for the 4-bit image, 0 for the other.
QByteArray iconFile(std::initializer_list<std::pair<int, int>> images, bool cursor = false)
{
    QByteArray directory, data;
    QDataStream dir(&directory, QIODevice::WriteOnly), out(&data, QIODevice::WriteOnly);
    dir.setByteOrder(QDataStream::LittleEndian), out.setByteOrder(QDataStream::LittleEndian);
    dir << quint16(0) << quint16(cursor ? 2 : 1) << quint16(images.size());
    for (const auto& [n, bits] : images) {
        const qsizetype begin = data.size();
        out << quint32(40) << qint32(n) << qint32(2 * n) << quint16(1) << quint16(bits) << quint32(0)
            << quint32(0) << qint32(0) << qint32(0) << quint32(bits == 4 ? 16 : 0) << quint32(0);
        for (int i = 0; bits == 4 && i < 16; ++i)
            out << quint8(i * 17) << quint8(i * 17) << quint8(i * 17) << quint8(0);
        for (int y = n - 1; y >= 0; --y)  // bottom up
            for (int x = 0; x < n; x += bits == 4 ? 2 : 1)
                bits == 4 ? out << quint8((x + y) % 16 << 4 | (x + y + 1) % 16)
                          : out << quint8(200) << quint8(4 * y) << quint8(4 * x) << quint8(255);
        for (int k = 0; k < (n + 31) / 32 * 4 * n; ++k)  // the mask: every pixel shown
            out << quint8(0);
        dir << quint8(n) << quint8(n) << quint8(bits == 4 ? 16 : 0) << quint8(0) << quint16(cursor ? 0 : 1)
            << quint16(cursor ? (bits == 4 ? 32 : 0) : bits) << quint32(data.size() - begin)
            << quint32(6 + 16 * images.size() + begin);
    }
    return directory + data;
}

// An explanation longer than the answer window shows.
const QString kLongText = QStringList(80, u"Because."_s).join(u"\r\n"_s);

const QByteArray kTinyGif = QByteArray::fromHex(  // 1 x 1, white
    "47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");
const QByteArray kGifBomb = QByteArray::fromHex(  // declares 30000 x 30000 in a few bytes
    "47494638396130753075800000ffffff0000002c00000000307530750002024401003b");

// The windows shown, in the order of their names, so that a seed replays a run.
std::vector<platform::Form*> shownForms()
{
    std::vector<platform::Form*> forms;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<platform::Form*>(w); form && form->isVisible())
            forms.push_back(form);
    std::sort(forms.begin(), forms.end(), [](auto* a, auto* b) { return a->objectName() < b->objectName(); });
    return forms;
}

bool anyButtonDown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (b->isDown())
                return true;
    return false;
}

}  // namespace

class QuizTest : public testing::ProgramTestCase {
    Q_OBJECT

    std::mt19937 user;  // the random user of randomUser()

    static QuestForm& q() { return quest.get(); }
    static void next() { click(q().ui.NextButton); }
    static QString accessible(QWidget* w, QAccessible::Text what = QAccessible::Description)
    {
        return QAccessible::queryAccessibleInterface(w)->text(what);
    }

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(user); }
    template <class List>
    auto any(const List& among)
    {
        return among.empty() ? nullptr : among[std::size_t(between(0, int(among.size()) - 1))];
    }

    void step()
    {
        platform::Form* form = any(shownForms());
        const int what = form ? between(0, 99) : 100;  // no window: nothing to do
        if (what < 70) {
            QList<QAbstractButton*> buttons = form->findChildren<QAbstractButton*>();
            buttons.removeIf([](QAbstractButton* b) { return !b->isVisible() || !b->isEnabled(); });
            QAbstractButton* b = any(buttons);
            // Users rarely leave: Exit and Quit Test are taken one time in four.
            const bool leaving = b && ((form == Welcome.instance() && b->objectName() == u"Command1") ||
                                       b->objectName() == u"quitquiz");
            if (b && (!leaving || between(0, 3) == 0))
                testing::click(b);
        } else if (what < 80) {
            static const QKeyCombination keys[] = {
                Qt::Key_Tab,         Qt::Key_Space,       Qt::Key_Return,     Qt::Key_Escape,
                Qt::ALT | Qt::Key_A, Qt::ALT | Qt::Key_F, Qt::ALT | Qt::Key_N};
            const QKeyCombination key = keys[between(0, 6)];
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, key.key(),
                            key.keyboardModifiers());
            // An access key animates its button's click: let it land now, for a replay.
            QTRY_VERIFY_WITH_TIMEOUT(!anyButtonDown(), 2000);
        } else if (what < 92) {
            form->resize(between(150, 1400), between(100, 1000));
        } else if (what < 100) {
            form->close();
        }
    }

    void checkInvariants(int at)
    {
        using namespace state;
        const QuestForm* q = quest.instance();
        const auto forms = shownForms();  // exactly one main window is shown, and no modal one
        QVERIFY2(
            number_right >= 0 && number_right <= question_counter && question_counter <= quiz_length + 1 &&
                (!q || !q->isVisible() || question_counter < 2 ||
                 q->ui.score->text() == u"%1/%2"_s.arg(int(number_right)).arg(question_counter - 1)) &&
                std::count_if(forms.begin(), forms.end(), [](auto* f) { return f->isMainWindow(); }) == 1 &&
                !QApplication::activeModalWidget(),
            "after step " + QByteArray::number(at));
    }

    // Slot 1 names the given files and clue; the quiz starts on it.
    void startWith(const QStringList& diagrams, const QStringList& exhibits, const QString& clue = {})
    {
        testing::startQuiz({}, [&] {
            bank::QuestionRecord& r = bank::question_bank[1];
            for (int k = 1; k <= 3; ++k)
                r.diagram_file[k] = diagrams.value(k - 1), r.exhibit_file[k] = exhibits.value(k - 1);
            r.clue_text = clue;
        });
    }

    void verifyMessage(const QString& name, const QString& title, const QString& reason = {})
    {
        const std::vector<testing::ShownMessage> shown = std::exchange(harness->messages, {});
        QVERIFY2(shown.size() == 1 && shown[0].title == title && shown[0].text.contains(u'"' + name + u'"') &&
                     shown[0].text.contains(reason),
                 qPrintable(shown.empty() ? u"no message"_s : shown[0].title + u": "_s + shown[0].text));
    }

private slots:
    // The quiz's slots in order, or each once shuffled, and the answers in bank
    // order or shuffled among the shown ones, each with its flag, and given to
    // a screen reader on its choice button.
    void questionAndAnswerOrder_data()
    {
        testing::columns<int, bool>("first", "shuffled");
        for (int first = 1; first <= 4; ++first)
            QTest::addRow("quiz %d", first) << first << false;
        QTest::newRow("quiz 2, shuffled") << 2 << true;
    }
    void questionAndAnswerOrder()
    {
        const auto [first, shuffled] = testing::fetch<int, bool>("first", "shuffled");
        startQuiz({.quiz = first, .shuffleQuestions = shuffled, .shuffleAnswers = shuffled});
        std::vector<int> order;
        int answersMoved = 0;
        for (int k = 1; k <= 50; ++k, next()) {
            QCOMPARE(q().ui.question_number->text(), QString::number(k));
            order.push_back(q().ui.qid->text().toInt());  // the slot it shows
            const bank::QuestionRecord& r = bank::question_bank[order.back()];
            for (int i = 1, j = 1; i <= 6; ++i, j = 1) {
                while (j < 6 && r.choice_text[j] != state::current_question.choice_text[i])
                    ++j;
                QCOMPARE(state::current_question.choice_correct[i], r.choice_correct[j]);
                QCOMPARE(state::current_question.choice_text[i].isEmpty(), i > bank::countChoices(r));
                QCOMPARE(q().abox(i)->toPlainText(), state::current_question.choice_text[i]);
                QCOMPARE(accessible(q().QChoice(i)), state::current_question.choice_text[i]);
                QCOMPARE(accessible(q().QChoice(i), QAccessible::Name), u"Choice "_s + QChar(u'A' + i - 1));
                answersMoved += i != j && !r.choice_text[j].isEmpty();
            }
        }
        QCOMPARE(std::is_sorted(order.begin(), order.end()) && answersMoved == 0, !shuffled);
        std::sort(order.begin(), order.end());
        for (int k = 0; k < 50; ++k)
            QCOMPARE(order[std::size_t(k)], first + 4 * k);  // each of the quiz's slots once
    }

    // A question of choices is right when exactly the flagged choices are pressed
    // (a flag other than 1 is none, a hidden choice does not count); a typed
    // answer when it is a choice, case and outer spaces aside, all else as stored.
    void answers_data()
    {
        testing::columns<bool, QString, bool>("typing", "input", "right");
        // Choices p to t and one of spaces, q and s correct: the letters pressed in
        // turn, F the hidden sixth; a small letter is Alt and the letter.
        const auto row = [](const char* tag, bool typing, const QString& input, bool right) {
            QTest::newRow(tag) << typing << input << right;
        };
        row("B and D", false, u"BD"_s, true);
        row("B alone", false, u"B"_s, false);
        row("A, B and D", false, u"ABD"_s, false);
        row("D twice and B", false, u"DDB"_s, false);  // a second click releases D
        row("B, D and a hidden one", false, u"BDF"_s, true);
        row("Alt+B, Alt+D, and Alt+F finding no choice", false, u"bdf"_s, true);
        // Typed, \n as Enter and \v as Shift+Enter, against the choices below.
        row("same", true, u"default route"_s, true);
        row("case and outer spaces", true, u"   DEFAULT Route  "_s, true);
        row("inner spacing", true, u"default  route"_s, false);
        row("only spaces", true, u"   "_s, false);
        row("sixth spelling, two lines", true, u"gateway of\nlast resort"_s, true);
        row("a line broken by Shift+Enter", true, u"gateway of\vlast resort"_s, true);
        row("one line for two", true, u"gateway of last resort"_s, false);
        row("third, stored with spaces", true, u"0.0.0.0/0"_s, true);
        row("no-break space after", true, u"default route\u00a0"_s, false);
        row("stored with a no-break space", true, u"NEXT\u00a0HOP"_s, true);
        row("a space for the no-break space", true, u"next hop"_s, false);
        row("upper-cased letter by letter", true, u"STRASSE"_s, false);  // not "straße"
    }
    void answers()
    {
        const auto [typing, input, right] = testing::fetch<bool, QString, bool>("typing", "input", "right");
        startQuiz({}, [&] {
            const QStringList typed{u"default route"_s, QString(),        u"  0.0.0.0/0 "_s,
                                    u"next\u00a0hop"_s, u"stra\u00dfe"_s, u"Gateway of\r\nLast Resort"_s};
            const QStringList choices{u"p"_s, u"q"_s, u"r"_s, u"s"_s, u"t"_s, u"  "_s};
            putQuestion(1, typing ? u"FILL"_s : u"multi_answer"_s, typing ? typed : choices, {0, 1, 0, 1});
            putQuestion(5, u"single_answer"_s, {u"x"_s, u"y"_s}, {1, 2});
        });
        for (int i = 1; i <= 6; ++i) {  // a choice of spaces is blank
            QCOMPARE(q().QChoice(i)->isHidden(), typing || i == 6);
            QCOMPARE(q().abox(i)->isHidden(), typing ? i > 1 : i == 6);
            QCOMPARE(accessible(q().QChoice(i)), typing || i == 6 ? QString() : q().abox(i)->toPlainText());
        }
        QCOMPARE(q().abox(1)->frameShape() != QFrame::NoFrame, typing);
        QCOMPARE(q().ui.typestuff->isHidden(), !typing);
        QCOMPARE(q().ui.Directions->text(), typing ? u" Please Type in the Correct Answer"_s
                                                   : u" Please Select the correct answer(s)"_s);
        QVERIFY(QTest::qWaitForWindowActive(quest.instance()));
        if (typing)
            click(q().abox(1)->viewport());
        for (QChar c : input) {
            if (!typing && c.isLower()) {  // the focus stays on NEXT
                QTest::keyClick(&q(), Qt::Key(c.toUpper().unicode()), Qt::AltModifier);
                QVERIFY(q().ui.NextButton->hasFocus());
            } else if (!typing) {
                c == u'F' ? q().QChoice(6)->setPressed(true) : click(q().QChoice(c.unicode() - u'A' + 1));
            } else if (c == u'\n' || c == u'\v') {
                QTest::keyClick(q().abox(1), Qt::Key_Return, c == u'\v' ? Qt::ShiftModifier : Qt::NoModifier);
            } else {
                QTest::keyClicks(q().abox(1), c);
            }
        }
        QCOMPARE(q().QChoice(6)->pressed(), !typing && input.contains(u'F'));
        next();
        QCOMPARE(q().ui.score->text() + q().ui.Percent_Right->text(), right ? u"1/1100%"_s : u"0/10%"_s);
        QVERIFY(q().abox(1)->frameShape() == QFrame::NoFrame && q().ui.typestuff->isHidden());  // choices
        click(q().QChoice(1)), click(q().QChoice(2)), next();  // the second flag is 2: not a correct one
        QCOMPARE(int(state::verdict), 99);
    }

    void scoreGaugeAndResult()
    {
        startQuiz({});
        const QRect bar = q().ui.Gauge1->geometry();
        pressCorrectChoices(), next();
        QVERIFY(q().ui.the_gauge->isHidden());  // every answer right: no cover
        pressCorrectChoices(), next(), next();
        QCOMPARE(q().ui.score->text() + q().ui.Percent_Right->text(), u"2/366%"_s);
        QCOMPARE(accessible(q().ui.score, QAccessible::Name) + accessible(q().ui.score), u"2/3Score"_s);
        QCOMPARE(accessible(q().ui.Percent_Right, QAccessible::Name) + accessible(q().ui.Percent_Right),
                 u"66%Percent right"_s);
        QVERIFY(!q().ui.the_gauge->isHidden());
        QCOMPARE(q().ui.the_gauge->geometry(),
                 QRect(bar.topLeft(), QSize(bar.width(), int(std::lround(bar.height() / 3.0)))));
        // The quizzes in a row end with these texts; 0.58 * 100 is 57.999... in floating point.
        const QString done = u"You have completed the test\n\n Right/Total  = "_s;
        QCOMPARE(quiz::resultMessage(29, 50),
                 done + u"29/50\nPercent Right = 58%\n\nTake this test until you get 100%"_s);
        QCOMPARE(quiz::resultMessage(50, 50),
                 done + u"50/50\nPercent Right = 100%\n\nCongratulations, try a different test"_s);
    }

    // The answer window gives the verdict, the answer, the question and its
    // choices, the explanation and the note, also on Close for a screen reader,
    // and scrolls by keys while Close keeps the focus. The second click of a
    // double-click on NEXT, landing on Close, is let go; no later click, no key.
    void answerWindow_data()
    {
        testing::columns<bool, bool, QString>("typed", "right", "verdict");
        QTest::newRow("right") << false << true << u"Great Job.\r\nThe answer(s):  A C"_s;
        QTest::newRow("wrong") << false << false << u"Incorrect.\r\nThe correct answer(s):  A C"_s;
        QTest::newRow("typed") << true << false << u"Incorrect.\r\nThe correct answer(s): alpha"_s;
    }
    void answerWindow()
    {
        const auto [typed, right, verdict] = testing::fetch<bool, bool, QString>("typed", "right", "verdict");
        const QString text = verdict + u"\r\n\r\nQuestion of slot 1\r\nsecond line"_s +
                             (typed ? QString() : u"\r\nA.)  alpha\r\nB.)  beta\r\nC.)  gamma"_s) +
                             u"\r\n\r\n"_s + kLongText + u"\r\nnote"_s;
        startQuiz({.showWhenRight = true, .showWhenWrong = true}, [&] {
            putQuestion(1, typed ? u"fill"_s : u"multi_answer"_s, {u"alpha"_s, u"beta"_s, u"gamma"_s},
                        {1, 0, 1});
            bank::question_bank[1].explanation = kLongText, bank::question_bank[1].answer_note = u"note"_s;
        });
        if (right)
            pressCorrectChoices();
        QVERIFY(testing::whileModal(u"theanswer"_s, next, [&](QWidget* window) {
            TheAnswerForm& a = theanswer.get();
            QCOMPARE(a.ui.Text1->toPlainText(), QString(text).replace(u"\r\n"_s, u"\n"_s));
            QCOMPARE(accessible(a.ui.Closeb), QString(text).replace(u"\r\n"_s, u" "_s));
            if (typed) {
                QTest::keyClick(a.ui.Closeb, Qt::Key_Space);
                QVERIFY(!a.isVisible());
                return;
            }
            click(a.ui.Closeb);
            QVERIFY(a.isVisible());
            QVERIFY(QTest::qWaitForWindowActive(window));
            const QScrollBar* bar = a.ui.Text1->verticalScrollBar();
            const int page = bar->pageStep();
            QVERIFY(page > 1 && bar->maximum() > page + 1);
            const std::pair<Qt::Key, int> keys[] = {
                {Qt::Key_Down, 1}, {Qt::Key_PageDown, page + 1}, {Qt::Key_Up, page}, {Qt::Key_PageUp, 0}};
            for (const auto& [key, value] : keys) {
                QTest::keyClick(a.ui.Closeb, key);
                QCOMPARE(bar->value(), value);
            }
            QCOMPARE(QApplication::focusWidget(), a.ui.Closeb);
            QTest::qWait(QApplication::doubleClickInterval());
            click(a.ui.Closeb);
            QVERIFY(!a.isVisible());
        }));
        QVERIFY(!theanswer.isLoaded());
        QCOMPARE(q().ui.score->text(), right ? u"1/1"_s : u"0/1"_s);
    }

    // Quizzes in a row, ended by the last answer or by Quit Test (the rest
    // counts as wrong): the result over the question window, then the welcome
    // window; the third time through the real box, with the options window
    // loaded but hidden, whose close chain meets the loading welcome window's.
    // Each quiz starts afresh, from the options as they come; at last the
    // question window's close box ends the program.
    void quizzesInARow()
    {
        startQuiz({.quiz = 4, .shuffleQuestions = true, .shuffleAnswers = true});
        for (int answered : {50, 10, 3}) {
            bool behind = false;
            harness->onMessage = [&](auto&) { behind = quest->isVisible() && !Welcome.isLoaded(); };
            for (int k = 0; k < answered; ++k)
                pressCorrectChoices(), next();
            if (answered == 3) {
                platform::setMessageBoxHandler(nullptr);
                QVERIFY(testing::whileModal(
                    u"MsgBox"_s, [] { click(q().ui.quitquiz); },
                    [](QWidget* box) {
                        auto* message = qobject_cast<QMessageBox*>(box);
                        QCOMPARE(message->windowTitle() + message->text(),
                                 u"Test Complete!"_s + quiz::resultMessage(3, 50));
                        QCOMPARE(message->textFormat(), Qt::PlainText);
                    }));
            } else {
                if (answered < 50)
                    click(q().ui.quitquiz);
                QVERIFY(behind);
                QCOMPARE(harness->messages.back().text, quiz::resultMessage(answered, 50));
            }
            harness->settle();  // back at the welcome window
            QVERIFY(Welcome->isVisible() && !quest.isLoaded() && !pick_a_quiz.isLoaded() &&
                    !harness->endCount);
            click(Welcome->ui.Start_Quiz);
            PickAQuizForm& p = pick_a_quiz.get();
            QVERIFY(p.which_quiz(1)->isChecked() && p.ui.random_questions->isChecked() &&
                    p.ui.random_answers->isChecked() && p.ui.answer_when_wrong->isChecked() &&
                    !p.ui.answer_when_right->isChecked());
            click(p.which_quiz(2));
            QVERIFY(!p.which_quiz(1)->isChecked());  // exactly one quiz is on
            p.ui.random_questions->setChecked(false), click(p.ui.Command1);
            QVERIFY(state::question_counter == 1 && state::number_right == 0 && state::current_slot == 2);
            QVERIFY(q().ui.score->text().isEmpty() && q().ui.the_gauge->isHidden());
        }
        quest.instance()->close();
        harness->settle();
        QVERIFY(harness->endCount == 1 && !platform::anyFormLoaded());
    }

    // A diagram shows what its file holds, whatever its name, and an exhibit
    // its file's lines, in UTF-8 or else Latin-1, however they end; names are
    // files on disk, even where Qt would read its own resources. A picture that
    // cannot be shown is named in a message, the window keeping its picture. Of
    // an icon's images, the largest, and of those the one in the most colours.
    void files_data()
    {
        testing::columns<QString, QByteArray, QVariant, QRgb>("name", "bytes", "shown", "pixel");
        const auto picture = [](const char* tag, const char* name, const QByteArray& bytes, QSize size,
                                QRgb pixel = 0) {  // no size: a message instead
            QTest::newRow(tag) << name << bytes << QVariant(size) << pixel;
        };
        const QByteArray jpeg = encoded(QSize(200, 200), "JPEG");
        picture("gif", "mypic.gif", kTinyGif, {1, 1});
        picture("jpeg", "mypic.jpg", encoded(QSize(40, 30), "JPEG"), {40, 30});
        picture("png named jpg", "png.jpg", encoded(QSize(5, 4), "PNG"), {5, 4});
        picture("a name beyond ASCII", "\u00dcbersicht \u56fe.gif", kTinyGif, {1, 1});
        picture("corrupt gif", "bad.gif", QByteArray("GIF89a\x03\x00\x02\x00garbage", 16), {});
        picture("truncated jpeg", "half.jpg", jpeg.left(jpeg.size() / 2), {});
        picture("not a picture", "text.gif", "just some words\n", {});
        picture("empty", "empty.png", {}, {});
        picture("30000 x 30000 gif", "bomb.gif", kGifBomb, {});
        picture("a resource's name", ":/images/banner.png", encoded(QSize(5, 4), "PNG"), {5, 4});
        const QRgb full = qRgb(20, 36, 200), grey = qRgb(14 * 17, 14 * 17, 14 * 17);
        picture("icon, 4 bits then 32", "a.ico", iconFile({{64, 4}, {64, 32}}), {64, 64}, full);
        picture("icon, 32 bits then 4", "b.ico", iconFile({{32, 32}, {64, 32}, {64, 4}}), {64, 64}, full);
        picture("icon, the larger in 4 bits", "c.ico", iconFile({{32, 32}, {64, 4}}), {64, 64}, grey);
        picture("cursor", "d.cur", iconFile({{64, 4}, {64, 32}}, true), {64, 64}, full);
        const auto text = [](const char* tag, const QByteArray& bytes, const QString& lines) {
            QTest::newRow(tag) << "cool.txt" << bytes << QVariant(lines) << QRgb();
        };
        text("empty text", {}, {});
        text("CR, CR LF and LF", "a\r\nb\rc\nd", u"a\nb\nc\nd\n"_s);
        text("utf-8", "caf\xc3\xa9 \xe2\x86\x92 \xf0\x9f\x98\x80\n", u"caf\u00e9 \u2192 \U0001F600\n"_s);
        text("latin-1", "caf\xe9 cr\xe8me\n", u"caf\u00e9 cr\u00e8me\n"_s);
        text("NUL byte", QByteArray("a\0b\n", 4), u"a\u2400b\n"_s);
        text("overlong form", "\xc0\x80\n", u"\u00c0\u0080\n"_s);
        text("utf-8 mark", "\xef\xbb\xbfhi\n", u"hi\n"_s);
        text("longer than the box", QByteArray("line\n").repeated(200), u"line\n"_s.repeated(200));
    }
    void files()
    {
        const auto [name, bytes, shown, pixel] =
            testing::fetch<QString, QByteArray, QVariant, QRgb>("name", "bytes", "shown", "pixel");
        const bool diagram = shown.typeId() == QMetaType::QSize;
        saveSeed(diagram ? "picture" : "exhibit", QString::fromLatin1(QTest::currentDataTag()), bytes);
        writeFile(name, bytes);
        writeFile(u":first"_s, diagram ? encoded(QSize(10, 10), "PNG") : "two\n");
        diagram ? startWith({u":first"_s, name}, {}) : startWith({}, {u":first"_s, name});
        const auto button = [&](int i) { return diagram ? q().diagrambutton(i) : q().exhibitbutton(i); };
        const auto window = [&] { return diagram ? Diagram.loaded() : Exhibit.loaded(); };
        click(button(1));
        platform::Form* first = window();
        click(button(2));  // the same window, its content replaced, or left as it was
        QVERIFY(first && window() == first && first->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(first));
        if (diagram) {
            const QSize size = shown.toSize();
            const QPixmap picture = Diagram->ui.Image1->pixmap();
            QCOMPARE(picture.size(), size.isEmpty() ? QSize(10, 10) : size);
            QVERIFY(pixel == 0 || picture.toImage().pixel(5, 9) == pixel);
            if (size.isEmpty())
                verifyMessage(name, u"Diagram"_s, name == u"bomb.gif" ? u"30000 x 30000"_s : QString());
            click(Diagram->ui.Command1);  // "Close" hides it
        } else {
            QCOMPARE(Exhibit->ui.Text1->toPlainText(), shown.toString());
            const QScrollBar* bar = Exhibit->ui.Text1->verticalScrollBar();
            QTest::keyClick(Exhibit->ui.Command1, Qt::Key_PageDown);  // read by keyboard all the same
            QCOMPARE(bar->value(), std::min(bar->maximum(), bar->pageStep()));
            QTest::keyClick(first, Qt::Key_Escape);
        }
        QVERIFY(harness->messages.empty() && !first->isVisible());
        click(button(1)), next();  // NEXT closes it
        QVERIFY(!window());
    }

    // A button for each file name, and one for the clue, that is more than
    // spaces; the clue shown as it is. A name of no regular file is passed over;
    // a file that cannot be read, or a text too large, is named in a message.
    void filesAndClues()
    {
        QFile f(u"huge.txt"_s);  // sparse: large on paper, nothing on disk
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(platform::kMaxTextFileBytes + 1));
        f.close();
        QVERIFY(QDir().mkdir(u"mypic.gif"_s) && testing::makeNonRegularFile(u"cool.txt"_s));
        const testing::UnreadableFile unreadable;
        startWith({u"mypic.gif"_s, u"   "_s}, {unreadable.name, u"huge.txt"_s, u"cool.txt"_s}, u"   "_s);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(q().diagrambutton(i)->isHidden(), i > 1);
        QVERIFY(q().ui.cluebutton->isHidden() && !q().exhibitbutton(3)->isHidden());
        click(q().diagrambutton(1)), click(q().exhibitbutton(3));
        QVERIFY(!Diagram.isLoaded() && !Exhibit.isLoaded() && harness->messages.empty());
        click(q().exhibitbutton(1));  // a regular file whose reading fails
        verifyMessage(unreadable.name, u"Exhibit"_s);
        click(q().exhibitbutton(2));
        verifyMessage(u"huge.txt"_s, u"Exhibit"_s, u"64 MiB"_s);
        QVERIFY(!Exhibit.isLoaded());
        bank::question_bank[5].clue_text = u"  Think of   layer 2.  "_s;
        next(), click(q().ui.cluebutton);
        QCOMPARE(harness->messages.at(0).title + harness->messages.at(0).text,
                 u"Clue  Think of   layer 2.  "_s);
    }

    // A random user, by a seeded generator, presses buttons and keys, resizes
    // and closes windows, answers every answer window; after each step, what a
    // user could see must hold. NETADMIN_SOAK_STEPS (3000), NETADMIN_SOAK_SEED.
    void randomUser()
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count() & 0x7fffffff;
        const unsigned seed = qEnvironmentVariable("NETADMIN_SOAK_SEED", QString::number(now)).toUInt();
        const int steps = qEnvironmentVariable("NETADMIN_SOAK_STEPS", u"3000"_s).toInt();
        qInfo("soak seed: %u, steps: %d (replay with NETADMIN_SOAK_SEED=%u)", seed, steps, seed);
        user.seed(seed);
        harness.reset();
        harness = std::make_unique<testing::ProgramHarness>(seed);
        writeFile(u"mypic.gif"_s, kTinyGif);  // question 4's files: a picture, a damaged one, an exhibit
        writeFile(u"mypic.jpg"_s, "\xff\xd8\xff\xe0");
        writeFile(u"cool.txt"_s, "line 1\r\nline 2\n");
        int starts = 0;
        bool ended = true;
        platform::setEndHandler([&ended](int) { ended = true; });
        // A generator of its own answers the answer window, however long it takes.
        std::mt19937 answering(seed + 1);
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, this, [&answering] {
            if (TheAnswerForm* a = theanswer.instance(); a && a->isVisible())
                answering() % 2 ? testing::click(a->ui.Closeb) : void(a->close());
        });
        answerer.start(2);
        // A machine's click on Close at once is no double-click on NEXT: let it close.
        const int doubleClick = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
        for (int i = 0; i < steps && !QTest::currentTestFailed(); ++i) {
            if (ended) {  // the process would be gone: start it again
                platform::destroyAllForms();
                ended = false, ++starts;
                shell::Main();
            }
            step();
            testing::ProgramHarness::settle();
            if (!ended)
                checkInvariants(i);
        }
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(doubleClick);
        qInfo("soak: %d steps, %d program starts, %zu messages", steps, starts, harness->messages.size());
    }
};

QTEST_MAIN(QuizTest)
#include "test_quiz.moc"
