// Time from a click in a cue to the interpreter's decision, in a 1 MB script: the click
// handler scans to the cue's brackets, interprets it and rewrites it in blue.
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "ui/Form1.h"

#include <benchmark/benchmark.h>

namespace {

// About 1 MB: lines of dialogue with a cue every fifth line.
QString bigScript() {
    QString text;
    for (int i = 0; text.size() < 1'000'000; ++i) {
        text += QStringLiteral("Line %1: the actor crosses the stage and speaks").arg(i);
        if (i % 5 == 0) text += QStringLiteral(" [[fadein]]");
        text += QStringLiteral("\r\n");
    }
    return text + QStringLiteral("Last cue: [[FadeOut Slow]] curtain.");
}

void BM_ClickCommandCueNearTheEnd(benchmark::State& state) {
    Form1 form;
    form.RTB->setText(bigScript());
    const int caret = form.RTB->TextLength() - 14; // inside the last cue
    for (auto _ : state) {
        form.RTB->setSelStart(caret);
        form.cues->RTB_Click();
    }
    state.counters["script_chars"] = form.RTB->TextLength();
}
BENCHMARK(BM_ClickCommandCueNearTheEnd)->Unit(benchmark::kMicrosecond);

void BM_ClickOutsideAnyCue(benchmark::State& state) {
    Form1 form;
    form.RTB->setText(bigScript());
    const int caret = form.RTB->TextLength() / 2;
    for (auto _ : state) {
        form.RTB->setSelStart(caret);
        form.cues->RTB_Click();
    }
}
BENCHMARK(BM_ClickOutsideAnyCue)->Unit(benchmark::kMicrosecond);

} // namespace
