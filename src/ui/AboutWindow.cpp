#include "ui/AboutWindow.h"

#include "app/Paths.h"
#include "app/UpdateCheck.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/DesktopShell.h"
#include "platform/Dialogs.h"
#include "ui/QtDialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

namespace {
const QColor kCredits(0x18, 0x18, 0x20);
const QColor kCreditsText(0xE8, 0xE8, 0xE8);
const QColor kLink(0x7F, 0xB8, 0xFF);
constexpr double kViewportWidth = 6000;
constexpr double kCreditsHeight = 4200;
const char* const kAuthors = "the Scenolux developers";

QString withoutAmpersands(QString text) {
    return text.remove(u'&');
}

Label* creditLabel(QWidget* parent, double top, double height, int pointSize, bool bold) {
    auto* label = new Label(parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kCreditsText);
    label->setPalette(palette);
    label->Move(240, top, kViewportWidth - 480, height);
    return label;
}
} // namespace

frmInfo* frmInfo::Open(QWidget& main) {
    auto* window = new frmInfo(main);
    QString caption = Lingua[19];
    caption.chop(3); // the menu entry's "..."
    window->setWindowTitle(withoutAmpersands(caption));
    FitTitle(*window);
    window->lblTitle->setCaption(ApplicationTitle());
    window->lblVersion->setCaption(ReleaseText());
    window->lblDescription->setCaption(Lingua[22]);
    window->lblAuthors->setCaption(Lingua[23] + QStringLiteral(" - ") + QLatin1String(kAuthors));
    window->lblHomePageCap->setCaption(Lingua[14] + u':');
    window->lblTitle->adjustSize();
    window->lblVersion->setLeft(window->lblTitle->Left() + window->lblTitle->Width() + 100);
    // In the middle of the screen the main window was on.
    QRect place(QPoint(0, 0), window->size());
    place.moveCenter(main.screen()->availableGeometry().center());
    window->move(place.topLeft());
    main.hide();
    window->show();
    return window;
}

frmInfo::frmInfo(QWidget& main) : QWidget(nullptr, Qt::Dialog), main_(main) {
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    TwipsGeometry(this).Move(0, 0, kViewportWidth + 480, 2200 + 480);
    setFixedSize(size());

    Picture1 = new Panel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->Move(240, 240, kViewportWidth, 2200);
    Picture1->setAutoFillBackground(true);
    QPalette dark = Picture1->palette();
    dark.setColor(QPalette::Window, kCredits);
    Picture1->setPalette(dark);

    Picture2 = new Panel(Picture1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->Move(0, kStartTop, kViewportWidth, kCreditsHeight);

    imgTitle = new PictureBox(Picture2);
    imgTitle->LoadPicture(PictureFile(QStringLiteral("Menu/116.png")));
    imgTitle->setLeft((kViewportWidth - imgTitle->Width()) / 2);
    imgTitle->setTop(120);
    lblTitle = creditLabel(Picture2, 1020, 450, 16, true);
    lblTitle->setWordWrap(false);
    lblVersion = creditLabel(Picture2, 1110, 360, 10, false);
    lblVersion->setWordWrap(false);
    lblVersion->setWidth(2400);
    lblDescription = creditLabel(Picture2, 1650, 900, 10, false);
    lblAuthors = creditLabel(Picture2, 2700, 600, 10, false);
    lblHomePageCap = creditLabel(Picture2, 3450, 300, 10, true);
    lblHomePage = creditLabel(Picture2, 3750, 300, 10, false);
    const QString site = WebSiteAddress();
    lblHomePage->setCaption(site.isEmpty() ? MessageText(Msg::NoWebSite) : site);
    if (!site.isEmpty()) {
        QPalette link = lblHomePage->palette();
        link.setColor(QPalette::WindowText, kLink);
        lblHomePage->setPalette(link);
        lblHomePage->setCursor(Qt::PointingHandCursor);
        lblHomePage->onClick = [site] { desktopShell().Open(site); };
    }
    // A click anywhere but on the home page closes the window, labels included.
    for (QWidget* child : findChildren<QWidget*>())
        if (child != lblHomePage) child->installEventFilter(this);

    Timer1 = std::make_unique<Timer>(0);
    Timer1->onTimer = [this] { Timer1_Timer(); };
    Form_Load();
}

frmInfo::~frmInfo() = default;

void frmInfo::Form_Load() {
    Timer1->setInterval(10);
    top_ = kStartTop;
    pause_ = 0;
    placeCredits();
}

void frmInfo::placeCredits() {
    Picture2->setTop(top_);
}

void frmInfo::Timer1_Timer() {
    const double h1 = Picture1->Height();
    const double h2 = Picture2->Height();
    if (top_ > h1 - h2) {
        top_ -= kStep;
    } else {
        ++pause_;
        if (pause_ > kPauseTicks) top_ -= kStep;
    }
    if (top_ < -h2) {
        top_ = kStartTop;
        pause_ = 0;
    }
    placeCredits();
}

void frmInfo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmInfo::mouseReleaseEvent(QMouseEvent* event) {
    (void)event;
    close();
}

bool frmInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmInfo::closeEvent(QCloseEvent* event) {
    Timer1->setInterval(0);
    main_.show();
    event->accept();
}
