#include "ui/AudioPanel.h"

#include "app/Paths.h"
#include "core/MasterVolume.h"
#include "core/Transport.h"
#include "media/AudioPlayer.h"
#include "platform/Numbers.h"
#include "ui/Form1.h"
#include "ui/WindowVisuals.h"

QString PlayPicture(bool playing, bool pointerOn) {
    return PictureFile((playing ? QStringLiteral("pause") : QStringLiteral("play")) +
                       (pointerOn ? QStringLiteral("2.jpg") : QStringLiteral(".jpg")));
}

AudioPanel::AudioPanel(Transport& transport, MasterVolume& volume, Form1& form) : form_(form) {
    QObject::connect(&volume, &MasterVolume::levelSet, &connections_, [this](long, double percent) {
        form_.Label6->setCaption(NumberText(percent));
    });
    QObject::connect(&transport, &Transport::buttonWordSet, &connections_,
                     [this](bool playing, bool pointerOn) {
                         form_.cmdPlayA->LoadPicture(PlayPicture(playing, pointerOn));
                     });
    // The button redraws for its new state as if the pointer were on it.
    QObject::connect(&transport, &Transport::stopped, &connections_,
                     [this] { form_.visuals->cmdPlayA_MouseMove(0, 0, 0, 0); });
    QObject::connect(&transport, &Transport::progressSet, &connections_,
                     [this](double position, double length) {
                         form_.lblContatore->setCaption(AudioPlayer::CounterText(position, length));
                         if (length > 0)
                             form_.Shape1->setWidth(
                                 ProgressWidth(*form_.Shape2, *form_.Shape1, position / length));
                         if (!form_.Shape1->Visible()) form_.Shape1->setVisible(true);
                     });
    // A medium loaded: the track and the buttons show (a file that did not open included).
    QObject::connect(&transport, &Transport::mediumLoaded, &connections_, [this] {
        form_.Label4->setVisible(true);
        form_.Shape2->setVisible(true);
        for (PictureBox* button : {form_.cmdPlayA, form_.cmdStopA, form_.cmdForA, form_.cmdBacA}) {
            button->setEnabled(true);
            button->setVisible(true);
        }
        form_.Shape9->setVisible(true);
    });
    QObject::connect(&transport, &Transport::progressCleared, &connections_, [this] {
        form_.lblContatore->setCaption(AudioPlayer::CounterText(0, 0));
        form_.Shape1->setWidth(15);
    });
}
