// SPDX-License-Identifier: GPL-3.0-or-later
#include "config.h"

#include "device_setting.h"
#include "messages.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Config::Config(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    auto* layout = new QVBoxLayout(this);

    group_ = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group_);
    deviceLabel_ = new QLabel(group_);
    chooser_ = new QComboBox(group_);
    deviceLabel_->setBuddy(chooser_);
    groupLayout->addWidget(deviceLabel_);
    groupLayout->addWidget(chooser_);
    auto* testRow = new QHBoxLayout;
    testRow->setSpacing(4);
    play_ = new QPushButton(IconFromResource("play.png"), QString(), group_);
    stop_ = new QPushButton(IconFromResource("stop.png"), QString(), group_);
    testRow->addWidget(play_);
    testRow->addWidget(stop_);
    groupLayout->addLayout(testRow);
    inputLabel_ = new QLabel(group_);
    inputs_ = new QComboBox(group_);
    inputLabel_->setBuddy(inputs_);
    groupLayout->addWidget(inputLabel_);
    groupLayout->addWidget(inputs_);
    groupLayout->addStretch();
    layout->addWidget(group_);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    ok_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    ok_->setDefault(true);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &Config::OkClicked);
    connect(cancel_, &QPushButton::clicked, this, &Config::CancelClicked);
    connect(play_, &QPushButton::clicked, this, &Config::TestSound);
    connect(stop_, &QPushButton::clicked, this, &Config::StopSound);
    Retranslate();
}

void Config::Retranslate()
{
    setWindowTitle(tr("Varnel Preferences"));
    group_->setTitle(tr("Sound Settings"));
    deviceLabel_->setText(tr("Choose a sound device"));
    chooser_->setAccessibleName(tr("Sound device"));
    play_->setText(tr("Play Test Sound"));
    stop_->setText(tr("Stop Test Sound"));
    inputLabel_->setText(tr("Record my recitation from"));
    inputs_->setAccessibleName(tr("Microphone"));
    if (inputs_->count() > 0)
        inputs_->setItemText(0,
                             inputs_->count() == 1 ? tr("No microphone found") : tr("The system's default"));
    ok_->setText(tr("OK"));
    cancel_->setText(tr("Cancel"));
}

void Config::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

Config::~Config() = default;

void Config::PopulateDevices()
{
    chooser_->clear();
    for (const std::string& name : devices_)
        chooser_->addItem(QString::fromStdString(name));
    const int stored = ReadDeviceNumber();
    if (stored != -1)
        chosen_ = stored;
    if (chosen_ >= 0 && chosen_ < chooser_->count())
        chooser_->setCurrentIndex(chosen_);
}

void Config::SetInputs(const std::vector<std::string>& names, const QString& chosen)
{
    inputs_->clear();
    inputs_->addItem(QString(), QString());
    for (const std::string& name : names)
        inputs_->addItem(QString::fromStdString(name), QString::fromStdString(name));
    Retranslate();
    const int at = inputs_->findData(chosen);
    inputs_->setCurrentIndex(at >= 0 ? at : 0);
}

QString Config::ChosenInput() const { return inputs_->currentData().toString(); }

void Config::OkClicked()
{
    chosen_ = chooser_->currentIndex();
    emit TestSoundUnwanted();
    emit ButtonOk();
    std::string error;
    if (!WriteDeviceNumber(chosen_, ".", &error))
        ShowMessage("Varnel", tr("The sound device is in use now, but the choice could not be saved in "
                                 "\"config.ini\" for the next time:") +
                                  "<br>" + QString::fromStdString(error).toHtmlEscaped());
    hide();
}

void Config::CancelClicked()
{
    emit TestSoundUnwanted();
    hide();
}

void Config::TestSound() { emit TestSoundWanted(InterfaceArchive(), "bism.ogg", chooser_->currentIndex()); }

void Config::StopSound() { emit TestSoundUnwanted(); }
