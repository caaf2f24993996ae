// SPDX-License-Identifier: GPL-3.0-or-later
// varnel-img: draws the interface pictures and the test sound and writes them as the archive img.vnl.
//   varnel-img OUTPUT [--sheet SHEET.png]
// The sheet shows every picture on one page, for looking them over.
#include "kelres.h"
#include "sound.h"
#include "test_sound.h"

#include <QBuffer>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cmath>
#include <functional>
#include <iostream>
#include <vector>

namespace
{

const QColor kInk(0x2b, 0x3a, 0x4a);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kDeepGreen(0x1f, 0x5f, 0x3c);
const QColor kRed(0xd0, 0x2f, 0x3a);
const QColor kBlue(0x2f, 0x6f, 0xc0);
const QColor kGold(0xd4, 0xa0, 0x17);
const int kIcon = 24;
// Pixels per logical pixel of the pictures being drawn: 1, then 2 for the "@2x" copies that
// high-density screens use.
int g_density = 1;

struct Picture {
    std::string name;
    QImage image;
};

QImage Canvas(int w, int h)
{
    QImage img(w * g_density, h * g_density, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// Runs draw on a painter over a transparent canvas with antialiasing.
QImage Paint(int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage img = Canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(g_density, g_density);
    draw(p);
    return img;
}

QLinearGradient Vertical(const QColor& top, const QColor& bottom, double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPainterPath HeartPath(const QRectF& r)
{
    const double w = r.width(), h = r.height(), x = r.x(), y = r.y();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h * 0.95);
    path.cubicTo(x + w * 0.1, y + h * 0.68, x - w * 0.02, y + h * 0.38, x + w * 0.12, y + h * 0.18);
    path.cubicTo(x + w * 0.26, y - h * 0.02, x + w * 0.46, y + h * 0.06, x + w * 0.5, y + h * 0.24);
    path.cubicTo(x + w * 0.54, y + h * 0.06, x + w * 0.74, y - h * 0.02, x + w * 0.88, y + h * 0.18);
    path.cubicTo(x + w * 1.02, y + h * 0.38, x + w * 0.9, y + h * 0.68, x + w * 0.5, y + h * 0.95);
    path.closeSubpath();
    return path;
}

// A heart filled from the bottom up to fraction (0..1).
QImage Heart(int size, double fraction, bool outline = true)
{
    return Paint(size, size, [&](QPainter& p) {
        const QRectF box(1.5, 2, size - 3, size - 3.5);
        const QPainterPath heart = HeartPath(box);
        p.fillPath(heart, QColor(255, 236, 238));
        const double top = box.bottom() - (box.height() * 0.9) * fraction - box.height() * 0.05;
        p.save();
        p.setClipRect(QRectF(0, top, size, size));
        p.fillPath(heart,
                   Vertical(QColor(0xf0, 0x4a, 0x5a), QColor(0xb0, 0x1c, 0x2c), box.top(), box.bottom()));
        p.restore();
        if (outline)
            p.strokePath(heart, QPen(QColor(0x9a, 0x16, 0x24), 1.4));
    });
}

QImage Disc(const QColor& colour, const QString& glyph)
{
    return Paint(kIcon, kIcon, [&](QPainter& p) {
        const QRectF r(1.5, 1.5, kIcon - 3, kIcon - 3);
        p.setPen(QPen(colour.darker(130), 1.2));
        p.setBrush(Vertical(colour.lighter(135), colour, 0, kIcon));
        p.drawEllipse(r);
        QFont f("DejaVu Sans", 11, QFont::Bold);
        f.setPixelSize(15);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, glyph);
    });
}

QImage Triangle(const QColor& colour, bool pointRight, double inset = 0)
{
    return Paint(kIcon, kIcon, [&](QPainter& p) {
        QPolygonF tri;
        if (pointRight)
            tri << QPointF(6 + inset, 4) << QPointF(20, 12) << QPointF(6 + inset, 20);
        else
            tri << QPointF(18 - inset, 4) << QPointF(4, 12) << QPointF(18 - inset, 20);
        p.setPen(QPen(colour.darker(140), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Vertical(colour.lighter(140), colour, 4, 20));
        p.drawPolygon(tri);
    });
}

QImage Arrow(bool right)
{
    return Paint(kIcon, kIcon, [&](QPainter& p) {
        QPolygonF a;
        a << QPointF(3, 9) << QPointF(12, 9) << QPointF(12, 4) << QPointF(21, 12) << QPointF(12, 20)
          << QPointF(12, 15) << QPointF(3, 15);
        if (!right) {
            QTransform mirror(-1, 0, 0, 1, kIcon, 0);
            a = mirror.map(a);
        }
        p.setPen(QPen(kBlue.darker(140), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Vertical(kBlue.lighter(150), kBlue, 4, 20));
        p.drawPolygon(a);
    });
}

// The part markers of the single-aya bar: a bar with a bracket facing into the part.
QImage Marker(bool start)
{
    return Paint(16, kIcon, [&](QPainter& p) {
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const double x = start ? 4 : 12;
        p.drawLine(QPointF(x, 4), QPointF(x, 20));
        QPolygonF tri;
        if (start)
            tri << QPointF(7, 8) << QPointF(13, 12) << QPointF(7, 16);
        else
            tri << QPointF(9, 8) << QPointF(3, 12) << QPointF(9, 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPolygon(tri);
    });
}

QImage Person(QPainter* shared, double x, double scale, const QColor& colour)
{
    auto draw = [&](QPainter& p) {
        p.setPen(QPen(colour.darker(140), 1.0));
        p.setBrush(Vertical(colour.lighter(140), colour, 0, kIcon));
        p.drawEllipse(QRectF(x + 4 * scale, 2 * scale, 8 * scale, 8 * scale));
        QPainterPath body;
        body.moveTo(x + 1 * scale, 21 * scale);
        body.cubicTo(x + 1 * scale, 12 * scale, x + 15 * scale, 12 * scale, x + 15 * scale, 21 * scale);
        body.closeSubpath();
        p.drawPath(body);
    };
    if (shared) {
        draw(*shared);
        return {};
    }
    return Paint(kIcon, kIcon, draw);
}

QFont ArabicFont(int pixelSize)
{
    static QString family;
    if (family.isEmpty()) {
        const int id =
            QFontDatabase::addApplicationFont("/usr/share/fonts/opentype/fonts-hosny-amiri/AmiriQuran.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        family = families.isEmpty() ? QString("Amiri Quran") : families.first();
    }
    QFont f(family);
    f.setPixelSize(pixelSize);
    return f;
}

// The smallest part of img holding every visible pixel, with a margin.
QImage CropToInk(const QImage& img, int margin)
{
    QRect ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 8)
                ink |= QRect(x, y, 1, 1);
    return ink.isEmpty() ? img : img.copy(ink.adjusted(-margin, -margin, margin, margin));
}

QImage Bismillah()
{
    const QString text = QString::fromUtf8("بِسْمِ ٱللَّهِ ٱلرَّحْمَٰنِ ٱلرَّحِيمِ");
    const QFont font = ArabicFont(44);
    const QFontMetrics fm(font);
    const QRect bounds = fm.boundingRect(text);
    const int w = bounds.width() + 24, h = fm.height() + 8;
    const QImage drawn = Paint(w, h, [&](QPainter& p) {
        p.setFont(font);
        p.setPen(kDeepGreen);
        p.setLayoutDirection(Qt::RightToLeft);
        p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text);
    });
    return CropToInk(drawn, 3 * g_density);
}

// The green book with the golden name, in a 24 x 24 box.
void DrawBook(QPainter& p)
{
    const QRectF cover(3.5, 2.5, 17, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf5, 0xee, 0xd8));
    p.drawRoundedRect(cover.translated(1.5, 1), 2, 2);
    p.setPen(QPen(kDeepGreen.darker(130), 1));
    p.setBrush(Vertical(kGreen.lighter(115), kDeepGreen, 2, 22));
    p.drawRoundedRect(cover, 2, 2);
    p.setPen(QPen(kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cover.adjusted(2, 2, -2, -2), 1, 1);
    p.setFont(ArabicFont(13));
    p.setPen(kGold.lighter(120));
    p.drawText(cover.adjusted(0, -3, 0, 0), Qt::AlignCenter, QString::fromUtf8("ﷲ"));
}

QImage QuranBook() { return Paint(kIcon, kIcon, DrawBook); }

// The program's icon at size x size pixels: the book, and a full heart at its foot.
QImage AppIcon(int size)
{
    return Paint(size, size, [&](QPainter& p) {
        p.scale(size / 24.0, size / 24.0);
        DrawBook(p);
        const QRectF box(12.5, 12, 11, 11);
        const QPainterPath heart = HeartPath(box);
        p.fillPath(heart,
                   Vertical(QColor(0xf0, 0x4a, 0x5a), QColor(0xb0, 0x1c, 0x2c), box.top(), box.bottom()));
        p.strokePath(heart, QPen(QColor(0x9a, 0x16, 0x24), 0.8));
    });
}

// Writes the program's icon in the freedesktop hicolor sizes: DIR/NxN/apps/varnel.png.
bool WriteIcons(const QString& dir)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1/%2x%2/apps").arg(dir).arg(size);
        if (!QDir().mkpath(folder) || !AppIcon(size).save(folder + "/varnel.png", "PNG"))
            return false;
    }
    return true;
}

std::vector<Picture> Pictures()
{
    std::vector<Picture> pics;
    auto add = [&](const char* name, const QImage& image) { pics.push_back({name, image}); };

    add("about.png", Disc(kBlue, "i"));
    add("bismillah.png", Bismillah());
    add("check.png", Paint(kIcon, kIcon, [](QPainter& p) {
            QPainterPath tick;
            tick.moveTo(4, 13);
            tick.lineTo(10, 19);
            tick.lineTo(20, 5);
            p.strokePath(tick, QPen(kGreen, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }));
    add("check2.png", Paint(kIcon, kIcon, [](QPainter& p) {
            p.setPen(QPen(QColor(0xb8, 0xbe, 0xc6), 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(6.5, 6.5, 11, 11));
        }));
    add("end.png", Marker(false));
    add("exit.png", Paint(kIcon, kIcon, [](QPainter& p) {
            p.setPen(QPen(kInk, 1.4));
            p.setBrush(QColor(0xe8, 0xdc, 0xc8));
            p.drawRect(QRectF(3.5, 2.5, 11, 19));
            p.setBrush(kInk);
            p.drawEllipse(QRectF(11, 11, 2, 2));
            QPolygonF a;
            a << QPointF(12, 10) << QPointF(17, 10) << QPointF(17, 6) << QPointF(22, 12) << QPointF(17, 18)
              << QPointF(17, 14) << QPointF(12, 14);
            p.setPen(QPen(kRed.darker(140), 1));
            p.setBrush(Vertical(kRed.lighter(140), kRed, 6, 18));
            p.drawPolygon(a);
        }));
    for (int i = 1; i <= 6; ++i)
        pics.push_back({"heart" + std::to_string(i) + ".png",
                        Heart(kIcon, (i - 1) / 5.0 * 0.85 + (i == 6 ? 0.15 : 0.08))});
    add("heartcursor.png", Heart(28, 1.0));
    add("help.png", Disc(kBlue, "?"));
    add("iknow.png", Paint(40, 32, [](QPainter& p) {
            const QPainterPath heart = HeartPath(QRectF(2, 2, 30, 28));
            p.fillPath(heart, Vertical(QColor(0xf0, 0x4a, 0x5a), QColor(0xb0, 0x1c, 0x2c), 2, 30));
            p.strokePath(heart, QPen(QColor(0x9a, 0x16, 0x24), 1.4));
            QPainterPath tick;
            tick.moveTo(10, 15);
            tick.lineTo(15, 20);
            tick.lineTo(24, 9);
            p.strokePath(tick, QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }));
    add("left2.png", Arrow(false));
    add("load.png", Paint(kIcon, kIcon, [](QPainter& p) {
            p.setPen(QPen(kGold.darker(150), 1));
            p.setBrush(Vertical(kGold.lighter(130), kGold, 4, 20));
            QPainterPath back;
            back.moveTo(2.5, 5.5);
            back.lineTo(9, 5.5);
            back.lineTo(11, 7.5);
            back.lineTo(19.5, 7.5);
            back.lineTo(19.5, 19.5);
            back.lineTo(2.5, 19.5);
            back.closeSubpath();
            p.drawPath(back);
            QPolygonF front;
            front << QPointF(5, 10.5) << QPointF(22.5, 10.5) << QPointF(19.5, 19.5) << QPointF(2.5, 19.5);
            p.setBrush(Vertical(QColor(0xff, 0xe0, 0x8a), kGold.lighter(110), 10, 20));
            p.drawPolygon(front);
        }));
    add("love.png", Heart(20, 1.0));
    add("newuser.png", Paint(32, 32, [](QPainter& p) {
            p.scale(32.0 / kIcon, 32.0 / kIcon);
            Person(&p, 1, 1.0, kBlue);
            p.setPen(QPen(kGreen.darker(130), 1));
            p.setBrush(kGreen);
            p.drawEllipse(QRectF(13, 11, 10, 10));
            p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(18, 13.5), QPointF(18, 18.5));
            p.drawLine(QPointF(15.5, 16), QPointF(20.5, 16));
        }));
    add("play.png", Triangle(kGreen, true));
    add("playr.png", Paint(kIcon, kIcon, [](QPainter& p) {
            p.setPen(QPen(kGreen.darker(120), 2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(2.5, 2.5, 19, 19), 60 * 16, 300 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen.darker(120));
            QPolygonF head;
            head << QPointF(14, 0.5) << QPointF(19.5, 3.5) << QPointF(14, 7.5);
            p.drawPolygon(head);
            QPolygonF tri;
            tri << QPointF(9, 7.5) << QPointF(16.5, 12) << QPointF(9, 16.5);
            p.setBrush(kGreen);
            p.drawPolygon(tri);
        }));
    add("pref.png", Paint(kIcon, kIcon, [](QPainter& p) {
            QPainterPath gear;
            const QPointF c(12, 12);
            for (int i = 0; i < 8; ++i) {
                const double a = i * M_PI / 4;
                QTransform t;
                t.translate(c.x(), c.y());
                t.rotateRadians(a);
                QPainterPath tooth;
                tooth.addRoundedRect(QRectF(-2.2, -11, 4.4, 6), 1, 1);
                gear = gear.united(t.map(tooth));
            }
            QPainterPath ring;
            ring.addEllipse(c, 7.5, 7.5);
            gear = gear.united(ring);
            QPainterPath hole;
            hole.addEllipse(c, 3, 3);
            gear = gear.subtracted(hole);
            p.setPen(QPen(QColor(0x4a, 0x55, 0x60), 1));
            p.setBrush(Vertical(QColor(0xb8, 0xc2, 0xcc), QColor(0x6a, 0x76, 0x82), 1, 23));
            p.drawPath(gear);
        }));
    add("quran.png", QuranBook());
    add("right2.png", Arrow(true));
    add("save.png", Paint(kIcon, kIcon, [](QPainter& p) {
            p.setPen(QPen(kBlue.darker(160), 1));
            p.setBrush(Vertical(kBlue.lighter(120), kBlue.darker(110), 2, 22));
            p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(5.5, 2.5, 13, 7));
            p.setBrush(QColor(0x30, 0x38, 0x40));
            p.drawRect(QRectF(14, 3.5, 3, 5));
            p.setBrush(QColor(0xe8, 0xee, 0xf4));
            p.drawRect(QRectF(5.5, 13.5, 13, 8));
        }));
    add("start.png", Marker(true));
    add("stop.png", Paint(kIcon, kIcon, [](QPainter& p) {
            p.setPen(QPen(kRed.darker(140), 1.2));
            p.setBrush(Vertical(kRed.lighter(140), kRed, 5, 19));
            p.drawRoundedRect(QRectF(5.5, 5.5, 13, 13), 2, 2);
        }));
    add("users.png", Paint(kIcon, kIcon, [](QPainter& p) {
            p.translate(0, 2);
            p.scale(0.85, 0.85);
            Person(&p, 10, 1.0, kGreen);
            Person(&p, 1, 1.0, kBlue);
        }));
    add("xmark.png", Paint(kIcon, kIcon, [](QPainter& p) {
            p.setPen(QPen(kRed, 3.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 6), QPointF(18, 18));
            p.drawLine(QPointF(18, 6), QPointF(6, 18));
        }));
    return pics;
}

QImage Sheet(const std::vector<Picture>& pics)
{
    const int cell = 96, columns = 6;
    const int rows = int(pics.size() + columns - 1) / columns;
    QImage sheet(cell * columns * 2, cell * rows, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xf4, 0xf4, 0xf4));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    for (size_t i = 0; i < pics.size(); ++i) {
        const QRect r(int(i % columns) * cell * 2, int(i / columns) * cell, cell * 2, cell);
        const QImage& img = pics[i].image;
        const QImage shown =
            img.width() > r.width() - 8 ? img.scaledToWidth(r.width() - 8, Qt::SmoothTransformation) : img;
        p.drawImage(r.x() + (r.width() - shown.width()) / 2, r.y() + (r.height() - 16 - shown.height()) / 2,
                    shown);
        p.setPen(Qt::black);
        p.drawText(r.adjusted(0, 0, 0, -2), Qt::AlignHCenter | Qt::AlignBottom,
                   QString("%1 (%2x%3)")
                       .arg(QString::fromStdString(pics[i].name))
                       .arg(img.width())
                       .arg(img.height()));
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString sheet, icons;
    for (int i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == "--sheet")
            sheet = args[i + 1];
        else if (args[i] == "--icons")
            icons = args[i + 1];
    }
    if (args.size() < 2 || args.size() % 2 != 0 || (args.size() > 2 && sheet.isEmpty() && icons.isEmpty())) {
        std::cerr << "usage: varnel-img OUTPUT [--sheet SHEET.png] [--icons DIR]\n";
        return 2;
    }
    const std::vector<Picture> pics = Pictures();
    // The same pictures at twice the resolution, as "NAME@2x.png", for high-density screens.
    std::vector<Picture> all = pics;
    g_density = 2;
    for (Picture pic : Pictures()) {
        pic.name.insert(pic.name.rfind('.'), "@2x");
        all.push_back(std::move(pic));
    }
    g_density = 1;
    KelRes res;
    std::string error;
    for (const Picture& pic : all) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!pic.image.save(&buffer, "PNG") || !res.AddItem(pic.name, png, &error)) {
            std::cerr << "varnel-img: cannot encode " << pic.name << " " << error << "\n";
            return 1;
        }
    }
    const std::vector<char> ogg = TestSound();
    if (ogg.empty() || !res.AddItem("bism.ogg", QByteArray(ogg.data(), int(ogg.size())), &error)) {
        std::cerr << "varnel-img: cannot encode the test sound\n";
        return 1;
    }
    if (!res.Save(args[1].toStdString(), &error)) {
        std::cerr << "varnel-img: " << error << "\n";
        return 1;
    }
    if (!sheet.isEmpty() && !Sheet(pics).save(sheet)) {
        std::cerr << "varnel-img: cannot write " << sheet.toStdString() << "\n";
        return 1;
    }
    if (!icons.isEmpty() && !WriteIcons(icons)) {
        std::cerr << "varnel-img: cannot write the icons into " << icons.toStdString() << "\n";
        return 1;
    }
    return 0;
}
