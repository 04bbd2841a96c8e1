// The small control classes the main window is built from. Each carries a Tag, and its
// position and size read and write in twips, snapped to whole pixels as on screen.
#pragma once

#include "platform/Control.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <functional>

// Geometry in twips for any widget.
class TwipsGeometry {
public:
    explicit TwipsGeometry(QWidget* widget) : widget_(widget) {}
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // Places and sizes in one step (left, top, width, height in twips).
    void Move(double left, double top, double width, double height);
    bool Visible() const;
    void setVisible(bool visible);

private:
    QWidget* widget_;
};

// A label: Caption, colours, click and mouse-move handlers.
class Label : public QLabel, public Tagged, public TwipsGeometry {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    using TwipsGeometry::setVisible;
    using TwipsGeometry::Visible;
    // 0: flat; 1: a sunken frame, as a toolbar button that is pressed.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    std::function<void()> onClick;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int borderStyle_ = 0;
};

// A picture (image or picture button): shows a picture, stretched or not; mouse handlers.
class PictureBox : public QLabel, public Tagged, public TwipsGeometry {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);
    // Loads a picture file; false (and the picture unchanged) when it cannot be read.
    bool LoadPicture(const QString& path);
    QPixmap Picture() const { return picture_; }
    // The file the picture shown was loaded from; empty for a picture set otherwise.
    QString PictureSource() const { return source_; }
    // Height in twips of the picture as shown unstretched (one picture pixel per screen
    // pixel), without rounding to whole pixels; 0 without a picture.
    double PictureHeight() const;
    bool Stretch() const { return stretch_; }
    // Stretched, the picture fills the control; otherwise the control takes the picture's size.
    void setStretch(bool stretch);
    using TwipsGeometry::setVisible;
    using TwipsGeometry::Visible;

    std::function<void()> onClick;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void redraw();
    QPixmap picture_;
    QString source_;
    bool stretch_ = false;
};

// A panel that holds other controls (the audio and video panels).
class Panel : public QFrame, public Tagged, public TwipsGeometry {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);
    using TwipsGeometry::setVisible;
    using TwipsGeometry::Visible;
};

// A check box whose Value is 0 or 1; changing the value runs its click handler, as the
// operator's click does.
class CheckBox : public QCheckBox, public Tagged, public TwipsGeometry {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }
    using TwipsGeometry::setVisible;
    using TwipsGeometry::Visible;

    std::function<void()> onClick;
};

// A shape drawn on its container: a rectangle or a rounded rectangle with a border and
// optionally a fill. Like every drawn shape it takes no mouse input: the pointer over it is
// over whatever lies below.
class Shape : public QWidget, public Tagged, public TwipsGeometry {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);
    bool Rounded = false;
    QColor BorderColor = Qt::black;
    QColor FillColor;        // invalid: not filled
    bool BorderShown = true; // false: the fill alone
    using TwipsGeometry::setVisible;
    using TwipsGeometry::Visible;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The width of a progress bar laid inside its track with the same margin at both ends, for
// the played share (0 to 1) of the whole; never below 1 twip.
double ProgressWidth(const TwipsGeometry& track, const TwipsGeometry& bar, double share);
// The played share below which that bar is drawn as at its start: narrower than 21 twips (a
// pixel at 96 dpi) once its width is rounded to whole pixels.
double ProgressStartShare(const TwipsGeometry& track, const TwipsGeometry& bar);

// A straight line from (X1, Y1) to (X2, Y2) in twips, drawn on its container.
class Line : public QWidget, public Tagged {
    Q_OBJECT
public:
    Line(QWidget* parent, double x1, double y1, double x2, double y2, const QColor& color);
    double X1() const { return x1_; }
    double X2() const { return x2_; }
    double Y1() const { return y1_; }
    double Y2() const { return y2_; }
    void setX2(double twips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    double x1_, y1_, x2_, y2_;
    QColor color_;
};

// A drop-down list.
class ComboBox : public QComboBox, public Tagged, public TwipsGeometry {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    QString Text() const { return currentText(); }
    using TwipsGeometry::setVisible;
    using TwipsGeometry::Visible;
};

// A menu item: Caption, Visible, Checked, Enabled and its click handler.
class MenuItem : public QAction, public Tagged {
    Q_OBJECT
public:
    explicit MenuItem(const QString& caption, QObject* parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool Visible() const { return isVisible(); }

    std::function<void()> onClick;
};

// A menu of the menu bar, which can also open as a context menu.
class Menu : public QMenu, public Tagged {
    Q_OBJECT
public:
    explicit Menu(const QString& caption, QWidget* parent = nullptr);
    QString Caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }
    bool Visible() const { return menuAction()->isVisible(); }
    void setMenuVisible(bool visible) { menuAction()->setVisible(visible); }
};
