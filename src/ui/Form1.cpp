#include "ui/Form1.h"

#include "app/Commands.h"
#include "app/Paths.h"
#include "display/Monitors.h"
#include "display/Projector.h"
#include "display/ZoomWindow.h"
#include "media/AudioPlayer.h"
#include "media/BackgroundAudio.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayerControl.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "script/CueLookup.h"
#include "script/EditCommands.h"
#include "script/Interprete.h"
#include "ui/WindowVisuals.h"

#include <QMenuBar>

namespace {

MediaPlayerControl::Design playerDesign(bool autoStart, const char* uiMode) {
    MediaPlayerControl::Design d;
    d.autoStart = autoStart;
    d.uiMode = QString::fromLatin1(uiMode);
    d.stretchToFit = false;
    d.fullScreen = false;
    d.volume = 50;
    return d;
}

template <typename T> T* named(T* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent), RTB(new RichTextBox(this)), Monitors(std::make_unique<clsMonitors>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ApplicationTitle());
    buildControls();

    cues = std::make_unique<CueLookup>(*this);
    interprete = std::make_unique<Interprete>(*this);
    routing = std::make_unique<MediaRouting>(*this);
    audio = std::make_unique<AudioPlayer>(*this);
    video = std::make_unique<VideoPlayer>(*this);
    volume = std::make_unique<VolumeFades>(*this);
    background = std::make_unique<BackgroundAudio>(*WMP3);
    projector = std::make_unique<Projector>(*this);
    edit = std::make_unique<EditCommands>(*this);
    shell = std::make_unique<ShellCommands>(*this);
    visuals = std::make_unique<WindowVisuals>(*this);

    // Handlers reach the subsystem objects through the form, so a test may swap one.
    Timer5->onTimer = [this] { audio->Timer5_Timer(); };
    Check1->onClick = [this] { projector->Check1_Click(); };
    cues->Connect();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QPalette dark = client->palette();
    dark.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::WindowText, Qt::white);
    client->setPalette(dark);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    RTB->setParent(client);
    RTB->setObjectName(QStringLiteral("RTB"));
    TwipsGeometry(RTB).Move(390, 870, 6765, 6465);

    static constexpr int hotspotLeft[17] = {60,   480,  930,  1365, 1890, 2310, 2730, 3150, 3690,
                                            4140, 4590, 5085, 5550, 5970, 6470, 6950, 7390};
    for (int i = 0; i < 17; ++i) {
        Label2[i] = new Label(client);
        Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        Label2[i]->Move(hotspotLeft[i], 30, 435, 435);
    }

    Label11 = named(new Label(client), "Label11");
    Label11->Move(420, 585, 6405, 255);
    Label11->setStyleSheet(QStringLiteral("color: #FF0000;"));
    Label11->setVisible(false);

    Picture2 = named(new Panel(client), "Picture2");
    Picture2->Move(7800, 540, 3195, 3345);
    lblWMP1 = named(new Label(Picture2), "lblWMP1");
    lblWMP1->Move(30, 1770, 3075, 225);
    lblWMP1->setCaption(QStringLiteral("Audio Player"));
    Label6 = named(new Label(Picture2), "Label6");
    Label6->Move(285, 600, 525, 330);
    Label6->setCaption(QStringLiteral("100"));
    Label6->setStyleSheet(QStringLiteral("color: #FF8000;"));
    Image3 = named(new PictureBox(Picture2), "Image3");
    Image3->Move(1125, 255, 90, 1200);
    Image2 = named(new PictureBox(Picture2), "Image2");
    Image2->Move(990, 1125, 375, 195);
    cmdPlayA = named(new PictureBox(Picture2), "cmdPlayA");
    cmdPlayA->Move(180, 2040, 720, 720);
    lblContatore = named(new Label(Picture2), "lblContatore");
    lblContatore->Move(60, 2850, 1395, 240);

    Picture3 = named(new Panel(client), "Picture3");
    Picture3->Move(7800, 3840, 3195, 1695);
    cmdPlayV = named(new PictureBox(Picture3), "cmdPlayV");
    cmdPlayV->Move(180, 300, 720, 720);
    lblContatoreV = named(new Label(Picture3), "lblContatoreV");
    lblContatoreV->Move(60, 1110, 915, 210);
    Check1 = named(new CheckBox(Picture3), "Check1");
    Check1->Move(210, 1410, 195, 195);

    WMP2 = named(new MediaPlayerControl(playerDesign(false, "none"), client), "WMP2");
    TwipsGeometry(WMP2).Move(7800, 5610, 3210, 2070);
    WMP3 = named(new MediaPlayerControl(playerDesign(true, "mini"), client), "WMP3");
    TwipsGeometry(WMP3).Move(7770, 5970, 2370, 675);
    imgZoom = named(new PictureBox(client), "imgZoom");
    imgZoom->Move(7650, 5610, 1665, 1155);
    imgZoom->setStretch(true);
    imgZoom->setVisible(false);

    // The panels' titles and the video panel appear once media of their kind is loaded.
    lblWMP1->setVisible(false);
    Picture3->setVisible(false);

    Timer1 = std::make_unique<Timer>(0);
    Timer2 = std::make_unique<Timer>(10, false);
    Timer3 = std::make_unique<Timer>(10, false);
    Timer4 = std::make_unique<Timer>(0);
    Timer5 = std::make_unique<Timer>(0);
    Timer6 = std::make_unique<Timer>(0);
    Timer7 = std::make_unique<Timer>(0);

    mnuModifica = named(new Menu(QStringLiteral("&Modifica"), this), "mnuModifica");
    menuBar()->addMenu(mnuModifica);
    mnuAudio = named(new Menu(QStringLiteral("&Audio"), this), "mnuAudio");
    mnuPlayAudio = named(new MenuItem(QStringLiteral("Play"), mnuAudio), "mnuPlayAudio");
    mnuAudio->addAction(mnuPlayAudio);
    menuBar()->addMenu(mnuAudio);
    mnuAudio->setMenuVisible(false);
    mnuVideo = named(new Menu(QStringLiteral("&Video"), this), "mnuVideo");
    menuBar()->addMenu(mnuVideo);
    mnuVideo->setMenuVisible(false);

    resize(TwipsToPixelsX(11340), TwipsToPixelsY(8535));
}

frmZoom& Form1::ZoomWindow() {
    if (!zoom_) zoom_ = new frmZoom(this);
    return *zoom_;
}

void Form1::OpenCommandLineScript(const QString& commandLine) {
    if (commandLine.trimmed().isEmpty()) return;
    QString error;
    if (!RTB->LoadFile(NativePath(commandLine), &error)) {
        dialogs().MsgBox(tr("The script %1 could not be opened: %2").arg(commandLine, error),
                         vbmsg::OKOnly | vbmsg::Exclamation);
        return;
    }
    FileCorrente = commandLine;
    AggiornaTitolo(commandLine);
}

void Form1::AggiornaTitolo(const QString& path) {
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (cut < 0) return;
    NomeCopione = path.mid(cut + 1);
    setWindowTitle(ApplicationTitle() + QStringLiteral(" - ") + NomeCopione);
}
