#include "platform/Numbers.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

TEST(NumberText, NonNegativeNumbersGetALeadingBlank) {
    EXPECT_EQ(NumberText(100), QStringLiteral(" 100"));
    EXPECT_EQ(NumberText(0), QStringLiteral(" 0"));
    EXPECT_EQ(NumberText(-5), QStringLiteral("-5"));
    EXPECT_EQ(NumberText(12.5), QStringLiteral(" 12.5"));
    EXPECT_EQ(NumberText(-0.25), QStringLiteral("-0.25"));
    EXPECT_EQ(NumberText(65536), QStringLiteral(" 65536"));
}

TEST(NumericValue, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("12.5")), 12.5);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("   50")), 50);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral(" 150 percent")), 150);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("-20")), -20);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("+7x")), 7);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral(".5")), 0.5);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("3.25.1")), 3.25);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("2e3")), 2000);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("2e")), 2);
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("2ex")), 2);
}

TEST(NumericValue, NoNumberGivesZero) {
    EXPECT_EQ(NumericValue(QString()), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("x")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("up")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("-")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral(".")), 0);
    EXPECT_EQ(NumericValue(QStringLiteral("\t5")), 0); // only blanks are skipped
}

TEST(NumericValue, IgnoresTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("12.5")), 12.5);
    EXPECT_EQ(NumberText(12.5), QStringLiteral(" 12.5"));
    EXPECT_DOUBLE_EQ(NumericValue(QStringLiteral("1,5")), 1); // a comma ends the number
    QLocale::setDefault(saved);
}

TEST(RoundInt, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundInt(2.5), 2);
    EXPECT_EQ(RoundInt(3.5), 4);
    EXPECT_EQ(RoundInt(-2.5), -2);
    EXPECT_EQ(RoundInt(2.51), 3);
    EXPECT_EQ(RoundInt(-7.2), -7);
    EXPECT_EQ(RoundInt(1e12), std::numeric_limits<int>::max());
}

TEST(Twips, FifteenTwipsAPixelAtNinetySixDpi) {
    // The offscreen platform reports 96 dpi.
    EXPECT_DOUBLE_EQ(TwipsPerPixelX(), 15.0);
    EXPECT_EQ(TwipsToPixelsX(6765), 451);
    EXPECT_EQ(TwipsToPixelsY(8535), 569);
    EXPECT_DOUBLE_EQ(PixelsToTwipsY(10), 150.0);
    EXPECT_EQ(TwipsRect(390, 870, 6765, 6465), QRect(26, 58, 451, 431));
}

TEST(RgbValue, RedIsTheLowByte) {
    EXPECT_EQ(RGB(0, 0, 255), 0xFF0000);
    EXPECT_EQ(RGB(255, 0, 0), 0x0000FF);
    EXPECT_EQ(ColorFromRgbValue(RGB(10, 20, 30)), QColor(10, 20, 30));
    EXPECT_EQ(RgbValueOf(QColor(0, 0, 255)), RGB(0, 0, 255));
}
