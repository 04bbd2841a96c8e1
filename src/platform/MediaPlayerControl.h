// The media player control: plays video, MIDI and background audio, with the operations the
// program relies on (URL, close, controls.play/pause/stop, controls.currentPosition and its
// text, currentMedia.duration and its text, settings.volume), over a GStreamer playbin of its
// own. Pictures come to the widget as RGB frames and are painted with QPainter (no OpenGL).
//
// Like the control it replaces it is asynchronous: writing URL starts loading, and the
// duration is 0 until the media is known. Time texts are "mm:ss", "h:mm:ss" from an hour.
// Nothing of GStreamer is made before the first URL is written; each medium gets a pipeline
// of its own, and the last one is taken down off the GUI thread.
#pragma once

#include "platform/Control.h"

#include <QMutex>
#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <vector>

typedef struct _GstMessage GstMessage;
class QLabel;
class QSlider;
class QTimer;
class QToolButton;
class MediaPlayerControl;

// Time text of a position or length in seconds: "mm:ss", or "h:mm:ss" from an hour.
QString MediaTimeText(double seconds);

class MediaPlayerControl : public QWidget, public Tagged {
    Q_OBJECT
public:
    // The design-time settings of an instance.
    struct Design {
        bool autoStart = true;
        QString uiMode = QStringLiteral("none"); // "none" or "mini"
        bool stretchToFit = false;
        bool fullScreen = false;
        int volume = 50;
        bool enableContextMenu = true;
    };

    explicit MediaPlayerControl(const Design& design, QWidget* parent = nullptr);
    ~MediaPlayerControl() override;

    // The last URL written. Writing loads the file (a path, "\" or "/" separated, or a URL);
    // with autoStart it starts at once.
    QString URL() const { return url_; }
    void setURL(const QString& url);
    // Unloads the current media.
    void close();

    class Controls {
    public:
        void play();
        void pause();
        void stop();
        // Playback position in seconds; writing moves it.
        double currentPosition() const;
        void setCurrentPosition(double seconds);
        // Empty when nothing is loaded.
        QString currentPositionString() const;

    private:
        friend class MediaPlayerControl;
        explicit Controls(MediaPlayerControl* owner) : owner_(owner) {}
        MediaPlayerControl* owner_;
    } controls;

    class CurrentMedia {
    public:
        double duration() const; // seconds; 0 until known
        QString durationString() const;

    private:
        friend class MediaPlayerControl;
        explicit CurrentMedia(MediaPlayerControl* owner) : owner_(owner) {}
        MediaPlayerControl* owner_;
    } currentMedia;

    class Settings {
    public:
        int volume() const;
        void setVolume(int volume); // 0 to 100
        bool autoStart() const;
        void setAutoStart(bool on);
        // Repeat the media when it ends.
        bool loop() const;
        void setLoop(bool on);

    private:
        friend class MediaPlayerControl;
        explicit Settings(MediaPlayerControl* owner) : owner_(owner) {}
        MediaPlayerControl* owner_;
    } settings;

    const Design& design() const { return design_; }
    // "playing", "paused", "stopped", "ended" or "closed": for the program and its tests.
    QString State() const;
    // The error of the last load, empty when it loaded.
    QString ErrorText() const { return error_; }
    // The "mini" strip's texts in the language now loaded.
    void Retranslate();
    // True from writing URL until close: a pipeline exists (for tests and measurements).
    bool EngineMade() const { return engine_ != nullptr; }
    // True while a pipeline taken down, this player's or another's, is still on its way down (for
    // tests and measurements).
    bool Retiring() const;
    // True when the last error came while the medium played (it broke off), not at its load.
    bool FailedWhilePlaying() const { return failedWhilePlaying_; }
    // Video frames painted so far (for tests and measurements).
    int FramesPainted() const { return framesPainted_; }

    // Key-down event (key code, modifier mask), e.g. Escape while the video has the focus.
    std::function<void(int& keyCode, int& shift)> onKeyDown;
    // Raised when the state changes (plays, pauses, stops, ends, loads, fails).
    std::function<void()> onStateChange;
    // Raised once when the medium cannot be loaded or played, with the reason.
    std::function<void(const QString& reason)> onError;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Engine;
    struct Frame;
    void buildMiniStrip();
    void refreshStrip();
    void openFromDialog();
    void nextMedium();
    void makeEngine();
    void retireEngine();
    void readBus(GstMessage* message); // GUI thread: loaded, length, end, errors
    void stateMaybeChanged();
    qint64 positionMs() const;
    bool loaded() const;
    void seekTo(qint64 ms);
    void startPlaying();
    void fail(const QString& reason);
    void soundLost();

    Design design_;
    QString url_;
    QString error_;
    int volume_;
    bool loop_ = false;
    // Where the medium stands; the pipeline follows.
    bool prerolled_ = false; // loaded far enough to know its streams and length
    bool playing_ = false;
    bool paused_ = false;
    bool ended_ = false;
    // The sound server went away: the pipeline is down, the medium waits here to be loaded
    // again at the next play.
    bool lost_ = false;
    qint64 lostAtMs_ = 0;
    bool failedWhilePlaying_ = false;
    qint64 durationMs_ = 0;
    qint64 pendingSeekMs_ = -1; // a position written before the medium was ready
    mutable qint64 lastPositionMs_ = 0;
    QString lastState_;
    std::atomic<int> medium_ = 0; // counts the media written and closed, for the streaming threads
    std::unique_ptr<Engine> engine_;
    // Pipelines of earlier media, on their way down on threads of their own.
    // The newest video frame, handed over from the streaming thread.
    QMutex frameLock_;
    std::unique_ptr<Frame> frame_;
    bool repaintQueued_ = false;
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
