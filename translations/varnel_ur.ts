<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>Varnel will speak %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Sound Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a sound device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record my recitation from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, &quot;sura|aya|text&quot; a line, or the quran-json package&apos;s folder) they become sura packs of their own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recitation name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional: a name keeps it beside the packs you have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-encode the recordings as Ogg Vorbis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Recitation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record My Recitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with the Reciter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete My Recording of This Aya...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review whole suras (long ones in parts), or pages of the mushaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorised ayas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress by juz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Completed Suras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Choose a sura:&lt;b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorise by page, juz, hizb or quarter of the Madinah mushaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the passage chosen, across the suras it holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabaarakallah! You know this sura? Drag me to your heart!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag this sura to your heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the Name of Allah the Most Beneficent, the Most Merciful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aya picture; drag it to your heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translation and transliteration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the part here (the slider&apos;s position)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the part here (the slider&apos;s position)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part end from slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the part again and again (Space or Ctrl+Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play part repeatedly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop (Space or Ctrl+Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous aya (Left or Ctrl+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aya Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aya Range Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sura Playback Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pause (secs):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice Aids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause for a number of seconds, or for a multiple of the aya&apos;s own length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pause lasts this many times the aya (or the part) just heard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback speed; the pitch stays the same ([ slower, ] faster)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Times:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>endless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Loop, play the sura or passage this many times, then stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To aya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Sura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop the playback of the whole surah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stack Ayas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;Recite aya 2 a number of times&lt;br&gt;&amp;nbsp;Recite aya 1 and 2 a number of times&lt;br&gt;&amp;nbsp;and so on ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Aya Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break aya into parts for easy memorization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record my recitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause after it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play my recitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hear your recording of the aya shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with the reciter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hear the reciter and then yourself, for each aya of the lesson you recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete my recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete your recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New user name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Interface &amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
