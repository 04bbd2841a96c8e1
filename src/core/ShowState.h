// Where the show stands: the cue last clicked and the kind of the last medium loaded.
// Still to come here as their code moves: the loaded and open flags, the projector requested,
// show mode and its standby cue.
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

signals:
    void cueChanged(const QString& cue);

private:
    QString cue_;
};
