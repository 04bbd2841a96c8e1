// Replace All in a large script: 40,000 formatted lines, about 2 MB of text, 10,000 matches.
// Run: scripts/bench.sh --benchmark_filter=ReplaceAll.
#include "BigScript.h"
#include "platform/widgets/RichTextBox.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 40000;
constexpr int kMatchEvery = 4; // lines

QString scriptPath() {
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/replace.snx");
}

// Every fourth line has the word to replace.
void makeScript() {
    static bool made = false;
    if (made) return;
    made = true;
    WriteBigScript(scriptPath(), kLines, [](int i) {
        return QStringLiteral(" %1: the actor says %2 ")
            .arg(i)
            .arg(i % kMatchEvery == 0 ? QStringLiteral("thunder") : QStringLiteral("nothing"));
    });
}

void BM_ReplaceAll10000Matches(benchmark::State& state) {
    makeScript();
    RichTextBox box;
    int replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        box.LoadFile(scriptPath());
        box.document()->setUndoRedoEnabled(true); // as the edit history will have it
        state.ResumeTiming();
        replaced = box.ReplaceAll(QStringLiteral("thunder"), QStringLiteral("lightning"), 0,
                                  RichTextBox::rtfWholeWord);
    }
    state.counters["matches"] = replaced;
    state.counters["chars"] = box.TextLength();
}
BENCHMARK(BM_ReplaceAll10000Matches)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
