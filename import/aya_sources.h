// SPDX-License-Identifier: GPL-3.0-or-later
// What sura packs are made of, apart from their recordings: reading the quran-json package, checking it
// against Varnel's sura table, turning text into the packs' Latin-1, and drawing aya pictures. The import
// and the demo builder share them.
#pragma once

#include "aya_words.h"
#include "speech.h"
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <map>
#include <string>
#include <vector>

namespace demo
{

struct Verse {
    QString arabic;
    QString english;
    QString transliteration;
};

struct Source {
    std::vector<std::vector<Verse>> suras;                              // suras[s - 1][a - 1]
    std::map<std::string, std::vector<std::vector<QString>>> languages; // code -> suras -> verses
};

// The languages that become language packs, with the names the Language menu shows.
const std::vector<std::pair<std::string, std::string>>& LanguageNames();

// Reads dist/quran.json, quran_en.json, quran_transliteration.json and every quran_<code>.json of
// LanguageNames() that exists. False, with a message, when the package cannot be read or its aya
// counts differ from Varnel's sura table.
bool ReadSource(const QString& packageDir, Source* out, QString* error);
// One of its files: a JSON list of suras, each with "verses" holding field; the verses of the 114 suras,
// checked against the sura table's counts. False, with the problem naming what, for anything else.
bool ParseSuraList(const QByteArray& json, const char* field, const QString& what,
                   std::vector<std::vector<QString>>* out, QString* error);

// The text in Latin-1, with each character outside it replaced by its nearest Latin-1 form: accents
// dropped, typographic quotes and dashes made plain; '?' only where nothing else will do.
QByteArray ToLatin1(const QString& text);

// A picture of an aya's Arabic text: right to left, wrapped to at most maxWidth pixels, dark on light,
// ending with the aya's number in an end-of-aya sign. With density 2 it is drawn at twice the
// resolution (twice maxWidth in pixels) and says so in its resolution (dots per metre).
// When boxes is given, it receives each word's box (see Words) in the picture's pixels.
QImage RenderAya(const QString& arabic, int ayaNumber, int maxWidth = 900, int density = 1,
                 std::vector<QRect>* boxes = nullptr);

// The words of an aya's text, as spans of it: what stands between spaces and holds a letter (a pause
// sign standing alone is no word).
struct WordSpan {
    int start = 0, length = 0;
};
std::vector<WordSpan> Words(const QString& arabic);

// Text for the speech synthesiser: Quranic annotation signs dropped, alef wasla spoken as alef.
QString Speakable(const QString& text);

// 96 dots per inch, the density of a picture meant to be shown pixel for pixel.
constexpr int kScreenDotsPerMeter = 3780;
constexpr int kPictureWidth = 900;
// The packs' pictures are drawn at twice the resolution, sharp on high-density screens.
constexpr int kPictureDensity = 2;

// The pack item of that picture: RenderAya's image at kPictureDensity, as PNG bytes.
// With boxes given, each word's box in that picture, as RenderAya gives them.
QByteArray AyaPicturePng(const QString& arabic, int ayaNumber, std::vector<QRect>* boxes = nullptr);

// An aya's words in the speech synthesiser's spelling (see Speakable), one entry a word of Words().
std::vector<std::string> SpokenWords(const QString& arabic);

// The words of an aya: their text from arabic, their boxes as the renderer gave them, and with times
// (one a word) their times, of the timing given. Without times, or when the counts differ, untimed.
AyaWords WordsOf(const QString& arabic, const std::vector<QRect>& boxes,
                 const std::vector<listen::WordTime>& times = {}, WordTiming timing = WordTiming::None);

} // namespace demo
