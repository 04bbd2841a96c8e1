#include "app/Recovery.h"

#include "app/RecoveryFile.h"
#include "core/ScriptEditor.h"
#include "core/ScriptSession.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/PlatformTexts.h"
#include "platform/StoredPaths.h"
#include "platform/Timer.h"
#include "script/EditCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <algorithm>

Q_LOGGING_CATEGORY(lcRecovery, "scenolux.recovery")

namespace {
enum Choice { kOpen, kKeep, kDiscard };

QString lockPath(const QString& copy) {
    return copy + QStringLiteral(".lock");
}

// A lock that is taken over only from a program that has ended (or from before a reboot),
// however long a running one has held it.
std::unique_ptr<QLockFile> makeLock(const QString& copy) {
    auto lock = std::make_unique<QLockFile>(lockPath(copy));
    lock->setStaleLockTime(0);
    return lock;
}

QString timeText(const QDateTime& time) {
    return QLocale(QtLanguageCode(LanguageOfFile(NomeLingua))).toString(time, QLocale::ShortFormat);
}
} // namespace

Recovery::Recovery(ScriptSession& session, ScriptEditor& rtb, EditCommands& edit)
    : copyTimer(std::make_unique<Timer>()), session_(session), rtb_(rtb), edit_(edit) {
    copyTimer->onTimer = [this] { WriteCopy(); };
}

Recovery::~Recovery() = default;

void Recovery::Begin() {
    const QDir folder(RecoveryFolder());
    QStringList names = folder.entryList({RecoveryNamePattern()}, QDir::Files, QDir::Name);
    std::reverse(names.begin(), names.end()); // the newest first: the likeliest to be wanted
    for (const QString& name : names)
        if (folder.filePath(name) != path_) offer(folder.filePath(name));
    // Locks of programs that ended without leaving a copy.
    for (const QString& name :
         folder.entryList({lockPath(RecoveryNamePattern())}, QDir::Files | QDir::Hidden)) {
        const QString copy = folder.filePath(name.chopped(lockPath(QString()).size()));
        if (QFileInfo::exists(copy) || copy == path_) continue;
        if (auto lock = makeLock(copy); lock->tryLock(0)) lock->unlock();
    }

    copyTimer->setInterval(kIntervalMs);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive) WriteCopy();
            });
}

void Recovery::offer(const QString& path) {
    std::unique_ptr<QLockFile> lock = makeLock(path);
    // Held: the program that writes this copy is running. A folder where no lock can be made
    // cannot have been written by a running program either.
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) return;

    QFile file(path);
    QByteArray data;
    if (file.open(QIODevice::ReadOnly)) data = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        setAside(path, ReadFailure(path));
        return;
    }
    file.close();
    const std::optional<QString> source = RecoverySource(data);
    if (!source) {
        setAside(path, MessageText(Msg::RecoveryIncomplete));
        return;
    }
    // One script per window: further copies wait for the next start.
    if (offeredOpen_ || session_.Modificato() == 1) return;

    QString prompt = MessageText(Msg::RecoveryOffer)
                         .arg(source->isEmpty() ? MessageText(Msg::RecoveryUntitled)
                                                : QFileInfo(*source).fileName(),
                              timeText(QFileInfo(path).lastModified()));
    const QFileInfo original(*source);
    if (!source->isEmpty() && original.exists() &&
        original.lastModified() > QFileInfo(path).lastModified())
        prompt += QStringLiteral("\n\n") +
                  MessageText(Msg::RecoveryNewer)
                      .arg(original.fileName(), timeText(original.lastModified()));
    if (!session_.FileCorrente.isEmpty() &&
        QFileInfo(NativePath(session_.FileCorrente)).absoluteFilePath() != *source)
        prompt +=
            QStringLiteral("\n\n") + MessageText(Msg::RecoveryReplaces).arg(session_.NomeCopione);

    const int choice =
        dialogs().Choose(prompt,
                         {MessageText(Msg::RecoveryOpen), MessageText(Msg::RecoveryKeep),
                          MessageText(Msg::RecoveryDiscard)},
                         kKeep, vbmsg::Exclamation);
    if (choice == kOpen) {
        open(data, *source);
        offeredOpen_ = true;
        // The copy becomes this window's own: it stays on disk until the script is saved or
        // its changes are discarded.
        if (lock->isLocked()) {
            if (lock_) Remove();
            path_ = path;
            lock_ = std::move(lock);
            written_ = true;
            writtenVersion_ = rtb_.Version();
        }
    } else if (choice == kDiscard) {
        if (!QFile::remove(path)) qCWarning(lcRecovery) << "cannot remove" << path;
    }
}

void Recovery::setAside(const QString& path, const QString& reason) {
    const QFileInfo info(path);
    QString kept = info.dir().filePath(DamagedName(info.fileName()));
    if (QFileInfo::exists(kept) || !QFile::rename(path, kept)) kept = path;
    dialogs().MsgBox(MessageText(Msg::RecoveryDamaged).arg(info.fileName(), reason, kept),
                     vbmsg::OKOnly | vbmsg::Exclamation);
}

void Recovery::open(const QByteArray& data, const QString& source) {
    rtb_.LoadContent(data);
    edit_.InizializzaAnnulla();
    if (source.isEmpty()) {
        session_.FileCorrente.clear();
        session_.TitleUntitled();
    } else {
        session_.FileCorrente = source;
        session_.AggiornaTitolo(source);
        // Cues name their media relative to the script, as after opening it.
        QDir::setCurrent(QFileInfo(source).absolutePath());
    }
    // Not saved yet: the operator decides whether the recovered script replaces the file.
    session_.SetModificato(1);
}

bool Recovery::claim() {
    if (lock_) return true;
    const QString folder = RecoveryFolder();
    if (!QDir().mkpath(folder)) {
        qCWarning(lcRecovery) << "cannot make" << folder;
        return false;
    }
    const QString path = folder + u'/' + NewRecoveryName();
    std::unique_ptr<QLockFile> lock = makeLock(path);
    if (QFileInfo::exists(path) || !lock->tryLock(0)) {
        qCWarning(lcRecovery) << "cannot lock" << path;
        return false;
    }
    path_ = path;
    lock_ = std::move(lock);
    return true;
}

void Recovery::WriteCopy() {
    const ScriptEditor& rtb = rtb_;
    if (session_.Modificato() != 1) return;
    if (written_ && writtenVersion_ == rtb.Version()) return;
    if (!claim()) return;
    const QString source = session_.FileCorrente.isEmpty()
                               ? QString()
                               : QFileInfo(NativePath(session_.FileCorrente)).absoluteFilePath();
    const QByteArray data = RecoveryContent(rtb.FileContent(), source);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        qCWarning(lcRecovery) << path_ << WriteFailure(path_);
        return;
    }
    written_ = true;
    writtenVersion_ = rtb.Version();
}

void Recovery::Remove() {
    written_ = false;
    if (path_.isEmpty() || !QFileInfo::exists(path_)) return;
    if (!QFile::remove(path_)) qCWarning(lcRecovery) << "cannot remove" << path_;
}
