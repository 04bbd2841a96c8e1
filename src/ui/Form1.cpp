#include "ui/Form1.h"

#include "app/Commands.h"
#include "app/ControlPanel.h"
#include "app/Lifecycle.h"
#include "app/Paths.h"
#include "display/Monitors.h"
#include "display/Projector.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "media/AudioPlayer.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayerControl.h"
#include "platform/SoundServer.h"
#include "platform/StoredPaths.h"
#include "platform/Twips.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "script/EditCommands.h"
#include "show/ShowMode.h"
#include "ui/AddCommand.h"
#include "ui/AudioPanel.h"
#include "ui/EditorDocument.h"
#include "ui/FindReplace.h"
#include "ui/FormatToolbar.h"
#include "ui/Localization.h"
#include "ui/ProjectorWindow.h"
#include "ui/QtDialogs.h"
#include "ui/ShowCheckWindow.h"
#include "ui/ShowModeView.h"
#include "ui/VideoPanel.h"
#include "ui/VolumeKnob.h"
#include "ui/WindowShowView.h"
#include "ui/WindowVideoOutputs.h"
#include "ui/WindowVisuals.h"
#include "ui/ZoomWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <initializer_list>

namespace {

const QColor kBackground(0x40, 0x40, 0x40);
const QColor kOrange(0xFF, 0x80, 0x00);
const QColor kPanelFill(0x24, 0x24, 0x24);
const QColor kTrackFill(0x1F, 0x1F, 0x1F);
const QColor kBorder(0x80, 0x80, 0x80);
const QColor kBar(0x0A, 0x58, 0xCD);

template <typename T> T* named(T* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

// A label with its designed text, colours and font.
Label* label(QWidget* parent, const QString& name, const QString& caption, const QColor& text,
             double points = 8, bool bold = false) {
    auto* l = named(new Label(parent), name);
    l->setCaption(caption);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, text);
    l->setPalette(pal);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    l->setFont(font);
    return l;
}

void fill(QWidget* w, const QColor& background) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, background);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

Shape* shape(QWidget* parent, const QString& name, bool rounded, const QColor& fillColor,
             const QColor& border, bool borderShown = true) {
    auto* s = named(new Shape(parent), name);
    s->Rounded = rounded;
    s->FillColor = fillColor;
    s->BorderColor = border;
    s->BorderShown = borderShown;
    return s;
}

// A picture control showing a file of the Files folder, stretched to its designed size.
PictureBox* picture(QWidget* parent, const QString& name, const char* file, bool stretch = true) {
    auto* p = named(new PictureBox(parent), name);
    p->setStretch(stretch);
    p->LoadPicture(PictureFile(QLatin1String(file)));
    return p;
}

// A player's counter: white text laid over its progress track, so the bar under it shows.
Label* counter(QWidget* parent, const QString& name) {
    Label* l = label(parent, name, QString(), Qt::white, 8, true);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// A player's four transport buttons (play, stop, back, forward), the play button top at top.
void transportButtons(QWidget* panel, QChar player, double top,
                      std::initializer_list<PictureBox**> controls) {
    struct Design {
        const char* name;
        const char* file;
        double left, topOffset, width, height;
    };
    static constexpr Design designs[] = {{"cmdPlay", "play.jpg", 180, 0, 720, 720},
                                         {"cmdStop", "stop.jpg", 930, 90, 555, 570},
                                         {"cmdBac", "bac.jpg", 1590, 90, 555, 570},
                                         {"cmdFor", "for.jpg", 2220, 90, 555, 570}};
    const Design* d = designs;
    for (PictureBox** control : controls) {
        *control = picture(panel, QLatin1String(d->name) + player, d->file);
        (*control)->Move(d->left, top + d->topOffset, d->width, d->height);
        ++d;
    }
}

} // namespace

Form1::Form1(ShowEngine& engine, QWidget* parent) : Form1(&engine, nullptr, parent) {}

Form1::Form1(QWidget* parent) : Form1(nullptr, nullptr, parent) {}

Form1::Form1(const SubsystemFactory& factory, QWidget* parent) : Form1(nullptr, &factory, parent) {}

Form1::Form1(ShowEngine* engine, const SubsystemFactory* factory, QWidget* parent)
    : QMainWindow(parent),
      ownEngine_(engine ? nullptr : std::make_unique<ShowEngine>(ApplicationTitle(), factory)),
      engine(engine ? *engine : *ownEngine_), core(this->engine.core), RTB(new RichTextBox(this)),
      Timer1(this->engine.Timer1.get()), Timer3(this->engine.Timer3.get()),
      Timer4(this->engine.Timer4.get()), Timer6(this->engine.Timer6.get()),
      panelPlayer(this->engine.panelPlayer.get()),
      backgroundPlayer(this->engine.backgroundPlayer.get()),
      projectorPlayer(this->engine.projectorPlayer.get()),
      Monitors(std::make_unique<clsMonitors>()), TipoMedia(core.state.TipoMedia),
      FileCorrente(core.session.FileCorrente), NomeCopione(core.session.NomeCopione),
      NumeroCopione(core.session.NumeroCopione), BaseCopione(core.session.BaseCopione),
      UltimaCartella(core.session.UltimaCartella) {
    setObjectName(QStringLiteral("Form1"));
    // The window's questions are Qt's dialogs, unless others are installed (tests).
    InstallQtDialogs();
    setWindowTitle(core.session.Title());
    connect(&core.session, &ScriptSession::titleChanged, this, &QWidget::setWindowTitle);
    // A saved or discarded script is the editor history's clean point: Undo back to it
    // leaves the script unchanged.
    connect(&core.session, &ScriptSession::modifiedSet, this, [this](int modified) {
        if (modified == 0) RTB->SetClean();
    });
    buildControls();
    buildMenus();
    playA = std::make_unique<PlayState>(core.audio, *mnuPlayAudio);
    playV = std::make_unique<PlayState>(core.video, *mnuPlayVideo);
    audioPanel = std::make_unique<AudioPanel>(core.audio, core.masterVolume, *this);
    videoPanel = std::make_unique<VideoPanel>(core.video, *this);

    scriptDocument = std::make_unique<EditorDocument>(*RTB);
    videoOutputs = std::make_unique<WindowVideoOutputs>(*this);
    findReplace = std::make_unique<FindReplace>(*scriptDocument, this);
    formatBar = std::make_unique<FormatToolbar>(*Combo1, *Combo2, Label2);
    showView = std::make_unique<WindowShowView>(*this);
    this->engine.Attach(*showView);
    takeSubsystems();
    volumeKnob = std::make_unique<VolumeKnob>(
        core.masterVolume, [this]() -> VolumeFades& { return *volume; }, *Image2, *Image3, *Timer2);
    visuals = std::make_unique<WindowVisuals>(*this);
    lingua = std::make_unique<Localization>(*this);
    connectHandlers();
    connectEditor();
    showModeView = std::make_unique<ShowModeView>(*this, *showMode);
    showCheck = std::make_unique<ShowCheckMenu>(*this);
    SetWindowSize(11340, 8535);
}

Form1::~Form1() {
    // The subsystems hold on to this window's parts: they go first.
    engine.Detach();
}

void Form1::takeSubsystems() {
    routing = engine.routing.get();
    audio = engine.audio.get();
    video = engine.video.get();
    volume = engine.volume.get();
    background = engine.background.get();
    interprete = engine.interprete.get();
    projector = engine.projector.get();
    edit = engine.edit.get();
    controlPanel = engine.controlPanel.get();
    recovery = engine.recovery.get();
    shell = engine.shell.get();
    lifecycle = engine.lifecycle.get();
    cues = engine.cues.get();
    showMode = engine.showMode.get();
    webRemote = engine.webRemote.get();
}

void Form1::connectEditor() {
    CueLookup* lookup = cues;
    RTB->onClick = [lookup] { lookup->RTB_Click(); };
    RTB->onDblClick = [lookup] { lookup->RTB_DblClick(); };
    RTB->onKeyPress = [lookup](int& ascii) { lookup->RTB_KeyPress(ascii); };
    RTB->onKeyDown = [lookup](int& code, int& shift) { lookup->RTB_KeyDown(code, shift); };
    RTB->onKeyUp = [lookup](int& code, int& shift) { lookup->RTB_KeyUp(code, shift); };
    RTB->onMouseDown = [lookup](int b, int s, double x, double y) {
        lookup->RTB_MouseDown(b, s, x, y);
    };
    RTB->onMouseMove = [lookup](int b, int s, double x, double y) {
        lookup->RTB_MouseMove(b, s, x, y);
    };
    RTB->ownsShortcut = [lookup](int code, int shift) { return lookup->HandlesKey(code, shift); };
    RTB->onChange = [this] { edit->RTB_Change(); };
}

void Form1::buildControls() {
    client_ = named(new QWidget(this), QStringLiteral("client"));
    fill(client_, kBackground);
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);
    QPalette whiteText = client_->palette();
    whiteText.setColor(QPalette::WindowText, Qt::white);
    client_->setPalette(whiteText);

    Line1 = new Line(client_, 30, 0, 12240, 0, kBorder);
    Line2 = new Line(client_, 0, 480, 11130, 480, QColor(0x4C, 0x4C, 0x4C));

    Label1 = label(client_, QStringLiteral("Label1"), QString(), Qt::black);
    fill(Label1, QColor(0xC0, 0xC0, 0xC0));
    Label1->Move(-30, 540, 7575, 7155);
    Label1->installEventFilter(this);

    RTB->setParent(client_);
    RTB->setObjectName(QStringLiteral("RTB"));
    TwipsGeometry(RTB).Move(390, 870, 6765, 6465);

    Label11 = label(client_, QStringLiteral("Label11"), QStringLiteral("Label11"), Qt::red);
    Label11->Move(420, 585, 6405, 255);
    Label11->setVisible(false);

    Image1 = picture(client_, QStringLiteral("Image1"), "toolbar.png", false);
    Image1->setLeft(60);
    Image1->setTop(60);
    Shape5 = shape(client_, QStringLiteral("Shape5"), true, QColor(), Qt::red);
    Shape5->Move(3360, 210, 255, 285);
    Shape5->setVisible(false);
    static constexpr int hotspotLeft[17] = {60,   480,  930,  1365, 1890, 2310, 2730, 3150, 3690,
                                            4140, 4590, 5085, 5550, 5970, 6470, 6950, 7390};
    for (int i = 0; i < 17; ++i) {
        Label2[i] = named(new Label(client_), QStringLiteral("Label2_%1").arg(i));
        Label2[i]->Move(hotspotLeft[i], 30, i >= 14 ? 485 : 435, 435);
    }
    const QString letters[4] = {QStringLiteral("G"), QStringLiteral("i"), QStringLiteral("S"),
                                QStringLiteral("b")};
    for (int i = 0; i < 4; ++i) {
        Label3[i] =
            label(client_, QStringLiteral("Label3_%1").arg(i), letters[i], Qt::white, 14.25);
        QFont font = Label3[i]->font();
        font.setBold(i == 0);
        font.setItalic(i == 1);
        font.setUnderline(i == 2);
        font.setStrikeOut(i == 3);
        Label3[i]->setFont(font);
        Label3[i]->setAlignment(Qt::AlignCenter);
        // The letters sit on their hotspots: the pointer goes through to them.
        Label3[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        Label3[i]->Move(hotspotLeft[i + 4], 30, 435, 435);
    }
    for (Label* hotspot : Label2)
        hotspot->raise();

    Combo1 = named(new ComboBox(client_), QStringLiteral("Combo1"));
    Combo1->Move(8010, 90, 2205, 315);
    Combo2 = named(new ComboBox(client_), QStringLiteral("Combo2"));
    // Wide enough for a fractional size ("20.5") beside the list's arrow.
    Combo2->Move(10320, 90, 870, 315);
    for (ComboBox* box : {Combo1, Combo2}) {
        box->setStyleSheet(QStringLiteral("QComboBox { color: white; background: #404040; }"));
        // Sizes are typed as well as chosen; a typed text never joins the list.
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
    }

    buildAudioPanel();
    buildVideoPanel();

    WMP2 = named(new MediaPlayerView(*panelPlayer, client_), QStringLiteral("WMP2"));
    TwipsGeometry(WMP2).Move(7800, 5610, 3210, 2070);
    WMP3 = named(new MediaPlayerView(*backgroundPlayer, client_), QStringLiteral("WMP3"));
    TwipsGeometry(WMP3).Move(7770, 5970, 2370, 675);
    imgZoom = named(new PictureBox(client_), QStringLiteral("imgZoom"));
    imgZoom->Move(7650, 5610, 1665, 1155);
    imgZoom->setStretch(true);
    imgZoom->setVisible(false);

    Timer2 = std::make_unique<Timer>(10, false);
    Timer5 = std::make_unique<Timer>(0);
    Timer7 = std::make_unique<Timer>(0);
}

void Form1::buildAudioPanel() {
    Picture2 = named(new Panel(client_), QStringLiteral("Picture2"));
    fill(Picture2, kBackground);
    Picture2->Move(7800, 540, 3195, 3345);
    Shape4 = shape(Picture2, QStringLiteral("Shape4"), true, kPanelFill, kBorder);
    Shape4->Move(0, 0, 1485, 1665);
    Shape3 = shape(Picture2, QStringLiteral("Shape3"), true, kPanelFill, kBorder);
    Shape3->Move(1560, 0, 1635, 1665);
    Shape9 = shape(Picture2, QStringLiteral("Shape9"), true, kPanelFill, kBorder);
    Shape9->Move(0, 2010, 3195, 1185);

    Label7 = label(Picture2, QStringLiteral("Label7"), QStringLiteral("Volume"), Qt::white);
    Label7->Move(180, 210, 660, 225);
    Label9 = label(Picture2, QStringLiteral("Label9"), QStringLiteral("Fade"), Qt::white);
    Label9->Move(1740, 210, 660, 225);
    Label6 = label(Picture2, QStringLiteral("Label6"), QStringLiteral("100"), kOrange, 12, true);
    Label6->Move(285, 600, 525, 330);
    Image3 = picture(Picture2, QStringLiteral("Image3"), "track.png");
    Image3->Move(1125, 255, 90, 1200);
    Image2 = picture(Picture2, QStringLiteral("Image2"), "knob.png");
    Image2->Move(990, 1125, 375, 195);
    Label4 = label(Picture2, QStringLiteral("Label4"), QStringLiteral("+"), Qt::red, 12, true);
    Label4->Move(1095, -60, 165, 330);
    Label3[4] = label(Picture2, QStringLiteral("Label3_4"), QStringLiteral("-"), Qt::red, 14, true);
    Label3[4]->Move(1110, 1290, 120, 435);

    struct Fade {
        PictureBox** control;
        const char* name;
        const char* file;
        int left, top, width;
    };
    const Fade fades[] = {{&Image4, "Image4", "fadeinfast.png", 2400, 180, 165},
                          {&Image5, "Image5", "fadeinnormal.png", 2310, 660, 240},
                          {&Image6, "Image6", "fadeinslow.png", 2220, 1140, 315},
                          {&Image7, "Image7", "fadeoutfast.png", 2670, 180, 165},
                          {&Image8, "Image8", "fadeoutnormal.png", 2670, 660, 240},
                          {&Image9, "Image9", "fadeoutslow.png", 2670, 1140, 315}};
    for (const Fade& f : fades) {
        *f.control = picture(Picture2, QLatin1String(f.name), f.file);
        (*f.control)->Move(f.left, f.top, f.width, 375);
    }

    lblWMP1 = label(Picture2, QStringLiteral("lblWMP1"), QStringLiteral("Audio Player"), Qt::white,
                    9, true);
    lblWMP1->Move(30, 1770, 3075, 225);
    lblWMP1->setAlignment(Qt::AlignCenter);
    transportButtons(Picture2, u'A', 2040, {&cmdPlayA, &cmdStopA, &cmdBacA, &cmdForA});
    Shape2 = shape(Picture2, QStringLiteral("Shape2"), true, kTrackFill, kBorder);
    Shape2->Move(60, 2850, 3060, 225);
    Shape1 = shape(Picture2, QStringLiteral("Shape1"), false, kBar, kBar, false);
    Shape1->Move(75, 2865, 2025, 195);
    lblContatore = counter(Picture2, QStringLiteral("lblContatore"));
    // The counter spans the track: the bar shows the played share of all of it.
    lblContatore->Move(Shape2->Left(), Shape2->Top(), Shape2->Width(), Shape2->Height());
}

void Form1::buildVideoPanel() {
    Picture3 = named(new Panel(client_), QStringLiteral("Picture3"));
    fill(Picture3, kBackground);
    Picture3->Move(7800, 3840, 3195, 1695);
    Shape6 = shape(Picture3, QStringLiteral("Shape6"), true, kPanelFill, kBorder);
    Shape6->Move(0, 270, 3195, 1425);
    Label8 =
        label(Picture3, QStringLiteral("Label8"), QStringLiteral("Video Player"), kOrange, 9, true);
    Label8->Move(30, 30, 3075, 225);
    Label8->setAlignment(Qt::AlignCenter);
    transportButtons(Picture3, u'V', 300, {&cmdPlayV, &cmdStopV, &cmdBacV, &cmdForV});
    Shape8 = shape(Picture3, QStringLiteral("Shape8"), true, kTrackFill, kBorder);
    Shape8->Move(60, 1110, 3060, 225);
    Shape7 = shape(Picture3, QStringLiteral("Shape7"), false, kBar, kBar, false);
    Shape7->Move(80, 1120, 1965, 200);
    Shape7->setVisible(false);
    lblContatoreV = counter(Picture3, QStringLiteral("lblContatoreV"));
    lblContatoreV->Move(60, 1110, 915, 210);
    Check1 = named(new CheckBox(Picture3), QStringLiteral("Check1"));
    Check1->Move(210, 1410, 195, 195);
    Label5 = label(Picture3, QStringLiteral("Label5"), QStringLiteral("Visualizza su proiettore"),
                   Qt::white);
    Label5->Move(480, 1395, 2550, 225);

    // The audio panel's title and the video panel appear once media of their kind is loaded.
    lblWMP1->setVisible(false);
    Picture3->setVisible(false);
    connect(&core.state, &ShowState::audioLoadedChanged, lblWMP1,
            [this](bool loaded) { lblWMP1->setVisible(loaded); });
    connect(&core.state, &ShowState::videoLoadedChanged, Picture3,
            [this](bool loaded) { Picture3->setVisible(loaded); });
}

void Form1::buildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](const char* name, const char* caption) {
        auto* m = named(new Menu(QString::fromUtf8(caption), this), QLatin1String(name));
        bar->addMenu(m);
        return m;
    };
    auto item = [&](Menu* m, const char* name, const char* caption,
                    const QKeySequence& keys = QKeySequence()) {
        auto* i = named(new MenuItem(QString::fromUtf8(caption), m), QLatin1String(name));
        i->setShortcut(keys);
        m->addAction(i);
        return i;
    };
    mnuFile = menu("mnuFile", "&File");
    mnuNuovo = item(mnuFile, "mnuNuovo", "&Nuovo");
    mnuFile->addSeparator();
    // Ctrl+O and Ctrl+S are what every operator tries first; the designed keys stay.
    mnuApri = item(mnuFile, "mnuApri", "&Apri...", Qt::CTRL | Qt::Key_O);
    mnuSalva = item(mnuFile, "mnuSalva", "Sa&lva", Qt::CTRL | Qt::Key_L);
    mnuSalvaConNome = item(mnuFile, "mnuSalvaConNome", "Salva con &nome", Qt::CTRL | Qt::Key_N);
    mnuFile->addSeparator();
    mnuStampa = item(mnuFile, "mnuStampa", "Stam&pa...", Qt::CTRL | Qt::Key_P);
    mnuFile->addSeparator();
    mnuEsci = item(mnuFile, "mnuEsci", "&Esci");

    mnuModifica = menu("mnuModifica", "&Modifica");
    mnuAnnulla = item(mnuModifica, "mnuAnnulla", "Annulla", Qt::CTRL | Qt::Key_Z);
    mnuRipeti = item(mnuModifica, "mnuRipeti", "&Ripeti", Qt::CTRL | Qt::Key_Y);
    mnuTaglia = item(mnuModifica, "mnuTaglia", "&Taglia", Qt::CTRL | Qt::Key_X);
    mnuCopia = item(mnuModifica, "mnuCopia", "&Copia", Qt::CTRL | Qt::Key_C);
    mnuIncolla = item(mnuModifica, "mnuIncolla", "I&ncolla");
    mnuAggiungiMultimedia =
        item(mnuModifica, "mnuAggiungiMultimedia", "Aggiungi file multimediale", Qt::Key_F5);
    mnuAddCommand = item(mnuModifica, "mnuAddCommand", "Aggiungi comando", Qt::Key_F6);
    mnuAddImg = item(mnuModifica, "mnuAddImg", "Aggiungi immagine", Qt::Key_F7);
    mnuAddImg->setVisible(false);
    mnuSelezionaTutto =
        item(mnuModifica, "mnuSelezionaTutto", "&Seleziona tutto", Qt::CTRL | Qt::Key_A);
    mnuTrova = item(mnuModifica, "mnuTrova", "Tro&va...", Qt::Key_F3);
    mnuSostituisci = item(mnuModifica, "mnuSostituisci", "S&ostituisci", Qt::CTRL | Qt::Key_H);

    mnuAudio = menu("mnuAudio", "&Audio");
    mnuPlayAudio = item(mnuAudio, "mnuPlayAudio", "Play");
    mnuStopAudio = item(mnuAudio, "mnuStopAudio", "Stop");
    mnuBacAudio = item(mnuAudio, "mnuBacAudio", "<<");
    mnuForAudio = item(mnuAudio, "mnuForAudio", ">>");
    mnuAudio->setMenuVisible(false);

    mnuVideo = menu("mnuVideo", "&Video");
    mnuPlayVideo = item(mnuVideo, "mnuPlayVideo", "Play");
    mnuStopVideo = item(mnuVideo, "mnuStopVideo", "Stop");
    mnuBacVideo = item(mnuVideo, "mnuBacVideo", "<<");
    mnuForVideo = item(mnuVideo, "mnuForVideo", ">>");
    mnuVideo->setMenuVisible(false);

    mnuStrumenti = menu("mnuStrumenti", "&Strumenti");
    mnuOrtografia = item(mnuStrumenti, "mnuOrtografia", "Controllo ortografico e grammaticale");

    mnuOpzioni = menu("mnuOpzioni", "&Opzioni");
    // F9 works from anywhere in the window, and the menu shows it.
    mnuImpostaAudio = item(mnuOpzioni, "mnuImpostaAudio", "Proprietà &Audio...", Qt::Key_F9);
    mnuMonitorSettings = item(mnuOpzioni, "mnuMonitorSettings", "Proprietà &Monitor");
    mnuScreenSaver = item(mnuOpzioni, "mnuScreenSaver", "Disabilita Screen Saver");
    mnuScreenSaver->setCheckable(true);
    mnuScreenSaver->setChecked(true);
    mnuLingua = item(mnuOpzioni, "mnuLingua", "Lingua...");
    mnuAggLingua = item(mnuOpzioni, "mnuAggLingua", "Aggiungi Lingua...");

    mnuDonazioni = menu("mnuDonazioni", "&Donazioni");
    mnuFaiDonazione = item(mnuDonazioni, "mnuFaiDonazione", "&Fai una donazione");

    mnuHelp = menu("mnuHelp", "&?");
    mnuGuida = item(mnuHelp, "mnuGuida", "&Guida...", Qt::Key_F1);
    mnuVersioni = item(mnuHelp, "mnuVersioni", "Versioni");
    mnuAggiornamenti = item(mnuHelp, "mnuAggiornamenti", "&Controlla aggiornamenti...");
    mnuInfo = item(mnuHelp, "mnuInfo", "&Informazioni sul programma...", Qt::CTRL | Qt::Key_F1);
}

void Form1::connectHandlers() {
    Timer5->onTimer = [this] { // the notice's time is up
        Timer5->setInterval(0);
        Label11->setVisible(false);
    };
    cmdPlayA->onClick = [this] { audio->cmdPlayA_Click(); };
    cmdStopA->onClick = [this] { audio->cmdStopA_Click(); };
    cmdForA->onClick = [this] { audio->cmdForA_Click(); };
    cmdBacA->onClick = [this] { audio->cmdBacA_Click(); };
    mnuPlayAudio->onClick = [this] { audio->cmdPlayA_Click(); };
    mnuStopAudio->onClick = [this] { audio->cmdStopA_Click(); };
    mnuForAudio->onClick = [this] { audio->cmdForA_Click(); };
    mnuBacAudio->onClick = [this] { audio->cmdBacA_Click(); };
    lblContatore->onMouseMove = [this](int b, int s, double x, double y) {
        audio->lblContatore_MouseMove(b, s, x, y, lblContatore->Width());
    };
    lblContatore->onClick = [this] { audio->lblContatore_Click(); };
    // Every player stops when the sound server goes (each shows it stopped); the operator is
    // told once, until the server is back (the engine puts the master volume on it again).
    connect(&soundServer(), &SoundServer::Lost, this,
            [this] { ShowNotice(MessageText(PlatformText::MciSoundServerGone), 0); });
    connect(&soundServer(), &SoundServer::Back, this, [this] {
        if (Label11->Caption() == MessageText(PlatformText::MciSoundServerGone))
            Label11->setVisible(false);
    });
    cmdPlayV->onClick = [this] { video->cmdPlayV_Click(); };
    cmdStopV->onClick = [this] { video->cmdStopV_Click(); };
    cmdForV->onClick = [this] { video->cmdForV_Click(); };
    cmdBacV->onClick = [this] { video->cmdBacV_Click(); };
    mnuPlayVideo->onClick = [this] { video->cmdPlayV_Click(); };
    mnuStopVideo->onClick = [this] { video->cmdStopV_Click(); };
    mnuForVideo->onClick = [this] { video->cmdForV_Click(); };
    mnuBacVideo->onClick = [this] { video->cmdBacV_Click(); };
    lblContatoreV->onMouseMove = [this](int b, int s, double x, double y) {
        video->lblContatoreV_MouseMove(b, s, x, y, lblContatoreV->Width());
    };
    lblContatoreV->onClick = [this] { video->lblContatoreV_Click(); };
    Label5->onClick = [this] { projector->Label5_Click(); };
    Image2->onMouseDown = [this](int b, int s, double x, double y) {
        volumeKnob->Image2_MouseDown(b, s, x, y);
    };
    Image2->onMouseMove = [this](int b, int s, double x, double y) {
        volumeKnob->Image2_MouseMove(b, s, x, y);
    };
    Image2->onMouseUp = [this](int b, int s, double x, double y) {
        volumeKnob->Image2_MouseUp(b, s, x, y);
    };
    Image3->onMouseUp = [this](int b, int s, double x, double y) {
        volumeKnob->Image3_MouseUp(b, s, x, y);
    };
    Image3->onClick = [this] { volumeKnob->Image3_Click(); };
    Image4->onClick = [this] { volume->Image4_Click(); };
    Image5->onClick = [this] { volume->Image5_Click(); };
    Image6->onClick = [this] { volume->Image6_Click(); };
    Image7->onClick = [this] { volume->Image7_Click(); };
    Image8->onClick = [this] { volume->Image8_Click(); };
    Image9->onClick = [this] { volume->Image9_Click(); };
    Timer2->onTimer = [this] { volumeKnob->Timer2_Timer(); };
    // The projector box shows the show's request and the operator's tick makes it; switching
    // the projector follows the request, after the box shows it.
    connect(Check1, &QCheckBox::toggled, &core.state, &ShowState::SetProjectorRequested);
    connect(&core.state, &ShowState::projectorRequestedChanged, Check1, &QCheckBox::setChecked);
    connect(&core.state, &ShowState::projectorRequestedChanged, this,
            [this] { projector->Check1_Click(); });

    mnuEsci->onClick = [this] { lifecycle->mnuEsci_Click(); };
    mnuNuovo->onClick = [this] { shell->Label2_Click(0); };
    mnuApri->onClick = [this] { shell->Label2_Click(1); };
    mnuSalva->onClick = [this] { shell->Label2_Click(2); };
    mnuStampa->onClick = [this] { shell->Label2_Click(3); };
    mnuSalvaConNome->onClick = [this] { shell->SalvaConNome(); };
    mnuAggiungiMultimedia->onClick = [this] { shell->Label2_Click(15); };
    for (int i = 0; i < 17; ++i)
        Label2[i]->onClick = [this, i] { shell->Label2_Click(i); };
    mnuLingua->onClick = [this] { lingua->mnuLingua_Click(); };
    mnuAnnulla->onClick = [this] { edit->mnuAnnulla_Click(); };
    mnuRipeti->onClick = [this] { edit->mnuRipeti_Click(); };
    mnuTaglia->onClick = [this] { edit->mnuTaglia_Click(); };
    mnuCopia->onClick = [this] { edit->mnuCopia_Click(); };
    mnuIncolla->onClick = [this] { edit->mnuIncolla_Click(); };
    mnuSelezionaTutto->onClick = [this] { edit->mnuSelezionaTutto_Click(); };
    connect(Combo1, &QComboBox::activated, this, [this] { edit->Combo1_Click(); });
    connect(Combo1, &QComboBox::editTextChanged, this, [this] { edit->Combo1_Change(); });
    connect(Combo2, &QComboBox::activated, this, [this] { edit->Combo2_Click(); });
    connect(Combo2, &QComboBox::editTextChanged, this, [this] { edit->Combo2_Change(); });
    mnuTrova->onClick = [this] { findReplace->mnuTrova_Click(); };
    mnuSostituisci->onClick = [this] { findReplace->mnuSostituisci_Click(); };
    mnuAddCommand->onClick = [this] { mnuAddCommand_Click(*scriptDocument, this); };
    mnuGuida->onClick = [this] { shell->mnuGuida_Click(); };
    mnuImpostaAudio->onClick = [this] { shell->mnuImpostaAudio_Click(); };
    mnuMonitorSettings->onClick = [this] { controlPanel->mnuMonitorSettings_Click(); };
    mnuScreenSaver->onClick = [this] { controlPanel->mnuScreenSaver_Click(); };
    mnuVersioni->onClick = [this] { shell->mnuVersioni_Click(); };
    mnuAggiornamenti->onClick = [this] { shell->mnuAggiornamenti_Click(); };
    mnuAggLingua->onClick = [this] { shell->mnuAggLingua_Click(); };
    mnuFaiDonazione->onClick = [this] { shell->mnuFaiDonazione_Click(); };
    mnuInfo->onClick = [this] { shell->mnuInfo_Click(); };

    // Hover pictures and the toolbar highlight.
    struct Hover {
        PictureBox* button;
        WindowVisuals::Button which;
    };
    const Hover hovers[] = {{cmdPlayA, WindowVisuals::PlayA}, {cmdBacA, WindowVisuals::BacA},
                            {cmdForA, WindowVisuals::ForA},   {cmdStopA, WindowVisuals::StopA},
                            {cmdPlayV, WindowVisuals::PlayV}, {cmdBacV, WindowVisuals::BacV},
                            {cmdForV, WindowVisuals::ForV},   {cmdStopV, WindowVisuals::StopV}};
    for (const Hover& h : hovers) {
        const WindowVisuals::Button which = h.which;
        h.button->onMouseMove = [this, which](int, int, double, double) {
            visuals->ButtonMouseMove(which);
        };
    }
    for (int i = 0; i < 17; ++i)
        Label2[i]->onMouseMove = [this, i](int, int, double, double) {
            visuals->Label2_MouseMove(i);
        };
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == client_)
            visuals->Form_MouseMove();
        else if (watched == Label1)
            visuals->Label1_MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    lifecycle->Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Escape anywhere in the window that no control takes asks to exit, as the close box does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        lifecycle->EscapeKey();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (visuals) visuals->Form_Resize();
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Coming back from minimized lays the window out again.
    if (event->type() == QEvent::WindowStateChange && visuals && !isMinimized())
        visuals->Form_Resize();
}

int Form1::menuHeight() const {
    return menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
}

double Form1::WindowWidth() const {
    return PixelsToTwipsX(width()) + kFrameWidth;
}

double Form1::WindowHeight() const {
    return PixelsToTwipsY(height() - menuHeight()) + kFrameHeight;
}

void Form1::SetWindowSize(double width, double height) {
    resize(TwipsToPixelsX(width - kFrameWidth),
           TwipsToPixelsY(height - kFrameHeight) + menuHeight());
}

Form2& Form1::ProjectorWindow() {
    if (!projector_) {
        projector_ = new Form2(this, *projectorPlayer);
        projector_->onTick = [this] { video->Form2_Timer1_Timer(); };
        // Loading: the counter spans the progress track.
        Shape7->setWidth(1);
        lblContatoreV->setLeft(Shape8->Left());
        lblContatoreV->setWidth(Shape8->Width());
    }
    return *projector_;
}

double Form1::VideoOutputTop() const {
    return Picture3->Top() + 1695 + 90;
}

void Form1::PlaceVideoOutput() {
    TwipsGeometry video(WMP2);
    video.setTop(VideoOutputTop());
    video.setLeft(Picture3->Left());
    video.setWidth(Picture3->Width());
}

void Form1::ShowNotice(const QString& text, int ms) {
    Label11->setCaption(text);
    Label11->setVisible(true);
    Timer5->setInterval(ms);
}

void Form1::ClearNotice() {
    Label11->setVisible(false);
}

void Form1::ShowMediaFailure(const QString& file, const QString& reason, int ms) {
    const QString name = QFileInfo(NativePath(file)).fileName();
    const QString lead = Lingua[4].trimmed();
    // A language file without the entry (an older one) still names the file and the reason.
    const bool hasLead = !lead.isEmpty() && lead != QLatin1String("-");
    ShowNotice(hasLead ? lead + u' ' + name + QStringLiteral(" (") + reason + u')'
                       : name + QStringLiteral(": ") + reason,
               ms);
}

frmZoom& Form1::ZoomWindow() {
    if (!zoom_) zoom_ = new frmZoom(this);
    return *zoom_;
}

void Form1::OpenCommandLineScript(const QString& commandLine) {
    if (commandLine.trimmed().isEmpty()) return;
    QString error;
    if (!RTB->LoadFile(NativePath(commandLine), &error)) {
        dialogs().MsgBox(MessageText(Msg::ScriptNotOpened).arg(commandLine, error),
                         vbmsg::OKOnly | vbmsg::Exclamation);
        return;
    }
    // Kept absolute: file dialogs move the current folder, and a later Save must still write
    // the file that was opened.
    FileCorrente = QFileInfo(NativePath(commandLine)).absoluteFilePath();
    AggiornaTitolo(FileCorrente);
    core.session.SetModificato(0);
    // Cues name their media relative to the script, as after choosing it in the Open dialog;
    // a file manager starts the program in a folder of its own.
    QDir::setCurrent(QFileInfo(FileCorrente).absolutePath());
}
