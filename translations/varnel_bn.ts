<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>হৃদয়ে মুখস্থ সূরাসমূহ</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>Varnel will speak %1 from its next start.</source>
        <translation>পরের বার চালু হলে ভার্নেল %1 ভাষায় কথা বলবে।</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>সিস্টেমের ভাষা</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Please select an existing profile, or create a new one!</source>
        <translation>অনুগ্রহ করে একটি বিদ্যমান প্রোফাইল বেছে নিন, অথবা নতুন তৈরি করুন!</translation>
    </message>
    <message>
        <source>Username already exists: a profile named %1 is kept already.</source>
        <translation>ব্যবহারকারীর নাম আগেই আছে: %1 নামের একটি প্রোফাইল আগে থেকে রাখা আছে।</translation>
    </message>
    <message>
        <source>Do you want to load it?</source>
        <translation>আপনি কি এটি খুলতে চান?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Sound Settings</source>
        <translation>শব্দের সেটিংস</translation>
    </message>
    <message>
        <source>Choose a sound device</source>
        <translation>একটি শব্দ যন্ত্র বেছে নিন</translation>
    </message>
    <message>
        <source>Sound device</source>
        <translation>শব্দ যন্ত্র</translation>
    </message>
    <message>
        <source>Record my recitation from</source>
        <translation>আমার তিলাওয়াত রেকর্ড হবে এখান থেকে</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>মাইক্রোফোন</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>খুঁজুন...</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>আপনার রেকর্ডিং, প্রতি আয়াতে SSSAAA নামের একটি ফাইল (001001.mp3 মানে 1:1; MP3, Ogg, FLAC বা WAV), একটি তিলাওয়াত হয় যা আপনি বেছে নিতে পারেন। আরবি পাঠ ছাড়া এগুলো আপনার বিদ্যমান প্যাকের সাথে যুক্ত হয়, যা ছবি ও পাঠ দেখায়; পাঠসহ (প্রতি লাইনে "সূরা|আয়াত|পাঠ" একটি তানজিল ফাইল, বা quran-json প্যাকেজের ফোল্ডার) এগুলো নিজস্ব সূরা প্যাক হয়।</translation>
    </message>
    <message>
        <source>Recitation name</source>
        <translation>তিলাওয়াতের নাম</translation>
    </message>
    <message>
        <source>optional: a name keeps it beside the packs you have</source>
        <translation>ঐচ্ছিক: নাম দিলে এটি আপনার প্যাকের পাশে থাকে</translation>
    </message>
    <message>
        <source>Re-encode the recordings as Ogg Vorbis</source>
        <translation>রেকর্ডিংগুলো Ogg Vorbis-এ আবার এনকোড করুন</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>আমদানির অগ্রগতি</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>আমদানি</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>ইনস্টল করা প্যাক</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>ফোল্ডার খুলুন</translation>
    </message>
    <message>
        <source>Remove Recitation...</source>
        <translation>তিলাওয়াত সরান...</translation>
    </message>
    <message>
        <source>Record My Recitation</source>
        <translation>আমার তিলাওয়াত রেকর্ড করুন</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>আমারটি বাজান</translation>
    </message>
    <message>
        <source>Compare with the Reciter</source>
        <translation>কারীর সাথে তুলনা করুন</translation>
    </message>
    <message>
        <source>Delete My Recording of This Aya...</source>
        <translation>এই আয়াতের আমার রেকর্ডিং মুছুন...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>আমার সব রেকর্ডিং মুছুন...</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>অংশটি হৃদয়ে যোগ করুন</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;অনুশীলন</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;পুনরাবৃত্তি&lt;/b&gt; অনুযায়ী</translation>
    </message>
    <message>
        <source>Review unit</source>
        <translation>পুনরাবৃত্তির একক</translation>
    </message>
    <message>
        <source>Review whole suras (long ones in parts), or pages of the mushaf</source>
        <translation>পুরো সূরা (লম্বাগুলো অংশে) বা মুসহাফের পৃষ্ঠা পুনরাবৃত্তি করুন</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>পরবর্তী পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>আজ বাকি</translation>
    </message>
    <message>
        <source>Review now</source>
        <translation>এখন পুনরাবৃত্তি করুন</translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation>বেছে নেওয়া অংশ বাজায়: প্রতিটি আয়াত একবার, বিরতি ছাড়া। তারপর কতটা মনে ছিল তা মূল্যায়ন করুন।</translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation>প্রোফাইল খুলুন বা তৈরি করুন</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>প্রোফাইল &amp;সংরক্ষণ</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>&amp;নতুন/প্রোফাইল খুলুন</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;পছন্দসমূহ</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>রেকর্ডিং &amp;আমদানি...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;প্রস্থান</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>&amp;পুনরাবৃত্তি প্যানেল</translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation>&amp;কারী নির্ধারণ</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>&amp;ইনস্টল করা প্যাক...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;সাহায্য</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;পরিচিতি</translation>
    </message>
    <message>
        <source>Progress: </source>
        <translation>অগ্রগতি: </translation>
    </message>
    <message>
        <source>Memorised ayas</source>
        <translation>মুখস্থ আয়াত</translation>
    </message>
    <message>
        <source>Progress by juz</source>
        <translation>পারা অনুযায়ী অগ্রগতি</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>হৃদয়</translation>
    </message>
    <message>
        <source>Close Completed Suras</source>
        <translation>সম্পূর্ণ সূরাগুলো গুটিয়ে রাখুন</translation>
    </message>
    <message>
        <source>&lt;b&gt;Choose a sura:&lt;b&gt;</source>
        <translation>&lt;b&gt;একটি সূরা বেছে নিন:&lt;b&gt;</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>সূরা</translation>
    </message>
    <message>
        <source> or</source>
        <translation> অথবা</translation>
    </message>
    <message>
        <source>Passage kind</source>
        <translation>অংশের ধরন</translation>
    </message>
    <message>
        <source>Memorise by page, juz, hizb or quarter of the Madinah mushaf</source>
        <translation>মদিনা মুসহাফের পৃষ্ঠা, পারা, হিযব বা রুবু অনুযায়ী মুখস্থ করুন</translation>
    </message>
    <message>
        <source>Passage number</source>
        <translation>অংশের নম্বর</translation>
    </message>
    <message>
        <source>Play Passage</source>
        <translation>অংশ বাজান</translation>
    </message>
    <message>
        <source>Play the passage chosen, across the suras it holds</source>
        <translation>বেছে নেওয়া অংশটি তার সূরাগুলো জুড়ে বাজান</translation>
    </message>
    <message>
        <source>Tabaarakallah! You know this sura? Drag me to your heart!</source>
        <translation>তাবারাকাল্লাহ! এই সূরাটি আপনার মুখস্থ? আমাকে আপনার হৃদয়ে টেনে নিন!</translation>
    </message>
    <message>
        <source>Drag this sura to your heart</source>
        <translation>এই সূরাটি আপনার হৃদয়ে টেনে নিন</translation>
    </message>
    <message>
        <source>In the Name of Allah the Most Beneficent, the Most Merciful</source>
        <translation>পরম করুণাময়, অসীম দয়ালু আল্লাহর নামে</translation>
    </message>
    <message>
        <source>Aya picture; drag it to your heart</source>
        <translation>আয়াতের ছবি; এটি আপনার হৃদয়ে টেনে নিন</translation>
    </message>
    <message>
        <source>Translation and transliteration</source>
        <translation>অনুবাদ ও প্রতিবর্ণীকরণ</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>আয়াত</translation>
    </message>
    <message>
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation>বর্তমান আয়াত বাজায় (স্পেস, Ctrl+স্পেস বা প্লে কী)</translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation>বর্তমান আয়াত থামায় (স্পেস, Ctrl+স্পেস বা স্টপ কী)</translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation>এই সূরার আগের আয়াত বাজান (বাম, Ctrl+বাম বা আগের কী)</translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation>এই সূরার পরের আয়াত বাজান (ডান, Ctrl+ডান বা পরের কী)</translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation>বাজানোর অবস্থা</translation>
    </message>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>অংশটি এখান থেকে শুরু করুন (স্লাইডারের অবস্থান)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>স্লাইডার থেকে অংশের শুরু</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>অংশের শুরু</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>অংশ কোথায় শুরু হয়, মিলিসেকেন্ডে</translation>
    </message>
    <message>
        <source>End the part here (the slider's position)</source>
        <translation>অংশটি এখানে শেষ করুন (স্লাইডারের অবস্থান)</translation>
    </message>
    <message>
        <source>Part end from slider</source>
        <translation>স্লাইডার থেকে অংশের শেষ</translation>
    </message>
    <message>
        <source>Part end</source>
        <translation>অংশের শেষ</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>অংশ কোথায় শেষ হয়, মিলিসেকেন্ডে</translation>
    </message>
    <message>
        <source>Play the part again and again (Space or Ctrl+Space)</source>
        <translation>অংশটি বারবার বাজান (স্পেস বা Ctrl+স্পেস)</translation>
    </message>
    <message>
        <source>Play part repeatedly</source>
        <translation>অংশটি বারবার বাজান</translation>
    </message>
    <message>
        <source>Stop (Space or Ctrl+Space)</source>
        <translation>থামান (স্পেস বা Ctrl+স্পেস)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>থামান</translation>
    </message>
    <message>
        <source>Previous aya (Left or Ctrl+Left)</source>
        <translation>আগের আয়াত (বাম বা Ctrl+বাম)</translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation>আগের আয়াত</translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation>পরের আয়াত (ডান বা Ctrl+ডান)</translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation>পরের আয়াত</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>আয়াতে অবস্থান</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>তিলাওয়াত কোথায়; লাফাতে টানুন</translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation>তিলাওয়াতের সেটিংস</translation>
    </message>
    <message>
        <source>Aya Settings</source>
        <translation>আয়াতের সেটিংস</translation>
    </message>
    <message>
        <source>Playback Settings</source>
        <translation>বাজানোর সেটিংস</translation>
    </message>
    <message>
        <source>Aya Range Settings</source>
        <translation>আয়াতের পরিসরের সেটিংস</translation>
    </message>
    <message>
        <source>Sura Playback Progress</source>
        <translation>সূরা বাজানোর অগ্রগতি</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>পুনরাবৃত্তি:</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>আয়াতগুলো কতবার পুনরাবৃত্তি হবে</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source> Pause (secs):</source>
        <translation> বিরতি (সেকেন্ড):</translation>
    </message>
    <message>
        <source>Pause (seconds)</source>
        <translation>বিরতি (সেকেন্ড)</translation>
    </message>
    <message>
        <source>Practice Aids</source>
        <translation>অনুশীলনের সহায়ক</translation>
    </message>
    <message>
        <source>Pause unit</source>
        <translation>বিরতির একক</translation>
    </message>
    <message>
        <source>Pause for a number of seconds, or for a multiple of the aya's own length</source>
        <translation>কয়েক সেকেন্ড, বা আয়াতের নিজের দৈর্ঘ্যের গুণিতক সময় বিরতি দিন</translation>
    </message>
    <message>
        <source>Pause factor</source>
        <translation>বিরতির গুণক</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the aya (or the part) just heard</source>
        <translation>প্রতিটি বিরতি সদ্য শোনা আয়াতের (বা অংশের) এত গুণ দীর্ঘ</translation>
    </message>
    <message>
        <source>Pause in:</source>
        <translation>বিরতির একক:</translation>
    </message>
    <message>
        <source> Speed:</source>
        <translation> গতি:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>গতি</translation>
    </message>
    <message>
        <source>Playback speed; the pitch stays the same ([ slower, ] faster)</source>
        <translation>বাজানোর গতি; স্বরের উচ্চতা একই থাকে ([ ধীরে, ] দ্রুত)</translation>
    </message>
    <message>
        <source> Times:</source>
        <translation> বার:</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>অশেষ</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>বার</translation>
    </message>
    <message>
        <source>With Loop, play the sura or passage this many times, then stop</source>
        <translation>লুপসহ সূরা বা অংশটি এতবার বাজান, তারপর থামুন</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>সূরার আয়াতের একটি পরিসর বাজাতে চালু করুন</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>আয়াতের একটি পরিসর বাজান</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;থেকে:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>এই আয়াত থেকে তিলাওয়াত শুরু করুন</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>আয়াত থেকে</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;পর্যন্ত:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>এই আয়াতে তিলাওয়াত শেষ করুন</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>আয়াত পর্যন্ত</translation>
    </message>
    <message>
        <source>Loop Sura</source>
        <translation>সূরা লুপ করুন</translation>
    </message>
    <message>
        <source>Loop the playback of the whole surah</source>
        <translation>পুরো সূরা বারবার বাজান</translation>
    </message>
    <message>
        <source>Stack Ayas</source>
        <translation>আয়াত স্তূপ করুন</translation>
    </message>
    <message>
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;Recite aya 2 a number of times&lt;br&gt;&amp;nbsp;Recite aya 1 and 2 a number of times&lt;br&gt;&amp;nbsp;and so on ...</source>
        <translation>&amp;nbsp;আয়াত ১ কয়েকবার পড়ুন&lt;br&gt;&amp;nbsp;আয়াত ২ কয়েকবার পড়ুন&lt;br&gt;&amp;nbsp;আয়াত ১ ও ২ কয়েকবার পড়ুন&lt;br&gt;&amp;nbsp;এভাবে চলতে থাকুন ...</translation>
    </message>
    <message>
        <source>Single Aya Mode</source>
        <translation>একক আয়াত মোড</translation>
    </message>
    <message>
        <source>Break aya into parts for easy memorization</source>
        <translation>সহজে মুখস্থ করতে আয়াতটি অংশে ভাগ করুন</translation>
    </message>
    <message>
        <source>Test me</source>
        <translation>আমাকে পরীক্ষা করুন</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>প্রতিটি বিরতিতে আপনি মুখস্থ থেকে পড়ার সময় আয়াতটি লুকানো থাকে; বিরতি শেষে ফিরে আসে (একটি বিরতি দিন)</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>সূরা বাজানোর অগ্রগতি</translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation>আমার তিলাওয়াত</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>রেকর্ড</translation>
    </message>
    <message>
        <source>Record my recitation</source>
        <translation>আমার তিলাওয়াত রেকর্ড করুন</translation>
    </message>
    <message>
        <source>Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause after it</source>
        <translation>দেখানো আয়াতের আপনার তিলাওয়াত রেকর্ড করুন (Ctrl+R); পরীক্ষা ও বিরতিসহ, প্রতিটি আয়াত তার পরের বিরতিতে</translation>
    </message>
    <message>
        <source>Play my recitation</source>
        <translation>আমার তিলাওয়াত বাজান</translation>
    </message>
    <message>
        <source>Hear your recording of the aya shown</source>
        <translation>দেখানো আয়াতের আপনার রেকর্ডিং শুনুন</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>তুলনা</translation>
    </message>
    <message>
        <source>Compare with the reciter</source>
        <translation>কারীর সাথে তুলনা করুন</translation>
    </message>
    <message>
        <source>Hear the reciter and then yourself, for each aya of the lesson you recorded</source>
        <translation>পাঠের রেকর্ড করা প্রতিটি আয়াতের জন্য আগে কারী, তারপর নিজেকে শুনুন</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>মুছুন...</translation>
    </message>
    <message>
        <source>Delete my recordings</source>
        <translation>আমার রেকর্ডিং মুছুন</translation>
    </message>
    <message>
        <source>Delete your recordings</source>
        <translation>আপনার রেকর্ডিং মুছুন</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>রেকর্ডিংয়ের মাত্রা</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>নতুন ব্যবহারকারীর নাম</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>আপনার নাম</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>প্রোফাইলসমূহ</translation>
    </message>
    <message>
        <source>&amp;Night Reading</source>
        <translation>&amp;রাতের পাঠ</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>বড় করুন</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ছোট করুন</translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation>প্রস্থে মানান</translation>
    </message>
    <message>
        <source>Hide the aya</source>
        <translation>আয়াত লুকান</translation>
    </message>
    <message>
        <source>Hide the translation</source>
        <translation>অনুবাদ লুকান</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>প্রকাশ করুন</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>ধীরে</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>দ্রুত</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>আবার</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>কঠিন</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>ভালো</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>সহজ</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>অনুবাদ &amp;লুকান</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>প্রতিবর্ণীকরণ &amp;দেখান</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ফাইল</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;দৃশ্য</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>&amp;কারী</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;ভাষা</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>অনুবাদ &amp;দেখান</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>প্রতিবর্ণীকরণ &amp;লুকান</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>পারা</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>হিযব</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>রুবু</translation>
    </message>
    <message>
        <source>Play Aya</source>
        <translation>আয়াত বাজান</translation>
    </message>
    <message>
        <source>Stop Playing</source>
        <translation>বাজানো থামান</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>আগের আয়াত</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>পরের আয়াত</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>সেকেন্ড</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× আয়াতের দৈর্ঘ্য</translation>
    </message>
    <message>
        <source>Review calendar</source>
        <translation>পুনরাবৃত্তির পঞ্জিকা</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>ধারাবাহিকতা: ১ দিন</translation>
    </message>
    <message>
        <source>Streak: %1 days</source>
        <translation>ধারাবাহিকতা: %1 দিন</translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>%1 সপ্তাহে ১টি পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>%1 reviews in %2 weeks</source>
        <translation>%2 সপ্তাহে %1টি পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>সূরাসমূহ</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>পৃষ্ঠাসমূহ</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>সর্বশেষ</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>স্মরণ</translation>
    </message>
    <message>
        <source>Last review</source>
        <translation>সর্বশেষ পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>Chance of recall today</source>
        <translation>আজ মনে থাকার সম্ভাবনা</translation>
    </message>
    <message>
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>আগামীকাল: %1 · এই সপ্তাহে: %2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>নতুন</translation>
    </message>
    <message>
        <source>All %1 ayas</source>
        <translation>সব %1টি আয়াত</translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>আয়াত %1 থেকে %2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>এখনো পুনরাবৃত্তি হয়নি</translation>
    </message>
    <message>
        <source>%1 due today
%2</source>
        <translation>আজ %1টি বাকি
%2</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>পরবর্তী পুনরাবৃত্তি: %1</translation>
    </message>
    <message>
        <source>No sura pack installed</source>
        <translation>কোনো সূরা প্যাক ইনস্টল নেই</translation>
    </message>
    <message>
        <source> · recorded</source>
        <translation> · রেকর্ড করা</translation>
    </message>
    <message>
        <source> · pause %1</source>
        <translation> · বিরতি %1</translation>
    </message>
    <message>
        <source> · repetition %1 of %2</source>
        <translation> · পুনরাবৃত্তি %2-এর %1</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · পুনরাবৃত্তি %1</translation>
    </message>
    <message>
        <source> · your recitation</source>
        <translation> · আপনার তিলাওয়াত</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · কারী</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>আয়াত %2-এর %1</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · আয়াত %2-এর %1 (%3:%4)</translation>
    </message>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · অংশ %1 থেকে %2 সে.</translation>
    </message>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>স্তূপ %1-%2, পর্ব %3 · আয়াত %4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · স্তূপ %1–%2, পর্ব %3 · আয়াত %5-এর %4 (%6)</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>%1 খুঁজুন</translation>
    </message>
    <message>
        <source>Import Recordings</source>
        <translation>রেকর্ডিং আমদানি</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>রেকর্ডিংয়ের ফোল্ডার:</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>রেকর্ডিংয়ের ফোল্ডার</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>আরবি পাঠ:</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>আরবি পাঠ (ঐচ্ছিক)</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>অনুবাদ:</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>অনুবাদ (ঐচ্ছিক)</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>প্রতিবর্ণীকরণ:</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>প্রতিবর্ণীকরণ (ঐচ্ছিক)</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>তিলাওয়াতের নাম:</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>আগে আপনার রেকর্ডিংয়ের ফোল্ডার বেছে নিন।</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces: "%1" cannot be one.</source>
        <translation>তিলাওয়াতের নাম একটি শব্দ, / বা ফাঁকা ছাড়া: "%1" হতে পারে না।</translation>
    </message>
    <message>
        <source>There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.</source>
        <translation>%1-এ SSSAAA নামের কোনো রেকর্ডিং নেই (001001.mp3 মানে 1:1)।</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>আমদানি বাতিল হয়েছে; এর কিছুই রাখা হয়নি।</translation>
    </message>
    <message>
        <source>The recordings could not be imported:</source>
        <translation>রেকর্ডিংগুলো আমদানি করা যায়নি:</translation>
    </message>
    <message>
        <source>Your recordings are imported and ready to play.</source>
        <translation>আপনার রেকর্ডিং আমদানি হয়েছে এবং বাজানোর জন্য প্রস্তুত।</translation>
    </message>
    <message>
        <source>These packs were there already and are kept as they are.</source>
        <translation>এই প্যাকগুলো আগে থেকেই ছিল এবং যেমন আছে তেমনই থাকবে।</translation>
    </message>
    <message>
        <source>Installed Packs</source>
        <translation>ইনস্টল করা প্যাক</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>প্যাক</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>আকার</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>অবস্থান</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>তিলাওয়াত</translation>
    </message>
    <message>
        <source>default</source>
        <translation>ডিফল্ট</translation>
    </message>
    <message>
        <source>installed for everyone</source>
        <translation>সবার জন্য ইনস্টল করা</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>আপনার</translation>
    </message>
    <message>
        <source> (chosen)</source>
        <translation> (নির্বাচিত)</translation>
    </message>
    <message>
        <source>Remove the recitation "%1" and all its packs from %2?</source>
        <translation>"%1" তিলাওয়াত ও এর সব প্যাক %2 থেকে সরাবেন?</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>%1-এর কিছু ফাইল সরানো যায়নি।</translation>
    </message>
    <message>
        <source>Everything else works as before.</source>
        <translation>বাকি সব আগের মতোই চলে।</translation>
    </message>
    <message>
        <source>Choose or make a profile first: your recordings are kept with it.</source>
        <translation>আগে একটি প্রোফাইল বেছে নিন বা তৈরি করুন: আপনার রেকর্ডিং এর সাথেই রাখা হয়।</translation>
    </message>
    <message>
        <source>Recite each aya in the pause after it; press Stop Recording (Ctrl+R) to end.</source>
        <translation>প্রতিটি আয়াত তার পরের বিরতিতে পড়ুন; শেষ করতে রেকর্ডিং থামান (Ctrl+R) চাপুন।</translation>
    </message>
    <message>
        <source>Nothing was heard, so no recording of %1 was kept.</source>
        <translation>কিছু শোনা যায়নি, তাই %1-এর রেকর্ডিং রাখা হয়নি।</translation>
    </message>
    <message>
        <source>Your recitation of %1 could not be kept:</source>
        <translation>%1-এর আপনার তিলাওয়াত রাখা যায়নি:</translation>
    </message>
    <message>
        <source>Your recitation of %1 is kept (%2 s).</source>
        <translation>%1-এর আপনার তিলাওয়াত রাখা হয়েছে (%2 সে.)।</translation>
    </message>
    <message>
        <source>You have not recorded %1 yet: press Record (Ctrl+R).</source>
        <translation>আপনি এখনো %1 রেকর্ড করেননি: রেকর্ড (Ctrl+R) চাপুন।</translation>
    </message>
    <message>
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>আপনি এই পাঠের কোনো আয়াত এখনো রেকর্ড করেননি: রেকর্ড (Ctrl+R) চাপুন।</translation>
    </message>
    <message>
        <source>You have no recording of %1.</source>
        <translation>%1-এর কোনো রেকর্ডিং আপনার নেই।</translation>
    </message>
    <message>
        <source>Delete your recording of %1?</source>
        <translation>%1-এর আপনার রেকর্ডিং মুছবেন?</translation>
    </message>
    <message>
        <source>You have no recordings.</source>
        <translation>আপনার কোনো রেকর্ডিং নেই।</translation>
    </message>
    <message>
        <source>Delete all %1 of your recordings?</source>
        <translation>আপনার সব %1টি রেকর্ডিং মুছবেন?</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>রেকর্ডিং থামান</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>রেকর্ড হচ্ছে</translation>
    </message>
    <message>
        <source>Waiting for the pause</source>
        <translation>বিরতির অপেক্ষা</translation>
    </message>
    <message>
        <source>Recording %1... it stops after a few seconds of quiet.</source>
        <translation>%1 রেকর্ড হচ্ছে... কয়েক সেকেন্ড নীরবতার পর থামবে।</translation>
    </message>
    <message>
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>শব্দ যন্ত্রটি এখন ব্যবহৃত হচ্ছে, কিন্তু পরের বারের জন্য বাছাইটি "config.ini"-তে রাখা যায়নি:</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>আপনার অনুশীলনের সেটিংস রাখা যায়নি:</translation>
    </message>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>আপনার অনুশীলন সহায়কের সেটিংস রাখা যায়নি:</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>ত্রুটি: পর্দা খুব ছোট! অনুগ্রহ করে 800x600 বা তার বেশি রেজোলিউশন দিন</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>আপনার পুনরাবৃত্তি রাখা যায়নি:</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>আপনার পুনরাবৃত্তির একক রাখা যায়নি:</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1:</source>
        <translation>আপনার সেটিংস %1-এ রাখা যায়নি:</translation>
    </message>
    <message>
        <source>They stay as they are until Varnel closes.</source>
        <translation>ভার্নেল বন্ধ না হওয়া পর্যন্ত এগুলো এমনই থাকবে।</translation>
    </message>
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Interface &amp;Language</source>
        <translation>ইন্টারফেসের &amp;ভাষা</translation>
    </message>
</context>
</TS>