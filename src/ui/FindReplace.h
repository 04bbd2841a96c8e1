// The find and replace window frmFind over the script editor, and the menu commands that open
// and close it. One modeless window, in find or replace mode, created on the first menu call
// and dropped when closed, with its histories and button states. The search itself is
// script/ScriptSearch.
#pragma once

#include "script/ScriptSearch.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMimeData;
class QPushButton;
class ScriptEditor;

class frmFind : public QDialog {
    Q_OBJECT
public:
    // replaceMode: loaded by the Replace menu item (the main window's tag "1"); the window
    // keeps that mode for its life. Form_Load runs here.
    frmFind(ScriptEditor& editor, bool replaceMode, QWidget* owner);

    bool ReplaceMode() const { return replaceMode_; }
    // The texts in the language now loaded; the search texts, options and the state of the
    // find and replace buttons stay.
    void Retranslate();

    void cmdFind_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdCancel_Click();
    // Choosing a history item: the next search starts at the top.
    void cboFind_Click();
    void cboFind_OLEDragDrop(const QMimeData& data);
    void cboReplace_OLEDragDrop(const QMimeData& data);
    void AggiornaStoriaTrova();
    void AggiornaStoriaSostituisci();

    QComboBox* cboFind;
    QComboBox* cboReplace;
    QLabel* lblFind;
    QLabel* lblReplace;
    QPushButton* cmdFind;
    QPushButton* cmdReplace;
    QPushButton* cmdReplaceAll;
    QPushButton* cmdCancel;
    QGroupBox* fraOptions;
    QCheckBox* chkWholeWord;
    QCheckBox* chkMatchCase;

    // The search, with the state it keeps between presses (MultiRiga, ContaSostituzioni).
    ScriptSearch search;

signals:
    // The window is being closed: it is no longer the one the menu commands bring up.
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    int options() const;
    void showCaptions();
    void afterSearch(); // the window takes the focus back

    ScriptEditor& editor_;
    const bool replaceMode_;
};

// The Edit menu's Find and Replace, and closing the window on exit.
class FindReplace {
public:
    FindReplace(ScriptEditor& editor, QWidget* owner) : editor_(editor), owner_(owner) {}

    void mnuTrova_Click() { show(false); }
    void mnuSostituisci_Click() { show(true); }
    void ChiudiTrova();

    // The open window, or nullptr.
    frmFind* Dialog() const { return dialog_; }

private:
    void show(bool replaceMode);

    ScriptEditor& editor_;
    QWidget* owner_;
    QPointer<frmFind> dialog_;
};
