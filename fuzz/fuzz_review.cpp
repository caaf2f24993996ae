// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the review record's reader, by sura and by page: whatever it reads must be
// graded, written and read back again with as many items.
#include "review_book.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{

void RoundTrip(const QByteArray& text, ReviewBook::Unit unit)
{
    ReviewBook book(unit);
    std::string problem;
    if (!book.Parse(text, &problem)) {
        if (problem.empty() || !book.Items().empty())
            std::abort();
        return;
    }
    if (book.Items().size() > size_t(text.size()) / 8 + 1)
        std::abort();
    const QDate today(2026, 12, 7);
    for (size_t i = 0; i < book.Items().size() && i < 8; ++i)
        book.Grade(int(i), fsrs::Grade(1 + int(i % 4)), today);
    ReviewBook again(unit);
    if (!again.Parse(book.Serialize(), &problem) || again.Items().size() != book.Items().size())
        std::abort();
    book.Due(today);
    book.Upcoming(today, 7);
    book.Streak(today);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    RoundTrip(text, ReviewBook::Unit::Sura);
    RoundTrip(text, ReviewBook::Unit::Page);
    return 0;
}
