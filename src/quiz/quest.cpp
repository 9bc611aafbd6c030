#include "quiz/quest.h"

#include <cmath>
#include <utility>

#include "bank/question_bank.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/picture.h"
#include "platform/random.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/theanswer.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"
#include "ui/announcer.h"
#include "ui/design.h"
#include "ui/resizer.h"

platform::FormRef<QuestForm> quest;

using namespace state;
using platform::Int16;
using platform::Trim;
using platform::UCase;

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// What was typed into a box, as typed: toPlainText() would make a no-break
// space an ordinary one, which trimming then removes. A line break, Enter or
// Shift+Enter, is CR LF, as in every text of the bank.
QString typedText(const QPlainTextEdit& box)
{
    QString text = box.document()->toRawText();
    return text.replace(QChar::ParagraphSeparator, kCrLf).replace(QChar::LineSeparator, kCrLf);
}

// A text as one line for speech: the line breaks of a text box become spaces.
QString spoken(QString text)
{
    return text.replace(kCrLf, QStringLiteral(" "));
}
}  // namespace

QuestForm::QuestForm()
{
    setMainWindow(true);
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setProgramIcon(this);
    ui::setBorder(this, ui::Border::Sizable);
    abox_[1] = ui.abox_1, abox_[2] = ui.abox_2, abox_[3] = ui.abox_3;
    abox_[4] = ui.abox_4, abox_[5] = ui.abox_5, abox_[6] = ui.abox_6;
    QChoice_[1] = ui.QChoice_1, QChoice_[2] = ui.QChoice_2, QChoice_[3] = ui.QChoice_3;
    QChoice_[4] = ui.QChoice_4, QChoice_[5] = ui.QChoice_5, QChoice_[6] = ui.QChoice_6;
    diagrambutton_[1] = ui.diagrambutton_1, diagrambutton_[2] = ui.diagrambutton_2;
    diagrambutton_[3] = ui.diagrambutton_3;
    exhibitbutton_[1] = ui.exhibitbutton_1, exhibitbutton_[2] = ui.exhibitbutton_2;
    exhibitbutton_[3] = ui.exhibitbutton_3;

    // A choice may take two lines: the default margin of 4 px above and below
    // would leave no room for the second one in a box 33 px high.
    for (int i = 1; i <= 6; ++i)
        abox(i)->document()->setDocumentMargin(1);
    for (int i = 1; i <= 6; ++i)
        QChoice(i)->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + i - 1)));
    for (int i = 1; i <= 3; ++i) {
        connect(diagrambutton(i), &QPushButton::clicked, this, [this, i] { diagrambutton_Click(i); });
        connect(exhibitbutton(i), &QPushButton::clicked, this, [this, i] { exhibitbutton_Click(i); });
    }
    connect(ui.NextButton, &QPushButton::clicked, this, &QuestForm::NextButton_Click);
    connect(ui.quitquiz, &QPushButton::clicked, this, &QuestForm::quitquiz_Click);
    connect(ui.cluebutton, &QPushButton::clicked, this, &QuestForm::cluebutton_Click);
    platform::onGotFocus(ui.Q1, [this] { Q1_GotFocus(); });
    new ui::Resizer(this);
}

void QuestForm::Form_Load()
{
    clear_the_boxes();
    ui.the_gauge->hide();
}

void QuestForm::Form_Unload()
{
    pick_a_quiz.Unload();
}

void QuestForm::clear_the_boxes()
{
    for (int i = 1; i <= 6; ++i) {
        QChoice(i)->setPressed(false);
        abox(i)->clear();
    }
    ui.Q1->clear();
    ui.Directions->clear();
    ui.qid->clear();
    ui.score->clear();
    ui.question_number->clear();
    ui.Percent_Right->clear();
}

void QuestForm::show_quest()
{
    platform::Randomize();
    ui.NextButton->setFocus();
    question_counter += 1;
    if (question_counter > quiz_length) {
        end_the_test();
        return;
    }
    current_slot = quiz_base + (question_order[question_counter] - 1) * 4;
    const bank::QuestionRecord& record = bank::question_bank[current_slot];
    ui.qid->setText(QString::number(current_slot));
    ui.question_number->setText(QString::number(question_counter));

    // Display position i shows the record's answer perm[i].
    platform::BoundedArray<Int16, 0, 6> perm;
    for (int i = 1; i <= 6; ++i)
        perm[i] = i;
    answer_count = bank::countChoices(record);
    if (shuffle_answers == 1)
        platform::shuffleFromOne(perm, answer_count);
    current_question = record;
    for (int i = 1; i <= 6; ++i) {
        current_question.choice_text[i] = record.choice_text[perm[i]];
        current_question.choice_correct[i] = record.choice_correct[perm[i]];
    }

    ui.Q1->setPlainText(current_question.question_text);
    ui.cluebutton->hide();
    if (Trim(current_question.clue_text).size() > 0)
        ui.cluebutton->show();
    abox(1)->setFrameShape(QFrame::NoFrame);
    ui.typestuff->hide();

    if (!bank::isTypedAnswer(current_question.answer_type)) {
        ui.Directions->setText(QStringLiteral(" Please Select the correct answer(s)"));
        ui.NextButton->setFocus();
        for (int i = 1; i <= 6; ++i) {
            QChoice(i)->setPressed(false);
            abox(i)->setPlainText(current_question.choice_text[i]);
            const bool blank = Trim(current_question.choice_text[i]).isEmpty();
            abox(i)->setVisible(!blank);
            QChoice(i)->setVisible(!blank);
            // A screen reader tabbing through the choices hears each one's
            // answer, which sits in a box that Tab skips.
            QChoice(i)->setAccessibleDescription(blank ? QString() : current_question.choice_text[i]);
        }
    } else {
        for (int i = 1; i <= 6; ++i) {
            abox(i)->hide();
            QChoice(i)->hide();
            QChoice(i)->setAccessibleDescription(QString());
        }
        abox(1)->setFrameShape(QFrame::Box);
        ui.typestuff->show();
        abox(1)->show();
        abox(1)->clear();
        ui.Directions->setText(QStringLiteral(" Please Type in the Correct Answer"));
    }

    for (int i = 1; i <= 3; ++i) {
        diagrambutton(i)->setVisible(!Trim(current_question.diagram_file[i]).isEmpty());
        exhibitbutton(i)->setVisible(!Trim(current_question.exhibit_file[i]).isEmpty());
    }
    // A screen reader reads NEXT, description included, when the focus comes
    // to it, but says nothing while the focus stays there from one question
    // to the next (the question box hands its focus on): then the question
    // is announced.
    const QString question = QStringLiteral("Question %1: %2 %3")
                                 .arg(ui.question_number->text(), spoken(current_question.question_text),
                                      ui.Directions->text().trimmed());
    if (std::exchange(backFromAnswer_, false)) {
        focusStaysOnNext_ = false;
        questionToTell_ = question;
        if (isActiveWindow())
            tellQuestion();
    } else {
        ui.NextButton->setAccessibleDescription(question);
        if (std::exchange(focusStaysOnNext_, false))
            ui::announce(this, question);
    }
    ui.NextButton->setFocus();
}

// Back from the answer window, a screen reader reads NEXT afresh only once
// this window is active again, and then as it knew NEXT before: the question
// is told once the window is active, by then or later.
void QuestForm::tellQuestion()
{
    const QString question = std::exchange(questionToTell_, QString());
    ui.NextButton->setAccessibleDescription(question);
    ui::announce(this, question);
}

void QuestForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !questionToTell_.isEmpty())
        tellQuestion();
    QWidget::changeEvent(event);
}

void QuestForm::check_answer()
{
    verdict = 1;
    if (!bank::isTypedAnswer(current_question.answer_type)) {
        for (int i = 1; i <= 6; ++i) {
            if (QChoice(i)->isHidden())
                continue;
            const Int16 chosen = QChoice(i)->pressed() ? 1 : 0;
            if (chosen != current_question.choice_correct[i])
                verdict = 99;
        }
    } else {
        const QString typed = Trim(UCase(typedText(*abox(1))));
        bool matched = false;
        for (int i = 1; i <= 6; ++i) {
            const QString accepted = Trim(UCase(current_question.choice_text[i]));
            if (!accepted.isEmpty() && accepted == typed)
                matched = true;
        }
        if (!matched)
            verdict = 99;
    }

    if (verdict == 1) {
        if (show_when_right == 1)
            show_answer();
        number_right += 1;
    }
    if (verdict == 99 && show_when_wrong == 1)
        show_answer();

    ui.score->setText(QStringLiteral("%1/%2").arg(int(number_right)).arg(int(question_counter)));
    ui.Percent_Right->setText(QStringLiteral("%1%").arg(quiz::percentRight(number_right, question_counter)));

    // The red cover shows the share of wrong answers from the top down; the
    // window works in pixels, the rule in twips (15 to a pixel).
    constexpr int kTwipsPerPixel = 15;
    const double h = double(ui.Gauge1->height() * kTwipsPerPixel);
    const float cover = float(h * (1.0 - double(number_right) / double(question_counter)));
    ui.the_gauge->resize(ui.the_gauge->width(), int(std::lround(cover / kTwipsPerPixel)));
    ui.the_gauge->show();
    if (ui.the_gauge->height() * kTwipsPerPixel < 20)
        ui.the_gauge->hide();
}

void QuestForm::show_answer()
{
    const QString text = quiz::answerText(*this);
    TheAnswerForm& window = theanswer.get();
    window.ui.Text1->setPlainText(text);
    // The focus goes to Close, so Close carries the feedback for a screen reader.
    window.ui.Closeb->setAccessibleDescription(spoken(text));
    shell::center_form(window);
    // NEXT still describes the question just answered; a screen reader that
    // reads it as this window takes the focus back must not hear that again.
    ui.NextButton->setAccessibleDescription(QString());
    window.ShowModal();
    theanswer.Unload();
    backFromAnswer_ = true;
    ui.NextButton->setFocus();
}

void QuestForm::end_the_test()
{
    question_counter -= 1;
    platform::MsgBox(quiz::resultMessage(number_right, question_counter), QStringLiteral("Test Complete!"));
    // Loading the welcome window afresh rebuilds the bank and closes this
    // window; this instance is destroyed once its handler has returned.
    Welcome->show();
    hide();
}

void QuestForm::NextButton_Click()
{
    focusStaysOnNext_ = ui.NextButton->hasFocus() && isActiveWindow();
    Diagram.Unload();
    Exhibit.Unload();
    ui.NextButton->setFocus();
    check_answer();
    show_quest();
}

void QuestForm::quitquiz_Click()
{
    question_counter = quiz_length;
    show_quest();
}

void QuestForm::Q1_GotFocus()
{
    ui.NextButton->setFocus();
}

void QuestForm::cluebutton_Click()
{
    platform::MsgBox(current_question.clue_text, QStringLiteral("Clue"));
}

void QuestForm::diagrambutton_Click(int Index)
{
    const QString name = current_question.diagram_file[Index];
    if (!platform::regularFileExists(name))
        return;
    // Read the picture before touching the window, so a file that cannot be
    // shown leaves the window as it was.
    platform::PictureResult picture = platform::loadPicture(name);
    if (!picture.error.isEmpty()) {
        platform::MsgBox(QStringLiteral("The diagram \"%1\" cannot be shown: %2.").arg(name, picture.error),
                         QStringLiteral("Diagram"));
        return;
    }
    DiagramForm& window = Diagram.get();
    window.showInFront();
    window.ui.Image1->setPixmap(QPixmap::fromImage(std::move(picture.image)));
    window.ui.Image1->setAccessibleDescription(name);  // what a screen reader can say of the picture
    window.repaint();
}

void QuestForm::exhibitbutton_Click(int Index)
{
    const QString name = current_question.exhibit_file[Index];
    if (!platform::regularFileExists(name))
        return;
    // The whole file is read and its text set once: appending line by line
    // to the box would take quadratic time on a long file.
    const platform::TextFileResult file = platform::readTextLines(name);
    if (!file.error.isEmpty()) {
        platform::MsgBox(QStringLiteral("The exhibit \"%1\" cannot be shown: %2.").arg(name, file.error),
                         QStringLiteral("Exhibit"));
        return;
    }
    ExhibitForm& window = Exhibit.get();
    shell::center_form(window);
    window.showInFront();
    window.ui.Text1->setPlainText(file.text);
}

namespace quiz {

int percentRight(int right, int total)
{
    return total > 0 ? (100 * right) / total : 0;
}

QString answerText(const QuestForm& window)
{
    static const QString letter[7] = {QString(),           QStringLiteral("A"), QStringLiteral("B"),
                                      QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"),
                                      QStringLiteral("F")};
    const bank::QuestionRecord& q = current_question;
    QString text = verdict == 1 ? QStringLiteral("Great Job.\r\nThe answer(s): ")
                                : QStringLiteral("Incorrect.\r\nThe correct answer(s): ");
    if (!bank::isTypedAnswer(q.answer_type)) {
        for (int i = 1; i <= 6; ++i) {
            if (q.choice_correct[i] == 1)
                text += QChar(u' ') + letter[i];
        }
        text += kCrLf + kCrLf + q.question_text;
        for (int i = 1; i <= 6; ++i) {
            if (!window.QChoice(i)->isHidden())
                text += kCrLf + letter[i] + QStringLiteral(".)  ") + q.choice_text[i];
        }
    } else {
        text += q.choice_text[1] + kCrLf + kCrLf + q.question_text;
    }
    text += kCrLf + kCrLf + q.explanation + kCrLf + q.answer_note;
    return text;
}

QString resultMessage(int right, int total)
{
    const int p = percentRight(right, total);
    return QStringLiteral("You have completed the test\n\n Right/Total  = %1/%2\nPercent Right = %3%\n\n%4")
        .arg(right)
        .arg(total)
        .arg(p)
        .arg(p == 100 ? QStringLiteral("Congratulations, try a different test")
                      : QStringLiteral("Take this test until you get 100%"));
}

}  // namespace quiz
