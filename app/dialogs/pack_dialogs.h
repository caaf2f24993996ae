// SPDX-License-Identifier: GPL-3.0-or-later
// The window's dialogs about packs: Recitor > Config Recitor, Recitor > Installed Packs... and
// File > Import Recordings.... After an import, or a recitation removed, the packs are taken in again
// at once and Config Recitor is made anew, so that it lists what is on disk now.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class ImportDialog;
class InstalledPacks;
class PackRegistry;
class QWidget;
class SelectRecitor;

class PackDialogs : public QObject
{
    Q_OBJECT
  public:
    PackDialogs(QWidget* window, PackRegistry& packs);
    ~PackDialogs() override;

    // The recitation chooser, built when first asked for and again after the packs on disk changed.
    SelectRecitor* Recitor();
    ImportDialog* Import() const { return import_.get(); }
    InstalledPacks* Installed() const { return installed_.get(); }

    // Names each damaged pack file the last registrations met, once a run, and what serves instead.
    void TellDamaged();
    // With no pack installed, says where packs go and offers to open that folder.
    void TellIfNone();

  public slots:
    void ShowRecitor();
    void ShowImport();
    void ShowInstalled();

  signals:
    // OK in Config Recitor: the choices are written.
    void RecitorChosen();
    // Packs came or went on disk; the window takes them in again.
    void PacksChanged();

  private:
    // The packs on disk changed: the chooser is built anew when next asked for.
    void ForgetRecitor();
    void Imported(const QString& recitation);

    QWidget* window_;
    PackRegistry& packs_;
    std::unique_ptr<SelectRecitor> recitor_;
    std::unique_ptr<ImportDialog> import_;
    std::unique_ptr<InstalledPacks> installed_;
};
