// SPDX-License-Identifier: GPL-3.0-or-later
// SelectRecitor is the dialog in which the learner chooses, for every installed pack file, which copy
// is used: the default one in quran/ or one of an add-on recitation in quran/extra/<NAME>/. OK writes
// the choices to "recite.ini" and emits ButtonOk().
#pragma once

#include "pack_registry.h"

#include <QDialog>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

class SelectRecitor : public QDialog
{
    Q_OBJECT
  public:
    // Scans the disk once, with the same scan the registry uses, and reads "recite.ini".
    explicit SelectRecitor(const PackRegistry& packs, QWidget* parent = nullptr,
                           Qt::WindowFlags flags = Qt::Dialog | Qt::WindowStaysOnTopHint);

    const std::vector<std::pair<std::string, std::string>>& Rows() const { return rows_; }
    const std::map<std::string, std::vector<std::string>>& Locations() const { return locations_; }
    const std::vector<QComboBox*>& Choosers() const { return choosers_; }

  public slots:
    void OkClicked();
    void CancelClicked();

  signals:
    void ButtonOk();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The dialog's words in the interface's language.
    void Retranslate();

    const PackRegistry& packs_;
    QLabel *addonHeader_ = nullptr, *recitorHeader_ = nullptr;
    QPushButton *ok_ = nullptr, *cancel_ = nullptr;
    std::vector<std::pair<std::string, std::string>> rows_; // file name, first location found
    std::map<std::string, std::vector<std::string>> locations_;
    std::vector<QComboBox*> choosers_;
};
