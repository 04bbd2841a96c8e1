#include "platform/Dialogs.h"

#include "platform/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QWidget>

Dialogs::~Dialogs() = default;

QString Dialogs::MostraDialogoFile(const FileDialogRequest& request) {
    const QString chosen = ChooseFile(request);
    if (!chosen.isEmpty() && !request.keepCurrentFolder)
        QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return chosen;
}

namespace {
Dialogs* installed = nullptr;
}

Dialogs& dialogs() {
    if (installed) return *installed;
    static QtDialogs qtDialogs;
    return qtDialogs;
}

void SetDialogs(Dialogs* replacement) {
    installed = replacement;
}

QString ApplicationTitle() {
    return QStringLiteral("Scenolux");
}

int TitleWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    // The icon and the minimise, maximise and close buttons of a usual title bar, and its
    // margins.
    constexpr int kTitleBarExtras = 140;
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarExtras;
}

void FitTitle(QWidget& window) {
    const int needed = TitleWidth(window.windowTitle());
    if (window.minimumWidth() >= needed) return;
    // A window of a fixed size grows as far as its title needs, and stays fixed.
    if (window.maximumWidth() < needed) window.setMaximumWidth(needed);
    window.setMinimumWidth(needed);
}
