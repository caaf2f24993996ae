// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_guide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>

#include <iterator>

namespace
{

// The guide a block at a time, each translated on its own: a title, a heading, a paragraph, an item of a
// list, or a step of a numbered list. Items and steps next to each other make one list.
enum class Block { Title, Heading, Para, Item, Step };
struct GuideBlock {
    Block kind;
    const char* text;
};

const GuideBlock kGuide[] = {
    {Block::Title, QT_TRANSLATE_NOOP("Guide", "Varnel user guide")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide", "Varnel helps you learn suras by heart: you see each aya, hear it recited as often as you "
                  "like, and keep a record of what you know in your <b>heart</b>.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Getting started")},
    {Block::Step,
     QT_TRANSLATE_NOOP(
         "Guide",
         "When Varnel starts it asks for your <b>profile</b>. Type your name and press <i>Create New "
         "Profile</i>, or pick your name from the list and press <i>Load Selected Profile</i>. Your "
         "heart and the aya you were at are kept in your profile; Varnel saves it when you leave, and "
         "File &gt; Save Profile saves it at once.")},
    {Block::Step,
     QT_TRANSLATE_NOOP(
         "Guide",
         "The first time, Varnel asks which <b>sound device</b> to use. Press <i>Play Test Sound</i> "
         "to check it, then <i>OK</i>. You can change it later in File &gt; Preferences.")},
    {Block::Step,
     QT_TRANSLATE_NOOP(
         "Guide",
         "Choose a sura in <b>Choose a sura</b> at the top. Recitation starts at once, aya by aya.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "The window and its panels")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide",
         "The aya fills the middle of the window: its picture, and under it the translation panel. Right "
         "under them are the buttons that play, stop and move between ayas, the aya slider and a line "
         "that says where you are.")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide",
         "Beside the aya stand the panels. <b>Heart</b>, <b>Review</b> and <b>My Recitation</b> share "
         "one place as tabs; <b>Recitation Settings</b> holds the repeat, pause, range, loop, stack and "
         "practice settings. Drag a panel by its title to move it or to let it float, and close what "
         "you do not need: the <b>View</b> menu shows each panel again, and View &gt; Reset Layout "
         "brings back the first arrangement. Varnel remembers the window and its panels on this "
         "computer.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Seeing the aya")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide",
         "The middle of the window shows the Arabic text of the aya being recited. The panel under it "
         "shows its translation and, if you wish, its transliteration: use the <b>View</b> menu to "
         "show or hide each. The <b>Language</b> menu chooses the language of the translation when "
         "translation packs are installed. The slider under the panel shows which aya of the sura you "
         "are at.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Playing")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "<b>Play Aya</b> (Space) plays the current aya; <b>Stop Playing</b> (Space again) stops.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "<b>Previous Aya</b> (Left arrow) and <b>Next Aya</b> (Right arrow) move through the sura.")},
    {Block::Item,
     QT_TRANSLATE_NOOP("Guide", "<b>Repeat</b>: how many times each aya is recited before the next one.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "<b>Pause (secs)</b>: a silence after each recitation of an aya, time for you to repeat it "
                  "aloud. 0 means no pause.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "<b>Aya Range Settings</b>: tick the box, then set <b>FROM</b> and <b>TO</b> to work on part "
         "of a sura.")},
    {Block::Item,
     QT_TRANSLATE_NOOP("Guide", "<b>Loop Sura</b>: start again at the first aya after the last.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "<b>Stack Ayas</b>: the stack drill. Varnel recites the first aya, then the first two, then "
         "the first three, and so on until the whole range is recited in one go. Press Play Aya to "
         "begin.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "<b>Sura Playback Progress</b> shows how far through the sura (or the drill) you are.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Single Aya Mode: learning one aya in parts")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide", "Tick <b>Single Aya Mode</b> to work on one long aya a part at a time. A row of controls "
                  "appears:")},
    {Block::Item, QT_TRANSLATE_NOOP("Guide", "The slider shows where the recitation is. Drag it to jump.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "The <b>start</b> button (a bar with a green arrow) takes the slider's position as the start "
         "of the part; the <b>end</b> button takes it as the end. You can also type the start and end "
         "in milliseconds.")},
    {Block::Item,
     QT_TRANSLATE_NOOP("Guide", "With View &gt; Practice &gt; <b>Snap the Part to Words</b> (on at first), "
                                "the start and end buttons take the start and the end of the word the slider "
                                "stands in, so that a part never begins or ends inside a word.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "The <b>repeat-play</b> button (Space) plays the part again and again, with your pause "
                  "between; the <b>stop</b> button (Space) stops it.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "The arrow buttons (Left and Right arrows) move to the previous and next aya; the part "
                  "becomes the whole aya again.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Your heart")},
    {Block::Para, QT_TRANSLATE_NOOP("Guide", "The <b>Heart</b> panel is your heart: the ayas you know.")},
    {Block::Item, QT_TRANSLATE_NOOP("Guide", "To add the aya you see, drag the aya picture onto the heart.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "To add a whole sura, drag the heart picture next to the sura chooser onto the heart.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "Each sura shows a heart that fills as you learn more of it. The red bar at the top shows how "
         "many ayas of all installed suras are in your heart.")},
    {Block::Item,
     QT_TRANSLATE_NOOP("Guide", "<b>Close Completed Suras</b> folds the suras you know completely.")},
    {Block::Item,
     QT_TRANSLATE_NOOP("Guide", "Double-click an aya in your heart to go to it and recite from there.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "Right-click an aya or a sura and choose <i>Remove</i> to take it out of your heart.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Practice: testing yourself")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "View &gt; Practice &gt; <b>Hide the aya</b> (H) covers the aya's picture, and <b>Hide the "
                  "translation</b> covers its translation. Each new aya starts hidden again.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "<b>Reveal</b> (R) uncovers the picture a word at a time, from the right, where an Arabic "
                  "line begins (a fifth at a time where the pack does not tell the aya's words). A click on "
                  "the covered picture uncovers all of it.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "<b>Test me</b>, beside Pause in: the aya is hidden during each pause while you recite it "
         "from memory, and shown again when the pause ends. Set a pause for it to have a pause to work "
         "in.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Pauses that fit the aya")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide",
         "<b>Pause in</b> chooses how pauses are measured: in <i>seconds</i> (the Pause box), or in "
         "<i>&times; aya length</i>, a multiple from 0.5 to 3.0 of the aya just heard (or of the part, "
         "in Single Aya Mode). A long aya then gets a long pause, a short one a short pause. A change "
         "of repeat, pause or speed while Varnel recites applies from the next repetition or the next "
         "aya.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Speed")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide",
         "The <b>Speed</b> box (or View &gt; Practice &gt; Slower and Faster, the keys [ and ]) plays "
         "the recitation from 0.5&times; to 1.5&times; with its pitch kept. Positions, ranges and the "
         "single-aya marks stay in the recording's own time.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Reading")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom the aya's picture; Ctrl+0 (View &gt; Fit to Width) "
         "fits it to the width. The line of text stays in view, and the zoom is kept for next time.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "View &gt; <b>Night Reading</b>: a dark page with light text and the aya as light ink.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "View &gt; <b>Mark the Heard Word</b> (on at first): while the reciter plays, the word being "
         "said is tinted and underlined on the picture. A click on a word plays the aya from that "
         "word, and so do the keys 1 to 9 for the first nine words when the picture has the focus. "
         "Packs made by varnel-demo and by Import Recordings tell each aya's words.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Review: keeping what you know")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide",
         "Every sura in your heart (a part of 20 ayas, for suras longer than 40) comes up for review "
         "the day after you learn it. The <b>Review</b> panel beside the heart lists what is due today, "
         "the most overdue first, with the day of its last review and your chance of recalling it "
         "today. View &gt; Review Panel shows or hides it.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "Choose an item and press <b>Review now</b>: Varnel plays it once through, each aya once, "
                  "with no repeat or pause.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "Then grade how well you knew it: <b>Again</b> (1) if you forgot it, <b>Hard</b> (2), "
         "<b>Good</b> (3) or <b>Easy</b> (4). The panel says when that item comes back; a well-known "
         "sura comes back later and later, a forgotten one soon.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "Suras due today have a small orange mark in your heart. The calendar shows your reviews of "
         "the last twelve weeks.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Passages: pages, juz and hizb")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide", "Beside the sura chooser, choose Page, Juz, Hizb or Quarter of the Madinah mushaf and its "
                  "number, then press <b>Play Passage</b> (or Return): every drill plays the passage across "
                  "its suras. <b>Times</b> plays it that many times. View &gt; Practice &gt; Add Passage to "
                  "Heart puts all its ayas in your heart, and the cells under the heart's bar fill juz by "
                  "juz. The Review panel can review by suras or by pages.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Reciting and listening back")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide", "In the <b>My Recitation</b> panel, Record (View &gt; Practice &gt; Record My Recitation, "
                  "Ctrl+R) records you reciting the aya shown; Play Mine plays it back; Compare with the "
                  "Reciter plays the reciter and then you, with both waveforms; Delete removes your "
                  "recordings after asking.")},
    {Block::Para,
     QT_TRANSLATE_NOOP("Guide", "A new take keeps the one it replaces as your previous take: Delete &gt; "
                                "<b>Bring Back My Previous Take</b> brings it back (and keeps the newer one "
                                "as the previous), so a worse take never loses a good one.")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide",
         "Check (View &gt; Practice &gt; Check My Recitation) compares your recording of the aya shown "
         "with the reciter's, and each take is checked at once: the verdict (match, partial or "
         "different) is written under the waveforms when it is ready, and what you left out, added or "
         "said differently is marked on them. When your packs hold an aya that differs from this one by "
         "a word or two and your recording sounds like it, the verdict names it. It checks the words and "
         "their order, not tajweed.")},
    {Block::Para,
     QT_TRANSLATE_NOOP("Guide", "Hear Left Out then plays the reciter saying just what the check found you "
                                "left out or said differently, one part at each press. Where the pack tells "
                                "the aya's words, the verdict names them (\"Left out: ... (word 4)\") and "
                                "they are framed on the picture.")},
    {Block::Para,
     QT_TRANSLATE_NOOP("Guide", "Where the pitch of both voices can be followed, a line over each waveform "
                                "traces its melody, yours on the reciter's time, so that you can follow "
                                "the reciter's.")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide", "File &gt; Import Recordings turns a folder of your own recordings into a recitation you "
                  "can choose; Recitor &gt; Installed Packs lists every pack and recitation, where it lives "
                  "and which is chosen, and removes a recitation you imported.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "More of the menus")},
    {Block::Item,
     QT_TRANSLATE_NOOP("Guide",
                       "File &gt; New/Load Profile changes the learner; File &gt; Exit ends Varnel and saves "
                       "your profile.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "View &gt; Show Transliteration and Hide Translation show or hide each text; Zoom In and "
                  "Zoom Out make the aya's picture larger or smaller.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "View &gt; Interface Language chooses the language of Varnel's own words: the window, its "
                  "panels and its dialogs speak it at once, and at every start after. Help &gt; About tells "
                  "which Varnel this is.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Keys")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "<b>Space</b> plays and stops, except on a focused button or check box (which Space presses) "
         "and in a field where you type text.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "<b>Left</b> and <b>Right</b> go to the previous and next aya, except in number and text "
                  "fields, on sliders and in the heart, which use them themselves.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide",
         "<b>Ctrl+Space</b>, <b>Ctrl+Left</b>, <b>Ctrl+Right</b> and the media keys work wherever you "
         "are.")},
    {Block::Item,
     QT_TRANSLATE_NOOP("Guide",
                       "<b>H</b> hides the aya, <b>R</b> reveals it, <b>[</b> and <b>]</b> change the speed, "
                       "<b>1</b> to <b>4</b> grade a review.")},
    {Block::Item,
     QT_TRANSLATE_NOOP(
         "Guide", "Tab moves between the controls; every control can be reached and used without a mouse.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Recitors")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide", "When more than one recitation of a sura pack is installed, Recitor &gt; Config Recitor "
                  "chooses, for each pack, whose recitation you hear. A recitation you choose there is heard "
                  "for every sura of its pack, even where another pack covers the same suras.")},
    {Block::Heading, QT_TRANSLATE_NOOP("Guide", "Sura packs")},
    {Block::Para,
     QT_TRANSLATE_NOOP(
         "Guide", "Varnel reads the Quran's text, pictures and recitations from sura packs in the "
                  "<tt>quran</tt> folder. Without them there is nothing to choose in the sura chooser.")},
};

// The About box's paragraphs, under the program's name and version; the maker's name ends it.
const char* const kAbout[] = {
    QT_TRANSLATE_NOOP(
        "Guide", "Varnel helps you memorise suras of the Quran by ear and by sight: it shows each aya as a "
                 "picture of its Arabic text with its translation and transliteration, and plays the "
                 "recitation aya by aya with repeats, pauses, ranges, loops, the stack drill and the "
                 "single-aya drill."),
    QT_TRANSLATE_NOOP(
        "Guide", "Varnel holds no Quran content of its own beyond a table of the 114 suras. The pictures, "
                 "recitations and texts come in <b>sura packs</b> (files ending in <tt>.dat</tt>) in the "
                 "<tt>quran</tt> folder of Varnel's working folder; more recitations go into "
                 "<tt>quran/extra</tt>, more translations into <tt>quran/lang</tt>. The Debian package "
                 "<b>varnel-data</b> brings the demo packs (Al-Fatiha and Juz' Amma with nine translations), "
                 "read where they are installed; make packs from your own recordings with <tt>varnel-pack "
                 "import</tt>."),
    QT_TRANSLATE_NOOP(
        "Guide",
        "<b>Sources.</b> The demo content's Arabic text, translations and transliteration come from "
        "the quran-json package (CC-BY-4.0), which takes the Arabic text from the Tanzil project; its "
        "recitations are synthetic speech made with espeak-ng, no human recitation. The Arabic is "
        "drawn with the Amiri Quran font by Khaled Hosny (SIL Open Font License)."),
    QT_TRANSLATE_NOOP(
        "Guide",
        "Free software under the GNU General Public License, version 3 or later. Built on Qt, OpenAL "
        "Soft, libsndfile and SoundTouch."),
};

QString Translated(const char* text) { return QCoreApplication::translate("Guide", text); }

} // namespace

QString AboutText()
{
    QString html = "<h3>Varnel 2.1</h3>";
    for (const char* paragraph : kAbout)
        html += "<p>" + Translated(paragraph) + "</p>";
    return html + "<p>Lumora Software</p>";
}

QString NoPacksText(const QString& folder)
{
    return Translated(
               QT_TRANSLATE_NOOP(
                   "Guide",
                   "It seems you downloaded only the main program<br>and you don't have any sura packs "
                   "installed!<br><br>Sura packs (files ending in <tt>.dat</tt>) go in this "
                   "folder:<br><b>%1</b><br><br>To get some:<br>&bull; install the <b>varnel-data</b> "
                   "package (<tt>sudo apt install varnel-data</tt>): Al-Fatiha and Juz' Amma with "
                   "translations, found where they are installed;<br>&bull; or make packs from your own "
                   "recordings with <tt>varnel-pack import</tt> (see <tt>man varnel-pack</tt>), then start "
                   "Varnel again."))
        .arg(folder.toHtmlEscaped());
}

QString UserGuideHtml()
{
    // Right to left, every block runs from the right, the numbers of a numbered list too.
    const QString dir = QGuiApplication::isRightToLeft() ? " dir=\"rtl\"" : "";
    QString html;
    Block open = Block::Para; // the list open now: Item, Step, or none
    int step = 0;
    auto close = [&] {
        if (open == Block::Item || (open == Block::Step && dir.isEmpty()))
            html += open == Block::Item ? "</ul>\n" : "</ol>\n";
        open = Block::Para;
    };
    for (const GuideBlock& block : kGuide) {
        const QString text = Translated(block.text);
        const bool listed = block.kind == Block::Item || block.kind == Block::Step;
        if (!listed || block.kind != open)
            close();
        switch (block.kind) {
        case Block::Title:
            html += "<h2" + dir + ">" + text + "</h2>\n";
            break;
        case Block::Heading:
            html += "<h3" + dir + ">" + text + "</h3>\n";
            break;
        case Block::Para:
            html += "<p" + dir + ">" + text + "</p>\n";
            break;
        case Block::Step:
            // Qt sets the numbers of a numbered list at the left even right to left: there the steps are
            // numbered paragraphs, in the language's digits.
            if (!dir.isEmpty()) {
                step = open == Block::Step ? step + 1 : 1;
                open = Block::Step;
                html += "<p" + dir + ">" + QLocale().toString(step) + ". " + text + "</p>\n";
                break;
            }
            [[fallthrough]];
        case Block::Item:
            if (open != block.kind)
                html += (block.kind == Block::Item ? "<ul" : "<ol") + dir + ">\n";
            open = block.kind;
            html += "<li" + dir + ">" + text + "</li>\n";
            break;
        }
    }
    close();
    return html;
}

namespace
{

// The guide in the interface's language, written again when the language changes.
class UserGuide : public QTextBrowser
{
  public:
    UserGuide()
    {
        setOpenExternalLinks(true);
        Retranslate();
        resize(640, 720);
    }

  protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            Retranslate();
        QTextBrowser::changeEvent(event);
    }

  private:
    void Retranslate()
    {
        setWindowTitle(QCoreApplication::translate("Guide", "Varnel Help"));
        setHtml(UserGuideHtml());
    }
};

} // namespace

QWidget* CreateUserGuide() { return new UserGuide; }

void ShowAbout(const QPixmap& picture)
{
    QMessageBox box(QMessageBox::NoIcon, "Varnel :: Lumora Software", AboutText(), QMessageBox::Ok, nullptr,
                    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setTextFormat(Qt::RichText);
    box.setIconPixmap(picture);
    box.exec();
}

void ShowHelp(std::unique_ptr<QWidget>& guide)
{
    const QFileInfo chm("varnel.chm");
    if (chm.exists() && QDesktopServices::openUrl(QUrl::fromLocalFile(chm.absoluteFilePath())))
        return;
    if (!guide)
        guide.reset(CreateUserGuide());
    guide->showNormal();
    guide->raise();
    guide->activateWindow();
}
