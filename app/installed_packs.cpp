// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed_packs.h"

#include "messages.h"
#include "pack_registry.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <map>

namespace
{
enum Column { Pack, Suras, Size, Where, Recitation, ColumnCount };
constexpr int kPathRole = Qt::UserRole;
constexpr int kLocationRole = Qt::UserRole + 1;
} // namespace

InstalledPacks::InstalledPacks(const PackRegistry& packs, QWidget* parent) : QDialog(parent), packs_(packs)
{
    setWindowTitle(QObject::tr("Installed Packs"));
    resize(640, 360);
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(ColumnCount);
    list_->setHeaderLabels({QObject::tr("Pack"), QObject::tr("Suras"), QObject::tr("Size"),
                            QObject::tr("Where"), QObject::tr("Recitation")});
    list_->setRootIsDecorated(false);
    list_->setAccessibleName(QObject::tr("Installed packs"));
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(QObject::tr("Open Folder"), this);
    remove_ = new QPushButton(QObject::tr("Remove Recitation..."), this);
    auto* close = new QPushButton(QObject::tr("Close"), this);
    buttons->addWidget(open);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(open, &QPushButton::clicked, this, &InstalledPacks::OpenFolder);
    connect(remove_, &QPushButton::clicked, this, &InstalledPacks::RemoveRecitation);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { remove_->setEnabled(!RemovableRecitation().isEmpty()); });
}

void InstalledPacks::Fill()
{
    list_->clear();
    const QLocale locale;
    for (const PackRecord& r : packs_.Scan(false)) {
        const auto range = PackRegistry::Table().find(r.name);
        if (range == PackRegistry::Table().end())
            continue;
        const QString path = QString::fromStdString(r.path);
        const bool isShared = packs_.IsShared(r.path);
        // The copy that serves now: the chosen one, unless it is damaged and another serves for it.
        const bool inUse = packs_.ServingPath(r.name) == r.path;
        const QString recitation = r.location == PackRegistry::kDefaultLocation
                                       ? QObject::tr("default")
                                       : QString::fromStdString(r.location);
        auto* item = new QTreeWidgetItem(list_);
        item->setText(Pack, QString::fromStdString(r.name));
        item->setText(Suras, range->second.first == range->second.last
                                 ? QString::number(range->second.first)
                                 : QString("%1-%2").arg(range->second.first).arg(range->second.last));
        item->setText(Size, locale.formattedDataSize(QFileInfo(path).size()));
        item->setText(Where, isShared ? QObject::tr("installed for everyone") : QObject::tr("yours"));
        item->setText(Recitation, recitation + (inUse ? QObject::tr(" (chosen)") : QString()));
        item->setData(Pack, kPathRole, path);
        item->setData(Pack, kLocationRole, QString::fromStdString(r.location));
        item->setToolTip(Pack, path);
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    remove_->setEnabled(!RemovableRecitation().isEmpty());
}

QString InstalledPacks::RemovableRecitation() const
{
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return {};
    return QString::fromStdString(packs_.RemovableRecitation(
        item->data(Pack, kLocationRole).toString().toStdString(), item->data(Pack, kPathRole).toString().toStdString()));
}

void InstalledPacks::OpenFolder()
{
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    const QString folder = QFileInfo(item->data(Pack, kPathRole).toString()).absolutePath();
    // Without a file manager nothing opens: the learner is told where the folder is.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        ShowMessage(
            QObject::tr("Installed Packs"),
            QObject::tr("No file manager could open the folder. It is:<br>%1").arg(folder.toHtmlEscaped()));
}

void InstalledPacks::RemoveRecitation()
{
    const QString recitation = RemovableRecitation();
    if (recitation.isEmpty())
        return;
    if (!AskQuestion(
            QObject::tr("Installed Packs"),
            QObject::tr("Remove the recitation \"%1\" and all its packs?").arg(recitation.toHtmlEscaped())))
        return;
    std::string error;
    if (!packs_.RemoveRecitation(recitation.toStdString(), &error))
        ShowMessage(QObject::tr("Installed Packs"),
                    QObject::tr("Some files of %1 could not be removed.")
                        .arg(QString::fromStdString(packs_.RecitationDir(recitation.toStdString())).toHtmlEscaped()));
    emit Removed();
    Fill();
}
