// The projector switch and window.
#pragma once

#include <QString>

class Form1;

class Projector {
public:
    explicit Projector(Form1& form) : form_(form) {}
    virtual ~Projector() = default;

    // Opens or closes the projector window as Check1 says: it comes with the projector
    // window; until then it does nothing.
    virtual void Check1_Click() {}
    // Loading a video on the projector's player, closing the projector's player and hiding
    // its window, and showing a picture full screen on the second monitor: they come with the
    // projector and picture windows; until then they do nothing.
    virtual void CaricaSulProiettore(const QString& url) { (void)url; }
    virtual void ChiudiProiettore() {}
    virtual void MostraImmagine() {}

protected:
    Form1& form_;
};
