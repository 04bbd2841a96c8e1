// The media player control: plays video, MIDI and background audio, with the operations the
// program relies on (URL, close, controls.play/pause/stop, controls.currentPosition and its
// text, currentMedia.duration and its text, settings.volume), over Qt Multimedia.
//
// Like the control it replaces it is asynchronous: writing URL starts loading, and the
// duration is 0 until the media is known. Time texts are "mm:ss", "h:mm:ss" from an hour.
#pragma once

#include "ui/Control.h"

#include <QString>
#include <QWidget>
#include <functional>

class QAudioOutput;
class QLabel;
class QMediaPlayer;
class QSlider;
class QToolButton;
class QVideoWidget;
class MediaPlayerControl;

// Chooses the GStreamer back end of Qt Multimedia (unless QT_MEDIA_BACKEND says otherwise).
// Call before the application object is made.
void SelectMediaBackend();

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

    // Key-down event (key code, modifier mask), e.g. Escape while the video has the focus.
    std::function<void(int& keyCode, int& shift)> onKeyDown;
    // Raised when the state changes (plays, pauses, stops, ends, loads, fails).
    std::function<void()> onStateChange;
    // Raised once when the medium cannot be loaded or played, with the reason.
    std::function<void(const QString& reason)> onError;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMiniStrip();
    void refreshStrip();
    void openFromDialog();
    qint64 positionMs() const;
    bool loaded() const;
    bool atEnd() const;
    void fail(const QString& reason);

    Design design_;
    QString url_;
    bool soundStarted_ = false; // the sound stream has started since the medium was loaded
    QString error_;
    QMediaPlayer* player_;
    QAudioOutput* audio_;
    QVideoWidget* video_ = nullptr;
    int volume_;
    // Mini strip (uiMode "mini").
    QToolButton* openButton_ = nullptr;
    QToolButton* playButton_ = nullptr;
    QToolButton* stopButton_ = nullptr;
    QSlider* positionBar_ = nullptr;
    QLabel* timeLabel_ = nullptr;
};
