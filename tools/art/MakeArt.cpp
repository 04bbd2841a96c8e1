// Draws the main window's pictures: the transport buttons (normal and hover), the toolbar
// strip, the volume knob and track and the six fade buttons; and the menu pictures into
// the folder Menu. Everything is drawn from code,
// so the pictures are the same on every build.
//
// Usage: scenolux_art OUTPUT_FOLDER
#include "MenuArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kPanel(0x24, 0x24, 0x24);  // background the transport and fade buttons sit on
const QColor kWindow(0x40, 0x40, 0x40); // window background under the toolbar
const QColor kIdle(0xD8, 0xD8, 0xD8);
const QColor kAccent(0xFF, 0x80, 0x00); // the orange of the counters
const QColor kBlue(0x0A, 0x58, 0xCD);

// Pictures are drawn at twice their size and scaled down, for smooth edges.
constexpr int kOver = 2;

QImage canvas(int w, int h, const QColor& background) {
    QImage image(w * kOver, h * kOver, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

bool save(const QImage& big, int w, int h, const QString& path) {
    const QImage small = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const bool jpg = path.endsWith(QLatin1String(".jpg"));
    if (!small.save(path, jpg ? "JPG" : "PNG", jpg ? 95 : -1)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

enum class Glyph { Play, Pause, Stop, Back, Forward };

void drawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& color) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const double x = box.x(), y = box.y(), w = box.width(), h = box.height();
    auto triangle = [&](double left, double right, bool pointsRight) {
        QPainterPath path;
        if (pointsRight) {
            path.moveTo(left, y);
            path.lineTo(right, y + h / 2);
            path.lineTo(left, y + h);
        } else {
            path.moveTo(right, y);
            path.lineTo(left, y + h / 2);
            path.lineTo(right, y + h);
        }
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (glyph) {
    case Glyph::Play:
        triangle(x + w * 0.15, x + w, true);
        break;
    case Glyph::Pause:
        p.drawRoundedRect(QRectF(x + w * 0.1, y, w * 0.3, h), w * 0.06, w * 0.06);
        p.drawRoundedRect(QRectF(x + w * 0.6, y, w * 0.3, h), w * 0.06, w * 0.06);
        break;
    case Glyph::Stop:
        p.drawRoundedRect(QRectF(x, y, w, h), w * 0.1, w * 0.1);
        break;
    case Glyph::Back:
        triangle(x, x + w / 2, false);
        triangle(x + w / 2, x + w, false);
        break;
    case Glyph::Forward:
        triangle(x, x + w / 2, true);
        triangle(x + w / 2, x + w, true);
        break;
    }
}

// A round transport button: a ring and a glyph; the hover look glows orange.
QImage transportButton(int w, int h, Glyph glyph, bool hover) {
    QImage image = canvas(w, h, kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(2 * kOver, 2 * kOver, (w - 4) * kOver, (h - 4) * kOver);
    QRadialGradient face(outer.center(), outer.width() / 2);
    face.setColorAt(0, hover ? QColor(0x5A, 0x3A, 0x18) : QColor(0x4A, 0x4A, 0x4A));
    face.setColorAt(1, hover ? QColor(0x30, 0x20, 0x10) : QColor(0x2E, 0x2E, 0x2E));
    p.setBrush(face);
    p.setPen(QPen(hover ? kAccent : QColor(0x80, 0x80, 0x80), 1.5 * kOver));
    p.drawEllipse(outer);
    const double side = outer.width() * (glyph == Glyph::Play ? 0.42 : 0.38);
    QRectF box(0, 0, side, side * (glyph == Glyph::Back || glyph == Glyph::Forward ? 0.7 : 1));
    box.moveCenter(outer.center() + QPointF(glyph == Glyph::Play ? side * 0.08 : 0, 0));
    drawGlyph(p, glyph, box, hover ? QColor(Qt::white) : kIdle);
    return image;
}

// ---- toolbar ----

void toolbarIcon(QPainter& p, int index, const QRectF& r) {
    const QPen line(kIdle, 1.6 * kOver, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(h * 0.8));
    auto letter = [&](const QString& text, bool bold, bool italic, bool under, bool strike) {
        font.setBold(bold);
        font.setItalic(italic);
        font.setUnderline(under);
        font.setStrikeOut(strike);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, text);
    };
    auto lines = [&](const QList<QPair<double, double>>& spans) {
        double ly = y + h * 0.2;
        for (const auto& s : spans) {
            p.drawLine(QPointF(x + w * s.first, ly), QPointF(x + w * s.second, ly));
            ly += h * 0.2;
        }
    };
    switch (index) {
    case 0: // new: a page with a folded corner
    case 1: // open: a folder
    case 2: // save: a disk
    case 3: // print: a printer
        if (index == 0) {
            QPainterPath page;
            page.moveTo(x + w * 0.25, y + h * 0.1);
            page.lineTo(x + w * 0.6, y + h * 0.1);
            page.lineTo(x + w * 0.78, y + h * 0.3);
            page.lineTo(x + w * 0.78, y + h * 0.9);
            page.lineTo(x + w * 0.25, y + h * 0.9);
            page.closeSubpath();
            p.setBrush(QColor(0xF4, 0xF4, 0xF4));
            p.drawPath(page);
        } else if (index == 1) {
            p.setBrush(QColor(0xE8, 0xB8, 0x4A));
            p.setPen(QPen(QColor(0xF0, 0xD0, 0x80), kOver));
            p.drawRect(QRectF(x + w * 0.12, y + h * 0.3, w * 0.76, h * 0.55));
            p.drawRect(QRectF(x + w * 0.12, y + h * 0.2, w * 0.3, h * 0.12));
        } else if (index == 2) {
            p.setBrush(QColor(0x4A, 0x7C, 0xD8));
            p.setPen(QPen(QColor(0xA8, 0xC4, 0xF0), kOver));
            p.drawRoundedRect(QRectF(x + w * 0.18, y + h * 0.12, w * 0.64, h * 0.76), kOver, kOver);
            p.setBrush(QColor(0xF4, 0xF4, 0xF4));
            p.drawRect(QRectF(x + w * 0.3, y + h * 0.12, w * 0.4, h * 0.28));
        } else {
            p.setBrush(QColor(0xB0, 0xB0, 0xB0));
            p.drawRect(QRectF(x + w * 0.12, y + h * 0.38, w * 0.76, h * 0.35));
            p.setBrush(QColor(0xF4, 0xF4, 0xF4));
            p.drawRect(QRectF(x + w * 0.28, y + h * 0.12, w * 0.44, h * 0.26));
            p.drawRect(QRectF(x + w * 0.28, y + h * 0.62, w * 0.44, h * 0.26));
        }
        break;
    case 4: // the four style buttons carry the window's own letters (they follow the
    case 5: // language), so the strip only gives them a faint key cap
    case 6:
    case 7:
        p.setPen(QPen(QColor(0x58, 0x58, 0x58), kOver));
        p.setBrush(QColor(0x48, 0x48, 0x48));
        p.drawRoundedRect(r.adjusted(w * 0.12, h * 0.02, -w * 0.12, -h * 0.02), 2 * kOver,
                          2 * kOver);
        break;
    case 8:
        lines({{0.15, 0.85}, {0.15, 0.6}, {0.15, 0.85}, {0.15, 0.6}});
        break;
    case 9:
        lines({{0.15, 0.85}, {0.28, 0.72}, {0.15, 0.85}, {0.28, 0.72}});
        break;
    case 10:
        lines({{0.15, 0.85}, {0.4, 0.85}, {0.15, 0.85}, {0.4, 0.85}});
        break;
    case 11:
        letter(QStringLiteral("A+"), true, false, false, false);
        break;
    case 12:
        letter(QStringLiteral("A-"), false, false, false, false);
        break;
    case 13: { // colour: three dots of colour on a palette
        p.setPen(Qt::NoPen);
        const QColor dots[] = {QColor(0xE0, 0x30, 0x30), QColor(0x30, 0xB0, 0x40), kBlue};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(QPointF(x + w * (0.28 + 0.22 * i), y + h * (i == 1 ? 0.35 : 0.6)),
                          w * 0.13, w * 0.13);
        }
        break;
    }
    case 14: // bullets
        for (int i = 0; i < 3; ++i) {
            const double ly = y + h * (0.25 + 0.25 * i);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(x + w * 0.22, ly), w * 0.06, w * 0.06);
            p.drawLine(QPointF(x + w * 0.38, ly), QPointF(x + w * 0.85, ly));
        }
        break;
    case 15: { // add media: a strip of film with a plus
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.setPen(QPen(kIdle, kOver));
        const QRectF film(x + w * 0.08, y + h * 0.12, w * 0.58, h * 0.7);
        p.drawRect(film);
        p.setPen(Qt::NoPen);
        p.setBrush(kIdle);
        for (int i = 0; i < 4; ++i) {
            const double hy = film.y() + film.height() * (0.12 + 0.22 * i);
            p.drawRect(QRectF(film.x() + w * 0.05, hy, w * 0.07, h * 0.08));
            p.drawRect(QRectF(film.right() - w * 0.12, hy, w * 0.07, h * 0.08));
        }
        p.setPen(QPen(kAccent, 2 * kOver, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + w * 0.8, y + h * 0.52), QPointF(x + w * 0.8, y + h * 0.92));
        p.drawLine(QPointF(x + w * 0.6, y + h * 0.72), QPointF(x + w * 1.0, y + h * 0.72));
        break;
    }
    case 16: { // add command: brackets with a plus
        font.setBold(true);
        font.setPixelSize(int(h * 0.7));
        p.setFont(font);
        p.setPen(QColor(0x6A, 0xA0, 0xFF));
        p.drawText(QRectF(x - w * 0.1, y, w * 0.8, h), Qt::AlignCenter, QStringLiteral("[[]]"));
        p.setPen(QPen(kAccent, 2 * kOver, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + w * 0.8, y + h * 0.55), QPointF(x + w * 0.8, y + h * 0.9));
        p.drawLine(QPointF(x + w * 0.62, y + h * 0.72), QPointF(x + w * 0.98, y + h * 0.72));
        break;
    }
    default:
        break;
    }
}

QImage toolbar() {
    // Hotspot lefts and widths in pixels at 96 dpi, from the window's design in twips.
    static constexpr int left[17] = {60,   480,  930,  1365, 1890, 2310, 2730, 3150, 3690,
                                     4140, 4590, 5085, 5550, 5970, 6470, 6950, 7390};
    QImage image = canvas(522, 25, kWindow);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < 17; ++i) {
        const double x = (left[i] - 60) / 15.0 + 2; // the strip starts 60 twips in
        const QRectF cell((x + 3) * kOver, 3 * kOver, 22 * kOver, 19 * kOver);
        toolbarIcon(p, i, cell);
        if (i == 3 || i == 7 || i == 10 || i == 14) { // group separators
            p.setPen(QPen(QColor(0x60, 0x60, 0x60), kOver));
            const double sx = ((left[i + 1] - 60) / 15.0 + 2) * kOver - kOver;
            p.drawLine(QPointF(sx, 3 * kOver), QPointF(sx, 22 * kOver));
        }
    }
    return image;
}

QImage knob() {
    QImage image = canvas(25, 13, kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient metal(0, 0, 0, 13 * kOver);
    metal.setColorAt(0, QColor(0xF0, 0xF0, 0xF0));
    metal.setColorAt(0.5, QColor(0xA0, 0xA0, 0xA0));
    metal.setColorAt(1, QColor(0x70, 0x70, 0x70));
    p.setBrush(metal);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), kOver));
    p.drawRoundedRect(QRectF(kOver, kOver, 23 * kOver, 11 * kOver), 3 * kOver, 3 * kOver);
    p.setPen(QPen(kAccent, 1.5 * kOver));
    p.drawLine(QPointF(4 * kOver, 6.5 * kOver), QPointF(21 * kOver, 6.5 * kOver));
    return image;
}

QImage track() {
    QImage image = canvas(6, 80, kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x0C, 0x0C, 0x0C));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), kOver));
    p.drawRoundedRect(QRectF(kOver, 0.5 * kOver, 4 * kOver, 79 * kOver), 2 * kOver, 2 * kOver);
    return image;
}

// A ramp: rising for a fade in, falling for a fade out; wider is slower.
QImage fade(int w, bool in) {
    QImage image = canvas(w, 25, kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ramp;
    const double x0 = kOver, x1 = (w - 1) * kOver, top = 3 * kOver, bottom = 22 * kOver;
    ramp.moveTo(x0, bottom);
    ramp.lineTo(x1, bottom);
    ramp.lineTo(in ? x1 : x0, top);
    ramp.closeSubpath();
    QLinearGradient fill(0, top, 0, bottom);
    fill.setColorAt(0, in ? QColor(0x60, 0xD0, 0x60) : kAccent);
    fill.setColorAt(1, in ? QColor(0x20, 0x60, 0x20) : QColor(0x60, 0x30, 0x00));
    p.setBrush(fill);
    p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), kOver * 0.8));
    p.drawPath(ramp);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    auto path = [&](const char* name) { return out + u'/' + QLatin1String(name); };
    bool ok = true;
    struct Button {
        const char* name;
        Glyph glyph;
        int w, h;
    };
    const Button buttons[] = {{"play", Glyph::Play, 48, 48},
                              {"pause", Glyph::Pause, 48, 48},
                              {"stop", Glyph::Stop, 37, 38},
                              {"bac", Glyph::Back, 37, 38},
                              {"for", Glyph::Forward, 37, 38}};
    for (const Button& b : buttons) {
        ok &= save(transportButton(b.w, b.h, b.glyph, false), b.w, b.h,
                   path(b.name) + QStringLiteral(".jpg"));
        ok &= save(transportButton(b.w, b.h, b.glyph, true), b.w, b.h,
                   path(b.name) + QStringLiteral("2.jpg"));
    }
    ok &= save(toolbar(), 522, 25, path("toolbar.png"));
    ok &= save(knob(), 25, 13, path("knob.png"));
    ok &= save(track(), 6, 80, path("track.png"));
    const int widths[3] = {11, 16, 21};
    const char* speeds[3] = {"fast", "normal", "slow"};
    for (int i = 0; i < 3; ++i) {
        ok &= save(fade(widths[i], true), widths[i], 25,
                   path("fadein") + QLatin1String(speeds[i]) + QStringLiteral(".png"));
        ok &= save(fade(widths[i], false), widths[i], 25,
                   path("fadeout") + QLatin1String(speeds[i]) + QStringLiteral(".png"));
    }
    ok &= DrawMenuPictures(path("Menu"));
    return ok ? 0 : 1;
}
