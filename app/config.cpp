// SPDX-License-Identifier: GPL-3.0-or-later
#include "config.h"

#include "device_setting.h"
#include "messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Config::Config(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setWindowTitle(tr("Varnel Preferences"));
    auto* layout = new QVBoxLayout(this);

    auto* group = new QGroupBox(QObject::tr("Sound Settings"), this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* label = new QLabel(QObject::tr("Choose a sound device"), group);
    chooser_ = new QComboBox(group);
    label->setBuddy(chooser_);
    chooser_->setAccessibleName(QObject::tr("Sound device"));
    groupLayout->addWidget(label);
    groupLayout->addWidget(chooser_);
    auto* testRow = new QHBoxLayout;
    testRow->setSpacing(4);
    auto* play = new QPushButton(IconFromResource("play.png"), tr("Play Test Sound"), group);
    auto* stop = new QPushButton(IconFromResource("stop.png"), tr("Stop Test Sound"), group);
    testRow->addWidget(play);
    testRow->addWidget(stop);
    groupLayout->addLayout(testRow);
    auto* inputLabel = new QLabel(QObject::tr("Record my recitation from"), group);
    inputs_ = new QComboBox(group);
    inputLabel->setBuddy(inputs_);
    inputs_->setAccessibleName(QObject::tr("Microphone"));
    groupLayout->addWidget(inputLabel);
    groupLayout->addWidget(inputs_);
    groupLayout->addStretch();
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    auto* ok = new QPushButton(QObject::tr("OK"), this);
    auto* cancel = new QPushButton(QObject::tr("Cancel"), this);
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &Config::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &Config::CancelClicked);
    connect(play, &QPushButton::clicked, this, &Config::TestSound);
    connect(stop, &QPushButton::clicked, this, &Config::StopSound);
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
    inputs_->addItem(names.empty() ? tr("No microphone found") : tr("The system's default"), QString());
    for (const std::string& name : names)
        inputs_->addItem(QString::fromStdString(name), QString::fromStdString(name));
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
        ShowMessage("Varnel",
                    QObject::tr("The sound device is in use now, but the choice could not be saved in "
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
