// The 53 menu pictures, numbered 100 to 152, as PNG files with transparency: 16 x 16
// pixels except number 116, which is 48 x 48. Each picture is drawn on a 16-unit grid at four
// times its size and scaled down, for smooth edges. Numbers that no menu item shows get a
// plain marker of their own colour.
#include "MenuArt.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kOver = 4;

const QColor kInk(0x30, 0x30, 0x30);
const QColor kPaper(0xFA, 0xFA, 0xF5);
const QColor kFolder(0xE8, 0xB0, 0x30);
const QColor kBlue(0x2A, 0x6C, 0xD6);
const QColor kRed(0xD8, 0x3A, 0x2E);
const QColor kGreen(0x2E, 0x9A, 0x4A);
const QColor kGrey(0x8A, 0x8F, 0x96);
const QColor kOrange(0xFF, 0x80, 0x00);

QPen pen(const QColor& c, double width = 1.0) {
    QPen p(c, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void page(QPainter& p, double x, double y, double w, double h) {
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - 3, y);
    path.lineTo(x + w, y + 3);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kPaper);
    p.drawPath(path);
}

void lines(QPainter& p, double x, double y, double w, int count) {
    p.setPen(pen(kGrey, 0.8));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x, y + i * 2), QPointF(x + w, y + i * 2));
}

void folder(QPainter& p, bool open) {
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kFolder.darker(115));
    p.drawRect(QRectF(1.5, 3.5, 5, 2));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    if (open) {
        QPainterPath lid;
        lid.moveTo(3.5, 7.5);
        lid.lineTo(15, 7.5);
        lid.lineTo(13.5, 13.5);
        lid.lineTo(1.5, 13.5);
        lid.closeSubpath();
        p.setBrush(kFolder);
        p.drawPath(lid);
    }
}

void floppy(QPainter& p) {
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(kGrey);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void pencil(QPainter& p, double x, double y) {
    p.save();
    p.translate(x, y);
    p.rotate(45);
    p.setPen(pen(kInk, 0.6));
    p.setBrush(kOrange);
    p.drawRect(QRectF(-1.2, -5, 2.4, 7));
    QPainterPath tip;
    tip.moveTo(-1.2, 2);
    tip.lineTo(1.2, 2);
    tip.lineTo(0, 4);
    tip.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(tip);
    p.restore();
}

void arrow(QPainter& p, bool right, const QColor& c) {
    // A curved arrow: undo turns left, redo turns right.
    p.save();
    if (right) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(4, 7);
    arc.cubicTo(7, 3, 14, 4, 13, 10);
    arc.cubicTo(12.5, 12, 11, 13, 9, 13.5);
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(1.5, 4);
    head.lineTo(6.5, 9.5);
    head.lineTo(1.5, 10);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
    p.restore();
}

void magnifier(QPainter& p) {
    p.setPen(pen(kInk, 1.6));
    p.setBrush(QColor(0xCF, 0xE6, 0xFF));
    p.drawEllipse(QPointF(6.5, 6.5), 4.2, 4.2);
    p.setPen(pen(kInk, 2.4));
    p.drawLine(QPointF(9.8, 9.8), QPointF(14, 14));
}

void circleMark(QPainter& p, const QColor& c, const QString& mark) {
    p.setPen(pen(c.darker(130), 0.8));
    p.setBrush(c);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, mark);
}

void speaker(QPainter& p) {
    QPainterPath body;
    body.moveTo(1.5, 6);
    body.lineTo(4.5, 6);
    body.lineTo(8.5, 2.5);
    body.lineTo(8.5, 13.5);
    body.lineTo(4.5, 10);
    body.lineTo(1.5, 10);
    body.closeSubpath();
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kGrey.lighter(130));
    p.drawPath(body);
    p.setPen(pen(kBlue, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 5, 5, 6), -60 * 16, 120 * 16);
    p.drawArc(QRectF(6, 2.5, 8.5, 11), -60 * 16, 120 * 16);
}

void monitor(QPainter& p, const QColor& screen) {
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kGrey.darker(120));
    p.drawRoundedRect(QRectF(1, 2, 14, 10), 1, 1);
    p.setBrush(screen);
    p.drawRect(QRectF(2.5, 3.5, 11, 7));
    p.setBrush(kGrey);
    p.drawRect(QRectF(6, 12, 4, 1.5));
    p.drawRect(QRectF(4, 13.5, 8, 1.2));
}

void globe(QPainter& p) {
    p.setPen(pen(kBlue.darker(130), 0.9));
    p.setBrush(QColor(0x6F, 0xB3, 0xF0));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(2.8, 4.8), QPointF(13.2, 4.8));
    p.drawLine(QPointF(2.8, 11.2), QPointF(13.2, 11.2));
}

void plus(QPainter& p, double x, double y) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(x, y), 3.6, 3.6);
    p.setPen(pen(Qt::white, 1.3));
    p.drawLine(QPointF(x - 2, y), QPointF(x + 2, y));
    p.drawLine(QPointF(x, y - 2), QPointF(x, y + 2));
}

void heart(QPainter& p) {
    QPainterPath path;
    path.moveTo(8, 14);
    path.cubicTo(2, 10, 0.5, 6.5, 2, 4);
    path.cubicTo(3.5, 1.5, 7, 2, 8, 5);
    path.cubicTo(9, 2, 12.5, 1.5, 14, 4);
    path.cubicTo(15.5, 6.5, 14, 10, 8, 14);
    p.setPen(pen(kRed.darker(130), 0.8));
    p.setBrush(kRed);
    p.drawPath(path);
}

void gear(QPainter& p) {
    p.setPen(pen(kInk, 0.8));
    p.setBrush(kGrey);
    QPainterPath path;
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(8, 8);
        p.rotate(i * 45);
        p.drawRect(QRectF(-1.5, -7, 3, 3));
        p.restore();
    }
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8), 2, 2);
}

void note(QPainter& p, const QColor& ink = kInk) {
    p.setPen(pen(ink, 1.2));
    p.drawLine(QPointF(6, 12), QPointF(6, 2.5));
    p.drawLine(QPointF(13, 10.5), QPointF(13, 1.5));
    p.setPen(pen(ink, 2));
    p.drawLine(QPointF(6, 2.5), QPointF(13, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(4.2, 12.3), 2.2, 1.7);
    p.drawEllipse(QPointF(11.2, 10.8), 2.2, 1.7);
}

void brackets(QPainter& p) {
    // A cue as the script writes it: [[ ]] in blue.
    p.setPen(pen(kBlue, 1.3));
    for (double x : {1.5, 4.0}) {
        p.drawLine(QPointF(x + 1.5, 2), QPointF(x, 2));
        p.drawLine(QPointF(x, 2), QPointF(x, 14));
        p.drawLine(QPointF(x, 14), QPointF(x + 1.5, 14));
    }
    for (double x : {14.5, 12.0}) {
        p.drawLine(QPointF(x - 1.5, 2), QPointF(x, 2));
        p.drawLine(QPointF(x, 2), QPointF(x, 14));
        p.drawLine(QPointF(x, 14), QPointF(x - 1.5, 14));
    }
    p.setPen(pen(kRed, 1.3));
    p.drawLine(QPointF(6.8, 8), QPointF(9.2, 8));
}

void picture(QPainter& p, int number) {
    const int n = number - 100;
    switch (number) {
    case 100: // open
        folder(p, true);
        break;
    case 101: // closed folder
        folder(p, false);
        break;
    case 102: // new script
        page(p, 3, 1, 10, 14);
        plus(p, 11.5, 11.5);
        break;
    case 103: // script with text
    case 105: // the File menu
        page(p, 3, 1, 10, 14);
        lines(p, 5, 5, 6, 4);
        break;
    case 107: // save
        floppy(p);
        break;
    case 108: // save as
        floppy(p);
        pencil(p, 11.5, 10.5);
        break;
    case 109: // print
        p.setPen(pen(kInk, 0.8));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(kGrey);
        p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1, 1);
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 10, 8, 4.5));
        lines(p, 5.5, 11.5, 5, 2);
        break;
    case 110: { // exit: a door and an arrow out
        p.setPen(pen(kInk, 0.8));
        p.setBrush(QColor(0xA0, 0x6A, 0x3A));
        p.drawRect(QRectF(2, 1.5, 7, 13));
        p.setPen(pen(kRed, 1.8));
        p.drawLine(QPointF(7, 8), QPointF(14, 8));
        p.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
        p.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
        break;
    }
    case 116: // the program's own picture: a note on a blue tile, for dark and light grounds
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        p.save();
        p.translate(1.5, 2);
        p.scale(0.8, 0.8);
        note(p, Qt::white);
        p.restore();
        break;
    case 125: // sound settings
        speaker(p);
        break;
    case 129: // language
        globe(p);
        break;
    case 130: // add a language
        globe(p);
        plus(p, 12, 12);
        break;
    case 131: // donation
        heart(p);
        break;
    case 132: // help
        circleMark(p, kBlue, QStringLiteral("?"));
        break;
    case 133: // version history
        page(p, 3, 1, 10, 14);
        lines(p, 5, 4, 6, 5);
        p.setPen(pen(kGreen, 1.2));
        p.drawLine(QPointF(5, 4), QPointF(5, 12));
        break;
    case 134: { // check for updates: a globe and a down arrow
        globe(p);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        QPainterPath down;
        down.moveTo(9, 9);
        down.lineTo(15.5, 9);
        down.lineTo(12.25, 15);
        down.closeSubpath();
        p.drawPath(down);
        p.drawRect(QRectF(11, 5, 2.5, 4.2));
        break;
    }
    case 135: // about
        circleMark(p, kGreen, QStringLiteral("i"));
        break;
    case 136: // undo
        arrow(p, false, kBlue);
        break;
    case 137: // redo
        arrow(p, true, kBlue);
        break;
    case 138: // cut
        p.setPen(pen(kGrey.darker(140), 1.3));
        p.drawLine(QPointF(4, 1.5), QPointF(10.5, 11));
        p.drawLine(QPointF(12, 1.5), QPointF(5.5, 11));
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(kRed, 1.3));
        p.drawEllipse(QPointF(4, 12.5), 2.2, 2.2);
        p.drawEllipse(QPointF(12, 12.5), 2.2, 2.2);
        break;
    case 139: // copy
        page(p, 1.5, 1, 8, 10);
        page(p, 6.5, 5, 8, 10);
        lines(p, 8, 9, 5, 3);
        break;
    case 140: // paste: a clipboard with a page
        p.setPen(pen(kInk, 0.8));
        p.setBrush(QColor(0xB0, 0x7A, 0x40));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12.5), 1, 1);
        p.setBrush(kGrey);
        p.drawRect(QRectF(4, 1, 5, 3));
        page(p, 6.5, 6, 8, 9.5);
        lines(p, 8, 10, 5, 3);
        break;
    case 141: // find
        magnifier(p);
        break;
    case 142: // replace: a magnifier and a change arrow
        magnifier(p);
        p.setPen(pen(kRed, 1.3));
        p.drawLine(QPointF(10, 2.5), QPointF(15, 2.5));
        p.drawLine(QPointF(13, 1), QPointF(15, 2.5));
        p.drawLine(QPointF(13, 4), QPointF(15, 2.5));
        break;
    case 144: // select all, and the Edit menu
        page(p, 2, 1, 12, 14);
        p.setBrush(QColor(0x2A, 0x6C, 0xD6, 110));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(3.5, 3.5, 9, 9.5));
        lines(p, 4.5, 5, 7, 4);
        break;
    case 146: // the Options menu
        gear(p);
        break;
    case 147: // the Donations menu
        heart(p);
        p.setPen(pen(Qt::white, 1.2));
        p.drawLine(QPointF(8, 5), QPointF(8, 10.5));
        p.drawLine(QPointF(5.5, 7.5), QPointF(10.5, 7.5));
        break;
    case 149: // display settings
        monitor(p, QColor(0x6F, 0xB3, 0xF0));
        break;
    case 150: // add a media file
        note(p);
        plus(p, 12.3, 12.3);
        break;
    case 151: // add a command
        brackets(p);
        break;
    case 152: // screen saver held off: a screen with the sun up
        monitor(p, QColor(0x10, 0x20, 0x40));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xD0, 0x30));
        p.drawEllipse(QPointF(8, 7), 2.5, 2.5);
        break;
    default: { // not shown by any menu item: a marker of its own colour
        const QColor c = QColor::fromHsv((n * 37) % 360, 150, 210);
        p.setPen(pen(c.darker(140), 0.8));
        p.setBrush(c);
        p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2.5, 2.5);
        break;
    }
    }
}

bool draw(int number, const QString& folder) {
    const int size = number == 116 ? 48 : 16;
    QImage big(size * kOver, size * kOver, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size * kOver / 16.0, size * kOver / 16.0);
        picture(p, number);
    }
    const QImage small = big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    const QString path = folder + QStringLiteral("/%1.png").arg(number);
    if (!small.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

bool DrawMenuPictures(const QString& folder) {
    QDir().mkpath(folder);
    bool ok = true;
    for (int number = 100; number <= 152; ++number)
        ok &= draw(number, folder);
    return ok;
}
