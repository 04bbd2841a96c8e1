#include "show/ShowPack.h"

#include "i18n/Messages.h"
#include "platform/PlatformTexts.h"
#include "platform/rtf/Rtf.h"
#include "platform/rtf/TextCodec.h"
#include "script/CueLookup.h"
#include "show/ShowCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextDocument>
#include <algorithm>

Q_LOGGING_CATEGORY(lcPack, "scenolux.pack")

namespace {

// ---- where each character of an RTF file's text comes from ----

// The bytes one character of text was read from.
struct Piece {
    qsizetype begin = 0, end = 0;
    bool afterWord = false; // right after a control word that ended without a blank
    bool text = true;       // false: a line break or tab written as a control word
    int uc = 1;             // the \uc in force (fallback characters after \u)
};
struct ScannedRtf {
    QString text;
    QList<Piece> pieces; // one for each character of text
};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Groups whose text is not the script's (tables, pictures, field instructions, metadata).
bool skippedDestination(const QByteArray& word) {
    static const QSet<QByteArray> kSkipped{"fonttbl",
                                           "colortbl",
                                           "stylesheet",
                                           "info",
                                           "pict",
                                           "object",
                                           "fldinst",
                                           "header",
                                           "footer",
                                           "headerl",
                                           "headerr",
                                           "footerl",
                                           "footerr",
                                           "headerf",
                                           "footerf",
                                           "listtable",
                                           "listoverridetable",
                                           "rsidtbl",
                                           "generator",
                                           "xmlnstbl",
                                           "themedata",
                                           "colorschememapping",
                                           "datastore",
                                           "latentstyles",
                                           "pgdsctbl",
                                           "filetbl",
                                           "revtbl",
                                           "footnote"};
    return kSkipped.contains(word);
}

// A light reading of RTF that keeps, for each character of the body text, the bytes it came
// from. It reads what the editor's reader reads as far as cues go: text, escapes, \u with its
// fallback, code pages, and skips the same kinds of groups.
ScannedRtf scanRtf(const QByteArray& d) {
    struct State {
        bool skip = false;
        int uc = 1;
    };
    ScannedRtf out;
    QList<State> stack;
    State st;
    int codePage = 1252;
    bool groupStart = false, lastWasWord = false;
    QByteArray pending; // \'hh bytes and 8-bit bytes, decoded together (double-byte pages)
    Piece pendingPiece;
    const qsizetype n = d.size();

    auto put = [&](QChar ch, Piece piece) {
        if (st.skip) return;
        piece.uc = st.uc;
        out.text += ch;
        out.pieces << piece;
    };
    auto flush = [&] {
        if (pending.isEmpty()) return;
        for (QChar ch : rtf::DecodeCodePage(pending, codePage))
            put(ch, pendingPiece);
        pending.clear();
    };
    auto addByte = [&](char byte, qsizetype begin, qsizetype end) {
        if (pending.isEmpty()) pendingPiece = Piece{begin, end, lastWasWord, true, st.uc};
        pendingPiece.end = end;
        pending += byte;
    };
    // Past one fallback character of \u: an escape, a control symbol or word, or one byte.
    auto skipFallback = [&](qsizetype k) {
        if (k >= n || d[k] == '{' || d[k] == '}') return k;
        if (d[k] != '\\') return k + 1;
        if (k + 1 < n && d[k + 1] == '\'') return std::min(n, k + 4);
        if (k + 1 < n && isLetter(d[k + 1])) {
            k += 1;
            while (k < n && isLetter(d[k]))
                ++k;
            if (k < n && d[k] == '-') ++k;
            while (k < n && isDigit(d[k]))
                ++k;
            if (k < n && d[k] == ' ') ++k;
            return k;
        }
        return std::min(n, k + 2);
    };

    qsizetype i = 0;
    while (i < n) {
        const char c = d[i];
        if (c == '{') {
            flush();
            stack << st;
            groupStart = true;
            lastWasWord = false;
            ++i;
            continue;
        }
        if (c == '}') {
            flush();
            if (!stack.isEmpty()) st = stack.takeLast();
            groupStart = lastWasWord = false;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            lastWasWord = false;
            ++i;
            continue;
        }
        if (c == '\\' && i + 1 < n) {
            const char c2 = d[i + 1];
            if (isLetter(c2)) {
                qsizetype k = i + 1;
                while (k < n && isLetter(d[k]))
                    ++k;
                const QByteArray word = d.mid(i + 1, k - i - 1);
                const qsizetype paramBegin = k;
                if (k < n && d[k] == '-') ++k;
                while (k < n && isDigit(d[k]))
                    ++k;
                const bool hasParam = k > paramBegin;
                const int param = hasParam ? d.mid(paramBegin, k - paramBegin).toInt() : 0;
                const bool blank = k < n && d[k] == ' ';
                if (blank) ++k;
                if (groupStart && skippedDestination(word)) st.skip = true;
                if (word == "ansicpg" && hasParam)
                    codePage = param;
                else if (word == "uc" && hasParam)
                    st.uc = std::max(0, param);
                else if (word == "u" && hasParam) {
                    flush();
                    qsizetype end = k;
                    for (int f = 0; f < st.uc; ++f)
                        end = skipFallback(end);
                    put(QChar(char16_t(param < 0 ? param + 65536 : param)),
                        Piece{i, end, lastWasWord, true, st.uc});
                    k = end;
                } else if (word == "par" || word == "line" || word == "sect" || word == "page" ||
                           word == "row") {
                    flush();
                    put(u'\n', Piece{i, k, false, false, st.uc});
                } else if (word == "tab") {
                    flush();
                    put(u'\t', Piece{i, k, false, false, st.uc});
                } else if (word == "bin" && hasParam) {
                    flush();
                    k = std::min(n, k + std::max(0, param));
                } else {
                    flush(); // formatting between two runs of escaped bytes ends the run
                }
                lastWasWord = !blank && word != "u";
                groupStart = false;
                i = k;
                continue;
            }
            if (c2 == '\'' && i + 3 < n) {
                bool ok = false;
                const char byte = char(d.mid(i + 2, 2).toInt(&ok, 16));
                if (ok) addByte(byte, i, i + 4);
                lastWasWord = groupStart = false;
                i += 4;
                continue;
            }
            flush();
            if (c2 == '*') {
                st.skip = true;
            } else if (c2 == '\\' || c2 == '{' || c2 == '}') {
                put(QChar(QLatin1Char(c2)), Piece{i, i + 2, lastWasWord, true, st.uc});
            } else if (c2 == '~') {
                put(QChar(0xA0), Piece{i, i + 2, lastWasWord, true, st.uc});
            } else if (c2 == '\r' || c2 == '\n') {
                put(u'\n', Piece{i, i + 2, false, false, st.uc});
            }
            lastWasWord = groupStart = false;
            i += 2;
            continue;
        }
        if (uchar(c) >= 0x80) {
            addByte(c, i, i + 1);
        } else {
            flush();
            put(QChar(QLatin1Char(c)), Piece{i, i + 1, lastWasWord, true, st.uc});
        }
        lastWasWord = groupStart = false;
        ++i;
    }
    flush();
    return out;
}

// Text as RTF writes it where uc fallback characters follow each \u.
QByteArray rtfText(const QString& text, int uc) {
    QByteArray out;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u >= 0x20 && u < 0x7f) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(qint16(u));
            out += uc == 0 ? QByteArray(" ") : QByteArray(uc, '?');
        }
    }
    return out;
}

struct Edit {
    qsizetype begin, end;
    QByteArray bytes;
};

QByteArray applyEdits(QByteArray data, QList<Edit> edits) {
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.begin > b.begin; });
    for (const Edit& e : edits)
        data.replace(e.begin, e.end - e.begin, e.bytes);
    return data;
}

// Where, in the text, the trimmed text of a cue starts.
qsizetype trimmedStart(const QString& text, const ScriptCue& cue) {
    qsizetype at = cue.position;
    while (at < text.size() && text[at] == u' ')
        ++at;
    return at;
}

QByteArray replaceInRtf(const QByteArray& data,
                        const std::function<std::optional<QString>(const QString&)>& newText) {
    const ScannedRtf scanned = scanRtf(data);
    QList<Edit> edits;
    for (const ScriptCue& cue : ScriptCues(scanned.text)) {
        const std::optional<QString> replacement = newText(cue.text);
        if (!replacement || *replacement == cue.text) continue;
        const qsizetype first = trimmedStart(scanned.text, cue);
        QList<Piece> pieces;
        bool plain = true;
        for (qsizetype k = first; k < first + cue.text.size(); ++k) {
            const Piece& p = scanned.pieces[k];
            plain = plain && p.text;
            if (pieces.isEmpty() || pieces.last().begin != p.begin) pieces << p;
        }
        if (!plain || pieces.isEmpty()) continue; // a cue across lines names no file
        // The new text where the first character was; the other characters go, and any
        // formatting written between them stays where it was.
        QByteArray bytes = rtfText(*replacement, pieces.first().uc);
        if (pieces.first().afterWord && !bytes.isEmpty() &&
            (isLetter(bytes[0]) || isDigit(bytes[0]) || bytes[0] == '-'))
            bytes.prepend(' ');
        edits << Edit{pieces.first().begin, pieces.first().end, bytes};
        for (qsizetype k = 1; k < pieces.size(); ++k)
            edits << Edit{pieces[k].begin, pieces[k].end, QByteArray()};
    }
    return applyEdits(data, edits);
}

QByteArray
replaceInPlainText(const QByteArray& data,
                   const std::function<std::optional<QString>(const QString&)>& newText) {
    auto replaced = [&](QString text) {
        QList<ScriptCue> cues = ScriptCues(text);
        std::reverse(cues.begin(), cues.end());
        for (const ScriptCue& cue : cues) {
            const std::optional<QString> replacement = newText(cue.text);
            if (replacement && *replacement != cue.text)
                text.replace(trimmedStart(text, cue), cue.text.size(), *replacement);
        }
        return text;
    };
    // UTF-8 and UTF-16 go there and back without a change; Windows-1252 is one byte a
    // character, edited in place.
    for (const auto& [bom, encoding] :
         {std::pair{QByteArray("\xff\xfe"), QStringConverter::Utf16LE},
          std::pair{QByteArray("\xfe\xff"), QStringConverter::Utf16BE}}) {
        if (!data.startsWith(bom)) continue;
        QStringDecoder decode(encoding, QStringConverter::Flag::Stateless);
        QStringEncoder encode(encoding, QStringConverter::Flag::Stateless);
        return bom + QByteArray(encode(replaced(decode(data.mid(2)))));
    }
    if (rtf::IsValidUtf8(data)) {
        const QByteArray bom =
            data.startsWith("\xef\xbb\xbf") ? QByteArray("\xef\xbb\xbf") : QByteArray();
        return bom + replaced(QString::fromUtf8(data.mid(bom.size()))).toUtf8();
    }
    const QString text = rtf::DecodeCodePage(data, 1252);
    QList<Edit> edits;
    for (const ScriptCue& cue : ScriptCues(text)) {
        const std::optional<QString> replacement = newText(cue.text);
        if (!replacement || *replacement == cue.text) continue;
        QByteArray bytes;
        for (QChar ch : *replacement) {
            const int b = rtf::Windows1252Byte(ch.unicode());
            if (b < 0) return replaced(text).toUtf8(); // a name this code page cannot hold
            bytes += char(b);
        }
        const qsizetype at = trimmedStart(text, cue);
        edits << Edit{at, at + cue.text.size(), bytes};
    }
    return applyEdits(data, edits);
}

// ---- the pack ----

// A folder path with "/" in a cue that used "\" keeps to "\".
QString cueSpelling(const QString& relative, const QString& cue) {
    return cue.contains(u'\\') && !cue.contains(u'/') ? QString(relative).replace(u'/', u'\\')
                                                      : relative;
}

// A name not yet taken in media/: "name-2.ext", "name-3.ext" ... keeping the ending that
// routes the file.
QString freeMediaName(const QString& fileName, const QSet<QString>& taken) {
    QString candidate = QStringLiteral("media/") + fileName;
    const QFileInfo info(fileName);
    const QString base = info.completeBaseName(), suffix = info.suffix();
    for (int k = 2; taken.contains(candidate); ++k)
        candidate = QStringLiteral("media/%1-%2%3")
                        .arg(base)
                        .arg(k)
                        .arg(suffix.isEmpty() ? QString() : u'.' + suffix);
    return candidate;
}

// Writes through a temporary file renamed at the end: a disk that fills leaves no part.
bool writeWhole(const QString& path, const std::function<bool(QSaveFile&)>& fill, QString* error) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || !fill(out) || !out.commit()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        *error = WriteFailure(path) +
                 (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + u')');
        return false;
    }
    return true;
}

bool copyWhole(const QString& from, const QString& to, QString* error) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = ReadFailure(from);
        return false;
    }
    return writeWhole(
        to,
        [&](QSaveFile& out) {
            QByteArray chunk;
            while (!(chunk = in.read(1 << 20)).isEmpty())
                if (out.write(chunk) != chunk.size()) return false;
            return in.error() == QFileDevice::NoError;
        },
        error);
}

QString plainTextOf(const QByteArray& data) {
    if (!rtf::LooksLikeRtf(data)) return rtf::DecodePlainText(data);
    QTextDocument doc;
    rtf::Read(data, &doc);
    return doc.toPlainText();
}

} // namespace

QByteArray ReplaceCueTexts(const QByteArray& script,
                           const std::function<std::optional<QString>(const QString&)>& newText) {
    return rtf::LooksLikeRtf(script) ? replaceInRtf(script, newText)
                                     : replaceInPlainText(script, newText);
}

PackResult PackShow(const QString& scriptPath, const QString& folder) {
    PackResult result;
    const QDir target(folder);
    if (target.exists() &&
        !target.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        result.state = PackResult::State::NotEmpty;
        result.message = MessageText(Msg::PackNotEmpty).arg(QDir::toNativeSeparators(folder));
        return result;
    }
    const ScriptText script = ReadScriptText(scriptPath);
    if (script.state != ScriptText::State::Read) {
        result.state = script.state == ScriptText::State::Damaged ? PackResult::State::Damaged
                                                                  : PackResult::State::Unreadable;
        result.message = script.state == ScriptText::State::Damaged
                             ? MessageText(Msg::PackDamaged).arg(scriptPath, script.error)
                             : MessageText(Msg::ScriptNotOpened).arg(scriptPath, script.error);
        return result;
    }
    QFile in(scriptPath);
    if (!in.open(QIODevice::ReadOnly)) {
        result.message = MessageText(Msg::ScriptNotOpened).arg(scriptPath, ReadFailure(scriptPath));
        return result;
    }
    const QByteArray original = in.readAll();

    // Where each file goes: its own place under the show's folder, else media/.
    const QString showFolder = QFileInfo(scriptPath).absolutePath();
    const QString showRoot = QFileInfo(showFolder).canonicalFilePath();
    QHash<QString, QString> placeOf; // canonical source -> path relative to the packed folder
    QSet<QString> taken{QFileInfo(scriptPath).fileName()};
    QHash<QString, QString> cueTexts; // cue text -> new text
    for (const ScriptCue& cue : ScriptCues(script.text)) {
        if (IsCommandCue(cue.text) || cueTexts.contains(cue.text)) continue;
        const QString file = ResolveCueFile(cue.text, showFolder);
        if (file.isEmpty()) {
            if (!result.missing.contains(cue.text)) result.missing << cue.text;
            continue;
        }
        const QString source = QFileInfo(file).canonicalFilePath();
        if (!placeOf.contains(source)) {
            QString place = source.startsWith(showRoot + u'/')
                                ? source.mid(showRoot.size() + 1)
                                : freeMediaName(QFileInfo(source).fileName(), taken);
            taken << place;
            placeOf.insert(source, place);
        }
        cueTexts.insert(cue.text, cueSpelling(placeOf.value(source), cue.text));
    }
    const QByteArray packed =
        ReplaceCueTexts(original, [&](const QString& cue) -> std::optional<QString> {
            if (!cueTexts.contains(cue)) return std::nullopt;
            return cueTexts.value(cue);
        });
    // Nothing but the cues may differ: the packed text must read as the original with the
    // new names in it.
    QString expected = script.text;
    {
        QList<ScriptCue> cues = ScriptCues(expected);
        std::reverse(cues.begin(), cues.end());
        for (const ScriptCue& cue : cues)
            if (cueTexts.contains(cue.text))
                expected.replace(trimmedStart(expected, cue), cue.text.size(),
                                 cueTexts.value(cue.text));
    }
    QString packedText = plainTextOf(packed);
    if (!rtf::LooksLikeRtf(packed))
        packedText.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    if (packedText != expected) {
        qCWarning(lcPack) << "packed text differs from the original" << scriptPath;
        result.state = PackResult::State::Damaged;
        result.message =
            MessageText(Msg::PackDamaged).arg(scriptPath, MessageText(Msg::CheckNotText));
        return result;
    }

    // The files first and the script last, each whole or not at all; on a failure everything
    // written goes again, so the folder is as it was.
    const bool madeFolder = !target.exists();
    QStringList written;
    QString error, failedFile;
    auto undo = [&] {
        for (const QString& f : written)
            QFile::remove(f);
        for (const QString& place : placeOf) {
            QString dir = QFileInfo(place).path();
            for (; dir != QLatin1String("."); dir = QFileInfo(dir).path())
                QDir(folder).rmdir(dir);
        }
        if (madeFolder) QDir().rmdir(folder);
    };
    if (!QDir().mkpath(folder)) {
        result.state = PackResult::State::WriteFailed;
        result.message = MessageText(Msg::PackFailed).arg(folder, WriteFailure(folder), folder);
        return result;
    }
    for (auto it = placeOf.cbegin(); it != placeOf.cend(); ++it) {
        const QString to = QDir(folder).filePath(it.value());
        if (!QDir().mkpath(QFileInfo(to).path()) || !copyWhole(it.key(), to, &error)) {
            if (error.isEmpty()) error = WriteFailure(to);
            failedFile = to;
            break;
        }
        written << to;
    }
    const QString packedScript = QDir(folder).filePath(QFileInfo(scriptPath).fileName());
    if (failedFile.isEmpty() &&
        !writeWhole(
            packedScript, [&](QSaveFile& out) { return out.write(packed) == packed.size(); },
            &error))
        failedFile = packedScript;
    if (!failedFile.isEmpty()) {
        undo();
        result.state = PackResult::State::WriteFailed;
        result.message =
            MessageText(Msg::PackFailed)
                .arg(QDir::toNativeSeparators(failedFile), error, QDir::toNativeSeparators(folder));
        return result;
    }
    result.state = PackResult::State::Packed;
    result.packedScript = packedScript;
    result.mediaCopied = int(placeOf.size());
    result.message =
        MessageText(Msg::PackDone).arg(QDir::toNativeSeparators(folder)).arg(result.mediaCopied);
    if (!result.missing.isEmpty())
        result.message +=
            QStringLiteral("\n\n") + MessageText(Msg::PackMissing).arg(result.missing.join(u'\n'));
    return result;
}
