// SPDX-License-Identifier: GPL-3.0-or-later
#include "sidecar_file.h"

#include "file_write.h"
#include "profile_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>

std::string SidecarPath(const std::string& profilePath, const std::string& extension)
{
    const std::string profile = kProfileExtension;
    const bool varn = profilePath.size() > profile.size() &&
                      profilePath.compare(profilePath.size() - profile.size(), profile.size(), profile) == 0;
    return (varn ? profilePath.substr(0, profilePath.size() - profile.size()) : profilePath) + "." +
           extension;
}

SidecarText ReadSidecar(const std::string& path, qint64 maxBytes, const char* versionLine)
{
    SidecarText text;
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists() && !info.isSymLink())
        return text;
    text.status = SidecarText::Status::Damaged;
    if (!IsReadableRegularFile(path)) {
        text.problem = "it is not a file that can be read";
        return text;
    }
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        text.problem = file.errorString().toStdString();
        return text;
    }
    const qint64 size = file.size();
    // Checked before anything is read: a file larger than any learner's record is not read into memory.
    if (size > maxBytes) {
        text.problem = "it is larger than " + std::to_string(maxBytes >> 20) + " MB";
        return text;
    }
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() != size) {
        text.problem = "it could not be read whole (" + std::to_string(bytes.size()) + " of " +
                       std::to_string(size) + " bytes)";
        return text;
    }
    const qsizetype lineEnd = bytes.indexOf('\n');
    if (bytes.left(lineEnd < 0 ? bytes.size() : lineEnd).trimmed() != versionLine) {
        text.problem = "it does not start with \"" + std::string(versionLine) + "\"";
        return text;
    }
    text.status = SidecarText::Status::Ok;
    text.bytes = std::move(bytes);
    return text;
}

std::string DamageReport(const std::string& what, const std::string& path, const std::string& problem,
                         const std::string& consequence)
{
    const auto html = [](const std::string& s) {
        return QString::fromStdString(s).toHtmlEscaped().toStdString();
    };
    const std::string backup = KeepDamagedCopy(path);
    // what and consequence are English, marked for translation where they are written.
    const auto words = [](const std::string& english) {
        return QCoreApplication::translate("SidecarFile", english.c_str());
    };
    QString report =
        QCoreApplication::translate("SidecarFile", "%1 %2 could not be read: %3.")
            .arg(words(what), QString::fromStdString(html(path)), QString::fromStdString(html(problem)));
    if (!backup.empty())
        report += "<br><br>" + QCoreApplication::translate("SidecarFile", "It is kept as %1.")
                                   .arg(QString::fromStdString(html(backup)));
    return (report + "<br><br>" + words(consequence)).toStdString();
}
