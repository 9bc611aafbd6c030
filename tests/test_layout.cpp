// No text the program lays out is clipped: every single-line control fits
// its text at the font it really gets, and a box without scroll bars shows
// all of its text. Checked on every window as loaded, and with the widest
// values the program itself puts into them.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include "bank/question_bank.h"
#include "quiz/quest.h"
#include "shell/about1.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "support/test_support.h"

namespace {

QString describe(const QWidget* w, QSize need, QSize room)
{
    return QStringLiteral("%1 \"%2\" needs %3x%4 px, has %5x%6")
        .arg(w->objectName(), w->property("text").toString().left(60))
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

QString fits(const QWidget* w, QSize need, QRect room)
{
    return need.width() <= room.width() && need.height() <= room.height() ? QString()
                                                                          : describe(w, need, room.size());
}

// The room a text takes as a control draws it: each line of a several-line
// caption on its own, the mnemonic's ampersand not drawn.
QSize extent(const QFontMetrics& fm, QString text, bool mnemonic)
{
    if (mnemonic)
        text.replace(QRegularExpression(u"&(.)"_qs), u"\\1"_qs);
    const QStringList lines = text.split(u'\n');
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    return QSize(width, fm.height() + int(lines.size() - 1) * fm.lineSpacing());
}

QStyleOptionButton buttonOption(const QAbstractButton* b)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(b)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    return option;
}

// Why a control's text is cut off, or an empty string when it shows whole.
QString clipped(QWidget* w)
{
    const QFontMetrics fm(w->font());
    QStyle* style = w->style();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QRect room = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        const QSize need = label->wordWrap() ? fm.boundingRect(room, Qt::TextWordWrap, label->text()).size()
                                             : extent(fm, label->text(), false);
        return fits(w, need, room);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return {};
        const QStyleOptionButton option = buttonOption(button);
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox*>(w))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton*>(w))
            contents = QStyle::SE_RadioButtonContents;
        return fits(w, extent(fm, button->text(), true), style->subElementRect(contents, &option, w));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        // A line edit keeps 2 px beside its text and 1 px above and below.
        const QRect room = style->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins())
                               .adjusted(2, 1, -2, -1);
        // Its text is centred on the line; what counts is the ink of the
        // characters shown, which a box as high as the font just holds.
        return fits(w, QSize(fm.horizontalAdvance(edit->text()), fm.tightBoundingRect(edit->text()).height()),
                    room);
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const int indent = fm.horizontalAdvance(u'x');  // the frame runs on either side of the title
        return fits(w, extent(fm, box->title(), true) + QSize(2 * indent, 0), box->rect());
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        // A box with scroll bars may hold more than it shows; one without
        // them must show its whole text.
        if (text->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            return {};
        if (text->verticalScrollBar()->maximum() > 0)
            return QStringLiteral("%1 shows %2 of %3 lines of \"%4\"")
                .arg(w->objectName())
                .arg(text->document()->lineCount() - text->verticalScrollBar()->maximum())
                .arg(text->document()->lineCount())
                .arg(text->toPlainText().left(60));
    }
    return {};
}

// The clipped controls of a window, hidden ones included (their text is
// what they show once shown).
QStringList clippedIn(QWidget* window)
{
    QCoreApplication::processEvents();  // text boxes lay their text out lazily
    QStringList problems;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString why = clipped(w);
        if (!why.isEmpty())
            problems << window->objectName() + u'.' + why;
    }
    return problems;
}

}  // namespace

class LayoutTest : public testing::ProgramTestCase {
    Q_OBJECT

private slots:
    void everyWindowAsLoaded_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString& name : testing::kWindowNames)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowAsLoaded()
    {
        QFETCH(QString, window);
        Welcome.get();  // loads the bank, whose names the windows show
        QWidget* w = testing::loadWindow(window);
        w->show();
        const QStringList problems = clippedIn(w);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_qs)));
    }

    void theTestNameFitsTheWelcomeWindow()
    {
        WelcomeForm& w = Welcome.get();
        QCOMPARE(w.ui.test_name->text(), bank::full_test_name);
        QVERIFY2(clipped(w.ui.test_name).isEmpty(), qPrintable(clipped(w.ui.test_name)));
        // The about window repeats it after an eleven-character label.
        About1Form& about = About1.get();
        about.show();
        QVERIFY(about.ui.Text1->toPlainText().contains(u"Test Name: "_qs + bank::full_test_name));
        QVERIFY2(clipped(about.ui.Text1).isEmpty(), qPrintable(clipped(about.ui.Text1)));
    }

    // The score column is narrow: its widest values must still fit.
    void theWidestValuesOfTheQuestionWindowFit()
    {
        Welcome.get();
        QuestForm& q = quest.get();
        q.show();
        q.ui.question_number->setText(QString::number(int(state::quiz_length)));
        q.ui.qid->setText(u"200"_qs);
        q.ui.score->setText(u"%1/%1"_qs.arg(int(state::quiz_length)));
        q.ui.Percent_Right->setText(u"100%"_qs);
        q.ui.typestuff->show();
        for (const QString& directions :
             {u" Please Select the correct answer(s)"_qs, u" Please Type in the Correct Answer"_qs}) {
            q.ui.Directions->setText(directions);
            const QStringList problems = clippedIn(&q);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_qs)));
        }
    }

    // An answer box has no scroll bar, so every choice of the bank must fit
    // in it whole.
    void everyChoiceOfTheBankFitsItsAnswerBox()
    {
        Welcome.get();
        QuestForm& q = quest.get();
        q.show();
        QStringList problems;
        for (int slot = 1; slot <= 200; ++slot) {
            for (int k = 1; k <= 6; ++k) {
                q.abox(k)->setPlainText(bank::question_bank[slot].choice_text[k]);
                QCoreApplication::processEvents();
                const QString why = clipped(q.abox(k));
                if (!why.isEmpty())
                    problems << u"slot %1: "_qs.arg(slot) + why;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_qs)));
    }

    // The check itself: a text too long for its control is reported.
    void aTextTooLongIsReported()
    {
        QuestForm& q = quest.get();
        q.show();
        q.ui.score->setText(u"12345/12345"_qs);
        QVERIFY(!clipped(q.ui.score).isEmpty());
        q.abox(3)->setPlainText(QString(400, u'w'));
        QCoreApplication::processEvents();
        QVERIFY(!clipped(q.abox(3)).isEmpty());
        Welcome->ui.test_name->setText(QString(40, u'W'));
        QVERIFY(!clipped(Welcome->ui.test_name).isEmpty());
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
