// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming.h"

#include <QGuiApplication>
#include <QScreen>
#include <climits>
#include <cstdio>

int LeadingNumber(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            value = INT_MAX; // keep reading digits, but never overflow
    }
    return static_cast<int>(negative ? -value : value);
}

std::string PadSura(const std::string& text)
{
    const int value = LeadingNumber(text);
    char buffer[24];
    if (value < 10)
        std::snprintf(buffer, sizeof buffer, "00%d", value);
    else if (value < 100)
        std::snprintf(buffer, sizeof buffer, "0%d", value);
    else
        std::snprintf(buffer, sizeof buffer, "%d", value);
    return buffer;
}

std::string IntToString(int value) { return std::to_string(value); }

std::string AyaKey(const std::string& sura, int aya) { return PadSura(sura) + "." + PadSura(IntToString(aya)); }

std::string SoundName(const std::string& ayaKey) { return ayaKey + ".ogg"; }
std::string PictureName(const std::string& ayaKey) { return ayaKey + ".png"; }
std::string TranslationName(const std::string& ayaKey) { return ayaKey + ".eng"; }
std::string TransliterationName(const std::string& ayaKey) { return ayaKey + ".lit"; }
std::string WordsName(const std::string& ayaKey) { return ayaKey + ".wrd"; }

bool IsSuraNumber(const std::string& text)
{
    const int n = LeadingNumber(text);
    return n >= 1 && n <= 114;
}

std::string FileNamePart(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool SplitAyaKey(const std::string& key, int* sura, int* aya)
{
    const size_t dot = key.find('.');
    if (dot == std::string::npos)
        return false;
    *sura = LeadingNumber(key.substr(0, dot));
    const size_t next = key.find('.', dot + 1);
    *aya = LeadingNumber(key.substr(dot + 1, next == std::string::npos ? std::string::npos : next - dot - 1));
    return true;
}

QRect CentredGeometry(const QSize& desktop)
{
    const int W = desktop.width();
    const int H = desktop.height();
    const double w = 1.5 * (W - W / 2);
    const double h = 1.5 * (H - H / 2);
    const int x = static_cast<int>(W - w) / 2;
    const int y = static_cast<int>(H - h) / 2;
    return QRect(x, y, static_cast<int>(w), static_cast<int>(h));
}

QRect CentredGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return CentredGeometry(screen ? screen->geometry().size() : QSize(800, 600));
}
