#pragma once

#include <QElapsedTimer>

#include "platform/form.h"
#include "ui_theanswer.h"

// The feedback window, shown modally after an answer when the options ask.
class TheAnswerForm : public platform::Form {
    Q_OBJECT

public:
    TheAnswerForm();

    void Closeb_Click();
    void Text1_GotFocus();

    Ui::theanswer ui;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer shown_;
};

extern platform::FormRef<TheAnswerForm> theanswer;
