#include "ui/WindowParts.h"

#include "display/Monitors.h"
#include "display/ZoomWindow.h"
#include "media/VolumeFades.h"
#include "platform/Numbers.h"
#include "ui/Form1.h"

namespace {

// The knob placed at the percentage of its travel, and the volume taken from it.
void setKnob(Form1& form, double percent) {
    PictureBox& knob = *form.Image2;
    PictureBox& track = *form.Image3;
    const double top = RoundInt(track.Top());
    const double bottom = RoundInt(track.Top() + track.Height() - knob.Height());
    knob.setTop(bottom - (bottom - top) / 100.0 * percent);
    form.volume->TagFromKnob();
    form.volume->ImpostaVolume();
    form.Label6->setCaption(DecimalText(percent));
}

// The picture on the second monitor's picture window when there is one, else on this window.
void showPicture(Form1& form, bool shown) {
    if (!shown) {
        if (form.imgZoom->Visible()) form.imgZoom->setVisible(false);
        PictureBox* picture = form.ZoomWindow().Image1;
        if (picture->Visible()) picture->setVisible(false);
    } else if (form.Monitors->Count() > 1) {
        PictureBox* picture = form.ZoomWindow().Image1;
        if (!picture->Visible()) picture->setVisible(true);
    } else if (!form.imgZoom->Visible()) {
        form.imgZoom->setVisible(true);
    }
}

} // namespace

InterpreteParts MakeInterpreteParts(Form1& form) {
    return {form.core.state,
            *form.scriptDocument,
            form.core.audio,
            form.core.video,
            *form.volume,
            *form.audio,
            *form.video,
            *form.WMP3,
            *form.background,
            [&form](double percent) { setKnob(form, percent); },
            [&form](bool shown) { showPicture(form, shown); }};
}
