#include "ui/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QWidget>

#include "platform/VbColor.h"

void InstallQtDialogs() {
    static QtDialogs qtDialogs;
    SetStandardDialogs(&qtDialogs);
}

namespace {
// The window a dialog of owner's goes over: the owner's, else the active window.
QWidget* ownerWindow(QObject* owner) {
    QWidget* window = qobject_cast<QWidget*>(owner);
    return window ? window : QApplication::activeWindow();
}

// A box over the active window with the title (the application's when empty), the text and
// the icon of a vbmsg style.
void prepare(QMessageBox& box, const QString& prompt, int style, const QString& title) {
    box.setWindowTitle(title.isEmpty() ? ApplicationTitle() : title);
    box.setText(prompt);
    switch (style & 0x70) {
    case vbmsg::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vbmsg::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case vbmsg::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vbmsg::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
}
} // namespace

int QtDialogs::Choose(const QString& prompt, const QStringList& choices, int escapeChoice, int icon,
                      const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    prepare(box, prompt, icon, title);
    QList<QAbstractButton*> buttons;
    for (const QString& caption : choices)
        buttons << box.addButton(caption, QMessageBox::ActionRole);
    if (buttons.isEmpty()) buttons << box.addButton(QMessageBox::Ok);
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    if (escapeChoice >= 0 && escapeChoice < buttons.size())
        box.setEscapeButton(buttons[escapeChoice]);
    box.exec();
    const int chosen = int(buttons.indexOf(box.clickedButton()));
    return chosen >= 0 ? chosen : escapeChoice;
}

int QtDialogs::MsgBox(const QString& prompt, int buttons, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    prepare(box, prompt, buttons, title);
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    QList<Choice> choices;
    switch (buttons & 0x7) {
    case vbmsg::OKCancel:
        choices = {{QMessageBox::Ok, vbmsg::OK}, {QMessageBox::Cancel, vbmsg::Cancel}};
        break;
    case vbmsg::AbortRetryIgnore:
        choices = {{QMessageBox::Abort, vbmsg::Abort},
                   {QMessageBox::Retry, vbmsg::Retry},
                   {QMessageBox::Ignore, vbmsg::Ignore}};
        break;
    case vbmsg::YesNoCancel:
        choices = {{QMessageBox::Yes, vbmsg::Yes},
                   {QMessageBox::No, vbmsg::No},
                   {QMessageBox::Cancel, vbmsg::Cancel}};
        break;
    case vbmsg::YesNo:
        choices = {{QMessageBox::Yes, vbmsg::Yes}, {QMessageBox::No, vbmsg::No}};
        break;
    case vbmsg::RetryCancel:
        choices = {{QMessageBox::Retry, vbmsg::Retry}, {QMessageBox::Cancel, vbmsg::Cancel}};
        break;
    default:
        choices = {{QMessageBox::Ok, vbmsg::OK}};
        break;
    }
    QMessageBox::StandardButtons set;
    for (const Choice& c : choices)
        set |= c.button;
    box.setStandardButtons(set);
    box.setDefaultButton(
        choices.value((buttons & vbmsg::DefaultButton2) ? 1 : 0, choices.first()).button);
    const int clicked = box.exec();
    for (const Choice& c : choices)
        if (c.button == clicked) return c.answer;
    // Closing the box with Escape or the title bar counts as its cancel button when it has one.
    for (const Choice& c : choices)
        if (c.answer == vbmsg::Cancel) return vbmsg::Cancel;
    return choices.size() == 1 ? choices.first().answer : vbmsg::No;
}

QStringList QtDialogs::NameFilters(const QString& filter) {
    const QStringList parts = filter.split(QChar(u'\0'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList globs = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& g : globs)
            if (g.trimmed() == QLatin1String("*.*")) g = QStringLiteral("*");
        result << QStringLiteral("%1 (%2)").arg(parts[i], globs.join(u' '));
    }
    return result;
}

QString QtDialogs::ChooseFile(const FileDialogRequest& request) {
    QFileDialog dialog(ownerWindow(request.owner), request.title);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // An Open dialog takes names of files that do not exist yet, and Save As does not ask
    // about overwriting: the program asks its own question.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(request.initialFolder.isEmpty()
                            ? QDir::currentPath()
                            : QString(request.initialFolder).replace(u'\\', u'/'));
    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = qBound(1, request.filterIndex, int(filters.size())) - 1;
        dialog.selectNameFilter(filters[index]);
    }
    if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.first());
}

bool QtDialogs::ShowColor(QObject* owner, long initial, long* chosen) {
    const QColor colour =
        QColorDialog::getColor(ColorFromRgbValue(initial), qobject_cast<QWidget*>(owner));
    if (!colour.isValid()) return false;
    if (chosen) *chosen = RgbValueOf(colour);
    return true;
}

bool QtDialogs::ScegliStampante(QObject* owner, QPrinter* printer) {
    QPrintDialog dialog(printer, qobject_cast<QWidget*>(owner));
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::ShowModal(QDialog& dialog) {
    return dialog.exec();
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
