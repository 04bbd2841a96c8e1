#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

Dialogs::~Dialogs() = default;

QString Dialogs::MostraDialogoFile(const FileDialogRequest& request) {
    const QString chosen = ChooseFile(request);
    if (!chosen.isEmpty() && !request.keepCurrentFolder)
        QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return chosen;
}

namespace {
Dialogs* installed = nullptr;
Dialogs* standard = nullptr;
} // namespace

Dialogs& dialogs() {
    if (installed) return *installed;
    // A program that can ask the operator anything has a view that sets these.
    if (!standard) qFatal("No dialogs: the view sets its standard dialogs before any is shown");
    return *standard;
}

Dialogs* SetDialogs(Dialogs* replacement) {
    return std::exchange(installed, replacement);
}

void SetStandardDialogs(Dialogs* replacement) {
    standard = replacement;
}

QString ApplicationTitle() {
    return QStringLiteral("Scenolux");
}
