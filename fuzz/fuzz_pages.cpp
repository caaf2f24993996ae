// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the review record by page: whatever it reads is graded, written and read
// back with as many items, each a page of the mushaf.
#include "review_book.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ReviewBook book(ReviewBook::Unit::Page);
    std::string problem;
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!book.Parse(text, &problem)) {
        if (problem.empty() || !book.Items().empty())
            std::abort();
        return 0;
    }
    if (book.Items().size() > size / 8 + 1)
        std::abort();
    const QDate today(2026, 12, 7);
    for (size_t i = 0; i < book.Items().size() && i < 8; ++i)
        book.Grade(int(i), fsrs::Grade(1 + int(i % 4)), today);
    ReviewBook again(ReviewBook::Unit::Page);
    if (!again.Parse(book.Serialize(), &problem) || again.Items().size() != book.Items().size())
        std::abort();
    book.Due(today);
    book.Upcoming(today, 7);
    return 0;
}
