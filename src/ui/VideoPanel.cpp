#include "ui/VideoPanel.h"

#include "core/Transport.h"
#include "platform/MediaPlayerControl.h"
#include "ui/Form1.h"

VideoPanel::VideoPanel(Transport& transport, Form1& form) : form_(form) {
    // The player's own words for times; a length not known yet is left out.
    QObject::connect(&transport, &Transport::progressSet, &connections_,
                     [this](double position, double length) {
                         form_.lblContatoreV->setCaption(
                             MediaTimeText(position / 1000) + QStringLiteral(" / ") +
                             (length > 0 ? MediaTimeText(length / 1000) : QString()));
                         if (!form_.Shape8->Visible()) form_.Shape8->setVisible(true);
                     });
    QObject::connect(&transport, &Transport::progressCleared, &connections_, [this] {
        form_.lblContatoreV->setCaption(QStringLiteral("00:00 / 00:00"));
        form_.Shape7->setWidth(15);
    });
}
