#include "media/MediaRouting.h"

#include "app/Paths.h"
#include "display/Monitors.h"
#include "display/Projector.h"
#include "display/ProjectorWindow.h"
#include "display/ZoomWindow.h"
#include "media/AudioPlayer.h"
#include "media/VideoPlayer.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/RichTextBox.h"
#include "platform/StoredPaths.h"
#include "script/CueLookup.h"
#include "ui/Form1.h"
#include "ui/WindowVisuals.h"

#include <QFileInfo>
#include <QPixmap>

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
    Form1& f = form_;
    if (midi) {
        f.core.state.SetProjectorRequested(false);
        f.Check1->setVisible(false);
        f.Label5->setVisible(false);
        f.Shape6->setHeight(1185);
    } else {
        TwipsGeometry(f.WMP2).setVisible(false);
        f.imgZoom->setVisible(false);
        f.Check1->setVisible(true);
        f.Label5->setVisible(true);
        f.Shape6->setHeight(1425);
    }
    f.core.state.SetVideoLoaded(true);
    f.TipoMedia = 2;
    TitoloVideo(path);
    f.RTB->Tag = QStringLiteral("V");
    f.lblContatoreV->setWidth(f.Shape8->Width());
    const QString url = f.cues->CueCorrente();
    const bool projectorMode = f.core.state.ProjectorRequested() && f.Monitors->Count() > 1;
    MediaPlayerControl& player = projectorMode ? *f.ProjectorWindow().WMP1 : *f.WMP2;
    if (player.URL() == url) return; // the same file again keeps its position and state
    if (projectorMode)
        f.projector->CaricaSulProiettore(url);
    else
        f.WMP2->setURL(url);
    f.video->NewFile();
}

void MediaRouting::loadImage(const QString& path) {
    Form1& f = form_;
    // A picture goes over the video output; the players are left as they are, so a picture
    // cue never stops what the operator is playing.
    f.imgZoom->setVisible(false);
    frmZoom& zoom = f.ZoomWindow();
    zoom.Image1->LoadPicture(NativePath(path)); // an unreadable picture keeps the previous one
    zoom.Adatta();                              // a new picture is fitted at once
    if (f.Monitors->Count() > 1) {
        f.projector->MostraImmagine();
        return;
    }
    // One monitor: the picture goes in the video panel's place, fitted with its proportions.
    const QPixmap picture = zoom.Image1->Picture();
    const double w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0) return;
    const double panel = f.Picture3->Width();
    double boxWidth, boxHeight;
    if (h < w) {
        boxWidth = panel;
        boxHeight = panel / w * h;
    } else {
        boxHeight = panel / 4 * 3;
        boxWidth = boxHeight / h * w;
    }
    // The video's own window would cover the picture; a video playing goes on unseen.
    TwipsGeometry(f.WMP2).setVisible(false);
    f.imgZoom->setPicture(picture);
    f.imgZoom->Move((panel - boxWidth) / 2 + f.Picture3->Left(), f.VideoOutputTop(), boxWidth,
                    boxHeight);
    f.imgZoom->setVisible(true);
    f.imgZoom->raise();
    f.RTB->Tag = QStringLiteral("I");
}

void MediaRouting::loadAudio(const QString& name) {
    Form1& f = form_;
    if (f.imgZoom->Visible()) f.imgZoom->setVisible(false);
    f.RTB->Tag = QStringLiteral("A");
    f.TipoMedia = 1;
    f.Label4->setVisible(true);
    f.Shape2->setVisible(true);
    mci().mciSendString(QStringLiteral("close all"));
    const long code = mci().mciSendString(QStringLiteral("open ") + MciQuoted(name) +
                                          QStringLiteral(" ALIAS wav1"));
    if (code != 0) f.audio->Errore(code, name);
    for (PictureBox* button : {f.cmdPlayA, f.cmdStopA, f.cmdForA, f.cmdBacA}) {
        button->setEnabled(true);
        button->setVisible(true);
    }
    f.core.state.SetAudioLoaded(true);
    f.Shape9->setVisible(true);
    f.audio->cmdPlayA_Click();
    f.audio->cmdStopA_Click();
    f.visuals->cmdPlayA_MouseMove(0, 0, 0, 0);
}

void MediaRouting::TitoloVideo(const QString& path) {
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (cut < 0) return;
    const QString base = path.mid(cut + 1).chopped(qMin<qsizetype>(4, path.size() - cut - 1));
    const QString end = path.right(4).toLower();
    const bool midi = end == QLatin1String(".mid") || end == QLatin1String(".kar");
    form_.Label8->setCaption((midi ? QStringLiteral("MIDI - ") : QStringLiteral("Video - ")) +
                             base);
}
