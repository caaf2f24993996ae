// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_dialog.h"

#include "messages.h"
#include "pack_import.h"
#include "pack_registry.h"
#include "progress_bar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
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

// A path field with a Browse... button beside it, for a folder or a file.
QWidget* PathRow(QWidget* parent, QLineEdit** field, const QString& name, bool folder)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    *field = new QLineEdit(row);
    (*field)->setAccessibleName(name);
    auto* browse = new QPushButton(QObject::tr("Browse..."), row);
    browse->setAccessibleName(QObject::tr("Browse for %1").arg(name.toLower()));
    layout->addWidget(*field, 1);
    layout->addWidget(browse);
    QLineEdit* target = *field;
    QObject::connect(browse, &QPushButton::clicked, row, [row, target, name, folder] {
        // From what is typed, else from the learner's own folders (never the program's hidden one).
        const QString start = target->text().isEmpty() ? QDir::homePath() : target->text();
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
    setWindowTitle(QObject::tr("Import Recordings"));
    auto* layout = new QVBoxLayout(this);
    // As rich text: a wrapped plain-text label lets right-to-left lines that hold left-to-right words
    // (001001.mp3, MP3) run past its edge.
    auto* intro = new QLabel(this);
    intro->setTextFormat(Qt::RichText);
    intro->setText(
        "<p>" +
        QObject::tr("Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, "
                    "FLAC or WAV), become a recitation you can choose. Without an Arabic text they "
                    "join the packs you have, which show the pictures and the texts; with one (a "
                    "Tanzil file, \"sura|aya|text\" a line, or the quran-json package's folder) they "
                    "become sura packs of their own.")
            .toHtmlEscaped() +
        "</p>");
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    form->addRow(QObject::tr("Recordings folder:"),
                 PathRow(this, &f_.audio, QObject::tr("Recordings folder"), true));
    form->addRow(QObject::tr("Arabic text:"),
                 PathRow(this, &f_.text, QObject::tr("Arabic text (optional)"), false));
    form->addRow(QObject::tr("Translation:"),
                 PathRow(this, &f_.translation, QObject::tr("Translation (optional)"), false));
    form->addRow(QObject::tr("Transliteration:"),
                 PathRow(this, &f_.transliteration, QObject::tr("Transliteration (optional)"), false));
    f_.recitation = new QLineEdit(this);
    f_.recitation->setAccessibleName(QObject::tr("Recitation name"));
    f_.recitation->setPlaceholderText(QObject::tr("optional: a name keeps it beside the packs you have"));
    form->addRow(QObject::tr("Recitation name:"), f_.recitation);
    f_.ogg = new QCheckBox(QObject::tr("Re-encode the recordings as Ogg Vorbis"), this);
    form->addRow("", f_.ogg);
    layout->addLayout(form);
    f_.progress = new ProgressBar(this);
    f_.progress->setAccessibleName(QObject::tr("Import progress"));
    f_.progress->setValue(0);
    layout->addWidget(f_.progress);
    auto* buttons = new QHBoxLayout;
    f_.import = new QPushButton(QObject::tr("Import"), this);
    f_.import->setDefault(true);
    f_.cancel = new QPushButton(QObject::tr("Close"), this);
    buttons->addStretch(1);
    buttons->addWidget(f_.import);
    buttons->addWidget(f_.cancel);
    layout->addLayout(buttons);
    connect(f_.import, &QPushButton::clicked, this, &ImportDialog::Start);
    connect(f_.cancel, &QPushButton::clicked, this, &ImportDialog::CancelOrClose);
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
        ShowMessage(QObject::tr("Import Recordings"),
                    QObject::tr("Choose the folder of your recordings first."));
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
        ShowMessage(
            QObject::tr("Import Recordings"),
            QObject::tr("A recitation's name is one word, without / or spaces, and neither \"default\" "
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
        ShowMessage(QObject::tr("Import Recordings"),
                    QObject::tr("There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.")
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
    f_.cancel->setText(QObject::tr("Cancel"));
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
    f_.cancel->setText(QObject::tr("Close"));
    if (result == import::kCancelled) {
        f_.progress->setValue(0);
        ShowMessage(QObject::tr("Import Recordings"),
                    QObject::tr("The import was cancelled; nothing of it was kept."));
        return;
    }
    if (result != 0) {
        QStringList problems;
        for (const std::string& problem : report.problems)
            problems << QString::fromStdString(problem).toHtmlEscaped();
        ShowMessage(QObject::tr("Import Recordings"),
                    QObject::tr("The recordings could not be imported:") + "<br>" + problems.join("<br>"));
        return;
    }
    f_.progress->setValue(f_.progress->maximum());
    if (!report.written.empty())
        emit Imported(QString::fromStdString(report.recitation));
    ShowMessage(QObject::tr("Import Recordings"),
                !report.written.empty()
                    ? QObject::tr("Your recordings are imported and ready to play.")
                    : QObject::tr("These packs were there already and are kept as they are."));
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
