#include "media/AudioPlayer.h"

#include "app/Paths.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "script/Interprete.h"
#include "ui/Form1.h"
#include "ui/WindowVisuals.h"

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

QString AudioPlayer::CounterText(double position, double length) {
    return minutesAndSeconds(position) + QStringLiteral(" / ") + minutesAndSeconds(length);
}

double AudioPlayer::CurPos() {
    QString answer;
    if (send(QStringLiteral("status wav1 position"), &answer) != 0) return 0;
    return NumericValue(answer);
}

void AudioPlayer::showPlayPicture(const char* file) {
    form_.cmdPlayA->LoadPicture(PictureFile(QLatin1String(file)));
}

void AudioPlayer::cmdPlayA_Click() {
    if (form_.playA->playing()) {
        // Playing: pause where it is.
        const double p = CurPos();
        form_.playA->showMenuWord(false);
        form_.playA->set(false);
        send(QStringLiteral("play wav1 from ") + DecimalText(p > 0 ? std::floor(p) : 0));
        send(QStringLiteral("stop wav1"));
        form_.Timer1->setInterval(0);
        showPlayPicture("play2.jpg");
        return;
    }
    form_.playA->set(true);
    form_.playA->showMenuWord(true);
    form_.Timer1->setInterval(kTickMs);
    showPlayPicture("pause2.jpg");
    if (CurPos() == 0) {
        send(QStringLiteral("play wav1"));
        send(QStringLiteral("stop wav1"));
    }
    // A device that refuses to play says why (a file that never opened has said so already),
    // and the button does not claim it plays.
    const long code = send(QStringLiteral("play wav1"));
    if (code == 0) return;
    form_.playA->set(false);
    form_.playA->showMenuWord(false);
    form_.Timer1->setInterval(0);
    showPlayPicture("play2.jpg");
    if (code != mcierr::NotOpen) Errore(code);
}

void AudioPlayer::cmdStopA_Click() {
    send(QStringLiteral("seek wav1 to start"));
    Timer1_Timer();
    form_.playA->set(false);
    form_.visuals->cmdPlayA_MouseMove(0, 0, 0, 0);
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

void AudioPlayer::lblContatore_MouseMove(int, int, double x, double) {
    QString answer;
    if (send(QStringLiteral("status wav1 length"), &answer) != 0) return;
    const double length = NumericValue(answer);
    const double width = form_.lblContatore->Width();
    if (width <= 0) return;
    const QString t = NumberText(std::floor(length / width * x));
    seekTarget_ = t;
}

void AudioPlayer::lblContatore_Click(const QString& ms) {
    send(QStringLiteral("seek wav1 to start"));
    send(QStringLiteral("play wav1 from ") + ms);
    Timer1_Timer();
    // Seeking keeps the state: a paused or stopped file pauses again at once.
    if (!form_.playA->playing()) {
        form_.playA->set(true);
        cmdPlayA_Click();
    }
}

// The device stands still after its stream failed (the sound server went away, the file broke
// off): one more try from the same place, and when that fails too the button shows stopped,
// never playing, and the operator reads why until the next cue.
bool AudioPlayer::stoppedUnderUs() {
    if (!form_.playA->playing()) return false;
    QString mode;
    if (send(QStringLiteral("status wav1 mode"), &mode) != 0 || mode != QLatin1String("not ready"))
        return false;
    const long code = send(QStringLiteral("play wav1"));
    if (code == 0) return false;
    form_.playA->set(false);
    form_.playA->showMenuWord(false);
    form_.Timer1->setInterval(0);
    showPlayPicture("play2.jpg");
    const QString reason = mci().mciGetErrorString(code);
    if (code == mcierr::SoundServerGone) {
        form_.ShowNotice(reason, 0);
    } else {
        QString file;
        send(QStringLiteral("info wav1 file"), &file);
        form_.ShowMediaFailure(file, reason);
        form_.Timer5->setInterval(0);
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
        showPlayPicture("play2.jpg");
    }
    const double position = CurPos();
    form_.lblContatore->setCaption(CounterText(position, length));
    if (length > 0)
        form_.Shape1->setWidth(ProgressWidth(*form_.Shape2, *form_.Shape1, position / length));
    if (!form_.Shape1->Visible()) form_.Shape1->setVisible(true);
    const QString videoPosition = form_.WMP2->controls.currentPositionString();
    if (!videoPosition.isEmpty()) {
        form_.lblContatoreV->setCaption(videoPosition + QStringLiteral(" / ") +
                                        form_.WMP2->currentMedia.durationString());
        if (!form_.Shape8->Visible()) form_.Shape8->setVisible(true);
    }
}

void AudioPlayer::Errore(long code, const QString& file) {
    if (file.isEmpty())
        form_.ShowNotice(mci().mciGetErrorString(code), Form1::kNoticeMs);
    else
        form_.ShowMediaFailure(file, mci().mciGetErrorString(code));
}

void AudioPlayer::Timer5_Timer() {
    form_.Timer5->setInterval(0);
    form_.Label11->setVisible(false);
}

void AudioPlayer::InizializzaPannello() {
    form_.lblContatore->setCaption(CounterText(0, 0));
    form_.Shape1->setWidth(15);
    form_.lblContatoreV->setCaption(QStringLiteral("00:00 / 00:00"));
    form_.Shape7->setWidth(15);
}

void AudioPlayer::RiavvolgiAllUscita() {
    send(QStringLiteral("seek wav1 to start"));
}
