#include "platform/MediaPlayerControl.h"

#include "app/Paths.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Keys.h"

#include <QAudio>
#include <QAudioOutput>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QMimeData>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVideoWidget>
#include <algorithm>
#include <cmath>

void SelectMediaBackend() {
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

QString MediaTimeText(double seconds) {
    const qint64 total = seconds > 0 ? qint64(std::floor(seconds)) : 0;
    const qint64 h = total / 3600, m = (total / 60) % 60, s = total % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(h)
            .arg(m, 2, 10, QChar(u'0'))
            .arg(s, 2, 10, QChar(u'0'));
    return QStringLiteral("%1:%2").arg(m, 2, 10, QChar(u'0')).arg(s, 2, 10, QChar(u'0'));
}

MediaPlayerControl::MediaPlayerControl(const Design& design, QWidget* parent)
    : QWidget(parent), controls(this), currentMedia(this), settings(this), design_(design),
      player_(new QMediaPlayer(this)), audio_(new QAudioOutput(this)), volume_(design.volume) {
    player_->setAudioOutput(audio_);
    settings.setVolume(design.volume);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (design_.uiMode == QLatin1String("mini")) {
        buildMiniStrip();
    } else {
        video_ = new QVideoWidget(this);
        video_->setAspectRatioMode(design_.stretchToFit ? Qt::IgnoreAspectRatio
                                                        : Qt::KeepAspectRatio);
        layout->addWidget(video_);
        player_->setVideoOutput(video_);
        QPalette black = palette();
        black.setColor(QPalette::Window, Qt::black);
        setPalette(black);
        setAutoFillBackground(true);
    }
    setAcceptDrops(design_.uiMode == QLatin1String("mini"));
    connect(player_, &QMediaPlayer::playbackStateChanged, this, [this] {
        refreshStrip();
        if (onStateChange) onStateChange();
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::InvalidMedia) fail(player_->errorString());
        if (s == QMediaPlayer::EndOfMedia) soundStarted_ = false;
        refreshStrip();
        if (onStateChange) onStateChange();
    });
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& text) { fail(text); });
    connect(player_, &QMediaPlayer::positionChanged, this, [this] { refreshStrip(); });
    connect(player_, &QMediaPlayer::durationChanged, this, [this] { refreshStrip(); });
}

MediaPlayerControl::~MediaPlayerControl() {
    player_->stop();
}

void MediaPlayerControl::setURL(const QString& url) {
    url_ = url;
    soundStarted_ = false;
    error_.clear();
    // "http://..." and "file://..." are URLs; anything else, and any absolute path whatever
    // characters it holds, is a path.
    const QUrl parsed(url);
    const bool isUrl =
        !url.startsWith(u'/') && url.contains(QLatin1String("://")) && parsed.scheme().size() > 1;
    player_->setSource(isUrl ? parsed : QUrl::fromLocalFile(NativePath(url)));
    if (design_.autoStart) controls.play();
    refreshStrip();
}

void MediaPlayerControl::close() {
    soundStarted_ = false;
    player_->stop();
    player_->setSource(QUrl());
    url_.clear();
    refreshStrip();
}

void MediaPlayerControl::fail(const QString& reason) {
    if (!error_.isEmpty()) return; // one report for one failed load
    error_ = reason.isEmpty() ? MessageText(Msg::MediumCannotPlay) : reason;
    if (onError) onError(error_);
}

bool MediaPlayerControl::loaded() const {
    if (player_->source().isEmpty()) return false;
    const QMediaPlayer::MediaStatus s = player_->mediaStatus();
    return s != QMediaPlayer::NoMedia && s != QMediaPlayer::InvalidMedia;
}

bool MediaPlayerControl::atEnd() const {
    // Played again from its end, the player plays at once but reports the end a while longer.
    return player_->mediaStatus() == QMediaPlayer::EndOfMedia &&
           player_->playbackState() != QMediaPlayer::PlayingState;
}

qint64 MediaPlayerControl::positionMs() const {
    // At the end the position is the length exactly, so the two texts agree.
    if (atEnd()) return player_->duration();
    return player_->position();
}

void MediaPlayerControl::Controls::play() {
    // A sound server stream keeps time from its creation even while it waits unstarted, so a
    // medium loaded (or stopped) and played later would start late by the whole wait. Connecting
    // the sound output afresh at the start gives a stream that begins now. (Not while the medium
    // is still loading: its stream is being made now, and the pipeline must not be rebuilt
    // under it.)
    const QMediaPlayer::MediaStatus status = owner_->player_->mediaStatus();
    const bool settled = status == QMediaPlayer::LoadedMedia ||
                         status == QMediaPlayer::BufferedMedia ||
                         status == QMediaPlayer::EndOfMedia;
    if (!owner_->soundStarted_ && settled &&
        owner_->player_->playbackState() != QMediaPlayer::PlayingState) {
        owner_->player_->setAudioOutput(nullptr);
        owner_->player_->setAudioOutput(owner_->audio_);
    }
    owner_->soundStarted_ = true;
    owner_->player_->play();
}
void MediaPlayerControl::Controls::pause() {
    owner_->player_->pause();
}

void MediaPlayerControl::Controls::stop() {
    owner_->soundStarted_ = false;
    owner_->player_->stop();
    owner_->player_->setPosition(0);
}

double MediaPlayerControl::Controls::currentPosition() const {
    return owner_->loaded() ? owner_->positionMs() / 1000.0 : 0.0;
}

void MediaPlayerControl::Controls::setCurrentPosition(double seconds) {
    if (!owner_->loaded()) return;
    // Any number a cue can hold, however large, stays a valid position (the end at most).
    constexpr double kLongestSeconds = 1e9;
    const double at = std::isfinite(seconds) ? std::clamp(seconds, 0.0, kLongestSeconds) : 0.0;
    qint64 ms = qint64(std::llround(at * 1000.0));
    // GStreamer refuses a seek past the end with a critical warning: stop at the end.
    const qint64 length = owner_->player_->duration();
    if (length > 0) ms = std::min(ms, length);
    owner_->player_->setPosition(ms);
}

QString MediaPlayerControl::Controls::currentPositionString() const {
    return owner_->loaded() ? MediaTimeText(owner_->positionMs() / 1000.0) : QString();
}

double MediaPlayerControl::CurrentMedia::duration() const {
    return owner_->loaded() ? owner_->player_->duration() / 1000.0 : 0.0;
}

QString MediaPlayerControl::CurrentMedia::durationString() const {
    return owner_->loaded() && owner_->player_->duration() > 0 ? MediaTimeText(duration())
                                                               : QString();
}

int MediaPlayerControl::Settings::volume() const {
    return owner_->volume_;
}

void MediaPlayerControl::Settings::setVolume(int volume) {
    owner_->volume_ = qBound(0, volume, 100);
    // The 0-100 scale is perceptual, like a volume slider: 50 sounds half as loud.
    owner_->audio_->setVolume(float(QAudio::convertVolume(
        owner_->volume_ / 100.0, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale)));
}

bool MediaPlayerControl::Settings::autoStart() const {
    return owner_->design_.autoStart;
}
void MediaPlayerControl::Settings::setAutoStart(bool on) {
    owner_->design_.autoStart = on;
}

bool MediaPlayerControl::Settings::loop() const {
    return owner_->player_->loops() == QMediaPlayer::Infinite;
}

void MediaPlayerControl::Settings::setLoop(bool on) {
    owner_->player_->setLoops(on ? QMediaPlayer::Infinite : QMediaPlayer::Once);
}

QString MediaPlayerControl::State() const {
    if (!loaded()) return QStringLiteral("closed");
    if (atEnd()) return QStringLiteral("ended");
    switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState:
        return QStringLiteral("playing");
    case QMediaPlayer::PausedState:
        return QStringLiteral("paused");
    default:
        return QStringLiteral("stopped");
    }
}

void MediaPlayerControl::keyPressEvent(QKeyEvent* event) {
    int keyCode = KeyCodeOf(event);
    int shift = ShiftMaskOf(event->modifiers());
    if (onKeyDown) onKeyDown(keyCode, shift);
    QWidget::keyPressEvent(event);
}

void MediaPlayerControl::contextMenuEvent(QContextMenuEvent* event) {
    if (!design_.enableContextMenu)
        event->accept();
    else
        QWidget::contextMenuEvent(event);
}

// ---- the mini strip of the background player ----

void MediaPlayerControl::buildMiniStrip() {
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    auto button = [&](QStyle::StandardPixmap icon, const QString& tip) {
        auto* b = new QToolButton(strip);
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(tip);
        b->setAutoRaise(true);
        row->addWidget(b);
        return b;
    };
    openButton_ = button(QStyle::SP_DialogOpenButton, QString());
    playButton_ = button(QStyle::SP_MediaPlay, QString());
    stopButton_ = button(QStyle::SP_MediaStop, QString());
    Retranslate();
    positionBar_ = new QSlider(Qt::Horizontal, strip);
    positionBar_->setRange(0, 0);
    row->addWidget(positionBar_, 1);
    timeLabel_ = new QLabel(strip);
    row->addWidget(timeLabel_);
    layout()->addWidget(strip);

    connect(openButton_, &QToolButton::clicked, this, [this] { openFromDialog(); });
    connect(playButton_, &QToolButton::clicked, this, [this] {
        if (player_->playbackState() == QMediaPlayer::PlayingState)
            controls.pause();
        else
            controls.play();
    });
    connect(stopButton_, &QToolButton::clicked, this, [this] { controls.stop(); });
    connect(positionBar_, &QSlider::sliderMoved, this,
            [this](int ms) { player_->setPosition(ms); });
    refreshStrip();
}

void MediaPlayerControl::Retranslate() {
    if (!positionBar_) return;
    openButton_->setToolTip(MessageText(Msg::BackgroundOpen));
    playButton_->setToolTip(MessageText(Msg::BackgroundPlay));
    stopButton_->setToolTip(MessageText(Msg::BackgroundStop));
}

void MediaPlayerControl::refreshStrip() {
    if (!positionBar_) return;
    const bool has = loaded();
    playButton_->setEnabled(has);
    stopButton_->setEnabled(has);
    playButton_->setIcon(style()->standardIcon(
        player_->playbackState() == QMediaPlayer::PlayingState ? QStyle::SP_MediaPause
                                                               : QStyle::SP_MediaPlay));
    positionBar_->setEnabled(has);
    positionBar_->setRange(0, int(player_->duration()));
    if (!positionBar_->isSliderDown()) positionBar_->setValue(int(positionMs()));
    timeLabel_->setText(has ? controls.currentPositionString() + QStringLiteral(" / ") +
                                  currentMedia.durationString()
                            : QString());
    setToolTip(url_);
}

void MediaPlayerControl::openFromDialog() {
    FileDialogRequest request;
    request.open = true;
    request.owner = window();
    request.title = MessageText(Msg::BackgroundTitle);
    request.filter =
        MessageText(Msg::AudioFiles) + QChar(0) +
        QStringLiteral("*.mp3;*.wav;*.ogg;*.oga;*.flac;*.m4a;*.wma;*.mka;*.mid;*.kar") + QChar(0) +
        MessageText(Msg::AllFiles) + QChar(0) + QStringLiteral("*.*");
    const QString chosen = dialogs().MostraDialogoFile(request);
    if (!chosen.isEmpty()) setURL(chosen);
}

void MediaPlayerControl::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MediaPlayerControl::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            setURL(url.toLocalFile());
            event->acceptProposedAction();
            return;
        }
    }
}
