#include "show/ShowCheck.h"
#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "platform/rtf/Rtf.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "show/CueList.h"
#include "show/ShowPack.h"
#include "support/MediaFiles.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "support/SinkLatency.h"
#include "ui/Form1.h"
#include "ui/ShowCheckWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProgressBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A show in its own folder, with real media of every kind, and one file from elsewhere.
struct ShowFolder {
    ShowFolder() {
        QDir(show.path()).mkpath(QStringLiteral("sound"));
        QDir(elsewhere.path()).mkpath(QStringLiteral("sub"));
        MakeWav(show.filePath(QStringLiteral("sound/tone.wav")), 1.0);
        MakeWav(show.filePath(QStringLiteral("Thunder.WAV")), 0.5, 220);
        haveVideo = MakeMp4(show.filePath(QStringLiteral("clip.mp4")), 1.0);
        MakeMidi(show.filePath(QStringLiteral("tune.mid")));
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.save(show.filePath(QStringLiteral("set.jpg")));
        MakeWav(elsewhere.filePath(QStringLiteral("far.wav")), 0.5);
    }
    QString path(const QString& name) const { return show.filePath(name); }
    QTemporaryDir show, elsewhere;
    bool haveVideo = false;
};

const CheckedCue* find(const ShowReport& r, const QString& text) {
    for (const CheckedCue& c : r.cues)
        if (c.cue.text == text) return &c;
    return nullptr;
}

QString scenolux() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/scenolux");
}
// Runs the program on the command line with no display at all.
int runProgram(const QStringList& args, QString* out = nullptr) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(scenolux(), args);
    if (!p.waitForFinished(60000)) return -1;
    if (out) *out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// The characters of a document with their look: what the operator sees of a script.
struct Look {
    QChar ch;
    QString family;
    double size;
    bool bold, italic, underline;
    QColor colour;
    int alignment;
    bool operator==(const Look&) const = default;
};
QList<Look> looks(const QByteArray& rtfBytes) {
    QTextDocument doc;
    rtf::Read(rtfBytes, &doc);
    QList<Look> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat fmt = f.charFormat();
            for (QChar ch : f.text())
                out << Look{ch,
                            fmt.fontFamilies().toStringList().value(0),
                            fmt.fontPointSize(),
                            fmt.fontWeight() >= QFont::Bold,
                            fmt.fontItalic(),
                            fmt.fontUnderline(),
                            fmt.foreground().color(),
                            int(b.blockFormat().alignment())};
        }
        out << Look{u'\n', {}, 0, false, false, false, {}, 0};
    }
    return out;
}

} // namespace

// Every kind of cue and every problem the check knows, on real files.
TEST(ShowCheck, ReportsEachCueWithItsKindFileFactsAndProblems) {
    SavedLingua lingua;
    NomeLingua = QStringLiteral("English.lng");
    ShowFolder show;
    write(show.path(QStringLiteral("empty.mp3")), {});
    write(show.path(QStringLiteral("junk.mp3")), QByteArray(4000, '\x5a'));
    QImage(8, 8, QImage::Format_RGB32).save(show.path(QStringLiteral("still.png")));
    const QString far = show.elsewhere.filePath(QStringLiteral("far.wav"));
    const QString text =
        QStringLiteral(
            "Act one [[sound/tone.wav]] and [[ sound\\tone.wav ]]\n"
            "[[clip.mp4]] [[tune.mid]] [[set.jpg]]\n"
            "[[thunder.wav]] [[%1]]\n"
            "[[empty.mp3]] [[junk.mp3]] [[still.png]] [[gone.wav]]\n"
            "[[FadeOut Slow]] [[vol 50]] [[Vol 150]] [[Vol x]] [[Seek Audio -3]] [[Vol]]\n"
            "[[FadeOut Sloow]] [[a [[bg loop]] not a cue ]] [[ ]]")
            .arg(far);
    GstMediaProbe probe;
    const ShowReport r = CheckShow(text, show.show.path(), probe);

    ASSERT_EQ(r.cues.size(), 19);
    const CheckedCue* tone = find(r, QStringLiteral("sound/tone.wav"));
    ASSERT_TRUE(tone);
    EXPECT_EQ(tone->cue.line, 1);
    EXPECT_EQ(tone->kind, CueKind::Audio);
    EXPECT_EQ(tone->file, show.path(QStringLiteral("sound/tone.wav")));
    EXPECT_TRUE(tone->ok());
    EXPECT_NEAR(tone->facts.lengthMs, 1000, 30);
    EXPECT_EQ(tone->facts.channels, 1);
    EXPECT_EQ(tone->facts.rate, 44100);
    const CheckedCue* windows = find(r, QStringLiteral("sound\\tone.wav"));
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->file, tone->file) << "a Windows folder separator finds the same file";
    EXPECT_TRUE(windows->ok());

    if (show.haveVideo) {
        const CheckedCue* clip = find(r, QStringLiteral("clip.mp4"));
        EXPECT_EQ(clip->kind, CueKind::Video);
        EXPECT_TRUE(clip->ok());
        EXPECT_EQ(clip->facts.width, 160);
        EXPECT_EQ(clip->facts.height, 120);
        EXPECT_NEAR(clip->facts.frameRate, 10, 0.01);
        EXPECT_GE(clip->facts.audioStreams, 1);
    }
    EXPECT_EQ(find(r, QStringLiteral("tune.mid"))->kind, CueKind::Midi);
    EXPECT_TRUE(find(r, QStringLiteral("tune.mid"))->ok()) << ReportText(r).toStdString();
    const CheckedCue* set = find(r, QStringLiteral("set.jpg"));
    EXPECT_EQ(set->kind, CueKind::Picture);
    EXPECT_TRUE(set->ok());
    EXPECT_EQ(set->facts.width, 64);

    using P = QList<CueProblem>;
    EXPECT_EQ(find(r, QStringLiteral("thunder.wav"))->problems, P{CueProblem::CaseOnly});
    EXPECT_EQ(find(r, QStringLiteral("thunder.wav"))->file,
              show.path(QStringLiteral("Thunder.WAV")));
    EXPECT_EQ(find(r, far)->problems, P{CueProblem::OutsideShow});
    EXPECT_EQ(find(r, QStringLiteral("empty.mp3"))->problems, P{CueProblem::Empty});
    EXPECT_EQ(find(r, QStringLiteral("junk.mp3"))->problems, P{CueProblem::Damaged});
    EXPECT_EQ(find(r, QStringLiteral("still.png"))->problems, P{CueProblem::NoSound})
        << "a picture of another ending goes to the audio device";
    EXPECT_EQ(find(r, QStringLiteral("gone.wav"))->problems, P{CueProblem::Missing});
    EXPECT_EQ(find(r, QStringLiteral("gone.wav"))->kind, CueKind::Audio);
    EXPECT_EQ(find(r, QStringLiteral("gone.wav"))->cue.line, 4);

    EXPECT_EQ(find(r, QStringLiteral("FadeOut Slow"))->kind, CueKind::Command);
    EXPECT_TRUE(find(r, QStringLiteral("FadeOut Slow"))->ok());
    EXPECT_TRUE(find(r, QStringLiteral("vol 50"))->ok());
    for (const char* bad : {"Vol 150", "Vol x", "Seek Audio -3", "Vol"}) {
        const CheckedCue* c = find(r, QLatin1String(bad));
        EXPECT_EQ(c->kind, CueKind::Command) << bad;
        EXPECT_EQ(c->problems, P{CueProblem::BadNumber}) << bad;
    }
    EXPECT_EQ(find(r, QStringLiteral("Vol 150"))->numberDetail,
              QStringLiteral("150 is above 100: it acts as 100"));
    EXPECT_EQ(find(r, QStringLiteral("Vol x"))->numberDetail,
              QStringLiteral("“x” is not a number: it acts as 0"));
    EXPECT_EQ(find(r, QStringLiteral("FadeOut Sloow"))->problems, P{CueProblem::UnknownCommand});
    EXPECT_EQ(find(r, QStringLiteral("FadeOut Sloow"))->kind, CueKind::Unknown);
    EXPECT_TRUE(find(r, QStringLiteral("bg loop"))) << "the inner cue of [[a [[bg loop]]";
    EXPECT_EQ(r.problemCount(), 11);

    // The plain report: one line a cue, each problem under it, in the operator's language.
    const QStringList lines = ReportText(r).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 19 + 11 + 1);
    EXPECT_TRUE(lines.contains(QStringLiteral("      file missing")));
    EXPECT_EQ(lines.last(), QStringLiteral("19 cues checked: 11 with problems."));
    NomeLingua = QStringLiteral("Deutsch.lng");
    EXPECT_TRUE(ReportText(r).contains(QStringLiteral("Datei fehlt")));
}

// The command line needs no display; its exit status says whether the show is ready.
TEST(ShowCheck, CommandLineExitStatuses) {
    ShowFolder show;
    write(
        show.path(QStringLiteral("clean.rtf")),
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Scene [[sound/tone.wav]]\\par [[Vol 40]]\\par}");
    write(show.path(QStringLiteral("wrong.txt")), "[[sound/tone.wav]]\r\n[[gone.mp3]]\r\n");
    write(show.path(QStringLiteral("cut.rtf")),
          "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 [[sound/tone.wav]]\\par {\\b [[Vol");
    QString out;
    EXPECT_EQ(runProgram({QStringLiteral("--check"), show.path(QStringLiteral("clean.rtf"))}, &out),
              0)
        << out.toStdString();
    EXPECT_EQ(out.count(u'\n'), 3) << out.toStdString();
    EXPECT_TRUE(out.contains(show.path(QStringLiteral("sound/tone.wav"))));
    EXPECT_EQ(runProgram({QStringLiteral("--check"), show.path(QStringLiteral("wrong.txt"))}, &out),
              1);
    EXPECT_TRUE(out.contains(QStringLiteral("[[gone.mp3]]")));
    EXPECT_EQ(runProgram({QStringLiteral("--check"), show.path(QStringLiteral("none.rtf"))}, &out),
              2);
    EXPECT_TRUE(out.contains(show.path(QStringLiteral("none.rtf")))) << out.toStdString();
    EXPECT_EQ(runProgram({QStringLiteral("--check"), show.path(QStringLiteral("cut.rtf"))}, &out),
              2)
        << "a script cut short is not a show that checked clean";
    EXPECT_TRUE(out.contains(QStringLiteral("[[sound/tone.wav]]")))
        << "what could be read is still reported";
    EXPECT_EQ(runProgram({QStringLiteral("--pack"), show.path(QStringLiteral("clean.rtf"))}, &out),
              2);
}

// Pack, carry the folder elsewhere with the original gone, and the show checks clean and
// plays; the packed script is the original but for the cue paths.
TEST(ShowPack, PackedShowTravelsAndDiffersOnlyInCuePaths) {
    SavedLingua lingua;
    NomeLingua = QStringLiteral("English.lng");
    ShowFolder show;
    const QString far = show.elsewhere.filePath(QStringLiteral("far.wav"));
    MakeWav(show.elsewhere.filePath(QStringLiteral("sub/tone.wav")), 0.3, 660);
    const QByteArray farRtf =
        QDir::toNativeSeparators(far).replace(u'\\', QStringLiteral("\\\\")).toUtf8();
    // Formatting inside a cue, an escaped name, a Windows path, a file from outside with
    // the same name as one inside, a name found only ignoring capitals, and a missing file.
    const QByteArray original =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
        "\\f0\\fs24 Prologue: {\\b thunder} [[Thunder.wav]]\\par\n"
        "\\qc\\cf2 [[sound\\\\tone.wav]] then {\\i [[sound/{\\b tone}.wav]]}\\par\n"
        "\\ql\\cf0\\f1 From far: [[" +
        farRtf + "]] and [[" + show.elsewhere.filePath(QStringLiteral("sub/tone.wav")).toUtf8() +
        "]]\\par\n"
        "[[clip.mp4]] [[tune.mid]] [[set.jpg]] [[gone.wav]] [[FadeOut Slow]] caf\\'e9\\par\n}";
    const QString script = show.path(QStringLiteral("Act 1.rtf"));
    write(script, original);
    QTemporaryDir target;
    const QString packedFolder = target.filePath(QStringLiteral("packed"));

    const PackResult result = PackShow(script, packedFolder);
    ASSERT_EQ(result.state, PackResult::State::Packed) << result.message.toStdString();
    EXPECT_EQ(result.missing, QStringList{QStringLiteral("gone.wav")});
    EXPECT_TRUE(result.message.contains(QStringLiteral("gone.wav")));
    EXPECT_EQ(read(script), original) << "the original is not touched";
    const int media = show.haveVideo ? 7 : 6;
    EXPECT_EQ(result.mediaCopied, media) << "each file once";
    QStringList files;
    for (const QString& f : QDir(packedFolder).entryList(QDir::Files | QDir::NoDotAndDotDot))
        files << f;
    for (const QString& sub : {QStringLiteral("sound"), QStringLiteral("media")})
        for (const QString& f : QDir(packedFolder + u'/' + sub).entryList(QDir::Files))
            files << sub + u'/' + f;
    files.sort();
    QStringList expected{QStringLiteral("Act 1.rtf"),     QStringLiteral("Thunder.WAV"),
                         QStringLiteral("media/far.wav"), QStringLiteral("media/tone.wav"),
                         QStringLiteral("set.jpg"),       QStringLiteral("sound/tone.wav"),
                         QStringLiteral("tune.mid")};
    if (show.haveVideo) expected << QStringLiteral("clip.mp4");
    expected.sort();
    EXPECT_EQ(files, expected);
    EXPECT_EQ(read(packedFolder + QStringLiteral("/media/tone.wav")),
              read(show.elsewhere.filePath(QStringLiteral("sub/tone.wav"))));

    // Text and look identical but for the cue paths.
    const QByteArray packed = read(result.packedScript);
    const QList<Look> a = looks(original), b = looks(packed);
    QString ta, tb;
    for (const Look& l : a)
        ta += l.ch;
    for (const Look& l : b)
        tb += l.ch;
    QString mapped = ta;
    mapped.replace(QStringLiteral("[[Thunder.wav]]"), QStringLiteral("[[Thunder.WAV]]"))
        .replace(QStringLiteral("[[") + far + QStringLiteral("]]"),
                 QStringLiteral("[[media/far.wav]]"))
        .replace(QStringLiteral("[[") + show.elsewhere.filePath(QStringLiteral("sub/tone.wav")) +
                     QStringLiteral("]]"),
                 QStringLiteral("[[media/tone.wav]]"));
    EXPECT_EQ(tb, mapped);
    // Outside the cues every character keeps its look, in order.
    auto outsideCues = [](const QList<Look>& l) {
        QList<Look> out;
        bool inCue = false;
        for (qsizetype i = 0; i < l.size(); ++i) {
            if (l[i].ch == u'[' && i + 1 < l.size() && l[i + 1].ch == u'[') inCue = true;
            if (!inCue) out << l[i];
            if (l[i].ch == u']' && i > 0 && l[i - 1].ch == u']') inCue = false;
        }
        return out;
    };
    EXPECT_TRUE(outsideCues(a) == outsideCues(b));
    EXPECT_EQ(
        packed.size() - original.size(),
        qsizetype(QByteArray("[[Thunder.WAV]][[media/far.wav]][[media/tone.wav]]").size()) -
            qsizetype(QByteArray("[[Thunder.wav]][[" + farRtf + "]][[" +
                                 show.elsewhere.filePath(QStringLiteral("sub/tone.wav")).toUtf8() +
                                 "]]")
                          .size()))
        << "no byte changed but in the cues: " << packed.toStdString();

    // Carried away: the original renamed away, the folder moved.
    ASSERT_TRUE(QDir().rename(show.show.path(), show.show.path() + QStringLiteral("-away")));
    const QString moved = target.filePath(QStringLiteral("on tour"));
    ASSERT_TRUE(QDir().rename(packedFolder, moved));
    const QString tour = moved + QStringLiteral("/Act 1.rtf");
    const ScriptText text = ReadScriptText(tour);
    ASSERT_EQ(text.state, ScriptText::State::Read);
    GstMediaProbe probe;
    const ShowReport r = CheckShow(text.text, moved, probe);
    for (const CheckedCue& c : r.cues) {
        if (c.cue.text == QLatin1String("gone.wav")) continue;
        EXPECT_TRUE(c.ok()) << ReportText(r).toStdString();
        if (c.kind != CueKind::Command) {
            EXPECT_TRUE(c.file.startsWith(moved)) << c.file.toStdString();
        }
    }
    QDir().rename(show.show.path() + QStringLiteral("-away"), show.show.path());

    // And a cue of the packed show is heard at the sink.
    if (!SoundServerUp()) GTEST_SKIP() << "no sound server (scripts/sound-server.sh)";
    const SinkLatencyHold sink;
    ScriptedDialogs dialogs;
    Form1 form;
    ASSERT_TRUE(form.RTB->LoadFile(tour));
    form.FileCorrente = tour;
    form.cues->RunCue(QStringLiteral("media/far.wav"));
    EXPECT_EQ(form.cues->CueCorrente(), moved + QStringLiteral("/media/far.wav"));
    form.audio->cmdPlayA_Click();
    EXPECT_GT(RecordedLevel(300), 0.05) << "the packed cue is heard";
    form.audio->cmdStopA_Click();
}

// The pack refuses what it cannot do whole, and leaves everything as it was.
TEST(ShowPack, RefusesAFullFolderADamagedScriptAndLeavesNothingWhenTheDiskFills) {
    SavedLingua lingua;
    NomeLingua = QStringLiteral("English.lng");
    ShowFolder show;
    const QString script = show.path(QStringLiteral("show.rtf"));
    write(script, "{\\rtf1\\ansi [[sound/tone.wav]]\\par}");
    QTemporaryDir target;
    write(target.filePath(QStringLiteral("notes.txt")), "keep me");
    PackResult r = PackShow(script, target.path());
    EXPECT_EQ(r.state, PackResult::State::NotEmpty);
    EXPECT_TRUE(r.message.contains(QStringLiteral("is not empty")));
    EXPECT_EQ(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("notes.txt")});
    EXPECT_EQ(read(target.filePath(QStringLiteral("notes.txt"))), "keep me");

    const QString cut = show.path(QStringLiteral("cut.rtf"));
    write(cut, "{\\rtf1\\ansi [[sound/tone.wav]]\\par {\\b more");
    r = PackShow(cut, target.filePath(QStringLiteral("new")));
    EXPECT_EQ(r.state, PackResult::State::Damaged);
    EXPECT_TRUE(r.message.contains(QStringLiteral("damaged (cut short)")))
        << r.message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target.filePath(QStringLiteral("new"))));

    // A disk that fills: a small memory disk (needs root to mount).
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small disk needs root";
    QTemporaryDir disk;
    if (mount("tmpfs", disk.path().toUtf8().constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here";
    struct Unmount {
        QString path;
        ~Unmount() { umount(path.toUtf8().constData()); }
    } unmount{disk.path()};
    // The media fit, the script does not: the failure comes at the script, written last.
    MakeWav(show.path(QStringLiteral("small.wav")), 0.2);
    const QString big = show.path(QStringLiteral("big.rtf"));
    write(big, "{\\rtf1\\ansi [[small.wav]]\\par " + QByteArray(150000, 'x') + "\\par}");
    r = PackShow(big, disk.path());
    EXPECT_EQ(r.state, PackResult::State::WriteFailed);
    EXPECT_TRUE(r.message.contains(QStringLiteral("big.rtf"))) << r.message.toStdString();
    EXPECT_TRUE(r.message.contains(QStringLiteral("disk full"))) << r.message.toStdString();
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList())
        << "no half-written script, no media left behind";
    // A medium larger than the disk: no script at all.
    MakeWav(show.path(QStringLiteral("long.wav")), 2.0);
    write(big, "{\\rtf1\\ansi [[long.wav]]\\par}");
    r = PackShow(big, disk.path());
    EXPECT_EQ(r.state, PackResult::State::WriteFailed);
    EXPECT_TRUE(r.message.contains(QStringLiteral("long.wav"))) << r.message.toStdString();
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

// The window: a big show checked while the interface keeps answering, problems first, a
// double-click on a row puts the caret on its cue, and Cancel stops a check.
TEST(ShowCheckWindow, ChecksABigShowWhileTheInterfaceAnswers) {
    SavedLingua lingua;
    NomeLingua = QStringLiteral("English.lng");
    QTemporaryDir show;
    constexpr int kFiles = 100, kCues = 500;
    for (int i = 0; i < kFiles; ++i)
        MakeWav(show.filePath(QStringLiteral("f%1.wav").arg(i)), 0.2, 200 + i);
    QString text;
    for (int i = 0; i < kCues; ++i)
        text += QStringLiteral("Line %1 [[f%2.wav]]\n").arg(i).arg(i % kFiles);
    text += QStringLiteral("The end [[missing.wav]]");
    ScriptedDialogs dialogs;
    Form1 form;
    form.RTB->setText(text);
    form.FileCorrente = show.filePath(QStringLiteral("show.rtf"));
    ShowCheckWindow window(form, std::make_unique<GstMediaProbe>());
    window.show();

    // The interface's answer time: the largest gap between ticks of a 10 ms timer.
    QElapsedTimer clock, gap;
    qint64 worstGap = 0;
    QTimer tick;
    tick.setInterval(10);
    int ticksWhileChecking = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worstGap = std::max(worstGap, gap.restart());
        if (window.Running()) ++ticksWhileChecking;
    });
    int progressSeen = 0;
    QObject::connect(window.progress, &QProgressBar::valueChanged,
                     [&](int v) { progressSeen = std::max(progressSeen, v); });
    clock.start();
    gap.start();
    tick.start();
    window.Start();
    ASSERT_TRUE(
        WaitFor([&] { return !window.Running() && window.Report().cues.size() > 0; }, 60000));
    const qint64 took = clock.elapsed();
    tick.stop();
    std::printf(
        "[ measure  ] checked %d cues, %d files in %lld ms; the interface's longest wait %lld ms\n",
        kCues + 1, kFiles, qint64(took), qint64(worstGap));
    // How long it takes is measured, not judged here (a busy machine takes longer); what must
    // hold is that the window answered while the check ran, not only once it was done.
    EXPECT_TRUE(took < 50 || ticksWhileChecking > 0) << "the interface stood still throughout";
    EXPECT_EQ(progressSeen, kFiles + 0) << "the progress bar went to the end";
    EXPECT_EQ(window.Report().problemCount(), 1);
    ASSERT_EQ(window.table->rowCount(), kCues + 1);
    EXPECT_EQ(window.table->item(0, 2)->text(), QStringLiteral("missing.wav")) << "problems first";
    EXPECT_EQ(window.table->item(1, 1)->text(), QStringLiteral("1"));

    // The missing cue is on the last line: the caret goes into it (line breaks count two).
    window.table->cellDoubleClicked(0, 2);
    const int at = form.RTB->SelStart();
    EXPECT_EQ(form.RTB->Text().mid(at, 11), QStringLiteral("missing.wav"));

    // Cancel: the check stops at the next file, and says so.
    int seen = 0;
    QObject::connect(window.progress, &QProgressBar::valueChanged, [&](int v) {
        seen = v;
        if (v >= 3) window.Cancel();
    });
    window.Start();
    ASSERT_TRUE(WaitFor([&] { return !window.Running(); }, 60000));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.summary->text(), QStringLiteral("Check cancelled."));
    EXPECT_LT(seen, kFiles / 2);
    EXPECT_EQ(window.table->rowCount(), kCues + 1) << "the last report stays";
}

TEST(ShowCheck, CuesInTheCellsOfAPromptBookTableAreEachTheirOwn) {
    // Two columns: the play's text, then the cues; a cue never runs into the next cell.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.rtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({\rtf1\trowd\cellx4500\cellx9000\pard\intbl HAMLET: To be\cell)"
               R"(\pard\intbl [[FadeIn Slow]]\cell\row\trowd\cellx4500\cellx9000)"
               R"(\pard\intbl OPHELIA: My lord\cell\pard\intbl [[thunder.wav]]\cell\row)"
               R"(\pard After [[Play Audio]]\par})");
    file.close();
    const ScriptText script = ReadScriptText(path);
    ASSERT_EQ(script.state, ScriptText::State::Read);
    EXPECT_EQ(script.text, QStringLiteral("\nHAMLET: To be\n[[FadeIn Slow]]\nOPHELIA: My lord\n"
                                          "[[thunder.wav]]\nAfter [[Play Audio]]"));
    QStringList cues;
    for (const CueSpan& cue : FindCues(script.text))
        cues << script.text.mid(cue.inside(), cue.close - cue.inside() - 2);
    EXPECT_EQ(cues, QStringList({"FadeIn Slow", "thunder.wav", "Play Audio"}));
}
