#include "ui/MenuImages.h"

#include "app/Paths.h"
#include "ui/Form1.h"
#include "ui/PicturesAhead.h"

#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

constexpr int kGap = 4; // between a menu bar entry's picture and its caption

// Qt's menu bar shows either the picture or the caption of an entry; this style shows both,
// the picture first.
class PictureAndCaptionStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuBarItem || !item || item->icon.isNull() || item->text.isEmpty()) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionMenuItem background = *item;
        background.icon = QIcon();
        background.text.clear();
        QProxyStyle::drawControl(element, &background, painter, widget);

        const int side = pixelMetric(PM_SmallIconSize, option, widget);
        const int width =
            side + kGap + item->fontMetrics.horizontalAdvance(QString(item->text).remove(u'&'));
        QRect content(0, 0, width, item->rect.height());
        content.moveCenter(item->rect.center());
        const bool enabled = item->state & State_Enabled;
        const QPixmap pixmap =
            item->icon.pixmap(QSize(side, side), enabled ? QIcon::Normal : QIcon::Disabled);
        painter->drawPixmap(content.left(), item->rect.center().y() - side / 2 + 1, pixmap);
        const bool selected = item->state & (State_Selected | State_Sunken);
        drawItemText(painter, content.adjusted(side + kGap, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, item->palette,
                     enabled, item->text,
                     selected ? QPalette::HighlightedText : QPalette::WindowText);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type == CT_MenuBarItem && item && !item->icon.isNull() && !item->text.isEmpty())
            result.rwidth() +=
                kGap + item->fontMetrics.horizontalAdvance(QString(item->text).remove(u'&'));
        return result;
    }
};

QList<QAction*> shownActions(const QWidget* menu) {
    QList<QAction*> shown;
    for (QAction* action : menu->actions())
        if (action->isVisible()) shown << action;
    return shown;
}

// Where item sits among the shown items of its menu, and the path to that menu; false when
// it is not shown on the menu bar or in one of its menus.
bool positionOf(QMenuBar* bar, QAction* item, int* position, QList<int>* path) {
    const QList<QAction*> top = shownActions(bar);
    for (int i = 0; i < top.size(); ++i) {
        if (top[i] == item) {
            *position = i;
            path->clear();
            return true;
        }
        if (QMenu* menu = top[i]->menu()) {
            const int at = static_cast<int>(shownActions(menu).indexOf(item));
            if (at >= 0) {
                *position = at;
                *path = {i};
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool clsMenuImage::Init(QMainWindow* owner, int ImgWidth, int ImgHeight, bool bRaiseEvent) {
    (void)bRaiseEvent;
    owner_ = owner;
    size_ = QSize(ImgWidth, ImgHeight);
    images_.clear();
    return owner_ != nullptr;
}

bool clsMenuImage::AddImageFromStream(const QByteArray& bvData, bool bGhosted) {
    QImage decoded;
    if (!decoded.loadFromData(bvData)) return false;
    AddImage(decoded, bGhosted);
    return true;
}

void clsMenuImage::AddImage(const QImage& decoded, bool bGhosted) {
    QImage prepared(size_, QImage::Format_ARGB32_Premultiplied);
    prepared.fill(Qt::transparent);
    {
        QPainter p(&prepared);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (bGhosted) p.setOpacity(0.5);
        p.drawImage(QRect(QPoint(0, 0), size_), decoded);
    }
    images_ << QIcon(QPixmap::fromImage(prepared));
}

QAction* clsMenuImage::ItemAt(int MenuPos, const QList<int>& vSubMenuPos) const {
    if (!owner_) return nullptr;
    QList<QAction*> items = shownActions(owner_->menuBar());
    for (int step : vSubMenuPos) {
        if (step < 0 || step >= items.size() || !items[step]->menu()) return nullptr;
        items = shownActions(items[step]->menu());
    }
    return MenuPos >= 0 && MenuPos < items.size() ? items[MenuPos] : nullptr;
}

bool clsMenuImage::PutImageToVBMenu(int ImageID, int MenuPos, const QList<int>& vSubMenuPos) {
    QAction* item = ItemAt(MenuPos, vSubMenuPos);
    if (!item || ImageID < -1 || ImageID >= ImageCount()) return false;
    item->setIcon(ImageID == -1 ? QIcon() : images_[ImageID]);
    return true;
}

void CaricaImmaginiMenu(Form1& f) {
    clsMenuImage images;
    images.Init(&f, 16, 16, false);
    for (int number = 100; number <= 152; ++number) {
        const QString path = PictureFile(QStringLiteral("Menu/%1.png").arg(number));
        if (const std::optional<QImage> decoded = DecodedPicture(path)) {
            images.AddImage(*decoded, false);
            continue;
        }
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) images.AddImageFromStream(file.readAll(), false);
    }
    const struct {
        QAction* item;
        int picture;
    } table[] = {
        {f.mnuFile->menuAction(), 5},
        {f.mnuNuovo, 2},
        {f.mnuApri, 0},
        {f.mnuSalva, 7},
        {f.mnuSalvaConNome, 8},
        {f.mnuStampa, 9},
        {f.mnuEsci, 10},
        {f.mnuModifica->menuAction(), 44},
        {f.mnuAnnulla, 36},
        {f.mnuRipeti, 37},
        {f.mnuTaglia, 38},
        {f.mnuCopia, 39},
        {f.mnuIncolla, 40},
        {f.mnuAggiungiMultimedia, 50},
        {f.mnuAddCommand, 51},
        {f.mnuSelezionaTutto, 44},
        {f.mnuTrova, 41},
        {f.mnuSostituisci, 42},
        {f.mnuOpzioni->menuAction(), 46},
        {f.mnuImpostaAudio, 25},
        {f.mnuMonitorSettings, 49},
        {f.mnuScreenSaver, 52},
        {f.mnuLingua, 29},
        {f.mnuAggLingua, 30},
        {f.mnuDonazioni->menuAction(), 47},
        {f.mnuFaiDonazione, 31},
        {f.mnuGuida, 32},
        {f.mnuVersioni, 33},
        {f.mnuAggiornamenti, 34},
        {f.mnuInfo, 35},
    };
    QMenuBar* bar = f.menuBar();
    auto* style = new PictureAndCaptionStyle;
    style->setParent(bar);
    bar->setStyle(style);
    for (const auto& row : table) {
        int position = 0;
        QList<int> path;
        if (positionOf(bar, row.item, &position, &path))
            images.PutImageToVBMenu(row.picture, position, path);
    }
}
