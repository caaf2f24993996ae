// SPDX-License-Identifier: GPL-3.0-or-later
#include "installed_packs.h"

#include "messages.h"
#include "pack_registry.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
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
    resize(640, 360);
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(ColumnCount);
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    open_ = new QPushButton(this);
    remove_ = new QPushButton(this);
    close_ = new QPushButton(this);
    buttons->addWidget(open_);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    layout->addLayout(buttons);
    connect(open_, &QPushButton::clicked, this, &InstalledPacks::OpenFolder);
    connect(remove_, &QPushButton::clicked, this, &InstalledPacks::RemoveRecitation);
    connect(close_, &QPushButton::clicked, this, &QDialog::hide);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { remove_->setEnabled(!RemovableRecitation().isEmpty()); });
    Retranslate();
}

void InstalledPacks::Retranslate()
{
    setWindowTitle(tr("Installed Packs"));
    list_->setHeaderLabels({tr("Pack"), tr("Suras"), tr("Size"), tr("Where"), tr("Recitation")});
    list_->setAccessibleName(tr("Installed packs"));
    open_->setText(tr("Open Folder"));
    remove_->setText(tr("Remove Recitation..."));
    close_->setText(tr("Close"));
}

void InstalledPacks::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        // The rows' words and sizes anew, the same row chosen.
        const int row = list_->currentIndex().row();
        if (list_->topLevelItemCount() > 0)
            Fill();
        if (row >= 0 && row < list_->topLevelItemCount())
            list_->setCurrentItem(list_->topLevelItem(row));
    }
    QDialog::changeEvent(event);
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
        const QString recitation =
            r.location == PackRegistry::kDefaultLocation ? tr("default") : QString::fromStdString(r.location);
        auto* item = new QTreeWidgetItem(list_);
        item->setText(Pack, QString::fromStdString(r.name));
        item->setText(Suras, range->second.first == range->second.last
                                 ? QString::number(range->second.first)
                                 : QString("%1-%2").arg(range->second.first).arg(range->second.last));
        item->setText(Size, locale.formattedDataSize(QFileInfo(path).size()));
        item->setText(Where, isShared ? tr("installed for everyone") : tr("yours"));
        item->setText(Recitation, recitation + (inUse ? tr(" (chosen)") : QString()));
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
    return QString::fromStdString(
        packs_.RemovableRecitation(item->data(Pack, kLocationRole).toString().toStdString(),
                                   item->data(Pack, kPathRole).toString().toStdString()));
}

void InstalledPacks::OpenFolder()
{
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    const QString folder = QFileInfo(item->data(Pack, kPathRole).toString()).absolutePath();
    // Without a file manager nothing opens: the learner is told where the folder is.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        ShowMessage(tr("Installed Packs"),
                    tr("No file manager could open the folder. It is:<br>%1").arg(folder.toHtmlEscaped()));
}

void InstalledPacks::RemoveRecitation()
{
    const QString recitation = RemovableRecitation();
    if (recitation.isEmpty())
        return;
    if (!AskQuestion(tr("Installed Packs"),
                     tr("Remove the recitation \"%1\" and all its packs?").arg(recitation.toHtmlEscaped())))
        return;
    std::string error;
    if (!packs_.RemoveRecitation(recitation.toStdString(), &error))
        ShowMessage(
            tr("Installed Packs"),
            tr("Some files of %1 could not be removed.")
                .arg(QString::fromStdString(packs_.RecitationDir(recitation.toStdString())).toHtmlEscaped()));
    emit Removed();
    Fill();
}
