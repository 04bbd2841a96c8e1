#include "platform/rtf/TextCodec.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace rtf;

TEST(TextCodecUtf8, Validation) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain ascii"));
    EXPECT_TRUE(IsValidUtf8(u"café Привет 中 😀"_s.toUtf8()));
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));          // Windows-1252 é
    EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));         // truncated sequence
    EXPECT_FALSE(IsValidUtf8("\x80x"));            // stray continuation byte
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // UTF-16 surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
}

TEST(TextCodecPlainText, Utf8WithBomOrWindows1252) {
    EXPECT_EQ(DecodePlainText("\xEF\xBB\xBF"
                              "caf\xC3\xA9\n"),
              u"café\n"_s);
    EXPECT_EQ(DecodePlainText("caf\xC3\xA9"), u"café"_s);
    // One invalid sequence makes the whole file Windows-1252, not a mix.
    EXPECT_EQ(DecodePlainText("caf\xC3\xA9 \x80 \xE9"), u"cafÃ© € é"_s);
    EXPECT_EQ(DecodePlainText(QByteArray("\xFF\xFEh\0i\0", 6)), "hi");
}

TEST(TextCodecWindows1252, HighRangeBothWays) {
    const char16_t high[32] = {u'€', 0x81, u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š',
                               u'‹', u'Œ', 0x8D, u'Ž', 0x8F, 0x90, u'‘', u'’', u'“', u'”', u'•',
                               u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0x9D, u'ž', u'Ÿ'};
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t expected = byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte;
        const QString decoded = DecodeCodePage(QByteArray(1, static_cast<char>(byte)), 1252);
        ASSERT_EQ(decoded.size(), 1);
        EXPECT_EQ(decoded.at(0).unicode(), expected) << "byte " << byte;
        EXPECT_EQ(Windows1252Byte(expected), byte) << "byte " << byte;
    }
    EXPECT_EQ(Windows1252Byte(0x0080), -1);
    EXPECT_EQ(Windows1252Byte(u'П'), -1);
    EXPECT_EQ(Windows1252Byte(0xD83D), -1);
}

TEST(TextCodecCodePages, WindowsAndDoubleByte) {
    EXPECT_EQ(DecodeCodePage("\xCF\xF0\xE8", 1251), u"При"_s);
    EXPECT_EQ(DecodeCodePage("\x8A\xB9", 1250), u"Šą"_s);
    EXPECT_EQ(DecodeCodePage("\xE1\xE2", 1253), u"αβ"_s);
    EXPECT_EQ(DecodeCodePage("\x82\xA0\x82\xA2", 932), u"あい"_s);
    EXPECT_EQ(DecodeCodePage("\xC4\xE3\xBA\xC3", 936), u"你好"_s);
    EXPECT_EQ(DecodeCodePage("\xC7\xD1", 949), u"한"_s);
    EXPECT_EQ(DecodeCodePage("\xA4\xA4", 950), u"中"_s);
    EXPECT_EQ(DecodeCodePage("caf\xC3\xA9", 65001), u"café"_s);
    // Each call stands alone: a cut-off lead byte does not swallow the next call's byte.
    DecodeCodePage("\x82", 932);
    EXPECT_EQ(DecodeCodePage("A", 932), "A");
    EXPECT_EQ(DecodeCodePage("\x80\xE9", 12345), u"€é"_s);
}
