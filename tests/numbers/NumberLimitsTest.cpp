// Numbers from cue texts and the settings file at the edges of what a double holds: too large,
// too small, infinite and not a number. This executable and the code it drives are built with
// the undefined-behaviour sanitizer, so a conversion that overflows an integer aborts the run.
#include "app/Lifecycle.h"
#include "app/Settings.h"
#include "media/MediaRouting.h"
#include "media/VolumeFades.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "support/FakeMci.h"
#include "support/MediaFiles.h"
#include "support/ProgramFolder.h"
#include "ui/Form1.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Clicks inside the only cue of a one-cue script; returns the script afterwards.
QString clickCue(Form1& form, const QString& script) {
    form.RTB->setText(script);
    form.RTB->setSelStart(int(script.indexOf(QStringLiteral("[["))) + 2);
    form.cues->RTB_Click();
    return form.RTB->Text();
}

double knobLowest(Form1& form) {
    return form.Image3->Top() + form.Image3->Height() - form.Image2->Height();
}

// The knob on its track and a level within the mixer's range.
void expectVolumeInRange(Form1& form, const char* what) {
    EXPECT_GE(form.Image2->Top(), form.Image3->Top()) << what;
    EXPECT_LE(form.Image2->Top(), knobLowest(form)) << what;
    const double level = NumericValue(form.core.masterVolume.ChosenLevel());
    EXPECT_GE(level, 0) << what;
    EXPECT_LE(level, double(form.volume->VolumeMax)) << what;
}

} // namespace

TEST(NumberLimits, TextsAndValuesBeyondADoubleStayFinite) {
    for (const char* text : {"1e400", "-1e400", "1e99999999999999999999", "9e308"}) {
        const double v = NumericValue(QLatin1String(text));
        EXPECT_TRUE(std::isfinite(v)) << text;
        EXPECT_EQ(v < 0, text[0] == '-') << text;
    }
    // Too close to zero is zero, not the largest number.
    EXPECT_EQ(NumericValue(QStringLiteral("1e-400")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("-1e-99999")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("0.000001e-320")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("99999e-99999999999999999999")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("1") + QString(400, u'0') + QStringLiteral("e-10")),
              std::numeric_limits<double>::max());
    EXPECT_EQ(NumericValue(QStringLiteral("inf")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("nan")), 0);

    EXPECT_EQ(RoundInt(kInf), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundInt(-kInf), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundInt(kNaN), 0);
    EXPECT_EQ(RoundInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundInt(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundInt(5e-324), 0);

    // Whatever the program writes for a number, it reads back as a finite number.
    for (double v : {kInf, -kInf, kNaN, std::numeric_limits<double>::max(), 5e-324}) {
        const double back = NumericValue(NumberText(v));
        EXPECT_TRUE(std::isfinite(back)) << v;
    }
}

TEST(NumberLimits, CueNumbersReachThePlayersInRange) {
    FakeMci mci;
    Form1 form;
    form.core.state.SetAudioLoaded(true);
    form.core.state.SetVideoLoaded(true);

    EXPECT_EQ(clickCue(form, QStringLiteral("[[vol 1e400]]")), QStringLiteral("[[Vol 100]]"));
    EXPECT_DOUBLE_EQ(form.Image2->Top(), form.Image3->Top());
    expectVolumeInRange(form, "vol 1e400");
    EXPECT_EQ(clickCue(form, QStringLiteral("[[vol -1e400]]")), QStringLiteral("[[Vol 0]]"));
    EXPECT_DOUBLE_EQ(form.Image2->Top(), knobLowest(form));
    expectVolumeInRange(form, "vol -1e400");
    clickCue(form, QStringLiteral("[[vol 1e-400]]"));
    expectVolumeInRange(form, "vol 1e-400");
    clickCue(form, QStringLiteral("[[vol 99999999999999999999]]"));
    expectVolumeInRange(form, "vol 1e20");

    // Fades start from wherever such a cue left the knob.
    for (const char* cue : {"[[vol 1e400]]", "[[vol -1e400]]"}) {
        clickCue(form, QLatin1String(cue));
        for (const char* fade : {"[[fadeout fast]]", "[[fadein slow]]"}) {
            clickCue(form, QLatin1String(fade));
            for (int tick = 0; tick < 100000 && form.Timer3->Enabled(); ++tick)
                form.volume->Timer3_Timer();
            EXPECT_FALSE(form.Timer3->Enabled()) << fade;
            expectVolumeInRange(form, fade);
        }
    }

    EXPECT_EQ(clickCue(form, QStringLiteral("[[bg vol 1e400]]")), QStringLiteral("[[bg Vol 100]]"));
    EXPECT_EQ(form.WMP3->player().settings.volume(), 100);
    EXPECT_EQ(clickCue(form, QStringLiteral("[[bg vol -1e400]]")), QStringLiteral("[[bg Vol 0]]"));
    EXPECT_EQ(form.WMP3->player().settings.volume(), 0);

    mci.position = 5000;
    clickCue(form, QStringLiteral("[[seek audio 1e400]]"));
    EXPECT_GE(mci.position, 0);
    EXPECT_LE(mci.position, mci.length);
    EXPECT_EQ(clickCue(form, QStringLiteral("[[seek audio -1e400]]")),
              QStringLiteral("[[Seek Audio 0]]"));

    // The video player with a real clip: any seek ends inside it.
    QTemporaryDir dir;
    const QString mp4 = dir.path() + QStringLiteral("/clip.mp4");
    if (!MakeMp4(mp4, 2)) GTEST_SKIP() << "ffmpeg is not installed";
    form.cues->setCueCorrente(mp4);
    form.routing->vai(mp4);
    ASSERT_TRUE(WaitFor([&] { return form.WMP2->player().currentMedia.duration() > 0; }));
    // Too large goes to the end, too small or negative to the start: each seek really moves.
    const double end = form.WMP2->player().currentMedia.duration();
    const std::pair<const char*, double> seeks[] = {{"[[seek video 1e400]]", end},
                                                    {"[[seek video -1e400]]", 0},
                                                    {"[[seek video 1e308]]", end},
                                                    {"[[seek video 1e-400]]", 0}};
    for (const auto& [cue, expected] : seeks) {
        clickCue(form, QLatin1String(cue));
        EXPECT_TRUE(WaitFor([&] {
            return std::abs(form.WMP2->player().controls.currentPosition() - expected) < 0.3;
        })) << cue
            << " at " << form.WMP2->player().controls.currentPosition();
    }
    EXPECT_EQ(clickCue(form, QStringLiteral("[[seek video -1e400]]")),
              QStringLiteral("[[Seek Video 0]]"));
}

TEST(NumberLimits, SettingsLinesBeyondADoubleLoadInRangeAndSaveFinite) {
    const char* hostile[] = {"1e400",
                             "-1e400",
                             "1e-400",
                             "nan",
                             "inf",
                             "-inf",
                             "179769313486231570000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000000000000000000000000000000000000000000000000000"};
    for (const char* level : hostile) {
        for (const char* knob : hostile) {
            TempProgramFolder folder;
            folder.write(QStringLiteral("Scenolux.ini"), QByteArray("English.lng\r\n") + level +
                                                             "\r\n" + knob + "\r\n" + level +
                                                             "\r\n0\r\n1\r\n/shows\r\n0\r\n");
            Form1 form;
            form.lifecycle->Form_Load(QString());
            const QString what = QLatin1String(level) + u'/' + QLatin1String(knob);
            expectVolumeInRange(form, what.toUtf8().constData());
            form.lifecycle->SalvaImpostazioni();
            Impostazioni saved;
            ASSERT_TRUE(saved.Read(folder.path(QStringLiteral("Scenolux.ini"))));
            for (int line : {1, 2}) {
                const QString text = saved.line[line].trimmed();
                EXPECT_FALSE(text.contains(u'e') || text.contains(u'n') || text.size() > 20)
                    << what.toStdString() << " line " << line << ": " << text.toStdString();
            }
        }
    }
}
