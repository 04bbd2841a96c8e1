#include "show/ShowCheck.h"

#include "app/Paths.h"
#include "i18n/Messages.h"
#include "media/MediaRouting.h"
#include "platform/Numbers.h"
#include "platform/PlatformTexts.h"
#include "platform/StoredPaths.h"
#include "platform/rtf/Rtf.h"
#include "platform/rtf/TextCodec.h"
#include "script/CueLookup.h"
#include "script/Interprete.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>
#include <thread>

namespace {

// The interpreter's command word the lower-cased cue is, if any.
bool isCommandWord(const QString& lower) {
    for (const CommandWord* word : CommandWords())
        for (const char* spelling : word->spellings)
            if (spelling && lower == QLatin1String(spelling)) return true;
    return false;
}

// The interpreter's command with a number the lower-cased cue is, if any.
const NumberCommandWord* numberCommand(const QString& lower) {
    if (isCommandWord(lower)) return nullptr;
    for (const NumberCommandWord* c : NumberCommandWords())
        if (lower.startsWith(QLatin1String(c->prefix))) return c;
    return nullptr;
}

// What a number command does with the rest of its text, when that is not what it says.
QString numberProblem(const NumberCommandWord& command, const QString& lower) {
    const QString rest = lower.mid(qsizetype(qstrlen(command.prefix))).trimmed();
    if (rest.isEmpty()) return MessageText(Msg::CheckNoNumber);
    static const QRegularExpression kNumber(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const double n = NumericValue(rest);
    const double acts = std::clamp(n, command.low, command.high);
    if (!kNumber.match(rest).hasMatch())
        return MessageText(Msg::CheckNotANumber).arg(rest, DecimalText(acts));
    if (n > command.high)
        return MessageText(Msg::CheckNumberAbove).arg(DecimalText(n), DecimalText(command.high));
    if (n < command.low) return MessageText(Msg::CheckNumberBelow).arg(DecimalText(n));
    return QString();
}

// A name with an ending after its last dot, as media files have; a cue without one that is
// no command was most likely meant as a command.
bool looksLikeFileName(const QString& cue) {
    const QString last = cue.section(QRegularExpression(QStringLiteral("[\\\\/]")), -1);
    const qsizetype dot = last.lastIndexOf(u'.');
    return dot > 0 && dot < last.size() - 1 && last.size() - dot <= 6;
}

bool isUnder(const QString& file, const QString& folder) {
    const QString f = QFileInfo(file).canonicalFilePath();
    const QString d = QFileInfo(folder).canonicalFilePath();
    return !d.isEmpty() && f.startsWith(d + u'/');
}

// The places a click tries, without the fallback ignoring capitals.
bool foundExactly(const QString& cue, const QString& scriptFolder) {
    const QString name = NativePath(cue);
    if (!scriptFolder.isEmpty() && FileExists(QDir(scriptFolder).filePath(name))) return true;
    return FileExists(name) || FileExists(ProgramFolder() + u'/' + name);
}

CueKind kindOf(MediaRouting::Kind kind) {
    switch (kind) {
    case MediaRouting::Kind::Video:
        return CueKind::Video;
    case MediaRouting::Kind::Midi:
        return CueKind::Midi;
    case MediaRouting::Kind::Image:
        return CueKind::Picture;
    case MediaRouting::Kind::Audio:
        break;
    }
    return CueKind::Audio;
}

// Pictures are shown by Qt, not by GStreamer: Qt's reader says what they are.
MediaFacts pictureFacts(const QString& path) {
    MediaFacts facts;
    if (QFileInfo(path).size() == 0) {
        facts.outcome = MediaFacts::Outcome::Empty;
        return facts;
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        facts.detail = reader.errorString();
        return facts;
    }
    facts.outcome = MediaFacts::Outcome::Readable;
    facts.videoStreams = 1;
    facts.width = image.width();
    facts.height = image.height();
    return facts;
}

void addMediaProblems(CheckedCue& c) {
    switch (c.facts.outcome) {
    case MediaFacts::Outcome::Empty:
        c.problems << CueProblem::Empty;
        return;
    case MediaFacts::Outcome::NoDecoder:
        c.problems << CueProblem::NoDecoder;
        return;
    case MediaFacts::Outcome::Damaged:
    case MediaFacts::Outcome::TimedOut:
        c.problems << CueProblem::Damaged;
        return;
    case MediaFacts::Outcome::Readable:
        break;
    }
    if (c.kind == CueKind::Audio && c.facts.audioStreams == 0) c.problems << CueProblem::NoSound;
    if ((c.kind == CueKind::Video || c.kind == CueKind::Picture) && c.facts.videoStreams == 0)
        c.problems << CueProblem::NoPicture;
}

QString lengthText(qint64 ms) {
    const qint64 tenths = (ms + 50) / 100;
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg((tenths / 10) % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

} // namespace

QList<ScriptCue> ScriptCues(const QString& text) {
    QList<ScriptCue> cues;
    int line = 1;
    qsizetype lineCounted = 0; // line holds the line of this index
    qsizetype from = 0;
    while (true) {
        qsizetype open = text.indexOf(QLatin1String("[["), from);
        if (open < 0) break;
        const qsizetype close = text.indexOf(QLatin1String("]]"), open + 2);
        if (close < 0) break;
        // A later "[[" before the close: the earlier one opens nothing (a click in it does
        // nothing); the later one may still open a cue.
        const qsizetype inner = text.indexOf(QLatin1String("[["), open + 2);
        if (inner >= 0 && inner < close) {
            from = inner;
            continue;
        }
        line += int(text.mid(lineCounted, open - lineCounted).count(u'\n'));
        lineCounted = open;
        const qsizetype start = open + 2;
        const QString cue = TrimBlanks(text.mid(start, close - start));
        if (!cue.isEmpty()) cues << ScriptCue{line, int(start), int(close - start), cue};
        from = close + 2;
    }
    return cues;
}

bool IsCommandCue(const QString& cue) {
    const QString lower = cue.toLower();
    return isCommandWord(lower) || numberCommand(lower) != nullptr;
}

int ShowReport::problemCount() const {
    return int(
        std::count_if(cues.begin(), cues.end(), [](const CheckedCue& c) { return !c.ok(); }));
}

ScriptText ReadScriptText(const QString& path) {
    ScriptText script;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        script.error = ReadFailure(path);
        return script;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        script.error = ReadFailure(path);
        return script;
    }
    script.state = ScriptText::State::Read;
    if (rtf::LooksLikeRtf(data)) {
        QTextDocument doc;
        rtf::Read(data, &doc);
        script.text = doc.toPlainText();
        // Read as the editor does, but a script whose groups never close was cut short: what
        // came after the cut is not there to check.
        int depth = 0;
        for (qsizetype i = 0; i < data.size(); ++i) {
            const char ch = data[i];
            if (ch == '\\')
                ++i; // an escaped brace is text
            else if (ch == '{')
                ++depth;
            else if (ch == '}')
                --depth;
        }
        if (depth != 0) {
            script.state = ScriptText::State::Damaged;
            script.error = MessageText(Msg::CheckCutShort);
        }
    } else {
        script.text = rtf::DecodePlainText(data);
        script.text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        // No script is binary: a sound or a picture opened as a script by mistake.
        if (data.contains('\0') && !script.text.isEmpty() && script.text.at(0) != QChar(0xFEFF) &&
            !data.startsWith("\xff\xfe") && !data.startsWith("\xfe\xff")) {
            script.state = ScriptText::State::Damaged;
            script.error = MessageText(Msg::CheckNotText);
        }
    }
    return script;
}

ShowReport CheckShow(const QString& text, const QString& scriptFolder, MediaProbe& probe,
                     const std::function<void(int, int)>& progress,
                     const std::atomic<bool>* cancel) {
    ShowReport report;
    QStringList toProbe; // each file once, however many cues name it
    QHash<QString, MediaFacts> facts;
    for (const ScriptCue& cue : ScriptCues(text)) {
        CheckedCue c;
        c.cue = cue;
        const QString lower = cue.text.toLower();
        if (IsCommandCue(cue.text)) {
            c.kind = CueKind::Command;
            if (const NumberCommandWord* command = numberCommand(lower)) {
                c.numberDetail = numberProblem(*command, lower);
                if (!c.numberDetail.isEmpty()) c.problems << CueProblem::BadNumber;
            }
        } else {
            c.file = ResolveCueFile(cue.text, scriptFolder);
            if (c.file.isEmpty()) {
                // A name with an ending is a file that is not there; one without, a command
                // word mistyped.
                if (looksLikeFileName(cue.text)) {
                    c.kind = kindOf(MediaRouting::Classify(cue.text));
                    c.problems << CueProblem::Missing;
                } else {
                    c.problems << CueProblem::UnknownCommand;
                }
            } else {
                c.kind = kindOf(MediaRouting::Classify(c.file));
                if (!foundExactly(cue.text, scriptFolder)) c.problems << CueProblem::CaseOnly;
                if (!scriptFolder.isEmpty() && !isUnder(c.file, scriptFolder))
                    c.problems << CueProblem::OutsideShow;
                if (!facts.contains(c.file)) {
                    facts.insert(c.file, MediaFacts());
                    toProbe << c.file;
                }
            }
        }
        report.cues << c;
    }

    // The slow part: the files, on two threads (each probe waits on its own decoder).
    std::atomic<int> next{0}, done{0};
    QList<MediaFacts> results(toProbe.size());
    auto work = [&] {
        for (int i = next++; i < toProbe.size(); i = next++) {
            if (cancel && cancel->load()) return;
            const QString& file = toProbe[i];
            results[i] = MediaRouting::Classify(file) == MediaRouting::Kind::Image
                             ? pictureFacts(file)
                             : probe.Probe(file);
            const int n = ++done;
            if (progress) progress(n, int(toProbe.size()));
        }
    };
    {
        std::thread helper(work);
        work();
        helper.join();
    }
    if (cancel && cancel->load()) {
        report.cancelled = true;
        return report;
    }
    for (int i = 0; i < toProbe.size(); ++i)
        facts[toProbe[i]] = results[i];
    for (CheckedCue& c : report.cues) {
        if (c.file.isEmpty()) continue;
        c.facts = facts.value(c.file);
        addMediaProblems(c);
    }
    return report;
}

QString KindText(CueKind kind) {
    switch (kind) {
    case CueKind::Command:
        return MessageText(Msg::CheckKindCommand);
    case CueKind::Audio:
        return MessageText(Msg::CheckKindAudio);
    case CueKind::Video:
        return MessageText(Msg::CheckKindVideo);
    case CueKind::Midi:
        return MessageText(Msg::CheckKindMidi);
    case CueKind::Picture:
        return MessageText(Msg::CheckKindPicture);
    case CueKind::Unknown:
        break;
    }
    return MessageText(Msg::CheckKindUnknown);
}

QString ProblemText(const CheckedCue& cue, CueProblem problem) {
    switch (problem) {
    case CueProblem::Missing:
        return MessageText(Msg::CheckMissing);
    case CueProblem::CaseOnly:
        return MessageText(Msg::CheckCaseOnly).arg(cue.file);
    case CueProblem::OutsideShow:
        return MessageText(Msg::CheckOutside);
    case CueProblem::Empty:
        return MessageText(Msg::CheckEmpty);
    case CueProblem::NoDecoder:
        return MessageText(Msg::CheckNoDecoder).arg(cue.facts.detail);
    case CueProblem::Damaged:
        return MessageText(Msg::CheckDamaged).arg(cue.facts.detail);
    case CueProblem::NoSound:
        return MessageText(Msg::CheckNoSound);
    case CueProblem::NoPicture:
        return MessageText(Msg::CheckNoPicture);
    case CueProblem::UnknownCommand:
        return MessageText(Msg::CheckUnknownCommand);
    case CueProblem::BadNumber:
        return cue.numberDetail;
    }
    return QString();
}

QString FactsText(const CheckedCue& cue) {
    const MediaFacts& f = cue.facts;
    if (cue.file.isEmpty() || f.outcome != MediaFacts::Outcome::Readable) return QString();
    QStringList parts;
    if (f.lengthMs >= 0) parts << MessageText(Msg::CheckLength).arg(lengthText(f.lengthMs));
    if (f.audioStreams > 0) parts << MessageText(Msg::CheckSound).arg(f.channels).arg(f.rate);
    if (f.videoStreams > 0 && f.width > 0) {
        parts << MessageText(Msg::CheckPicture).arg(f.width).arg(f.height);
        if (f.frameRate > 0)
            parts << MessageText(Msg::CheckFrameRate).arg(QString::number(f.frameRate, 'g', 4));
    }
    return parts.join(QStringLiteral(", "));
}

QString ReportText(const ShowReport& report) {
    QString out;
    for (const CheckedCue& c : report.cues) {
        QStringList fields{c.ok() ? QStringLiteral("ok") : QStringLiteral("!!"),
                           MessageText(Msg::CheckLine).arg(c.cue.line),
                           QStringLiteral("[[%1]]").arg(c.cue.text), KindText(c.kind)};
        if (!c.file.isEmpty()) fields << c.file;
        if (const QString facts = FactsText(c); !facts.isEmpty()) fields << facts;
        out += fields.join(QStringLiteral("  ")) + u'\n';
        for (CueProblem p : c.problems)
            out += QStringLiteral("      ") + ProblemText(c, p) + u'\n';
    }
    if (report.cancelled) return out + MessageText(Msg::CheckCancelled) + u'\n';
    const int wrong = report.problemCount();
    out += (wrong == 0 ? MessageText(Msg::CheckAllGood).arg(report.cues.size())
                       : MessageText(Msg::CheckSummary).arg(report.cues.size()).arg(wrong)) +
           u'\n';
    return out;
}
