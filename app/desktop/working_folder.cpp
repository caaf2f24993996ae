// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_folder.h"

#include "data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

bool EnterWorkingFolder(const QStringList& arguments, QString* error)
{
    QString folder;
    const int data = int(arguments.indexOf("--data"));
    if (data >= 0 && data + 1 < arguments.size())
        folder = arguments[data + 1];
    else if (QFileInfo(QDir::current().filePath("img.vnl")).isFile())
        return true;
    else
        folder = LearnerDataFolder();
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        *error =
            QCoreApplication::translate("WorkingFolder", "Varnel cannot use the folder \"%1\" for its files.")
                .arg(folder.toHtmlEscaped());
        return false;
    }
    const QString installed = InstalledImagesPath();
    if (!QFileInfo("img.vnl").isFile() && !installed.isEmpty())
        QFile::copy(installed, "img.vnl");
    return true;
}
