// Helpers shared by the RTF reader and writer tests.
#pragma once

#include "platform/rtf/Rtf.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{';
    for (const QString& text : list) {
        PrintTo(text, out);
        *out << ' ';
    }
    *out << '}';
}

namespace rtftest {

inline std::unique_ptr<QTextDocument> ReadRtf(const QByteArray& data) {
    auto doc = std::make_unique<QTextDocument>();
    rtf::Read(data, doc.get());
    return doc;
}

inline QStringList Lines(const QTextDocument& doc) {
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines;
}

inline QTextBlock Block(const QTextDocument& doc, int index) {
    return doc.findBlockByNumber(index);
}

// Format of the first occurrence of `text`; every character of it must share that format.
inline QTextCharFormat FormatOf(const QTextDocument& doc, const QString& text) {
    const QTextCursor found = doc.find(text, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) {
        ADD_FAILURE() << "text not in document: " << text.toStdString();
        return {};
    }
    QTextCursor at(const_cast<QTextDocument*>(&doc));
    at.setPosition(found.selectionStart() + 1);
    const QTextCharFormat first = at.charFormat();
    for (int pos = found.selectionStart() + 2; pos <= found.selectionEnd(); ++pos) {
        at.setPosition(pos);
        if (at.charFormat() != first)
            ADD_FAILURE() << "format changes inside: " << text.toStdString();
    }
    return first;
}

inline QString Family(const QTextCharFormat& f) {
    return f.fontFamilies().toStringList().value(0);
}
inline bool Bold(const QTextCharFormat& f) {
    return f.fontWeight() == QFont::Bold;
}
inline bool HasColor(const QTextCharFormat& f) {
    return f.hasProperty(QTextFormat::ForegroundBrush);
}

// Runs pandoc with the input on stdin; nullopt when pandoc is not installed or fails.
inline std::optional<QByteArray> RunPandoc(const QStringList& args, const QByteArray& input) {
    const QString pandoc = QStandardPaths::findExecutable(QStringLiteral("pandoc"));
    if (pandoc.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(pandoc, args);
    if (!process.waitForStarted(10000)) return std::nullopt;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace rtftest
