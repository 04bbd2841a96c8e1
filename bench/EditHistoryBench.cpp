// Cost of the edit history on a 2 MB script: one key press recorded, one Undo, and the
// memory that 10,000 typed characters add. Run: scripts/bench.sh --benchmark_filter=History.
#include "platform/widgets/RichTextBox.h"
#include "script/EditCommands.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

// About 2 MB of text: 36,000 lines of a play with a cue on each.
QString twoMegabyteScript() {
    QString text;
    for (int i = 0; text.size() < 2'000'000; ++i)
        text += QStringLiteral("Line %1: the actor crosses and says [[Play Audio]] here\n").arg(i);
    return text;
}

struct LargeScript {
    // Edits go to the middle of the script, or near its end (where the editor has little
    // text after the edit to lay out again).
    explicit LargeScript(bool history = true, bool nearTheEnd = false) {
        form.resize(1280, 800);
        form.show();
        form.RTB->setText(twoMegabyteScript());
        form.RTB->document()->setUndoRedoEnabled(history);
        form.edit->InizializzaAnnulla();
        // The editor lays a large script out in the background; measure once it has.
        form.RTB->document()->size();
        QApplication::processEvents();
        const int length = form.RTB->TextLength();
        form.RTB->setSelStart(nearTheEnd ? length - 2 : length / 2);
    }
    // One key press, through the editor's own key handling and the program's handlers.
    void typeOne() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(form.RTB, &press);
    }
    Form1 form;
};

void BM_HistoryRecordOneKeyPress(benchmark::State& state) {
    LargeScript s(true, state.range(0) != 0);
    for (auto _ : state)
        s.typeOne();
    state.counters["steps"] = double(state.iterations());
}
BENCHMARK(BM_HistoryRecordOneKeyPress)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(500)
    ->ArgName("nearTheEnd")
    ->Arg(0)
    ->Arg(1);

// The same key press with no history kept: the difference is what recording costs. The
// rest is the editor laying the script out again.
void BM_HistoryKeyPressWithoutHistory(benchmark::State& state) {
    LargeScript s(false, state.range(0) != 0);
    for (auto _ : state)
        s.typeOne();
}
BENCHMARK(BM_HistoryKeyPressWithoutHistory)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(500)
    ->ArgName("nearTheEnd")
    ->Arg(0)
    ->Arg(1);

void BM_HistoryMemoryOf10000KeyPresses(benchmark::State& state) {
    for (auto _ : state) {
        LargeScript s(true, true);
        // Resident memory: what the history, and the edits themselves, really occupy.
        const auto inUse = [] {
            QFile status(QStringLiteral("/proc/self/statm"));
            if (!status.open(QIODevice::ReadOnly)) return size_t(0);
            const QList<QByteArray> pages = status.readAll().split(' ');
            return pages.size() > 1 ? size_t(pages[1].toULongLong()) * 4096 : size_t(0);
        };
        const size_t before = inUse();
        for (int i = 0; i < 10000; ++i)
            s.typeOne();
        const size_t after = inUse();
        state.counters["added_MB"] = double(after - before) / (1024.0 * 1024.0);
        state.counters["undo_steps"] = s.form.RTB->document()->availableUndoSteps();
    }
}
BENCHMARK(BM_HistoryMemoryOf10000KeyPresses)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_HistoryOneUndo(benchmark::State& state) {
    LargeScript s(true, state.range(0) != 0);
    for (int i = 0; i < 500; ++i)
        s.typeOne();
    for (auto _ : state)
        s.form.edit->mnuAnnulla_Click();
}
BENCHMARK(BM_HistoryOneUndo)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(500)
    ->ArgName("nearTheEnd")
    ->Arg(0)
    ->Arg(1);

} // namespace
