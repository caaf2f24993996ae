// SPDX-License-Identifier: GPL-3.0-or-later
// Recitor > Installed Packs...: every pack file on disk, one row each, with the suras it covers, its size,
// where it lives (installed for everyone, or the learner's own) and its recitation, marked where it is
// the one chosen. From here the learner opens a pack's folder, or removes a recitation they imported,
// after saying yes.
#pragma once

#include <QDialog>

class PackRegistry;
class QPushButton;
class QTreeWidget;

class InstalledPacks : public QDialog
{
    Q_OBJECT
  public:
    InstalledPacks(const PackRegistry& packs, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }
    QPushButton* RemoveButton() const { return remove_; }
    // Lists what is on disk now.
    void Fill();

  public slots:
    void OpenFolder();
    void RemoveRecitation();

  signals:
    // A recitation's folder was removed.
    void Removed();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The dialog's words in the interface's language.
    void Retranslate();
    QPushButton *open_ = nullptr, *close_ = nullptr;
    // The selected row's recitation when the learner may remove it (an add-on in their own folder).
    QString RemovableRecitation() const;

    const PackRegistry& packs_;
    QTreeWidget* list_;
    QPushButton* remove_;
};
