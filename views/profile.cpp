// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile.h"

#include "kelres.h"
#include "messages.h"
#include "profile_file.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

Profile::Profile(QWidget* parent, Qt::WindowFlags flags, const QString& profilesDir)
    : QDialog(parent, flags), profilesDir_(profilesDir)
{
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    auto* inner = new QVBoxLayout;
    outer->addLayout(inner, 1);

    auto* createRow = new QHBoxLayout;
    createRow->setSpacing(4);
    name_ = new QLineEdit(this);
    create_ = new QPushButton(IconFromResource("newuser.png"), QString(), this);
    createRow->addWidget(name_);
    createRow->addWidget(create_);
    inner->addLayout(createRow);

    list_ = new QListWidget(this);
    inner->addWidget(list_, 1);
    const QIcon userIcon(PixmapFromResource("users.png"));
    // Only files whose names the program itself writes: "X.VARN" or ".varn" could not be loaded.
    const QStringList files =
        QDir(profilesDir)
            .entryList(QStringList() << QString("*") + kProfileExtension, QDir::Files | QDir::CaseSensitive);
    QStringList names;
    for (const QString& file : files) {
        const std::string name = ProfileNameOfFile(file.toStdString());
        if (!name.empty())
            names << QString::fromStdString(name);
    }
    std::sort(names.begin(), names.end()); // exact character order: capitals first
    for (const QString& n : names) {
        new QListWidgetItem(userIcon, n, list_);
        existing_.push_back(n.toStdString());
    }

    auto* loadRow = new QHBoxLayout;
    loadRow->setContentsMargins(2, 2, 2, 2);
    loadRow->setSpacing(2);
    load_ = new QPushButton(IconFromResource("load.png"), QString(), this);
    loadRow->addWidget(load_);
    inner->addLayout(loadRow);
    outer->addSpacing(2);

    connect(list_, &QListWidget::itemDoubleClicked, this, qOverload<QListWidgetItem*>(&Profile::LoadProfile));
    connect(create_, &QPushButton::clicked, this, &Profile::NewProfile);
    connect(load_, &QPushButton::clicked, this, qOverload<>(&Profile::LoadProfile));
    connect(name_, &QLineEdit::returnPressed, this, &Profile::NewProfile);
    Retranslate();
}

void Profile::Retranslate()
{
    setWindowTitle(tr("Load or Create Profile"));
    name_->setAccessibleName(tr("New user name"));
    name_->setPlaceholderText(tr("Your name"));
    create_->setText(tr("Create New Profile"));
    name_->setMinimumHeight(create_->sizeHint().height());
    list_->setAccessibleName(tr("Profiles"));
    load_->setText(tr("Load Selected Profile"));
    load_->setMaximumWidth(std::max(140, load_->sizeHint().width()));
    load_->setMinimumHeight(name_->minimumHeight() + 10);
}

void Profile::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

void Profile::LoadProfile(QListWidgetItem* item)
{
    if (!item)
        return;
    emit UserName(item->text().toStdString());
    hide();
}

void Profile::LoadProfile()
{
    QListWidgetItem* item = list_->currentItem();
    const QString text = item ? item->text() : QString();
    if (text.isEmpty()) {
        ShowMessage("Varnel", tr("Please select an existing profile, or create a new one!"));
        return;
    }
    emit UserName(text.toStdString());
    hide();
}

void Profile::NewProfile()
{
    const std::string name = name_->text().toStdString();
    const std::string problem = ProfileNameProblem(name);
    if (!problem.empty()) {
        ShowMessage("Varnel", QString::fromStdString(problem).toHtmlEscaped());
        return;
    }
    // A name listed at start, created earlier in this run, or whose file is on disk now: a new profile
    // under it would replace the learner's heart and review, so it is offered for loading instead.
    const bool onDisk = QFileInfo::exists(profilesDir_ + "/" + QString::fromStdString(ProfileFileName(name)));
    if (onDisk || std::find(existing_.begin(), existing_.end(), name) != existing_.end()) {
        if (AskQuestion("Varnel", tr("Username already exists: a profile named %1 is kept already.")
                                          .arg(QString::fromStdString(name).toHtmlEscaped()) +
                                      "<br><br>" + tr("Do you want to load it?"))) {
            emit UserName(name);
            hide();
        }
        return;
    }
    existing_.push_back(name);
    emit NewUser(name);
    hide();
}
