#include "show/StandbyPreparation.h"

#include "media/MediaRouting.h"
#include "platform/Mci.h"

#include <QFileInfo>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcShow)

namespace {

QString alias() {
    return QString::fromLatin1(StandbyPreparation::kAlias);
}

} // namespace

StandbyPreparation::StandbyPreparation(std::function<QString(const QString&)> resolve)
    : resolve_(std::move(resolve)) {}

StandbyPreparation::~StandbyPreparation() {
    Release();
}

bool StandbyPreparation::NamesMediaFile(const QString& cue) {
    const QString name = cue.trimmed().toLower();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0 || name.size() - dot < 3 || name.size() - dot > 5) return false;
    const QString ending = name.mid(dot + 1);
    for (const char* known : {"wav", "mp3",  "ogg", "oga", "flac", "aif",  "aiff", "wma", "m4a",
                              "aac", "opus", "mid", "kar", "mpg",  "mpeg", "avi",  "flv", "mp4",
                              "ogv", "mov",  "mkv", "vob", "wmv",  "webm", "jpg",  "bmp"})
        if (ending == QLatin1String(known)) return true;
    return false;
}

QString StandbyPreparation::PreparedFile() {
    QString file;
    if (mci().mciSendString(QStringLiteral("info ") + alias() + QStringLiteral(" file"), &file))
        return QString();
    return file;
}

StandbyPreparation::Outcome StandbyPreparation::Prepare(const QString& cue) {
    // The same standby again (a caret move that did not change it): what was made stands,
    // unless the prepared file has since been taken over or closed.
    if (cue == cue_ && (outcome_ != Outcome::Ready || !PreparedFile().isEmpty())) return outcome_;
    Release();
    cue_ = cue;
    const QString file = resolve_(cue);
    if (file.isEmpty()) {
        outcome_ = NamesMediaFile(cue) ? Outcome::Failed : Outcome::Nothing;
        return outcome_;
    }
    // Video and MIDI files play on the window's players; only audio is opened ahead.
    if (MediaRouting::Classify(file) != MediaRouting::Kind::Audio) {
        outcome_ = Outcome::Nothing;
        return outcome_;
    }
    const long code = mci().mciSendString(QStringLiteral("open ") + MciQuoted(file) +
                                          QStringLiteral(" ALIAS ") + alias());
    if (code != 0) qCDebug(lcShow) << "standby file not opened:" << file << code;
    // A file that will not open fails now, before the GO; a device that cannot take a second
    // file (busy, or a test's) leaves the load to the GO as before.
    outcome_ = code == 0                                                    ? Outcome::Ready
               : code == mcierr::FileNotFound || code == mcierr::CannotPlay ? Outcome::Failed
                                                                            : Outcome::Nothing;
    return outcome_;
}

void StandbyPreparation::Release() {
    if (outcome_ == Outcome::Ready && !PreparedFile().isEmpty())
        mci().mciSendString(QStringLiteral("close ") + alias());
    cue_.clear();
    outcome_ = Outcome::Nothing;
}
