// Byte-to-text decoding shared by the RTF reader and the plain-text loader.
#pragma once

#include <QByteArray>
#include <QString>

namespace rtf {

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(const QByteArray& data);

// Plain (non-RTF) text file: UTF-16 when it starts with a UTF-16 byte-order mark, UTF-8 when
// it is valid UTF-8 (a byte-order mark is dropped), otherwise Windows-1252.
QString DecodePlainText(const QByteArray& data);

// Bytes in a Windows code page (1252, 1250, 1251, 1253 ... the double-byte 932, 936, 949, 950,
// and 65001, UTF-8) or a Mac one (10000 Roman, 10001 Japanese, 10007 Cyrillic ...). An unknown code page decodes as Windows-1252. Each call stands alone: a
// double-byte character cut in two by the end of the bytes is dropped.
QString DecodeCodePage(const QByteArray& data, int codePage);

// Windows code page of an RTF \fcharset value, or 0 when the charset does not name one.
int CodePageOfCharset(int charset);

// Windows-1252 byte of a character, or -1 when the character has none.
int Windows1252Byte(char16_t ch);

} // namespace rtf
