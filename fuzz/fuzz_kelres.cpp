// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the archive reader: Open, then Extract of every name and of a few others.
#include "kelres.h"

#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/varnel-fuzz-kelres-" + std::to_string(getpid()) + ".vnl";
    {
        QFile f(QString::fromStdString(path));
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    KelRes res;
    if (res.Open(path)) {
        qint64 total = 0;
        for (const auto& entry : res.Directory()) {
            const QByteArray bytes = res.Extract(entry.first);
            total += bytes.size();
            if (bytes.size() > qint64(size))
                std::abort(); // an item can never be larger than its archive
        }
        res.Extract("play.png");
        res.Extract("a/b\\c:play.png");
        KelRes copy = res;
        copy.Extract("");
        (void)total;
    }
    return 0;
}
