#include "app/ControlPanel.h"

#include "core/Notices.h"
#include "i18n/Messages.h"
#include "platform/DesktopShell.h"
#include "platform/ScreenSaver.h"
#include "platform/Timer.h"

const std::vector<ControlPanel::Program>& ControlPanel::SoundPrograms() {
    static const std::vector<Program> programs = {
        {QStringLiteral("pavucontrol"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}},
        {QStringLiteral("systemsettings"), {QStringLiteral("kcm_pulseaudio")}},
        {QStringLiteral("systemsettings5"), {QStringLiteral("kcm_pulseaudio")}},
        {QStringLiteral("xfce4-mixer"), {}},
    };
    return programs;
}

const std::vector<ControlPanel::Program>& ControlPanel::DisplayPrograms() {
    static const std::vector<Program> programs = {
        {QStringLiteral("gnome-control-center"), {QStringLiteral("display")}},
        {QStringLiteral("systemsettings"), {QStringLiteral("kcm_kscreen")}},
        {QStringLiteral("systemsettings5"), {QStringLiteral("kcm_kscreen")}},
        {QStringLiteral("xfce4-display-settings"), {}},
        {QStringLiteral("arandr"), {}},
    };
    return programs;
}

bool ControlPanel::startFirst(const std::vector<Program>& programs) {
    DesktopShell& shell = desktopShell();
    for (const Program& p : programs) {
        const QString path = shell.Find(p.program);
        if (path.isEmpty()) continue;
        shell.Start(path, p.arguments); // its outcome is not examined
        return true;
    }
    return false;
}

void ControlPanel::mnuImpostaAudio_Click() {
    if (!startFirst(SoundPrograms()))
        notices_.ShowNotice(MessageText(Msg::NoSoundSettings), kNoticeMs);
}

void ControlPanel::mnuMonitorSettings_Click() {
    if (!startFirst(DisplayPrograms()))
        notices_.ShowNotice(MessageText(Msg::NoDisplaySettings), kNoticeMs);
}

void ControlPanel::SetScreenSaverOption(bool on) {
    on_ = on;
    if (onOptionShown) onOptionShown(on);
    timer_.setInterval(on ? kInterval : 0);
    if (on) {
        screenSaver().Inhibit(QStringLiteral("A show is running"));
        screenSaver().ResetIdle();
    } else {
        screenSaver().Release();
    }
}

void ControlPanel::mnuScreenSaver_Click() {
    SetScreenSaverOption(!on_);
    if (onOptionChosen) onOptionChosen();
}

void ControlPanel::Timer6_Timer() {
    screenSaver().ResetIdle();
}
