#include "ui/Controls.h"

#include "platform/Keys.h"
#include "platform/Twips.h"

#include <QMouseEvent>

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
    redraw();
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
    setPixmap(stretch_ && !size().isEmpty()
                  ? picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  : picture_);
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

MenuItem::MenuItem(const QString& caption, QObject* parent) : QAction(caption, parent) {
    connect(this, &QAction::triggered, this, [this] {
        if (onClick) onClick();
    });
}

Menu::Menu(const QString& caption, QWidget* parent) : QMenu(caption, parent) {}
