// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

#include "file_write.h"
#include "pack_registry.h"

#include <QFileInfo>
#include <algorithm>
#include <fstream>

LanguageList ReadLanguages(const std::string& ownRoot, const std::string& shared)
{
    LanguageList list;
    list.names.push_back("English");
    const std::string root =
        IsReadableRegularFile(ownRoot + "/langs.ini") || shared.empty() ? ownRoot : shared;
    if (!IsReadableRegularFile(root + "/langs.ini"))
        return list;
    std::ifstream in(root + "/langs.ini");
    std::string file, display;
    for (int line = 1; in >> file >> display; ++line) {
        std::replace(display.begin(), display.end(), '.', ' ');
        const std::string path = root + "/quran/lang/" + file;
        list.paths.push_back(path);
        list.names.push_back(display);
        const QFileInfo info(QString::fromStdString(path));
        if (PackRegistry::IsPlainName(file) && info.exists() && info.isFile())
            list.installed.push_back(line);
    }
    return list;
}
