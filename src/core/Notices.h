// What the show says to the operator on the notice line: one notice at a time, which goes
// after a while. The window shows them; the subsystems only say what.
#pragma once

#include <QString>

// How long a notice stays, in milliseconds.
inline constexpr int kNoticeMs = 6000;

class Notices {
public:
    virtual ~Notices() = default;
    // Shows text as the notice; it goes after ms milliseconds (0: it stays).
    virtual void ShowNotice(const QString& text, int ms) = 0;
    // Takes the notice away now.
    virtual void ClearNotice() = 0;
    // The notice for a media file that cannot be loaded or played, with the reason given by
    // the device or player; it goes after ms milliseconds (0: it stays).
    virtual void ShowMediaFailure(const QString& file, const QString& reason,
                                  int ms = kNoticeMs) = 0;
};
