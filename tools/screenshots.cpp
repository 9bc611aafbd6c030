// Takes a screenshot of every window of the program, driven as a user would
// drive it, for the README and the package metadata. Run under a real or
// virtual X display: scripts/screenshots does that.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
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

// A sample diagram and exhibit for the question that names them.
void writeSamples()
{
    QImage picture(480, 280, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 80, 160), 3));
    const QPoint sw1(140, 140), sw2(340, 140);
    p.drawLine(sw1, sw2);
    for (QPoint h : {QPoint(60, 60), QPoint(60, 220), QPoint(420, 60), QPoint(420, 220)})
        p.drawLine(h.x() < 240 ? sw1 : sw2, h);
    p.setBrush(QColor(220, 232, 250));
    for (QPoint n : {sw1, sw2})
        p.drawRect(QRect(n - QPoint(40, 22), QSize(80, 44)));
    for (QPoint h : {QPoint(60, 60), QPoint(60, 220), QPoint(420, 60), QPoint(420, 220)})
        p.drawEllipse(h, 22, 22);
    p.setPen(Qt::black);
    p.drawText(QRect(sw1 - QPoint(40, 22), QSize(80, 44)), Qt::AlignCenter, QStringLiteral("SW1"));
    p.drawText(QRect(sw2 - QPoint(40, 22), QSize(80, 44)), Qt::AlignCenter, QStringLiteral("SW2"));
    p.drawText(QRect(200, 100, 80, 30), Qt::AlignCenter, QStringLiteral("trunk"));
    p.end();
    picture.save(QStringLiteral("mypic.jpg"), "JPEG", 92);
    picture.save(QStringLiteral("mypic.gif"), "PNG");  // the reader goes by content
    QFile exhibit(QStringLiteral("cool.txt"));
    if (exhibit.open(QIODevice::WriteOnly))
        exhibit.write(
            "SW1 port 24: trunk, allowed VLANs 10,20, native VLAN 1\n"
            "SW2 port 24: trunk, allowed VLANs 10, native VLAN 1\n"
            "Host A: VLAN 10, 192.0.2.10/24\n"
            "Host B: VLAN 20, 192.0.2.140/25\n");
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::prepareApplication();
    outDir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    writeSamples();
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
