// The show check in the window: a report of every cue, problems first, made off the interface
// thread while the show goes on; and the File menu's check and pack commands.
#pragma once

#include "show/ShowCheck.h"

#include <QDialog>
#include <atomic>
#include <memory>
#include <thread>

class Form1;
class MenuItem;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

class ShowCheckWindow : public QDialog {
    Q_OBJECT
public:
    ShowCheckWindow(Form1& form, std::unique_ptr<MediaProbe> probe, QWidget* parent = nullptr);
    ~ShowCheckWindow() override;

    // Checks the script in the editor as it stands now (saved or not).
    void Start();
    void Cancel();
    bool Running() const { return worker_.joinable(); }
    // The report last completed (empty while the first check runs).
    const ShowReport& Report() const { return report_; }
    // Puts the editor's caret on the cue of a row, as a double-click on it does.
    void GoToRow(int row);
    void Retranslate();

    QTableWidget* table = nullptr;
    QProgressBar* progress = nullptr;
    QLabel* summary = nullptr;
    QPushButton *cmdAgain = nullptr, *cmdCancel = nullptr, *cmdClose = nullptr;

signals:
    void finished();

private:
    void showProgress(int done, int total);
    void showReport(const ShowReport& report);
    void join();

    Form1& form_;
    std::unique_ptr<MediaProbe> probe_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    ShowReport report_;
    QList<int> rowCue_; // the report's cue of each row
};

// The File menu's "Check the show..." and "Pack the show into a folder...".
class ShowCheckMenu {
public:
    explicit ShowCheckMenu(Form1& form);
    ~ShowCheckMenu();
    void mnuCheckShow_Click();
    void mnuPackShow_Click();
    void Retranslate();
    // The report window, once opened.
    ShowCheckWindow* Window() const { return window_; }

    MenuItem* mnuCheckShow;
    MenuItem* mnuPackShow;

private:
    Form1& form_;
    ShowCheckWindow* window_ = nullptr;
};
