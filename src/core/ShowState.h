// Where the show stands: the cue last clicked, the kind of the last medium loaded, whether
// audio and video have been loaded, and whether the projector is asked for. Still to come
// here as their code moves: show mode and its standby cue.
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

signals:
    void cueChanged(const QString& cue);
    void projectorRequestedChanged(bool on);
    void audioLoadedChanged(bool loaded);
    void videoLoadedChanged(bool loaded);

private:
    QString cue_;
    bool projector_ = false;
    bool audioLoaded_ = false;
    bool videoLoaded_ = false;
};
