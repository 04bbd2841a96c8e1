#include "support/ScriptedDialogs.h"

#include <QDir>
#include <gtest/gtest.h>

ScriptedDialogs::ScriptedDialogs() : folder_(QDir::currentPath()) {
    SetDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    SetDialogs(nullptr);
    QDir::setCurrent(folder_);
    EXPECT_TRUE(script_.isEmpty()) << script_.size() << " expected dialog(s) never shown";
}

void ScriptedDialogs::ExpectMsgBox(int answer) {
    script_.append({QStringLiteral("msgbox"), answer, {}});
}

void ScriptedDialogs::ExpectFile(const QString& path) {
    script_.append({QStringLiteral("file"), 0, path});
}

int ScriptedDialogs::MsgBox(const QString& prompt, int buttons, const QString& title) {
    shown.append({QStringLiteral("msgbox"), prompt, buttons, title, {}});
    if (script_.isEmpty() || script_.first().kind != QLatin1String("msgbox")) {
        ADD_FAILURE() << "unexpected message box: " << prompt.toStdString();
        return vbmsg::Cancel;
    }
    return script_.takeFirst().answer;
}

QString ScriptedDialogs::ChooseFile(const FileDialogRequest& request) {
    shown.append({QStringLiteral("file"), request.title, 0, request.title, request});
    if (script_.isEmpty() || script_.first().kind != QLatin1String("file")) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return QString();
    }
    return script_.takeFirst().path;
}
