// SPDX-License-Identifier: GPL-3.0-or-later
#include "aya_sources.h"

#include "sura.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <mutex>

namespace demo
{

namespace
{

// The picture's page and ink.
const QColor kPage(0xfd, 0xfb, 0xf3);
const QColor kInk(0x1b, 0x1b, 0x1b);

bool ReadFileBytes(const QString& path, QByteArray* out, QString* error)
{
    QFile file(path);
    // Only a regular file: a FIFO named like the package's file would block the tool.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path + ": " + (file.isOpen() ? file.errorString() : "not a regular file");
        return false;
    }
    *out = file.readAll();
    return true;
}

// Verses of every sura, taking field from each verse.
std::vector<std::vector<QString>> Field(const QJsonArray& suras, const char* field)
{
    std::vector<std::vector<QString>> out;
    for (const QJsonValue& sura : suras) {
        std::vector<QString> verses;
        for (const QJsonValue& verse : sura.toObject().value("verses").toArray())
            verses.push_back(verse.toObject().value(field).toString());
        out.push_back(verses);
    }
    return out;
}

bool CheckCounts(const std::vector<std::vector<QString>>& suras, const QString& what, QString* error)
{
    Sura table;
    if (suras.size() != 114) {
        *error = QString("%1 holds %2 suras, not 114").arg(what).arg(suras.size());
        return false;
    }
    for (size_t i = 0; i < suras.size(); ++i) {
        const int expected = table.AyaCount(std::to_string(i + 1));
        if (int(suras[i].size()) != expected) {
            *error = QString("%1: sura %2 has %3 ayas, but Varnel's sura table says %4")
                         .arg(what)
                         .arg(i + 1)
                         .arg(suras[i].size())
                         .arg(expected);
            return false;
        }
    }
    return true;
}

QString ArabicFontFamily()
{
    static QString family;
    static std::once_flag once;
    std::call_once(once, [] {
        const int id =
            QFontDatabase::addApplicationFont("/usr/share/fonts/opentype/fonts-hosny-amiri/AmiriQuran.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        family = families.isEmpty() ? QString("Amiri Quran") : families.first();
    });
    return family;
}

QString ArabicDigits(int n)
{
    QString digits = QString::number(n);
    for (QChar& c : digits)
        c = QChar(0x0660 + (c.unicode() - '0'));
    return digits;
}

} // namespace

const std::vector<std::pair<std::string, std::string>>& LanguageNames()
{
    static const std::vector<std::pair<std::string, std::string>> names = {
        {"bn", "Bengali"}, {"es", "Spanish"}, {"fr", "French"}, {"id", "Indonesian"}, {"ru", "Russian"},
        {"sv", "Swedish"}, {"tr", "Turkish"}, {"ur", "Urdu"},   {"zh", "Chinese"},
    };
    return names;
}

bool ParseSuraList(const QByteArray& json, const char* field, const QString& what,
                   std::vector<std::vector<QString>>* out, QString* error)
{
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (!doc.isArray()) {
        *error = what + " is not a list of suras: " + parse.errorString();
        return false;
    }
    *out = Field(doc.array(), field);
    return CheckCounts(*out, what, error);
}

bool ReadSource(const QString& packageDir, Source* out, QString* error)
{
    const QString dist = packageDir + "/dist/";
    const auto read = [&dist, error](const QString& name, const char* field,
                                     std::vector<std::vector<QString>>* to) {
        QByteArray bytes;
        return ReadFileBytes(dist + name, &bytes, error) && ParseSuraList(bytes, field, name, to, error);
    };
    std::vector<std::vector<QString>> a, e, t;
    if (!read("quran.json", "text", &a) || !read("quran_en.json", "translation", &e) ||
        !read("quran_transliteration.json", "transliteration", &t))
        return false;
    out->suras.assign(114, {});
    for (size_t s = 0; s < 114; ++s)
        for (size_t v = 0; v < a[s].size(); ++v)
            out->suras[s].push_back({a[s][v], e[s][v], t[s][v]});
    for (const auto& [code, name] : LanguageNames()) {
        const QString file = "quran_" + QString::fromStdString(code) + ".json";
        if (!QFile::exists(dist + file))
            continue;
        std::vector<std::vector<QString>> verses;
        if (!read(file, "translation", &verses))
            return false;
        out->languages[code] = std::move(verses);
    }
    return true;
}

QByteArray ToLatin1(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x100) {
            out.append(char(u));
            continue;
        }
        switch (u) {
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x2032:
        case 0x02BC:
        case 0x02BE:
        case 0x02BF:
            out.append('\'');
            continue;
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x2033:
            out.append('"');
            continue;
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2015:
        case 0x2212:
            out.append('-');
            continue;
        case 0x2026:
            out.append("...");
            continue;
        case 0x00A0:
        case 0x2002:
        case 0x2003:
        case 0x2009:
        case 0x200A:
        case 0x202F:
            out.append(' ');
            continue;
        case 0x200B:
        case 0x200C:
        case 0x200D:
        case 0xFEFF:
            continue;
        default:
            break;
        }
        // Letters with marks: keep the base letter (and any Latin-1 composite the marks form).
        const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
        QByteArray base;
        for (const QChar d : decomposed)
            if (d.unicode() < 0x100 && d.category() != QChar::Mark_NonSpacing)
                base.append(char(d.unicode()));
        out.append(base.isEmpty() ? QByteArray("?") : base);
    }
    return out;
}

QString Speakable(const QString& text)
{
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x06D6 && u <= 0x06ED)
            continue;
        out.append(u == 0x0671 ? QChar(0x0627) : c);
    }
    return out;
}

std::vector<WordSpan> Words(const QString& arabic)
{
    std::vector<WordSpan> words;
    int start = -1;
    bool letter = false;
    for (int i = 0; i <= arabic.size(); ++i) {
        const bool space = i == arabic.size() || arabic[i].isSpace();
        if (!space) {
            if (start < 0)
                start = i, letter = false;
            letter = letter || arabic[i].isLetter();
        } else if (start >= 0) {
            if (letter)
                words.push_back({start, i - start});
            start = -1;
        }
    }
    return words;
}

std::vector<std::string> SpokenWords(const QString& arabic)
{
    std::vector<std::string> words;
    for (const WordSpan& w : Words(arabic))
        words.push_back(Speakable(arabic.mid(w.start, w.length)).toStdString());
    return words;
}

AyaWords WordsOf(const QString& arabic, const std::vector<QRect>& boxes,
                 const std::vector<listen::WordTime>& times, WordTiming timing)
{
    const std::vector<WordSpan> spans = Words(arabic);
    const bool timed = timing != WordTiming::None && times.size() == spans.size();
    AyaWords words;
    for (size_t i = 0; i < spans.size() && i < boxes.size(); ++i) {
        AyaWord w;
        w.text = arabic.mid(spans[i].start, spans[i].length);
        w.box = boxes[i];
        if (timed) {
            w.startMs = times[i].startMs;
            w.endMs = times[i].endMs;
            w.timing = timing;
        }
        words.push_back(w);
    }
    return words;
}

QImage RenderAya(const QString& arabic, int ayaNumber, int maxWidth, int density, std::vector<QRect>* boxes)
{
    density = std::max(1, density);
    maxWidth *= density;
    const int kMargin = 14 * density;
    QFont font(ArabicFontFamily());
    font.setPixelSize(36 * density);
    const QString text = arabic + QChar(0x00A0) + QChar(0x06DD) + ArabicDigits(ayaNumber);

    QTextOption option(Qt::AlignRight);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::WordWrap);
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    const int lineWidth = maxWidth - 2 * kMargin;
    const QFontMetricsF metrics(font);
    const qreal leading = metrics.height() * 0.35; // room for the marks above and below the letters
    qreal y = 0, widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        line.setPosition(QPointF(0, y + leading / 2));
        y += line.height() + leading;
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();

    const int width = std::min(maxWidth, int(std::ceil(widest)) + 2 * kMargin);
    const int height = int(std::ceil(y)) + 2 * kMargin;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPage);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kInk);
    // Lines are laid out right-aligned in lineWidth; shift them into the picture's own width.
    const QPointF origin(width - kMargin - lineWidth, kMargin);
    layout.draw(&p, origin);
    if (boxes) {
        // A word never breaks across lines: its box is on the line that holds its first letter, between
        // the edges of its first and last letters (right to left, so read both and order them).
        boxes->clear();
        for (const WordSpan& w : Words(arabic)) {
            const QTextLine line = layout.lineForTextPosition(w.start);
            const qreal a = line.cursorToX(w.start), b = line.cursorToX(w.start + w.length);
            const QRectF box(origin.x() + std::min(a, b), origin.y() + line.y() - leading / 2,
                             std::abs(b - a), line.height() + leading);
            boxes->push_back(box.toAlignedRect().intersected(image.rect()));
        }
    }
    // The picture's density rides in its resolution, so a reader shows it at its intended size.
    image.setDotsPerMeterX(kScreenDotsPerMeter * density);
    image.setDotsPerMeterY(kScreenDotsPerMeter * density);
    return image;
}

namespace
{

// The picture is ink on a page and the blends between them at the letters' antialiased edges: kept as
// 256 steps from page to ink, a palette picture of a third of the bytes, which libpng writes unfiltered.
// Over a juz's 564 pictures this took the encoding from over half the import's time to a small part.
QImage AsInkSteps(const QImage& drawn)
{
    QImage steps(drawn.size(), QImage::Format_Indexed8);
    QList<QRgb> table(256);
    auto blend = [](int page, int ink, int step) { return page + (ink - page) * step / 255; };
    for (int i = 0; i < 256; ++i)
        table[i] = qRgb(blend(kPage.red(), kInk.red(), i), blend(kPage.green(), kInk.green(), i),
                        blend(kPage.blue(), kInk.blue(), i));
    steps.setColorTable(table);
    // How far a pixel has gone from the page towards the ink, read from its green, the channel that
    // differs most between them (the ink's edges are grey blends, the same in every channel).
    std::array<uchar, 256> step{};
    const int page = kPage.green(), ink = kInk.green();
    for (int g = 0; g < 256; ++g)
        step[size_t(g)] = uchar(std::clamp((page - g) * 255 / (page - ink), 0, 255));
    const int width = drawn.width();
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        uchar* out = steps.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = step[size_t(qGreen(in[x]))];
    }
    steps.setDotsPerMeterX(drawn.dotsPerMeterX());
    steps.setDotsPerMeterY(drawn.dotsPerMeterY());
    return steps;
}

} // namespace

// Qt reads a PNG's quality as zlib's level, (100 - quality) * 9 / 91: 89 is level 1, the fastest that
// still deflates (90 and above store the pixels as they are).
constexpr int kPngQuality = 89;

QByteArray AyaPicturePng(const QString& arabic, int ayaNumber, std::vector<QRect>* boxes)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    AsInkSteps(RenderAya(arabic, ayaNumber, kPictureWidth, kPictureDensity, boxes))
        .save(&buffer, "PNG", kPngQuality);
    return bytes;
}

} // namespace demo
