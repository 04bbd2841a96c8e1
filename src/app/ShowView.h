// What the show's subsystems ask of the window that shows them: the script's text, the video
// outputs, the notice line and the format bar, the view's own updates, and the windows only the
// view can open. The engine is built on one; the main window is the program's.
#pragma once

#include <QString>

class FormatBar;
class Notices;
class QObject;
class ScriptEditor;
class VideoOutputs;

class ShowView {
public:
    virtual ~ShowView() = default;

    virtual ScriptEditor& Script() = 0;
    virtual VideoOutputs& Outputs() = 0;
    virtual Notices& NoticeLine() = 0;
    // The font boxes and formatting hotspots on which the Edit commands show the selection.
    virtual FormatBar& Formats() = 0;
    // Passed on, never used, as the owner of the dialogs the commands open.
    virtual QObject& DialogOwner() = 0;

    // The volume percentage a cue set, as typed in the cue.
    virtual void ShowVolumePercent(double percent) = 0;
    // Shows or hides the picture loaded last, on the second monitor when there is one.
    virtual void ShowPicture(bool shown) = 0;
    // The Audio or the Video menu appears once media of its kind is loaded.
    virtual void ShowPlayerMenu(bool audio) = 0;
    // The play button's hover picture, as after a cue loaded media.
    virtual void PlayButtonHover() = 0;
    // Puts out the toolbar's highlight.
    virtual void ClearHighlight() = 0;
    // The Edit menu at a point of the editor, in twips.
    virtual void ShowEditMenu(double x, double y) = 0;
    virtual void CloseFind() = 0;
    // Lays the window out again (knob, toolbar) and puts its captions in the language chosen.
    virtual void LayOut() = 0;
    virtual void Translate() = 0;
    // Opens the script named on the command line, if any.
    virtual void OpenScript(const QString& commandLine) = 0;
    virtual bool WindowVisible() = 0;
    virtual void CloseWindow() = 0;
    // Whether the projector's or the picture's window shows on the second monitor.
    virtual bool SecondMonitorShowing() = 0;
    // The screen-saver option as the control panel found it.
    virtual void ShowScreenSaverOption(bool on) = 0;
    virtual void LoadMenuPictures() = 0;
    // Asks for the printer and prints the selection, or the whole script when nothing is
    // selected.
    virtual void Print() = 0;
    virtual void AddCommand() = 0;
    virtual void About() = 0;
};
