// Crash recovery: while the script has unsaved changes, a copy of it is kept on disk, so that
// a crash, a kill or a power cut in the middle of a rehearsal loses nothing; the next start
// offers it back.
//
// Each running copy of the program writes its own file and holds a lock beside it for as long
// as it runs, so a copy is offered only once the program that wrote it has ended (two portable
// copies may run side by side). A save, a New or Open that discards the changes, and a clean
// exit remove the copy; anything else leaves it.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class EditCommands;
class QLockFile;
class ScriptEditor;
class ScriptSession;
class Timer;

class Recovery : public QObject {
    Q_OBJECT
public:
    // The copy is of the script in rtb; session says whether it changed and where it lives;
    // a copy opened starts a fresh edit history through edit.
    Recovery(ScriptSession& session, ScriptEditor& rtb, EditCommands& edit);
    ~Recovery() override;

    // Offers the copies that programs which did not end cleanly left behind, then keeps this
    // window's copy from now on: every minute, and whenever the operator turns to another
    // program. Called once the window is on screen.
    void Begin();
    // Writes the copy when the script has unsaved changes it does not hold yet. Atomic: a
    // crash while writing leaves the previous copy.
    void WriteCopy();
    // Removes this window's copy: its changes were saved or discarded.
    void Remove();
    // This window's copy (empty before the first one).
    const QString& CopyPath() const { return path_; }

    static constexpr int kIntervalMs = 60000;
    std::unique_ptr<Timer> copyTimer; // its tick writes the copy

private:
    void offer(const QString& path);
    // Puts a copy that cannot be used aside under another name and says so.
    void setAside(const QString& path, const QString& reason);
    void open(const QByteArray& data, const QString& source);
    // Chooses this window's file and locks it; false when the folder cannot take it.
    bool claim();

    ScriptSession& session_;
    ScriptEditor& rtb_;
    EditCommands& edit_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool written_ = false;       // the file holds the copy of writtenVersion_
    quint64 writtenVersion_ = 0; // the editor's content version it holds
    bool offeredOpen_ = false;   // a copy was opened at this start
};
