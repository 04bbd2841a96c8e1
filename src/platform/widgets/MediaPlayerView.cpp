#include "platform/widgets/MediaPlayerView.h"

#include "platform/Dialogs.h"
#include "platform/Keys.h"
#include "platform/MediaPlayerControl.h"
#include "platform/PlatformTexts.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

MediaPlayerView::MediaPlayerView(MediaPlayerControl& player, QWidget* parent)
    : QWidget(parent), player_(&player), stretchToFit_(player.design().stretchToFit),
      contextMenu_(player.design().enableContextMenu) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const bool mini = player.design().uiMode == QLatin1String("mini");
    if (mini) {
        buildMiniStrip();
    } else {
        // The picture's place is black until a picture comes, and around it after.
        QPalette black = palette();
        black.setColor(QPalette::Window, Qt::black);
        setPalette(black);
        setAutoFillBackground(true);
        connect(&player, &MediaPlayerControl::pictureChanged, this, [this] { update(); });
    }
    setAcceptDrops(mini);
}

void MediaPlayerView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!player_) return;
    const bool drawn = player_->DrawNewestFrame([this](const QImage& picture, const QSizeF& shape) {
        QRect target = rect();
        if (!stretchToFit_) {
            // The picture's own shape, as large as fits, centred.
            const QSize size = QSize(qRound(shape.width()), qRound(shape.height()))
                                   .scaled(target.size(), Qt::KeepAspectRatio);
            target = QRect(QPoint(0, 0), size);
            target.moveCenter(rect().center());
        }
        QPainter painter(this);
        painter.drawImage(target, picture);
    });
    if (drawn) ++framesPainted_;
}

void MediaPlayerView::keyPressEvent(QKeyEvent* event) {
    int keyCode = KeyCodeOf(event);
    int shift = ShiftMaskOf(event->modifiers());
    if (onKeyDown) onKeyDown(keyCode, shift);
    QWidget::keyPressEvent(event);
}

void MediaPlayerView::contextMenuEvent(QContextMenuEvent* event) {
    if (!contextMenu_)
        event->accept();
    else
        QWidget::contextMenuEvent(event);
}

// ---- the mini strip of the background player ----

namespace {

// The strip's pictures are the ones Qt's own style draws when the desktop's icon theme has
// none. Asking the style walks the icon themes on disk first, which took about a sixth of the
// whole start-up; the built-in pictures are read directly, and the style is asked only if a
// Qt build no longer carries them.
QIcon stripIcon(const QWidget& owner, QStyle::StandardPixmap which) {
    static constexpr std::pair<QStyle::StandardPixmap, const char*> builtIn[] = {
        {QStyle::SP_MediaPlay, "media-play"},
        {QStyle::SP_MediaPause, "media-pause"},
        {QStyle::SP_MediaStop, "media-stop"},
        {QStyle::SP_DialogOpenButton, "standardbutton-open"},
    };
    QIcon icon;
    for (const auto& [pixmap, name] : builtIn) {
        if (pixmap != which) continue;
        for (int side : {16, 32}) {
            const QString file =
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                    .arg(QLatin1String(name))
                    .arg(side);
            if (QFile::exists(file)) icon.addFile(file, QSize(side, side));
        }
    }
    return icon.isNull() ? owner.style()->standardIcon(which) : icon;
}

bool playing(const MediaPlayerControl& player) {
    return player.State() == QLatin1String("playing");
}

} // namespace

void MediaPlayerView::buildMiniStrip() {
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    auto button = [&](QStyle::StandardPixmap icon, const QString& tip) {
        auto* b = new QToolButton(strip);
        b->setIcon(stripIcon(*this, icon));
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
        if (!player_) return;
        if (playing(*player_))
            player_->controls.pause();
        else
            player_->controls.play();
    });
    connect(stopButton_, &QToolButton::clicked, this, [this] {
        if (player_) player_->controls.stop();
    });
    connect(positionBar_, &QSlider::sliderMoved, this, [this](int ms) {
        if (player_) player_->controls.setCurrentPosition(ms / 1000.0);
    });
    // The bar and the time follow the medium while it plays.
    stripTimer_ = new QTimer(this);
    stripTimer_->setInterval(100);
    connect(stripTimer_, &QTimer::timeout, this, [this] { refreshStrip(); });
    connect(player_, &MediaPlayerControl::changed, this, [this] {
        refreshStrip();
        const bool running = playing(*player_);
        if (running != stripTimer_->isActive()) {
            if (running)
                stripTimer_->start();
            else
                stripTimer_->stop();
        }
    });
    refreshStrip();
}

void MediaPlayerView::Retranslate() {
    if (!positionBar_) return;
    openButton_->setToolTip(PlatformTextOf(PlatformText::BackgroundOpen));
    playButton_->setToolTip(PlatformTextOf(PlatformText::BackgroundPlay));
    stopButton_->setToolTip(PlatformTextOf(PlatformText::BackgroundStop));
}

void MediaPlayerView::refreshStrip() {
    if (!positionBar_ || !player_) return;
    const MediaPlayerControl& p = *player_;
    const bool has = p.State() != QLatin1String("closed");
    const bool running = playing(p);
    playButton_->setEnabled(has);
    stopButton_->setEnabled(has);
    if (playButtonShowsPause_ != running) {
        playButtonShowsPause_ = running;
        playButton_->setIcon(
            stripIcon(*this, running ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    }
    positionBar_->setEnabled(has);
    positionBar_->setRange(0, int(std::llround(p.currentMedia.duration() * 1000)));
    if (!positionBar_->isSliderDown())
        positionBar_->setValue(int(std::llround(p.controls.currentPosition() * 1000)));
    timeLabel_->setText(has ? p.controls.currentPositionString() + QStringLiteral(" / ") +
                                  p.currentMedia.durationString()
                            : QString());
    setToolTip(p.URL());
}

void MediaPlayerView::openFromDialog() {
    FileDialogRequest request;
    request.open = true;
    request.owner = window();
    request.title = PlatformTextOf(PlatformText::BackgroundTitle);
    // The current folder is where the script's relative cues are looked for.
    request.keepCurrentFolder = true;
    request.filter =
        PlatformTextOf(PlatformText::AudioFiles) + QChar(0) +
        QStringLiteral("*.mp3;*.wav;*.ogg;*.oga;*.flac;*.m4a;*.wma;*.mka;*.mid;*.kar") + QChar(0) +
        PlatformTextOf(PlatformText::AllFiles) + QChar(0) + QStringLiteral("*.*");
    const QString chosen = dialogs().MostraDialogoFile(request);
    if (!chosen.isEmpty() && player_) player_->setURL(chosen);
}

void MediaPlayerView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MediaPlayerView::dropEvent(QDropEvent* event) {
    if (!player_) return;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            player_->setURL(url.toLocalFile());
            event->acceptProposedAction();
            return;
        }
    }
}
