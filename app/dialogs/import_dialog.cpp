// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_dialog.h"

#include "messages.h"
#include "pack_import.h"
#include "pack_registry.h"
#include "progress_bar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <memory>

namespace
{

// A path field with a Browse... button beside it, for a folder or a file; the field's accessible name
// titles the file dialog.
QWidget* PathRow(QWidget* parent, QLineEdit** field, QPushButton** browse, bool folder)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    *field = new QLineEdit(row);
    *browse = new QPushButton(row);
    layout->addWidget(*field, 1);
    layout->addWidget(*browse);
    QLineEdit* target = *field;
    QObject::connect(*browse, &QPushButton::clicked, row, [row, target, folder] {
        // From what is typed, else from the learner's own folders (never the program's hidden one).
        const QString start = target->text().isEmpty() ? QDir::homePath() : target->text();
        const QString name = target->accessibleName();
        const QString chosen = folder ? QFileDialog::getExistingDirectory(row, name, start)
                                      : QFileDialog::getOpenFileName(row, name, start);
        if (!chosen.isEmpty())
            target->setText(chosen);
    });
    return row;
}

} // namespace

ImportDialog::ImportDialog(QString folder, QWidget* parent) : QDialog(parent), folder_(std::move(folder))
{
    auto* layout = new QVBoxLayout(this);
    // As rich text: a wrapped plain-text label lets right-to-left lines that hold left-to-right words
    // (001001.mp3, MP3) run past its edge.
    intro_ = new QLabel(this);
    intro_->setTextFormat(Qt::RichText);
    intro_->setWordWrap(true);
    layout->addWidget(intro_);
    auto* form = new QFormLayout;
    QLineEdit** fields[kPaths] = {&f_.audio, &f_.text, &f_.translation, &f_.transliteration};
    for (int i = 0; i < kPaths; ++i) {
        labels_[i] = new QLabel(this);
        form->addRow(labels_[i], PathRow(this, fields[i], &browse_[i], i == 0));
    }
    f_.recitation = new QLineEdit(this);
    labels_[kPaths] = new QLabel(this);
    form->addRow(labels_[kPaths], f_.recitation);
    f_.ogg = new QCheckBox(this);
    form->addRow("", f_.ogg);
    layout->addLayout(form);
    f_.progress = new ProgressBar(this);
    f_.progress->setValue(0);
    layout->addWidget(f_.progress);
    auto* buttons = new QHBoxLayout;
    f_.import = new QPushButton(this);
    f_.import->setDefault(true);
    f_.cancel = new QPushButton(this);
    buttons->addStretch(1);
    buttons->addWidget(f_.import);
    buttons->addWidget(f_.cancel);
    layout->addLayout(buttons);
    connect(f_.import, &QPushButton::clicked, this, &ImportDialog::Start);
    connect(f_.cancel, &QPushButton::clicked, this, &ImportDialog::CancelOrClose);
    Retranslate();
}

void ImportDialog::Retranslate()
{
    setWindowTitle(tr("Import Recordings"));
    intro_->setText("<p>" +
                    tr("Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, "
                       "FLAC or WAV), become a recitation you can choose. Without an Arabic text they "
                       "join the packs you have, which show the pictures and the texts; with one (a "
                       "Tanzil file, \"sura|aya|text\" a line, or the quran-json package's folder) they "
                       "become sura packs of their own.")
                        .toHtmlEscaped() +
                    "</p>");
    QLineEdit* fields[kPaths] = {f_.audio, f_.text, f_.translation, f_.transliteration};
    const QString labels[kPaths] = {tr("Recordings folder:"), tr("Arabic text:"), tr("Translation:"),
                                    tr("Transliteration:")};
    const QString names[kPaths] = {tr("Recordings folder"), tr("Arabic text (optional)"),
                                   tr("Translation (optional)"), tr("Transliteration (optional)")};
    for (int i = 0; i < kPaths; ++i) {
        labels_[i]->setText(labels[i]);
        fields[i]->setAccessibleName(names[i]);
        browse_[i]->setText(tr("Browse..."));
        browse_[i]->setAccessibleName(tr("Browse for %1").arg(names[i].toLower()));
    }
    labels_[kPaths]->setText(tr("Recitation name:"));
    f_.recitation->setAccessibleName(tr("Recitation name"));
    f_.recitation->setPlaceholderText(tr("optional: a name keeps it beside the packs you have"));
    f_.ogg->setText(tr("Re-encode the recordings as Ogg Vorbis"));
    f_.progress->setAccessibleName(tr("Import progress"));
    f_.import->setText(tr("Import"));
    f_.cancel->setText(Running() ? tr("Cancel") : tr("Close"));
}

void ImportDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

ImportDialog::~ImportDialog()
{
    cancel_ = true;
    Join();
}

void ImportDialog::ShowAnew()
{
    if (!Running())
        f_.progress->setValue(0);
    show();
    raise();
}

void ImportDialog::Join()
{
    if (worker_.joinable())
        worker_.join();
}

void ImportDialog::Start()
{
    if (Running())
        return;
    if (f_.audio->text().isEmpty()) {
        ShowMessage(tr("Import Recordings"), tr("Choose the folder of your recordings first."));
        return;
    }
    import::Options o;
    o.audio = f_.audio->text();
    o.text = f_.text->text();
    o.translation = f_.translation->text();
    o.transliteration = f_.transliteration->text();
    o.recitation = f_.recitation->text().trimmed();
    // The name is a folder's, and recite.ini separates its words by spaces.
    if (!o.recitation.isEmpty() && (!PackRegistry::IsRecitationName(o.recitation.toStdString()) ||
                                    o.recitation.contains(QRegularExpression("\\s")))) {
        ShowMessage(tr("Import Recordings"),
                    tr("A recitation's name is one word, without / or spaces, and neither \"default\" "
                       "nor \"lang\": \"%1\" cannot be one.")
                        .arg(o.recitation.toHtmlEscaped()));
        return;
    }
    o.ogg = f_.ogg->isChecked();
    o.out = folder_;
    // Without a text, the recordings join the packs installed as a recitation of their own, which takes
    // the pictures and the texts from them.
    if (o.text.isEmpty()) {
        o.soundOnly = true;
        if (o.recitation.isEmpty())
            o.recitation = "MyRecordings";
    }
    // The suras recorded, and no others: a learner imports what they have.
    const std::map<std::string, QString> recordings = import::FindRecordings(o.audio);
    if (recordings.empty()) {
        ShowMessage(tr("Import Recordings"),
                    tr("There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.")
                        .arg(o.audio.toHtmlEscaped()));
        return;
    }
    o.first = std::stoi(recordings.begin()->first.substr(0, 3));
    o.last = std::stoi(recordings.rbegin()->first.substr(0, 3));
    cancel_ = false;
    o.progress = [this](size_t done, size_t total) {
        QMetaObject::invokeMethod(
            this,
            [this, done, total] {
                f_.progress->setMaximum(int(total));
                f_.progress->setValue(int(done));
            },
            Qt::QueuedConnection);
        return !cancel_;
    };
    f_.import->setEnabled(false);
    f_.cancel->setText(tr("Cancel"));
    f_.progress->setValue(0);
    worker_ = std::thread([this, o] {
        auto report = std::make_shared<import::Report>();
        const int result = import::Run(o, report.get());
        QMetaObject::invokeMethod(
            this, [this, result, report] { Finished(result, *report); }, Qt::QueuedConnection);
    });
}

void ImportDialog::Finished(int result, const import::Report& report)
{
    Join();
    f_.import->setEnabled(true);
    f_.cancel->setText(tr("Close"));
    if (result == import::kCancelled) {
        f_.progress->setValue(0);
        ShowMessage(tr("Import Recordings"), tr("The import was cancelled; nothing of it was kept."));
        return;
    }
    if (result != 0) {
        QStringList problems;
        for (const std::string& problem : report.problems)
            problems << QString::fromStdString(problem).toHtmlEscaped();
        ShowMessage(tr("Import Recordings"),
                    tr("The recordings could not be imported:") + "<br>" + problems.join("<br>"));
        return;
    }
    f_.progress->setValue(f_.progress->maximum());
    if (!report.written.empty())
        emit Imported(QString::fromStdString(report.recitation));
    ShowMessage(tr("Import Recordings"),
                !report.written.empty() ? tr("Your recordings are imported and ready to play.")
                                        : tr("These packs were there already and are kept as they are."));
    hide();
}

void ImportDialog::CancelOrClose()
{
    if (Running())
        cancel_ = true;
    else
        hide();
}

void ImportDialog::closeEvent(QCloseEvent* event)
{
    if (Running()) {
        cancel_ = true;
        event->ignore(); // it closes once the import has stopped
        return;
    }
    QDialog::closeEvent(event);
}
