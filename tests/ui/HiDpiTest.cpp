// Runs on a simulated 144 dpi screen (tests/ui/hidpi.json). Qt draws the window 1.5 times
// larger there; the toolbar picture keeps its own pixels, and the hotspots follow it.
#include "ui/Form1.h"
#include "ui/WindowVisuals.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <gtest/gtest.h>

TEST(WindowToolbarHiDpi, HotspotsScaleWithTheToolbarPicture) {
    const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    ASSERT_DOUBLE_EQ(ratio, 1.5) << "run with the 144 dpi screen";
    Form1 form;
    form.visuals->AdattaBarraStrumenti();
    // The 25-pixel toolbar picture is 2/3 of its design height in twips (whole pixels).
    const double f = form.Image1->PictureHeight() / 375.0;
    EXPECT_NEAR(f, 2.0 / 3.0, 1e-9);
    const int lefts[17] = {60,   480,  930,  1365, 1890, 2310, 2730, 3150, 3690,
                           4140, 4590, 5085, 5550, 5970, 6470, 6950, 7390};
    for (int i = 0; i < 17; ++i) {
        const Label& h = *form.Label2[i];
        EXPECT_NEAR(h.Left(), std::floor(lefts[i] * f), 10) << i;
        EXPECT_NEAR(h.Width(), std::floor((i >= 14 ? 485 : 435) * f), 10) << i;
        EXPECT_NEAR(h.Height(), std::floor(435 * f) + 10, 10) << i;
        // On the screen the hotspots stay over their pictures.
        EXPECT_NEAR(h.x() * ratio, lefts[i] / 15.0, 1.5) << i;
    }
    EXPECT_NEAR(form.Label3[1]->font().pointSizeF(), 14.25 * f, 1e-6);
    EXPECT_NEAR(form.Label3[0]->font().pointSizeF(), 9.5, 0.3);
    EXPECT_NEAR(form.Label3[0]->Top(), 90 * f, 10);
    EXPECT_NEAR(form.Label3[3]->Top(), 80 * f, 10);
}
