// SPDX-License-Identifier: GPL-3.0-or-later
// The aya display, the Language menu, About and Help.
#include "arabic.h"
#include "aya.h"
#include "aya_text.h"
#include "draglabel.h"
#include "help_guide.h"
#include "id_menu.h"
#include "interface_language.h"
#include "messages.h"
#include "naming.h"
#include "page_look.h"
#include "recitation_session.h"
#include "translation_fonts.h"
#include "varn.h"

#include <QImage>
#include <QLabel>
#include <QSlider>
#include <QTextBrowser>

namespace
{

constexpr int kTextPanelMaxHeight = 300;

std::string Bytes(const QByteArray& data) { return std::string(data.constData(), size_t(data.size())); }

} // namespace

void Varn::SetItemIcon(QAction* item, const char* picture)
{
    item->setIcon(IconFromResource(picture));
    item->setProperty(kIconNameProperty, picture);
}

void Varn::SetArabic(const std::string& key)
{
    pictureName_ = PictureName(key);
    translationName_ = TranslationName(key);
    transliterationName_ = TransliterationName(key);
    currentKey_ = key;
    // The pack that holds the aya shows it: a passage crosses suras and packs, and an add-on recitation
    // of some ayas leaves pictures and texts to the pack behind it.
    const KelRes* holding = packs_.PackHolding(pictureName_);
    const KelRes& pack = holding ? *holding : currentPack_;

    bool tooLarge = false;
    QImage image = QImage::fromData(pack.Extract(pictureName_, KelRes::kMaxPictureBytes, &tooLarge));
    if (tooLarge)
        ShowMessage(
            "Varnel",
            QObject::tr("The picture of aya %1 is too large to show: %2 MB, where at most %3 MB are shown.")
                .arg(QString::fromStdString(key).toHtmlEscaped())
                .arg(pack.ItemSize(pictureName_) >> 20)
                .arg(KelRes::kMaxPictureBytes >> 20));
    w_.ayaView->ShowPicture(image);
    w_.ayaView->dragText = key;

    AyaTextParts parts;
    parts.translation = Bytes((languagePackFlag_ ? languagePack_ : pack).Extract(translationName_));
    parts.transliteration = Bytes(pack.Extract(transliterationName_));
    parts.language = size_t(currentLanguage_) < languages_.names.size()
                         ? languages_.names[size_t(currentLanguage_)]
                         : languages_.names[0];
    parts.showTranslation = showTranslation_;
    parts.showTransliteration = showTransliteration_;
    parts.utf8 = languagePackFlag_;
    if (languagePackFlag_ && size_t(currentLanguage_ - 1) < languages_.paths.size())
        FitTranslationFont(&parts, languages_.paths[size_t(currentLanguage_ - 1)]);

    w_.textPanel->setMaximumHeight(kTextPanelMaxHeight);
    aids_->ShowText(key, ComposeAyaText(parts));

    int sura = 0, aya = 0;
    if (SplitAyaKey(key, &sura, &aya)) {
        w_.ayaSlider->setValue(session_->PositionOf(AyaRef{sura, aya}));
        session_->MarkShown(AyaRef{sura, aya});
        if (!session_->CurrentPassage().Empty() && sura != titledSura_)
            SetTitle(); // the title names the sura playing
    }
}

void Varn::ToggleEnglish(int which)
{
    if (which == 0) {
        showTranslation_ = !showTranslation_;
        if (QAction* item = w_.view->Item(0)) {
            item->setText(showTranslation_ ? QObject::tr("&Hide Translation")
                                           : QObject::tr("&Show Translation"));
            SetItemIcon(item, showTranslation_ ? "xmark.png" : "check.png");
        }
    } else if (which == 1) {
        showTransliteration_ = !showTransliteration_;
        if (QAction* item = w_.view->Item(1)) {
            item->setText(showTransliteration_ ? QObject::tr("&Hide Transliteration")
                                               : QObject::tr("&Show Transliteration"));
            SetItemIcon(item, showTransliteration_ ? "xmark.png" : "check.png");
        }
    }
    if (!showTranslation_ && !showTransliteration_) {
        w_.textPanel->hide();
        return;
    }
    w_.textPanel->show();
    SetArabic(session_->CurrentAya());
}

void Varn::SetTitle()
{
    titledSura_ = LeadingNumber(session_->SuraKey());
    const Passage& passage = session_->CurrentPassage();
    const QString sura = interface_language::WritesSuraNamesInArabic()
                             ? interface_language::SuraName(titledSura_, std::string()).toHtmlEscaped()
                             : interface_language::SuraTitle(session_->Cursor()->GetTitle()).toHtmlEscaped();
    const QString lead = passage.Empty() ? QString() : QString::fromStdString(passage.Title()) + " \u00b7 ";
    w_.title->setText("<font name=\"arial\"><b>" + lead + sura + "</b></font>");
    // The passage's title drags it to the heart.
    w_.title->dragText = passage.Serialize();
    w_.title->setCursor(passage.Empty() ? Qt::ArrowCursor : Qt::OpenHandCursor);
    w_.title->setToolTip(passage.Empty() ? QString() : "Drag this passage to your heart");
}

void Varn::SeePic(const std::string& path)
{
    const QImage image(QString::fromStdString(path));
    w_.ayaView->setPixmap(
        QPixmap::fromImage(image.scaled(width(), height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    show();
}

void Varn::FillLanguageMenu()
{
    languages_ = ReadLanguages(".", packs_.SharedRoot());
    for (int line : languages_.installed)
        w_.language->InsertItem(QIcon(), QString::fromLatin1(languages_.names[size_t(line)].c_str()), line);
}

void Varn::ChangeLang(int id)
{
    currentLanguage_ = id;
    if (id < 1) {
        languagePackFlag_ = false;
    } else {
        // A pack that cannot be opened leaves no items: its translations show empty, never the
        // previous language's text under this language's heading.
        languagePack_ = KelRes();
        if (size_t(id - 1) < languages_.paths.size())
            languagePack_.Open(languages_.paths[size_t(id - 1)]);
        languagePackFlag_ = true;
    }
    std::vector<int> ids{0};
    ids.insert(ids.end(), languages_.installed.begin(), languages_.installed.end());
    for (int k : ids) {
        QAction* item = w_.language->Item(k);
        if (!item || size_t(k) >= languages_.names.size())
            continue;
        SetItemIcon(item, k == id ? "check.png" : "check2.png");
        item->setText(QString::fromLatin1(languages_.names[size_t(k)].c_str()));
    }
    // The aya on screen shows its translation in the language chosen at once.
    if (!currentKey_.empty())
        SetArabic(currentKey_);
}

void Varn::About() { ShowAbout(Picture("quran.png")); }

void Varn::Help() { ShowHelp(guide_); }
