#include "platform/Numbers.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

QString NumberText(double value) {
    if (std::isnan(value)) return QStringLiteral(" 0");
    // The C locale never groups digits and always writes a point.
    QString digits = QLocale::c().toString(value, 'g', 15);
    if (digits.contains(u'e')) digits = QLocale::c().toString(value, 'f', 0);
    return value >= 0 ? u' ' + digits : digits;
}

namespace {
// The power of ten of a number's first significant digit ("123e5" gives 7, "0.001e-2" gives
// -5), for a well-formed number with at least one digit; the exponent is saturated so that
// any number of exponent digits stays in range.
long long decimalMagnitude(QStringView number) {
    qsizetype i = 0;
    if (i < number.size() && (number[i] == u'+' || number[i] == u'-')) ++i;
    long long magnitude = -1;
    bool significant = false;
    long long afterPoint = 0;
    bool inFraction = false;
    for (; i < number.size() && number[i] != u'e' && number[i] != u'E'; ++i) {
        if (number[i] == u'.') {
            inFraction = true;
        } else if (inFraction) {
            ++afterPoint;
            if (!significant && number[i] != u'0') {
                significant = true;
                magnitude = -afterPoint;
            }
        } else if (significant || number[i] != u'0') {
            if (!significant) magnitude = -1;
            significant = true;
            ++magnitude;
        }
    }
    if (!significant) return std::numeric_limits<int>::min(); // zero, however written
    long long exponent = 0;
    bool negativeExponent = false;
    if (i < number.size()) {
        ++i;
        if (i < number.size() && (number[i] == u'+' || number[i] == u'-'))
            negativeExponent = number[i++] == u'-';
        for (; i < number.size(); ++i)
            exponent = std::min<long long>(exponent * 10 + (number[i].unicode() - u'0'), 1LL << 40);
    }
    return magnitude + (negativeExponent ? -exponent : exponent);
}
} // namespace

double NumericValue(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    const qsizetype begin = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) ++i;
    bool anyDigit = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0;
    qsizetype end = i;
    // An exponent only counts when digits follow it: "2e" is 2, "2e3" is 2000.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-')) ++j;
        qsizetype digitsStart = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            ++j;
        if (j > digitsStart) end = j;
    }
    bool ok = false;
    const QStringView number = QStringView(text).mid(begin, end - begin);
    const double v = QLocale::c().toDouble(number, &ok);
    if (ok) return v;
    // Only a well-formed number out of a double's range gets here: too large, or too close to
    // zero (1e-400), told apart by its decimal magnitude.
    const bool negative = text[begin] == u'-';
    if (decimalMagnitude(number) < 0) return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
}

int RoundInt(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value); // default rounding mode: halves to even
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}
