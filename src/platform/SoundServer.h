// Whether the sound server (PulseAudio, or PipeWire speaking its protocol) answers. Every sound
// stream of the process shares one connection to it, which dies with the server; the players
// and the mixer listen here to let go of theirs when it goes and to reconnect when it is back.
#pragma once

#include <QObject>
#include <atomic>

class SoundServer : public QObject {
    Q_OBJECT
public:
    // Starts as "up": a program that never watches behaves as before.
    SoundServer() = default;
    ~SoundServer() override;

    bool Up() const { return up_.load(); }
    // Asks the server now, waiting a moment for the answer, and records it: a stream's error
    // may be read before the watch has heard of the server's end.
    virtual bool Check() { return Up(); }

signals:
    // The server went away: every stream on it is dead.
    void Lost();
    // A server answers again (the same one restarted, or another).
    void Back();

protected:
    // Records the news and signals it on the GUI thread, once per change.
    void announce(bool up);

private:
    std::atomic<bool> up_ = true;
};

// The watch the program uses: the real server, unless a test installed another. The real watch
// starts at its first use and tries to reconnect every half second while the server is away.
SoundServer& soundServer();
// Installs another watch (tests); nullptr restores the real one. The caller keeps ownership.
void SetSoundServer(SoundServer* watch);
