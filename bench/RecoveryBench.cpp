// The recovery copy of a 2 MB script (24,000 formatted lines) written after one edit: the time
// the window does not answer while a copy is made.
#include "BigScript.h"
#include "app/Recovery.h"
#include "platform/widgets/RichTextBox.h"
#include "ui/Form1.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_RecoveryCopy(benchmark::State& state) {
    QTemporaryDir folder;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path()));
    const QString script = folder.path() + QStringLiteral("/big.snx");
    WriteBigScript(script, 24000,
                   [](int i) { return QStringLiteral(" %1: the actor crosses and says ").arg(i); });
    {
        Form1 form;
        form.OpenCommandLineScript(script);
        for (auto _ : state) {
            state.PauseTiming();
            form.RTB->setSelStart(0);
            form.RTB->setSelText(QStringLiteral("x"));
            state.ResumeTiming();
            form.recovery->WriteCopy();
        }
        state.counters["bytes"] = double(QFileInfo(form.recovery->CopyPath()).size());
        form.recovery->Remove();
    }
    qputenv("XDG_DATA_HOME", dataHome);
}
BENCHMARK(BM_RecoveryCopy)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
