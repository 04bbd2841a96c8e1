#include "platform/Numbers.h"

#include <QLocale>
#include <cmath>
#include <limits>

QString NumberText(double value) {
    if (std::isnan(value)) return QStringLiteral(" 0");
    // The C locale never groups digits and always writes a point.
    QString digits = QLocale::c().toString(value, 'g', 15);
    if (digits.contains(u'e')) digits = QLocale::c().toString(value, 'f', 0);
    return value >= 0 ? u' ' + digits : digits;
}

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
    double v = QLocale::c().toDouble(QStringView(text).mid(begin, end - begin), &ok);
    if (!ok) {
        // Only overflow gets here: the text was a well-formed number too large for a double.
        v = text[begin] == u'-' ? -std::numeric_limits<double>::max()
                                : std::numeric_limits<double>::max();
    }
    return v;
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
