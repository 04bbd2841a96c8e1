// Every ending the routing table names and the add-media dialog offers, made for real by
// ffmpeg and played through its own player, heard at the sound server.
#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "platform/MediaPlayerControl.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "support/MediaFiles.h"
#include "support/SinkLatency.h"
#include "ui/Form1.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A second of a loud tone, with a moving picture when the format holds video.
bool makeWithFfmpeg(const QString& path, bool video, const QStringList& codecs) {
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) return false;
    QStringList args = {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y")};
    if (video)
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("testsrc=duration=1.5:size=160x120:rate=25");
    args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
         << QStringLiteral("aevalsrc=0.8*sin(2*PI*440*t):d=1.5:s=44100") << codecs
         << QStringLiteral("-shortest") << path;
    QProcess p;
    p.start(ffmpeg, args);
    return p.waitForFinished(30000) && p.exitCode() == 0;
}

struct Format {
    const char* name; // the file name; its ending picks the player
    bool video;
    const char* codecs;
};

// The same kinds of content as real shows bring in each container.
const Format kFormats[] = {
    {"tone.mp3", false, "-c:a libmp3lame"},
    {"tone.wav", false, "-c:a pcm_s16le"},
    {"tone.wma", false, "-c:a wmav2"},
    {"tone.mka", false, "-c:a libvorbis"},
    {"camera.mts", true, "-f mpegts -c:v libx264 -c:a ac3"}, // AVCHD: an audio ending here
    {"clip.mpg", true, "-f mpeg -c:v mpeg1video -c:a mp2"},
    {"clip.mpeg", true, "-f mpeg -c:v mpeg2video -c:a mp2"},
    {"clip.avi", true, "-c:v mpeg4 -c:a libmp3lame"},
    {"clip.flv", true, "-c:v flv -c:a libmp3lame"},
    {"clip.mp4", true, "-c:v libx264 -c:a aac"},
    {"clip.ogv", true, "-c:v libtheora -c:a libvorbis"},
    {"clip.mov", true, "-c:v libx264 -c:a aac"},
    {"clip.mkv", true, "-c:v libx264 -c:a libvorbis"},
    {"clip.vob", true, "-f vob -c:v mpeg2video -c:a ac3"},
    {"clip.wmv", true, "-c:v wmv2 -c:a wmav2"},
};

struct FormatForm {
    FormatForm() {
        Lingua[7] = QStringLiteral("Play");
        Lingua[8] = QStringLiteral("Pausa");
        form.playA->set(false);
        form.playV->set(false);
        form.WMP2->player().settings.setVolume(100);
    }
    void load(const QString& file) {
        form.Label11->setVisible(false);
        form.cues->setCueCorrente(file);
        form.routing->vai(file);
    }
    QTemporaryDir dir;
    Form1 form;
};

} // namespace

TEST(Formats, EveryMediaEndingPlaysAndIsHeard) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    FormatForm t;
    for (const Format& f : kFormats) {
        const QString file = t.dir.path() + u'/' + QLatin1String(f.name);
        ASSERT_TRUE(makeWithFfmpeg(file, f.video, QString::fromLatin1(f.codecs).split(u' ')))
            << f.name;
        t.load(file);
        const bool audio = MediaRouting::Classify(file) == MediaRouting::Kind::Audio;
        if (audio) {
            t.form.audio->cmdPlayA_Click();
            EXPECT_TRUE(WaitFor([&] { return t.form.audio->CurPos() > 200; })) << f.name;
        } else {
            t.form.video->cmdPlayV_Click();
            EXPECT_TRUE(WaitFor([&] {
                return t.form.WMP2->player().controls.currentPosition() > 0.2;
            })) << f.name
                << ": " << t.form.WMP2->player().ErrorText().toStdString();
        }
        EXPECT_FALSE(t.form.Label11->Visible())
            << f.name << ": " << t.form.Label11->Caption().toStdString();
        EXPECT_GT(RecordedLevel(400), 0.05) << f.name << " is heard";
        if (audio)
            t.form.audio->cmdStopA_Click();
        else
            t.form.video->cmdStopV_Click();
    }
}

TEST(Formats, MidiAndKaraokeFilesAreHeard) {
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    FormatForm t;
    for (const char* name : {"tune.mid", "song.kar"}) {
        const QString file = t.dir.path() + u'/' + QLatin1String(name);
        MakeMidi(file);
        t.load(file);
        t.form.video->cmdPlayV_Click();
        EXPECT_TRUE(WaitFor([&] { return t.form.WMP2->player().controls.currentPosition() > 0.2; }))
            << name << ": " << t.form.WMP2->player().ErrorText().toStdString();
        EXPECT_GT(RecordedLevel(400), 0.004) << name << " is heard";
        t.form.video->cmdStopV_Click();
    }
}

TEST(Formats, PicturesAreShown) {
    FormatForm t;
    for (const char* name : {"slide.jpg", "slide.bmp"}) {
        const QString file = t.dir.path() + u'/' + QLatin1String(name);
        QImage image(320, 160, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(file)) << name;
        t.form.imgZoom->setPicture(QPixmap());
        t.load(file);
        EXPECT_TRUE(t.form.imgZoom->Visible()) << name;
        EXPECT_EQ(t.form.imgZoom->Picture().size(), QSize(320, 160)) << name;
    }
}
