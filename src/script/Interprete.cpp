#include "script/Interprete.h"

#include "core/ScriptDocument.h"
#include "core/ShowState.h"
#include "core/Transport.h"
#include "media/AudioPlayer.h"
#include "media/BackgroundAudio.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/VbColor.h"

#include <cmath>
#include <functional>

QString DecimalText(double value) {
    return NumberText(value).trimmed();
}

namespace {
constexpr double kLongestSeek = 1e9; // seconds

// The command words, in the order the interpreter tries them.
// clang-format off
constexpr CommandWord kFadeInFast{{"fadein fast", "fade in fast"}, "FadeIn Fast"};
constexpr CommandWord kFadeInNormal{{"fadein normal", "fade in normal"}, "FadeIn Normal"};
constexpr CommandWord kFadeInSlow{{"fadein slow", "fade in slow"}, "FadeIn Slow"};
constexpr CommandWord kFadeIn{{"fadein", "fade in"}, "FadeIn"};
constexpr CommandWord kFadeOutFast{{"fadeout fast", "fade out fast"}, "FadeOut Fast"};
constexpr CommandWord kFadeOutNormal{{"fadeout normal", "fade out normal"}, "FadeOut Normal"};
constexpr CommandWord kFadeOutSlow{{"fadeout slow", "fade out slow"}, "FadeOut Slow"};
constexpr CommandWord kFadeOut{{"fadeout", "fade out"}, "FadeOut"};
constexpr CommandWord kImgOff{{"img off"}, "Img Off"};
constexpr CommandWord kImgOn{{"img on"}, "Img On"};
constexpr CommandWord kProjectorOn{{"projector on"}, "Projector On"};
constexpr CommandWord kProjectorOff{{"projector off"}, "Projector Off"};
constexpr CommandWord kPauseVideo{{"pause video"}, "Pause Video"};
constexpr CommandWord kPlayVideo{{"play video", "play vido"}, "Play Video"};
constexpr CommandWord kStopVideo{{"stop video"}, "Stop Video"};
constexpr CommandWord kBgPlayAudio{{"bg play audio"}, "bg Play Audio"};
constexpr CommandWord kBgStopAudio{{"bg stop audio"}, "bg Stop Audio"};
constexpr CommandWord kBgPauseAudio{{"bg pause audio"}, "bg Pause Audio"};
constexpr CommandWord kBgFadeIn{{"bg fade in"}, "bg Fade In"};
constexpr CommandWord kBgFadeOut{{"bg fade out"}, "bg Fade Out"};
constexpr CommandWord kBgLoop{{"bg loop"}, "bg Loop"};
constexpr CommandWord kPauseAudio{{"pause audio"}, "Pause Audio"};
constexpr CommandWord kPlayAudio{{"play audio"}, "Play Audio"};
constexpr CommandWord kStopAudio{{"stop audio"}, "Stop Audio"};

constexpr NumberCommandWord kVol{"vol", "Vol", 0, 100};
constexpr NumberCommandWord kSeekVideo{"seek video", "Seek Video", 0, kNoUpperBound};
constexpr NumberCommandWord kBgVol{"bg vol", "bg Vol", 0, 100};
constexpr NumberCommandWord kSeekAudio{"seek audio", "Seek Audio", 0, kNoUpperBound};

constexpr const CommandWord* kWords[] = {
    &kFadeInFast,
    &kFadeInNormal,
    &kFadeInSlow,
    &kFadeIn,
    &kFadeOutFast,
    &kFadeOutNormal,
    &kFadeOutSlow,
    &kFadeOut,
    &kImgOff,
    &kImgOn,
    &kProjectorOn,
    &kProjectorOff,
    &kPauseVideo,
    &kPlayVideo,
    &kStopVideo,
    &kBgPlayAudio,
    &kBgStopAudio,
    &kBgPauseAudio,
    &kBgFadeIn,
    &kBgFadeOut,
    &kBgLoop,
    &kPauseAudio,
    &kPlayAudio,
    &kStopAudio,
};
// clang-format on
constexpr const NumberCommandWord* kNumberWords[] = {&kVol, &kSeekVideo, &kBgVol, &kSeekAudio};

// The cue rewritten to hold its number at the end of the range it went past.
QString heldAt(const NumberCommandWord& word, double value) {
    return QString::fromLatin1(word.canonical) + u' ' + DecimalText(value);
}
} // namespace

std::span<const CommandWord* const> CommandWords() {
    return kWords;
}

std::span<const NumberCommandWord* const> NumberCommandWords() {
    return kNumberWords;
}

void Interprete::InterpretaComando(QString& text, int& start, int& end, bool execute) {
    bool recognised = false;
    executed_ = false;
    text = text.toLower();
    const bool videoPanel = p_.state.VideoLoaded();
    const bool audioPanel = p_.state.AudioLoaded();

    // One exact command word with its accepted spellings; acts on a click, or always.
    auto exact = [&](const CommandWord& word, const std::function<void()>& action,
                     bool actsWhenTyped = false) {
        if (recognised) return;
        for (const char* spelling : word.spellings) {
            if (spelling && text == QLatin1String(spelling)) {
                text = QString::fromLatin1(word.canonical);
                recognised = true;
                if (execute || actsWhenTyped) action();
                return;
            }
        }
    };
    // A prefix command: the canonical word followed by the rest of the text as it stands.
    auto prefix = [&](const NumberCommandWord& word) -> bool {
        if (recognised || !text.startsWith(QLatin1String(word.prefix))) return false;
        text = QString::fromLatin1(word.canonical) + text.mid(qsizetype(qstrlen(word.prefix)));
        recognised = true;
        return true;
    };
    const qsizetype volRest = qsizetype(qstrlen(kVol.canonical));

    VolumeFades& fades = p_.fades;
    exact(kFadeInFast, [&] { fades.Image4_Click(); });
    exact(kFadeInNormal, [&] { fades.Image5_Click(); });
    exact(kFadeInSlow, [&] { fades.Image6_Click(); });
    exact(kFadeIn, [&] { fades.Image4_Click(); });
    exact(kFadeOutFast, [&] { fades.Image7_Click(); });
    exact(kFadeOutNormal, [&] { fades.Image8_Click(); });
    exact(kFadeOutSlow, [&] { fades.Image9_Click(); });
    exact(kFadeOut, [&] { fades.Image7_Click(); });

    if (prefix(kVol) && execute) {
        double n = NumericValue(text.mid(volRest));
        if (n > kVol.high) text = heldAt(kVol, kVol.high);
        if (n < kVol.low) text = heldAt(kVol, kVol.low);
        n = NumericValue(text.mid(volRest));
        p_.setVolume(n);
    }

    exact(
        kImgOff, [&] { p_.showPicture(false); }, true);
    exact(
        kImgOn, [&] { p_.showPicture(true); }, true);

    if (videoPanel) {
        VideoPlayer& video = p_.video;
        exact(kProjectorOn, [&] { p_.state.SetProjectorRequested(true); });
        exact(kProjectorOff, [&] { p_.state.SetProjectorRequested(false); });
        exact(kPauseVideo, [&] {
            p_.videoTransport.SetPlaying(true);
            video.cmdPlayV_Click();
        });
        exact(kPlayVideo, [&] {
            p_.videoTransport.SetPlaying(false);
            video.cmdPlayV_Click();
        });
        exact(kStopVideo, [&] { video.cmdStopV_Click(); });
        if (prefix(kSeekVideo)) {
            const qsizetype rest = qsizetype(qstrlen(kSeekVideo.canonical));
            const double seconds = NumericValue(text.mid(rest));
            if (seconds < kSeekVideo.low) text = heldAt(kSeekVideo, kSeekVideo.low);
            if (execute) {
                video.lblContatoreV_Click(NumericValue(text.mid(rest)));
            }
        }
    }

    if (!recognised && text.startsWith(QLatin1String("bg "))) {
        MediaPlayerControl& player = p_.backgroundPlayer;
        BackgroundAudio& background = p_.background;
        exact(kBgPlayAudio, [&] { player.controls.play(); });
        exact(kBgStopAudio, [&] { player.controls.stop(); });
        exact(kBgPauseAudio, [&] { player.controls.pause(); });
        exact(kBgFadeIn, [&] { background.FadeIn(); });
        exact(kBgFadeOut, [&] { background.FadeOut(); });
        exact(kBgLoop, [&] { background.ToggleLoop(); });
        if (prefix(kBgVol) && execute) {
            const qsizetype rest = qsizetype(qstrlen(kBgVol.canonical));
            const double n = NumericValue(text.mid(rest));
            if (n > kBgVol.high) text = heldAt(kBgVol, kBgVol.high);
            if (n < kBgVol.low) text = heldAt(kBgVol, kBgVol.low);
            background.SetVolume(int(std::lround(NumericValue(text.mid(rest)))));
        }
    }

    if (audioPanel) {
        AudioPlayer& audio = p_.audio;
        exact(kPauseAudio, [&] {
            p_.audioTransport.SetPlaying(true);
            audio.cmdPlayA_Click();
        });
        exact(kPlayAudio, [&] {
            p_.audioTransport.SetPlaying(false);
            audio.cmdPlayA_Click();
        });
        exact(kStopAudio, [&] { audio.cmdStopA_Click(); });
        if (prefix(kSeekAudio)) {
            const qsizetype rest = qsizetype(qstrlen(kSeekAudio.canonical));
            const double seconds = NumericValue(text.mid(rest));
            if (seconds < kSeekAudio.low) text = heldAt(kSeekAudio, kSeekAudio.low);
            if (execute) {
                // Held to a finite number of milliseconds however large the cue's number is.
                audio.lblContatore_Click(
                    DecimalText(std::min(NumericValue(text.mid(rest)), kLongestSeek) * 1000.0));
            }
        }
    }

    if (!recognised) return;
    executed_ = execute;
    if (start < 1) return; // a cue from outside the script: nothing there to rewrite
    // Rewrite the cue's content, then colour it from "[[" through the closing bracket (both
    // brackets after a click, the one typed so far from the keystroke). The editor takes text
    // and a colour the cue already has as no edit: clicking through a show changes nothing in
    // the script and adds nothing to its edit history.
    p_.script.Replace(start - 1, end - start, text);
    p_.script.Colour(start - 3, int(text.size()) + (execute ? 4 : 3), kCueBlue);
}
