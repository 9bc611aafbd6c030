#pragma once

#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/bounded_array.h"
#include "platform/form.h"
#include "ui/picture_button.h"
#include "ui_quest.h"

// The question window: runs one quiz, one question at a time, checks each
// answer on Next and ends the test with the result.
class QuestForm : public platform::Form {
    Q_OBJECT

public:
    QuestForm();

    void Form_Load() override;
    void Form_Unload() override;

    void show_quest();
    void clear_the_boxes();
    void check_answer();
    void show_answer();
    void end_the_test();

    void NextButton_Click();
    void quitquiz_Click();
    void Q1_GotFocus();
    void cluebutton_Click();
    void diagrambutton_Click(int Index);
    void exhibitbutton_Click(int Index);

    QPlainTextEdit* abox(int index) const { return abox_[index]; }
    PictureButton* QChoice(int index) const { return QChoice_[index]; }
    QPushButton* diagrambutton(int index) const { return diagrambutton_[index]; }
    QPushButton* exhibitbutton(int index) const { return exhibitbutton_[index]; }

    Ui::quest ui;

private:
    platform::BoundedArray<QPlainTextEdit*, 1, 6> abox_;
    platform::BoundedArray<PictureButton*, 1, 6> QChoice_;
    platform::BoundedArray<QPushButton*, 1, 3> diagrambutton_;
    platform::BoundedArray<QPushButton*, 1, 3> exhibitbutton_;
    void tellQuestion();
    void changeEvent(QEvent* event) override;

    bool focusStaysOnNext_ = false;  // set by NEXT for the question it brings
    bool backFromAnswer_ = false;    // set as the answer window closes, for the question that follows
    QString questionToTell_;         // a screen reader's, once this window is active again
};

extern platform::FormRef<QuestForm> quest;

namespace quiz {
// floor(100 x right / total), exactly, in integers (0 for a total of 0).
int percentRight(int right, int total);
// The feedback text for the question on screen, as show_answer shows it.
QString answerText(const QuestForm& window);
// The end-of-test message for `right` of `total`.
QString resultMessage(int right, int total);
}  // namespace quiz
