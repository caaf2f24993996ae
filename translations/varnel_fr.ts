<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AyaView</name>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Varnel Preferences</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Play Test Sound</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stop Test Sound</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No microphone found</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The system's default</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Varnel user guide</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Varnel helps you learn suras by heart: you see each aya, hear it recited as often as you like, and keep a record of what you know in your &lt;b&gt;heart&lt;/b&gt;.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Getting started</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>When Varnel starts it asks for your &lt;b&gt;profile&lt;/b&gt;. Type your name and press &lt;i&gt;Create New Profile&lt;/i&gt;, or pick your name from the list and press &lt;i&gt;Load Selected Profile&lt;/i&gt;. Your heart and the aya you were at are kept in your profile; Varnel saves it when you leave, and File &amp;gt; Save Profile saves it at once.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The first time, Varnel asks which &lt;b&gt;sound device&lt;/b&gt; to use. Press &lt;i&gt;Play Test Sound&lt;/i&gt; to check it, then &lt;i&gt;OK&lt;/i&gt;. You can change it later in File &amp;gt; Preferences.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Choose a sura in &lt;b&gt;Choose a sura&lt;/b&gt; at the top. Recitation starts at once, aya by aya.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Seeing the aya</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The middle of the window shows the Arabic text of the aya being recited. The panel under it shows its translation and, if you wish, its transliteration: use the &lt;b&gt;View&lt;/b&gt; menu to show or hide each. The &lt;b&gt;Language&lt;/b&gt; menu chooses the language of the translation when translation packs are installed. The slider under the panel shows which aya of the sura you are at.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Play Aya&lt;/b&gt; (Space) plays the current aya; &lt;b&gt;Stop Playing&lt;/b&gt; (Space again) stops.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Previous Aya&lt;/b&gt; (Left arrow) and &lt;b&gt;Next Aya&lt;/b&gt; (Right arrow) move through the sura.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Repeat&lt;/b&gt;: how many times each aya is recited before the next one.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Pause (secs)&lt;/b&gt;: a silence after each recitation of an aya, time for you to repeat it aloud. 0 means no pause.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Aya Range Settings&lt;/b&gt;: tick the box, then set &lt;b&gt;FROM&lt;/b&gt; and &lt;b&gt;TO&lt;/b&gt; to work on part of a sura.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Loop Sura&lt;/b&gt;: start again at the first aya after the last.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Stack Ayas&lt;/b&gt;: the stack drill. Varnel recites the first aya, then the first two, then the first three, and so on until the whole range is recited in one go. Press Play Aya to begin.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Sura Playback Progress&lt;/b&gt; shows how far through the sura (or the drill) you are.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Single Aya Mode: learning one aya in parts</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tick &lt;b&gt;Single Aya Mode&lt;/b&gt; to work on one long aya a part at a time. A row of controls appears:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The slider shows where the recitation is. Drag it to jump.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The &lt;b&gt;start&lt;/b&gt; button (a bar with a green arrow) takes the slider's position as the start of the part; the &lt;b&gt;end&lt;/b&gt; button takes it as the end. You can also type the start and end in milliseconds.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The &lt;b&gt;repeat-play&lt;/b&gt; button (Space) plays the part again and again, with your pause between; the &lt;b&gt;stop&lt;/b&gt; button (Space) stops it.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The arrow buttons (Left and Right arrows) move to the previous and next aya; the part becomes the whole aya again.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Your heart</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The list on the left is your heart: the ayas you know.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>To add the aya you see, drag the aya picture onto the heart.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>To add a whole sura, drag the heart picture next to the sura chooser onto the heart.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Each sura shows a heart that fills as you learn more of it. The red bar at the top shows how many ayas of all installed suras are in your heart.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Close Completed Suras&lt;/b&gt; folds the suras you know completely.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Double-click an aya in your heart to go to it and recite from there.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Right-click an aya or a sura and choose &lt;i&gt;Remove&lt;/i&gt; to take it out of your heart.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Practice: testing yourself</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>View &amp;gt; Practice &amp;gt; &lt;b&gt;Hide the aya&lt;/b&gt; (H) covers the aya's picture, and &lt;b&gt;Hide the translation&lt;/b&gt; covers its translation. Each new aya starts hidden again.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Reveal&lt;/b&gt; (R) uncovers the picture a fifth at a time, from the right, where an Arabic line begins. A click on the covered picture uncovers all of it.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Test me&lt;/b&gt;, beside Pause in: the aya is hidden during each pause while you recite it from memory, and shown again when the pause ends. Set a pause for it to have a pause to work in.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pauses that fit the aya</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Pause in&lt;/b&gt; chooses how pauses are measured: in &lt;i&gt;seconds&lt;/i&gt; (the Pause box), or in &lt;i&gt;&amp;times; aya length&lt;/i&gt;, a multiple from 0.5 to 3.0 of the aya just heard (or of the part, in Single Aya Mode). A long aya then gets a long pause, a short one a short pause. A change of repeat, pause or speed while Varnel recites applies from the next repetition or the next aya.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Speed&lt;/b&gt; box (or View &amp;gt; Practice &amp;gt; Slower and Faster, the keys [ and ]) plays the recitation from 0.5&amp;times; to 1.5&amp;times; with its pitch kept. Positions, ranges and the single-aya marks stay in the recording's own time.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom the aya's picture; Ctrl+0 (View &amp;gt; Fit to Width) fits it to the width. The line of text stays in view, and the zoom is kept for next time.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Night Reading&lt;/b&gt;: a dark page with light text and the aya as light ink.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Review: keeping what you know</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Every sura in your heart (a part of 20 ayas, for suras longer than 40) comes up for review the day after you learn it. The &lt;b&gt;Review&lt;/b&gt; panel under the heart lists what is due today, the most overdue first, with the day of its last review and your chance of recalling it today. View &amp;gt; Review Panel shows or hides it.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Choose an item and press &lt;b&gt;Review now&lt;/b&gt;: Varnel plays it once through, each aya once, with no repeat or pause.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Then grade how well you knew it: &lt;b&gt;Again&lt;/b&gt; (1) if you forgot it, &lt;b&gt;Hard&lt;/b&gt; (2), &lt;b&gt;Good&lt;/b&gt; (3) or &lt;b&gt;Easy&lt;/b&gt; (4). The panel says when that item comes back; a well-known sura comes back later and later, a forgotten one soon.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Suras due today have a small orange mark in your heart. The calendar shows your reviews of the last twelve weeks.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; plays and stops, except on a focused button or check box (which Space presses) and in a field where you type text.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; go to the previous and next aya, except in number and text fields, on sliders and in the heart, which use them themselves.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Space&lt;/b&gt;, &lt;b&gt;Ctrl+Left&lt;/b&gt;, &lt;b&gt;Ctrl+Right&lt;/b&gt; and the media keys work wherever you are.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;H&lt;/b&gt; hides the aya, &lt;b&gt;R&lt;/b&gt; reveals it, &lt;b&gt;[&lt;/b&gt; and &lt;b&gt;]&lt;/b&gt; change the speed, &lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt; grade a review.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tab moves between the controls; every control can be reached and used without a mouse.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recitors</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>When more than one recitation of a sura pack is installed, Recitor &amp;gt; Config Recitor chooses, for each pack, whose recitation you hear. A recitation you choose there is heard for every sura of its pack, even where another pack covers the same suras.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sura packs</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Varnel reads the Quran's text, pictures and recitations from sura packs in the &lt;tt&gt;quran&lt;/tt&gt; folder. Without them there is nothing to choose in the sura chooser.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Varnel helps you memorise suras of the Quran by ear and by sight: it shows each aya as a picture of its Arabic text with its translation and transliteration, and plays the recitation aya by aya with repeats, pauses, ranges, loops, the stack drill and the single-aya drill.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Varnel holds no Quran content of its own beyond a table of the 114 suras. The pictures, recitations and texts come in &lt;b&gt;sura packs&lt;/b&gt; (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) in the &lt;tt&gt;quran&lt;/tt&gt; folder of Varnel's working folder; more recitations go into &lt;tt&gt;quran/extra&lt;/tt&gt;, more translations into &lt;tt&gt;quran/lang&lt;/tt&gt;. The Debian package &lt;b&gt;varnel-data&lt;/b&gt; brings the demo packs (Al-Fatiha and Juz' Amma with nine translations), read where they are installed; make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;b&gt;Sources.&lt;/b&gt; The demo content's Arabic text, translations and transliteration come from the quran-json package (CC-BY-4.0), which takes the Arabic text from the Tanzil project; its recitations are synthetic speech made with espeak-ng, no human recitation. The Arabic is drawn with the Amiri Quran font by Khaled Hosny (SIL Open Font License).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. Built on Qt, OpenAL Soft, libsndfile and Rubber Band.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>It seems you downloaded only the main program&lt;br&gt;and you don't have any sura packs installed!&lt;br&gt;&lt;br&gt;Sura packs (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) go in this folder:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;To get some:&lt;br&gt;&amp;bull; install the &lt;b&gt;varnel-data&lt;/b&gt; package (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Al-Fatiha and Juz' Amma with translations, found where they are installed;&lt;br&gt;&amp;bull; or make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt; (see &lt;tt&gt;man varnel-pack&lt;/tt&gt;), then start Varnel again.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Varnel Help</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>Sourates mémorisées par cœur</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>You recorded this aya</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>recorded</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Due for review</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>Varnel will speak %1 from its next start.</source>
        <translation>Varnel parlera %1 à son prochain démarrage.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>JuzProgress</name>
    <message>
        <source>Progress by juz</source>
        <translation>Progression par juz</translation>
    </message>
    <message>
        <source>Juz %L1: %L2 of %L3 ayas (%L4%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>. %L1 of 30 juz begun, %L2 of %L3 ayas in all.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Please select an existing profile, or create a new one!</source>
        <translation>Veuillez choisir un profil existant, ou en créer un nouveau !</translation>
    </message>
    <message>
        <source>Username already exists: a profile named %1 is kept already.</source>
        <translation>Ce nom d'utilisateur existe déjà : un profil nommé %1 est déjà gardé.</translation>
    </message>
    <message>
        <source>Do you want to load it?</source>
        <translation>Voulez-vous le charger ?</translation>
    </message>
    <message>
        <source>Create New Profile</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load Selected Profile</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Sound Settings</source>
        <translation>Réglages du son</translation>
    </message>
    <message>
        <source>Choose a sound device</source>
        <translation>Choisissez un périphérique audio</translation>
    </message>
    <message>
        <source>Sound device</source>
        <translation>Périphérique audio</translation>
    </message>
    <message>
        <source>Record my recitation from</source>
        <translation>Enregistrer ma récitation depuis</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>Vos enregistrements, un fichier par verset nommé SSSAAA (001001.mp3 est 1:1 ; MP3, Ogg, FLAC ou WAV), deviennent une récitation à choisir. Sans texte arabe, ils rejoignent vos paquets, qui montrent les images et les textes ; avec un texte (un fichier Tanzil « sourate|verset|texte » par ligne, ou le dossier du paquet quran-json), ils deviennent des paquets de sourates à part entière.</translation>
    </message>
    <message>
        <source>Recitation name</source>
        <translation>Nom de la récitation</translation>
    </message>
    <message>
        <source>optional: a name keeps it beside the packs you have</source>
        <translation>facultatif : un nom la garde à côté de vos paquets</translation>
    </message>
    <message>
        <source>Re-encode the recordings as Ogg Vorbis</source>
        <translation>Réencoder les enregistrements en Ogg Vorbis</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Progression de l'import</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Paquets installés</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Remove Recitation...</source>
        <translation>Supprimer la récitation...</translation>
    </message>
    <message>
        <source>Record My Recitation</source>
        <translation>Enregistrer ma récitation</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>Écouter la mienne</translation>
    </message>
    <message>
        <source>Compare with the Reciter</source>
        <translation>Comparer avec le récitant</translation>
    </message>
    <message>
        <source>Delete My Recording of This Aya...</source>
        <translation>Supprimer mon enregistrement de ce verset...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>Supprimer tous mes enregistrements...</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>Ajouter le passage au cœur</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;Révision&lt;/b&gt; par</translation>
    </message>
    <message>
        <source>Review unit</source>
        <translation>Unité de révision</translation>
    </message>
    <message>
        <source>Review whole suras (long ones in parts), or pages of the mushaf</source>
        <translation>Réviser des sourates entières (les longues par parties) ou des pages du mushaf</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>Prochaine révision</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>À revoir aujourd'hui</translation>
    </message>
    <message>
        <source>Review now</source>
        <translation>Réviser maintenant</translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation>Joue l'élément choisi : chaque verset une fois, sans pause. Puis notez votre maîtrise.</translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation>Charger ou créer un profil</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>&amp;Enregistrer le profil</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>&amp;Nouveau/charger un profil</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>&amp;Importer des enregistrements...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>Panneau de &amp;révision</translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation>&amp;Configurer le récitant</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>Paquets &amp;installés...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Progress: </source>
        <translation>Progression : </translation>
    </message>
    <message>
        <source>Memorised ayas</source>
        <translation>Versets mémorisés</translation>
    </message>
    <message>
        <source>Progress by juz</source>
        <translation>Progression par juz</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Close Completed Suras</source>
        <translation>Replier les sourates terminées</translation>
    </message>
    <message>
        <source>&lt;b&gt;Choose a sura:&lt;b&gt;</source>
        <translation>&lt;b&gt;Choisissez une sourate :&lt;b&gt;</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Sourate</translation>
    </message>
    <message>
        <source> or</source>
        <translation> ou</translation>
    </message>
    <message>
        <source>Passage kind</source>
        <translation>Type de passage</translation>
    </message>
    <message>
        <source>Memorise by page, juz, hizb or quarter of the Madinah mushaf</source>
        <translation>Mémoriser par page, juz, hizb ou quart du mushaf de Médine</translation>
    </message>
    <message>
        <source>Passage number</source>
        <translation>Numéro du passage</translation>
    </message>
    <message>
        <source>Play Passage</source>
        <translation>Jouer le passage</translation>
    </message>
    <message>
        <source>Play the passage chosen, across the suras it holds</source>
        <translation>Jouer le passage choisi, à travers ses sourates</translation>
    </message>
    <message>
        <source>Tabaarakallah! You know this sura? Drag me to your heart!</source>
        <translation>Tabarakallah ! Vous connaissez cette sourate ? Glissez-moi dans votre cœur !</translation>
    </message>
    <message>
        <source>Drag this sura to your heart</source>
        <translation>Glissez cette sourate dans votre cœur</translation>
    </message>
    <message>
        <source>In the Name of Allah the Most Beneficent, the Most Merciful</source>
        <translation>Au nom d'Allah, le Tout Miséricordieux, le Très Miséricordieux</translation>
    </message>
    <message>
        <source>Aya picture; drag it to your heart</source>
        <translation>Image du verset ; glissez-la dans votre cœur</translation>
    </message>
    <message>
        <source>Translation and transliteration</source>
        <translation>Traduction et translittération</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>Verset</translation>
    </message>
    <message>
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation>Joue le verset courant (Espace, Ctrl+Espace ou la touche Lecture)</translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation>Arrête le verset courant (Espace, Ctrl+Espace ou la touche Arrêt)</translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation>Jouer le verset précédent de cette sourate (Gauche, Ctrl+Gauche ou la touche Précédent)</translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation>Jouer le verset suivant de cette sourate (Droite, Ctrl+Droite ou la touche Suivant)</translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation>État de la lecture</translation>
    </message>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>Commencer la partie ici (position du curseur)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>Début de la partie au curseur</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>Début de la partie</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>Début de la partie, en millisecondes</translation>
    </message>
    <message>
        <source>End the part here (the slider's position)</source>
        <translation>Finir la partie ici (position du curseur)</translation>
    </message>
    <message>
        <source>Part end from slider</source>
        <translation>Fin de la partie au curseur</translation>
    </message>
    <message>
        <source>Part end</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>Fin de la partie, en millisecondes</translation>
    </message>
    <message>
        <source>Play the part again and again (Space or Ctrl+Space)</source>
        <translation>Jouer la partie en boucle (Espace ou Ctrl+Espace)</translation>
    </message>
    <message>
        <source>Play part repeatedly</source>
        <translation>Jouer la partie en boucle</translation>
    </message>
    <message>
        <source>Stop (Space or Ctrl+Space)</source>
        <translation>Arrêt (Espace ou Ctrl+Espace)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Previous aya (Left or Ctrl+Left)</source>
        <translation>Verset précédent (Gauche ou Ctrl+Gauche)</translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation>Verset précédent</translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation>Verset suivant (Droite ou Ctrl+Droite)</translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation>Verset suivant</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>Position dans le verset</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>Position de la récitation ; glissez pour sauter</translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation>Réglages de la récitation</translation>
    </message>
    <message>
        <source>Aya Settings</source>
        <translation>Réglages des versets</translation>
    </message>
    <message>
        <source>Playback Settings</source>
        <translation>Réglages de lecture</translation>
    </message>
    <message>
        <source>Aya Range Settings</source>
        <translation>Plage de versets</translation>
    </message>
    <message>
        <source>Sura Playback Progress</source>
        <translation>Progression de la sourate</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Répéter :</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>Le nombre de répétitions de chaque verset</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source> Pause (secs):</source>
        <translation> Pause (s) :</translation>
    </message>
    <message>
        <source>Pause (seconds)</source>
        <translation>Pause (secondes)</translation>
    </message>
    <message>
        <source>Practice Aids</source>
        <translation>Aides à l'entraînement</translation>
    </message>
    <message>
        <source>Pause unit</source>
        <translation>Unité de pause</translation>
    </message>
    <message>
        <source>Pause for a number of seconds, or for a multiple of the aya's own length</source>
        <translation>Pause de quelques secondes, ou d'un multiple de la durée du verset</translation>
    </message>
    <message>
        <source>Pause factor</source>
        <translation>Facteur de pause</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the aya (or the part) just heard</source>
        <translation>Chaque pause dure autant de fois le verset (ou la partie) entendu</translation>
    </message>
    <message>
        <source>Pause in:</source>
        <translation>Pause en :</translation>
    </message>
    <message>
        <source> Speed:</source>
        <translation> Vitesse :</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Playback speed; the pitch stays the same ([ slower, ] faster)</source>
        <translation>Vitesse de lecture ; la hauteur reste la même ([ plus lent, ] plus rapide)</translation>
    </message>
    <message>
        <source> Times:</source>
        <translation> Fois :</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>sans fin</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>With Loop, play the sura or passage this many times, then stop</source>
        <translation>Avec la boucle, jouer la sourate ou le passage autant de fois, puis s'arrêter</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>Activer pour jouer une plage de versets de la sourate</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>Jouer une plage de versets</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;DE :&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>Commencer la récitation à ce verset</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>Du verset</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;À :&lt;/b&gt;</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>Finir la récitation à ce verset</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>Au verset</translation>
    </message>
    <message>
        <source>Loop Sura</source>
        <translation>Boucler la sourate</translation>
    </message>
    <message>
        <source>Loop the playback of the whole surah</source>
        <translation>Jouer toute la sourate en boucle</translation>
    </message>
    <message>
        <source>Stack Ayas</source>
        <translation>Empiler les versets</translation>
    </message>
    <message>
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;Recite aya 2 a number of times&lt;br&gt;&amp;nbsp;Recite aya 1 and 2 a number of times&lt;br&gt;&amp;nbsp;and so on ...</source>
        <translation>&amp;nbsp;Réciter le verset 1 plusieurs fois&lt;br&gt;&amp;nbsp;Réciter le verset 2 plusieurs fois&lt;br&gt;&amp;nbsp;Réciter les versets 1 et 2 plusieurs fois&lt;br&gt;&amp;nbsp;et ainsi de suite ...</translation>
    </message>
    <message>
        <source>Single Aya Mode</source>
        <translation>Mode verset unique</translation>
    </message>
    <message>
        <source>Break aya into parts for easy memorization</source>
        <translation>Découper le verset en parties pour mémoriser plus facilement</translation>
    </message>
    <message>
        <source>Test me</source>
        <translation>Teste-moi</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>Pendant chaque pause le verset est caché tandis que vous le récitez de mémoire ; il revient à la fin de la pause (réglez une pause)</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>Progression de la sourate</translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation>Ma récitation</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record my recitation</source>
        <translation>Enregistrer ma récitation</translation>
    </message>
    <message>
        <source>Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause after it</source>
        <translation>Enregistrez votre récitation du verset affiché (Ctrl+R) ; avec Teste-moi et une pause, chaque verset dans la pause qui le suit</translation>
    </message>
    <message>
        <source>Play my recitation</source>
        <translation>Écouter ma récitation</translation>
    </message>
    <message>
        <source>Hear your recording of the aya shown</source>
        <translation>Écouter votre enregistrement du verset affiché</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compare with the reciter</source>
        <translation>Comparer avec le récitant</translation>
    </message>
    <message>
        <source>Hear the reciter and then yourself, for each aya of the lesson you recorded</source>
        <translation>Écouter le récitant puis vous-même, pour chaque verset enregistré de la leçon</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Delete my recordings</source>
        <translation>Supprimer mes enregistrements</translation>
    </message>
    <message>
        <source>Delete your recordings</source>
        <translation>Supprimer vos enregistrements</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Niveau d'enregistrement</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>Nouveau nom d'utilisateur</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>&amp;Night Reading</source>
        <translation>Lecture de &amp;nuit</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Hide the aya</source>
        <translation>Cacher le verset</translation>
    </message>
    <message>
        <source>Hide the translation</source>
        <translation>Cacher la traduction</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Dévoiler</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>&amp;Cacher la traduction</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>&amp;Afficher la translittération</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>&amp;Récitant</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>&amp;Afficher la traduction</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>&amp;Cacher la translittération</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizb</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quart</translation>
    </message>
    <message>
        <source>Play Aya</source>
        <translation>Jouer le verset</translation>
    </message>
    <message>
        <source>Stop Playing</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>Verset précédent</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>Verset suivant</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× durée du verset</translation>
    </message>
    <message>
        <source>Review calendar</source>
        <translation>Calendrier des révisions</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>Série : 1 jour</translation>
    </message>
    <message>
        <source>Streak: %1 days</source>
        <translation>Série : %L1 jours</translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>1 révision en %L1 semaines</translation>
    </message>
    <message>
        <source>%1 reviews in %2 weeks</source>
        <translation>%L1 révisions en %L2 semaines</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Sourates</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Last review</source>
        <translation>Dernière révision</translation>
    </message>
    <message>
        <source>Chance of recall today</source>
        <translation>Chance de rappel aujourd'hui</translation>
    </message>
    <message>
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>Demain : %L1 · Cette semaine : %L2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>All %1 ayas</source>
        <translation>Les %L1 versets</translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>Versets %L1 à %L2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>Pas encore révisé</translation>
    </message>
    <message>
        <source>%1 due today
%2</source>
        <translation>%L1 à revoir aujourd'hui
%2</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>Prochaine révision : %1</translation>
    </message>
    <message>
        <source>No sura pack installed</source>
        <translation>Aucun paquet de sourates installé</translation>
    </message>
    <message>
        <source> · recorded</source>
        <translation> · enregistré</translation>
    </message>
    <message>
        <source> · pause %1</source>
        <translation> · pause %1</translation>
    </message>
    <message>
        <source> · repetition %1 of %2</source>
        <translation> · répétition %L1 sur %L2</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · répétition %L1</translation>
    </message>
    <message>
        <source> · your recitation</source>
        <translation> · votre récitation</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · le récitant</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>Verset %L1 sur %L2</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · verset %L1 sur %L2 (%L3:%L4)</translation>
    </message>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · partie de %1 à %2 s</translation>
    </message>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>Pile %L1-%L2, passe %L3 · verset %L4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · pile %L1–%L2, passe %L3 · verset %L4 sur %L5 (%6)</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Parcourir : %1</translation>
    </message>
    <message>
        <source>Import Recordings</source>
        <translation>Importer des enregistrements</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>Dossier des enregistrements :</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>Dossier des enregistrements</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>Texte arabe :</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>Texte arabe (facultatif)</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>Traduction :</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>Traduction (facultatif)</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>Translittération :</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>Translittération (facultatif)</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>Nom de la récitation :</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>Choisissez d'abord le dossier de vos enregistrements.</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces: "%1" cannot be one.</source>
        <translation>Le nom d'une récitation est un seul mot, sans / ni espace : « %1 » ne convient pas.</translation>
    </message>
    <message>
        <source>There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.</source>
        <translation>Aucun enregistrement nommé SSSAAA (001001.mp3 est 1:1) dans %1.</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>L'import a été annulé ; rien n'en a été gardé.</translation>
    </message>
    <message>
        <source>The recordings could not be imported:</source>
        <translation>Les enregistrements n'ont pas pu être importés :</translation>
    </message>
    <message>
        <source>Your recordings are imported and ready to play.</source>
        <translation>Vos enregistrements sont importés et prêts à jouer.</translation>
    </message>
    <message>
        <source>These packs were there already and are kept as they are.</source>
        <translation>Ces paquets étaient déjà là et restent tels quels.</translation>
    </message>
    <message>
        <source>Installed Packs</source>
        <translation>Paquets installés</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Récitation</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>installed for everyone</source>
        <translation>installé pour tous</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>à vous</translation>
    </message>
    <message>
        <source> (chosen)</source>
        <translation> (choisie)</translation>
    </message>
    <message>
        <source>Remove the recitation "%1" and all its packs from %2?</source>
        <translation>Supprimer la récitation « %1 » et tous ses paquets de %2 ?</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>Certains fichiers de %1 n'ont pas pu être supprimés.</translation>
    </message>
    <message>
        <source>Everything else works as before.</source>
        <translation>Tout le reste fonctionne comme avant.</translation>
    </message>
    <message>
        <source>Choose or make a profile first: your recordings are kept with it.</source>
        <translation>Choisissez ou créez d'abord un profil : vos enregistrements sont gardés avec lui.</translation>
    </message>
    <message>
        <source>Recite each aya in the pause after it; press Stop Recording (Ctrl+R) to end.</source>
        <translation>Récitez chaque verset dans la pause qui le suit ; appuyez sur Arrêter l'enregistrement (Ctrl+R) pour finir.</translation>
    </message>
    <message>
        <source>Nothing was heard, so no recording of %1 was kept.</source>
        <translation>Rien n'a été entendu : aucun enregistrement de %1 n'a été gardé.</translation>
    </message>
    <message>
        <source>Your recitation of %1 could not be kept:</source>
        <translation>Votre récitation de %1 n'a pas pu être gardée :</translation>
    </message>
    <message>
        <source>Your recitation of %1 is kept (%2 s).</source>
        <translation>Votre récitation de %1 est gardée (%2 s).</translation>
    </message>
    <message>
        <source>You have not recorded %1 yet: press Record (Ctrl+R).</source>
        <translation>Vous n'avez pas encore enregistré %1 : appuyez sur Enregistrer (Ctrl+R).</translation>
    </message>
    <message>
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>Vous n'avez encore enregistré aucun verset de cette leçon : appuyez sur Enregistrer (Ctrl+R).</translation>
    </message>
    <message>
        <source>You have no recording of %1.</source>
        <translation>Vous n'avez pas d'enregistrement de %1.</translation>
    </message>
    <message>
        <source>Delete your recording of %1?</source>
        <translation>Supprimer votre enregistrement de %1 ?</translation>
    </message>
    <message>
        <source>You have no recordings.</source>
        <translation>Vous n'avez aucun enregistrement.</translation>
    </message>
    <message>
        <source>Delete all %1 of your recordings?</source>
        <translation>Supprimer vos %L1 enregistrements ?</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l'enregistrement</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Waiting for the pause</source>
        <translation>En attente de la pause</translation>
    </message>
    <message>
        <source>Recording %1... it stops after a few seconds of quiet.</source>
        <translation>Enregistrement de %1... il s'arrête après quelques secondes de silence.</translation>
    </message>
    <message>
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>Le périphérique audio est utilisé maintenant, mais le choix n'a pas pu être enregistré dans "config.ini" pour la prochaine fois :</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>Vos réglages d'exercice n'ont pas pu être enregistrés :</translation>
    </message>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>Vos réglages d'entraînement n'ont pas pu être enregistrés :</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>ERREUR : l'écran est trop petit ! Passez à une résolution de 800x600 ou plus</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>Votre révision n'a pas pu être enregistrée :</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>Votre unité de révision n'a pas pu être enregistrée :</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1:</source>
        <translation>Vos réglages n'ont pas pu être enregistrés dans %1 :</translation>
    </message>
    <message>
        <source>They stay as they are until Varnel closes.</source>
        <translation>Ils restent tels quels jusqu'à la fermeture de Varnel.</translation>
    </message>
    <message>
        <source>%1's Heart</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>My Heart</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 Translation:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 %L2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The %1 text needs the font %2, which is not installed: install the package %3.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>SelectRecitor</name>
    <message>
        <source>Recitor Preferences</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Varn Addon</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recitor</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Recitation of %1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Interface &amp;Language</source>
        <translation>&amp;Langue de l'interface</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Waveforms of the reciter and of your recitation</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The reciter: %1 s; you: %2 s</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Reciter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>