// The windows: start-up, the close chains, the about window and the chooser;
// each window as designed, its tab order and the resizer; and on the desktops
// people run, every text whole, legible and in the design's font.
#include <QAccessible>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include "bank/question_bank.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "shell/about1.h"
#include "shell/choosetest.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "support/test_support.h"

using testing::click;
using testing::loadWindow;

namespace {

// The room a text takes as drawn: line by line, a mnemonic's ampersand left out.
QSize extent(const QFontMetrics& fm, QString text)
{
    const QStringList lines = text.replace(QRegularExpression(u"&(.)"_s), u"\\1"_s).split(u'\n');
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    return QSize(width, fm.height() + int(lines.size() - 1) * fm.lineSpacing());
}

// Why a control's text is cut off, or an empty string when it shows whole.
QString clipped(QWidget* w)
{
    const QFontMetrics fm(w->font());
    QStyle* style = w->style();
    const auto fits = [w](QSize need, QRect room) {
        return need.boundedTo(room.size()) == need
                   ? QString()
                   : QString::asprintf("%s needs %dx%d px, has %dx%d", qPrintable(w->objectName()),
                                       need.width(), need.height(), room.width(), room.height());
    };
    if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull()) {
        const int m = label->margin();
        const QRect room = label->contentsRect().marginsRemoved(QMargins(m, m, m, m));
        return fits(label->wordWrap() ? fm.boundingRect(room, Qt::TextWordWrap, label->text()).size()
                                      : extent(fm, label->text().replace(u'&', u"&&"_s)),
                    room);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto contents = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                              : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                               : QStyle::SE_PushButtonContents;
        return fits(extent(fm, button->text()), style->subElementRect(contents, &option, w));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        // 2 px beside the text and 1 px above and below; what counts is the
        // ink of the characters, which a box as high as the font just holds.
        const QRect room = style->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins())
                               .adjusted(2, 1, -2, -1);
        return fits(QSize(fm.horizontalAdvance(edit->text()), fm.tightBoundingRect(edit->text()).height()),
                    room);
    }
    auto* text = qobject_cast<QPlainTextEdit*>(w);
    const bool cut = text && text->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                     text->verticalScrollBar()->maximum() > 0;
    return cut ? w->objectName() + u" shows too few lines of "_s + text->toPlainText().left(60) : QString();
}

// WCAG 2 contrast of two colours, from 1:1 to 21:1.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// A button's contrast as drawn: the commonest colour, its face, to the one that stands out most.
double drawnContrast(QWidget* button)
{
    const QImage image = button->grab().toImage();
    QHash<QRgb, int> count;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x)
            ++count[image.pixel(x, y)];
    const QColor face = *std::max_element(count.keyBegin(), count.keyEnd(),
                                          [&](QRgb a, QRgb b) { return count[a] < count[b]; });
    double most = 1;
    for (const QRgb c : count.keys())
        most = std::max(most, contrast(face, c));
    return most;
}

// What keeps the texts of a window from being read, hidden ones included:
// cut off, or in colours too alike (under 4.5:1).
QStringList unreadableIn(QWidget* window)
{
    QCoreApplication::processEvents();  // text boxes lay their text out lazily
    QStringList problems;
    const auto check = [&](const QWidget* w, double ratio) {
        if (ratio < 4.5)
            problems << u"%1.%2: %3:1"_s.arg(window->objectName(), w->objectName(), QString::number(ratio));
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        problems << clipped(w);
        const QPalette& p = w->palette();
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w)) {
            check(w, contrast(p.color(QPalette::Text), p.color(QPalette::Base)));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            check(w, contrast(p.color(QPalette::ButtonText), p.color(QPalette::Button)));
            if (button->isCheckable()) {  // a choice button, pressed, drawn in colours of its own
                button->setChecked(true);
                check(w, drawnContrast(button));
                button->setChecked(false);
            }
        } else if (auto* label = qobject_cast<QLabel*>(w); (label && label->pixmap().isNull()) ||
                                                           qobject_cast<QAbstractButton*>(w) ||
                                                           qobject_cast<QGroupBox*>(w)) {
            const QWidget* back = w;  // the nearest that paints its background
            while (!back->autoFillBackground() && !back->isWindow())
                back = back->parentWidget();
            check(w, contrast(p.color(w->foregroundRole()), back->palette().color(back->backgroundRole())));
        }
    }
    problems.removeAll(QString());
    return problems;
}

QMap<QString, QFont> fontsIn(QWidget* window)
{
    QMap<QString, QFont> fonts{{window->objectName(), window->font()}};
    for (const QWidget* w : window->findChildren<QWidget*>())
        fonts.insert(w->objectName(), w->font());
    return fonts;
}

// A style that pads text boxes, and sets captions further from the box of a
// check box or option button, than the design allows for, as some styles do.
class RoomyStyle : public QProxyStyle {
public:
    RoomyStyle() : QProxyStyle(u"Fusion"_s) {}
    using QProxyStyle::polish;
    void polish(QWidget* w) override
    {
        QProxyStyle::polish(w);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setTextMargins(8, 2, 8, 2);
    }
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* w) const override
    {
        const bool caption = element == SE_CheckBoxContents || element == SE_RadioButtonContents;
        return QProxyStyle::subElementRect(element, option, w).adjusted(caption ? 6 : 0, 0, 0, 0);
    }
};

// Until the returned guard goes, the program runs as a desktop may run it:
// with a font of its own, handed to each widget class as platform themes do
// (which beats the application's); with a dark palette; or a roomy style.
auto desktop(int pointSize, bool dark, bool roomy)
{
    auto restore = qScopeGuard([font = QApplication::font(), palette = QApplication::palette(),
                                style = QApplication::style()->name()] {
        QApplication::setStyle(style);
        QApplication::setFont(font);  // also drops the fonts handed to classes
        QApplication::setPalette(palette);
    });
    if (roomy)
        QApplication::setStyle(new RoomyStyle);
    if (pointSize) {
        const QFont font(u"DejaVu Sans"_s, pointSize);
        QApplication::setFont(font);
        for (const char* kind : {"QWidget", "QLabel", "QPushButton", "QCheckBox", "QRadioButton", "QGroupBox",
                                 "QLineEdit", "QTextEdit", "QPlainTextEdit", "QMessageBox"})
            QApplication::setFont(font, kind);
    }
    if (dark) {  // the colours of a common dark scheme
        QPalette p(QColor(0x424245), QColor(0x222020));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(role, Qt::white);
        p.setColor(QPalette::Base, QColor(0x3d3d3d));
        p.setColor(QPalette::Highlight, QColor(0x12608a));
        p.setColor(QPalette::HighlightedText, QColor(0xf9f9f9));
        QApplication::setPalette(p);
    }
    return restore;
}

// The controls that receive the keyboard focus, in turn.
class FocusLog : public QObject {
public:
    FocusLog() { QApplication::instance()->installEventFilter(this); }
    mutable QStringList names;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            names << watched->objectName();
        return false;
    }
};

}  // namespace

class WindowsTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    // The welcome window shows the test's name and its author's address; a
    // quiz is a quarter of the bank, rounded down. The about window hands the
    // focus on to Close, and Esc hides it; the exit buttons end the program at
    // once.
    void welcomeAboutAndExit()
    {
        for (const auto& [count, length] : {std::pair{200, 50}, {203, 50}, {4, 1}, {3, 0}, {800, 200}})
            QCOMPARE(int(shell::quizLengthFor(count)), length);
        shell::Main();
        QCOMPARE(Welcome->ui.test_name->text(), u"Network Admin Quiz 1.0"_s);
        QCOMPARE(Welcome->ui.author_name2->text(), bank::author_contact);
        click(Welcome->ui.About);
        QCOMPARE(About1->ui.Text1->toPlainText(),
                 u"Prod Name: Network Admin Quiz\nVersion:   1.0\nTest Name: Network Admin Quiz 1.0\n"_s);
        QVERIFY(QTest::qWaitForWindowActive(About1.instance()));
        click(About1->ui.Text1->viewport());
        QCOMPARE(QApplication::focusWidget(), About1->ui.Command1);  // the text hands the focus on
        click(About1->ui.Command1), click(Welcome->ui.About);        // hidden, and shown again
        QVERIFY(QTest::qWaitForWindowActive(About1.instance()));
        QTest::keyClick(About1.instance(), Qt::Key_Escape);  // as Close does
        QVERIFY(About1.isLoaded() && !About1->isVisible());
        click(Welcome->ui.Command1);
        QVERIFY(harness->endCount == 1 && Welcome.isLoaded() && About1.isLoaded());  // no unload handler ran
        choosetest->show();
        click(choosetest->ui.Command1), click(choosetest->ui.Command2), click(choosetest->ui.Command3);
        QVERIFY(!Welcome.isLoaded() && !choosetest.isLoaded());
        QCOMPARE(harness->endCount, 2);  // the database buttons did nothing
    }

    // The close box of a main window closes the windows in its list at once,
    // and then the program ends, whatever window is left: the about window,
    // shown or hidden, is in no list.
    void closeBoxesEndTheProgram_data()
    {
        testing::columns<bool, int>("options", "about");  // about: 0 never opened, 1 open, 2 hidden
        for (bool options : {false, true})
            for (int about : {0, 1, 2})
                QTest::addRow("%s, about %d", options ? "options" : "welcome", about) << options << about;
    }
    void closeBoxesEndTheProgram()
    {
        const auto [options, about] = testing::fetch<bool, int>("options", "about");
        shell::Main();
        quest.get(), Exhibit.get(), choosetest.get(), Diagram.get();
        if (about)
            click(Welcome->ui.About);
        if (about == 2)
            click(About1->ui.Command1);
        if (options) {
            click(Welcome->ui.Start_Quiz);
            QVERIFY(pick_a_quiz->isVisible() && !Welcome->isVisible());
        }
        (options ? static_cast<QWidget*>(pick_a_quiz.instance()) : Welcome.instance())->close();
        QVERIFY(!Welcome.isLoaded() && !pick_a_quiz.isLoaded() && !quest.isLoaded() && !Exhibit.isLoaded() &&
                !choosetest.isLoaded() && !Diagram.isLoaded() && About1.isLoaded() == (about != 0));
        harness->settle();
        QVERIFY(harness->endCount == 1 && !platform::anyFormLoaded());
    }

    // Each window as designed: caption, size, the program's icon (in two sizes)
    // or none, minimise and maximise boxes, a fixed size for the welcome window
    // alone, fonts, and pictures sharp at 200 %. Tab and Shift+Tab take the
    // focus through the controls in the design's order, past the answer boxes
    // and what takes no focus; a text box that hands the focus on to a button
    // is a stop all the same; each control that takes it has a spoken name.
    // The resizer takes the controls along in proportion; elsewhere they stay.
    void windowsAsDesigned_data()
    {
        testing::columns<QString, QString, QSize, bool, bool, bool, QString, QStringList>(
            "window", "caption", "client", "icon", "boxes", "resizer", "fonts", "stops");
        // fonts: the window's own, then name=font; stops: the tab stops in order.
        const auto row = [](const char* w, const char* caption, QSize client, bool icon, bool boxes,
                            bool resizer, const char* fonts, const char* stops) {
            QTest::newRow(w) << w << caption << client << icon << boxes << resizer
                             << QString::fromLatin1(w) + u'=' + fonts
                             << QString::fromLatin1(stops).split(u' ');
        };
        row("Welcome", "Network Admin Quiz 1.0", {613, 403}, true, false, false,
            "MS Sans Serif 8.25;test_description=Arial 8.25;test_name=MS Sans Serif 18 bold",
            "Start_Quiz Command1 About");
        // The four quizzes are one stop, the one of them that last had the focus.
        row("pick_a_quiz", "Start the QUIZ", {494, 197}, true, true, true,
            "MS Sans Serif 8.25;which_quiz_4=MS Sans Serif 12 bold",
            "which_quiz_1 answer_when_wrong answer_when_right random_questions random_answers Command1");
        row("quest", "Network Admin Quiz", {629, 423}, true, true, true,
            "MS Sans Serif 8.25;abox_1=MS Sans Serif 9.75;question_number=MS Sans Serif 13.5;"
            "QChoice_1=MS Sans Serif 12 bold;NextButton=MS Sans Serif 8.25 bold",
            "Q1 NextButton diagrambutton_1 diagrambutton_2 diagrambutton_3 exhibitbutton_1 exhibitbutton_2 "
            "exhibitbutton_3 cluebutton quitquiz QChoice_1 QChoice_2 QChoice_3 QChoice_4 QChoice_5 "
            "QChoice_6");
        row("theanswer", "The Answer", {580, 392}, false, true, false,
            "Courier New 8.25;Text1=Courier New 9;Closeb=MS Sans Serif 8.25", "Closeb Text1");
        row("Diagram", "Diagram", {582, 373}, false, true, true, "MS Sans Serif 8.25", "Command1");
        row("Exhibit", "Exhibit", {585, 318}, false, true, false,
            "MS Sans Serif 8.25;Text1=MS Sans Serif 8.25", "Text1 Command1");
        row("About1", "About", {312, 229}, false, false, false, "MS Sans Serif 8.25;Text2=Courier New 8.25",
            "Command1");
        row("choosetest", "Select Testing Database", {312, 213}, false, true, false, "MS Sans Serif 8.25",
            "Command1 Command2 Command3");
    }
    void windowsAsDesigned()
    {
        const auto [window, caption, client, icon, boxes, resizer, fonts, stops] =
            testing::fetch<QString, QString, QSize, bool, bool, bool, QString, QStringList>(
                "window", "caption", "client", "icon", "boxes", "resizer", "fonts", "stops");
        QWidget* w = loadWindow(window);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), client);
        QCOMPARE(w->windowIcon().cacheKey() != QApplication::windowIcon().cacheKey(), icon);
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), boxes);
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), boxes);
        QCOMPARE(w->minimumSize() == w->maximumSize(), window == u"Welcome");  // its fixed dialog border
        if (icon)
            QCOMPARE(w->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
        for (const QString& designed : fonts.split(u';')) {
            const QString name = designed.section(u'=', 0, 0);
            const QFont f = fontsIn(w).value(name);
            const QString bold = f.bold() ? u" bold"_s : QString();
            QCOMPARE(name + u'=' + f.family() + u' ' + QString::number(f.pointSizeF()) + bold, designed);
        }
        for (const QLabel* label : w->findChildren<QLabel*>())
            if (const QString source = label->property("picture").toString(); !source.isEmpty()) {
                const qreal ratio = w->devicePixelRatioF() > 1 ? 2.0 : 1.0;
                QCOMPARE(label->pixmap().devicePixelRatio(), ratio);
                QCOMPARE(label->pixmap().size(), QPixmap(source).size() * ratio);
            }
        for (const QString& name : stops)
            testing::control(w, name)->show();  // the question's buttons, hidden for a question without files
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        const FocusLog log;
        for (const bool forward : {true, false}) {
            testing::control(w, stops.last())->setFocus();
            QStringList walked, designed;
            for (qsizetype n = 0; n < stops.size(); ++n) {
                QWidget* from = QApplication::focusWidget();
                const qsizetype at = stops.indexOf(from->objectName());
                designed << stops[(at + (forward ? 1 : stops.size() - 1)) % stops.size()];
                log.names.clear();
                QTest::keyClick(from, Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
                walked << log.names.value(0, from->objectName());  // where Tab stopped, before any hand-on
                // A text box that takes the focus hands it on to a button.
                QVERIFY(qobject_cast<QAbstractButton*>(QApplication::focusWidget()));
            }
            QCOMPARE(walked, designed);
        }
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->focusPolicy() != Qt::NoFocus)
                QVERIFY2(
                    !QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).trimmed().isEmpty(),
                    qPrintable(c->objectName()));
        QWidget* c = testing::control(w, stops.last());
        const QRect before = c->geometry();
        w->resize(client * 2);  // the welcome window keeps its size
        QCOMPARE(c->geometry(), resizer ? QRect(before.topLeft() * 2, before.size() * 2) : before);
        w->resize(client.width() * 3, client.height());
        QCOMPARE(c->geometry().topLeft(), QPoint(before.x() * (resizer ? 3 : 1), before.y()));
        if (window == u"quest") {  // the gauge's cover, as the check sets it, follows too
            quest->ui.the_gauge->resize(quest->ui.the_gauge->width(), 60);
            w->resize(client * 2);
            QCOMPARE(quest->ui.the_gauge->height(), 120);
        }
    }

    // On the desktops people run, every window keeps the design's fonts and
    // every text is whole (the question window's widest values and each choice
    // of the bank too) and legible, also under a dark palette or a roomy style.
    // The message box follows the desktop, as its own boxes do: readable too.
    void designHoldsOnTheDesktop_data()
    {
        testing::columns<QString, int, bool, bool>("window", "pointSize", "dark", "roomy");
        for (const QString& name : testing::kWindowNames + QStringList{u"MsgBox"_s}) {
            QTest::addRow("%s, 10 pt", qPrintable(name)) << name << 10 << false << false;
            QTest::addRow("%s, dark", qPrintable(name)) << name << 0 << true << false;
            QTest::addRow("%s, roomy style", qPrintable(name)) << name << 0 << false << true;
        }
    }
    void designHoldsOnTheDesktop()
    {
        const auto [window, pointSize, dark, roomy] =
            testing::fetch<QString, int, bool, bool>("window", "pointSize", "dark", "roomy");
        Welcome.get();  // loads the bank, whose names the windows show
        const auto designed = window == u"MsgBox" ? QMap<QString, QFont>() : fontsIn(loadWindow(window));
        platform::destroyAllForms();
        const auto restore = desktop(pointSize, dark, roomy);
        QStringList problems;
        if (window == u"MsgBox") {  // its title beside an icon and three buttons, as the screen allows
            const QString title = u"A title far longer than the text of its box"_s;
            QVERIFY(testing::whileModal(
                window, [&] { platform::showMessageBox(u"Right/Total = 1/2"_s, title); },
                [&](QWidget* box) {
                    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
                    font.setBold(true);
                    const QFontMetrics fm(font);
                    const int need = fm.horizontalAdvance(title) + 4 * fm.height();
                    const bool narrow =
                        box->width() < std::min(need, box->screen()->availableGeometry().width());
                    problems = unreadableIn(box) << (narrow ? u"too narrow for its title"_s : QString());
                }));
        } else {
            QWidget* w = loadWindow(window);
            w->show();
            if (auto* q = qobject_cast<QuestForm*>(w)) {  // the widest values it shows
                q->ui.question_number->setText(u"50"_s), q->ui.qid->setText(u"200"_s);
                q->ui.score->setText(u"50/50"_s), q->ui.Percent_Right->setText(u"100%"_s);
                q->ui.typestuff->show();
                q->ui.Directions->setText(u" Please Type in the Correct Answer"_s);
                problems << unreadableIn(w);
                q->ui.Directions->setText(u" Please Select the correct answer(s)"_s);
                for (int slot = 1; slot <= 200; ++slot)  // an answer box has no scroll bar
                    for (int k = 1; k <= 6; ++k) {
                        q->abox(k)->setPlainText(bank::question_bank[slot].choice_text[k]);
                        QCoreApplication::processEvents();
                        problems << clipped(q->abox(k));
                    }
            }
            for (const auto [name, font] : fontsIn(w).asKeyValueRange())
                if (font != designed.value(name) && !roomy)  // where the style leaves less room, condensed
                    problems << u"%1: %2 for %3"_s.arg(name, font.toString(),
                                                       designed.value(name).toString());
            problems << unreadableIn(w);
        }
        problems.removeAll(QString());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
