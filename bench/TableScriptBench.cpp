// Speed of opening a prompt book written as tables, as word processors make them: two-column
// tables (the play's text on the left, cues on the right), about 2 MB of RTF, either a table per
// scene or the whole play in one table.
// Run: scripts/bench.sh --benchmark_filter=TableScript.
#include "platform/widgets/RichTextBox.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Writes the script once per shape: scenes tables of rowsPerScene rows.
QString tableScriptPath(int scenes, int rowsPerScene) {
    static QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/tables-%1.rtf").arg(scenes);
    if (QFile::exists(file)) return file;
    {
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New "
                         "Roman;}{\\f1\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue255;}\r\n";
        const QByteArray row = "\\trowd\\trgaph108\\trleft-108\\clbrdrt\\brdrs\\brdrw10\\clbrdrb"
                               "\\brdrs\\brdrw10\\cellx5400\\clbrdrt\\brdrs\\brdrw10\\clbrdrb"
                               "\\brdrs\\brdrw10\\cellx9000\r\n";
        for (int scene = 1; scene <= scenes; ++scene) {
            rtf += "\\pard\\qc\\b Scene " + QByteArray::number(scene) + "\\b0\\par\r\n";
            for (int r = 0; r < rowsPerScene; ++r) {
                rtf += row;
                rtf += "\\pard\\intbl\\f0 {\\b HAMLET.} Line " + QByteArray::number(r) +
                       ": to be, or not to be, that is the question; whether 'tis nobler in "
                       "the mind to suffer\\cell\r\n\\pard\\intbl\\f1 ";
                if (r % 3 == 0)
                    rtf += "{\\cf1 [[music\\\\scene" + QByteArray::number(scene) + "-" +
                           QByteArray::number(r) + ".mp3]]}";
                rtf += "\\cell\r\n\\pard\\intbl\\row\r\n";
            }
            rtf += "\\pard\\par\r\n";
        }
        rtf += "}\r\n";
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) out.write(rtf);
    }
    return file;
}

QString sceneTables() {
    return tableScriptPath(50, 130);
}
QString oneTable() {
    return tableScriptPath(1, 6500);
}

void BM_LoadTableScript(benchmark::State& state) {
    const QString path = sceneTables();
    for (auto _ : state) {
        RichTextBox box;
        benchmark::DoNotOptimize(box.LoadFile(path));
    }
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(BM_LoadTableScript)->Unit(benchmark::kMillisecond)->Iterations(5);

// Opened in a box on screen and drawn once: what the operator waits for.
void LoadShown(benchmark::State& state, const QString& path) {
    RichTextBox box;
    box.resize(1000, 700);
    box.show();
    QApplication::processEvents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(box.LoadFile(path));
        QApplication::processEvents();
    }
}
void BM_LoadTableScriptShown(benchmark::State& state) {
    LoadShown(state, sceneTables());
}
BENCHMARK(BM_LoadTableScriptShown)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadOneTableScriptShown(benchmark::State& state) {
    LoadShown(state, oneTable());
}
BENCHMARK(BM_LoadOneTableScriptShown)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveTableScript(benchmark::State& state) {
    RichTextBox box;
    box.LoadFile(sceneTables());
    QTemporaryDir dir;
    const QString out = dir.path() + QStringLiteral("/saved.rtf");
    for (auto _ : state)
        benchmark::DoNotOptimize(box.SaveFile(out));
}
BENCHMARK(BM_SaveTableScript)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
