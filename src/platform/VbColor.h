// Colours as the design stores them: a 24-bit value with red in the low byte, then green,
// then blue (RGB(0, 0, 255) is 0xFF0000).
#pragma once

#include <QColor>

constexpr long RGB(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | (static_cast<long>(b & 0xFF) << 16);
}

inline QColor ColorFromRgbValue(long value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline long RgbValueOf(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}
