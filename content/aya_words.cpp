// SPDX-License-Identifier: GPL-3.0-or-later
#include "aya_words.h"

#include <QList>
#include <algorithm>

namespace
{

const QByteArray kMagic = "varnel-words";
constexpr int kVersion = 1;
// The longest a time may be: an aya's recitation is at most ten minutes.
constexpr int kMostMs = 10 * 60 * 1000;
constexpr int kMostPixels = 1 << 16;

const char* TimingName(WordTiming timing)
{
    switch (timing) {
    case WordTiming::Exact:
        return "exact";
    case WordTiming::Estimated:
        return "estimated";
    case WordTiming::None:
        break;
    }
    return "none";
}

bool ReadInts(const QByteArray& field, int count, int least, int most, std::vector<int>* out)
{
    const QList<QByteArray> parts = field.split(' ');
    if (parts.size() != count)
        return false;
    out->clear();
    for (const QByteArray& part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || value < least || value > most)
            return false;
        out->push_back(value);
    }
    return true;
}

bool ReadWord(const QByteArray& line, AyaWord* word, QString* problem)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() < 4) {
        *problem = "has fewer than four fields";
        return false;
    }
    word->text = QString::fromUtf8(fields[0]).trimmed();
    if (word->text.isEmpty()) {
        *problem = "has no text";
        return false;
    }
    std::vector<int> box;
    if (!ReadInts(fields[1], 4, 0, kMostPixels, &box) || box[2] == 0 || box[3] == 0) {
        *problem = "has no box of four whole numbers with a size";
        return false;
    }
    word->box = QRect(box[0], box[1], box[2], box[3]);
    const QByteArray flag = fields[3].trimmed();
    if (flag == "none") {
        if (fields[2] != "- -") {
            *problem = "has times but says it has none";
            return false;
        }
        word->timing = WordTiming::None;
        word->startMs = word->endMs = -1;
        return true;
    }
    if (flag != "exact" && flag != "estimated") {
        *problem = "has a timing \"" + QString::fromUtf8(flag.left(20)) +
                   "\" that is neither exact, estimated nor none";
        return false;
    }
    std::vector<int> times;
    if (!ReadInts(fields[2], 2, 0, kMostMs, &times) || times[1] <= times[0]) {
        *problem = "has no start and end in milliseconds, the end after the start";
        return false;
    }
    word->timing = flag == "exact" ? WordTiming::Exact : WordTiming::Estimated;
    word->startMs = times[0];
    word->endMs = times[1];
    return true;
}

} // namespace

bool ParseAyaWords(const QByteArray& item, AyaWords* words, QString* error)
{
    words->clear();
    if (item.size() > kMostWordsBytes) {
        *error = QString("the words item is larger than %1 KB").arg(kMostWordsBytes / 1024);
        return false;
    }
    QList<QByteArray> lines = item.split('\n');
    const QByteArray head = lines.isEmpty() ? QByteArray() : lines.takeFirst().trimmed();
    const QList<QByteArray> headParts = head.split(' ');
    bool versionOk = false;
    const int version = headParts.size() == 2 ? headParts[1].toInt(&versionOk) : 0;
    if (headParts.size() != 2 || headParts[0] != kMagic || !versionOk) {
        *error = "the words item does not begin with \"varnel-words 1\"";
        return false;
    }
    if (version != kVersion) {
        *error = QString("the words item is of version %1, which this Varnel cannot read").arg(version);
        return false;
    }
    AyaWords read;
    for (int n = 0; n < lines.size(); ++n) {
        QByteArray line = lines[n];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        if (read.size() >= size_t(kMostWords)) {
            *error = QString("the words item holds more than %1 words").arg(kMostWords);
            return false;
        }
        AyaWord word;
        QString problem;
        if (!ReadWord(line, &word, &problem)) {
            *error = QString("line %1 of the words item %2").arg(n + 2).arg(problem);
            return false;
        }
        read.push_back(word);
    }
    *words = std::move(read);
    return true;
}

QByteArray FormatAyaWords(const AyaWords& words)
{
    QByteArray out = kMagic + ' ' + QByteArray::number(kVersion) + '\n';
    for (const AyaWord& w : words) {
        QString text = w.text;
        text.replace('\t', ' ').replace('\n', ' ').replace('\r', ' ');
        out += text.toUtf8() + '\t';
        out += QByteArray::number(w.box.x()) + ' ' + QByteArray::number(w.box.y()) + ' ' +
               QByteArray::number(w.box.width()) + ' ' + QByteArray::number(w.box.height()) + '\t';
        if (w.Timed())
            out += QByteArray::number(w.startMs) + ' ' + QByteArray::number(w.endMs);
        else
            out += "- -";
        out += '\t' + QByteArray(TimingName(w.timing)) + '\n';
    }
    return out;
}

int WordAt(const AyaWords& words, int ms)
{
    int found = -1;
    for (size_t i = 0; i < words.size(); ++i) {
        const AyaWord& w = words[i];
        if (!w.Timed())
            continue;
        if (ms >= w.startMs)
            found = int(i);
        else
            break;
    }
    if (found >= 0) {
        // Past the last word's end nothing is heard; between two words the earlier one stays marked.
        const bool last =
            std::none_of(words.begin() + found + 1, words.end(), [](const AyaWord& w) { return w.Timed(); });
        if (last && ms >= words[size_t(found)].endMs)
            return -1;
    }
    return found;
}

bool AllTimed(const AyaWords& words)
{
    return !words.empty() &&
           std::all_of(words.begin(), words.end(), [](const AyaWord& w) { return w.Timed(); });
}

std::vector<int> WordsIn(const AyaWords& words, int startMs, int endMs)
{
    std::vector<int> held;
    int most = -1, mostOverlap = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        const AyaWord& w = words[i];
        if (!w.Timed())
            continue;
        const int overlap = std::min(endMs, w.endMs) - std::max(startMs, w.startMs);
        if (overlap <= 0)
            continue;
        if (2 * overlap >= w.endMs - w.startMs)
            held.push_back(int(i));
        if (overlap > mostOverlap)
            most = int(i), mostOverlap = overlap;
    }
    if (held.empty() && most >= 0)
        held.push_back(most);
    return held;
}

int SnapToWordStart(const AyaWords& words, int ms)
{
    for (const AyaWord& w : words)
        if (w.Timed() && ms < w.endMs)
            return w.startMs;
    return ms;
}

int SnapToWordEnd(const AyaWords& words, int ms)
{
    for (auto w = words.rbegin(); w != words.rend(); ++w)
        if (w->Timed() && ms > w->startMs)
            return w->endMs;
    return ms;
}
