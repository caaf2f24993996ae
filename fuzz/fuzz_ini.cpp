// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the readers of "recite.ini", "langs.ini" and "config.ini".
#include "device_setting.h"
#include "languages.h"
#include "pack_registry.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string root = "/tmp/varnel-fuzz-ini-" + std::to_string(getpid());
    static const bool made = QDir().mkpath(QString::fromStdString(root + "/quran/extra/R"));
    (void)made;
    for (const char* name : {"/recite.ini", "/langs.ini", "/config.ini"}) {
        QFile f(QString::fromStdString(root + name));
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    PackRegistry packs(root);
    for (const PackRecord& r : packs.ChosenRecords())
        // A path is only ever made of plain names under quran/.
        if (!r.path.empty() &&
            (r.path.find("/../") != std::string::npos || r.path.rfind(root + "/quran/", 0) != 0))
            std::abort();
    packs.LoadReciteIni();
    const LanguageList langs = ReadLanguages(root);
    if (langs.names.size() != langs.paths.size() + 1)
        std::abort();
    ReadDeviceNumber(root);
    return 0;
}
