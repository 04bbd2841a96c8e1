#include "show/StandbyPreparation.h"

#include "core/VideoOutputs.h"
#include "display/Projector.h"
#include "media/MediaRouting.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcShow)

namespace {

QString alias() {
    return QString::fromLatin1(MediaRouting::kReadyAlias);
}

} // namespace

StandbyPreparation::StandbyPreparation(StandbyPreparationParts parts) : p_(std::move(parts)) {}

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

void StandbyPreparation::failed(const QString& file, const QString& reason) {
    outcome_ = Outcome::Failed;
    if (onFailed) onFailed(cue_, file, reason);
}

StandbyPreparation::Outcome StandbyPreparation::Prepare(const QString& cue) {
    // The same standby again (a caret move that did not change it): what was made stands,
    // unless it has since been taken over or let go.
    if (cue == cue_ && outcome_ != Outcome::Ready) return outcome_;
    if (cue == cue_ && (player_ ? !player_->PreparedURL().isEmpty() : !PreparedFile().isEmpty()))
        return outcome_;
    Release();
    cue_ = cue;
    const QString file = p_.resolve(cue);
    if (file.isEmpty()) {
        if (NamesMediaFile(cue)) failed(QString(), QString());
        return outcome_;
    }
    switch (MediaRouting::Classify(file)) {
    case MediaRouting::Kind::Image:
        return outcome_;
    case MediaRouting::Kind::Video:
    case MediaRouting::Kind::Midi: {
        // The player its load would use: a MIDI file always goes to the panel's. The
        // projector's player is not made for it ahead (that makes its window).
        const bool projector = MediaRouting::Classify(file) == MediaRouting::Kind::Video &&
                               Projector::ProjectorMode(p_.state, p_.outputs);
        MediaPlayerControl* player = !projector ? &p_.outputs.PanelPlayer()
                                     : p_.outputs.HasProjectorWindow()
                                         ? &p_.outputs.ProjectorPlayer()
                                         : nullptr;
        // A file the player holds already keeps its place at the GO: nothing to load.
        if (!player || player->URL() == file) return outcome_;
        player_ = player;
        outcome_ = Outcome::Ready;
        player->onPrepareError = [this, file](const QString& url, const QString& reason) {
            if (url == file && outcome_ == Outcome::Ready) failed(file, reason);
        };
        player->Prepare(file);
        return outcome_;
    }
    case MediaRouting::Kind::Audio:
        break;
    }
    const long code = mci().mciSendString(QStringLiteral("open ") + MciQuoted(file) +
                                          QStringLiteral(" ALIAS ") + alias());
    if (code == 0) {
        outcome_ = Outcome::Ready;
    } else if (code == mcierr::FileNotFound || code == mcierr::CannotPlay) {
        // A file that will not open fails now, before the GO.
        failed(file, mci().mciGetErrorString(code));
    } else {
        // A device that cannot take a second file (busy, or a test's) leaves the load to the
        // GO as before.
        qCDebug(lcShow) << "standby file not opened ahead:" << file << code;
    }
    return outcome_;
}

void StandbyPreparation::Release() {
    if (player_) {
        player_->onPrepareError = nullptr;
        player_->Prepare(QString());
        player_ = nullptr;
    } else if (outcome_ == Outcome::Ready && !PreparedFile().isEmpty()) {
        mci().mciSendString(QStringLiteral("close ") + alias());
    }
    cue_.clear();
    outcome_ = Outcome::Nothing;
}
