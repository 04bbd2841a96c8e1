#include "ui/Localization.h"

#include "app/Lifecycle.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/StoredPaths.h"
#include "platform/widgets/MediaPlayerView.h"
#include "script/CueLookup.h"
#include "ui/AddCommand.h"
#include "ui/FindReplace.h"
#include "ui/Form1.h"
#include "ui/ShowCheckWindow.h"
#include "ui/ShowModeView.h"

#include <QFileInfo>

namespace {
// Tooltips are shown with a blank on either side.
QString tip(int entry) {
    return u' ' + Lingua[entry] + u' ';
}
QString withDots(int entry) {
    return Lingua[entry] + QStringLiteral("...");
}
} // namespace

void Localization::CambiaLingua2() {
    Form1& f = form_;
    f.mnuFile->setCaption(Lingua[2]);
    f.mnuNuovo->setCaption(Lingua[42]);
    f.mnuApri->setCaption(Lingua[43]);
    f.mnuSalva->setCaption(Lingua[44]);
    // Ctrl+S saves too, unless the language's own keys underline with it.
    QList<QKeySequence> saveKeys{Qt::CTRL | Qt::Key_L};
    if (!ItalianShortcuts()) saveKeys << (Qt::CTRL | Qt::Key_S);
    f.mnuSalva->setShortcuts(saveKeys);
    f.mnuSalvaConNome->setCaption(Lingua[45]);
    f.mnuStampa->setCaption(Lingua[46]);
    f.mnuEsci->setCaption(Lingua[119]);
    f.mnuModifica->setCaption(Lingua[47]);
    f.mnuTaglia->setCaption(Lingua[48]);
    f.mnuCopia->setCaption(Lingua[49]);
    f.mnuIncolla->setCaption(Lingua[50]);
    f.mnuAggiungiMultimedia->setCaption(withDots(3));
    f.mnuAddCommand->setCaption(withDots(147));
    f.mnuAddImg->setCaption(withDots(149));
    f.mnuSelezionaTutto->setCaption(Lingua[51]);
    f.mnuTrova->setCaption(Lingua[56]);
    f.mnuSostituisci->setCaption(Lingua[59]);
    f.mnuAnnulla->setCaption(Lingua[21]);
    f.mnuStrumenti->setCaption(Lingua[71]);
    f.mnuOrtografia->setCaption(Lingua[72]);
    f.mnuStrumenti->setMenuVisible(false);
    f.mnuAudio->setCaption(MessageText(Msg::MenuAudio));
    f.mnuVideo->setCaption(MessageText(Msg::MenuVideo));

    f.mnuRipeti->setCaption(Lingua[82]);
    f.mnuOpzioni->setCaption(Lingua[13]);
    f.mnuScreenSaver->setCaption(Lingua[128]);
    f.mnuImpostaAudio->setCaption(Lingua[81]);
    f.mnuMonitorSettings->setCaption(Lingua[132]);
    f.mnuLingua->setCaption(Lingua[15]);
    f.mnuAggLingua->setCaption(Lingua[129]);
    f.mnuDonazioni->setCaption(Lingua[74]);
    f.mnuFaiDonazione->setCaption(Lingua[17]);
    f.mnuGuida->setCaption(Lingua[16]);
    f.mnuVersioni->setCaption(Lingua[131]);
    f.mnuAggiornamenti->setCaption(Lingua[18]);
    f.mnuInfo->setCaption(Lingua[19]);

    f.Label2[0]->setToolTip(tip(98));
    f.Label2[1]->setToolTip(tip(52));
    f.Label2[2]->setToolTip(tip(55));
    for (int i = 3; i <= 14; ++i)
        f.Label2[i]->setToolTip(tip(i + 96));
    f.Label2[15]->setToolTip(tip(3));
    f.Label2[16]->setToolTip(tip(147));

    f.Label5->setCaption(Lingua[146]);
    f.Label7->setCaption(Lingua[141]);
    // Once a video is loaded its caption is the file's name, which no language changes.
    if (!f.core.state.VideoLoaded()) f.Label8->setCaption(Lingua[143]);
    f.Label9->setCaption(Lingua[135]);
    f.lblWMP1->setCaption(Lingua[142]);

    f.Combo1->setToolTip(tip(111));
    f.Combo2->setToolTip(tip(112));
    PictureBox* fades[6] = {f.Image4, f.Image5, f.Image6, f.Image7, f.Image8, f.Image9};
    for (int i = 0; i < 6; ++i)
        fades[i]->setToolTip(tip(113 + i));

    f.Label3[0]->setCaption(Lingua[90]);
    f.Label3[2]->setCaption(Lingua[91]);
    f.Label3[3]->setCaption(Lingua[92]);
    f.BaseCopione = Lingua[97] + u' ';
    f.cmdStopV->setToolTip(tip(121));
    f.cmdForV->setToolTip(tip(125));
    f.cmdBacV->setToolTip(tip(126));
    f.Label11->setCaption(Lingua[127]);
    f.Label5->setToolTip(tip(133));
    f.Check1->setToolTip(tip(133));
}

void Localization::mnuLingua_Click() {
    FileDialogRequest request;
    request.open = true;
    request.owner = &form_;
    request.initialFolder = LanguageFolder();
    request.filter =
        Lingua[15].left(qMax(0, int(Lingua[15].size()) - 3)) + QChar(0) + QStringLiteral("*.lng");
    request.defaultExtension = QStringLiteral("lng");
    request.title = Lingua[15];
    // Relative cues are found from the current folder: a language file must not move it.
    request.keepCurrentFolder = true;
    const QString chosen = NativePath(dialogs().MostraDialogoFile(request));
    if (!chosen.isEmpty()) {
        // Only a file the next start-up can load again is saved as the language: one in the
        // language folder, with no empty line.
        const QFileInfo file(chosen);
        const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
        if (folder.isEmpty() || folder != QFileInfo(LanguageFolder()).canonicalFilePath()) {
            refuse(MessageText(Msg::LanguageRefused).arg(chosen, LanguageFolder()));
            return;
        }
        int badLine = 0;
        if (!CaricaLingua(file.absoluteFilePath(), &badLine, true)) {
            refuse(badLine == 0
                       ? MessageText(Msg::FileNotOpened)
                             .arg(chosen, MessageText(PlatformText::NotReadable))
                       : MessageText(Msg::LanguageNotUsable).arg(chosen, QString::number(badLine)));
            return;
        }
        NomeLingua = file.fileName();
    }
    CambiaLingua2();
    RetranslateOtherTexts();
    form_.lifecycle->SalvaImpostazioni();
}

void Localization::refuse(const QString& why) {
    dialogs().MsgBox(why, vbmsg::OKOnly | vbmsg::Exclamation, Lingua[1]);
}

void Localization::RetranslateOtherTexts() {
    form_.playA->Retranslate();
    form_.playV->Retranslate();
    if (frmFind* find = form_.findReplace->Dialog()) find->Retranslate();
    for (Form3* addCommand : form_.findChildren<Form3*>())
        addCommand->Retranslate();
    form_.WMP3->Retranslate();
    if (form_.showModeView) form_.showModeView->Retranslate();
    if (form_.showCheck) form_.showCheck->Retranslate();
    UseQtTextsOfLanguage();
}
