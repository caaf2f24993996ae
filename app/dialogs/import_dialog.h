// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import Recordings...: the learner's own recordings made into sura packs, as varnel-pack import
// makes them, from inside the program. The import runs on a thread of its own while a progress bar moves
// and the window stays live; Cancel stops it and leaves nothing of it behind. Its problems are shown as
// messages; when packs were written, Imported() tells the window to take them in at once.
#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <thread>

namespace import
{
struct Report;
}

class QCheckBox;
class QLineEdit;
class QLabel;
class QProgressBar;
class QPushButton;

class ImportDialog : public QDialog
{
    Q_OBJECT
  public:
    // Packs go to folder's quran/ (a named recitation to quran/extra/NAME/).
    explicit ImportDialog(QString folder, QWidget* parent = nullptr);
    ~ImportDialog() override;

    struct Fields {
        QLineEdit *audio, *text, *translation, *transliteration, *recitation;
        QCheckBox* ogg;
        QProgressBar* progress;
        QPushButton *import, *cancel;
    };
    const Fields& F() const { return f_; }
    bool Running() const { return worker_.joinable(); }
    // Shows the dialog; unless an import runs, its bar starts empty, not at the last import's end.
    void ShowAnew();

  public slots:
    void Start();
    // Cancels a running import, or closes the dialog.
    void CancelOrClose();

  signals:
    // Packs were written; recitation is the add-on's name, empty for the default recitation.
    void Imported(const QString& recitation);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The dialog's words in the interface's language.
    void Retranslate();
    static constexpr int kPaths = 4; // the recordings, the Arabic text, the translation, the transliteration

    void Finished(int result, const import::Report& report);
    void Join();

    QString folder_;
    Fields f_{};
    QLabel* intro_ = nullptr;
    QLabel* labels_[kPaths + 1] = {}; // and the recitation name's
    QPushButton* browse_[kPaths] = {};
    std::thread worker_;
    std::atomic<bool> cancel_{false};
};
