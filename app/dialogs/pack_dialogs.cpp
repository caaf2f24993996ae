// SPDX-License-Identifier: GPL-3.0-or-later
#include "pack_dialogs.h"

#include "help_guide.h"
#include "import_dialog.h"
#include "installed_packs.h"
#include "messages.h"
#include "pack_registry.h"
#include "select_recitor.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

PackDialogs::PackDialogs(QWidget* window, PackRegistry& packs)
    : QObject(window), window_(window), packs_(packs)
{
}

PackDialogs::~PackDialogs() = default;

SelectRecitor* PackDialogs::Recitor()
{
    if (!recitor_) {
        recitor_ = std::make_unique<SelectRecitor>(packs_, nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
        recitor_->setModal(true);
        recitor_->resize(480, 240);
        connect(recitor_.get(), &SelectRecitor::ButtonOk, this, &PackDialogs::RecitorChosen);
    }
    return recitor_.get();
}

void PackDialogs::ShowRecitor() { Recitor()->show(); }

void PackDialogs::ForgetRecitor() { recitor_.reset(); }

void PackDialogs::ShowImport()
{
    if (!import_) {
        import_ = std::make_unique<ImportDialog>(QDir::currentPath(), window_);
        connect(import_.get(), &ImportDialog::Imported, this, &PackDialogs::Imported);
    }
    import_->ShowAnew();
}

void PackDialogs::ShowInstalled()
{
    if (!installed_) {
        installed_ = std::make_unique<InstalledPacks>(packs_, window_);
        connect(installed_.get(), &InstalledPacks::Removed, this, [this] {
            ForgetRecitor();
            emit PacksChanged();
        });
    }
    installed_->Fill();
    installed_->show();
}

void PackDialogs::Imported(const QString& recitation)
{
    std::string error;
    // A recitation just imported is the one the learner wants to hear.
    if (!recitation.isEmpty() && !packs_.ChooseRecitation(recitation.toStdString(), &error))
        ShowMessage("Varnel", QString::fromStdString(error).toHtmlEscaped());
    ForgetRecitor(); // it lists what is on disk now
    emit PacksChanged();
}

void PackDialogs::TellIfNone()
{
    if (!packs_.RegisteredNames().empty())
        return;
    const QString folder = QDir(QString::fromStdString(packs_.QuranDir())).absolutePath();
    ShowMessageWithAction("Varnel", NoPacksText(folder),
                          QCoreApplication::translate("PackDialogs", "Open Folder"), [folder] {
                              QDir().mkpath(folder);
                              QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
                          });
}

void PackDialogs::TellDamaged()
{
    for (const std::string& path : packs_.TakeDamaged())
        ShowMessage("Varnel",
                    QCoreApplication::translate(
                        "PackDialogs", "The sura pack %1 is damaged and cannot be read.<br><br>A healthy "
                                       "copy of it serves in its place where one is installed; otherwise "
                                       "its suras are left out until the file is replaced.")
                        .arg(QString::fromStdString(path).toHtmlEscaped()));
}
