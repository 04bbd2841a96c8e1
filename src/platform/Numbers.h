// The program's number conventions, in one place.
#pragma once

#include <QString>

// Number text: a blank before zero and positive numbers (" 100"), a minus sign otherwise
// ("-5"). Fractions keep up to 15 significant digits, with a point whatever the locale.
QString NumberText(double value);

// Numeric value of a text: leading blanks are skipped, then a decimal number is read (sign,
// digits, one point, an exponent when digits follow it) up to the first character that cannot
// continue it. A text with no number gives 0. The point is the decimal separator whatever the
// locale: "12.5" is 12.5.
double NumericValue(const QString& text);

// Rounding to an integer where the design says "rounded": halves go to the even neighbour
// (2.5 gives 2, 3.5 gives 4), as the original platform rounds.
int RoundInt(double value);
