#include "media/MediaRouting.h"

#include "app/Paths.h"
#include "core/ShowState.h"
#include "core/Transport.h"
#include "core/VideoOutputs.h"
#include "display/Projector.h"
#include "media/AudioPlayer.h"
#include "media/VideoPlayer.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/StoredPaths.h"

#include <QFileInfo>

MediaRouting::MediaRouting(ShowState& state, Transport& audio, Transport& video,
                           VideoOutputs& outputs, Players players)
    : state_(state), audio_(audio), video_(video), outputs_(outputs), players_(std::move(players)) {
}

MediaRouting::Kind MediaRouting::Classify(const QString& name) {
    const QString end = name.toLower().right(4);
    for (const char* video :
         {".mpg", ".avi", ".flv", ".mp4", ".ogv", "mpeg", ".mov", ".mkv", ".vob", ".wmv"})
        if (end == QLatin1String(video)) return Kind::Video;
    if (end == QLatin1String(".mid") || end == QLatin1String(".kar")) return Kind::Midi;
    if (end == QLatin1String(".jpg") || end == QLatin1String(".bmp")) return Kind::Image;
    return Kind::Audio;
}

void MediaRouting::vai(const QString& path) {
    // The file opened keeps the name's case (file names are case-sensitive here); only the
    // ending is read in lower case.
    QString name = NativePath(path);
    if (!QFileInfo::exists(name)) {
        if (QFileInfo::exists(ProgramFolder() + name)) name = ProgramFolder() + name;
        if (QFileInfo::exists(ProgramFolder() + u'/' + name)) name = ProgramFolder() + u'/' + name;
    }
    switch (Classify(name)) {
    case Kind::Video:
        loadVideo(path, false);
        break;
    case Kind::Midi:
        loadVideo(path, true);
        break;
    case Kind::Image:
        loadImage(path);
        break;
    case Kind::Audio:
        loadAudio(name);
        break;
    }
}

void MediaRouting::loadVideo(const QString& path, bool midi) {
    if (midi) {
        state_.SetProjectorRequested(false);
    } else {
        outputs_.ShowPanelOutput(false);
        outputs_.HidePanelPicture();
    }
    // MIDI has no picture: the panel offers no projector.
    video_.MediumLoaded(!midi);
    state_.SetVideoLoaded(true);
    state_.TipoMedia = 2;
    TitoloVideo(path);
    state_.SetLastLoaded(ShowState::Loaded::Video);
    const QString url = state_.CueCorrente();
    const bool projectorMode = Projector::ProjectorMode(state_, outputs_);
    MediaPlayerControl& player =
        projectorMode ? outputs_.ProjectorPlayer() : outputs_.PanelPlayer();
    if (player.URL() == url) return; // the same file again keeps its position and state
    if (projectorMode)
        players_.projector().CaricaSulProiettore(url);
    else
        outputs_.PanelPlayer().setURL(url);
    players_.video().NewFile();
}

void MediaRouting::loadImage(const QString& path) {
    // A picture goes over the video output; the players are left as they are, so a picture
    // cue never stops what the operator is playing.
    outputs_.HidePanelPicture();
    outputs_.LoadPicture(NativePath(path));
    if (outputs_.MonitorCount() > 1) {
        players_.projector().MostraImmagine();
        return;
    }
    if (outputs_.ShowPictureInPanel()) state_.SetLastLoaded(ShowState::Loaded::Picture);
}

void MediaRouting::loadAudio(const QString& name) {
    outputs_.HidePanelPicture();
    state_.SetLastLoaded(ShowState::Loaded::Audio);
    state_.TipoMedia = 1;
    // The same file opened ahead (show mode's standby) is taken over: the file that played is
    // closed and the GO has nothing left to open. A file opened ahead for another cue stays.
    const QString ready = QString::fromLatin1(kReadyAlias);
    QString readyFile;
    mci().mciSendString(QStringLiteral("close wav1"));
    long code = 0;
    if (mci().mciSendString(QStringLiteral("info ") + ready + QStringLiteral(" file"),
                            &readyFile) != 0 ||
        readyFile != QFileInfo(name).absoluteFilePath() ||
        mci().mciSendString(QStringLiteral("rename ") + ready + QStringLiteral(" to wav1")) != 0)
        code = mci().mciSendString(QStringLiteral("open ") + MciQuoted(name) +
                                   QStringLiteral(" ALIAS wav1"));
    AudioPlayer& audio = players_.audio();
    if (code != 0) audio.Errore(code, name);
    // The panel shows its track and buttons (also for a file that did not open).
    audio_.MediumLoaded(false);
    state_.SetAudioLoaded(true);
    audio.cmdPlayA_Click();
    audio.cmdStopA_Click();
}

void MediaRouting::TitoloVideo(const QString& path) {
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (cut < 0) return;
    const QString base = path.mid(cut + 1).chopped(qMin<qsizetype>(4, path.size() - cut - 1));
    const QString end = path.right(4).toLower();
    const bool midi = end == QLatin1String(".mid") || end == QLatin1String(".kar");
    video_.SetTitle((midi ? QStringLiteral("MIDI - ") : QStringLiteral("Video - ")) + base);
}
