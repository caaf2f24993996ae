// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the profile reader.
#include "profile_file.h"

#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/varnel-fuzz-profile-" + std::to_string(getpid()) + ".varn";
    {
        QFile f(QString::fromStdString(path));
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ProfileData profile;
    std::string problem;
    const bool ok = ReadProfile(path, &profile, &problem);
    // Whatever was read is well formed: normalised keys, and no more of them than the file could hold.
    if (profile.heart.size() > size / 32 + 1)
        std::abort();
    for (const std::string& key : profile.heart)
        if (NormalAyaKey(key) != key)
            std::abort();
    if (ok && (profile.currentAya.empty() || !problem.empty()))
        std::abort();
    return 0;
}
