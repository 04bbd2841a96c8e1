#include "support/ScriptedDialogs.h"

#include <QDialog>
#include <QDir>
#include <gtest/gtest.h>

ScriptedDialogs::ScriptedDialogs() : folder_(QDir::currentPath()), previous_(SetDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
    SetDialogs(previous_);
    QDir::setCurrent(folder_);
    EXPECT_TRUE(script_.isEmpty()) << script_.size() << " expected dialog(s) never shown";
}

void ScriptedDialogs::ExpectMsgBox(int answer) {
    script_.append({QStringLiteral("msgbox"), answer, {}});
}

void ScriptedDialogs::ExpectChoice(int index) {
    script_.append({QStringLiteral("choice"), index, {}});
}

int ScriptedDialogs::Choose(const QString& prompt, const QStringList& choices, int escapeChoice,
                            int icon, const QString& title) {
    shown.append({QStringLiteral("choice"), prompt, icon, title, {}, choices});
    if (script_.isEmpty() || script_.first().kind != QLatin1String("choice")) {
        ADD_FAILURE() << "unexpected choice: " << prompt.toStdString();
        return escapeChoice;
    }
    const int answer = script_.takeFirst().answer;
    EXPECT_TRUE(answer >= 0 && answer < choices.size()) << "no choice " << answer;
    return answer;
}

void ScriptedDialogs::ExpectFile(const QString& path) {
    script_.append({QStringLiteral("file"), 0, path});
}

int ScriptedDialogs::MsgBox(const QString& prompt, int buttons, const QString& title) {
    shown.append({QStringLiteral("msgbox"), prompt, buttons, title, {}, {}});
    if (script_.isEmpty() || script_.first().kind != QLatin1String("msgbox")) {
        ADD_FAILURE() << "unexpected message box: " << prompt.toStdString();
        return vbmsg::Cancel;
    }
    return script_.takeFirst().answer;
}

QString ScriptedDialogs::ChooseFile(const FileDialogRequest& request) {
    shown.append({QStringLiteral("file"), request.title, 0, request.title, request, {}});
    if (script_.isEmpty() || script_.first().kind != QLatin1String("file")) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return QString();
    }
    return script_.takeFirst().path;
}

void ScriptedDialogs::ExpectColor(long colour) {
    script_.append({QStringLiteral("color"), int(colour), {}});
}

void ScriptedDialogs::ExpectPrinter(bool confirmed, std::function<void(QPrinter&)> choose) {
    script_.append({QStringLiteral("printer"), confirmed ? 1 : 0, {}, nullptr, std::move(choose)});
}

bool ScriptedDialogs::ShowColor(QObject*, long initial, long* chosen) {
    shown.append({QStringLiteral("color"), QString::number(initial), 0, {}, {}, {}});
    if (script_.isEmpty() || script_.first().kind != QLatin1String("color")) {
        ADD_FAILURE() << "unexpected colour dialog";
        return false;
    }
    const int answer = script_.takeFirst().answer;
    if (answer < 0) return false;
    if (chosen) *chosen = answer;
    return true;
}

bool ScriptedDialogs::ScegliStampante(QObject*, QPrinter* printer) {
    shown.append({QStringLiteral("printer"), QString(), 0, {}, {}, {}});
    if (script_.isEmpty() || script_.first().kind != QLatin1String("printer")) {
        ADD_FAILURE() << "unexpected printer dialog";
        return false;
    }
    const Answer answer = script_.takeFirst();
    if (!printer) {
        ADD_FAILURE() << "printer dialog without a printer";
        return false;
    }
    if (answer.choose) answer.choose(*printer);
    return answer.answer != 0;
}

void ScriptedDialogs::ExpectModal(std::function<void(QDialog&)> act) {
    script_.append({QStringLiteral("modal"), 0, {}, std::move(act)});
}

int ScriptedDialogs::ShowModal(QDialog& dialog) {
    shown.append({QStringLiteral("modal"), dialog.windowTitle(), 0, dialog.windowTitle(), {}, {}});
    if (script_.isEmpty() || script_.first().kind != QLatin1String("modal")) {
        ADD_FAILURE() << "unexpected modal window: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    const Answer answer = script_.takeFirst();
    // Shown as exec() would show it, so that focus and visibility behave as for the operator.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (answer.act) answer.act(dialog);
    dialog.hide();
    return dialog.result();
}
