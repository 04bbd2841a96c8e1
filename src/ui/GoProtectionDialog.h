// The window of the protection from a double GO: the least time between two GOs, 0 for off.
#pragma once

#include <QDialog>

class QSpinBox;

class GoProtectionDialog : public QDialog {
    Q_OBJECT
public:
    GoProtectionDialog(int currentMs, QWidget* owner);
    int ChosenMs() const;

    QSpinBox* txtMs;
};
