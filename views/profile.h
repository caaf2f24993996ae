// SPDX-License-Identifier: GPL-3.0-or-later
// Profile is the dialog in which the learner loads an existing profile (the files profiles/*.varn,
// listed when the dialog is built) or creates a new one.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class Profile : public QDialog
{
    Q_OBJECT
  public:
    // Lists the profiles in profilesDir.
    explicit Profile(QWidget* parent = nullptr,
                     Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint,
                     const QString& profilesDir = "profiles");

    QLineEdit* NameField() const { return name_; }
    QListWidget* List() const { return list_; }
    QPushButton* CreateButton() const { return create_; }
    QPushButton* LoadButton() const { return load_; }
    const std::vector<std::string>& ExistingNames() const { return existing_; }

  public slots:
    void LoadProfile(QListWidgetItem* item);
    void LoadProfile();
    void NewProfile();

  signals:
    void UserName(const std::string& name);
    void NewUser(const std::string& name);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The dialog's words in the interface's language.
    void Retranslate();
    QLineEdit* name_ = nullptr;
    QPushButton* create_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* load_ = nullptr;
    QString profilesDir_;
    std::vector<std::string> existing_; // listed at start, and created since
};
