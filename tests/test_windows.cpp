// The windows as designed: sizes, captions, control geometry, fonts, tab
// order, names for assistive technology, the resizer and the choice button.
#include <QAccessible>
#include <QFontInfo>
#include <QTextStream>

#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "quiz/theanswer.h"
#include "shell/about1.h"
#include "shell/choosetest.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "support/test_support.h"

using testing::click;
using testing::control;
using testing::loadWindow;

namespace {

// Window, then control, left, top, width and height in twips, as designed.
const char* const kLayout = R"(
Welcome  About 8040 5640 975 255  Command1 7800 4680 1095 615  Start_Quiz 5040 4680 2175 615
Welcome  author_name2 2880 3840 2055 285  test_description 120 4080 4695 1845  test_name 240 3360 4575 405
Welcome  Label1 5040 4320 3735 255  Image1 240 120 9165 3150  lblLabels_2 1920 3840 855 255
pick_a_quiz  Command1 5040 1200 2175 495  Frame3 2520 1560 2055 1095  random_answers 120 600 1095 375
pick_a_quiz  random_questions 120 240 1095 375  Frame2 2520 120 2055 1335  answer_when_right 120 840 1335 375
pick_a_quiz  answer_when_wrong 120 480 1095 375  Label1 120 240 1575 375  Frame1 120 120 2295 2775
pick_a_quiz  which_quiz_4 120 2160 1455 375  which_quiz_3 120 1560 1335 375  which_quiz_2 120 960 1335 375
pick_a_quiz  which_quiz_1 120 360 1335 375
quest  quitquiz 720 5640 855 495  cluebutton 720 5160 615 375  the_gauge 8760 1080 495 15
quest  exhibitbutton_3 7440 5160 1095 315  exhibitbutton_2 6240 5160 1095 315  exhibitbutton_1 5040 5160 1095 315
quest  diagrambutton_3 3840 5160 1095 315  diagrambutton_2 2640 5160 1095 315  diagrambutton_1 1440 5160 1095 315
quest  Gauge1 8760 1080 495 1815  NextButton 6720 5520 1815 615  Q1 720 120 7815 1335
quest  abox_6 1680 4560 6900 495  abox_5 1680 3960 6900 495  abox_4 1680 3360 6900 495
quest  abox_3 1680 2760 6900 495  abox_2 1680 2160 6900 495  abox_1 1680 1560 6900 495
quest  QChoice_1 840 1560 735 495  QChoice_2 840 2160 735 495  QChoice_3 840 2760 735 495
quest  QChoice_4 840 3360 735 495  QChoice_5 840 3960 735 495  QChoice_6 840 4560 735 495
quest  Image1 0 0 615 6375  typestuff 2760 2160 4575 375  qid 9120 4680 375 255
quest  question_number 8640 480 615 375  Label4 8760 4440 1095 255  Label3 8640 120 735 255
quest  Label2 8760 3480 735 255  score 8760 3840 615 255  Percent_Right 8880 3000 495 255
quest  Directions 1920 5640 4575 375
theanswer  Text1 240 0 8175 5055  Closeb 6240 5400 1935 375
Diagram  Command1 3360 5160 2055 375  Image1 120 120 8415 4935
Exhibit  Command1 3600 4320 1935 375  Text1 120 120 8535 4095
About1  Text2 120 2520 4335 375  Command1 3240 3000 1215 375  Text1 120 120 4335 2415
choosetest  Command3 3480 1680 1095 615  Command2 360 1320 3015 975  Command1 360 120 3015 975
)";

}  // namespace

class WindowsTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void windowProperties_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("icon");   // the program's own
        QTest::addColumn<bool>("boxes");  // minimize and maximize
        const auto row = [](const char* w, const char* caption, QSize size, bool icon, bool boxes) {
            QTest::newRow(w) << QString::fromLatin1(w) << QString::fromLatin1(caption) << size << icon
                             << boxes;
        };
        row("Welcome", "Network Admin Quiz 1.0", {613, 403}, true, false);
        row("pick_a_quiz", "Start the QUIZ", {494, 197}, true, true);
        row("quest", "Network Admin Quiz", {629, 423}, true, true);
        row("theanswer", "The Answer", {580, 392}, false, true);
        row("Diagram", "Diagram", {582, 373}, false, true);
        row("Exhibit", "Exhibit", {585, 318}, false, true);
        row("About1", "About", {312, 229}, false, false);
        row("choosetest", "Select Testing Database", {312, 213}, false, true);
    }
    void windowProperties()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(bool, icon);
        QFETCH(bool, boxes);
        QWidget* w = loadWindow(window);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), client);
        QCOMPARE(w->windowIcon().cacheKey() != QApplication::windowIcon().cacheKey(), icon);
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), boxes);
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), boxes);
        QCOMPARE(w->minimumSize() == w->maximumSize(), window == u"Welcome");  // its fixed dialog border
    }

    void controlGeometry()
    {
        QTextStream in(kLayout);
        int checked = 0;
        while (!in.atEnd()) {
            QTextStream line(in.readLine().toUtf8());
            QString window, name;
            int l, t, w, h;
            for (line >> window; !line.atEnd() && !window.isEmpty();) {
                line >> name >> l >> t >> w >> h;
                const QRect design(qRound(l / 15.0), qRound(t / 15.0), qRound(w / 15.0), qRound(h / 15.0));
                QCOMPARE(control(loadWindow(window), name)->geometry(), design);
                ++checked;
            }
        }
        QCOMPARE(checked, 68);
    }

    void fontsTextsAndColours()
    {
        const QFont next = quest->ui.NextButton->font();
        QCOMPARE(QFontInfo(next).family(), u"Liberation Sans"_qs);  // metric-compatible stand-ins
        QVERIFY(next.pointSizeF() == 8.25 && next.bold());
        QCOMPARE(quest->ui.question_number->font().pointSizeF(), 13.5);
        QCOMPARE(quest->abox(3)->font().pointSizeF(), 9.75);
        QVERIFY(quest->QChoice(1)->font().pointSizeF() == 12.0 && quest->QChoice(1)->font().bold());
        QCOMPARE(Welcome->ui.test_name->font().pointSizeF(), 18.0);
        QCOMPARE(pick_a_quiz->font().pointSizeF(), 8.25);  // the window default
        QCOMPARE(theanswer->ui.Text1->font().pointSizeF(), 9.0);
        QVERIFY(QFontInfo(theanswer->ui.Text1->font()).fixedPitch() &&
                QFontInfo(About1->ui.Text1->font()).fixedPitch());
        QuestForm& q = quest.get();
        QCOMPARE(q.ui.NextButton->text(), u"&NEXT ->"_qs);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(q.QChoice(i)->text(), QString(QChar(u'A' + i - 1)) + u'>');
        QVERIFY(q.ui.typestuff->isHidden() && q.ui.the_gauge->isHidden());
        QCOMPARE(q.ui.typestuff->text(), u"Please Type Answer in Box Above"_qs);
        QCOMPARE(q.ui.Gauge1->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(q.ui.the_gauge->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(q.ui.Image1->pixmap().size(), QSize(54, 540));
        QCOMPARE(Welcome->ui.Image1->pixmap().size(), QSize(627, 210));
        QCOMPARE(Welcome->palette().color(QPalette::Window), QColor(255, 255, 255));
        QVERIFY(Welcome->ui.test_description->toPlainText().size() > 6000);
        QCOMPARE(Exhibit->ui.Command1->text(), u"close"_qs);
        QCOMPARE(About1->ui.Text2->text(), u"Thanks for Using Our Software!"_qs);
    }

    void tabOrderAndNames()
    {
        QuestForm& q = quest.get();
        q.show();
        QVERIFY(QTest::qWaitForWindowActive(&q));
        q.ui.NextButton->setFocus();
        QSet<QWidget*> visited;
        for (int n = 0; n < 40; ++n) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.insert(QApplication::focusWidget());
        }
        QVERIFY(visited.contains(q.QChoice(1)) && visited.contains(q.ui.quitquiz));
        for (QWidget* never :
             std::initializer_list<QWidget*>{q.abox(1), q.abox(6), q.ui.Q1})  // Q1 hands it on
            QVERIFY(!visited.contains(never));
        for (const QString& name : testing::kWindowNames)
            for (QWidget* c : loadWindow(name)->findChildren<QWidget*>())
                if (c->focusPolicy() != Qt::NoFocus && !c->isWindow())
                    QVERIFY2(!QAccessible::queryAccessibleInterface(c)
                                  ->text(QAccessible::Name)
                                  .trimmed()
                                  .isEmpty(),
                             qPrintable(name + u'.' + c->objectName()));
        QCOMPARE(q.ui.Q1->accessibleName(), u"Question"_qs);
        QCOMPARE(q.abox(2)->accessibleName(), u"Answer B"_qs);
    }

    void resizerKeepsProportions_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::newRow("quest.Q1") << u"quest"_qs << u"Q1"_qs;
        QTest::newRow("quest.QChoice_6") << u"quest"_qs << u"QChoice_6"_qs;
        QTest::newRow("pick_a_quiz.which_quiz_4") << u"pick_a_quiz"_qs << u"which_quiz_4"_qs;
        QTest::newRow("Diagram.Image1") << u"Diagram"_qs << u"Image1"_qs;
        QTest::newRow("theanswer.Closeb, not resized") << u"theanswer"_qs << u"Closeb"_qs;
    }
    void resizerKeepsProportions()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QWidget* w = loadWindow(window);
        QWidget* c = control(w, name);
        w->show();
        const int k = window == u"theanswer" ? 1 : 2;
        const QSize design = w->size();
        const QRect before = c->geometry();
        const qreal font = c->font().pointSizeF();
        w->resize(design * 2);
        QCOMPARE(c->geometry(), QRect(before.topLeft() * k, before.size() * k));
        QCOMPARE(c->font().pointSizeF(), font * k);
        w->resize(design.width() * 3, design.height());  // the font follows the smaller ratio
        QCOMPARE(c->geometry().topLeft(), QPoint(before.x() * (k == 1 ? 1 : 3), before.y()));
        QCOMPARE(c->font().pointSizeF(), font);
        w->resize(design);
        QCOMPARE(c->geometry(), before);
        if (window == u"quest") {  // the gauge's cover, as the check sets it, follows too
            quest->ui.the_gauge->resize(quest->ui.the_gauge->width(), 60);
            w->resize(design * 2);
            QCOMPARE(quest->ui.the_gauge->height(), 120);
        }
    }

    void choiceButtonToggles()
    {
        QuestForm& q = quest.get();
        q.show();
        QVERIFY(QTest::qWaitForWindowActive(&q));
        PictureButton* b = q.QChoice(3);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(b);
        QVERIFY(iface->state().checkable && !iface->state().checked);
        click(b);
        QVERIFY(b->pressed() && iface->state().checked);
        click(b);
        QVERIFY(!b->pressed());
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
        b->hide();  // keeps its state while hidden
        QVERIFY(b->pressed());
        b->setPressed(false);
        QVERIFY(!b->isChecked());
        q.ui.NextButton->setFocus();
        QTest::keyClick(&q, Qt::Key_B, Qt::AltModifier);  // the focus stays on NEXT
        QVERIFY(q.QChoice(2)->pressed() && q.ui.NextButton->hasFocus());
        QTest::keyClick(&q, Qt::Key_C, Qt::AltModifier);  // hidden: nothing to press
        QVERIFY(!b->pressed());
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
