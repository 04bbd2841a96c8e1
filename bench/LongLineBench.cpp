// A script that is one unbroken word of 2 MB: how long it takes to load and to click in.
// Run: scripts/bench.sh --benchmark_filter=LongLine.
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString longWordScript(QTemporaryDir& dir) {
    const QString path = dir.path() + QStringLiteral("/word.txt");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QByteArray word(qEnvironmentVariableIntValue("WORD_LENGTH") > 0
                            ? qEnvironmentVariableIntValue("WORD_LENGTH")
                            : 2'000'000,
                        'a');
        word.insert(word.size() / 2, "[[Play Audio]]");
        file.write(word);
    }
    return path;
}

// Resident memory of the process, in bytes.
size_t residentBytes() {
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> pages = status.readAll().split(' ');
    return pages.size() > 1 ? size_t(pages[1].toULongLong()) * 4096 : 0;
}

void BM_LongLineLoad(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = longWordScript(dir);
    for (auto _ : state) {
        Form1 form;
        form.resize(1280, 800);
        form.show();
        state.PauseTiming(); // the empty window drawn first, for the memory baseline
        QApplication::processEvents();
        const size_t before = residentBytes();
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.RTB->LoadFile(path));
        form.RTB->document()->size(); // laid out
        QApplication::processEvents();
        // What the loaded script keeps in memory: its text, the document and its layout.
        state.counters["held_MB"] = double(residentBytes() - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_LongLineLoad)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LongLineClick(benchmark::State& state) {
    QTemporaryDir dir;
    Form1 form;
    form.resize(1280, 800);
    form.show();
    form.RTB->LoadFile(longWordScript(dir));
    form.RTB->document()->size();
    QApplication::processEvents();
    for (auto _ : state) {
        form.RTB->setSelStart(1'000'005);
        form.cues->RTB_Click();
    }
}
BENCHMARK(BM_LongLineClick)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
