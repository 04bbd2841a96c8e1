#include "platform/rtf/TextCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>
#include <memory>
#include <unordered_map>

namespace rtf {

namespace {

// Windows-1252 0x80-0x9F. The five bytes the code page leaves undefined map to the C1 control
// of the same value, as Windows itself does, so no byte is ever lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
    return byte;
}

QString DecodeCp1252(const QByteArray& data) {
    QString text(data.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : data)
        *out++ = Cp1252ToUnicode(static_cast<unsigned char>(c));
    return text;
}

// Names Qt (through ICU on our platforms) knows each code page by, most likely first.
struct CodePageNames {
    int codePage;
    const char* names[2];
};
constexpr CodePageNames kDecoderNames[] = {
    {874, {"windows-874", "TIS-620"}},
    {932, {"Shift_JIS", "windows-932"}},
    {936, {"GBK", "windows-936"}},
    {949, {"windows-949", "EUC-KR"}},
    {950, {"Big5", "windows-950"}},
    {1250, {"windows-1250", nullptr}},
    {1251, {"windows-1251", nullptr}},
    {1253, {"windows-1253", nullptr}},
    {1254, {"windows-1254", nullptr}},
    {1255, {"windows-1255", nullptr}},
    {1256, {"windows-1256", nullptr}},
    {1257, {"windows-1257", nullptr}},
    {1258, {"windows-1258", nullptr}},
    {10000, {"macintosh", nullptr}},
    {437, {"IBM437", "cp437"}},
    {850, {"IBM850", "cp850"}},
    // The Mac code pages; the Asian ones are close kin of the Windows double-byte pages.
    {10001, {"Shift_JIS", nullptr}},
    {10002, {"Big5", nullptr}},
    {10003, {"EUC-KR", nullptr}},
    {10008, {"GBK", "GB2312"}},
    {10006, {"x-mac-greek", nullptr}},
    {10007, {"x-mac-cyrillic", nullptr}},
    {10029, {"x-mac-centraleurroman", nullptr}},
    {10081, {"x-mac-turkish", nullptr}},
};

// Opening an ICU converter is far slower than decoding a few bytes, and the reader decodes
// once per run of escaped bytes, so each thread keeps one stateless decoder per code page.
// A null entry remembers that ICU does not know the code page.
QStringDecoder* DecoderFor(int codePage) {
    thread_local std::unordered_map<int, std::unique_ptr<QStringDecoder>> decoders;
    const auto found = decoders.find(codePage);
    if (found != decoders.end()) return found->second.get();
    const auto entry = std::find_if(std::begin(kDecoderNames), std::end(kDecoderNames),
                                    [&](const CodePageNames& e) { return e.codePage == codePage; });
    if (entry == std::end(kDecoderNames)) return nullptr;
    std::unique_ptr<QStringDecoder> decoder;
    for (const char* name : entry->names) {
        if (!name || decoder) continue;
        auto candidate = std::make_unique<QStringDecoder>(name, QStringConverter::Flag::Stateless);
        if (candidate->isValid()) decoder = std::move(candidate);
    }
    return decoders.emplace(codePage, std::move(decoder)).first->second.get();
}

} // namespace

bool IsValidUtf8(const QByteArray& data) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    const auto* end = p + data.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        char32_t cp;
        char32_t min;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
            min = 0x10000;
        } else {
            return false;
        }
        if (end - p <= extra) return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and values past U+10FFFF are not UTF-8.
        if (cp < min || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        p += extra + 1;
    }
    return true;
}

QString DecodePlainText(const QByteArray& data) {
    // Notepad's "Unicode" files are UTF-16 with a byte-order mark.
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(data.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                           : QStringConverter::Utf16BE);
        return decoder.decode(QByteArrayView(data).sliced(2));
    }
    if (IsValidUtf8(data)) {
        const bool bom = data.startsWith("\xEF\xBB\xBF");
        return QString::fromUtf8(QByteArrayView(data).sliced(bom ? 3 : 0));
    }
    return DecodeCp1252(data);
}

QString DecodeCodePage(const QByteArray& data, int codePage) {
    // Some generators declare UTF-8 (65001) and write its bytes as escapes.
    if (codePage == 65001) return QString::fromUtf8(data);
    if (codePage != 1252) {
        if (QStringDecoder* decoder = DecoderFor(codePage)) return decoder->decode(data);
    }
    return DecodeCp1252(data);
}

int CodePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 78:
        return 10001;
    case 79:
        return 10003;
    case 80:
        return 10008;
    case 81:
        return 10002;
    case 85:
        return 10006;
    case 86:
        return 10081;
    case 88:
        return 10029;
    case 89:
        return 10007;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

int Windows1252Byte(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return ch;
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == ch) return 0x80 + i;
    }
    return -1;
}

} // namespace rtf
