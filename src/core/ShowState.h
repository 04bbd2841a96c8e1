// Where the show stands: the cue last clicked, the kind of the last medium loaded, whether
// audio and video have been loaded, whether the projector is asked for, show mode and the cue
// waiting on standby for GO.
#pragma once

#include <QObject>
#include <QString>

class ShowState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The text of the cue last clicked, resolved to an existing file name when it names one.
    QString CueCorrente() const { return cue_; }
    void SetCueCorrente(const QString& cue);

    int TipoMedia = 0; // 1 audio, 2 video or MIDI: the last medium loaded

    // What the last cue loaded into the window's panel: a double-click on its cue starts an
    // audio or video medium, never a picture.
    enum class Loaded { Nothing, Audio, Video, Picture };
    Loaded LastLoaded() const { return lastLoaded_; }
    void SetLastLoaded(Loaded kind) { lastLoaded_ = kind; }

    // An audio file, and a video or MIDI file, has been loaded since the start: the player's
    // panel shows, and its command cues act.
    bool AudioLoaded() const { return audioLoaded_; }
    void SetAudioLoaded(bool loaded);
    bool VideoLoaded() const { return videoLoaded_; }
    void SetVideoLoaded(bool loaded);

    // The projector is asked for (the projector box shows it): video goes to the projector
    // when there is a second monitor. A change is announced only when the value changes, and
    // switching the projector follows the announcement.
    bool ProjectorRequested() const { return projector_; }
    void SetProjectorRequested(bool on);

    // Show mode: the script is a prompt book that cannot be edited, and GO runs the standby.
    bool ShowModeActive() const { return showMode_; }
    void SetShowModeActive(bool on);
    // The cue waiting for GO in show mode, as its text trimmed as a click trims it, and where
    // its "[[" stands in the script; there is none outside show mode or with no cue after the
    // caret. A set is announced even when nothing changed: the mark on the cue is drawn again,
    // as the text around it may have moved it.
    bool HasStandby() const { return hasStandby_; }
    QString Standby() const { return standby_; }
    int StandbyAt() const { return standbyAt_; }
    void SetStandby(const QString& text, int at);
    void ClearStandby();

signals:
    void showModeChanged(bool on);
    void standbyChanged();
    void cueChanged(const QString& cue);
    void projectorRequestedChanged(bool on);
    void audioLoadedChanged(bool loaded);
    void videoLoadedChanged(bool loaded);

private:
    QString cue_;
    Loaded lastLoaded_ = Loaded::Nothing;
    bool projector_ = false;
    bool audioLoaded_ = false;
    bool videoLoaded_ = false;
    bool showMode_ = false;
    bool hasStandby_ = false;
    QString standby_;
    int standbyAt_ = -1;
};
