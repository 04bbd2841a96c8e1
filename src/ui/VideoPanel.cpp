#include "ui/VideoPanel.h"

#include "core/Transport.h"
#include "platform/MediaPlayerControl.h"
#include "ui/AudioPanel.h"
#include "ui/Form1.h"

namespace {
const QString kNoTime = QStringLiteral("00:00 / 00:00");
} // namespace

VideoPanel::VideoPanel(Transport& transport, Form1& form) : form_(form) {
    transport.SetStartShare(ProgressStartShare(*form_.Shape8, *form_.Shape7));
    QObject::connect(&transport, &Transport::buttonWordSet, &connections_,
                     [this](bool playing, bool pointerOn) {
                         form_.cmdPlayV->LoadPicture(PlayPicture(playing, pointerOn));
                     });
    // While a video plays, the counter spans the track.
    QObject::connect(&transport, &Transport::playingSet, &connections_, [this](bool playing) {
        if (playing) spanCounter();
    });
    QObject::connect(&transport, &Transport::stopped, &connections_,
                     [this] { form_.lblContatoreV->setCaption(kNoTime); });
    QObject::connect(&transport, &Transport::counterSet, &connections_,
                     [this](double position, double length) {
                         showCounter(position, length);
                         if (!form_.Shape8->Visible()) form_.Shape8->setVisible(true);
                     });
    QObject::connect(
        &transport, &Transport::progressSet, &connections_, [this](double position, double length) {
            showCounter(position, length);
            form_.Shape7->setWidth(
                length > 0 ? ProgressWidth(*form_.Shape8, *form_.Shape7, position / length) : 1);
            if (!form_.Shape7->Visible()) {
                form_.Shape7->setVisible(true);
                spanCounter();
            }
        });
    QObject::connect(&transport, &Transport::startShown, &connections_,
                     [this] { form_.Shape7->setWidth(1); });
    QObject::connect(&transport, &Transport::placeLost, &connections_,
                     [this] { form_.Shape7->setVisible(false); });
    // A medium without a picture (MIDI) offers no projector, and the panel closes up under
    // the counter.
    QObject::connect(&transport, &Transport::mediumLoaded, &connections_, [this](bool pictured) {
        form_.Check1->setVisible(pictured);
        form_.Label5->setVisible(pictured);
        form_.Shape6->setHeight(pictured ? 1425 : 1185);
        form_.lblContatoreV->setWidth(form_.Shape8->Width());
    });
    QObject::connect(&transport, &Transport::titleSet, &connections_,
                     [this](const QString& title) { form_.Label8->setCaption(title); });
    QObject::connect(&transport, &Transport::progressCleared, &connections_, [this] {
        form_.lblContatoreV->setCaption(kNoTime);
        form_.Shape7->setWidth(15);
    });
}

// The player's own words for times; a length not known yet is left out.
void VideoPanel::showCounter(double position, double length) {
    form_.lblContatoreV->setCaption(MediaTimeText(position / 1000) + QStringLiteral(" / ") +
                                    (length > 0 ? MediaTimeText(length / 1000) : QString()));
}

void VideoPanel::spanCounter() {
    form_.lblContatoreV->setLeft(form_.Shape8->Left());
    form_.lblContatoreV->setWidth(form_.Shape8->Width());
}
