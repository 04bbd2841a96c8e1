#include "ui/Controls.h"

#include "platform/Keys.h"
#include "platform/Twips.h"
#include "ui/PicturesAhead.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

double TwipsGeometry::Left() const {
    return PixelsToTwipsX(widget_->x());
}
double TwipsGeometry::Top() const {
    return PixelsToTwipsY(widget_->y());
}
double TwipsGeometry::Width() const {
    return PixelsToTwipsX(widget_->width());
}
double TwipsGeometry::Height() const {
    return PixelsToTwipsY(widget_->height());
}

void TwipsGeometry::setLeft(double twips) {
    widget_->move(TwipsToPixelsX(twips), widget_->y());
}
void TwipsGeometry::setTop(double twips) {
    widget_->move(widget_->x(), TwipsToPixelsY(twips));
}

void TwipsGeometry::setWidth(double twips) {
    widget_->resize(qMax(0, TwipsToPixelsX(twips)), widget_->height());
}

void TwipsGeometry::setHeight(double twips) {
    widget_->resize(widget_->width(), qMax(0, TwipsToPixelsY(twips)));
}

void TwipsGeometry::Move(double left, double top, double width, double height) {
    widget_->setGeometry(TwipsToPixelsX(left), TwipsToPixelsY(top), qMax(0, TwipsToPixelsX(width)),
                         qMax(0, TwipsToPixelsY(height)));
}

// A control counts as visible when it is not hidden itself, whether or not its window is on
// screen yet.
bool TwipsGeometry::Visible() const {
    return !widget_->isHidden();
}
void TwipsGeometry::setVisible(bool visible) {
    widget_->setVisible(visible);
}

namespace {
void report(const std::function<void(int, int, double, double)>& handler, QMouseEvent* e,
            int button) {
    if (handler)
        handler(button, ShiftMaskOf(e->modifiers()), PixelsToTwipsX(e->position().x()),
                PixelsToTwipsY(e->position().y()));
}
} // namespace

Label::Label(QWidget* parent) : QLabel(parent), TwipsGeometry(this) {
    setMouseTracking(true);
}

void Label::setBorderStyle(int style) {
    borderStyle_ = style;
    setFrameStyle(style ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick)
        onClick();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    report(onMouseMove, event, ButtonMaskOf(event->buttons()));
}

PictureBox::PictureBox(QWidget* parent) : QLabel(parent), TwipsGeometry(this) {
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    source_.clear();
    redraw();
}

double PictureBox::PictureHeight() const {
    return PixelsToTwipsY(picture_.height() / devicePixelRatioF());
}

bool PictureBox::LoadPicture(const QString& path) {
    QPixmap picture;
    if (const std::optional<QImage> decoded = DecodedPicture(path))
        picture = QPixmap::fromImage(*decoded);
    else if (!picture.load(path))
        return false;
    setPicture(picture);
    source_ = path;
    return true;
}

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    redraw();
}

void PictureBox::redraw() {
    if (picture_.isNull()) {
        clear();
        return;
    }
    if (!stretch_) {
        // Unstretched, a picture shows its own pixels, one to one with the screen's: on a
        // high-density screen it takes less room, as the toolbar's fitting expects.
        QPixmap native = picture_;
        native.setDevicePixelRatio(devicePixelRatioF());
        resize(native.deviceIndependentSize().toSize());
        setPixmap(native);
        return;
    }
    if (!size().isEmpty())
        setPixmap(picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (stretch_) redraw();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    report(onMouseDown, event, ButtonOf(event->button()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    report(onMouseMove, event, ButtonMaskOf(event->buttons()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    report(onMouseUp, event, ButtonOf(event->button()));
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick)
        onClick();
}

Panel::Panel(QWidget* parent) : QFrame(parent), TwipsGeometry(this) {
    setMouseTracking(true);
}

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent), TwipsGeometry(this) {
    connect(this, &QCheckBox::toggled, this, [this] {
        if (onClick) onClick();
    });
}

Shape::Shape(QWidget* parent) : QWidget(parent), TwipsGeometry(this) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {
double progressSpan(const TwipsGeometry& track, const TwipsGeometry& bar) {
    return track.Width() - 2 * (bar.Left() - track.Left());
}
} // namespace

double ProgressWidth(const TwipsGeometry& track, const TwipsGeometry& bar, double share) {
    return qMax(1.0, progressSpan(track, bar) * qBound(0.0, share, 1.0));
}

double ProgressStartShare(const TwipsGeometry& track, const TwipsGeometry& bar) {
    constexpr double kBarAtStart = 21;
    const double pixel = TwipsPerPixelX();
    // The widest bar still at its start, in whole pixels; a width rounds to the nearest.
    const double widest = std::ceil(kBarAtStart / pixel) - 1;
    return (widest + 0.5) * pixel / progressSpan(track, bar);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, Rounded);
    p.setPen(BorderShown ? QPen(BorderColor, 1) : QPen(Qt::NoPen));
    p.setBrush(FillColor.isValid() ? QBrush(FillColor) : QBrush(Qt::NoBrush));
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (Rounded) {
        const double radius = qMin(box.width(), box.height()) / 4;
        p.drawRoundedRect(box, radius, radius);
    } else {
        p.drawRect(box);
    }
}

Line::Line(QWidget* parent, double x1, double y1, double x2, double y2, const QColor& color)
    : QWidget(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void Line::setX2(double twips) {
    x2_ = twips;
    place();
}

void Line::place() {
    const int left = TwipsToPixelsX(qMin(x1_, x2_));
    const int top = TwipsToPixelsY(qMin(y1_, y2_));
    setGeometry(left, top, qMax(1, TwipsToPixelsX(qMax(x1_, x2_)) - left + 1),
                qMax(1, TwipsToPixelsY(qMax(y1_, y2_)) - top + 1));
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(color_);
    const QPoint origin(TwipsToPixelsX(qMin(x1_, x2_)), TwipsToPixelsY(qMin(y1_, y2_)));
    p.drawLine(QPoint(TwipsToPixelsX(x1_), TwipsToPixelsY(y1_)) - origin,
               QPoint(TwipsToPixelsX(x2_), TwipsToPixelsY(y2_)) - origin);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), TwipsGeometry(this) {}

MenuItem::MenuItem(const QString& caption, QObject* parent) : QAction(caption, parent) {
    connect(this, &QAction::triggered, this, [this] {
        if (onClick) onClick();
    });
}

Menu::Menu(const QString& caption, QWidget* parent) : QMenu(caption, parent) {}
