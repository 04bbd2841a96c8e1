#include "core/ScriptSession.h"

ScriptSession::ScriptSession(const QString& applicationTitle, QObject* parent)
    : QObject(parent), applicationTitle_(applicationTitle) {}

void ScriptSession::AggiornaTitolo(const QString& path) {
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (cut < 0) return;
    NomeCopione = path.mid(cut + 1);
    setName(NomeCopione);
}

void ScriptSession::TitleUntitled() {
    setName(BaseCopione + QString::number(NumeroCopione));
}

void ScriptSession::SetShowModeMark(const QString& mark) {
    if (mark == mark_) return;
    mark_ = mark;
    emit titleChanged(Title());
}

void ScriptSession::SetModificato(int modified) {
    const bool markChanges = (modified_ != 0) != (modified != 0);
    modified_ = modified;
    emit modifiedSet(modified);
    if (markChanges && named_) emit titleChanged(Title());
}

QString ScriptSession::Title() const {
    QString title = applicationTitle_;
    if (named_)
        title += QStringLiteral(" - ") + (modified_ != 0 ? QStringLiteral("*") : QString()) + name_;
    if (!mark_.isEmpty()) title += QStringLiteral(" [") + mark_ + u']';
    return title;
}

void ScriptSession::setName(const QString& name) {
    name_ = name;
    named_ = true;
    emit titleChanged(Title());
}
