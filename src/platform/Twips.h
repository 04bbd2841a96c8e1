// Twips (1/1440 inch), the unit of every window and control position and size, and their
// conversion to pixels with the screen's dots per inch (15 twips a pixel at 96 dpi).
#pragma once

#include <QPoint>
#include <QRect>

double TwipsPerPixelX();
double TwipsPerPixelY();

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(double pixels);
double PixelsToTwipsY(double pixels);

// A rectangle given in twips (left, top, width, height) in pixels.
QRect TwipsRect(double left, double top, double width, double height);
