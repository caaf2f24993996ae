<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>AyaText</name>
    <message>
        <source>Transliteration:</source>
        <translation>প্রতিবর্ণীকরণ:</translation>
    </message>
    <message>
        <source>%1 Translation:</source>
        <translation>%1 অনুবাদ:</translation>
    </message>
</context>
<context>
    <name>AyaView</name>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>লুকানো: প্রকাশ করতে R চাপুন</translation>
    </message>
</context>
<context>
    <name>CentralArea</name>
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
        <source>Playing status</source>
        <translation>বাজানোর অবস্থা</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <source>%1 to %2 s</source>
        <translation>%1 থেকে %2 সে.</translation>
    </message>
    <message>
        <source>%1 (word %2)</source>
        <translation>%1 (শব্দ %2)</translation>
    </message>
    <message>
        <source>%1 (words %2 to %3)</source>
        <translation>%1 (শব্দ %2 থেকে %3)</translation>
    </message>
    <message>
        <source>%1, match: you said the whole aya, in order (score %2 of 100).</source>
        <translation>%1, মিলেছে: আপনি পুরো আয়াত ক্রমানুসারে পড়েছেন (স্কোর ১০০-এর মধ্যে %2)।</translation>
    </message>
    <message>
        <source>%1, partial: a part is missing, added or said differently (score %2 of 100).</source>
        <translation>%1, আংশিক: একটি অংশ বাদ পড়েছে, যোগ হয়েছে বা ভিন্নভাবে পড়া হয়েছে (স্কোর ১০০-এর মধ্যে %2)।</translation>
    </message>
    <message>
        <source>%1, different: this sounds like another aya, or no recitation (score %2 of 100).</source>
        <translation>%1, ভিন্ন: এটি অন্য আয়াত মনে হয়, অথবা তিলাওয়াত নয় (স্কোর ১০০-এর মধ্যে %2)।</translation>
    </message>
    <message>
        <source>This sounds like %1 (%2), not %3.</source>
        <translation>এটি %3 নয়, %1 (%2)-এর মতো শোনাচ্ছে।</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>বাদ পড়েছে: %1।</translation>
    </message>
    <message>
        <source>Left out, in the reciter's time: %1.</source>
        <translation>বাদ পড়েছে, কারীর সময়ে: %1।</translation>
    </message>
    <message>
        <source>Said differently: %1.</source>
        <translation>ভিন্নভাবে বলা হয়েছে: %1।</translation>
    </message>
    <message>
        <source>Said differently, in the reciter's time: %1.</source>
        <translation>ভিন্নভাবে পড়া, কারীর সময়ে: %1।</translation>
    </message>
    <message>
        <source>Added, in your recording's time: %1.</source>
        <translation>যোগ হয়েছে, আপনার রেকর্ডিংয়ের সময়ে: %1।</translation>
    </message>
</context>
<context>
    <name>ChooserRow</name>
    <message>
        <source>Page</source>
        <translation>পৃষ্ঠা</translation>
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
</context>
<context>
    <name>Compare</name>
    <message>
        <source> · your recitation</source>
        <translation> · আপনার তিলাওয়াত</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · কারী</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Varnel Preferences</source>
        <translation>ভার্নেল পছন্দসমূহ</translation>
    </message>
    <message>
        <source>Play Test Sound</source>
        <translation>পরীক্ষার শব্দ বাজান</translation>
    </message>
    <message>
        <source>Stop Test Sound</source>
        <translation>পরীক্ষার শব্দ থামান</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>কোনো মাইক্রোফোন পাওয়া যায়নি</translation>
    </message>
    <message>
        <source>The system's default</source>
        <translation>সিস্টেমের ডিফল্ট</translation>
    </message>
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
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>শব্দ যন্ত্রটি এখন ব্যবহৃত হচ্ছে, কিন্তু পরের বারের জন্য বাছাইটি "config.ini"-তে রাখা যায়নি:</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source> · pass %1 of %2</source>
        <translation> · পালা %2-এর %1</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>আয়াত %L2-এর %L1</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · আয়াত %L2-এর %L1 (%L3:%L4)</translation>
    </message>
</context>
<context>
    <name>DrillControls</name>
    <message>
        <source>Sura %1, aya %2</source>
        <translation>সূরা %1, আয়াত %2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>আপনার অনুশীলনের সেটিংস রাখা যায়নি:</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Varnel user guide</source>
        <translation>ভার্নেল ব্যবহার নির্দেশিকা</translation>
    </message>
    <message>
        <source>Varnel helps you learn suras by heart: you see each aya, hear it recited as often as you like, and keep a record of what you know in your &lt;b&gt;heart&lt;/b&gt;.</source>
        <translation>ভার্নেল আপনাকে সূরা মুখস্থ করতে সাহায্য করে: আপনি প্রতিটি আয়াত দেখেন, যতবার খুশি তার তিলাওয়াত শোনেন, আর যা জানেন তার হিসাব আপনার &lt;b&gt;হৃদয়ে&lt;/b&gt; রাখেন।</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>শুরু করা</translation>
    </message>
    <message>
        <source>When Varnel starts it asks for your &lt;b&gt;profile&lt;/b&gt;. Type your name and press &lt;i&gt;Create New Profile&lt;/i&gt;, or pick your name from the list and press &lt;i&gt;Load Selected Profile&lt;/i&gt;. Your heart and the aya you were at are kept in your profile; Varnel saves it when you leave, and File &amp;gt; Save Profile saves it at once.</source>
        <translation>ভার্নেল শুরু হলে আপনার &lt;b&gt;প্রোফাইল&lt;/b&gt; জানতে চায়। আপনার নাম লিখে &lt;i&gt;নতুন প্রোফাইল তৈরি করুন&lt;/i&gt; চাপুন, অথবা তালিকা থেকে নাম বেছে &lt;i&gt;নির্বাচিত প্রোফাইল লোড করুন&lt;/i&gt; চাপুন। আপনার হৃদয় আর যে আয়াতে ছিলেন তা প্রোফাইলে থাকে; ভার্নেল বন্ধ করার সময় এটি সংরক্ষণ করে, আর ফাইল &amp;gt; প্রোফাইল সংরক্ষণ তখনই সংরক্ষণ করে।</translation>
    </message>
    <message>
        <source>The first time, Varnel asks which &lt;b&gt;sound device&lt;/b&gt; to use. Press &lt;i&gt;Play Test Sound&lt;/i&gt; to check it, then &lt;i&gt;OK&lt;/i&gt;. You can change it later in File &amp;gt; Preferences.</source>
        <translation>প্রথমবার ভার্নেল জানতে চায় কোন &lt;b&gt;শব্দ যন্ত্র&lt;/b&gt; ব্যবহার হবে। যাচাই করতে &lt;i&gt;পরীক্ষার শব্দ বাজান&lt;/i&gt; চাপুন, তারপর &lt;i&gt;ঠিক আছে&lt;/i&gt;। পরে ফাইল &amp;gt; পছন্দসমূহ থেকে বদলাতে পারবেন।</translation>
    </message>
    <message>
        <source>Choose a sura in &lt;b&gt;Choose a sura&lt;/b&gt; at the top. Recitation starts at once, aya by aya.</source>
        <translation>উপরে &lt;b&gt;একটি সূরা বেছে নিন&lt;/b&gt; থেকে সূরা বেছে নিন। তিলাওয়াত সঙ্গে সঙ্গে শুরু হয়, আয়াতের পর আয়াত।</translation>
    </message>
    <message>
        <source>Seeing the aya</source>
        <translation>আয়াত দেখা</translation>
    </message>
    <message>
        <source>The middle of the window shows the Arabic text of the aya being recited. The panel under it shows its translation and, if you wish, its transliteration: use the &lt;b&gt;View&lt;/b&gt; menu to show or hide each. The &lt;b&gt;Language&lt;/b&gt; menu chooses the language of the translation when translation packs are installed. The slider under the panel shows which aya of the sura you are at.</source>
        <translation>জানালার মাঝখানে যে আয়াত তিলাওয়াত হচ্ছে তার আরবি পাঠ দেখা যায়। তার নিচের প্যানেলে অনুবাদ এবং চাইলে প্রতিবর্ণীকরণ দেখা যায়: প্রতিটি দেখাতে বা লুকাতে &lt;b&gt;দৃশ্য&lt;/b&gt; মেনু ব্যবহার করুন। অনুবাদের প্যাক ইনস্টল থাকলে &lt;b&gt;ভাষা&lt;/b&gt; মেনু অনুবাদের ভাষা বাছে। প্যানেলের নিচের স্লাইডার দেখায় আপনি সূরার কোন আয়াতে আছেন।</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>বাজানো</translation>
    </message>
    <message>
        <source>&lt;b&gt;Play Aya&lt;/b&gt; (Space) plays the current aya; &lt;b&gt;Stop Playing&lt;/b&gt; (Space again) stops.</source>
        <translation>&lt;b&gt;আয়াত বাজান&lt;/b&gt; (স্পেস) বর্তমান আয়াত বাজায়; &lt;b&gt;বাজানো থামান&lt;/b&gt; (আবার স্পেস) থামায়।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Previous Aya&lt;/b&gt; (Left arrow) and &lt;b&gt;Next Aya&lt;/b&gt; (Right arrow) move through the sura.</source>
        <translation>&lt;b&gt;আগের আয়াত&lt;/b&gt; (বাম তীর) ও &lt;b&gt;পরের আয়াত&lt;/b&gt; (ডান তীর) সূরার মধ্যে এগোয়-পেছায়।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Repeat&lt;/b&gt;: how many times each aya is recited before the next one.</source>
        <translation>&lt;b&gt;পুনরাবৃত্তি&lt;/b&gt;: পরের আয়াতের আগে প্রতিটি আয়াত কতবার তিলাওয়াত হবে।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause (secs)&lt;/b&gt;: a silence after each recitation of an aya, time for you to repeat it aloud. 0 means no pause.</source>
        <translation>&lt;b&gt;বিরতি (সেকেন্ড)&lt;/b&gt;: আয়াতের প্রতিটি তিলাওয়াতের পর নীরবতা, আপনি যেন জোরে পুনরায় বলতে পারেন। 0 মানে কোনো বিরতি নেই।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aya Range Settings&lt;/b&gt;: tick the box, then set &lt;b&gt;FROM&lt;/b&gt; and &lt;b&gt;TO&lt;/b&gt; to work on part of a sura.</source>
        <translation>&lt;b&gt;আয়াতের পরিসরের সেটিংস&lt;/b&gt;: বাক্সে টিক দিন, তারপর সূরার একাংশে কাজ করতে &lt;b&gt;থেকে&lt;/b&gt; ও &lt;b&gt;পর্যন্ত&lt;/b&gt; ঠিক করুন।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loop Sura&lt;/b&gt;: start again at the first aya after the last.</source>
        <translation>&lt;b&gt;সূরা লুপ করুন&lt;/b&gt;: শেষ আয়াতের পর আবার প্রথম আয়াত থেকে শুরু।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Stack Ayas&lt;/b&gt;: the stack drill. Varnel recites the first aya, then the first two, then the first three, and so on until the whole range is recited in one go. Press Play Aya to begin.</source>
        <translation>&lt;b&gt;আয়াত স্তূপ করুন&lt;/b&gt;: স্তূপ অনুশীলন। ভার্নেল প্রথম আয়াত, তারপর প্রথম দুটি, তারপর প্রথম তিনটি তিলাওয়াত করে, এভাবে পুরো পরিসর একবারে তিলাওয়াত না হওয়া পর্যন্ত। শুরু করতে আয়াত বাজান চাপুন।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sura Playback Progress&lt;/b&gt; shows how far through the sura (or the drill) you are.</source>
        <translation>&lt;b&gt;সূরা বাজানোর অগ্রগতি&lt;/b&gt; দেখায় আপনি সূরার (বা অনুশীলনের) কতদূর এসেছেন।</translation>
    </message>
    <message>
        <source>Single Aya Mode: learning one aya in parts</source>
        <translation>একক আয়াত মোড: একটি আয়াত অংশে অংশে শেখা</translation>
    </message>
    <message>
        <source>Tick &lt;b&gt;Single Aya Mode&lt;/b&gt; to work on one long aya a part at a time. A row of controls appears:</source>
        <translation>একটি দীর্ঘ আয়াতে অংশে অংশে কাজ করতে &lt;b&gt;একক আয়াত মোড&lt;/b&gt;-এ টিক দিন। এক সারি নিয়ন্ত্রণ দেখা দেয়:</translation>
    </message>
    <message>
        <source>The slider shows where the recitation is. Drag it to jump.</source>
        <translation>স্লাইডার দেখায় তিলাওয়াত কোথায়। লাফাতে এটি টানুন।</translation>
    </message>
    <message>
        <source>The &lt;b&gt;start&lt;/b&gt; button (a bar with a green arrow) takes the slider's position as the start of the part; the &lt;b&gt;end&lt;/b&gt; button takes it as the end. You can also type the start and end in milliseconds.</source>
        <translation>&lt;b&gt;শুরু&lt;/b&gt; বোতাম (সবুজ তীরসহ দাগ) স্লাইডারের অবস্থানকে অংশের শুরু করে; &lt;b&gt;শেষ&lt;/b&gt; বোতাম তাকে শেষ করে। শুরু ও শেষ মিলিসেকেন্ডে লিখেও দিতে পারেন।</translation>
    </message>
    <message>
        <source>The &lt;b&gt;repeat-play&lt;/b&gt; button (Space) plays the part again and again, with your pause between; the &lt;b&gt;stop&lt;/b&gt; button (Space) stops it.</source>
        <translation>&lt;b&gt;বারবার বাজান&lt;/b&gt; বোতাম (স্পেস) অংশটি বারবার বাজায়, মাঝে আপনার বিরতি রেখে; &lt;b&gt;থামান&lt;/b&gt; বোতাম (স্পেস) থামায়।</translation>
    </message>
    <message>
        <source>The arrow buttons (Left and Right arrows) move to the previous and next aya; the part becomes the whole aya again.</source>
        <translation>তীর বোতামগুলো (বাম ও ডান তীর) আগের ও পরের আয়াতে যায়; অংশটি আবার পুরো আয়াত হয়ে যায়।</translation>
    </message>
    <message>
        <source>Your heart</source>
        <translation>আপনার হৃদয়</translation>
    </message>
    <message>
        <source>To add the aya you see, drag the aya picture onto the heart.</source>
        <translation>যে আয়াত দেখছেন তা যোগ করতে আয়াতের ছবি হৃদয়ে টেনে আনুন।</translation>
    </message>
    <message>
        <source>To add a whole sura, drag the heart picture next to the sura chooser onto the heart.</source>
        <translation>পুরো সূরা যোগ করতে সূরা বাছাইয়ের পাশের হৃদয়ের ছবি হৃদয়ে টেনে আনুন।</translation>
    </message>
    <message>
        <source>Each sura shows a heart that fills as you learn more of it. The red bar at the top shows how many ayas of all installed suras are in your heart.</source>
        <translation>প্রতিটি সূরা একটি হৃদয় দেখায় যা আপনি যত শেখেন তত ভরে ওঠে। উপরের লাল দণ্ড দেখায় ইনস্টল করা সব সূরার কতগুলো আয়াত আপনার হৃদয়ে আছে।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Close Completed Suras&lt;/b&gt; folds the suras you know completely.</source>
        <translation>&lt;b&gt;সম্পূর্ণ সূরাগুলো গুটিয়ে রাখুন&lt;/b&gt; পুরোপুরি জানা সূরাগুলো গুটিয়ে রাখে।</translation>
    </message>
    <message>
        <source>Double-click an aya in your heart to go to it and recite from there.</source>
        <translation>হৃদয়ে কোনো আয়াতে দুবার ক্লিক করুন, সেখানে গিয়ে সেখান থেকে তিলাওয়াত হবে।</translation>
    </message>
    <message>
        <source>Right-click an aya or a sura and choose &lt;i&gt;Remove&lt;/i&gt; to take it out of your heart.</source>
        <translation>কোনো আয়াত বা সূরায় ডান-ক্লিক করে &lt;i&gt;সরান&lt;/i&gt; বেছে নিন, তা হৃদয় থেকে বেরিয়ে যাবে।</translation>
    </message>
    <message>
        <source>Practice: testing yourself</source>
        <translation>অনুশীলন: নিজেকে যাচাই</translation>
    </message>
    <message>
        <source>View &amp;gt; Practice &amp;gt; &lt;b&gt;Hide the aya&lt;/b&gt; (H) covers the aya's picture, and &lt;b&gt;Hide the translation&lt;/b&gt; covers its translation. Each new aya starts hidden again.</source>
        <translation>দৃশ্য &amp;gt; অনুশীলন &amp;gt; &lt;b&gt;আয়াত লুকান&lt;/b&gt; (H) আয়াতের ছবি ঢেকে দেয়, আর &lt;b&gt;অনুবাদ লুকান&lt;/b&gt; তার অনুবাদ ঢাকে। প্রতিটি নতুন আয়াত আবার লুকানো অবস্থায় শুরু হয়।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Test me&lt;/b&gt;, beside Pause in: the aya is hidden during each pause while you recite it from memory, and shown again when the pause ends. Set a pause for it to have a pause to work in.</source>
        <translation>&lt;b&gt;আমাকে পরীক্ষা করুন&lt;/b&gt;, বিরতির এককের পাশে: আপনি মুখস্থ থেকে তিলাওয়াত করার সময় প্রতিটি বিরতিতে আয়াত লুকানো থাকে, আর বিরতি শেষ হলে আবার দেখা যায়। এটি কাজ করতে একটি বিরতি দিন।</translation>
    </message>
    <message>
        <source>Pauses that fit the aya</source>
        <translation>আয়াতের মাপে বিরতি</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause in&lt;/b&gt; chooses how pauses are measured: in &lt;i&gt;seconds&lt;/i&gt; (the Pause box), or in &lt;i&gt;&amp;times; aya length&lt;/i&gt;, a multiple from 0.5 to 3.0 of the aya just heard (or of the part, in Single Aya Mode). A long aya then gets a long pause, a short one a short pause. A change of repeat, pause or speed while Varnel recites applies from the next repetition or the next aya.</source>
        <translation>&lt;b&gt;বিরতির একক&lt;/b&gt; বাছে বিরতি কীভাবে মাপা হবে: &lt;i&gt;সেকেন্ডে&lt;/i&gt; (বিরতির বাক্স), অথবা &lt;i&gt;&amp;times; আয়াতের দৈর্ঘ্য&lt;/i&gt;-এ, অর্থাৎ সদ্য শোনা আয়াতের (বা একক আয়াত মোডে অংশের) 0.5 থেকে 3.0 গুণ। ফলে দীর্ঘ আয়াত দীর্ঘ বিরতি পায়, ছোটটি ছোট। ভার্নেল তিলাওয়াত করার সময় পুনরাবৃত্তি, বিরতি বা গতির পরিবর্তন পরের পুনরাবৃত্তি বা পরের আয়াত থেকে কার্যকর হয়।</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>গতি</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Speed&lt;/b&gt; box (or View &amp;gt; Practice &amp;gt; Slower and Faster, the keys [ and ]) plays the recitation from 0.5&amp;times; to 1.5&amp;times; with its pitch kept. Positions, ranges and the single-aya marks stay in the recording's own time.</source>
        <translation>&lt;b&gt;গতি&lt;/b&gt; বাক্স (বা দৃশ্য &amp;gt; অনুশীলন &amp;gt; ধীরে ও দ্রুত, [ ও ] কী) তিলাওয়াত 0.5&amp;times; থেকে 1.5&amp;times; পর্যন্ত বাজায়, স্বরের উচ্চতা একই রেখে। অবস্থান, পরিসর ও একক আয়াতের চিহ্ন রেকর্ডিংয়ের নিজের সময়েই থাকে।</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>পড়া</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom the aya's picture; Ctrl+0 (View &amp;gt; Fit to Width) fits it to the width. The line of text stays in view, and the zoom is kept for next time.</source>
        <translation>Ctrl+চাকা, Ctrl+যোগ ও Ctrl+বিয়োগ আয়াতের ছবি বড়-ছোট করে; Ctrl+0 (দৃশ্য &amp;gt; প্রস্থে মানান) প্রস্থে মানিয়ে দেয়। লেখার লাইন দৃষ্টিতে থাকে, আর জুম পরের বারের জন্য রাখা হয়।</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Night Reading&lt;/b&gt;: a dark page with light text and the aya as light ink.</source>
        <translation>দৃশ্য &amp;gt; &lt;b&gt;রাতের পাঠ&lt;/b&gt;: হালকা লেখাসহ গাঢ় পাতা আর হালকা কালিতে আয়াত।</translation>
    </message>
    <message>
        <source>Review: keeping what you know</source>
        <translation>পুনরাবৃত্তি: যা জানেন তা ধরে রাখা</translation>
    </message>
    <message>
        <source>Choose an item and press &lt;b&gt;Review now&lt;/b&gt;: Varnel plays it once through, each aya once, with no repeat or pause.</source>
        <translation>একটি বিষয় বেছে &lt;b&gt;এখন পুনরাবৃত্তি করুন&lt;/b&gt; চাপুন: ভার্নেল তা একবার বাজায়, প্রতিটি আয়াত একবার, পুনরাবৃত্তি বা বিরতি ছাড়া।</translation>
    </message>
    <message>
        <source>Then grade how well you knew it: &lt;b&gt;Again&lt;/b&gt; (1) if you forgot it, &lt;b&gt;Hard&lt;/b&gt; (2), &lt;b&gt;Good&lt;/b&gt; (3) or &lt;b&gt;Easy&lt;/b&gt; (4). The panel says when that item comes back; a well-known sura comes back later and later, a forgotten one soon.</source>
        <translation>তারপর কতটা জানতেন তার মান দিন: ভুলে গেলে &lt;b&gt;আবার&lt;/b&gt; (1), &lt;b&gt;কঠিন&lt;/b&gt; (2), &lt;b&gt;ভালো&lt;/b&gt; (3) বা &lt;b&gt;সহজ&lt;/b&gt; (4)। প্যানেল বলে বিষয়টি কবে ফিরবে; ভালো জানা সূরা ক্রমে দেরিতে ফেরে, ভুলে যাওয়াটি শিগগির।</translation>
    </message>
    <message>
        <source>Suras due today have a small orange mark in your heart. The calendar shows your reviews of the last twelve weeks.</source>
        <translation>আজ বাকি সূরাগুলোর আপনার হৃদয়ে একটি ছোট কমলা চিহ্ন থাকে। ক্যালেন্ডার গত বারো সপ্তাহের পুনরাবৃত্তি দেখায়।</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>কী</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; plays and stops, except on a focused button or check box (which Space presses) and in a field where you type text.</source>
        <translation>&lt;b&gt;স্পেস&lt;/b&gt; বাজায় ও থামায়, তবে ফোকাসে থাকা বোতাম বা চেক বক্সে (যা স্পেস চাপে) এবং যেখানে লেখা টাইপ করেন সেই ঘরে নয়।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; go to the previous and next aya, except in number and text fields, on sliders and in the heart, which use them themselves.</source>
        <translation>&lt;b&gt;বাম&lt;/b&gt; ও &lt;b&gt;ডান&lt;/b&gt; আগের ও পরের আয়াতে যায়, তবে সংখ্যা ও লেখার ঘরে, স্লাইডারে এবং হৃদয়ে নয়, যারা এগুলো নিজেরাই ব্যবহার করে।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Space&lt;/b&gt;, &lt;b&gt;Ctrl+Left&lt;/b&gt;, &lt;b&gt;Ctrl+Right&lt;/b&gt; and the media keys work wherever you are.</source>
        <translation>&lt;b&gt;Ctrl+স্পেস&lt;/b&gt;, &lt;b&gt;Ctrl+বাম&lt;/b&gt;, &lt;b&gt;Ctrl+ডান&lt;/b&gt; ও মিডিয়া কী যেখানেই থাকুন কাজ করে।</translation>
    </message>
    <message>
        <source>&lt;b&gt;H&lt;/b&gt; hides the aya, &lt;b&gt;R&lt;/b&gt; reveals it, &lt;b&gt;[&lt;/b&gt; and &lt;b&gt;]&lt;/b&gt; change the speed, &lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt; grade a review.</source>
        <translation>&lt;b&gt;H&lt;/b&gt; আয়াত লুকায়, &lt;b&gt;R&lt;/b&gt; প্রকাশ করে, &lt;b&gt;[&lt;/b&gt; ও &lt;b&gt;]&lt;/b&gt; গতি বদলায়, &lt;b&gt;1&lt;/b&gt; থেকে &lt;b&gt;4&lt;/b&gt; পুনরাবৃত্তির মান দেয়।</translation>
    </message>
    <message>
        <source>Tab moves between the controls; every control can be reached and used without a mouse.</source>
        <translation>Tab নিয়ন্ত্রণগুলোর মধ্যে যায়; প্রতিটি নিয়ন্ত্রণ মাউস ছাড়াই পৌঁছানো ও ব্যবহার করা যায়।</translation>
    </message>
    <message>
        <source>Recitors</source>
        <translation>কারীগণ</translation>
    </message>
    <message>
        <source>When more than one recitation of a sura pack is installed, Recitor &amp;gt; Config Recitor chooses, for each pack, whose recitation you hear. A recitation you choose there is heard for every sura of its pack, even where another pack covers the same suras.</source>
        <translation>কোনো সূরা প্যাকের একাধিক তিলাওয়াত ইনস্টল থাকলে কারী &amp;gt; কারী নির্ধারণ প্রতিটি প্যাকের জন্য বাছে আপনি কার তিলাওয়াত শুনবেন। সেখানে বাছা তিলাওয়াত তার প্যাকের প্রতিটি সূরায় শোনা যায়, এমনকি অন্য প্যাক একই সূরা ধারণ করলেও।</translation>
    </message>
    <message>
        <source>Sura packs</source>
        <translation>সূরা প্যাক</translation>
    </message>
    <message>
        <source>Varnel reads the Quran's text, pictures and recitations from sura packs in the &lt;tt&gt;quran&lt;/tt&gt; folder. Without them there is nothing to choose in the sura chooser.</source>
        <translation>ভার্নেল কুরআনের পাঠ, ছবি ও তিলাওয়াত &lt;tt&gt;quran&lt;/tt&gt; ফোল্ডারের সূরা প্যাক থেকে পড়ে। এগুলো ছাড়া সূরা বাছাইয়ে বাছার কিছু থাকে না।</translation>
    </message>
    <message>
        <source>Varnel helps you memorise suras of the Quran by ear and by sight: it shows each aya as a picture of its Arabic text with its translation and transliteration, and plays the recitation aya by aya with repeats, pauses, ranges, loops, the stack drill and the single-aya drill.</source>
        <translation>ভার্নেল আপনাকে শুনে ও দেখে কুরআনের সূরা মুখস্থ করতে সাহায্য করে: এটি প্রতিটি আয়াত তার আরবি পাঠের ছবি হিসেবে অনুবাদ ও প্রতিবর্ণীকরণসহ দেখায়, এবং পুনরাবৃত্তি, বিরতি, পরিসর, লুপ, স্তূপ অনুশীলন ও একক আয়াত অনুশীলনসহ আয়াতের পর আয়াত তিলাওয়াত বাজায়।</translation>
    </message>
    <message>
        <source>Varnel holds no Quran content of its own beyond a table of the 114 suras. The pictures, recitations and texts come in &lt;b&gt;sura packs&lt;/b&gt; (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) in the &lt;tt&gt;quran&lt;/tt&gt; folder of Varnel's working folder; more recitations go into &lt;tt&gt;quran/extra&lt;/tt&gt;, more translations into &lt;tt&gt;quran/lang&lt;/tt&gt;. The Debian package &lt;b&gt;varnel-data&lt;/b&gt; brings the demo packs (Al-Fatiha and Juz' Amma with nine translations), read where they are installed; make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</source>
        <translation>১১৪টি সূরার একটি সারণি ছাড়া ভার্নেলের নিজের কোনো কুরআন বিষয়বস্তু নেই। ছবি, তিলাওয়াত ও পাঠ আসে &lt;b&gt;সূরা প্যাকে&lt;/b&gt; (&lt;tt&gt;.dat&lt;/tt&gt;-এ শেষ হওয়া ফাইল), ভার্নেলের কাজের ফোল্ডারের &lt;tt&gt;quran&lt;/tt&gt; ফোল্ডারে; আরও তিলাওয়াত যায় &lt;tt&gt;quran/extra&lt;/tt&gt;-তে, আরও অনুবাদ &lt;tt&gt;quran/lang&lt;/tt&gt;-এ। ডেবিয়ান প্যাকেজ &lt;b&gt;varnel-data&lt;/b&gt; নমুনা প্যাক আনে (আল-ফাতিহা ও আম্মা পারা নয়টি অনুবাদসহ), যা ইনস্টলের জায়গা থেকেই পড়া হয়; নিজের রেকর্ডিং থেকে &lt;tt&gt;varnel-pack import&lt;/tt&gt; দিয়ে প্যাক বানান।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sources.&lt;/b&gt; The demo content's Arabic text, translations and transliteration come from the quran-json package (CC-BY-4.0), which takes the Arabic text from the Tanzil project; its recitations are synthetic speech made with espeak-ng, no human recitation. The Arabic is drawn with the Amiri Quran font by Khaled Hosny (SIL Open Font License).</source>
        <translation>&lt;b&gt;উৎস।&lt;/b&gt; নমুনা বিষয়বস্তুর আরবি পাঠ, অনুবাদ ও প্রতিবর্ণীকরণ quran-json প্যাকেজ (CC-BY-4.0) থেকে, যা আরবি পাঠ তানজিল প্রকল্প থেকে নেয়; এর তিলাওয়াত espeak-ng দিয়ে তৈরি কৃত্রিম কণ্ঠ, মানুষের তিলাওয়াত নয়। আরবি লেখা হয়েছে খালেদ হোসনির Amiri Quran ফন্টে (SIL Open Font License)।</translation>
    </message>
    <message>
        <source>It seems you downloaded only the main program&lt;br&gt;and you don't have any sura packs installed!&lt;br&gt;&lt;br&gt;Sura packs (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) go in this folder:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;To get some:&lt;br&gt;&amp;bull; install the &lt;b&gt;varnel-data&lt;/b&gt; package (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Al-Fatiha and Juz' Amma with translations, found where they are installed;&lt;br&gt;&amp;bull; or make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt; (see &lt;tt&gt;man varnel-pack&lt;/tt&gt;), then start Varnel again.</source>
        <translation>মনে হচ্ছে আপনি শুধু মূল প্রোগ্রামটি নামিয়েছেন&lt;br&gt;এবং কোনো সূরা প্যাক ইনস্টল করা নেই!&lt;br&gt;&lt;br&gt;সূরা প্যাক (&lt;tt&gt;.dat&lt;/tt&gt;-এ শেষ হওয়া ফাইল) এই ফোল্ডারে যায়:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;কিছু পেতে:&lt;br&gt;&amp;bull; &lt;b&gt;varnel-data&lt;/b&gt; প্যাকেজ ইনস্টল করুন (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): আল-ফাতিহা ও আম্মা পারা অনুবাদসহ, ইনস্টলের জায়গা থেকেই পড়া হয়;&lt;br&gt;&amp;bull; অথবা নিজের রেকর্ডিং থেকে &lt;tt&gt;varnel-pack import&lt;/tt&gt; দিয়ে প্যাক বানান (দেখুন &lt;tt&gt;man varnel-pack&lt;/tt&gt;), তারপর ভার্নেল আবার চালু করুন।</translation>
    </message>
    <message>
        <source>Varnel Help</source>
        <translation>ভার্নেল সাহায্য</translation>
    </message>
    <message>
        <source>The window and its panels</source>
        <translation>জানালা ও তার প্যানেলগুলো</translation>
    </message>
    <message>
        <source>The aya fills the middle of the window: its picture, and under it the translation panel. Right under them are the buttons that play, stop and move between ayas, the aya slider and a line that says where you are.</source>
        <translation>আয়াতটি জানালার মাঝখান ভরে রাখে: তার ছবি, আর তার নিচে অনুবাদের প্যানেল। ঠিক এদের নিচে চালানো, থামানো ও আয়াতগুলোর মধ্যে যাওয়ার বোতাম, আয়াতের স্লাইডার এবং আপনি কোথায় আছেন তা জানানো একটি লাইন।</translation>
    </message>
    <message>
        <source>Beside the aya stand the panels. &lt;b&gt;Heart&lt;/b&gt;, &lt;b&gt;Review&lt;/b&gt; and &lt;b&gt;My Recitation&lt;/b&gt; share one place as tabs; &lt;b&gt;Recitation Settings&lt;/b&gt; holds the repeat, pause, range, loop, stack and practice settings. Drag a panel by its title to move it or to let it float, and close what you do not need: the &lt;b&gt;View&lt;/b&gt; menu shows each panel again, and View &amp;gt; Reset Layout brings back the first arrangement. Varnel remembers the window and its panels on this computer.</source>
        <translation>আয়াতের পাশে প্যানেলগুলো থাকে। &lt;b&gt;হৃদয়&lt;/b&gt;, &lt;b&gt;পুনরাবৃত্তি&lt;/b&gt; ও &lt;b&gt;আমার তিলাওয়াত&lt;/b&gt; ট্যাব হিসেবে একই জায়গা ভাগ করে; &lt;b&gt;তিলাওয়াতের সেটিংস&lt;/b&gt;-এ থাকে পুনরাবৃত্তি, বিরতি, পরিসর, লুপ, স্ট্যাক ও অনুশীলনের সেটিংস। কোনো প্যানেল সরাতে বা আলাদা করে ভাসাতে তার শিরোনাম ধরে টানুন, আর যা দরকার নেই তা বন্ধ করুন: &lt;b&gt;দৃশ্য&lt;/b&gt; মেনু প্রতিটি প্যানেল আবার দেখায়, আর দৃশ্য &amp;gt; বিন্যাস আগের মতো প্রথম বিন্যাস ফিরিয়ে আনে। ভার্নেল এই কম্পিউটারে জানালা ও তার প্যানেলগুলো মনে রাখে।</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Heart&lt;/b&gt; panel is your heart: the ayas you know.</source>
        <translation>&lt;b&gt;হৃদয়&lt;/b&gt; প্যানেলটি আপনার হৃদয়: যে আয়াতগুলো আপনি জানেন।</translation>
    </message>
    <message>
        <source>Every sura in your heart (a part of 20 ayas, for suras longer than 40) comes up for review the day after you learn it. The &lt;b&gt;Review&lt;/b&gt; panel beside the heart lists what is due today, the most overdue first, with the day of its last review and your chance of recalling it today. View &amp;gt; Review Panel shows or hides it.</source>
        <translation>আপনার হৃদয়ের প্রতিটি সূরা (40-এর বেশি আয়াতের সূরায় 20 আয়াতের একটি অংশ) শেখার পরের দিন পুনরাবৃত্তির জন্য আসে। হৃদয়ের পাশের &lt;b&gt;পুনরাবৃত্তি&lt;/b&gt; প্যানেল আজ যা বাকি তার তালিকা দেয়, সবচেয়ে বিলম্বিতটি আগে, শেষ পুনরাবৃত্তির দিন ও আজ মনে রাখার সম্ভাবনাসহ। দৃশ্য &amp;gt; পুনরাবৃত্তি প্যানেল এটি দেখায় বা লুকায়।</translation>
    </message>
    <message>
        <source>Passages: pages, juz and hizb</source>
        <translation>অংশ: পৃষ্ঠা, পারা ও হিজব</translation>
    </message>
    <message>
        <source>Beside the sura chooser, choose Page, Juz, Hizb or Quarter of the Madinah mushaf and its number, then press &lt;b&gt;Play Passage&lt;/b&gt; (or Return): every drill plays the passage across its suras. &lt;b&gt;Times&lt;/b&gt; plays it that many times. View &amp;gt; Practice &amp;gt; Add Passage to Heart puts all its ayas in your heart, and the cells under the heart's bar fill juz by juz. The Review panel can review by suras or by pages.</source>
        <translation>সূরা বাছাইয়ের পাশে মদিনা মুসহাফের পৃষ্ঠা, পারা, হিজব বা চতুর্থাংশ ও তার নম্বর বেছে নিন, তারপর &lt;b&gt;অংশ চালান&lt;/b&gt; (বা Return) চাপুন: প্রতিটি অনুশীলন অংশটি তার সূরাগুলো জুড়ে চালায়। &lt;b&gt;বার&lt;/b&gt; এটি ততবার চালায়। দৃশ্য &amp;gt; অনুশীলন &amp;gt; অংশ হৃদয়ে যোগ করুন এর সব আয়াত আপনার হৃদয়ে রাখে, আর হৃদয়ের বারের নিচের ঘরগুলো পারা ধরে ভরে। পুনরাবৃত্তি প্যানেল সূরা বা পৃষ্ঠা ধরে পুনরাবৃত্তি করাতে পারে।</translation>
    </message>
    <message>
        <source>Reciting and listening back</source>
        <translation>তিলাওয়াত ও ফিরে শোনা</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;My Recitation&lt;/b&gt; panel, Record (View &amp;gt; Practice &amp;gt; Record My Recitation, Ctrl+R) records you reciting the aya shown; Play Mine plays it back; Compare with the Reciter plays the reciter and then you, with both waveforms; Delete removes your recordings after asking.</source>
        <translation>&lt;b&gt;আমার তিলাওয়াত&lt;/b&gt; প্যানেলে, রেকর্ড (দৃশ্য &amp;gt; অনুশীলন &amp;gt; আমার তিলাওয়াত রেকর্ড করুন, Ctrl+R) দেখানো আয়াত পড়ার সময় আপনাকে রেকর্ড করে; আমারটা চালান তা আবার শোনায়; কারীর সাথে তুলনা আগে কারী তারপর আপনাকে, দুই তরঙ্গরূপসহ, শোনায়; মুছুন জিজ্ঞেস করে আপনার রেকর্ডিং সরায়।</translation>
    </message>
    <message>
        <source>File &amp;gt; Import Recordings turns a folder of your own recordings into a recitation you can choose; Recitor &amp;gt; Installed Packs lists every pack and recitation, where it lives and which is chosen, and removes a recitation you imported.</source>
        <translation>ফাইল &amp;gt; রেকর্ডিং আমদানি আপনার নিজের রেকর্ডিংয়ের ফোল্ডারকে একটি তিলাওয়াত বানায় যা আপনি বেছে নিতে পারেন; কারী &amp;gt; ইনস্টল করা প্যাক প্রতিটি প্যাক ও তিলাওয়াত, তার জায়গা ও কোনটি বাছাই করা তা দেখায়, এবং আপনার আমদানি করা তিলাওয়াত সরায়।</translation>
    </message>
    <message>
        <source>More of the menus</source>
        <translation>মেনুর আরও কথা</translation>
    </message>
    <message>
        <source>File &amp;gt; New/Load Profile changes the learner; File &amp;gt; Exit ends Varnel and saves your profile.</source>
        <translation>ফাইল &amp;gt; নতুন/প্রোফাইল খুলুন শিক্ষার্থী বদলায়; ফাইল &amp;gt; প্রস্থান ভার্নেল বন্ধ করে এবং আপনার প্রোফাইল সংরক্ষণ করে।</translation>
    </message>
    <message>
        <source>View &amp;gt; Show Transliteration and Hide Translation show or hide each text; Zoom In and Zoom Out make the aya's picture larger or smaller.</source>
        <translation>দৃশ্য &amp;gt; প্রতিবর্ণীকরণ দেখান ও অনুবাদ লুকান প্রতিটি লেখা দেখায় বা লুকায়; বড় করুন ও ছোট করুন আয়াতের ছবি বড় বা ছোট করে।</translation>
    </message>
    <message>
        <source>Where the pitch of both voices can be followed, a line over each waveform traces its melody, yours on the reciter's time, so that you can follow the reciter's.</source>
        <translation>যেখানে দুই কণ্ঠের সুর অনুসরণ করা যায়, প্রতিটি তরঙ্গের ওপর একটি রেখা তার সুর আঁকে, আপনারটি ক্বারির সময়ে, যাতে আপনি ক্বারির সুর অনুসরণ করতে পারেন।</translation>
    </message>
    <message>
        <source>Check (View &amp;gt; Practice &amp;gt; Check My Recitation) compares your recording of the aya shown with the reciter's, and each take is checked at once: the verdict (match, partial or different) is written under the waveforms when it is ready, and what you left out, added or said differently is marked on them. When your packs hold an aya that differs from this one by a word or two and your recording sounds like it, the verdict names it. It checks the words and their order, not tajweed.</source>
        <translation>যাচাই (দেখুন &amp;gt; অনুশীলন &amp;gt; আমার তিলাওয়াত যাচাই) দেখানো আয়াতের আপনার রেকর্ডিং কারীর তিলাওয়াতের সাথে মেলায়, আর প্রতিটি রেকর্ডিং সঙ্গে সঙ্গে যাচাই হয়: ফল (মিলেছে, আংশিক বা ভিন্ন) প্রস্তুত হলে তরঙ্গরূপের নিচে লেখা হয়, আর আপনি যা বাদ দিয়েছেন, যোগ করেছেন বা ভিন্নভাবে পড়েছেন তা সেখানে চিহ্নিত হয়। আপনার প্যাকে যদি এমন আয়াত থাকে যা এটির থেকে এক-দুই শব্দে আলাদা এবং আপনার রেকর্ডিং সেটির মতো শোনায়, ফল সেটির নাম বলে। এটি শব্দ ও তাদের ক্রম যাচাই করে, তাজবিদ নয়।</translation>
    </message>
    <message>
        <source>With View &amp;gt; Practice &amp;gt; &lt;b&gt;Snap the Part to Words&lt;/b&gt; (on at first), the start and end buttons take the start and the end of the word the slider stands in, so that a part never begins or ends inside a word.</source>
        <translation>দেখুন &amp;gt; অনুশীলন &amp;gt; &lt;b&gt;অংশকে শব্দে মেলান&lt;/b&gt; (শুরুতে চালু) থাকলে শুরু ও শেষ বোতাম স্লাইডার যে শব্দে দাঁড়িয়ে তার শুরু ও শেষ নেয়, যাতে কোনো অংশ কখনো শব্দের মাঝখানে শুরু বা শেষ না হয়।</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reveal&lt;/b&gt; (R) uncovers the picture a word at a time, from the right, where an Arabic line begins (a fifth at a time where the pack does not tell the aya's words). A click on the covered picture uncovers all of it.</source>
        <translation>&lt;b&gt;প্রকাশ&lt;/b&gt; (R) ছবিটি একবারে একটি শব্দ করে খোলে, ডান দিক থেকে, যেখানে আরবি লাইন শুরু হয় (প্যাক আয়াতের শব্দগুলো না জানালে একবারে এক-পঞ্চমাংশ)। ঢাকা ছবিতে একটি ক্লিক সবটা খুলে দেয়।</translation>
    </message>
    <message>
        <source>Hear Left Out then plays the reciter saying just what the check found you left out or said differently, one part at each press. Where the pack tells the aya's words, the verdict names them ("Left out: ... (word 4)") and they are framed on the picture.</source>
        <translation>তারপর «বাদ পড়া শুনুন» কারীকে কেবল সেটুকু বলতে শোনায় যা যাচাই অনুযায়ী আপনি বাদ দিয়েছেন বা ভিন্নভাবে বলেছেন, প্রতি চাপে একটি অংশ। প্যাক আয়াতের শব্দ জানালে রায় সেগুলোর নাম বলে («বাদ পড়েছে: ... (শব্দ ৪)») এবং ছবিতে সেগুলো ফ্রেমে ঘেরা হয়।</translation>
    </message>
    <message>
        <source>A new take keeps the one it replaces as your previous take: Delete &amp;gt; &lt;b&gt;Bring Back My Previous Take&lt;/b&gt; brings it back (and keeps the newer one as the previous), so a worse take never loses a good one.</source>
        <translation>নতুন রেকর্ডিং যেটির জায়গা নেয় সেটিকে আপনার আগের রেকর্ডিং হিসেবে রাখে: মুছুন &amp;gt; &lt;b&gt;আমার আগের রেকর্ডিং ফিরিয়ে আনুন&lt;/b&gt; সেটি ফিরিয়ে আনে (এবং নতুনটিকে আগেরটি হিসেবে রাখে), তাই খারাপ রেকর্ডিং কখনো ভালোটিকে হারায় না।</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Mark the Heard Word&lt;/b&gt; (on at first): while the reciter plays, the word being said is tinted and underlined on the picture. A click on a word plays the aya from that word, and so do the keys 1 to 9 for the first nine words when the picture has the focus. Packs made by varnel-demo and by Import Recordings tell each aya's words.</source>
        <translation>দেখুন &amp;gt; &lt;b&gt;শোনা শব্দ চিহ্নিত করুন&lt;/b&gt; (শুরুতে চালু): কারী তিলাওয়াত করার সময় যে শব্দটি বলা হচ্ছে তা ছবিতে রঙিন ও নিচে দাগ দেওয়া হয়। কোনো শব্দে ক্লিক করলে আয়াতটি সেই শব্দ থেকে বাজে। varnel-demo ও রেকর্ডিং আমদানি দিয়ে তৈরি প্যাক প্রতিটি আয়াতের শব্দ জানায়। ছবিতে ফোকাস থাকলে ১ থেকে ৯ কী প্রথম নয়টি শব্দের জন্য একই কাজ করে।</translation>
    </message>
    <message>
        <source>View &amp;gt; Interface Language chooses the language of Varnel's own words: the window, its panels and its dialogs speak it at once, and at every start after. Help &amp;gt; About tells which Varnel this is.</source>
        <translation>দৃশ্য &amp;gt; ইন্টারফেসের ভাষা ভার্নেলের নিজের কথার ভাষা বেছে নেয়: উইন্ডো, এর প্যানেল ও ডায়ালগগুলো সঙ্গে সঙ্গেই সেই ভাষায় কথা বলে, এবং পরের প্রতিবার চালু হলেও। সাহায্য &amp;gt; পরিচিতি জানায় এটি কোন ভার্নেল।</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. Built on Qt, OpenAL Soft, libsndfile and SoundTouch.</source>
        <translation>GNU জেনারেল পাবলিক লাইসেন্স, সংস্করণ 3 বা পরবর্তী, এর অধীনে মুক্ত সফটওয়্যার। Qt, OpenAL Soft, libsndfile ও SoundTouch-এর ওপর নির্মিত।</translation>
    </message>
</context>
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>হৃদয়ে মুখস্থ সূরাসমূহ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>সরান</translation>
    </message>
    <message>
        <source>You recorded this aya</source>
        <translation>আপনি এই আয়াত রেকর্ড করেছেন</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>রেকর্ড করা</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>পুনরাবৃত্তির সময় হয়েছে</translation>
    </message>
    <message>
        <source>You recorded this aya, and its last check matched the reciter</source>
        <translation>আপনি এই আয়াত রেকর্ড করেছেন, এবং এর শেষ যাচাই কারীর সাথে মিলেছে</translation>
    </message>
    <message>
        <source>recorded, checked: match</source>
        <translation>রেকর্ড করা, যাচাই: মিলেছে</translation>
    </message>
</context>
<context>
    <name>HeartPanel</name>
    <message>
        <source>My Heart</source>
        <translation>আমার হৃদয়</translation>
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
        <source>%1 of the %2 ayas of the installed suras; %3 more from suras not installed</source>
        <translation>ইনস্টল করা সূরাগুলোর %2টি আয়াতের মধ্যে %1টি; ইনস্টল না থাকা সূরা থেকে আরও %3টি</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras</source>
        <translation>ইনস্টল করা সূরাগুলোর %2টি আয়াতের মধ্যে %1টি</translation>
    </message>
    <message>
        <source>%1's Heart</source>
        <translation>%1-এর হৃদয়</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Recordings</source>
        <translation>রেকর্ডিং আমদানি</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>আপনার রেকর্ডিং, প্রতি আয়াতে SSSAAA নামের একটি ফাইল (001001.mp3 মানে 1:1; MP3, Ogg, FLAC বা WAV), একটি তিলাওয়াত হয় যা আপনি বেছে নিতে পারেন। আরবি পাঠ ছাড়া এগুলো আপনার বিদ্যমান প্যাকের সাথে যুক্ত হয়, যা ছবি ও পাঠ দেখায়; পাঠসহ (প্রতি লাইনে "সূরা|আয়াত|পাঠ" একটি তানজিল ফাইল, বা quran-json প্যাকেজের ফোল্ডার) এগুলো নিজস্ব সূরা প্যাক হয়।</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>রেকর্ডিংয়ের ফোল্ডার:</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>আরবি পাঠ:</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>অনুবাদ:</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>প্রতিবর্ণীকরণ:</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>রেকর্ডিংয়ের ফোল্ডার</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>আরবি পাঠ (ঐচ্ছিক)</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>অনুবাদ (ঐচ্ছিক)</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>প্রতিবর্ণীকরণ (ঐচ্ছিক)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>খুঁজুন...</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>%1 খুঁজুন</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>তিলাওয়াতের নাম:</translation>
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
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>আগে আপনার রেকর্ডিংয়ের ফোল্ডার বেছে নিন।</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces, and neither "default" nor "lang": "%1" cannot be one.</source>
        <translation>তিলাওয়াতের নাম একটি শব্দ, / বা ফাঁকা জায়গা ছাড়া, এবং "default" বা "lang" নয়: "%1" নাম হতে পারে না।</translation>
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
</context>
<context>
    <name>InstalledPacks</name>
    <message>
        <source>Installed Packs</source>
        <translation>ইনস্টল করা প্যাক</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>প্যাক</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>সূরাসমূহ</translation>
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
        <source>Close</source>
        <translation>বন্ধ</translation>
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
        <source>No file manager could open the folder. It is:&lt;br&gt;%1</source>
        <translation>কোনো ফাইল ম্যানেজার ফোল্ডারটি খুলতে পারেনি। এটি এখানে:&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>Remove the recitation "%1" and all its packs?</source>
        <translation>তিলাওয়াত "%1" এবং এর সব প্যাক সরাবেন?</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>%1-এর কিছু ফাইল সরানো যায়নি।</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System Default</source>
        <translation>সিস্টেমের ভাষা</translation>
    </message>
</context>
<context>
    <name>JuzProgress</name>
    <message>
        <source>Progress by juz</source>
        <translation>পারা অনুযায়ী অগ্রগতি</translation>
    </message>
    <message>
        <source>Juz %L1: %L2 of %L3 ayas (%L4%)</source>
        <translation>পারা %L1: %L3টির মধ্যে %L2টি আয়াত (%L4%)</translation>
    </message>
    <message>
        <source>. %L1 of 30 juz begun, %L2 of %L3 ayas in all.</source>
        <translation>। 30টির মধ্যে %L1টি পারা শুরু, মোট %L3টির মধ্যে %L2টি আয়াত।</translation>
    </message>
</context>
<context>
    <name>LearnerRecord</name>
    <message>
        <source>The review record</source>
        <translation>পুনরাবৃত্তির খতিয়ান</translation>
    </message>
    <message>
        <source>Your heart is kept; its suras start review again.</source>
        <translation>আপনার হৃদয় রাখা আছে; এর সূরাগুলোর পুনরাবৃত্তি আবার শুরু হবে।</translation>
    </message>
    <message>
        <source>The review record by page</source>
        <translation>পৃষ্ঠা অনুযায়ী পুনরাবৃত্তির খতিয়ান</translation>
    </message>
    <message>
        <source>Your heart is kept; its pages start review again.</source>
        <translation>আপনার হৃদয় রাখা আছে; এর পৃষ্ঠাগুলোর পুনরাবৃত্তি আবার শুরু হবে।</translation>
    </message>
    <message>
        <source>Your practice settings</source>
        <translation>আপনার অনুশীলনের সেটিংস</translation>
    </message>
    <message>
        <source>Hiding and Test me start switched off.</source>
        <translation>লুকানো ও আমাকে পরীক্ষা করুন বন্ধ অবস্থায় শুরু হয়।</translation>
    </message>
    <message>
        <source>it is not a practice-settings file</source>
        <translation>এটি অনুশীলনের সেটিংসের ফাইল নয়</translation>
    </message>
    <message>
        <source>Your drill settings</source>
        <translation>আপনার বাজানোর সেটিংস</translation>
    </message>
    <message>
        <source>Repeat, pause, loop, stack and speed start from their defaults.</source>
        <translation>পুনরাবৃত্তি, বিরতি, লুপ, স্তূপ ও গতি ডিফল্ট থেকে শুরু হয়।</translation>
    </message>
    <message>
        <source>it is not a drill-settings file</source>
        <translation>এটি বাজানোর সেটিংসের ফাইল নয়</translation>
    </message>
    <message>
        <source>Review records were found without a profile. The new profile starts with an empty heart; the records as they were are kept as:</source>
        <translation>প্রোফাইল ছাড়া পুনরাবৃত্তির রেকর্ড পাওয়া গেছে। নতুন প্রোফাইল খালি হৃদয় দিয়ে শুরু হয়; রেকর্ডগুলো যেমন ছিল তেমনই রাখা আছে:</translation>
    </message>
    <message>
        <source>Review records were found without a profile, and there is no room to keep them aside. They are left as they are, and your reviews are not saved over them:</source>
        <translation>প্রোফাইল ছাড়া পুনরাবৃত্তির রেকর্ড পাওয়া গেছে, আর সেগুলো আলাদা করে রাখার জায়গা নেই। সেগুলো যেমন ছিল তেমনই রাখা হয়েছে, আর আপনার পুনরাবৃত্তি সেগুলোর ওপর সংরক্ষণ করা হচ্ছে না:</translation>
    </message>
</context>
<context>
    <name>Mpris</name>
    <message>
        <source>The default recitation</source>
        <translation>পূর্বনির্ধারিত তিলাওয়াত</translation>
    </message>
</context>
<context>
    <name>MyRecitation</name>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>%1 যাচাই করা যায় না: %2।</translation>
    </message>
    <message>
        <source>Your previous take, which matched, is kept: bring it back with Delete &gt; Bring Back My Previous Take.</source>
        <translation>আপনার আগের রেকর্ডিং, যা মিলেছিল, রাখা আছে: মুছুন &gt; আমার আগের রেকর্ডিং ফিরিয়ে আনুন দিয়ে ফিরিয়ে আনুন।</translation>
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
        <source>Checking your recitation of %1...</source>
        <translation>আপনার %1-এর তিলাওয়াত যাচাই করা হচ্ছে...</translation>
    </message>
    <message>
        <source>The check's mark for %1 could not be kept: %2</source>
        <translation>%1-এর যাচাইয়ের চিহ্ন রাখা গেল না: %2</translation>
    </message>
    <message>
        <source>The reciter: %1, of %2.</source>
        <translation>কারী: %1, %2 থেকে।</translation>
    </message>
    <message>
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>আপনি এই পাঠের কোনো আয়াত এখনো রেকর্ড করেননি: রেকর্ড (Ctrl+R) চাপুন।</translation>
    </message>
    <message>
        <source>You have no previous take of %1.</source>
        <translation>%1-এর কোনো আগের রেকর্ডিং নেই।</translation>
    </message>
    <message>
        <source>Your previous take of %1 is back; the one it replaced is kept as the previous.</source>
        <translation>%1-এর আপনার আগের রেকর্ডিং ফিরে এসেছে; যেটির জায়গা নিয়েছিল সেটি আগেরটি হিসেবে রাখা হয়েছে।</translation>
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
    <message numerus="yes">
        <source>Delete all %1 of your recordings?</source>
        <translation>
            <numerusform>আপনার %L1টি রেকর্ডিং মুছবেন?</numerusform>
            <numerusform>আপনার সব %L1টি রেকর্ডিং মুছবেন?</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>রেকর্ডিং থামান</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>রেকর্ড</translation>
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
        <source>Your recording of %1 cannot be played:</source>
        <translation>আপনার %1-এর রেকর্ডিং চালানো যায় না:</translation>
    </message>
</context>
<context>
    <name>PackDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>ফোল্ডার খুলুন</translation>
    </message>
    <message>
        <source>The sura pack %1 is damaged and cannot be read.&lt;br&gt;&lt;br&gt;A healthy copy of it serves in its place where one is installed; otherwise its suras are left out until the file is replaced.</source>
        <translation>সূরা প্যাক %1 নষ্ট, পড়া যায় না।&lt;br&gt;&lt;br&gt;এর কোনো ভালো কপি ইনস্টল থাকলে সেটি এর জায়গায় কাজ করে; না থাকলে ফাইলটি বদলানো পর্যন্ত এর সূরাগুলো বাদ থাকে।</translation>
    </message>
</context>
<context>
    <name>PackRegistry</name>
    <message>
        <source>Cannot write "recite.ini": %1</source>
        <translation>"recite.ini" লেখা যাচ্ছে না: %1</translation>
    </message>
    <message>
        <source>"%1" is not a recitation's folder name.</source>
        <translation>"%1" কোনো তিলাওয়াতের ফোল্ডারের নাম নয়।</translation>
    </message>
</context>
<context>
    <name>Passage</name>
    <message>
        <source>Page</source>
        <translation>পৃষ্ঠা</translation>
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
        <source>%1 %L2</source>
        <translation>%1 %L2</translation>
    </message>
</context>
<context>
    <name>PassageControls</name>
    <message>
        <source>There is no %1 %2: the mushaf has %3 of them, numbered from 1.</source>
        <translation>%1 %2 নেই: মুসহাফে এগুলো %3টি, 1 থেকে গোনা।</translation>
    </message>
    <message>
        <source>%1 needs the sura packs of these suras, which are not installed:&lt;br&gt;&lt;br&gt;%2</source>
        <translation>%1-এর জন্য এই সূরাগুলোর প্যাক দরকার, যা ইনস্টল করা নেই:&lt;br&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>আপনার অনুশীলনের সেটিংস রাখা যায়নি:</translation>
    </message>
</context>
<context>
    <name>PracticeAids</name>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>আপনার অনুশীলন সহায়কের সেটিংস রাখা যায়নি:</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>বাজানো</translation>
    </message>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>লুকানো: প্রকাশ করতে R চাপুন</translation>
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
    <message>
        <source>Create New Profile</source>
        <translation>নতুন প্রোফাইল তৈরি করুন</translation>
    </message>
    <message>
        <source>Load Selected Profile</source>
        <translation>নির্বাচিত প্রোফাইল লোড করুন</translation>
    </message>
    <message>
        <source>the profile file cannot be read: %1</source>
        <translation>প্রোফাইল ফাইল পড়া যাচ্ছে না: %1</translation>
    </message>
    <message>
        <source>the file is not a Varnel profile</source>
        <translation>ফাইলটি ভার্নেল প্রোফাইল নয়</translation>
    </message>
    <message>
        <source>the profile file is cut short</source>
        <translation>প্রোফাইল ফাইল অসম্পূর্ণ</translation>
    </message>
    <message>
        <source>the profile file is damaged (its heart count is negative)</source>
        <translation>প্রোফাইল ফাইল ক্ষতিগ্রস্ত (হৃদয়ের সংখ্যা ঋণাত্মক)</translation>
    </message>
    <message>
        <source>the profile file is cut short (it holds fewer ayas than it says)</source>
        <translation>প্রোফাইল ফাইল অসম্পূর্ণ (যত আয়াত বলে তার চেয়ে কম আছে)</translation>
    </message>
    <message>
        <source>the profile file is damaged (%1 entries of the heart are no ayas)</source>
        <translation>প্রোফাইল ফাইল ক্ষতিগ্রস্ত (হৃদয়ের %1টি ভুক্তি আয়াত নয়)</translation>
    </message>
    <message>
        <source>the profile file does not say which aya you were at</source>
        <translation>প্রোফাইল ফাইল বলে না আপনি কোন আয়াতে ছিলেন</translation>
    </message>
    <message>
        <source>Invalid Username!</source>
        <translation>অবৈধ ব্যবহারকারীর নাম!</translation>
    </message>
    <message>
        <source>This name is too long. A user name can hold at most %1 Latin letters, or %2 Arabic letters (they take two places each); please shorten it.</source>
        <translation>নামটি খুব দীর্ঘ। ব্যবহারকারীর নামে সর্বোচ্চ %1টি লাতিন অক্ষর, বা %2টি আরবি অক্ষর (প্রতিটি দুই জায়গা নেয়) থাকতে পারে; অনুগ্রহ করে ছোট করুন।</translation>
    </message>
    <message>
        <source>"%1" cannot be a user name.</source>
        <translation>"%1" ব্যবহারকারীর নাম হতে পারে না।</translation>
    </message>
    <message>
        <source>A user name cannot hold the characters / \ or :.</source>
        <translation>ব্যবহারকারীর নামে / \ বা : অক্ষর থাকতে পারে না।</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>ব্যবহারকারীর নামে নিয়ন্ত্রণ অক্ষর থাকতে পারে না।</translation>
    </message>
    <message>
        <source>A user name cannot start with a full stop.</source>
        <translation>ব্যবহারকারীর নাম দাঁড়ি বা বিন্দু দিয়ে শুরু হতে পারে না।</translation>
    </message>
    <message>
        <source>A user name cannot hold "%1", the ending of profile files.</source>
        <translation>ব্যবহারকারীর নামে "%1" থাকতে পারে না, যা প্রোফাইল ফাইলের শেষাংশ।</translation>
    </message>
    <message>
        <source>the profile is not a file that can be read</source>
        <translation>প্রোফাইলটি পড়া যায় এমন কোনো ফাইল নয়</translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation>প্রোফাইল খুলুন বা তৈরি করুন</translation>
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
</context>
<context>
    <name>ProfileGuard</name>
    <message>
        <source>%1 was opened by Varnel on the computer %2, which may still have it open.&lt;br&gt;&lt;br&gt;Open it anyway?</source>
        <translation>%1 কম্পিউটার %2-এ ভার্নেল খুলেছিল, সেখানে হয়তো এখনও খোলা আছে।&lt;br&gt;&lt;br&gt;তবুও খুলবেন?</translation>
    </message>
    <message>
        <source>%1 could not be locked for this window: %2.&lt;br&gt;&lt;br&gt;It opens all the same, but another Varnel window could open it too.</source>
        <translation>%1 এই জানালার জন্য লক করা গেল না: %2।&lt;br&gt;&lt;br&gt;তবুও এটি খুলবে, কিন্তু ভার্নেলের অন্য কোনো জানালাও এটি খুলতে পারে।</translation>
    </message>
    <message>
        <source>%1 is open in another Varnel window.&lt;br&gt;&lt;br&gt;Close it there, or choose another profile.</source>
        <translation>%1 আরেকটি ভার্নেল জানালায় খোলা।&lt;br&gt;&lt;br&gt;সেখানে বন্ধ করুন, অথবা অন্য প্রোফাইল বেছে নিন।</translation>
    </message>
    <message>
        <source>The profile of %1 could not be read in full: %2.</source>
        <translation>%1-এর প্রোফাইল পুরোটা পড়া যায়নি: %2।</translation>
    </message>
    <message>
        <source>The ayas of the heart that could be read are kept.</source>
        <translation>হৃদয়ের যে আয়াতগুলো পড়া গেছে সেগুলো রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>ফাইলটি আগের মতো %1 নামে রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>Your review record as it was is kept as %1.</source>
        <translation>আপনার পুনরাবৃত্তির খতিয়ান আগের মতো %1 নামে রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>There is no room to keep your review record %1 aside: it is left as it is, and your reviews are not saved over it.</source>
        <translation>আপনার পুনরাবৃত্তির খতিয়ান %1 আলাদা করে রাখার জায়গা নেই: সেটি যেমন ছিল তেমনই রাখা হয়েছে, আর আপনার পুনরাবৃত্তি সেটির ওপর সংরক্ষণ করা হচ্ছে না।</translation>
    </message>
    <message>
        <source>You start at the first aya of sura 114.</source>
        <translation>আপনি সূরা 114-এর প্রথম আয়াত থেকে শুরু করবেন।</translation>
    </message>
    <message>
        <source>Your profile could not be saved, so your heart is not stored yet:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Check that the folder "profiles" beside Varnel can be written to, then use File &amp;gt; Save Profile again.</source>
        <translation>আপনার প্রোফাইল সংরক্ষণ করা যায়নি, তাই আপনার হৃদয় এখনো রাখা হয়নি:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;ভার্নেলের পাশের "profiles" ফোল্ডারে লেখা যায় কি না দেখুন, তারপর আবার ফাইল &amp;gt; প্রোফাইল সংরক্ষণ ব্যবহার করুন।</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Float</source>
        <translation>আলাদা করুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>প্যানেলটি জানালা থেকে আলাদা করে এবং আবার জোড়ে</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>প্যানেলটি বন্ধ করে</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>বাঁয়ে সরান</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>ডানে সরান</translation>
    </message>
</context>
<context>
    <name>RecitationPanel</name>
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
        <source>Play Mine</source>
        <translation>আমারটি বাজান</translation>
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
        <source>Check</source>
        <translation>যাচাই</translation>
    </message>
    <message>
        <source>Check my recitation</source>
        <translation>আমার তিলাওয়াত যাচাই করুন</translation>
    </message>
    <message>
        <source>Compare your recording of the aya shown with the reciter's: what you left out or added, or another aya. A check of the words and their order, not of tajweed.</source>
        <translation>দেখানো আয়াতের আপনার রেকর্ডিং কারীর তিলাওয়াতের সাথে মেলায়: আপনি কী বাদ দিয়েছেন বা যোগ করেছেন, নাকি অন্য আয়াত। এটি শব্দ ও তাদের ক্রমের যাচাই, তাজবিদের নয়।</translation>
    </message>
    <message>
        <source>Hear Left Out</source>
        <translation>বাদ পড়া অংশ শুনুন</translation>
    </message>
    <message>
        <source>Hear the part left out</source>
        <translation>বাদ পড়া অংশটি শুনুন</translation>
    </message>
    <message>
        <source>Hear the reciter say what your last check found left out; press again for the next part</source>
        <translation>শেষ যাচাইয়ে যা বাদ পড়েছে বলে পাওয়া গেছে তা ক্বারির কণ্ঠে শুনুন; পরের অংশের জন্য আবার চাপুন</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>রেকর্ডিংয়ের মাত্রা</translation>
    </message>
    <message>
        <source>Check result</source>
        <translation>যাচাইয়ের ফল</translation>
    </message>
</context>
<context>
    <name>Recordings</name>
    <message>
        <source>%1 could not be moved to %2: %3</source>
        <translation>%1 কে %2-তে সরানো যায়নি: %3</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 পড়া যায় এমন কোনো ফাইল নয়।</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a recording of an aya.</source>
        <translation>%1 %2 MB-এর চেয়ে বড়, একটি আয়াতের রেকর্ডিংয়ের চেয়ে বেশি।</translation>
    </message>
    <message>
        <source>The recording %1 could not be deleted: %2</source>
        <translation>রেকর্ডিং %1 মোছা যায়নি: %2</translation>
    </message>
    <message>
        <source>No learner is chosen, so there is nowhere to keep the recording.</source>
        <translation>কোনো শিক্ষার্থী বাছা হয়নি, তাই রেকর্ডিং রাখার জায়গা নেই।</translation>
    </message>
</context>
<context>
    <name>ReviewCalendar</name>
    <message>
        <source>Review calendar</source>
        <translation>পুনরাবৃত্তির পঞ্জিকা</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>ধারাবাহিকতা: ১ দিন</translation>
    </message>
    <message numerus="yes">
        <source>Streak: %1 days</source>
        <translation>
            <numerusform>ধারাবাহিকতা: %L1 দিন</numerusform>
            <numerusform>ধারাবাহিকতা: %L1 দিন</numerusform>
        </translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>%L1 সপ্তাহে ১টি পুনরাবৃত্তি</translation>
    </message>
    <message numerus="yes">
        <source>%1 reviews in %2 weeks</source>
        <translation>
            <numerusform>%L2 সপ্তাহে %L1টি পুনরাবৃত্তি</numerusform>
            <numerusform>%L2 সপ্তাহে %L1টি পুনরাবৃত্তি</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;পুনরাবৃত্তি&lt;/b&gt; অনুযায়ী</translation>
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
        <source>Next review: %1</source>
        <translation>পরবর্তী পুনরাবৃত্তি: %1</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>আজ বাকি</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>সূরা</translation>
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
        <source>Review now</source>
        <translation>এখন পুনরাবৃত্তি করুন</translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation>বেছে নেওয়া অংশ বাজায়: প্রতিটি আয়াত একবার, বিরতি ছাড়া। তারপর কতটা মনে ছিল তা মূল্যায়ন করুন।</translation>
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
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>আগামীকাল: %L1 · এই সপ্তাহে: %L2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>নতুন</translation>
    </message>
    <message numerus="yes">
        <source>All %1 ayas</source>
        <translation>
            <numerusform>সব %L1টি আয়াত</numerusform>
            <numerusform>সব %L1টি আয়াত</numerusform>
        </translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>আয়াত %L1 থেকে %L2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>এখনো পুনরাবৃত্তি হয়নি</translation>
    </message>
    <message numerus="yes">
        <source>%1 due today
%2</source>
        <translation>
            <numerusform>আজ %L1টি বাকি
%2</numerusform>
            <numerusform>আজ %L1টি বাকি
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectRecitor</name>
    <message>
        <source>Recitor Preferences</source>
        <translation>কারীর পছন্দসমূহ</translation>
    </message>
    <message>
        <source>Varn Addon</source>
        <translation>ভার্ন সংযোজন</translation>
    </message>
    <message>
        <source>Recitor</source>
        <translation>কারী</translation>
    </message>
    <message>
        <source>Recitation of %1</source>
        <translation>%1-এর তিলাওয়াত</translation>
    </message>
    <message>
        <source>default</source>
        <translation>ডিফল্ট</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
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
        <source>Practice Aids</source>
        <translation>অনুশীলনের সহায়ক</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>পুনরাবৃত্তি:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>আয়াতগুলো কতবার পুনরাবৃত্তি হবে</translation>
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
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;then ayas 1 to 2&lt;br&gt;&amp;nbsp;then ayas 1 to 3&lt;br&gt;&amp;nbsp;and so on, a growing block, to the last aya</source>
        <translation>&amp;nbsp;আয়াত 1 কয়েকবার তিলাওয়াত করুন&lt;br&gt;&amp;nbsp;তারপর আয়াত 1 থেকে 2&lt;br&gt;&amp;nbsp;তারপর আয়াত 1 থেকে 3&lt;br&gt;&amp;nbsp;এভাবে, বাড়তে থাকা অংশ, শেষ আয়াত পর্যন্ত</translation>
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
        <source>Play a range of ayas</source>
        <translation>আয়াতের একটি পরিসর বাজান</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>সূরার আয়াতের একটি পরিসর বাজাতে চালু করুন</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;থেকে:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>আয়াত থেকে</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>এই আয়াত থেকে তিলাওয়াত শুরু করুন</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;পর্যন্ত:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>আয়াত পর্যন্ত</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>এই আয়াতে তিলাওয়াত শেষ করুন</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>সূরা বাজানোর অগ্রগতি</translation>
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
        <source>Play the sura or passage this many times, then stop; endless: once, or without end with Loop</source>
        <translation>সূরা বা অংশটি এতবার চালান, তারপর থামুন; অসীম: একবার, বা লুপসহ বিরতিহীন</translation>
    </message>
    <message>
        <source>Test me</source>
        <translation>আমাকে পরীক্ষা করুন</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>প্রতিটি বিরতিতে আপনি মুখস্থ থেকে পড়ার সময় আয়াতটি লুকানো থাকে; বিরতি শেষে ফিরে আসে (একটি বিরতি দিন)</translation>
    </message>
</context>
<context>
    <name>SidecarFile</name>
    <message>
        <source>%1 %2 could not be read: %3.</source>
        <translation>%1 %2 পড়া যায়নি: %3।</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>এটি %1 নামে রাখা হয়েছে।</translation>
    </message>
</context>
<context>
    <name>Single</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · অংশ %1 থেকে %2 সে.</translation>
    </message>
</context>
<context>
    <name>SingleBar</name>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>অংশটি এখান থেকে শুরু করুন (স্লাইডারের অবস্থান)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>স্লাইডার থেকে অংশের শুরু</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>অংশ কোথায় শুরু হয়, মিলিসেকেন্ডে</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>অংশের শুরু</translation>
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
        <source>Where the part ends, in milliseconds</source>
        <translation>অংশ কোথায় শেষ হয়, মিলিসেকেন্ডে</translation>
    </message>
    <message>
        <source>Part end</source>
        <translation>অংশের শেষ</translation>
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
        <source>Where the recitation is; drag to jump</source>
        <translation>তিলাওয়াত কোথায়; লাফাতে টানুন</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>আয়াতে অবস্থান</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> মি.সে.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound output device stopped working, so playback has stopped.&lt;br&gt;&lt;br&gt;To fix: connect the device again, or choose another one in File &amp;gt; Preferences, then press Play.</source>
        <translation>শব্দ আউটপুট যন্ত্র কাজ বন্ধ করেছে, তাই বাজানো থেমে গেছে।&lt;br&gt;&lt;br&gt;ঠিক করতে: যন্ত্রটি আবার সংযুক্ত করুন, অথবা ফাইল &amp;gt; পছন্দসমূহ থেকে অন্যটি বেছে নিন, তারপর বাজান চাপুন।</translation>
    </message>
    <message>
        <source>Varnel could not find a sound output device on this computer, so it cannot play recitations.&lt;br&gt;&lt;br&gt;Everything else works: you can read the ayas, their translations and transliterations, and keep your heart up to date.&lt;br&gt;&lt;br&gt;To hear the recitations, connect speakers or headphones, then choose the device in File &amp;gt; Preferences or restart Varnel.</source>
        <translation>ভার্নেল এই কম্পিউটারে কোনো শব্দ আউটপুট যন্ত্র পায়নি, তাই তিলাওয়াত বাজাতে পারে না।&lt;br&gt;&lt;br&gt;বাকি সব কাজ করে: আপনি আয়াত, তার অনুবাদ ও প্রতিবর্ণীকরণ পড়তে পারেন, এবং হৃদয় হালনাগাদ রাখতে পারেন।&lt;br&gt;&lt;br&gt;তিলাওয়াত শুনতে স্পিকার বা হেডফোন সংযুক্ত করুন, তারপর ফাইল &amp;gt; পছন্দসমূহ থেকে যন্ত্রটি বেছে নিন অথবা ভার্নেল আবার চালু করুন।</translation>
    </message>
    <message>
        <source> Choose another input in Preferences.</source>
        <translation> পছন্দসমূহ থেকে অন্য ইনপুট বেছে নিন।</translation>
    </message>
    <message>
        <source>The microphone was lost while recording; what was heard before is kept.</source>
        <translation>রেকর্ডিংয়ের সময় মাইক্রোফোন হারিয়ে গেছে; আগে যা শোনা গেছে তা রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>The recording "%1" is too large to play: %2 MB, where at most %3 MB can be played.</source>
        <translation>রেকর্ডিং "%1" বাজানোর জন্য খুব বড়: %2 MB, যেখানে সর্বোচ্চ %3 MB বাজানো যায়।</translation>
    </message>
    <message>
        <source>Get Length Error</source>
        <translation>দৈর্ঘ্য জানতে ত্রুটি</translation>
    </message>
    <message>
        <source>Select a valid range</source>
        <translation>একটি বৈধ পরিসর বেছে নিন</translation>
    </message>
    <message>
        <source>Error in set position</source>
        <translation>অবস্থান ঠিক করতে ত্রুটি</translation>
    </message>
    <message>
        <source>Select a valid sound device</source>
        <translation>একটি বৈধ শব্দ যন্ত্র বেছে নিন</translation>
    </message>
    <message>
        <source>To fix: %1</source>
        <translation>ঠিক করতে: %1</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>শব্দ ত্রুটি</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>কোনো ত্রুটি নেই।</translation>
    </message>
    <message>
        <source>The channel was taken over by a newer sound.</source>
        <translation>নতুন একটি শব্দ চ্যানেলটি নিয়ে নিয়েছে।</translation>
    </message>
    <message>
        <source>The sound or channel no longer exists: it was stopped, finished and replaced, or released.</source>
        <translation>শব্দ বা চ্যানেলটি আর নেই: থামানো হয়েছে, শেষ হয়ে বদলে গেছে, বা ছেড়ে দেওয়া হয়েছে।</translation>
    </message>
    <message>
        <source>The recording could not be read: its data is damaged or in a format that cannot be decoded.</source>
        <translation>রেকর্ডিং পড়া যায়নি: এর তথ্য ক্ষতিগ্রস্ত বা এমন ফরম্যাটে যা ডিকোড করা যায় না।</translation>
    </message>
    <message>
        <source>This computer has no sound output device.</source>
        <translation>এই কম্পিউটারে কোনো শব্দ আউটপুট যন্ত্র নেই।</translation>
    </message>
    <message>
        <source>The sound output device could not be started. It may be in use or unplugged.</source>
        <translation>শব্দ আউটপুট যন্ত্র চালু করা যায়নি। হয়তো এটি ব্যবহৃত হচ্ছে বা খুলে রাখা।</translation>
    </message>
    <message>
        <source>A value given to the sound system was out of range.</source>
        <translation>শব্দ ব্যবস্থায় দেওয়া একটি মান সীমার বাইরে ছিল।</translation>
    </message>
    <message>
        <source>The sound system is not running.</source>
        <translation>শব্দ ব্যবস্থা চলছে না।</translation>
    </message>
    <message>
        <source>The sound system is already running.</source>
        <translation>শব্দ ব্যবস্থা আগে থেকেই চলছে।</translation>
    </message>
    <message>
        <source>The sound output device failed while playing.</source>
        <translation>বাজানোর সময় শব্দ আউটপুট যন্ত্র বিকল হয়েছে।</translation>
    </message>
    <message>
        <source>The sound could not be encoded.</source>
        <translation>শব্দ এনকোড করা যায়নি।</translation>
    </message>
    <message>
        <source>The recording cannot be played: it claims more than 8 channels, a sample rate above 384 kHz, or holds no sound at all.</source>
        <translation>রেকর্ডিং বাজানো যায় না: এটি 8-এর বেশি চ্যানেল, 384 kHz-এর বেশি নমুনা হার দাবি করে, অথবা এতে কোনো শব্দই নেই।</translation>
    </message>
    <message>
        <source>No microphone was found: there is no input device to record from.</source>
        <translation>কোনো মাইক্রোফোন পাওয়া যায়নি: রেকর্ড করার মতো কোনো ইনপুট যন্ত্র নেই।</translation>
    </message>
    <message>
        <source>The microphone could not be opened: another program may be using it.</source>
        <translation>মাইক্রোফোন খোলা যায়নি: হয়তো অন্য কোনো প্রোগ্রাম এটি ব্যবহার করছে।</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>অজানা ত্রুটি।</translation>
    </message>
    <message>
        <source>The recording is longer than an aya can be (over ten minutes).</source>
        <translation>রেকর্ডিংটি একটি আয়াতের সম্ভাব্য দৈর্ঘ্যের চেয়ে দীর্ঘ (দশ মিনিটের বেশি)।</translation>
    </message>
    <message>
        <source>The recording holds more samples than an aya's can (ten minutes of stereo at 96 kHz): it is too large to decode.</source>
        <translation>রেকর্ডিংটিতে একটি আয়াতের রেকর্ডিংয়ের চেয়ে বেশি নমুনা আছে (৯৬ কিলোহার্টজে দুই চ্যানেলে দশ মিনিট): এটি ডিকোড করার জন্য খুব বড়।</translation>
    </message>
    <message>
        <source>libsndfile, which reads and writes recordings, cannot be loaded: install the package libsndfile1.</source>
        <translation>libsndfile, যা রেকর্ডিং পড়ে ও লেখে, লোড করা যাচ্ছে না: libsndfile1 প্যাকেজটি ইনস্টল করুন।</translation>
    </message>
</context>
<context>
    <name>SpanDrill</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · অংশ %1 থেকে %2 সে.</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>স্তূপ %L1-%L2, পর্ব %L3 · আয়াত %L4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · স্তূপ %L1–%L2, পর্ব %L3 · আয়াত %L5-এর %L4 (%6)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1 s</source>
        <translation>%1 সে.</translation>
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
        <translation> · পুনরাবৃত্তি %L2-এর %L1</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · পুনরাবৃত্তি %L1</translation>
    </message>
</context>
<context>
    <name>TranslationFonts</name>
    <message>
        <source>The %1 text needs the font %2, which is not installed: install the package %3.</source>
        <translation>%1 লেখার জন্য %2 ফন্ট দরকার, যা ইনস্টল করা নেই: %3 প্যাকেজটি ইনস্টল করুন।</translation>
    </message>
</context>
<context>
    <name>Transport</name>
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
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Drag this passage to your heart</source>
        <translation>এই অংশটি আপনার হৃদয়ে টেনে আনুন</translation>
    </message>
    <message>
        <source>This is the sura's last aya.</source>
        <translation>এটি সূরার শেষ আয়াত।</translation>
    </message>
    <message>
        <source>This is the sura's first aya.</source>
        <translation>এটি সূরার প্রথম আয়াত।</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>ত্রুটি: পর্দা খুব ছোট! অনুগ্রহ করে 800x600 বা তার বেশি রেজোলিউশন দিন</translation>
    </message>
    <message>
        <source>The picture of aya %1 is too large to show: %2 MB, where at most %3 MB are shown.</source>
        <translation>আয়াত %1-এর ছবি দেখানোর জন্য খুব বড়: %2 MB, যেখানে সর্বোচ্চ %3 MB দেখানো হয়।</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>আপনার পুনরাবৃত্তি রাখা যায়নি:</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>আপনার পুনরাবৃত্তির একক রাখা যায়নি:</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Waveforms of the reciter and of your recitation</source>
        <translation>কারীর ও আপনার তিলাওয়াতের তরঙ্গরূপ</translation>
    </message>
    <message>
        <source>The reciter: %1 s; you: %2 s</source>
        <translation>কারী: %1 সে.; আপনি: %2 সে.</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>কারী</translation>
    </message>
    <message>
        <source>You</source>
        <translation>আপনি</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>অনুবাদ লুকান (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>অনুবাদ দেখান (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>প্রতিবর্ণীকরণ লুকান (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>প্রতিবর্ণীকরণ দেখান (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>দৃশ্য (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>কারী (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ভাষা (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সাহায্য (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>প্রোফাইল সংরক্ষণ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>নতুন/প্রোফাইল খুলুন (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>পছন্দসমূহ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>রেকর্ডিং আমদানি... (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>প্রস্থান (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Heart</source>
        <translation>হৃদয় (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>পুনরাবৃত্তি প্যানেল (&amp;R)</translation>
    </message>
    <message>
        <source>Recitation &amp;Settings</source>
        <translation>তিলাওয়াতের সেটিংস (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;My Recitation</source>
        <translation>আমার তিলাওয়াত (&amp;M)</translation>
    </message>
    <message>
        <source>Reset La&amp;yout</source>
        <translation>বিন্যাস আগের মতো (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Night Reading</source>
        <translation>রাতের পাঠ (&amp;N)</translation>
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
        <source>Mark the &amp;Heard Word</source>
        <translation>শোনা শব্দ চিহ্নিত করুন (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>অনুশীলন (&amp;P)</translation>
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
        <source>Snap the Part to Words</source>
        <translation>অংশকে শব্দে মেলান</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>অংশটি হৃদয়ে যোগ করুন</translation>
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
        <source>Check My Recitation</source>
        <translation>আমার তিলাওয়াত যাচাই</translation>
    </message>
    <message>
        <source>Interface &amp;Language</source>
        <translation>ইন্টারফেসের ভাষা (&amp;L)</translation>
    </message>
    <message>
        <source>Bring Back My Previous Take</source>
        <translation>আমার আগের রেকর্ডিং ফিরিয়ে আনুন</translation>
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
        <source>&amp;Config Recitor</source>
        <translation>কারী নির্ধারণ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>ইনস্টল করা প্যাক... (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>পরিচিতি (&amp;A)</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Heart</source>
        <translation>হৃদয়</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>পুনরাবৃত্তি</translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation>তিলাওয়াতের সেটিংস</translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation>আমার তিলাওয়াত</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>%1 held more than settings can be (a damaged value): what could not be read is left out, and every other setting is kept.</source>
        <translation>%1-এ সেটিংসের ধারণক্ষমতার চেয়ে বেশি ছিল (একটি নষ্ট মান): যা পড়া যায়নি তা বাদ দেওয়া হয়েছে, আর অন্য সব সেটিং রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>ফাইলটি আগের মতো %1 নামে রাখা হয়েছে।</translation>
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
    <name>WorkingFolder</name>
    <message>
        <source>Varnel cannot use the folder "%1" for its files.</source>
        <translation>ভার্নেল তার ফাইলের জন্য "%1" ফোল্ডার ব্যবহার করতে পারছে না।</translation>
    </message>
</context>
</TS>