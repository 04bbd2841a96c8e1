// Fuzzes the RTF reader. Whatever an input loads as must also survive our own writer: writing
// the document and reading it back has to give the same text, paragraph formats and character
// formats, so the fuzzer checks the writer and the reader against each other as well.
#include "platform/rtf/Rtf.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

using CharKey = std::tuple<QStringList, double, int, bool, bool, bool, bool, QRgb>;

CharKey KeyOf(const QTextCharFormat& f) {
    const bool colored = f.hasProperty(QTextFormat::ForegroundBrush);
    return {f.fontFamilies().toStringList(),
            f.fontPointSize(),
            f.fontWeight(),
            f.fontItalic(),
            f.fontUnderline(),
            f.fontStrikeOut(),
            colored,
            colored ? f.foreground().color().rgba() : 0u};
}

struct Line {
    QString text;
    int alignment;
    bool bullet;
    CharKey empty; // an empty block's own character format: what typing there starts with
    std::vector<CharKey> chars;

    bool operator==(const Line&) const = default;
};

std::vector<Line> Describe(const QTextDocument& doc) {
    std::vector<Line> lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        Line line{b.text(),
                  static_cast<int>(b.blockFormat().alignment()),
                  b.textList() != nullptr,
                  b.length() == 1 ? KeyOf(b.charFormat()) : CharKey(),
                  {}};
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            line.chars.insert(line.chars.end(), static_cast<size_t>(fragment.length()),
                              KeyOf(fragment.charFormat()));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void Report(const std::vector<Line>& before, const std::vector<Line>& after,
            const QByteArray& written) {
    std::fprintf(stderr, "write/read round trip differs\nwritten: %s\n", written.constData());
    std::fprintf(stderr, "lines: %zu -> %zu\n", before.size(), after.size());
    for (size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        if (before[i] == after[i]) continue;
        std::fprintf(stderr, "line %zu: \"%s\" -> \"%s\"\n", i, qPrintable(before[i].text),
                     qPrintable(after[i].text));
        for (size_t c = 0; c < std::min(before[i].chars.size(), after[i].chars.size()); ++c) {
            if (before[i].chars[c] == after[i].chars[c]) continue;
            std::fprintf(stderr, "  char %zu: %s %g -> %s %g\n", c,
                         qPrintable(std::get<0>(before[i].chars[c]).join(',')),
                         std::get<1>(before[i].chars[c]),
                         qPrintable(std::get<0>(after[i].chars[c]).join(',')),
                         std::get<1>(after[i].chars[c]));
            break;
        }
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Deliberately never destroyed: libFuzzer ends the process with exit().
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    rtf::Read(input, &doc);
    const QByteArray written = rtf::Write(&doc);
    QTextDocument back;
    rtf::Read(written, &back);
    const std::vector<Line> before = Describe(doc);
    const std::vector<Line> after = Describe(back);
    if (before != after) {
        Report(before, after, written);
        std::abort();
    }
    return 0;
}
