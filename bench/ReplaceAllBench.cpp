// Replace All in a large script: 40,000 formatted lines, about 2 MB of text, 10,000 matches.
// Run: scripts/bench.sh --benchmark_filter=ReplaceAll.
#include "platform/RichTextBox.h"
#include "platform/VbColor.h"
#include "platform/rtf/Rtf.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 40000;
constexpr int kMatchEvery = 4; // lines

QString scriptPath() {
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/replace.snx");
}

// Every line has a bold word and a blue cue; every fourth line has the word to replace.
void makeScript() {
    static bool made = false;
    if (made) return;
    made = true;
    QTextDocument doc;
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
        cursor.insertText(QStringLiteral(" %1: the actor says ").arg(i), plain);
        cursor.insertText(
            i % kMatchEvery == 0 ? QStringLiteral("thunder ") : QStringLiteral("nothing "), plain);
        cursor.insertText(QStringLiteral("[[Play Audio]]"), blue);
    }
    QFile file(scriptPath());
    if (file.open(QIODevice::WriteOnly)) file.write(rtf::Write(&doc));
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
