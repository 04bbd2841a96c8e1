// The add-command window Form3: one option button per ready-made command cue, number boxes
// for the cues that take a number, and the insertion of the chosen cue into the script.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ScriptEditor;

class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(ScriptEditor& editor, QWidget* owner);

    static constexpr int kOptions = 26;

    // The texts in the language now loaded; the choice and the numbers stay.
    void Retranslate();

    // The cue the chosen button inserts, delimiters included; empty when none is chosen.
    QString CommandText() const;

    void Command1_Click(); // add
    void Command2_Click(); // cancel
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text1_LostFocus();

    std::array<QRadioButton*, kOptions> Option1{};
    QLineEdit* Text1; // volume
    QLineEdit* Text2; // audio seek, seconds
    QLineEdit* Text3; // video seek, seconds
    QLineEdit* Text4; // background volume
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScriptEditor& editor_;
};

// The Edit menu's Add command (and the toolbar's button): the window, shown modally.
void mnuAddCommand_Click(ScriptEditor& editor, QWidget* owner);
