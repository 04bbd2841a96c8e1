// The remote page in chromium against the program's own server: the time from a GO tap on the
// page to the first sound at the sink, and from a click in a cue in the program to the page
// having drawn it (medians), and pictures of the page on a phone and a tablet.
// Usage: scenolux_webbench [--runs N] [--language Italiano] [--shots FOLDER]
#include "app/Paths.h"
#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "show/ShowMode.h"
#include "show/WebRemote.h"
#include "support/Browser.h"
#include "support/MediaFiles.h"
#include "support/SinkLatency.h"
#include "support/SoundOnset.h"
#include "support/Wav.h"
#include "ui/Form1.h"
#include "ui/Localization.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto option = [&](const char* name, const QString& fallback) {
        const qsizetype at = args.indexOf(QLatin1String(name));
        return at > 0 && at + 1 < args.size() ? args[at + 1] : fallback;
    };
    const int runs = std::max(1, option("--runs", QStringLiteral("20")).toInt());
    const QString language = option("--language", QStringLiteral("English"));
    const QString shots = option("--shots", QString());
    if (!SoundServerUp() || !Browser::Installed()) {
        std::fprintf(stderr, "needs the sound server and chromium\n");
        return 1;
    }
    QTemporaryDir media;
    const QString tone = media.filePath(QStringLiteral("Thunder.wav"));
    MakeWav(tone, 30, 440);
    const SinkLatencyHold keeper;
    NomeLingua = language + QStringLiteral(".lng");
    CaricaLingua(LanguageFolder() + QStringLiteral("/") + NomeLingua);
    // Cues name the media by file name, found in the current folder.
    QDir::setCurrent(media.path());
    Form1 form;
    form.lingua->CambiaLingua2();
    form.RTB->setText(QStringLiteral(
        "ACT ONE, SCENE 2. A room in the castle.\r\nHAMLET enters, reading.\r\n"
        "POLONIUS: What do you read, my lord?\r\nHAMLET: Words, words, words. [[Thunder.wav]]\r\n"
        "POLONIUS: What is the matter, my lord?\r\n[[FadeOut slow]]\r\nHAMLET: Between who?\r\n"
        "[[Stop Audio]]\r\nExeunt."));
    form.RTB->setSelStart(0);
    form.showMode->SetActive(true);
    form.webRemote->Start(0, false, QStringLiteral("24681357"));
    const QString url = form.webRemote->Address();
    Browser browser;
    if (!browser.ok() || !browser.open(url) ||
        !browser.waitFor(QStringLiteral("window.scenolux.renders > 0"))) {
        std::fprintf(stderr, "the page did not open\n");
        return 1;
    }
    const QString go = QStringLiteral("document.getElementById('go').click()");

    if (!shots.isEmpty()) {
        // A show running: the first cue played, the next on standby, the house at 80 %.
        form.core.masterVolume.SetValue(form.core.masterVolume.Max() * 8 / 10);
        browser.eval(go);
        ServeEventsFor(2500);
        const struct {
            const char* name;
            int width, height;
        } sizes[] = {{"phone", 390, 844}, {"tablet", 820, 1180}};
        for (const auto& size : sizes) {
            browser.setViewport(size.width, size.height);
            ServeEventsFor(300);
            browser.screenshot(QStringLiteral("%1/remote-%2-%3.png")
                                   .arg(shots, QLatin1String(size.name), language.toLower()));
        }
        return 0;
    }

    std::vector<double> toSound, toPage;
    for (int i = 0; i < runs; ++i) {
        form.audio->cmdStopA_Click();
        form.showMode->First();
        ServeEventsFor(500);
        toSound.push_back(HeardAfter([&] { browser.eval(go); }, 3000, 2000));
        form.audio->cmdStopA_Click();
        ServeEventsFor(300);

        // The page notes when it has drawn the new last cue, on the same clock as ours.
        browser.eval(QStringLiteral(
            "window.drawnAt = 0; new MutationObserver((m, o) => { o.disconnect(); "
            "requestAnimationFrame(() => { window.drawnAt = performance.timeOrigin + "
            "performance.now(); }); }).observe(document.getElementById('last'), "
            "{childList: true, characterData: true, subtree: true});"));
        const QString cue = i % 2 ? QStringLiteral("FadeOut slow") : QStringLiteral("Stop Audio");
        form.RTB->setSelStart(form.RTB->Text().indexOf(cue) + 1);
        const double clicked = QDateTime::currentMSecsSinceEpoch();
        form.cues->RTB_DblClick();
        browser.waitFor(QStringLiteral("window.drawnAt > 0"));
        toPage.push_back(browser.eval(QStringLiteral("window.drawnAt")).toDouble() - clicked);
        std::fprintf(stderr, "  GO to sound %.1f ms, change to page %.1f ms\n", toSound.back(),
                     toPage.back());
    }
    form.audio->cmdStopA_Click();
    std::printf("GO tap in the browser to first sound at the sink: median %.1f ms (%d runs)\n",
                Median(toSound), runs);
    std::printf("Click in a cue in the program to the page drawn: median %.1f ms (%d runs)\n",
                Median(toPage), runs);
    return 0;
}
