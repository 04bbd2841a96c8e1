// What the operator sees of a media player: its pictures painted with QPainter (no OpenGL), fitted
// with their proportions or stretched, black where there is none; or, for a "mini" player, the
// strip with open, play/pause and stop buttons, the position bar and the time, which takes a
// file dropped on it. Keys pressed while it has the focus go to onKeyDown. It only shows and
// drives its player: the player goes on without it.
#pragma once

#include "platform/MediaPlayerControl.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QSlider;
class QTimer;
class QToolButton;

class MediaPlayerView : public QWidget {
    Q_OBJECT
public:
    // Shows player; should the player go first, the view is left black and idle.
    explicit MediaPlayerView(MediaPlayerControl& player, QWidget* parent = nullptr);

    MediaPlayerControl& player() const { return *player_; }
    // The "mini" strip's texts in the language now loaded.
    void Retranslate();
    // Video frames painted so far (for tests and measurements).
    int FramesPainted() const { return framesPainted_; }

    // Key-down event (key code, modifier mask), e.g. Escape while the video has the focus.
    std::function<void(int& keyCode, int& shift)> onKeyDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMiniStrip();
    void refreshStrip();
    void openFromDialog();

    QPointer<MediaPlayerControl> player_;
    bool stretchToFit_ = false;
    bool contextMenu_ = true;
    int framesPainted_ = 0;
    // Mini strip (uiMode "mini").
    QTimer* stripTimer_ = nullptr;
    QToolButton* openButton_ = nullptr;
    QToolButton* playButton_ = nullptr;
    bool playButtonShowsPause_ = false;
    QToolButton* stopButton_ = nullptr;
    QSlider* positionBar_ = nullptr;
    QLabel* timeLabel_ = nullptr;
};
