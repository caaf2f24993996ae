// SPDX-License-Identifier: GPL-3.0-or-later
// The aya display, the Language menu, About and Help.
#include "arabic.h"
#include "aya.h"
#include "aya_text.h"
#include "central_area.h"
#include "draglabel.h"
#include "help_guide.h"
#include "id_menu.h"
#include "interface_language.h"
#include "messages.h"
#include "naming.h"
#include "page_look.h"
#include "recitation_session.h"
#include "side_panels.h"
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
        ShowMessage("Varnel",
                    tr("The picture of aya %1 is too large to show: %2 MB, where at most %3 MB are shown.")
                        .arg(QString::fromStdString(key).toHtmlEscaped())
                        .arg(pack.ItemSize(pictureName_) >> 20)
                        .arg(KelRes::kMaxPictureBytes >> 20));
    centre_->ayaView->ShowPicture(image);
    centre_->ayaView->dragText = key;

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

    centre_->textPanel->setMaximumHeight(kTextPanelMaxHeight);
    aids_->ShowText(key, ComposeAyaText(parts));

    int sura = 0, aya = 0;
    if (SplitAyaKey(key, &sura, &aya)) {
        centre_->ayaSlider->setValue(session_->PositionOf(AyaRef{sura, aya}));
        session_->MarkShown(AyaRef{sura, aya});
        if (!session_->CurrentPassage().Empty() && sura != titledSura_)
            SetTitle(); // the title names the sura playing
    }
}

void Varn::ToggleEnglish(int which)
{
    if (which == 0) {
        showTranslation_ = !showTranslation_;
    } else if (which == 1) {
        showTransliteration_ = !showTransliteration_;
    }
    actions_->ShowTextToggles(showTranslation_, showTransliteration_);
    if (!showTranslation_ && !showTransliteration_) {
        centre_->textPanel->hide();
        return;
    }
    centre_->textPanel->show();
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
    centre_->title->setText("<font name=\"arial\"><b>" + lead + sura + "</b></font>");
    // The passage's title drags it to the heart.
    centre_->title->dragText = passage.Serialize();
    centre_->title->setCursor(passage.Empty() ? Qt::ArrowCursor : Qt::OpenHandCursor);
    centre_->title->setToolTip(passage.Empty() ? QString() : tr("Drag this passage to your heart"));
}

void Varn::SeePic(const std::string& path)
{
    const QImage image(QString::fromStdString(path));
    centre_->ayaView->setPixmap(
        QPixmap::fromImage(image.scaled(width(), height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    show();
}

void Varn::FillLanguageMenu()
{
    languages_ = ReadLanguages(".", packs_.SharedRoot());
    for (int line : languages_.installed)
        actions_->language->InsertItem(QIcon(), QString::fromLatin1(languages_.names[size_t(line)].c_str()),
                                       line);
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
    actions_->CheckLanguage(id);
    // The aya on screen shows its translation in the language chosen at once.
    if (!currentKey_.empty())
        SetArabic(currentKey_);
}

void Varn::About() { ShowAbout(PixmapFromResource("quran.png")); }

void Varn::Help() { ShowHelp(guide_); }
