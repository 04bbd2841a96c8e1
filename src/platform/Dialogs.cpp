#include "platform/Dialogs.h"

#include "platform/QtDialogs.h"

#include <QDir>
#include <QFileInfo>

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
