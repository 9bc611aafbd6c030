// Micro-benchmarks of the work a user waits for: rebuilding the bank, one
// question cycle, and opening a long exhibit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bank/question_bank.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "quiz/exhibit.h"
#include "quiz/quest.h"
#include "shell/module1.h"
#include "shell/pick_a_quiz.h"
#include "shell/welcome.h"
#include "state/quiz_state.h"

namespace {

void startQuiz()
{
    platform::destroyAllForms();
    platform::setMessageBoxHandler([](const QString&, const QString&) {});
    platform::setEndHandler([](int) {});
    shell::Main();
    Welcome->Start_Quiz_Click();
    PickAQuizForm& p = pick_a_quiz.get();
    p.ui.answer_when_wrong->setChecked(false);
    p.Command1_Click();
    QCoreApplication::processEvents();
}

void BM_BankRebuild(benchmark::State& state)
{
    for (auto _ : state) {
        bank::load_quest_1();
        benchmark::DoNotOptimize(bank::question_bank[200].question_text.size());
    }
}
BENCHMARK(BM_BankRebuild)->Unit(benchmark::kMicrosecond);

// Check the answer on screen, present the next question, repaint.
void BM_QuestionCycle(benchmark::State& state)
{
    startQuiz();
    QuestForm& q = quest.get();
    for (auto _ : state) {
        if (state::question_counter >= state::quiz_length)
            state::question_counter = 0;  // go round the quiz instead of ending it
        q.QChoice(2)->setPressed(true);
        q.check_answer();
        q.show_quest();
        q.repaint();
    }
    platform::destroyAllForms();
}
BENCHMARK(BM_QuestionCycle)->Unit(benchmark::kMicrosecond);

void BM_OpenLongExhibit(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile f(QStringLiteral("long.txt"));
    f.open(QIODevice::WriteOnly);
    for (int i = 0; i < 100000; ++i)
        f.write("interface line " + QByteArray::number(i) + ": up, 1000 Mb/s full duplex\n");
    f.close();
    startQuiz();
    state::current_question.exhibit_file[1] = QStringLiteral("long.txt");
    for (auto _ : state) {
        quest->exhibitbutton_Click(1);
        QCoreApplication::processEvents();  // lay out and paint what was set
        state.PauseTiming();
        Exhibit.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    platform::destroyAllForms();
    QDir::setCurrent(previous);
}
BENCHMARK(BM_OpenLongExhibit)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    shell::prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::destroyAllForms();
    return 0;
}
