// SPDX-License-Identifier: GPL-3.0-or-later
// Config is the sound settings dialog: the learner picks the output device, can play the test sound
// "bism.ogg" from img.vnl on it (the dialog asks for it by TestSoundWanted(); the session plays it), and
// confirms with OK, which stores the device's number in
// "config.ini" and emits ButtonOk(). Below it the learner picks the microphone their recitations are
// recorded from; the window keeps that choice in its own settings file.
#pragma once

#include "device_setting.h"
#include "kelres.h"

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QPushButton;

class Config : public QDialog
{
    Q_OBJECT
  public:
    explicit Config(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowStaysOnTopHint);
    ~Config() override;

    QComboBox* DeviceChooser() const { return chooser_; }
    const std::vector<std::string>& Devices() const { return devices_; }
    QComboBox* InputChooser() const { return inputs_; }
    // The microphones offered, the one chosen before first (empty: the system's default).
    void SetInputs(const std::vector<std::string>& names, const QString& chosen);
    // The microphone chosen at OK; empty: the system's default.
    QString ChosenInput() const;

  public slots:
    void SetDevices(const std::vector<std::string>& names) { devices_ = names; }
    void PopulateDevices();
    void OkClicked();
    void CancelClicked();
    void TestSound();
    void StopSound();
    int GetDevId() const { return chosen_; }

  signals:
    void ButtonOk();
    // Play the test sound, the item name of res, on the output device driver; or stop it.
    void TestSoundWanted(const KelRes& res, const std::string& name, int driver);
    void TestSoundUnwanted();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The dialog's words in the interface's language.
    void Retranslate();

    std::vector<std::string> devices_;
    QGroupBox* group_ = nullptr;
    QLabel *deviceLabel_ = nullptr, *inputLabel_ = nullptr;
    QPushButton *play_ = nullptr, *stop_ = nullptr, *ok_ = nullptr, *cancel_ = nullptr;
    QComboBox* chooser_ = nullptr;
    QComboBox* inputs_ = nullptr;
    int chosen_ = 0;
};
