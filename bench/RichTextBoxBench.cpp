// Speed of the script editor on a large script: 40,000 formatted lines, about 2 MB of RTF.
// Run: scripts/bench.sh.
#include "BigScript.h"
#include "platform/widgets/RichTextBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 40000;

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString scriptPath() {
    return folder().path() + QStringLiteral("/big.snx");
}

// Builds the large script once: every line has a bold word and a blue cue.
void makeScript() {
    static bool made = false;
    if (made) return;
    made = true;
    WriteBigScript(scriptPath(), kLines,
                   [](int i) { return QStringLiteral(" %1: the actor crosses and says ").arg(i); });
}

void BM_LoadFile(benchmark::State& state) {
    makeScript();
    for (auto _ : state) {
        RichTextBox box;
        benchmark::DoNotOptimize(box.LoadFile(scriptPath()));
    }
    state.counters["bytes"] = double(QFileInfo(scriptPath()).size());
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same script opened in a box on screen, drawn once: what the operator waits for.
void BM_LoadFileShown(benchmark::State& state) {
    makeScript();
    RichTextBox box;
    box.resize(1000, 700);
    box.show();
    QApplication::processEvents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(box.LoadFile(scriptPath()));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LoadFileShown)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveFile(benchmark::State& state) {
    makeScript();
    RichTextBox box;
    box.LoadFile(scriptPath());
    const QString out = folder().path() + QStringLiteral("/saved.snx");
    for (auto _ : state)
        benchmark::DoNotOptimize(box.SaveFile(out));
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadText(benchmark::State& state) {
    makeScript();
    RichTextBox box;
    box.LoadFile(scriptPath());
    for (auto _ : state) {
        // A one-character edit first, so every read builds the text anew.
        state.PauseTiming();
        box.setSelStart(0);
        box.setSelText(QStringLiteral("x"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(box.Text().size());
    }
}
BENCHMARK(BM_ReadText)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_SetSelStartNearTheEnd(benchmark::State& state) {
    makeScript();
    RichTextBox box;
    box.LoadFile(scriptPath());
    const int end = box.TextLength();
    box.setSelStart(end - 10); // the first move lays the text out up to there
    int i = 0;
    for (auto _ : state) {
        box.setSelStart(end - 100 - (i++ % 50));
    }
}
BENCHMARK(BM_SetSelStartNearTheEnd)->Unit(benchmark::kMicrosecond);

void BM_GetSelStartNearTheEnd(benchmark::State& state) {
    makeScript();
    RichTextBox box;
    box.LoadFile(scriptPath());
    box.setSelStart(box.TextLength() - 100);
    for (auto _ : state)
        benchmark::DoNotOptimize(box.SelStart());
}
BENCHMARK(BM_GetSelStartNearTheEnd)->Unit(benchmark::kMicrosecond);

} // namespace
