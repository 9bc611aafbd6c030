// Takes a screenshot of every window of the program, driven as a user would
// drive it, for the README and the package metadata. Run under a real or
// virtual X display in the folder of question 4's diagrams and exhibit:
// scripts/screenshots does that.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "platform/form.h"
#include "quiz/diagram.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "quiz/theanswer.h"
#include "shell/about1.h"
#include "shell/choosetest.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"

namespace {

QString outDir;

void shoot(QWidget* window, const QString& name)
{
    QTest::qWait(150);
    const QRect r = window->frameGeometry();
    const QPixmap shot = window->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    shot.save(QStringLiteral("%1/%2.png").arg(outDir, name));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::prepareApplication();
    outDir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    platform::setEndHandler([](int) {});

    shell::Main();
    shoot(Welcome.instance(), QStringLiteral("welcome"));
    Welcome->About_Click();
    shoot(About1.instance(), QStringLiteral("about"));
    About1->Command1_Click();

    Welcome->Start_Quiz_Click();
    PickAQuizForm& options = pick_a_quiz.get();
    options.which_quiz(4)->setChecked(true);
    options.ui.random_questions->setChecked(false);
    shoot(&options, QStringLiteral("options"));
    options.Command1_Click();

    QuestForm& q = quest.get();
    for (int i = 1; i <= 6; ++i)
        if (!q.QChoice(i)->isHidden() && i % 2 == 0)
            q.QChoice(i)->setPressed(true);
    shoot(&q, QStringLiteral("question"));
    q.diagrambutton_Click(2);
    Diagram->move(q.frameGeometry().topLeft() + QPoint(40, 40));
    shoot(Diagram.instance(), QStringLiteral("diagram"));
    q.exhibitbutton_Click(1);
    shoot(Exhibit.instance(), QStringLiteral("exhibit"));
    Diagram->hide();
    Exhibit->hide();

    q.QChoice(1)->setPressed(true);  // a wrong answer brings the answer window
    QTimer::singleShot(300, [] {
        if (TheAnswerForm* answer = theanswer.instance()) {
            shoot(answer, QStringLiteral("answer"));
            answer->Closeb_Click();
        }
    });
    q.NextButton_Click();
    shoot(&quest.get(), QStringLiteral("question-after"));

    choosetest->show();
    shell::center_form(choosetest.get());
    shoot(choosetest.instance(), QStringLiteral("chooser"));
    platform::destroyAllForms();
    return 0;
}
