// SPDX-License-Identifier: GPL-3.0-or-later
#include "select_recitor.h"

#include "messages.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

QWidget* Row(QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    row->setMinimumWidth(440);
    return row;
}

QString HeaderText(const QString& text)
{
    return QString("<p align=\"center\"><font color=\"#ffffff\"><b>") + text + "</b></font></p>";
}

QLabel* HeaderLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(102, 153, 0));
    label->setPalette(palette);
    return label;
}

} // namespace

SelectRecitor::SelectRecitor(const PackRegistry& packs, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), packs_(packs)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setBackgroundRole(backgroundRole());
    auto* list = new QWidget(scroll);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->setSpacing(4);

    for (const PackRecord& r : packs_.Scan(false)) {
        if (!locations_.count(r.name))
            rows_.emplace_back(r.name, r.location);
        locations_[r.name].push_back(r.location);
    }
    std::map<std::string, std::string> chosen;
    for (const auto& [name, location] : packs_.ReadReciteIni())
        chosen[name] = location;
    for (const auto& row : rows_) {
        const std::string& name = row.first;
        std::string& choice = chosen[name];
        const std::string first = locations_[name].front();
        if (choice.empty())
            choice = first;
        else if (choice == PackRegistry::kDefaultLocation) {
            if (!QFileInfo::exists(QString::fromStdString(packs_.DefaultPath(name))))
                choice = first;
        } else if (!PackRegistry::IsPlainName(choice) ||
                   !QFileInfo(QString::fromStdString(packs_.RecitationDir(choice))).isDir()) {
            choice = first;
        }
    }

    QWidget* header = Row(list);
    addonHeader_ = HeaderLabel(header);
    recitorHeader_ = HeaderLabel(header);
    header->layout()->addWidget(addonHeader_);
    header->layout()->addWidget(recitorHeader_);
    listLayout->addWidget(header);
    for (const auto& row : rows_) {
        const std::string& name = row.first;
        QWidget* line = Row(list);
        auto* label = new QLabel(QString("<p align=\"center\"><b>") +
                                     QString::fromStdString(name).toHtmlEscaped() + "</b></p>",
                                 line);
        auto* combo = new QComboBox(line);
        for (const std::string& location : locations_[name])
            combo->addItem(QString::fromStdString(location), QString::fromStdString(location));
        combo->setCurrentIndex(std::max(0, combo->findData(QString::fromStdString(chosen[name]))));
        label->setBuddy(combo);
        line->layout()->addWidget(label);
        line->layout()->addWidget(combo);
        listLayout->addWidget(line);
        choosers_.push_back(combo);
    }
    listLayout->addStretch();
    scroll->setWidget(list);
    layout->addWidget(scroll, 1);

    auto* buttons = new QWidget(this);
    auto* buttonLayout = new QHBoxLayout(buttons);
    buttonLayout->setContentsMargins(2, 2, 2, 2);
    buttonLayout->setSpacing(4);
    ok_ = new QPushButton(buttons);
    cancel_ = new QPushButton(buttons);
    ok_->setDefault(true);
    buttonLayout->addWidget(ok_);
    buttonLayout->addWidget(cancel_);
    layout->addWidget(buttons);
    connect(ok_, &QPushButton::clicked, this, &SelectRecitor::OkClicked);
    connect(cancel_, &QPushButton::clicked, this, &SelectRecitor::CancelClicked);
    Retranslate();
}

void SelectRecitor::Retranslate()
{
    setWindowTitle(tr("Recitor Preferences"));
    addonHeader_->setText(HeaderText(tr("Varn Addon")));
    recitorHeader_->setText(HeaderText(tr("Recitor")));
    // The pack's own recitation reads "default" in the learner's language; an add-on by its folder's name.
    for (size_t i = 0; i < rows_.size(); ++i) {
        QComboBox* combo = choosers_[i];
        combo->setAccessibleName(tr("Recitation of %1").arg(QString::fromStdString(rows_[i].first)));
        for (int k = 0; k < combo->count(); ++k)
            if (combo->itemData(k).toString() == QLatin1String(PackRegistry::kDefaultLocation))
                combo->setItemText(k, tr("default"));
    }
    ok_->setText(tr("OK"));
    cancel_->setText(tr("Cancel"));
}

void SelectRecitor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

void SelectRecitor::OkClicked()
{
    std::vector<ReciteChoice> choices;
    for (size_t i = 0; i < rows_.size(); ++i)
        choices.emplace_back(rows_[i].first, choosers_[i]->currentData().toString().toStdString());
    std::string error;
    if (!packs_.WriteReciteIni(choices, &error)) {
        ShowMessage("Varnel", QString::fromStdString(error).toHtmlEscaped());
        return;
    }
    emit ButtonOk();
    hide();
}

void SelectRecitor::CancelClicked() { hide(); }
