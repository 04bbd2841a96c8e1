// The script being worked on: its file, its name, whether it changed, the numbering of
// untitled scripts, the last folder of the file dialogs, and the window title composed from
// them. Show mode's mark is part of the title as state of its own, so the title is only ever
// written here and never read back.
#pragma once

#include <QObject>
#include <QString>

class ScriptSession : public QObject {
    Q_OBJECT
public:
    explicit ScriptSession(const QString& applicationTitle, QObject* parent = nullptr);

    // The design's script state, read and written by the script files code.
    QString FileCorrente;  // path of the current script; empty when untitled
    QString NomeCopione;   // its file name, as in the title
    int NumeroCopione = 1; // number of the untitled script
    QString BaseCopione;   // base of untitled names: language entry 97 and a blank
    QString UltimaCartella;

    // 1 after any change of the script since new, open or save; the title marks it.
    int Modificato() const { return modified_; }
    void SetModificato(int modified);

    // The title names the file of path (after its last "/" or "\"), which becomes
    // NomeCopione; a path without a folder changes nothing.
    void AggiornaTitolo(const QString& path);
    // The title names the untitled script: BaseCopione and NumeroCopione as they are now (a
    // later change of language leaves it until the next new script).
    void TitleUntitled();
    // Show mode's mark, in the active language; empty when show mode is off.
    void SetShowModeMark(const QString& mark);

    // "Scenolux", then " - " and the script's name once one is named (with "*" before it
    // while it has unsaved changes), then " [mark]".
    QString Title() const;

signals:
    void titleChanged(const QString& title);
    // Sent on every set, changed or not: a set to 0 is a saved (or discarded) state that the
    // editor's history takes as its clean point.
    void modifiedSet(int modified);

private:
    void setName(const QString& name);
    QString applicationTitle_;
    QString name_;
    bool named_ = false; // no script named yet: the title is the program's name alone
    int modified_ = 0;
    QString mark_;
};
