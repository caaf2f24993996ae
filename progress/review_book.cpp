// SPDX-License-Identifier: GPL-3.0-or-later
#include "review_book.h"

#include "heart_data.h"
#include "naming.h"
#include "passage.h"
#include "sura.h"

#include <QList>
#include <algorithm>
#include <cmath>

namespace
{

QString DateText(const QDate& d) { return d.isValid() ? d.toString(Qt::ISODate) : QString("-"); }

bool ReadDate(const QByteArray& text, QDate* out, bool mayBeEmpty)
{
    if (text == "-") {
        *out = QDate();
        return mayBeEmpty;
    }
    *out = QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
    return out->isValid() && text.size() == 10;
}

} // namespace

std::vector<std::array<int, 3>> ReviewBook::ItemsOf(const HeartData& heart, Unit unit)
{
    std::vector<std::array<int, 3>> items;
    if (unit == Unit::Page) {
        if (heart.Count() == 0)
            return items;
        for (int page = 1; page <= Passage::CountOf(PassageKind::Page); ++page) {
            const Passage passage = Passage::Make(PassageKind::Page, page);
            const std::vector<std::string> ayas = passage.Ayas();
            if (std::all_of(ayas.begin(), ayas.end(),
                            [&](const std::string& key) { return heart.Contains(key); }))
                items.push_back({passage.Segments().front().sura, passage.Segments().front().first, page});
        }
        return items;
    }
    for (int sura = 1; sura <= 114; ++sura) {
        const std::string key = PadSura(IntToString(sura));
        const int count = SuraTable().AyaCount(key);
        if (heart.CountOf(key) == 0)
            continue;
        const int part = count > kLongSura ? kPartLength : count;
        for (int first = 1; first <= count; first += part) {
            const int last = std::min(count, first + part - 1);
            bool held = true;
            for (int aya = first; aya <= last && held; ++aya)
                held = heart.Contains(AyaKey(key, aya));
            if (held)
                items.push_back({sura, first, last});
        }
    }
    return items;
}

int ReviewBook::Find(int sura, int first) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].sura == sura && items_[i].first == first)
            return int(i);
    return -1;
}

bool ReviewBook::WouldLoseItems(const std::vector<std::string>& ayas) const
{
    HeartData heart;
    for (const std::string& key : ayas)
        heart.Add(key);
    const auto kept = ItemsOf(heart, unit_);
    for (const ReviewItem& item : items_)
        if (std::find(kept.begin(), kept.end(), std::array<int, 3>{item.sura, item.first, item.last}) ==
            kept.end())
            return true;
    return false;
}

bool ReviewBook::Sync(const HeartData& heart, const QDate& today)
{
    const std::vector<std::array<int, 3>> wanted = ItemsOf(heart, unit_);
    std::set<std::array<int, 3>> keep(wanted.begin(), wanted.end());
    const size_t before = items_.size();
    items_.erase(std::remove_if(items_.begin(), items_.end(),
                                [&](const ReviewItem& i) {
                                    return !keep.count({i.sura, i.first, i.last});
                                }),
                 items_.end());
    bool changed = items_.size() != before;
    for (const auto& [sura, first, last] : wanted) {
        if (Find(sura, first) >= 0)
            continue;
        ReviewItem item;
        item.sura = sura;
        item.first = first;
        item.last = last;
        item.due = today.addDays(1); // learnt today: first recalled tomorrow
        items_.push_back(item);
        changed = true;
    }
    return changed;
}

std::vector<int> ReviewBook::Due(const QDate& today) const
{
    std::vector<int> due;
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].due <= today)
            due.push_back(int(i));
    std::stable_sort(due.begin(), due.end(),
                     [this](int a, int b) { return items_[size_t(a)].due < items_[size_t(b)].due; });
    return due;
}

std::vector<int> ReviewBook::Upcoming(const QDate& today, int days) const
{
    std::vector<int> load(size_t(std::max(days, 0)), 0);
    for (const ReviewItem& item : items_) {
        const qint64 in = today.daysTo(item.due);
        if (in >= 1 && in <= days)
            ++load[size_t(in - 1)];
    }
    return load;
}

double ReviewBook::Retention(const ReviewItem& item, const QDate& today) const
{
    if (!item.lastReview.isValid())
        return 1.0;
    return fsrs::Retrievability(double(item.lastReview.daysTo(today)), item.memory);
}

std::set<int> ReviewBook::DueSuras(const QDate& today) const
{
    std::set<int> suras;
    for (const ReviewItem& item : items_)
        if (item.due <= today) {
            if (unit_ == Unit::Page)
                for (int sura : Passage::Make(PassageKind::Page, item.last).Suras())
                    suras.insert(sura);
            else
                suras.insert(item.sura);
        }
    return suras;
}

bool ReviewBook::Grade(int index, fsrs::Grade grade, const QDate& today)
{
    if (index < 0 || size_t(index) >= items_.size())
        return false;
    ReviewItem& item = items_[size_t(index)];
    const double days = item.lastReview.isValid() ? double(item.lastReview.daysTo(today)) : 0.0;
    item.memory = fsrs::Review(item.memory, days, grade);
    item.lastReview = today;
    // The calendar ends with the year 9999: a due date beyond it is its last day.
    const QDate lastDay(9999, 12, 31);
    item.due = today.daysTo(lastDay) < fsrs::IntervalDays(item.memory)
                   ? lastDay
                   : today.addDays(fsrs::IntervalDays(item.memory));
    item.reviews.push_back(today);
    if (item.reviews.size() > kReviewsKept)
        item.reviews.erase(item.reviews.begin(), item.reviews.end() - long(kReviewsKept));
    return true;
}

std::map<QDate, int> ReviewBook::ReviewsPerDay(const QDate& from, const QDate& to) const
{
    std::map<QDate, int> days;
    for (const ReviewItem& item : items_)
        for (const QDate& d : item.reviews)
            if (d >= from && d <= to)
                ++days[d];
    return days;
}

int ReviewBook::Streak(const QDate& today) const
{
    const std::map<QDate, int> days = ReviewsPerDay(today.addDays(-3660), today);
    QDate day = days.count(today) ? today : today.addDays(-1);
    int streak = 0;
    while (days.count(day)) {
        ++streak;
        day = day.addDays(-1);
    }
    return streak;
}

QByteArray ReviewBook::Serialize() const
{
    QByteArray out = QByteArray(VersionLine()) + '\n';
    for (const ReviewItem& i : items_) {
        QStringList dates;
        for (const QDate& d : i.reviews)
            dates << DateText(d);
        out += QString("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\n")
                   .arg(i.sura)
                   .arg(i.first)
                   .arg(i.last)
                   .arg(DateText(i.due), DateText(i.lastReview))
                   .arg(i.memory.stability, 0, 'g', 10)
                   .arg(i.memory.difficulty, 0, 'g', 10)
                   .arg(dates.isEmpty() ? QString("-") : dates.join(','))
                   .toLatin1();
    }
    return out;
}

bool ReviewBook::Parse(const QByteArray& text, std::string* problem)
{
    items_.clear();
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines[0].trimmed() != VersionLine()) {
        *problem = "it does not start with \"" + std::string(VersionLine()) + "\"";
        return false;
    }
    std::vector<ReviewItem> items;
    for (int n = 1; n < lines.size(); ++n) {
        const QList<QByteArray> f = lines[n].trimmed().split('\t');
        ReviewItem i;
        bool ok = f.size() >= 7;
        if (ok) {
            bool a = false, b = false, c = false, s = false, d = false;
            i.sura = f[0].toInt(&a);
            i.first = f[1].toInt(&b);
            i.last = f[2].toInt(&c);
            i.memory.stability = f[5].toDouble(&s);
            i.memory.difficulty = f[6].toDouble(&d);
            const int count = SuraTable().AyaCount(std::to_string(i.sura));
            // A page is named by its first aya, and its number.
            const Passage page = Passage::Make(PassageKind::Page, i.last);
            const bool place = unit_ == Unit::Page
                                   ? !page.Empty() && page.Segments().front().sura == i.sura &&
                                         page.Segments().front().first == i.first
                                   : count > 0 && i.first >= 1 && i.first <= i.last && i.last <= count;
            ok = a && b && c && s && d && place && std::isfinite(i.memory.stability) &&
                 i.memory.stability >= 0 && i.memory.stability < 1e6 && std::isfinite(i.memory.difficulty) &&
                 ReadDate(f[3], &i.due, false) && ReadDate(f[4], &i.lastReview, true);
        }
        if (ok && f.size() >= 8 && f[7] != "-")
            for (const QByteArray& date : f[7].split(',')) {
                QDate d;
                ok = ok && ReadDate(date, &d, false);
                i.reviews.push_back(d);
            }
        if (!ok) {
            *problem = "line " + std::to_string(n + 1) + " is not a review item";
            return false;
        }
        if (i.reviews.size() > kReviewsKept)
            i.reviews.erase(i.reviews.begin(), i.reviews.end() - long(kReviewsKept));
        items.push_back(std::move(i));
    }
    items_ = std::move(items);
    return true;
}

std::vector<std::string> ReviewBook::Ayas(const ReviewItem& item) const
{
    if (unit_ == Unit::Page)
        return Passage::Make(PassageKind::Page, item.last).Ayas();
    std::vector<std::string> ayas;
    for (int aya = item.first; aya <= item.last; ++aya)
        ayas.push_back(AyaKey(PadSura(IntToString(item.sura)), aya));
    return ayas;
}

std::string ReviewPathFor(const std::string& profilePath)
{
    const std::string ext = ".varn";
    const bool varn = profilePath.size() > ext.size() &&
                      profilePath.compare(profilePath.size() - ext.size(), ext.size(), ext) == 0;
    return (varn ? profilePath.substr(0, profilePath.size() - ext.size()) : profilePath) + ".review";
}

QDate ReviewToday()
{
    const QDate forced = QDate::fromString(qEnvironmentVariable("VARNEL_TODAY"), Qt::ISODate);
    return forced.isValid() ? forced : QDate::currentDate();
}
