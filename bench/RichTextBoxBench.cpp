// Speed of the script editor on a large script: 40,000 formatted lines, about 2 MB of RTF.
// Run: scripts/bench.sh.
#include "platform/RichTextBox.h"
#include "platform/VbColor.h"
#include "platform/rtf/Rtf.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
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

// Builds the large script once: every line has a bold word and a blue cue. It is formatted
// in a document of its own, which no editor lays out, and written with the RTF writer.
void makeScript() {
    static bool made = false;
    if (made) return;
    made = true;
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    QTextCursor cursor(&doc);
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Arial")});
    plain.setFontPointSize(12);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat blue = plain;
    blue.setForeground(ColorFromRgbValue(RGB(0, 0, 255)));
    for (int i = 0; i < kLines; ++i) {
        if (i > 0) cursor.insertBlock();
        cursor.insertText(QStringLiteral("Line"), bold);
        cursor.insertText(QStringLiteral(" %1: the actor crosses and says ").arg(i), plain);
        cursor.insertText(QStringLiteral("[[Play Audio]]"), blue);
        cursor.insertText(QStringLiteral(" here"), plain);
    }
    QFile file(scriptPath());
    if (file.open(QIODevice::WriteOnly)) file.write(rtf::Write(&doc));
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
