// The windows as designed: sizes, captions, control geometry, fonts, tab
// order, the resizer and the two-state choice button.
#include <QAccessible>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
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

// Window, control, left, top, width, height: the design in twips.
const char* const kLayout = R"(
    Welcome About 8040 5640 975 255
    Welcome Command1 7800 4680 1095 615
    Welcome Start_Quiz 5040 4680 2175 615
    Welcome author_name2 2880 3840 2055 285
    Welcome test_description 120 4080 4695 1845
    Welcome test_name 240 3360 4575 405
    Welcome Label1 5040 4320 3735 255
    Welcome Image1 240 120 9165 3150
    Welcome lblLabels_2 1920 3840 855 255
    pick_a_quiz Command1 5040 1200 2175 495
    pick_a_quiz Frame3 2520 1560 2055 1095
    pick_a_quiz random_answers 120 600 1095 375
    pick_a_quiz random_questions 120 240 1095 375
    pick_a_quiz Frame2 2520 120 2055 1335
    pick_a_quiz answer_when_right 120 840 1335 375
    pick_a_quiz answer_when_wrong 120 480 1095 375
    pick_a_quiz Label1 120 240 1575 375
    pick_a_quiz Frame1 120 120 2295 2775
    pick_a_quiz which_quiz_4 120 2160 1455 375
    pick_a_quiz which_quiz_3 120 1560 1335 375
    pick_a_quiz which_quiz_2 120 960 1335 375
    pick_a_quiz which_quiz_1 120 360 1335 375
    quest quitquiz 720 5640 855 495
    quest cluebutton 720 5160 615 375
    quest the_gauge 8760 1080 495 15
    quest exhibitbutton_3 7440 5160 1095 315
    quest exhibitbutton_2 6240 5160 1095 315
    quest exhibitbutton_1 5040 5160 1095 315
    quest diagrambutton_3 3840 5160 1095 315
    quest diagrambutton_2 2640 5160 1095 315
    quest diagrambutton_1 1440 5160 1095 315
    quest Gauge1 8760 1080 495 1815
    quest NextButton 6720 5520 1815 615
    quest abox_6 1680 4560 6900 495
    quest abox_5 1680 3960 6900 495
    quest abox_4 1680 3360 6900 495
    quest abox_3 1680 2760 6900 495
    quest abox_2 1680 2160 6900 495
    quest abox_1 1680 1560 6900 495
    quest Q1 720 120 7815 1335
    quest QChoice_1 840 1560 735 495
    quest QChoice_2 840 2160 735 495
    quest QChoice_3 840 2760 735 495
    quest QChoice_4 840 3360 735 495
    quest QChoice_5 840 3960 735 495
    quest QChoice_6 840 4560 735 495
    quest Image1 0 0 615 6375
    quest typestuff 2760 2160 4575 375
    quest qid 9120 4680 375 255
    quest question_number 8640 480 615 375
    quest Label4 8760 4440 1095 255
    quest Label3 8640 120 735 255
    quest Label2 8760 3480 735 255
    quest score 8760 3840 615 255
    quest Percent_Right 8880 3000 495 255
    quest Directions 1920 5640 4575 375
    theanswer Text1 240 0 8175 5055
    theanswer Closeb 6240 5400 1935 375
    Diagram Command1 3360 5160 2055 375
    Diagram Image1 120 120 8415 4935
    Exhibit Command1 3600 4320 1935 375
    Exhibit Text1 120 120 8535 4095
    About1 Text2 120 2520 4335 375
    About1 Command1 3240 3000 1215 375
    About1 Text1 120 120 4335 2415
    choosetest Command3 3480 1680 1095 615
    choosetest Command2 360 1320 3015 975
    choosetest Command1 360 120 3015 975
)";

int px(int twips)
{
    return qRound(twips / 15.0);
}

}  // namespace

class WindowsTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void windowProperties_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<bool>("minMax");
        QTest::newRow("Welcome") << u"Welcome"_qs << u"Network Admin Quiz 1.0"_qs << QSize(613, 403) << true
                                 << false;
        QTest::newRow("pick_a_quiz") << u"pick_a_quiz"_qs << u"Start the QUIZ"_qs << QSize(494, 197) << true
                                     << true;
        QTest::newRow("quest") << u"quest"_qs << u"Network Admin Quiz"_qs << QSize(629, 423) << true << true;
        QTest::newRow("theanswer") << u"theanswer"_qs << u"The Answer"_qs << QSize(580, 392) << false << true;
        QTest::newRow("Diagram") << u"Diagram"_qs << u"Diagram"_qs << QSize(582, 373) << false << true;
        QTest::newRow("Exhibit") << u"Exhibit"_qs << u"Exhibit"_qs << QSize(585, 318) << false << true;
        QTest::newRow("About1") << u"About1"_qs << u"About"_qs << QSize(312, 229) << false << false;
        QTest::newRow("choosetest") << u"choosetest"_qs << u"Select Testing Database"_qs << QSize(312, 213)
                                    << false << true;
    }
    void windowProperties()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(bool, icon);
        QFETCH(bool, minMax);
        QWidget* w = loadWindow(window);
        QCOMPARE(w->objectName(), window);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), client);
        QCOMPARE(
            !w->windowIcon().isNull() && w->windowIcon().cacheKey() != QApplication::windowIcon().cacheKey(),
            icon);
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), minMax);
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), minMax);
    }

    void welcomeIsAFixedWhiteDialog()
    {
        WelcomeForm& w = Welcome.get();
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.palette().color(QPalette::Window), QColor(255, 255, 255));
        QVERIFY(w.autoFillBackground());
        QCOMPARE(w.ui.Image1->pixmap().size(), QSize(627, 210));
        QVERIFY(w.ui.test_description->toPlainText().size() > 6000);
        QCOMPARE(w.ui.Label1->text(), u"Do you agree to the license agreement to the left?"_qs);
        QCOMPARE(quest->ui.Image1->pixmap().size(), QSize(54, 540));
    }

    void controlGeometry_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QString layout = QString::fromLatin1(kLayout);
        QTextStream in(&layout);
        QString window, name;
        int l, t, w, h;
        while (!(in >> window).atEnd() || !window.isEmpty()) {
            if (window.isEmpty())
                break;
            in >> name >> l >> t >> w >> h;
            QTest::addRow("%s.%s", qPrintable(window), qPrintable(name))
                << window << name << QRect(px(l), px(t), px(w), px(h));
            window.clear();
        }
    }
    void controlGeometry()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(control(loadWindow(window), name)->geometry(), geometry);
    }

    void fonts()
    {
        const QFont next = quest->ui.NextButton->font();
        // The designed families map to metric-compatible ones (fonts-liberation).
        QCOMPARE(QFontInfo(next).family(), u"Liberation Sans"_qs);
        QCOMPARE(next.pointSizeF(), 8.25);
        QVERIFY(next.bold());
        QCOMPARE(quest->ui.question_number->font().pointSizeF(), 13.5);
        QCOMPARE(quest->abox(3)->font().pointSizeF(), 9.75);
        QCOMPARE(quest->QChoice(1)->font().pointSizeF(), 12.0);
        QVERIFY(quest->QChoice(1)->font().bold());
        QCOMPARE(Welcome->ui.test_name->font().pointSizeF(), 18.0);
        QCOMPARE(QFontInfo(Welcome->ui.test_description->font()).family(), u"Liberation Sans"_qs);
        QCOMPARE(QFontInfo(theanswer->ui.Text1->font()).family(), u"Liberation Mono"_qs);
        QCOMPARE(pick_a_quiz->font().pointSizeF(), 8.25);  // the window default
        // Fixed-pitch texts stay fixed-pitch whatever family the machine has.
        QVERIFY(QFontInfo(theanswer->ui.Text1->font()).fixedPitch());
        QCOMPARE(theanswer->ui.Text1->font().pointSizeF(), 9.0);
        QVERIFY(QFontInfo(About1->ui.Text1->font()).fixedPitch());
    }

    void designTimeStates()
    {
        QuestForm& q = quest.get();
        QVERIFY(q.ui.typestuff->isHidden());
        QCOMPARE(q.ui.typestuff->text(), u"Please Type Answer in Box Above"_qs);
        QVERIFY(q.ui.the_gauge->isHidden());  // hidden by the load handler
        QCOMPARE(q.ui.NextButton->text(), u"&NEXT ->"_qs);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(q.QChoice(i)->text(), QString(QChar(u'A' + i - 1)) + u'>');
        QCOMPARE(q.ui.Gauge1->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(q.ui.the_gauge->palette().color(QPalette::Window), QColor(255, 0, 0));
        // The red cover lies in front of the blue bar.
        const QObjectList& kids = q.children();
        QVERIFY(kids.indexOf(q.ui.the_gauge) > kids.indexOf(q.ui.Gauge1));
        QCOMPARE(Exhibit->ui.Command1->text(), u"close"_qs);
        QCOMPARE(About1->ui.Text2->text(), u"Thanks for Using Our Software!"_qs);
    }

    void tabNeverStopsInAnAnswerBox()
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
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!visited.contains(q.abox(i)));
        QVERIFY(visited.contains(q.QChoice(1)));
        QVERIFY(visited.contains(q.ui.quitquiz));
        QVERIFY(!visited.contains(q.ui.Q1));  // it hands the focus to Next at once
    }

    void onlyTheFirstAnswerBoxTakesTyping()
    {
        QuestForm& q = quest.get();
        q.show();
        for (int i = 1; i <= 6; ++i) {
            click(q.abox(i)->viewport());
            QTest::keyClicks(q.abox(i), u"xy"_qs);
            QCOMPARE(q.abox(i)->toPlainText(), i == 1 ? u"xy"_qs : QString());
        }
    }

    void resizerKeepsProportions_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::newRow("quest.Q1") << u"quest"_qs << u"Q1"_qs;
        QTest::newRow("quest.QChoice_6") << u"quest"_qs << u"QChoice_6"_qs;
        QTest::newRow("pick_a_quiz.Command1") << u"pick_a_quiz"_qs << u"Command1"_qs;
        QTest::newRow("pick_a_quiz.which_quiz_4") << u"pick_a_quiz"_qs << u"which_quiz_4"_qs;
        QTest::newRow("Diagram.Image1") << u"Diagram"_qs << u"Image1"_qs;
    }
    void resizerKeepsProportions()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QWidget* w = loadWindow(window);
        QWidget* c = control(w, name);
        w->show();
        const QSize design = w->size();
        const QRect before = c->geometry();
        const qreal fontBefore = c->font().pointSizeF();
        w->resize(design * 2);
        QCOMPARE(c->geometry(), QRect(before.topLeft() * 2, before.size() * 2));
        QCOMPARE(c->font().pointSizeF(), fontBefore * 2);
        w->resize(design.width() * 3, design.height());  // the font follows the smaller ratio
        QCOMPARE(c->geometry().x(), before.x() * 3);
        QCOMPARE(c->geometry().y(), before.y());
        QCOMPARE(c->font().pointSizeF(), fontBefore);
        w->resize(design);
        QCOMPARE(c->geometry(), before);
    }

    void resizerKeepsTheScoreGauge()
    {
        QuestForm& q = quest.get();
        q.show();
        q.ui.the_gauge->resize(q.ui.the_gauge->width(), 60);  // as the check sets it
        q.resize(q.size() * 2);
        QCOMPARE(q.ui.the_gauge->height(), 120);
        q.resize(q.size() / 2);
        QCOMPARE(q.ui.the_gauge->height(), 60);
    }

    void otherWindowsKeepTheirLayout()
    {
        TheAnswerForm& a = theanswer.get();
        a.show();
        const QRect before = a.ui.Closeb->geometry();
        a.resize(a.size() * 2);
        QCOMPARE(a.ui.Closeb->geometry(), before);
    }

    void choiceButtonToggles()
    {
        QuestForm& q = quest.get();
        q.show();
        PictureButton* b = q.QChoice(3);
        QVERIFY(!b->pressed());
        click(b);
        QVERIFY(b->pressed());
        click(b);
        QVERIFY(!b->pressed());
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
        QVERIFY(b->pressed());
        b->hide();  // keeps its state while hidden
        QVERIFY(b->pressed());
        b->show();
        QVERIFY(b->pressed());
        b->setPressed(false);
        QVERIFY(!b->isChecked());
        // Assistive technology sees the state.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(b);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), u"Choice C"_qs);
        QVERIFY(iface->state().checkable);
        QVERIFY(!iface->state().checked);
        click(b);
        QVERIFY(iface->state().checked);
    }

    void altLetterTogglesOnlyAShownButton()
    {
        QuestForm& q = quest.get();
        q.show();
        QVERIFY(QTest::qWaitForWindowActive(&q));
        // A shortcut animates the click, which lands a moment later.
        QTest::keyClick(&q, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(q.QChoice(2)->pressed());
        QVERIFY(!q.QChoice(1)->pressed() && !q.QChoice(3)->pressed());
        QTest::keyClick(&q, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(!q.QChoice(2)->pressed());
        q.QChoice(2)->hide();
        QTest::keyClick(&q, Qt::Key_B, Qt::AltModifier);
        QTest::keyClick(&q, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(q.QChoice(6)->pressed());
        QTest::qWait(50);
        QVERIFY(!q.QChoice(2)->pressed());
    }

    void quizOptionsAreExclusive()
    {
        PickAQuizForm& p = pick_a_quiz.get();
        p.show();
        for (int i = 1; i <= 4; ++i) {
            click(p.which_quiz(i));
            for (int k = 1; k <= 4; ++k)
                QCOMPARE(p.which_quiz(k)->isChecked(), k == i);
        }
    }

    void everyFocusableControlHasAName()
    {
        for (const QString& name : testing::kWindowNames) {
            QWidget* w = loadWindow(name);
            for (QWidget* c : w->findChildren<QWidget*>()) {
                if (c->focusPolicy() == Qt::NoFocus || c->isWindow())
                    continue;
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c);
                QVERIFY(iface);
                QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(name + u'.' + c->objectName()));
            }
        }
        QCOMPARE(quest->ui.Q1->accessibleName(), u"Question"_qs);
        QCOMPARE(quest->abox(2)->accessibleName(), u"Answer B"_qs);
        QCOMPARE(Welcome->ui.test_description->accessibleName(), u"Terms of use"_qs);
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
