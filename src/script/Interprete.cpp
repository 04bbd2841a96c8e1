#include "script/Interprete.h"

#include "display/Monitors.h"
#include "display/ZoomWindow.h"
#include "media/AudioPlayer.h"
#include "media/BackgroundAudio.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/RichTextBox.h"
#include "platform/VbColor.h"
#include "script/CueLookup.h"
#include "ui/Form1.h"

#include <cmath>
#include <functional>
#include <initializer_list>

QString DecimalText(double value) {
    return NumberText(value).trimmed();
}

namespace {
constexpr double kLongestSeek = 1e9; // seconds
} // namespace

void Interprete::InterpretaComando(QString& text, int& start, int& end, bool execute) {
    bool recognised = false;
    text = text.toLower();
    const bool videoPanel = form_.Picture3->Visible();
    const bool audioPanel = form_.lblWMP1->Visible();

    // One exact command word with its accepted spellings; acts on a click, or always.
    auto exact = [&](std::initializer_list<const char*> spellings, const char* canonical,
                     const std::function<void()>& action, bool actsWhenTyped = false) {
        if (recognised) return;
        for (const char* spelling : spellings) {
            if (text == QLatin1String(spelling)) {
                text = QString::fromLatin1(canonical);
                recognised = true;
                if (execute || actsWhenTyped) action();
                return;
            }
        }
    };
    // A prefix command: the canonical word followed by the rest of the text as it stands.
    auto prefix = [&](const char* word, const char* canonical) -> bool {
        if (recognised || !text.startsWith(QLatin1String(word))) return false;
        text = QString::fromLatin1(canonical) + text.mid(qsizetype(qstrlen(word)));
        recognised = true;
        return true;
    };
    const qsizetype volRest = 3;

    VolumeFades& fades = *form_.volume;
    exact({"fadein fast", "fade in fast"}, "FadeIn Fast", [&] { fades.Image4_Click(); });
    exact({"fadein normal", "fade in normal"}, "FadeIn Normal", [&] { fades.Image5_Click(); });
    exact({"fadein slow", "fade in slow"}, "FadeIn Slow", [&] { fades.Image6_Click(); });
    exact({"fadein", "fade in"}, "FadeIn", [&] { fades.Image4_Click(); });
    exact({"fadeout fast", "fade out fast"}, "FadeOut Fast", [&] { fades.Image7_Click(); });
    exact({"fadeout normal", "fade out normal"}, "FadeOut Normal", [&] { fades.Image8_Click(); });
    exact({"fadeout slow", "fade out slow"}, "FadeOut Slow", [&] { fades.Image9_Click(); });
    exact({"fadeout", "fade out"}, "FadeOut", [&] { fades.Image7_Click(); });

    if (prefix("vol", "Vol") && execute) {
        double n = NumericValue(text.mid(volRest));
        if (n > 100) text = QStringLiteral("Vol 100");
        if (n < 0) text = QStringLiteral("Vol 0");
        n = NumericValue(text.mid(volRest));
        setVolume(n);
    }

    exact(
        {"img off"}, "Img Off",
        [&] {
            if (form_.imgZoom->Visible()) form_.imgZoom->setVisible(false);
            PictureBox* picture = form_.ZoomWindow().Image1;
            if (picture->Visible()) picture->setVisible(false);
        },
        true);
    exact(
        {"img on"}, "Img On",
        [&] {
            if (form_.Monitors->Count() > 1) {
                PictureBox* picture = form_.ZoomWindow().Image1;
                if (!picture->Visible()) picture->setVisible(true);
            } else if (!form_.imgZoom->Visible()) {
                form_.imgZoom->setVisible(true);
            }
        },
        true);

    if (videoPanel) {
        VideoPlayer& video = *form_.video;
        exact({"projector on"}, "Projector On", [&] { form_.Check1->setValue(1); });
        exact({"projector off"}, "Projector Off", [&] { form_.Check1->setValue(0); });
        exact({"pause video"}, "Pause Video", [&] {
            form_.playV->set(true);
            video.cmdPlayV_Click();
        });
        exact({"play video", "play vido"}, "Play Video", [&] {
            form_.playV->set(false);
            video.cmdPlayV_Click();
        });
        exact({"stop video"}, "Stop Video", [&] { video.cmdStopV_Click(); });
        if (prefix("seek video", "Seek Video")) {
            const qsizetype rest = 10;
            const double seconds = NumericValue(text.mid(rest));
            if (seconds < 0) text = QStringLiteral("Seek Video 0");
            if (execute) {
                form_.lblContatoreV->Tag = DecimalText(NumericValue(text.mid(rest)));
                video.lblContatoreV_Click();
            }
        }
    }

    if (!recognised && text.startsWith(QLatin1String("bg "))) {
        MediaPlayerControl& player = *form_.WMP3;
        BackgroundAudio& background = *form_.background;
        exact({"bg play audio"}, "bg Play Audio", [&] { player.controls.play(); });
        exact({"bg stop audio"}, "bg Stop Audio", [&] { player.controls.stop(); });
        exact({"bg pause audio"}, "bg Pause Audio", [&] { player.controls.pause(); });
        exact({"bg fade in"}, "bg Fade In", [&] { background.FadeIn(); });
        exact({"bg fade out"}, "bg Fade Out", [&] { background.FadeOut(); });
        exact({"bg loop"}, "bg Loop", [&] { background.ToggleLoop(); });
        if (prefix("bg vol", "bg Vol") && execute) {
            const qsizetype rest = 6;
            const double n = NumericValue(text.mid(rest));
            if (n > 100) text = QStringLiteral("bg Vol 100");
            if (n < 0) text = QStringLiteral("bg Vol 0");
            background.SetVolume(int(std::lround(NumericValue(text.mid(rest)))));
        }
    }

    if (audioPanel) {
        AudioPlayer& audio = *form_.audio;
        exact({"pause audio"}, "Pause Audio", [&] {
            form_.playA->set(true);
            audio.cmdPlayA_Click();
        });
        exact({"play audio"}, "Play Audio", [&] {
            form_.playA->set(false);
            audio.cmdPlayA_Click();
        });
        exact({"stop audio"}, "Stop Audio", [&] { audio.cmdStopA_Click(); });
        if (prefix("seek audio", "Seek Audio")) {
            const qsizetype rest = 10;
            const double seconds = NumericValue(text.mid(rest));
            if (seconds < 0) text = QStringLiteral("Seek Audio 0");
            if (execute) {
                // Held to a finite number of milliseconds however large the cue's number is.
                form_.lblContatore->Tag =
                    DecimalText(std::min(NumericValue(text.mid(rest)), kLongestSeek) * 1000.0);
                audio.lblContatore_Click();
            }
        }
    }

    if (!recognised) return;
    if (execute) form_.cues->ComandoEseguito = true;
    if (start < 1) return; // a cue from outside the script: nothing there to rewrite
    // Rewrite the cue's content, then colour it from "[[" through the closing bracket (both
    // brackets after a click, the one typed so far from the keystroke). The editor takes text
    // and a colour the cue already has as no edit: clicking through a show changes nothing in
    // the script and adds nothing to its edit history.
    RichTextBox& rtb = *form_.RTB;
    rtb.setSelStart(start - 1);
    rtb.setSelLength(end - start);
    rtb.setSelText(text);
    rtb.setSelStart(start - 3);
    rtb.setSelLength(int(text.size()) + (execute ? 4 : 3));
    rtb.setSelColor(kCueBlue);
}

void Interprete::setVolume(double percent) {
    PictureBox& knob = *form_.Image2;
    PictureBox& track = *form_.Image3;
    const double top = RoundInt(track.Top());
    const double bottom = RoundInt(track.Top() + track.Height() - knob.Height());
    knob.setTop(bottom - (bottom - top) / 100.0 * percent);
    form_.volume->TagFromKnob();
    form_.volume->ImpostaVolume();
    form_.Label6->setCaption(DecimalText(percent));
}
