// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString LearnerDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/varnel";
}

QString InstalledImagesPath()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("../share/varnel/img.vnl");
    return QFileInfo(path).isFile() ? QFileInfo(path).canonicalFilePath() : QString();
}

QString SharedDataFolder()
{
    const QDir shared(QDir(QCoreApplication::applicationDirPath()).filePath("../share/varnel"));
    return QFileInfo(shared.filePath("quran")).isDir() ? shared.canonicalPath() : QString();
}
