// No text the program lays out is clipped: every single-line control fits
// its text at the font it really gets, and a box without scroll bars shows
// all of its text; on every window as loaded, and with the widest values the
// program puts into them.
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

QString fits(const QWidget* w, QSize need, QRect room)
{
    if (need.width() <= room.width() && need.height() <= room.height())
        return {};
    return QStringLiteral("%1 \"%2\" needs %3x%4 px, has %5x%6")
        .arg(w->objectName(), w->property("text").toString().left(60))
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

// The room a text takes as a control draws it: each line of a several-line
// caption on its own, a mnemonic's ampersand not drawn.
QSize extent(const QFontMetrics& fm, QString text)
{
    const QStringList lines = text.replace(QRegularExpression(u"&(.)"_qs), u"\\1"_qs).split(u'\n');
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
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const int m = label->margin();
        const QRect room = label->contentsRect().marginsRemoved(QMargins(m, m, m, m));
        return fits(w,
                    label->wordWrap() ? fm.boundingRect(room, Qt::TextWordWrap, label->text()).size()
                                      : extent(fm, label->text().replace(u'&', u"&&"_qs)),
                    room);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (auto* push = qobject_cast<QPushButton*>(w)) {
            option.features |=
                push->autoDefault() ? QStyleOptionButton::AutoDefaultButton : QStyleOptionButton::None;
            option.features |=
                push->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        }
        const auto contents = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                              : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                               : QStyle::SE_PushButtonContents;
        return fits(w, extent(fm, button->text()), style->subElementRect(contents, &option, w));
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
        return fits(w, QSize(fm.horizontalAdvance(edit->text()), fm.tightBoundingRect(edit->text()).height()),
                    room);
    }
    if (auto* box = qobject_cast<QGroupBox*>(w))  // the frame runs on either side of the title
        return fits(w, extent(fm, box->title()) + QSize(2 * fm.horizontalAdvance(u'x'), 0), box->rect());
    if (auto* text = qobject_cast<QPlainTextEdit*>(w);
        text && text->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
        text->verticalScrollBar()->maximum() > 0)
        return QStringLiteral("%1 shows %2 of %3 lines of \"%4\"")
            .arg(w->objectName())
            .arg(text->document()->lineCount() - text->verticalScrollBar()->maximum())
            .arg(text->document()->lineCount())
            .arg(text->toPlainText().left(60));
    return {};
}

// The clipped controls of a window, hidden ones included.
QString clippedIn(QWidget* window)
{
    QCoreApplication::processEvents();  // text boxes lay their text out lazily
    QStringList problems;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (const QString why = clipped(w); !why.isEmpty())
            problems << window->objectName() + u'.' + why;
    return problems.join(u'\n');
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
        QVERIFY2(clippedIn(w).isEmpty(), qPrintable(clippedIn(w)));
    }

    void theWidestValuesFit()
    {
        Welcome.get();
        QVERIFY(
            About1->ui.Text1->toPlainText().contains(bank::full_test_name));  // after an 11-character label
        About1->show();
        QVERIFY2(clippedIn(About1.instance()).isEmpty(), qPrintable(clippedIn(About1.instance())));
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
            QVERIFY2(clippedIn(&q).isEmpty(), qPrintable(clippedIn(&q)));
        }
        // An answer box has no scroll bar: every choice of the bank must fit whole.
        QStringList problems;
        for (int slot = 1; slot <= 200; ++slot)
            for (int k = 1; k <= 6; ++k) {
                q.abox(k)->setPlainText(bank::question_bank[slot].choice_text[k]);
                QCoreApplication::processEvents();
                if (const QString why = clipped(q.abox(k)); !why.isEmpty())
                    problems << u"slot %1: "_qs.arg(slot) + why;
            }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The check itself: a text too long for its control is reported.
    void aTextTooLongIsReported()
    {
        QuestForm& q = quest.get();
        q.show();
        q.ui.score->setText(u"12345/12345"_qs);
        q.abox(3)->setPlainText(QString(400, u'w'));
        Welcome->ui.test_name->setText(QString(40, u'W'));
        QCoreApplication::processEvents();
        for (QWidget* w : std::initializer_list<QWidget*>{q.ui.score, q.abox(3), Welcome->ui.test_name})
            QVERIFY(!clipped(w).isEmpty());
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
