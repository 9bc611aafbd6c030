#include "shell/about1.h"

#include <QShortcut>

#include "bank/question_bank.h"
#include "shell/module1.h"
#include "ui/design.h"

platform::FormRef<About1Form> About1;

About1Form::About1Form()
{
    ui.setupUi(this);
    ui::applyDesign(this);
    ui::setBorder(this, ui::Border::SizableNoBoxes);
    platform::onGotFocus(ui.Text1, [this] { Text1_GotFocus(); });
    connect(ui.Command1, &QPushButton::clicked, this, &About1Form::Command1_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &About1Form::Command1_Click);
}

void About1Form::Form_Load()
{
    shell::center_form(*this);
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    text += QStringLiteral("Prod Name: ") + bank::test_title + crlf;
    text += QStringLiteral("Version:   ") + bank::test_version + crlf;
    text += QStringLiteral("Test Name: ") + bank::full_test_name + crlf;
    ui.Text1->setPlainText(text);
    repaint();
}

void About1Form::Command1_Click()
{
    hide();
}

void About1Form::Text1_GotFocus()
{
    ui.Command1->setFocus();
}
