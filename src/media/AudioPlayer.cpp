#include "media/AudioPlayer.h"

#include "core/Notices.h"
#include "core/Transport.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/Timer.h"
#include "script/Interprete.h" // DecimalText

#include <cmath>

namespace {
constexpr int kTickMs = 10;
constexpr double kStepMs = 5000;

long send(const QString& command, QString* answer = nullptr) {
    return mci().mciSendString(command, answer);
}

// Whole minutes and seconds of a time in milliseconds: 59.7 seconds is 0:59, never 0:60.
QString minutesAndSeconds(double ms) {
    const qint64 total = ms > 0 ? qint64(std::floor(ms)) : 0;
    return QString::number(total / 60000) + u':' +
           QStringLiteral("%1").arg((total % 60000) / 1000, 2, 10, QChar(u'0'));
}
} // namespace

AudioPlayer::AudioPlayer(Transport& transport, Timer& tick, Notices& notices, Transport& video,
                         MediaPlayerControl& panelVideo)
    : transport_(transport), tick_(tick), notices_(notices), video_(video),
      panelVideo_(panelVideo) {
    QObject::connect(&transport, &Transport::seekRequested, &connections_,
                     [this](double ms) { lblContatore_Click(NumberText(std::floor(ms))); });
}

QString AudioPlayer::CounterText(double position, double length) {
    return minutesAndSeconds(position) + QStringLiteral(" / ") + minutesAndSeconds(length);
}

double AudioPlayer::CurPos() {
    QString answer;
    if (send(QStringLiteral("status wav1 position"), &answer) != 0) return 0;
    return NumericValue(answer);
}

void AudioPlayer::showIdle() {
    transport_.SetPlaying(false);
    transport_.SetMenuWordPlaying(false);
    tick_.setInterval(0);
    transport_.SetButtonWordPlaying(false);
}

void AudioPlayer::cmdPlayA_Click() {
    if (transport_.Playing()) {
        // Playing: pause where it is.
        const double p = CurPos();
        transport_.SetMenuWordPlaying(false);
        transport_.SetPlaying(false);
        send(QStringLiteral("play wav1 from ") + DecimalText(p > 0 ? std::floor(p) : 0));
        send(QStringLiteral("stop wav1"));
        tick_.setInterval(0);
        transport_.SetButtonWordPlaying(false);
        return;
    }
    transport_.SetPlaying(true);
    transport_.SetMenuWordPlaying(true);
    tick_.setInterval(kTickMs);
    transport_.SetButtonWordPlaying(true);
    if (CurPos() == 0) {
        send(QStringLiteral("play wav1"));
        send(QStringLiteral("stop wav1"));
    }
    // A device that refuses to play says why (a file that never opened has said so already),
    // and the button does not claim it plays.
    const long code = send(QStringLiteral("play wav1"));
    if (code == 0) return;
    showIdle();
    if (code != mcierr::NotOpen) Errore(code);
}

void AudioPlayer::cmdStopA_Click() {
    send(QStringLiteral("seek wav1 to start"));
    Timer1_Timer();
    transport_.Stop();
}

void AudioPlayer::cmdForA_Click() {
    send(QStringLiteral("play wav1 from ") + DecimalText(std::floor(CurPos() + kStepMs)));
    Timer1_Timer();
}

void AudioPlayer::cmdBacA_Click() {
    const double q = CurPos() - kStepMs;
    send(QStringLiteral("play wav1 from ") + DecimalText(q > 0 ? std::floor(q) : 0));
    Timer1_Timer();
}

void AudioPlayer::lblContatore_MouseMove(int, int, double x, double, double width) {
    QString answer;
    if (send(QStringLiteral("status wav1 length"), &answer) != 0) return;
    const double length = NumericValue(answer);
    if (width <= 0) return;
    const QString t = NumberText(std::floor(length / width * x));
    seekTarget_ = t;
}

void AudioPlayer::lblContatore_Click(const QString& ms) {
    send(QStringLiteral("seek wav1 to start"));
    send(QStringLiteral("play wav1 from ") + ms);
    Timer1_Timer();
    // Seeking keeps the state: a paused or stopped file pauses again at once.
    if (!transport_.Playing()) {
        transport_.SetPlaying(true);
        cmdPlayA_Click();
    }
}

// The device stands still after its stream failed (the sound server went away, the file broke
// off): one more try from the same place, and when that fails too the button shows stopped,
// never playing, and the operator reads why until the next cue.
bool AudioPlayer::stoppedUnderUs() {
    if (!transport_.Playing()) return false;
    QString mode;
    if (send(QStringLiteral("status wav1 mode"), &mode) != 0 || mode != QLatin1String("not ready"))
        return false;
    const long code = send(QStringLiteral("play wav1"));
    if (code == 0) return false;
    showIdle();
    const QString reason = mci().mciGetErrorString(code);
    if (code == mcierr::SoundServerGone) {
        notices_.ShowNotice(reason, 0);
    } else {
        QString file;
        send(QStringLiteral("info wav1 file"), &file);
        notices_.ShowMediaFailure(file, reason, 0);
    }
    return true;
}

void AudioPlayer::Timer1_Timer() {
    if (stoppedUnderUs()) return;
    QString answer;
    if (send(QStringLiteral("status wav1 length"), &answer) != 0) return;
    const double length = NumericValue(answer);
    if (length == CurPos()) {
        // The end of the file: back to the start, paused, with the play picture.
        send(QStringLiteral("seek wav1 to start"));
        cmdPlayA_Click();
        transport_.SetButtonWordPlaying(false);
    }
    transport_.SetProgress(CurPos(), length);
    // Nothing loaded in the panel's video player: its counter is left as it is.
    if (!panelVideo_.controls.currentPositionString().isEmpty())
        video_.SetCounter(panelVideo_.controls.currentPosition() * 1000,
                          panelVideo_.currentMedia.duration() * 1000);
}

void AudioPlayer::Errore(long code, const QString& file) {
    if (file.isEmpty())
        notices_.ShowNotice(mci().mciGetErrorString(code), kNoticeMs);
    else
        notices_.ShowMediaFailure(file, mci().mciGetErrorString(code));
}

void AudioPlayer::InizializzaPannello() {
    transport_.ClearProgress();
    video_.ClearProgress();
}

void AudioPlayer::RiavvolgiAllUscita() {
    send(QStringLiteral("seek wav1 to start"));
}
