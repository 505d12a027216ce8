// Undo and redo of one step in the shown window with the largest train: the
// document's step, the window's refresh and its repaint. And, in a process
// of its own (undo_memory_main.cpp), how far the editor's resident memory
// grows over 1,000 stored wheel-set edits.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QUndoStack>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "scratch_files.h"
#include "window/control_table.h"
#include "window/form_main.h"
#include "window/scheme_dialogs.h"

namespace quorvane::bench {
namespace {

constexpr int kRepetitions = 9;
constexpr int kStoredEdits = 100;
const std::string kMemoryMeasured = "quorvane: undo memory measured";

// Counts the paint events of every widget while it is installed.
class PaintCounter final : public QObject {
public:
    PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// The largest train opened in a shown window, a changed run stored at each
// of the first kStoredEdits wheel sets.
bool OpenWithStoredEdits(TFormMain& form) {
    form.show();
    QCoreApplication::processEvents();
    if (LargestFile().empty() || !form.OpenFile(QString::fromStdString(LargestFile()))) {
        return false;
    }
    auto* run =
        form.findChild<QLineEdit*>(QString::fromLatin1(WindowControlOf(Control::Run).objectName));
    if (run == nullptr) {
        return false;
    }
    for (int i = 0; i < kStoredEdits; ++i) {
        run->setText(QStringLiteral("RUN-%1").arg(i, 16, 10, QLatin1Char('0')));
        form.cxButton10Click();
    }
    QCoreApplication::processEvents();
    return form.document().undoStack().count() == kStoredEdits;
}

// Times one direction of the stack, each step with the repaint it causes;
// the other direction puts the step back, untimed.
void TimeSteps(benchmark::State& state, void (TFormMain::*timed)(), void (TFormMain::*untimed)(),
               bool undoing) {
    TFormMain form(MakeQtDialogs(Language::English, true), Language::English);
    if (!OpenWithStoredEdits(form)) {
        state.SkipWithError("cannot open the largest file and store the edits");
        return;
    }
    const QUndoStack& stack = form.document().undoStack();
    // Once round before timing: the first undo also moves the walk back to
    // where the step was made, which every later one repeats.
    {
        PaintCounter counter;
        form.btnUndoClick();
        QCoreApplication::processEvents();
        form.btnRedoClick();
        QCoreApplication::processEvents();
        if (counter.paints == 0 || stack.index() != kStoredEdits) {
            state.SkipWithError("an undo and a redo did not repaint and come back");
            return;
        }
    }
    if (!undoing) {
        form.btnUndoClick();
        QCoreApplication::processEvents();
    }
    for (auto _ : state) {
        if (undoing ? !stack.canUndo() : !stack.canRedo()) {
            state.SkipWithError("no step to take");
            break;
        }
        (form.*timed)();
        QCoreApplication::processEvents();
        state.PauseTiming();
        (form.*untimed)();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (stack.index() != (undoing ? kStoredEdits : kStoredEdits - 1)) {
        state.SkipWithError("the stack did not come back to where it was");
    }
}

void BM_UndoStep(benchmark::State& state) {
    TimeSteps(state, &TFormMain::btnUndoClick, &TFormMain::btnRedoClick, true);
}

void BM_RedoStep(benchmark::State& state) {
    TimeSteps(state, &TFormMain::btnRedoClick, &TFormMain::btnUndoClick, false);
}

// The number on the line of the child's output that starts with name.
bool ReadFigure(const std::string& output, const std::string& name, double& value) {
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word;
        if (words >> word && word == name && words >> value) {
            return true;
        }
    }
    return false;
}

// The memory of 1,000 steps in a child process: stored edits, or with
// "cars" cars removed and inserted.
void MeasureUndoMemory(benchmark::State& state, const std::vector<std::string>& extra) {
    if (LargestFile().empty()) {
        state.SkipWithError("cannot write the largest file");
        return;
    }
    std::vector<std::string> command{QUORVANE_UNDO_MEMORY, LargestFile()};
    command.insert(command.end(), extra.begin(), extra.end());
    for (auto _ : state) {
        const ChildRun run =
            RunChild(command, {"QT_QPA_PLATFORM=offscreen"}, ScratchFolder().string(),
                     kMemoryMeasured);
        double resident = 0;
        double heap = 0;
        double stack = 0;
        if (!run.sawMarker || run.exitCode != 0 || !ReadFigure(run.output, "resident", resident) ||
            !ReadFigure(run.output, "heap", heap) || !ReadFigure(run.output, "stack", stack)) {
            state.SkipWithError("the edits were not stored and measured");
            break;
        }
        state.SetIterationTime(run.seconds);
        state.counters["resident_bytes"] = resident;
        state.counters["heap_bytes"] = heap;
        state.counters["undo_stack_bytes"] = stack;
    }
}

void BM_UndoMemory(benchmark::State& state) {
    MeasureUndoMemory(state, {});
}

void BM_UndoMemoryCars(benchmark::State& state) {
    MeasureUndoMemory(state, {"cars"});
}

BENCHMARK(BM_UndoStep)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_RedoStep)->Repetitions(kRepetitions)->ReportAggregatesOnly();
BENCHMARK(BM_UndoMemory)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_UndoMemoryCars)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane::bench
