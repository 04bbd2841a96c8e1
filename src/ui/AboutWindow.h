// The about window frmInfo: the program's name and version, its description and authors and
// the home page, on credits that scroll up through a fixed viewport, pause when their end
// comes into view, scroll out and start again. While it is open the main window is hidden.
#pragma once

#include "platform/Timer.h"
#include "ui/Controls.h"

#include <QWidget>
#include <memory>

class frmInfo : public QWidget {
    Q_OBJECT
public:
    // Opens the window (Help > About): the main window hides until it closes.
    static frmInfo* Open(QWidget& main);

    explicit frmInfo(QWidget& main);
    ~frmInfo() override;

    // One tick of the credits' timer: every 10 ms.
    void Timer1_Timer();
    // The credits' top in twips, as the timer moves it.
    double CreditsTop() const { return top_; }
    int PauseTicks() const { return pause_; }

    Panel* Picture1; // the fixed viewport
    Panel* Picture2; // the credits, taller than the viewport
    PictureBox* imgTitle;
    Label *lblTitle, *lblVersion, *lblDescription, *lblAuthors, *lblHomePageCap, *lblHomePage;
    std::unique_ptr<Timer> Timer1;

    static constexpr double kStartTop = 2200; // twips: the credits start below the viewport
    static constexpr double kStep = 10;       // twips per tick
    static constexpr int kPauseTicks = 120;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void placeCredits();
    QWidget& main_; // the main window, hidden while this one is open
    double top_ = kStartTop;
    qint16 pause_ = 0;
};
