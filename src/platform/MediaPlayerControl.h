// The media player control: plays video, MIDI and background audio, with the operations the
// program relies on (URL, close, controls.play/pause/stop, controls.currentPosition and its
// text, currentMedia.duration and its text, settings.volume), over a GStreamer playbin of its
// own. It is no widget: a view (platform/widgets/MediaPlayerView) paints its pictures, which
// it hands out as RGB frames, and draws the "mini" strip.
//
// Like the control it replaces it is asynchronous: writing URL starts loading, and the
// duration is 0 until the media is known. Time texts are "mm:ss", "h:mm:ss" from an hour.
// Nothing of GStreamer is made before the first URL is written; each medium gets a pipeline
// of its own, and the last one is taken down off the GUI thread.
#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <vector>

typedef struct _GstMessage GstMessage;
class QImage;
class QSizeF;

// Time text of a position or length in seconds: "mm:ss", or "h:mm:ss" from an hour.
QString MediaTimeText(double seconds);

class MediaPlayerControl : public QObject {
    Q_OBJECT
public:
    // The design-time settings of an instance; the ones of its look (uiMode, stretchToFit,
    // fullScreen, enableContextMenu) are for its view. A "mini" player plays sound only.
    struct Design {
        bool autoStart = true;
        QString uiMode = QStringLiteral("none"); // "none" or "mini"
        bool stretchToFit = false;
        bool fullScreen = false;
        int volume = 50;
        bool enableContextMenu = true;
    };

    explicit MediaPlayerControl(const Design& design, QObject* parent = nullptr);
    ~MediaPlayerControl() override;

    // The last URL written. Writing loads the file (a path, "\" or "/" separated, or a URL);
    // with autoStart it starts at once.
    QString URL() const { return url_; }
    void setURL(const QString& url);
    // Unloads the current media.
    void close();
    // Loads a medium ahead, paused at its start and silent, beside whatever the player shows and
    // plays: nothing of the current medium changes. Writing URL with the same text later takes
    // it over instead of loading it again. One at a time: another URL, or an empty one, lets the
    // last one go.
    void Prepare(const QString& url);
    // The URL loaded ahead; empty when none.
    QString PreparedURL() const { return preparedUrl_; }

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
    // True from writing URL until close: a pipeline exists (for tests and measurements).
    bool EngineMade() const { return engine_ != nullptr; }
    // True while a pipeline taken down, this player's or another's, is still on its way down (for
    // tests and measurements).
    bool Retiring() const;
    // True when the last error came while the medium played (it broke off), not at its load.
    bool FailedWhilePlaying() const { return failedWhilePlaying_; }
    // The newest picture, handed to draw while the player holds it (the streaming thread
    // waits meanwhile), with the size it shows at (its pixels need not be square); false when
    // there is none.
    bool DrawNewestFrame(
        const std::function<void(const QImage& picture, const QSizeF& shape)>& draw) const;

    // Raised when the state changes (plays, pauses, stops, ends, loads, fails).
    std::function<void()> onStateChange;
    // Raised once when the medium cannot be loaded or played, with the reason.
    std::function<void(const QString& reason)> onError;
    // Raised when the medium loaded ahead cannot be loaded, with its URL and the reason.
    std::function<void(const QString& url, const QString& reason)> onPrepareError;

signals:
    // A new picture waits, or the last one went (a new medium, a close, a failure).
    void pictureChanged();
    // The medium, its state, length or position moved: a view's strip shows them afresh.
    void changed();

private:
    struct Engine;
    struct Frame;
    void nextMedium();
    std::unique_ptr<Engine> makeEngine(int medium);
    static void retire(std::unique_ptr<Engine>& engine);
    void readBus(GstMessage* message); // GUI thread: loaded, length, end, errors
    void readPreparedBus(GstMessage* message);
    void adoptPrepared();
    void loadedNow();
    static QByteArray uriOf(const QString& url);
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
    // The medium loaded ahead, its URL, and the number its pipeline's messages carry (counting
    // down from -1, never a medium_ of the player's own).
    std::unique_ptr<Engine> prepared_;
    QString preparedUrl_;
    int preparedMedium_ = 0;
    // The pipeline of the medium a medium loaded ahead replaced, paused until it is taken down.
    std::unique_ptr<Engine> leaving_;
    int adoptedMedium_ = 0; // the number the medium now shown was loaded ahead with, if it was
    QString preparedError_;
    // Pipelines of earlier media, on their way down on threads of their own.
    // The newest video frame, handed over from the streaming thread.
    mutable QMutex frameLock_;
    std::unique_ptr<Frame> frame_;
    bool repaintQueued_ = false;
};
