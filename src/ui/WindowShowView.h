// The main window as the engine's view: what the subsystems ask of it, answered by its
// controls, its editor and its windows.
#pragma once

#include "app/ShowView.h"

#include <memory>

class Form1;
class QPrinter;

class WindowShowView : public ShowView {
public:
    explicit WindowShowView(Form1& form);
    ~WindowShowView() override;

    ScriptEditor& Script() override;
    VideoOutputs& Outputs() override;
    Notices& NoticeLine() override;
    FormatBar& Formats() override;
    QObject& DialogOwner() override;

    void ShowVolumePercent(double percent) override;
    void ShowPicture(bool shown) override;
    void ShowPlayerMenu(bool audio) override;
    void PlayButtonHover() override;
    void ClearHighlight() override;
    void ShowEditMenu(double x, double y) override;
    void CloseFind() override;
    void LayOut() override;
    void Translate() override;
    void OpenScript(const QString& commandLine) override;
    bool WindowVisible() override;
    void CloseWindow() override;
    bool SecondMonitorShowing() override;
    void ShowScreenSaverOption(bool on) override;
    void LoadMenuPictures() override;
    void Print() override;
    void AddCommand() override;
    void About() override;

private:
    Form1& form_;
    // Made at the first print, not at start-up (it loads the print system), then kept so that
    // the printer and settings chosen stay for the next print.
    std::unique_ptr<QPrinter> printer_;
};
