<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>AyaText</name>
    <message>
        <source>Transliteration:</source>
        <translation>رومن تلفظ:</translation>
    </message>
    <message>
        <source>%1 Translation:</source>
        <translation>%1 ترجمہ:</translation>
    </message>
</context>
<context>
    <name>AyaView</name>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>چھپی ہوئی: ظاہر کرنے کے لیے R دبائیں</translation>
    </message>
</context>
<context>
    <name>CentralArea</name>
    <message>
        <source>Aya picture; drag it to your heart</source>
        <translation>آیت کی تصویر؛ اسے اپنے دل میں گھسیٹیں</translation>
    </message>
    <message>
        <source>Translation and transliteration</source>
        <translation>ترجمہ اور رومن تلفظ</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>آیت</translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation>چلنے کی حالت</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <source>%1 to %2 s</source>
        <translation>%1 سے %2 سیکنڈ</translation>
    </message>
    <message>
        <source>%1 (word %2)</source>
        <translation>%1 (لفظ %2)</translation>
    </message>
    <message>
        <source>%1 (words %2 to %3)</source>
        <translation>%1 (الفاظ %2 سے %3)</translation>
    </message>
    <message>
        <source>%1, match: you said the whole aya, in order (score %2 of 100).</source>
        <translation>%1، مطابق: آپ نے پوری آیت ترتیب سے پڑھی (اسکور 100 میں سے %2)۔</translation>
    </message>
    <message>
        <source>%1, partial: a part is missing, added or said differently (score %2 of 100).</source>
        <translation>%1، جزوی: کوئی حصہ چھوٹ گیا، بڑھ گیا یا مختلف پڑھا گیا (اسکور 100 میں سے %2)۔</translation>
    </message>
    <message>
        <source>%1, different: this sounds like another aya, or no recitation (score %2 of 100).</source>
        <translation>%1، مختلف: یہ کوئی اور آیت لگتی ہے، یا تلاوت نہیں (اسکور 100 میں سے %2)۔</translation>
    </message>
    <message>
        <source>This sounds like %1 (%2), not %3.</source>
        <translation>یہ %1 (%2) لگتی ہے، %3 نہیں۔</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>چھوٹا ہوا: %1۔</translation>
    </message>
    <message>
        <source>Left out, in the reciter's time: %1.</source>
        <translation>چھوٹا ہوا، قاری کے وقت میں: %1۔</translation>
    </message>
    <message>
        <source>Said differently: %1.</source>
        <translation>مختلف کہا گیا: %1۔</translation>
    </message>
    <message>
        <source>Said differently, in the reciter's time: %1.</source>
        <translation>مختلف پڑھا ہوا، قاری کے وقت میں: %1۔</translation>
    </message>
    <message>
        <source>Added, in your recording's time: %1.</source>
        <translation>بڑھایا ہوا، آپ کی ریکارڈنگ کے وقت میں: %1۔</translation>
    </message>
</context>
<context>
    <name>ChooserRow</name>
    <message>
        <source>Page</source>
        <translation>صفحہ</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>پارہ</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>حزب</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>ربع</translation>
    </message>
    <message>
        <source>&lt;b&gt;Choose a sura:&lt;b&gt;</source>
        <translation>&lt;b&gt;سورہ منتخب کریں:&lt;b&gt;</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>سورہ</translation>
    </message>
    <message>
        <source> or</source>
        <translation> یا</translation>
    </message>
    <message>
        <source>Passage kind</source>
        <translation>حصے کی قسم</translation>
    </message>
    <message>
        <source>Memorise by page, juz, hizb or quarter of the Madinah mushaf</source>
        <translation>مدینہ مصحف کے صفحے، پارے، حزب یا ربع کے لحاظ سے یاد کریں</translation>
    </message>
    <message>
        <source>Passage number</source>
        <translation>حصے کا نمبر</translation>
    </message>
    <message>
        <source>Play Passage</source>
        <translation>حصہ چلائیں</translation>
    </message>
    <message>
        <source>Play the passage chosen, across the suras it holds</source>
        <translation>منتخب حصہ اس کی سورتوں میں چلائیں</translation>
    </message>
    <message>
        <source>Tabaarakallah! You know this sura? Drag me to your heart!</source>
        <translation>تبارک اللہ! کیا آپ کو یہ سورہ یاد ہے؟ مجھے اپنے دل میں گھسیٹیں!</translation>
    </message>
    <message>
        <source>Drag this sura to your heart</source>
        <translation>یہ سورہ اپنے دل میں گھسیٹیں</translation>
    </message>
    <message>
        <source>In the Name of Allah the Most Beneficent, the Most Merciful</source>
        <translation>اللہ کے نام سے جو بڑا مہربان، نہایت رحم والا ہے</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source> · your recitation</source>
        <translation> · آپ کی تلاوت</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · قاری</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Varnel Preferences</source>
        <translation>ورنل کی ترجیحات</translation>
    </message>
    <message>
        <source>Play Test Sound</source>
        <translation>آزمائشی آواز چلائیں</translation>
    </message>
    <message>
        <source>Stop Test Sound</source>
        <translation>آزمائشی آواز روکیں</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>کوئی مائیکروفون نہیں ملا</translation>
    </message>
    <message>
        <source>The system's default</source>
        <translation>نظام کا طے شدہ</translation>
    </message>
    <message>
        <source>Sound Settings</source>
        <translation>آواز کی ترتیبات</translation>
    </message>
    <message>
        <source>Choose a sound device</source>
        <translation>آواز کا آلہ منتخب کریں</translation>
    </message>
    <message>
        <source>Sound device</source>
        <translation>آواز کا آلہ</translation>
    </message>
    <message>
        <source>Record my recitation from</source>
        <translation>میری تلاوت یہاں سے ریکارڈ کریں</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>مائیکروفون</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>آواز کا آلہ اب استعمال میں ہے، لیکن انتخاب اگلی بار کے لیے "config.ini" میں محفوظ نہیں ہو سکا:</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source> · pass %1 of %2</source>
        <translation> · دور %1 از %2</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>آیت %L1 از %L2</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · آیت %L1 از %L2 (%L3:%L4)</translation>
    </message>
</context>
<context>
    <name>DrillControls</name>
    <message>
        <source>Sura %1, aya %2</source>
        <translation>سورہ %1، آیت %2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>آپ کی مشق کی ترتیبات محفوظ نہیں ہو سکیں:</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Varnel user guide</source>
        <translation>ورنل کی رہنما کتاب</translation>
    </message>
    <message>
        <source>Varnel helps you learn suras by heart: you see each aya, hear it recited as often as you like, and keep a record of what you know in your &lt;b&gt;heart&lt;/b&gt;.</source>
        <translation>ورنل آپ کو سورتیں زبانی یاد کرنے میں مدد دیتا ہے: آپ ہر آیت دیکھتے ہیں، جتنی بار چاہیں اس کی تلاوت سنتے ہیں، اور جو یاد ہے اس کا ریکارڈ اپنے &lt;b&gt;دل&lt;/b&gt; میں رکھتے ہیں۔</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>شروعات</translation>
    </message>
    <message>
        <source>When Varnel starts it asks for your &lt;b&gt;profile&lt;/b&gt;. Type your name and press &lt;i&gt;Create New Profile&lt;/i&gt;, or pick your name from the list and press &lt;i&gt;Load Selected Profile&lt;/i&gt;. Your heart and the aya you were at are kept in your profile; Varnel saves it when you leave, and File &amp;gt; Save Profile saves it at once.</source>
        <translation>ورنل شروع ہوتے ہی آپ کی &lt;b&gt;پروفائل&lt;/b&gt; پوچھتا ہے۔ اپنا نام لکھیں اور &lt;b&gt;نئی پروفائل بنائیں&lt;/b&gt; دبائیں، یا فہرست سے اپنا نام چن کر &lt;b&gt;منتخب پروفائل لوڈ کریں&lt;/b&gt; دبائیں۔ آپ کا دل اور جس آیت پر آپ تھے وہ آپ کی پروفائل میں رہتے ہیں؛ ورنل جاتے وقت اسے محفوظ کرتا ہے، اور فائل &amp;gt; پروفائل محفوظ کریں اسے فوراً محفوظ کرتا ہے۔</translation>
    </message>
    <message>
        <source>The first time, Varnel asks which &lt;b&gt;sound device&lt;/b&gt; to use. Press &lt;i&gt;Play Test Sound&lt;/i&gt; to check it, then &lt;i&gt;OK&lt;/i&gt;. You can change it later in File &amp;gt; Preferences.</source>
        <translation>پہلی بار ورنل پوچھتا ہے کہ کون سا &lt;b&gt;آواز کا آلہ&lt;/b&gt; استعمال ہو۔ جانچنے کے لیے &lt;b&gt;آزمائشی آواز چلائیں&lt;/b&gt; دبائیں، پھر &lt;b&gt;ٹھیک ہے&lt;/b&gt;۔ بعد میں اسے فائل &amp;gt; ترجیحات میں بدل سکتے ہیں۔</translation>
    </message>
    <message>
        <source>Choose a sura in &lt;b&gt;Choose a sura&lt;/b&gt; at the top. Recitation starts at once, aya by aya.</source>
        <translation>اوپر &lt;b&gt;سورت چنیں&lt;/b&gt; میں سورت چنیں۔ تلاوت فوراً شروع ہوتی ہے، آیت بہ آیت۔</translation>
    </message>
    <message>
        <source>Seeing the aya</source>
        <translation>آیت دیکھنا</translation>
    </message>
    <message>
        <source>The middle of the window shows the Arabic text of the aya being recited. The panel under it shows its translation and, if you wish, its transliteration: use the &lt;b&gt;View&lt;/b&gt; menu to show or hide each. The &lt;b&gt;Language&lt;/b&gt; menu chooses the language of the translation when translation packs are installed. The slider under the panel shows which aya of the sura you are at.</source>
        <translation>کھڑکی کے درمیان وہ آیت عربی متن میں دکھائی دیتی ہے جس کی تلاوت ہو رہی ہے۔ اس کے نیچے والا پینل اس کا ترجمہ، اور چاہیں تو رومن تلفظ دکھاتا ہے: ہر ایک کو دکھانے یا چھپانے کے لیے &lt;b&gt;منظر&lt;/b&gt; مینو استعمال کریں۔ ترجمے کے پیک نصب ہوں تو &lt;b&gt;زبان&lt;/b&gt; مینو ترجمے کی زبان چنتا ہے۔ پینل کے نیچے والا سلائیڈر بتاتا ہے کہ آپ سورت کی کس آیت پر ہیں۔</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>چلانا</translation>
    </message>
    <message>
        <source>&lt;b&gt;Play Aya&lt;/b&gt; (Space) plays the current aya; &lt;b&gt;Stop Playing&lt;/b&gt; (Space again) stops.</source>
        <translation>&lt;b&gt;آیت چلائیں&lt;/b&gt; (اسپیس) موجودہ آیت چلاتا ہے؛ &lt;b&gt;چلانا روکیں&lt;/b&gt; (دوبارہ اسپیس) روکتا ہے۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Previous Aya&lt;/b&gt; (Left arrow) and &lt;b&gt;Next Aya&lt;/b&gt; (Right arrow) move through the sura.</source>
        <translation>&lt;b&gt;پچھلی آیت&lt;/b&gt; (دایاں تیر) اور &lt;b&gt;اگلی آیت&lt;/b&gt; (بایاں تیر) سورت میں آگے پیچھے جاتے ہیں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Repeat&lt;/b&gt;: how many times each aya is recited before the next one.</source>
        <translation>&lt;b&gt;تکرار&lt;/b&gt;: اگلی آیت سے پہلے ہر آیت کتنی بار پڑھی جائے۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause (secs)&lt;/b&gt;: a silence after each recitation of an aya, time for you to repeat it aloud. 0 means no pause.</source>
        <translation>&lt;b&gt;وقفہ (سیکنڈ)&lt;/b&gt;: آیت کی ہر تلاوت کے بعد خاموشی، تاکہ آپ اسے بلند آواز دہرائیں۔ 0 کا مطلب کوئی وقفہ نہیں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aya Range Settings&lt;/b&gt;: tick the box, then set &lt;b&gt;FROM&lt;/b&gt; and &lt;b&gt;TO&lt;/b&gt; to work on part of a sura.</source>
        <translation>&lt;b&gt;آیات کی حد کی ترتیبات&lt;/b&gt;: خانے پر نشان لگائیں، پھر سورت کے ایک حصے پر کام کے لیے &lt;b&gt;سے&lt;/b&gt; اور &lt;b&gt;تک&lt;/b&gt; طے کریں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loop Sura&lt;/b&gt;: start again at the first aya after the last.</source>
        <translation>&lt;b&gt;سورہ دہراتے رہیں&lt;/b&gt;: آخری آیت کے بعد پہلی آیت سے پھر شروع کریں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Stack Ayas&lt;/b&gt;: the stack drill. Varnel recites the first aya, then the first two, then the first three, and so on until the whole range is recited in one go. Press Play Aya to begin.</source>
        <translation>&lt;b&gt;آیات جوڑیں&lt;/b&gt;: جوڑنے کی مشق۔ ورنل پہلی آیت پڑھتا ہے، پھر پہلی دو، پھر پہلی تین، یہاں تک کہ پوری حد ایک ساتھ پڑھی جائے۔ شروع کرنے کے لیے آیت چلائیں دبائیں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sura Playback Progress&lt;/b&gt; shows how far through the sura (or the drill) you are.</source>
        <translation>&lt;b&gt;سورہ چلنے کی پیش رفت&lt;/b&gt; بتاتی ہے کہ آپ سورت (یا مشق) میں کہاں تک پہنچے۔</translation>
    </message>
    <message>
        <source>Single Aya Mode: learning one aya in parts</source>
        <translation>ایک آیت موڈ: ایک آیت حصوں میں یاد کرنا</translation>
    </message>
    <message>
        <source>Tick &lt;b&gt;Single Aya Mode&lt;/b&gt; to work on one long aya a part at a time. A row of controls appears:</source>
        <translation>ایک لمبی آیت پر حصہ حصہ کام کرنے کے لیے &lt;b&gt;ایک آیت موڈ&lt;/b&gt; پر نشان لگائیں۔ کنٹرولز کی ایک قطار ظاہر ہوتی ہے:</translation>
    </message>
    <message>
        <source>The slider shows where the recitation is. Drag it to jump.</source>
        <translation>سلائیڈر بتاتا ہے کہ تلاوت کہاں ہے۔ چھلانگ لگانے کے لیے اسے کھینچیں۔</translation>
    </message>
    <message>
        <source>The &lt;b&gt;start&lt;/b&gt; button (a bar with a green arrow) takes the slider's position as the start of the part; the &lt;b&gt;end&lt;/b&gt; button takes it as the end. You can also type the start and end in milliseconds.</source>
        <translation>&lt;b&gt;آغاز&lt;/b&gt; کا بٹن (سبز تیر والی لکیر) سلائیڈر کی جگہ کو حصے کا آغاز بناتا ہے؛ &lt;b&gt;اختتام&lt;/b&gt; کا بٹن اسے اختتام بناتا ہے۔ آپ آغاز اور اختتام ملی سیکنڈ میں لکھ بھی سکتے ہیں۔</translation>
    </message>
    <message>
        <source>The &lt;b&gt;repeat-play&lt;/b&gt; button (Space) plays the part again and again, with your pause between; the &lt;b&gt;stop&lt;/b&gt; button (Space) stops it.</source>
        <translation>&lt;b&gt;بار بار چلانے&lt;/b&gt; کا بٹن (اسپیس) حصہ بار بار چلاتا ہے، درمیان میں آپ کے وقفے کے ساتھ؛ &lt;b&gt;روکنے&lt;/b&gt; کا بٹن (اسپیس) اسے روکتا ہے۔</translation>
    </message>
    <message>
        <source>The arrow buttons (Left and Right arrows) move to the previous and next aya; the part becomes the whole aya again.</source>
        <translation>تیر والے بٹن (دایاں اور بایاں تیر) پچھلی اور اگلی آیت پر جاتے ہیں؛ حصہ پھر پوری آیت بن جاتا ہے۔</translation>
    </message>
    <message>
        <source>Your heart</source>
        <translation>آپ کا دل</translation>
    </message>
    <message>
        <source>To add the aya you see, drag the aya picture onto the heart.</source>
        <translation>جو آیت آپ دیکھ رہے ہیں اسے شامل کرنے کے لیے آیت کی تصویر دل پر کھینچیں۔</translation>
    </message>
    <message>
        <source>To add a whole sura, drag the heart picture next to the sura chooser onto the heart.</source>
        <translation>پوری سورت شامل کرنے کے لیے سورت چننے والے کے ساتھ والی دل کی تصویر دل پر کھینچیں۔</translation>
    </message>
    <message>
        <source>Each sura shows a heart that fills as you learn more of it. The red bar at the top shows how many ayas of all installed suras are in your heart.</source>
        <translation>ہر سورت ایک دل دکھاتی ہے جو جتنا یاد ہو اتنا بھرتا ہے۔ اوپر والی سرخ پٹی بتاتی ہے کہ نصب شدہ سب سورتوں کی کتنی آیات آپ کے دل میں ہیں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Close Completed Suras&lt;/b&gt; folds the suras you know completely.</source>
        <translation>&lt;b&gt;مکمل سورتیں سمیٹیں&lt;/b&gt; وہ سورتیں سمیٹ دیتا ہے جو آپ کو پوری یاد ہیں۔</translation>
    </message>
    <message>
        <source>Double-click an aya in your heart to go to it and recite from there.</source>
        <translation>دل میں کسی آیت پر دو بار کلک کریں تاکہ وہاں جا کر وہیں سے تلاوت ہو۔</translation>
    </message>
    <message>
        <source>Right-click an aya or a sura and choose &lt;i&gt;Remove&lt;/i&gt; to take it out of your heart.</source>
        <translation>کسی آیت یا سورت پر دایاں کلک کر کے &lt;b&gt;ہٹائیں&lt;/b&gt; چنیں تاکہ وہ دل سے نکل جائے۔</translation>
    </message>
    <message>
        <source>Practice: testing yourself</source>
        <translation>مشق: اپنا امتحان</translation>
    </message>
    <message>
        <source>View &amp;gt; Practice &amp;gt; &lt;b&gt;Hide the aya&lt;/b&gt; (H) covers the aya's picture, and &lt;b&gt;Hide the translation&lt;/b&gt; covers its translation. Each new aya starts hidden again.</source>
        <translation>منظر &amp;gt; مشق &amp;gt; &lt;b&gt;آیت چھپائیں&lt;/b&gt; (H) آیت کی تصویر ڈھانپ دیتا ہے، اور &lt;b&gt;ترجمہ چھپائیں&lt;/b&gt; اس کا ترجمہ۔ ہر نئی آیت پھر چھپی ہوئی شروع ہوتی ہے۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Test me&lt;/b&gt;, beside Pause in: the aya is hidden during each pause while you recite it from memory, and shown again when the pause ends. Set a pause for it to have a pause to work in.</source>
        <translation>&lt;b&gt;میرا امتحان لیں&lt;/b&gt;، وقفے کے پیمانے کے ساتھ: ہر وقفے میں جب آپ زبانی تلاوت کرتے ہیں آیت چھپی رہتی ہے، اور وقفہ ختم ہونے پر پھر دکھائی دیتی ہے۔ اس کے کام کے لیے وقفہ مقرر کریں۔</translation>
    </message>
    <message>
        <source>Pauses that fit the aya</source>
        <translation>آیت کے مطابق وقفے</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause in&lt;/b&gt; chooses how pauses are measured: in &lt;i&gt;seconds&lt;/i&gt; (the Pause box), or in &lt;i&gt;&amp;times; aya length&lt;/i&gt;, a multiple from 0.5 to 3.0 of the aya just heard (or of the part, in Single Aya Mode). A long aya then gets a long pause, a short one a short pause. A change of repeat, pause or speed while Varnel recites applies from the next repetition or the next aya.</source>
        <translation>&lt;b&gt;وقفے کا پیمانہ&lt;/b&gt; چنتا ہے کہ وقفے کیسے ناپے جائیں: &lt;b&gt;سیکنڈ&lt;/b&gt; میں (وقفے کا خانہ)، یا &lt;b&gt;&amp;times; آیت کی لمبائی&lt;/b&gt; میں، یعنی ابھی سنی آیت (یا ایک آیت موڈ میں حصے) کا 0.5 سے 3.0 گنا۔ یوں لمبی آیت کو لمبا وقفہ ملتا ہے اور چھوٹی کو چھوٹا۔ تلاوت کے دوران تکرار، وقفے یا رفتار کی تبدیلی اگلی تکرار یا اگلی آیت سے لاگو ہوتی ہے۔</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>رفتار</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Speed&lt;/b&gt; box (or View &amp;gt; Practice &amp;gt; Slower and Faster, the keys [ and ]) plays the recitation from 0.5&amp;times; to 1.5&amp;times; with its pitch kept. Positions, ranges and the single-aya marks stay in the recording's own time.</source>
        <translation>&lt;b&gt;رفتار&lt;/b&gt; کا خانہ (یا منظر &amp;gt; مشق &amp;gt; آہستہ اور تیز، کلیدیں [ اور ]) تلاوت کو 0.5&amp;times; سے 1.5&amp;times; تک چلاتا ہے اور آواز کی پچ وہی رہتی ہے۔ مقامات، حدیں اور ایک آیت کے نشان ریکارڈنگ کے اپنے وقت میں رہتے ہیں۔</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>پڑھنا</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom the aya's picture; Ctrl+0 (View &amp;gt; Fit to Width) fits it to the width. The line of text stays in view, and the zoom is kept for next time.</source>
        <translation>Ctrl+پہیہ، Ctrl+جمع اور Ctrl+منفی آیت کی تصویر بڑی چھوٹی کرتے ہیں؛ Ctrl+0 (منظر &amp;gt; چوڑائی کے مطابق) اسے چوڑائی کے برابر کرتا ہے۔ متن کی سطر نظر میں رہتی ہے، اور زوم اگلی بار کے لیے محفوظ رہتا ہے۔</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Night Reading&lt;/b&gt;: a dark page with light text and the aya as light ink.</source>
        <translation>منظر &amp;gt; &lt;b&gt;رات کا مطالعہ&lt;/b&gt;: گہرا صفحہ، ہلکا متن اور آیت ہلکی سیاہی میں۔</translation>
    </message>
    <message>
        <source>Review: keeping what you know</source>
        <translation>دہرائی: جو یاد ہے اسے قائم رکھنا</translation>
    </message>
    <message>
        <source>Choose an item and press &lt;b&gt;Review now&lt;/b&gt;: Varnel plays it once through, each aya once, with no repeat or pause.</source>
        <translation>کوئی چیز چن کر &lt;b&gt;ابھی دہرائیں&lt;/b&gt; دبائیں: ورنل اسے ایک بار چلاتا ہے، ہر آیت ایک بار، بغیر تکرار یا وقفے کے۔</translation>
    </message>
    <message>
        <source>Then grade how well you knew it: &lt;b&gt;Again&lt;/b&gt; (1) if you forgot it, &lt;b&gt;Hard&lt;/b&gt; (2), &lt;b&gt;Good&lt;/b&gt; (3) or &lt;b&gt;Easy&lt;/b&gt; (4). The panel says when that item comes back; a well-known sura comes back later and later, a forgotten one soon.</source>
        <translation>پھر بتائیں کہ وہ کتنی یاد تھی: بھول گئے تو &lt;b&gt;دوبارہ&lt;/b&gt; (1)، &lt;b&gt;مشکل&lt;/b&gt; (2)، &lt;b&gt;اچھا&lt;/b&gt; (3) یا &lt;b&gt;آسان&lt;/b&gt; (4)۔ پینل بتاتا ہے کہ وہ کب واپس آئے گی؛ خوب یاد سورت دیر سے اور دیر سے آتی ہے، بھولی ہوئی جلد۔</translation>
    </message>
    <message>
        <source>Suras due today have a small orange mark in your heart. The calendar shows your reviews of the last twelve weeks.</source>
        <translation>آج کی باری والی سورتوں پر آپ کے دل میں ایک چھوٹا نارنجی نشان ہوتا ہے۔ کیلنڈر پچھلے بارہ ہفتوں کی دہرائیاں دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>کلیدیں</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; plays and stops, except on a focused button or check box (which Space presses) and in a field where you type text.</source>
        <translation>&lt;b&gt;اسپیس&lt;/b&gt; چلاتا اور روکتا ہے، سوائے اس بٹن یا چیک باکس کے جس پر فوکس ہو (جسے اسپیس دباتا ہے) اور اس خانے کے جہاں آپ متن لکھتے ہیں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; go to the previous and next aya, except in number and text fields, on sliders and in the heart, which use them themselves.</source>
        <translation>&lt;b&gt;دایاں&lt;/b&gt; اور &lt;b&gt;بایاں&lt;/b&gt; پچھلی اور اگلی آیت پر جاتے ہیں، سوائے نمبر اور متن کے خانوں، سلائیڈروں اور دل کے، جو انہیں خود استعمال کرتے ہیں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Space&lt;/b&gt;, &lt;b&gt;Ctrl+Left&lt;/b&gt;, &lt;b&gt;Ctrl+Right&lt;/b&gt; and the media keys work wherever you are.</source>
        <translation>&lt;b&gt;Ctrl+اسپیس&lt;/b&gt;، &lt;b&gt;Ctrl+بایاں&lt;/b&gt;، &lt;b&gt;Ctrl+دایاں&lt;/b&gt; اور میڈیا کلیدیں ہر جگہ کام کرتی ہیں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;H&lt;/b&gt; hides the aya, &lt;b&gt;R&lt;/b&gt; reveals it, &lt;b&gt;[&lt;/b&gt; and &lt;b&gt;]&lt;/b&gt; change the speed, &lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt; grade a review.</source>
        <translation>&lt;b&gt;H&lt;/b&gt; آیت چھپاتا ہے، &lt;b&gt;R&lt;/b&gt; ظاہر کرتا ہے، &lt;b&gt;[&lt;/b&gt; اور &lt;b&gt;]&lt;/b&gt; رفتار بدلتے ہیں، &lt;b&gt;1&lt;/b&gt; سے &lt;b&gt;4&lt;/b&gt; دہرائی کا درجہ دیتے ہیں۔</translation>
    </message>
    <message>
        <source>Tab moves between the controls; every control can be reached and used without a mouse.</source>
        <translation>Tab کنٹرولز کے درمیان جاتا ہے؛ ہر کنٹرول ماؤس کے بغیر پہنچا اور چلایا جا سکتا ہے۔</translation>
    </message>
    <message>
        <source>Recitors</source>
        <translation>قاری</translation>
    </message>
    <message>
        <source>When more than one recitation of a sura pack is installed, Recitor &amp;gt; Config Recitor chooses, for each pack, whose recitation you hear. A recitation you choose there is heard for every sura of its pack, even where another pack covers the same suras.</source>
        <translation>جب کسی سورت پیک کی ایک سے زیادہ تلاوتیں نصب ہوں، تو قاری &amp;gt; قاری کی ترتیب ہر پیک کے لیے چنتا ہے کہ آپ کس کی تلاوت سنیں۔ وہاں چنی گئی تلاوت اپنے پیک کی ہر سورت میں سنائی دیتی ہے، چاہے کوئی اور پیک وہی سورتیں رکھتا ہو۔</translation>
    </message>
    <message>
        <source>Sura packs</source>
        <translation>سورت پیک</translation>
    </message>
    <message>
        <source>Varnel reads the Quran's text, pictures and recitations from sura packs in the &lt;tt&gt;quran&lt;/tt&gt; folder. Without them there is nothing to choose in the sura chooser.</source>
        <translation>ورنل قرآن کا متن، تصاویر اور تلاوتیں &lt;tt&gt;quran&lt;/tt&gt; فولڈر کے سورت پیکوں سے پڑھتا ہے۔ ان کے بغیر سورت چننے والے میں چننے کو کچھ نہیں ہوتا۔</translation>
    </message>
    <message>
        <source>Varnel helps you memorise suras of the Quran by ear and by sight: it shows each aya as a picture of its Arabic text with its translation and transliteration, and plays the recitation aya by aya with repeats, pauses, ranges, loops, the stack drill and the single-aya drill.</source>
        <translation>ورنل آپ کو قرآن کی سورتیں سن کر اور دیکھ کر یاد کرنے میں مدد دیتا ہے: یہ ہر آیت کو اس کے عربی متن کی تصویر کے طور پر ترجمے اور رومن تلفظ کے ساتھ دکھاتا ہے، اور تکرار، وقفوں، حدوں، دہراؤ، جوڑنے کی مشق اور ایک آیت کی مشق کے ساتھ آیت بہ آیت تلاوت چلاتا ہے۔</translation>
    </message>
    <message>
        <source>Varnel holds no Quran content of its own beyond a table of the 114 suras. The pictures, recitations and texts come in &lt;b&gt;sura packs&lt;/b&gt; (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) in the &lt;tt&gt;quran&lt;/tt&gt; folder of Varnel's working folder; more recitations go into &lt;tt&gt;quran/extra&lt;/tt&gt;, more translations into &lt;tt&gt;quran/lang&lt;/tt&gt;. The Debian package &lt;b&gt;varnel-data&lt;/b&gt; brings the demo packs (Al-Fatiha and Juz' Amma with nine translations), read where they are installed; make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</source>
        <translation>ورنل میں 114 سورتوں کی ایک جدول کے سوا قرآن کا کوئی مواد نہیں۔ تصاویر، تلاوتیں اور متن &lt;b&gt;سورت پیکوں&lt;/b&gt; (&lt;tt&gt;.dat&lt;/tt&gt; پر ختم ہونے والی فائلیں) میں آتے ہیں، ورنل کے کام کے فولڈر کے &lt;tt&gt;quran&lt;/tt&gt; فولڈر میں؛ مزید تلاوتیں &lt;tt&gt;quran/extra&lt;/tt&gt; میں، مزید ترجمے &lt;tt&gt;quran/lang&lt;/tt&gt; میں جاتے ہیں۔ ڈیبین پیکج &lt;b&gt;varnel-data&lt;/b&gt; نمونے کے پیک لاتا ہے (الفاتحہ اور پارہ عم نو ترجموں کے ساتھ)، جو اپنی نصب جگہ سے پڑھے جاتے ہیں؛ اپنی ریکارڈنگز سے پیک &lt;tt&gt;varnel-pack import&lt;/tt&gt; سے بنائیں۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sources.&lt;/b&gt; The demo content's Arabic text, translations and transliteration come from the quran-json package (CC-BY-4.0), which takes the Arabic text from the Tanzil project; its recitations are synthetic speech made with espeak-ng, no human recitation. The Arabic is drawn with the Amiri Quran font by Khaled Hosny (SIL Open Font License).</source>
        <translation>&lt;b&gt;ماخذ۔&lt;/b&gt; نمونے کے مواد کا عربی متن، ترجمے اور رومن تلفظ quran-json پیکج (CC-BY-4.0) سے ہیں، جو عربی متن تنزیل منصوبے سے لیتا ہے؛ اس کی تلاوتیں espeak-ng سے بنی مصنوعی آواز ہیں، انسانی تلاوت نہیں۔ عربی خالد حسنی کے Amiri Quran فونٹ میں لکھی گئی ہے (SIL اوپن فونٹ لائسنس)۔</translation>
    </message>
    <message>
        <source>It seems you downloaded only the main program&lt;br&gt;and you don't have any sura packs installed!&lt;br&gt;&lt;br&gt;Sura packs (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) go in this folder:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;To get some:&lt;br&gt;&amp;bull; install the &lt;b&gt;varnel-data&lt;/b&gt; package (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Al-Fatiha and Juz' Amma with translations, found where they are installed;&lt;br&gt;&amp;bull; or make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt; (see &lt;tt&gt;man varnel-pack&lt;/tt&gt;), then start Varnel again.</source>
        <translation>لگتا ہے آپ نے صرف مرکزی پروگرام ڈاؤن لوڈ کیا ہے&lt;br&gt;اور کوئی سورت پیک نصب نہیں!&lt;br&gt;&lt;br&gt;سورت پیک (&lt;tt&gt;.dat&lt;/tt&gt; پر ختم ہونے والی فائلیں) اس فولڈر میں جاتے ہیں:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;کچھ حاصل کرنے کے لیے:&lt;br&gt;&amp;bull; &lt;b&gt;varnel-data&lt;/b&gt; پیکج نصب کریں (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): الفاتحہ اور پارہ عم ترجموں کے ساتھ، اپنی نصب جگہ سے پڑھے جاتے ہیں؛&lt;br&gt;&amp;bull; یا اپنی ریکارڈنگز سے &lt;tt&gt;varnel-pack import&lt;/tt&gt; سے پیک بنائیں (دیکھیں &lt;tt&gt;man varnel-pack&lt;/tt&gt;)، پھر ورنل دوبارہ شروع کریں۔</translation>
    </message>
    <message>
        <source>Varnel Help</source>
        <translation>ورنل مدد</translation>
    </message>
    <message>
        <source>The window and its panels</source>
        <translation>کھڑکی اور اس کے پینل</translation>
    </message>
    <message>
        <source>The aya fills the middle of the window: its picture, and under it the translation panel. Right under them are the buttons that play, stop and move between ayas, the aya slider and a line that says where you are.</source>
        <translation>آیت کھڑکی کے بیچ کو بھرتی ہے: اس کی تصویر، اور اس کے نیچے ترجمے کا پینل۔ ان کے بالکل نیچے چلانے، روکنے اور آیات کے درمیان جانے کے بٹن، آیت کا سلائیڈر اور ایک سطر ہے جو بتاتی ہے کہ آپ کہاں ہیں۔</translation>
    </message>
    <message>
        <source>Beside the aya stand the panels. &lt;b&gt;Heart&lt;/b&gt;, &lt;b&gt;Review&lt;/b&gt; and &lt;b&gt;My Recitation&lt;/b&gt; share one place as tabs; &lt;b&gt;Recitation Settings&lt;/b&gt; holds the repeat, pause, range, loop, stack and practice settings. Drag a panel by its title to move it or to let it float, and close what you do not need: the &lt;b&gt;View&lt;/b&gt; menu shows each panel again, and View &amp;gt; Reset Layout brings back the first arrangement. Varnel remembers the window and its panels on this computer.</source>
        <translation>آیت کے پہلو میں پینل ہیں۔ &lt;b&gt;دل&lt;/b&gt;، &lt;b&gt;دہرائی&lt;/b&gt; اور &lt;b&gt;میری تلاوت&lt;/b&gt; ٹیبز کی صورت میں ایک جگہ بانٹتے ہیں؛ &lt;b&gt;تلاوت کی ترتیبات&lt;/b&gt; میں تکرار، وقفے، حد، لوپ، اسٹیک اور مشق کی ترتیبات ہیں۔ پینل کو اس کے عنوان سے گھسیٹ کر منتقل کریں یا الگ تیرنے دیں، اور جو ضرورت نہ ہو بند کر دیں: &lt;b&gt;منظر&lt;/b&gt; مینو ہر پینل دوبارہ دکھاتا ہے، اور منظر &amp;gt; ترتیب بحال کریں پہلی ترتیب واپس لاتا ہے۔ ورنل اس کمپیوٹر پر کھڑکی اور اس کے پینل یاد رکھتا ہے۔</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Heart&lt;/b&gt; panel is your heart: the ayas you know.</source>
        <translation>&lt;b&gt;دل&lt;/b&gt; کا پینل آپ کا دل ہے: وہ آیات جو آپ کو یاد ہیں۔</translation>
    </message>
    <message>
        <source>Every sura in your heart (a part of 20 ayas, for suras longer than 40) comes up for review the day after you learn it. The &lt;b&gt;Review&lt;/b&gt; panel beside the heart lists what is due today, the most overdue first, with the day of its last review and your chance of recalling it today. View &amp;gt; Review Panel shows or hides it.</source>
        <translation>آپ کے دل کی ہر سورت (40 سے لمبی سورتوں کا 20 آیات کا حصہ) یاد کرنے کے اگلے دن دہرائی کے لیے آتی ہے۔ دل کے پہلو میں &lt;b&gt;دہرائی&lt;/b&gt; پینل آج کی باری والی چیزیں دکھاتا ہے، سب سے زیادہ تاخیر والی پہلے، پچھلی دہرائی کے دن اور آج یاد ہونے کے امکان کے ساتھ۔ منظر &amp;gt; دہرائی پینل اسے دکھاتا یا چھپاتا ہے۔</translation>
    </message>
    <message>
        <source>Passages: pages, juz and hizb</source>
        <translation>حصے: صفحے، پارے اور حزب</translation>
    </message>
    <message>
        <source>Beside the sura chooser, choose Page, Juz, Hizb or Quarter of the Madinah mushaf and its number, then press &lt;b&gt;Play Passage&lt;/b&gt; (or Return): every drill plays the passage across its suras. &lt;b&gt;Times&lt;/b&gt; plays it that many times. View &amp;gt; Practice &amp;gt; Add Passage to Heart puts all its ayas in your heart, and the cells under the heart's bar fill juz by juz. The Review panel can review by suras or by pages.</source>
        <translation>سورت کے انتخاب کے پہلو میں مدینہ مصحف کا صفحہ، پارہ، حزب یا ربع اور اس کا نمبر چنیں، پھر &lt;b&gt;حصہ چلائیں&lt;/b&gt; (یا Return) دبائیں: ہر مشق حصے کو اس کی سورتوں میں چلاتی ہے۔ &lt;b&gt;بار&lt;/b&gt; اسے اتنی بار چلاتا ہے۔ منظر &amp;gt; مشق &amp;gt; حصہ دل میں ڈالیں اس کی سب آیات آپ کے دل میں ڈالتا ہے، اور دل کی پٹی کے نیچے خانے پارہ بہ پارہ بھرتے ہیں۔ دہرائی پینل سورتوں یا صفحوں کے لحاظ سے دہرا سکتا ہے۔</translation>
    </message>
    <message>
        <source>Reciting and listening back</source>
        <translation>تلاوت کرنا اور سننا</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;My Recitation&lt;/b&gt; panel, Record (View &amp;gt; Practice &amp;gt; Record My Recitation, Ctrl+R) records you reciting the aya shown; Play Mine plays it back; Compare with the Reciter plays the reciter and then you, with both waveforms; Delete removes your recordings after asking.</source>
        <translation>&lt;b&gt;میری تلاوت&lt;/b&gt; پینل میں، ریکارڈ (منظر &amp;gt; مشق &amp;gt; میری تلاوت ریکارڈ کریں، Ctrl+R) دکھائی گئی آیت پڑھتے ہوئے آپ کو ریکارڈ کرتا ہے؛ میری چلائیں اسے واپس سناتا ہے؛ قاری سے موازنہ پہلے قاری اور پھر آپ کو، دونوں لہروں کے ساتھ، سناتا ہے؛ حذف کریں پوچھ کر آپ کی ریکارڈنگز ہٹاتا ہے۔</translation>
    </message>
    <message>
        <source>File &amp;gt; Import Recordings turns a folder of your own recordings into a recitation you can choose; Recitor &amp;gt; Installed Packs lists every pack and recitation, where it lives and which is chosen, and removes a recitation you imported.</source>
        <translation>فائل &amp;gt; ریکارڈنگز درآمد کریں آپ کی اپنی ریکارڈنگز کے فولڈر کو ایک تلاوت بنا دیتا ہے جسے آپ چن سکیں؛ قاری &amp;gt; نصب شدہ پیک ہر پیک اور تلاوت، اس کی جگہ اور چنی ہوئی کو دکھاتا ہے، اور آپ کی درآمد کی ہوئی تلاوت ہٹاتا ہے۔</translation>
    </message>
    <message>
        <source>More of the menus</source>
        <translation>مینو کی مزید باتیں</translation>
    </message>
    <message>
        <source>File &amp;gt; New/Load Profile changes the learner; File &amp;gt; Exit ends Varnel and saves your profile.</source>
        <translation>فائل &amp;gt; نیا/پروفائل کھولیں سیکھنے والے کو بدلتا ہے؛ فائل &amp;gt; باہر نکلیں ورنل بند کرتا اور آپ کا پروفائل محفوظ کرتا ہے۔</translation>
    </message>
    <message>
        <source>View &amp;gt; Show Transliteration and Hide Translation show or hide each text; Zoom In and Zoom Out make the aya's picture larger or smaller.</source>
        <translation>منظر &amp;gt; نقل حرفی دکھائیں اور ترجمہ چھپائیں ہر متن کو دکھاتے یا چھپاتے ہیں؛ بڑا کریں اور چھوٹا کریں آیت کی تصویر کو بڑا یا چھوٹا کرتے ہیں۔</translation>
    </message>
    <message>
        <source>Where the pitch of both voices can be followed, a line over each waveform traces its melody, yours on the reciter's time, so that you can follow the reciter's.</source>
        <translation>جہاں دونوں آوازوں کی سُر کو پرکھا جا سکے، ہر موج کے اوپر ایک لکیر اس کی لَے دکھاتی ہے، آپ کی قاری کے وقت پر، تاکہ آپ قاری کی لَے کے پیچھے چل سکیں۔</translation>
    </message>
    <message>
        <source>Check (View &amp;gt; Practice &amp;gt; Check My Recitation) compares your recording of the aya shown with the reciter's, and each take is checked at once: the verdict (match, partial or different) is written under the waveforms when it is ready, and what you left out, added or said differently is marked on them. When your packs hold an aya that differs from this one by a word or two and your recording sounds like it, the verdict names it. It checks the words and their order, not tajweed.</source>
        <translation>«جانچیں» (دیکھیں &amp;gt; مشق &amp;gt; میری تلاوت جانچیں) دکھائی گئی آیت کی آپ کی ریکارڈنگ کا قاری کی تلاوت سے موازنہ کرتا ہے، اور ہر ریکارڈنگ فوراً جانچی جاتی ہے: نتیجہ (مطابق، جزوی یا مختلف) تیار ہونے پر لہروں کے نیچے لکھا جاتا ہے، اور جو آپ نے چھوڑا، بڑھایا یا مختلف پڑھا وہ ان پر نشان زد ہوتا ہے۔ اگر آپ کے پیکوں میں کوئی ایسی آیت ہو جو اس سے ایک دو لفظوں میں مختلف ہو اور آپ کی ریکارڈنگ اس جیسی لگے تو نتیجہ اس کا نام لیتا ہے۔ یہ الفاظ اور ان کی ترتیب کی جانچ ہے، تجوید کی نہیں۔</translation>
    </message>
    <message>
        <source>With View &amp;gt; Practice &amp;gt; &lt;b&gt;Snap the Part to Words&lt;/b&gt; (on at first), the start and end buttons take the start and the end of the word the slider stands in, so that a part never begins or ends inside a word.</source>
        <translation>دیکھیں &amp;gt; مشق &amp;gt; &lt;b&gt;حصے کو لفظوں پر جمائیں&lt;/b&gt; (شروع میں آن) کے ساتھ شروع اور اختتام کے بٹن اس لفظ کا شروع اور اختتام لیتے ہیں جس پر سلائیڈر کھڑا ہو، تاکہ کوئی حصہ کبھی کسی لفظ کے بیچ میں شروع یا ختم نہ ہو۔</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reveal&lt;/b&gt; (R) uncovers the picture a word at a time, from the right, where an Arabic line begins (a fifth at a time where the pack does not tell the aya's words). A click on the covered picture uncovers all of it.</source>
        <translation>&lt;b&gt;ظاہر کریں&lt;/b&gt; (R) تصویر کو ایک ایک لفظ کر کے کھولتا ہے، دائیں سے، جہاں عربی سطر شروع ہوتی ہے (جہاں پیک آیت کے الفاظ نہ بتائے وہاں پانچواں حصہ ایک بار میں)۔ ڈھکی تصویر پر ایک کلک پوری کھول دیتا ہے۔</translation>
    </message>
    <message>
        <source>Hear Left Out then plays the reciter saying just what the check found you left out or said differently, one part at each press. Where the pack tells the aya's words, the verdict names them ("Left out: ... (word 4)") and they are framed on the picture.</source>
        <translation>پھر «چھوٹا ہوا سنیں» قاری کو صرف وہی کہتے سناتا ہے جو جانچ کے مطابق آپ نے چھوڑا یا مختلف کہا، ہر دباؤ پر ایک حصہ۔ جہاں پیک آیت کے الفاظ بتائے وہاں فیصلہ انہیں نام سے بتاتا ہے («چھوٹا ہوا: ... (لفظ 4)») اور وہ تصویر پر گھیرے جاتے ہیں۔</translation>
    </message>
    <message>
        <source>A new take keeps the one it replaces as your previous take: Delete &amp;gt; &lt;b&gt;Bring Back My Previous Take&lt;/b&gt; brings it back (and keeps the newer one as the previous), so a worse take never loses a good one.</source>
        <translation>نئی ریکارڈنگ جس کی جگہ لیتی ہے اسے آپ کی پچھلی ریکارڈنگ کے طور پر رکھتی ہے: حذف کریں &amp;gt; &lt;b&gt;میری پچھلی ریکارڈنگ واپس لائیں&lt;/b&gt; اسے واپس لاتا ہے (اور نئی کو پچھلی کے طور پر رکھتا ہے)، تاکہ بری ریکارڈنگ کبھی اچھی کو ضائع نہ کرے۔</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Mark the Heard Word&lt;/b&gt; (on at first): while the reciter plays, the word being said is tinted and underlined on the picture. A click on a word plays the aya from that word, and so do the keys 1 to 9 for the first nine words when the picture has the focus. Packs made by varnel-demo and by Import Recordings tell each aya's words.</source>
        <translation>دیکھیں &amp;gt; &lt;b&gt;سنا جانے والا لفظ نمایاں کریں&lt;/b&gt; (شروع میں آن): قاری کی تلاوت کے دوران بولا جانے والا لفظ تصویر پر رنگا اور خط کشیدہ ہوتا ہے۔ کسی لفظ پر کلک آیت کو اسی لفظ سے چلاتا ہے۔ varnel-demo اور ریکارڈنگز درآمد کریں سے بنے پیک ہر آیت کے الفاظ بتاتے ہیں۔ جب تصویر پر فوکس ہو تو 1 سے 9 تک کی کلیدیں پہلے نو الفاظ کے لیے یہی کرتی ہیں۔</translation>
    </message>
    <message>
        <source>View &amp;gt; Interface Language chooses the language of Varnel's own words: the window, its panels and its dialogs speak it at once, and at every start after. Help &amp;gt; About tells which Varnel this is.</source>
        <translation>منظر &amp;gt; انٹرفیس کی زبان ورنل کے اپنے الفاظ کی زبان چنتی ہے: ونڈو، اس کے پینل اور اس کے مکالمے اسی وقت یہ زبان بولتے ہیں، اور ہر اگلی بار شروع ہونے پر بھی۔ مدد &amp;gt; تعارف بتاتا ہے کہ یہ کون سا ورنل ہے۔</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. Built on Qt, OpenAL Soft, libsndfile and SoundTouch.</source>
        <translation>آزاد سافٹ ویئر، جی این یو جنرل پبلک لائسنس ورژن 3 یا بعد کے تحت۔ Qt، OpenAL Soft، libsndfile اور SoundTouch پر مبنی۔</translation>
    </message>
</context>
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>دل میں یاد سورتیں</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ہٹائیں</translation>
    </message>
    <message>
        <source>You recorded this aya</source>
        <translation>آپ نے یہ آیت ریکارڈ کی</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>ریکارڈ شدہ</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>دہرائی کی باری</translation>
    </message>
    <message>
        <source>You recorded this aya, and its last check matched the reciter</source>
        <translation>آپ نے یہ آیت ریکارڈ کی، اور اس کی آخری جانچ قاری سے مطابق تھی</translation>
    </message>
    <message>
        <source>recorded, checked: match</source>
        <translation>ریکارڈ شدہ، جانچ: مطابق</translation>
    </message>
</context>
<context>
    <name>HeartPanel</name>
    <message>
        <source>My Heart</source>
        <translation>میرا دل</translation>
    </message>
    <message>
        <source>Progress: </source>
        <translation>پیش رفت: </translation>
    </message>
    <message>
        <source>Memorised ayas</source>
        <translation>یاد کی گئی آیات</translation>
    </message>
    <message>
        <source>Progress by juz</source>
        <translation>پارے کے لحاظ سے پیش رفت</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>دل</translation>
    </message>
    <message>
        <source>Close Completed Suras</source>
        <translation>مکمل سورتیں سمیٹیں</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras; %3 more from suras not installed</source>
        <translation>نصب شدہ سورتوں کی %2 آیات میں سے %1؛ مزید %3 ان سورتوں سے جو نصب نہیں</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras</source>
        <translation>نصب شدہ سورتوں کی %2 آیات میں سے %1</translation>
    </message>
    <message>
        <source>%1's Heart</source>
        <translation>%1 کا دل</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Recordings</source>
        <translation>ریکارڈنگز درآمد کریں</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>آپ کی ریکارڈنگز، ہر آیت کی ایک فائل جس کا نام SSSAAA ہو (001001.mp3 یعنی 1:1؛ MP3، Ogg، FLAC یا WAV)، ایک تلاوت بن جاتی ہیں جسے آپ چن سکتے ہیں۔ عربی متن کے بغیر یہ آپ کے موجودہ پیکوں میں شامل ہو جاتی ہیں جو تصویریں اور متن دکھاتے ہیں؛ متن کے ساتھ (تنزیل فائل، ہر سطر میں "سورہ|آیت|متن"، یا quran-json پیکیج کا فولڈر) یہ اپنے سورہ پیک بن جاتی ہیں۔</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>ریکارڈنگز کا فولڈر:</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>عربی متن:</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>ترجمہ:</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>رومن تلفظ:</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>ریکارڈنگز کا فولڈر</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>عربی متن (اختیاری)</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>ترجمہ (اختیاری)</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>رومن تلفظ (اختیاری)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>تلاش کریں...</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>%1 کے لیے تلاش کریں</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>تلاوت کا نام:</translation>
    </message>
    <message>
        <source>Recitation name</source>
        <translation>تلاوت کا نام</translation>
    </message>
    <message>
        <source>optional: a name keeps it beside the packs you have</source>
        <translation>اختیاری: نام اسے آپ کے پیکوں کے ساتھ رکھتا ہے</translation>
    </message>
    <message>
        <source>Re-encode the recordings as Ogg Vorbis</source>
        <translation>ریکارڈنگز کو Ogg Vorbis میں دوبارہ انکوڈ کریں</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>درآمد کی پیش رفت</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>درآمد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>پہلے اپنی ریکارڈنگز کا فولڈر منتخب کریں۔</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces, and neither "default" nor "lang": "%1" cannot be one.</source>
        <translation>تلاوت کا نام ایک لفظ ہوتا ہے، / یا خالی جگہ کے بغیر، اور نہ "default" نہ "lang": "%1" نام نہیں بن سکتا۔</translation>
    </message>
    <message>
        <source>There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.</source>
        <translation>%1 میں SSSAAA نام کی کوئی ریکارڈنگ نہیں (001001.mp3 یعنی 1:1)۔</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>درآمد منسوخ ہو گئی؛ اس میں سے کچھ نہیں رکھا گیا۔</translation>
    </message>
    <message>
        <source>The recordings could not be imported:</source>
        <translation>ریکارڈنگز درآمد نہیں ہو سکیں:</translation>
    </message>
    <message>
        <source>Your recordings are imported and ready to play.</source>
        <translation>آپ کی ریکارڈنگز درآمد ہو گئیں اور چلنے کے لیے تیار ہیں۔</translation>
    </message>
    <message>
        <source>These packs were there already and are kept as they are.</source>
        <translation>یہ پیک پہلے سے موجود تھے اور ویسے ہی رہیں گے۔</translation>
    </message>
</context>
<context>
    <name>InstalledPacks</name>
    <message>
        <source>Installed Packs</source>
        <translation>نصب شدہ پیک</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>پیک</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>سورتیں</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>حجم</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>جگہ</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>تلاوت</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>نصب شدہ پیک</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>فولڈر کھولیں</translation>
    </message>
    <message>
        <source>Remove Recitation...</source>
        <translation>تلاوت ہٹائیں...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>default</source>
        <translation>طے شدہ</translation>
    </message>
    <message>
        <source>installed for everyone</source>
        <translation>سب کے لیے نصب</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>آپ کے</translation>
    </message>
    <message>
        <source> (chosen)</source>
        <translation> (منتخب)</translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is:&lt;br&gt;%1</source>
        <translation>کوئی فائل مینیجر فولڈر نہیں کھول سکا۔ یہ یہاں ہے:&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>Remove the recitation "%1" and all its packs?</source>
        <translation>کیا تلاوت "%1" اور اس کے سب پیک ہٹا دیں؟</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>%1 کی کچھ فائلیں ہٹائی نہیں جا سکیں۔</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System Default</source>
        <translation>سسٹم کی زبان</translation>
    </message>
</context>
<context>
    <name>JuzProgress</name>
    <message>
        <source>Progress by juz</source>
        <translation>پارے کے لحاظ سے پیش رفت</translation>
    </message>
    <message>
        <source>Juz %L1: %L2 of %L3 ayas (%L4%)</source>
        <translation>پارہ %L1: %L3 میں سے %L2 آیات (%L4%)</translation>
    </message>
    <message>
        <source>. %L1 of 30 juz begun, %L2 of %L3 ayas in all.</source>
        <translation>۔ 30 میں سے %L1 پارے شروع، کل %L3 میں سے %L2 آیات۔</translation>
    </message>
</context>
<context>
    <name>LearnerRecord</name>
    <message>
        <source>The review record</source>
        <translation>دہرائی کا ریکارڈ</translation>
    </message>
    <message>
        <source>Your heart is kept; its suras start review again.</source>
        <translation>آپ کا دل محفوظ ہے؛ اس کی سورتوں کی دہرائی نئے سرے سے شروع ہوتی ہے۔</translation>
    </message>
    <message>
        <source>The review record by page</source>
        <translation>صفحوں کے لحاظ سے دہرائی کا ریکارڈ</translation>
    </message>
    <message>
        <source>Your heart is kept; its pages start review again.</source>
        <translation>آپ کا دل محفوظ ہے؛ اس کے صفحوں کی دہرائی نئے سرے سے شروع ہوتی ہے۔</translation>
    </message>
    <message>
        <source>Your practice settings</source>
        <translation>آپ کی مشق کی ترتیبات</translation>
    </message>
    <message>
        <source>Hiding and Test me start switched off.</source>
        <translation>چھپانا اور میرا امتحان لیں بند حالت میں شروع ہوتے ہیں۔</translation>
    </message>
    <message>
        <source>it is not a practice-settings file</source>
        <translation>یہ مشق کی ترتیبات کی فائل نہیں</translation>
    </message>
    <message>
        <source>Your drill settings</source>
        <translation>آپ کی مشق کی ترتیبات (تکرار)</translation>
    </message>
    <message>
        <source>Repeat, pause, loop, stack and speed start from their defaults.</source>
        <translation>تکرار، وقفہ، دہراؤ، جوڑنا اور رفتار اپنی طے شدہ قدروں سے شروع ہوتے ہیں۔</translation>
    </message>
    <message>
        <source>it is not a drill-settings file</source>
        <translation>یہ چلانے کی ترتیبات کی فائل نہیں</translation>
    </message>
    <message>
        <source>Review records were found without a profile. The new profile starts with an empty heart; the records as they were are kept as:</source>
        <translation>دہرائی کے ریکارڈ کسی پروفائل کے بغیر ملے۔ نیا پروفائل خالی دل سے شروع ہوتا ہے؛ ریکارڈ جیسے تھے ویسے محفوظ ہیں:</translation>
    </message>
    <message>
        <source>Review records were found without a profile, and there is no room to keep them aside. They are left as they are, and your reviews are not saved over them:</source>
        <translation>دہرائی کے ریکارڈ کسی پروفائل کے بغیر ملے، اور انہیں الگ رکھنے کی جگہ نہیں۔ وہ جیسے ہیں ویسے چھوڑ دیے گئے ہیں، اور آپ کی دہرائی ان کے اوپر محفوظ نہیں کی جاتی:</translation>
    </message>
</context>
<context>
    <name>Mpris</name>
    <message>
        <source>The default recitation</source>
        <translation>طے شدہ تلاوت</translation>
    </message>
</context>
<context>
    <name>MyRecitation</name>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>%1 جانچی نہیں جا سکتی: %2۔</translation>
    </message>
    <message>
        <source>Your previous take, which matched, is kept: bring it back with Delete &gt; Bring Back My Previous Take.</source>
        <translation>آپ کی پچھلی ریکارڈنگ، جو مطابق تھی، محفوظ ہے: اسے حذف کریں &gt; میری پچھلی ریکارڈنگ واپس لائیں سے واپس لائیں۔</translation>
    </message>
    <message>
        <source>Everything else works as before.</source>
        <translation>باقی سب پہلے کی طرح کام کرتا ہے۔</translation>
    </message>
    <message>
        <source>Choose or make a profile first: your recordings are kept with it.</source>
        <translation>پہلے پروفائل منتخب کریں یا بنائیں: آپ کی ریکارڈنگز اسی کے ساتھ رکھی جاتی ہیں۔</translation>
    </message>
    <message>
        <source>Recite each aya in the pause after it; press Stop Recording (Ctrl+R) to end.</source>
        <translation>ہر آیت اس کے بعد والے وقفے میں پڑھیں؛ ختم کرنے کے لیے ریکارڈنگ روکیں (Ctrl+R) دبائیں۔</translation>
    </message>
    <message>
        <source>Nothing was heard, so no recording of %1 was kept.</source>
        <translation>کچھ سنائی نہیں دیا، اس لیے %1 کی ریکارڈنگ نہیں رکھی گئی۔</translation>
    </message>
    <message>
        <source>Your recitation of %1 could not be kept:</source>
        <translation>%1 کی آپ کی تلاوت محفوظ نہیں ہو سکی:</translation>
    </message>
    <message>
        <source>Your recitation of %1 is kept (%2 s).</source>
        <translation>%1 کی آپ کی تلاوت محفوظ ہو گئی (%2 سیکنڈ)۔</translation>
    </message>
    <message>
        <source>You have not recorded %1 yet: press Record (Ctrl+R).</source>
        <translation>آپ نے ابھی %1 ریکارڈ نہیں کی: ریکارڈ (Ctrl+R) دبائیں۔</translation>
    </message>
    <message>
        <source>Checking your recitation of %1...</source>
        <translation>آپ کی %1 کی تلاوت جانچی جا رہی ہے...</translation>
    </message>
    <message>
        <source>The check's mark for %1 could not be kept: %2</source>
        <translation>%1 کی جانچ کا نشان محفوظ نہیں ہو سکا: %2</translation>
    </message>
    <message>
        <source>The reciter: %1, of %2.</source>
        <translation>قاری: %1، %2 میں سے۔</translation>
    </message>
    <message>
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>آپ نے اس سبق کی کوئی آیت ابھی ریکارڈ نہیں کی: ریکارڈ (Ctrl+R) دبائیں۔</translation>
    </message>
    <message>
        <source>You have no previous take of %1.</source>
        <translation>%1 کی کوئی پچھلی ریکارڈنگ نہیں۔</translation>
    </message>
    <message>
        <source>Your previous take of %1 is back; the one it replaced is kept as the previous.</source>
        <translation>%1 کی آپ کی پچھلی ریکارڈنگ واپس آ گئی؛ جس کی جگہ لی تھی وہ پچھلی کے طور پر محفوظ ہے۔</translation>
    </message>
    <message>
        <source>You have no recording of %1.</source>
        <translation>آپ کے پاس %1 کی ریکارڈنگ نہیں۔</translation>
    </message>
    <message>
        <source>Delete your recording of %1?</source>
        <translation>%1 کی اپنی ریکارڈنگ حذف کریں؟</translation>
    </message>
    <message>
        <source>You have no recordings.</source>
        <translation>آپ کے پاس کوئی ریکارڈنگ نہیں۔</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %1 of your recordings?</source>
        <translation>
            <numerusform>اپنی %L1 ریکارڈنگ حذف کریں؟</numerusform>
            <numerusform>اپنی تمام %L1 ریکارڈنگز حذف کریں؟</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>ریکارڈنگ روکیں</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>ریکارڈ</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>ریکارڈ ہو رہا ہے</translation>
    </message>
    <message>
        <source>Waiting for the pause</source>
        <translation>وقفے کا انتظار</translation>
    </message>
    <message>
        <source>Recording %1... it stops after a few seconds of quiet.</source>
        <translation>%1 ریکارڈ ہو رہی ہے... چند سیکنڈ خاموشی کے بعد رک جائے گی۔</translation>
    </message>
    <message>
        <source>Your recording of %1 cannot be played:</source>
        <translation>آپ کی %1 کی ریکارڈنگ چلائی نہیں جا سکتی:</translation>
    </message>
</context>
<context>
    <name>PackDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>فولڈر کھولیں</translation>
    </message>
    <message>
        <source>The sura pack %1 is damaged and cannot be read.&lt;br&gt;&lt;br&gt;A healthy copy of it serves in its place where one is installed; otherwise its suras are left out until the file is replaced.</source>
        <translation>سورتوں کا پیک %1 خراب ہے اور پڑھا نہیں جا سکتا۔&lt;br&gt;&lt;br&gt;اگر اس کی کوئی درست نقل نصب ہو تو وہ اس کی جگہ کام کرتی ہے؛ ورنہ فائل بدلے جانے تک اس کی سورتیں شامل نہیں ہوتیں۔</translation>
    </message>
</context>
<context>
    <name>PackRegistry</name>
    <message>
        <source>Cannot write "recite.ini": %1</source>
        <translation>"recite.ini" لکھی نہ جا سکی: %1</translation>
    </message>
    <message>
        <source>"%1" is not a recitation's folder name.</source>
        <translation>"%1" کسی تلاوت کے فولڈر کا نام نہیں۔</translation>
    </message>
</context>
<context>
    <name>Passage</name>
    <message>
        <source>Page</source>
        <translation>صفحہ</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>پارہ</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>حزب</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>ربع</translation>
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
        <translation>کوئی %1 %2 نہیں: مصحف میں ان کی تعداد %3 ہے، 1 سے شمار۔</translation>
    </message>
    <message>
        <source>%1 needs the sura packs of these suras, which are not installed:&lt;br&gt;&lt;br&gt;%2</source>
        <translation>%1 کو ان سورتوں کے پیک چاہییں، جو نصب نہیں:&lt;br&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>آپ کی مشق کی ترتیبات محفوظ نہیں ہو سکیں:</translation>
    </message>
</context>
<context>
    <name>PracticeAids</name>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>آپ کے مشق کے معاون کی ترتیبات محفوظ نہیں ہو سکیں:</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>چلانا</translation>
    </message>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>چھپی ہوئی: ظاہر کرنے کے لیے R دبائیں</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Please select an existing profile, or create a new one!</source>
        <translation>براہ کرم موجودہ پروفائل منتخب کریں، یا نیا بنائیں!</translation>
    </message>
    <message>
        <source>Username already exists: a profile named %1 is kept already.</source>
        <translation>صارف کا نام پہلے سے موجود ہے: %1 نام کا پروفائل پہلے سے محفوظ ہے۔</translation>
    </message>
    <message>
        <source>Do you want to load it?</source>
        <translation>کیا آپ اسے کھولنا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>Create New Profile</source>
        <translation>نئی پروفائل بنائیں</translation>
    </message>
    <message>
        <source>Load Selected Profile</source>
        <translation>منتخب پروفائل لوڈ کریں</translation>
    </message>
    <message>
        <source>the profile file cannot be read: %1</source>
        <translation>پروفائل فائل پڑھی نہیں جا سکتی: %1</translation>
    </message>
    <message>
        <source>the file is not a Varnel profile</source>
        <translation>یہ فائل ورنل پروفائل نہیں</translation>
    </message>
    <message>
        <source>the profile file is cut short</source>
        <translation>پروفائل فائل ادھوری ہے</translation>
    </message>
    <message>
        <source>the profile file is damaged (its heart count is negative)</source>
        <translation>پروفائل فائل خراب ہے (اس کے دل کی گنتی منفی ہے)</translation>
    </message>
    <message>
        <source>the profile file is cut short (it holds fewer ayas than it says)</source>
        <translation>پروفائل فائل ادھوری ہے (اس میں بتائی گئی سے کم آیات ہیں)</translation>
    </message>
    <message>
        <source>the profile file is damaged (%1 entries of the heart are no ayas)</source>
        <translation>پروفائل فائل خراب ہے (دل کے %1 اندراجات آیات نہیں)</translation>
    </message>
    <message>
        <source>the profile file does not say which aya you were at</source>
        <translation>پروفائل فائل یہ نہیں بتاتی کہ آپ کس آیت پر تھے</translation>
    </message>
    <message>
        <source>Invalid Username!</source>
        <translation>غلط صارف نام!</translation>
    </message>
    <message>
        <source>This name is too long. A user name can hold at most %1 Latin letters, or %2 Arabic letters (they take two places each); please shorten it.</source>
        <translation>یہ نام بہت لمبا ہے۔ صارف نام میں زیادہ سے زیادہ %1 لاطینی حروف، یا %2 عربی حروف (ہر ایک دو جگہ لیتا ہے) آ سکتے ہیں؛ براہ کرم اسے چھوٹا کریں۔</translation>
    </message>
    <message>
        <source>"%1" cannot be a user name.</source>
        <translation>"%1" صارف نام نہیں ہو سکتا۔</translation>
    </message>
    <message>
        <source>A user name cannot hold the characters / \ or :.</source>
        <translation>صارف نام میں حروف / \ یا : نہیں ہو سکتے۔</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>صارف نام میں کنٹرول حروف نہیں ہو سکتے۔</translation>
    </message>
    <message>
        <source>A user name cannot start with a full stop.</source>
        <translation>صارف نام نقطے سے شروع نہیں ہو سکتا۔</translation>
    </message>
    <message>
        <source>A user name cannot hold "%1", the ending of profile files.</source>
        <translation>صارف نام میں "%1" نہیں ہو سکتا، جو پروفائل فائلوں کا لاحقہ ہے۔</translation>
    </message>
    <message>
        <source>the profile is not a file that can be read</source>
        <translation>پروفائل ایسی فائل نہیں جو پڑھی جا سکے</translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation>پروفائل کھولیں یا بنائیں</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>نئے صارف کا نام</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>آپ کا نام</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>پروفائلز</translation>
    </message>
</context>
<context>
    <name>ProfileGuard</name>
    <message>
        <source>%1 was opened by Varnel on the computer %2, which may still have it open.&lt;br&gt;&lt;br&gt;Open it anyway?</source>
        <translation>%1 کو ورنل نے کمپیوٹر %2 پر کھولا تھا، شاید وہ اب بھی وہاں کھلا ہو۔&lt;br&gt;&lt;br&gt;کیا پھر بھی کھولیں؟</translation>
    </message>
    <message>
        <source>%1 could not be locked for this window: %2.&lt;br&gt;&lt;br&gt;It opens all the same, but another Varnel window could open it too.</source>
        <translation>%1 کو اس کھڑکی کے لیے مقفل نہیں کیا جا سکا: %2۔&lt;br&gt;&lt;br&gt;یہ پھر بھی کھلے گا، لیکن ورنل کی کوئی اور کھڑکی بھی اسے کھول سکتی ہے۔</translation>
    </message>
    <message>
        <source>%1 is open in another Varnel window.&lt;br&gt;&lt;br&gt;Close it there, or choose another profile.</source>
        <translation>%1 ورنل کی ایک اور کھڑکی میں کھلی ہے۔&lt;br&gt;&lt;br&gt;اسے وہاں بند کریں، یا کوئی اور پروفائل چنیں۔</translation>
    </message>
    <message>
        <source>The profile of %1 could not be read in full: %2.</source>
        <translation>%1 کی پروفائل پوری نہ پڑھی جا سکی: %2۔</translation>
    </message>
    <message>
        <source>The ayas of the heart that could be read are kept.</source>
        <translation>دل کی جو آیات پڑھی جا سکیں وہ رکھی گئی ہیں۔</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>فائل جیسی تھی %1 کے نام سے رکھی گئی ہے۔</translation>
    </message>
    <message>
        <source>Your review record as it was is kept as %1.</source>
        <translation>آپ کا دہرائی کا ریکارڈ جیسا تھا %1 کے نام سے رکھا گیا ہے۔</translation>
    </message>
    <message>
        <source>There is no room to keep your review record %1 aside: it is left as it is, and your reviews are not saved over it.</source>
        <translation>آپ کے دہرائی کے ریکارڈ %1 کو الگ رکھنے کی جگہ نہیں: وہ جیسا ہے ویسا چھوڑ دیا گیا ہے، اور آپ کی دہرائی اس کے اوپر محفوظ نہیں کی جاتی۔</translation>
    </message>
    <message>
        <source>You start at the first aya of sura 114.</source>
        <translation>آپ سورت 114 کی پہلی آیت سے شروع کریں گے۔</translation>
    </message>
    <message>
        <source>Your profile could not be saved, so your heart is not stored yet:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Check that the folder "profiles" beside Varnel can be written to, then use File &amp;gt; Save Profile again.</source>
        <translation>آپ کی پروفائل محفوظ نہ ہو سکی، اس لیے آپ کا دل ابھی محفوظ نہیں:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;دیکھیں کہ ورنل کے ساتھ والے فولڈر "profiles" میں لکھا جا سکتا ہے، پھر فائل &amp;gt; پروفائل محفوظ کریں دوبارہ استعمال کریں۔</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Float</source>
        <translation>پینل الگ کریں</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>پینل کو کھڑکی سے الگ کرتا اور واپس جوڑتا ہے</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>پینل بند کرتا ہے</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>بائیں سرکائیں</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>دائیں سرکائیں</translation>
    </message>
</context>
<context>
    <name>RecitationPanel</name>
    <message>
        <source>My Recitation</source>
        <translation>میری تلاوت</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>ریکارڈ</translation>
    </message>
    <message>
        <source>Record my recitation</source>
        <translation>میری تلاوت ریکارڈ کریں</translation>
    </message>
    <message>
        <source>Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause after it</source>
        <translation>دکھائی گئی آیت کی اپنی تلاوت ریکارڈ کریں (Ctrl+R)؛ امتحان اور وقفے کے ساتھ، ہر آیت اس کے بعد والے وقفے میں</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>میری تلاوت چلائیں</translation>
    </message>
    <message>
        <source>Play my recitation</source>
        <translation>میری تلاوت چلائیں</translation>
    </message>
    <message>
        <source>Hear your recording of the aya shown</source>
        <translation>دکھائی گئی آیت کی اپنی ریکارڈنگ سنیں</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>موازنہ</translation>
    </message>
    <message>
        <source>Compare with the reciter</source>
        <translation>قاری سے موازنہ کریں</translation>
    </message>
    <message>
        <source>Hear the reciter and then yourself, for each aya of the lesson you recorded</source>
        <translation>سبق کی ہر ریکارڈ کی گئی آیت کے لیے پہلے قاری پھر اپنی آواز سنیں</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>حذف...</translation>
    </message>
    <message>
        <source>Delete my recordings</source>
        <translation>میری ریکارڈنگز حذف کریں</translation>
    </message>
    <message>
        <source>Delete your recordings</source>
        <translation>اپنی ریکارڈنگز حذف کریں</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>جانچیں</translation>
    </message>
    <message>
        <source>Check my recitation</source>
        <translation>میری تلاوت جانچیں</translation>
    </message>
    <message>
        <source>Compare your recording of the aya shown with the reciter's: what you left out or added, or another aya. A check of the words and their order, not of tajweed.</source>
        <translation>دکھائی گئی آیت کی آپ کی ریکارڈنگ کا قاری کی تلاوت سے موازنہ: جو آپ نے چھوڑا یا بڑھایا، یا کوئی اور آیت۔ یہ الفاظ اور ان کی ترتیب کی جانچ ہے، تجوید کی نہیں۔</translation>
    </message>
    <message>
        <source>Hear Left Out</source>
        <translation>چھوٹا ہوا سنیں</translation>
    </message>
    <message>
        <source>Hear the part left out</source>
        <translation>چھوٹا ہوا حصہ سنیں</translation>
    </message>
    <message>
        <source>Hear the reciter say what your last check found left out; press again for the next part</source>
        <translation>قاری سے وہ سنیں جو آخری جانچ کے مطابق آپ سے چھوٹ گیا؛ اگلے حصے کے لیے دوبارہ دبائیں</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>ریکارڈنگ کی سطح</translation>
    </message>
    <message>
        <source>Check result</source>
        <translation>جانچ کا نتیجہ</translation>
    </message>
</context>
<context>
    <name>Recordings</name>
    <message>
        <source>%1 could not be moved to %2: %3</source>
        <translation>%1 کو %2 میں منتقل نہیں کیا جا سکا: %3</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 ایسی فائل نہیں جو پڑھی جا سکے۔</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a recording of an aya.</source>
        <translation>%1 کا حجم %2 MB سے زیادہ ہے، کسی آیت کی ریکارڈنگ سے کہیں زیادہ۔</translation>
    </message>
    <message>
        <source>The recording %1 could not be deleted: %2</source>
        <translation>ریکارڈنگ %1 حذف نہ ہو سکی: %2</translation>
    </message>
    <message>
        <source>No learner is chosen, so there is nowhere to keep the recording.</source>
        <translation>کوئی سیکھنے والا منتخب نہیں، اس لیے ریکارڈنگ رکھنے کی کوئی جگہ نہیں۔</translation>
    </message>
</context>
<context>
    <name>ReviewCalendar</name>
    <message>
        <source>Review calendar</source>
        <translation>دہرائی کا کیلنڈر</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>تسلسل: 1 دن</translation>
    </message>
    <message numerus="yes">
        <source>Streak: %1 days</source>
        <translation>
            <numerusform>تسلسل: %L1 دن</numerusform>
            <numerusform>تسلسل: %L1 دن</numerusform>
        </translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>%L1 ہفتوں میں 1 دہرائی</translation>
    </message>
    <message numerus="yes">
        <source>%1 reviews in %2 weeks</source>
        <translation>
            <numerusform>%L2 ہفتوں میں %L1 دہرائی</numerusform>
            <numerusform>%L2 ہفتوں میں %L1 دہرائیاں</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>دہرائی</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;دہرائی&lt;/b&gt; بلحاظ</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>سورتیں</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>صفحات</translation>
    </message>
    <message>
        <source>Review unit</source>
        <translation>دہرائی کی اکائی</translation>
    </message>
    <message>
        <source>Review whole suras (long ones in parts), or pages of the mushaf</source>
        <translation>پوری سورتیں (لمبی سورتیں حصوں میں) یا مصحف کے صفحات دہرائیں</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>اگلی دہرائی</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>اگلی دہرائی: %1</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>آج واجب</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>صفحہ</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>سورہ</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>آخری</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>یادداشت</translation>
    </message>
    <message>
        <source>Last review</source>
        <translation>آخری دہرائی</translation>
    </message>
    <message>
        <source>Chance of recall today</source>
        <translation>آج یاد رہنے کا امکان</translation>
    </message>
    <message>
        <source>Review now</source>
        <translation>ابھی دہرائیں</translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation>منتخب حصہ چلاتا ہے: ہر آیت ایک بار، بغیر وقفے۔ پھر بتائیں کہ آپ کو کتنا یاد تھا۔</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>دوبارہ</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>مشکل</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>اچھا</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>آسان</translation>
    </message>
    <message>
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>کل: %L1 · اس ہفتے: %L2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>نیا</translation>
    </message>
    <message numerus="yes">
        <source>All %1 ayas</source>
        <translation>
            <numerusform>تمام %L1 آیت</numerusform>
            <numerusform>تمام %L1 آیات</numerusform>
        </translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>آیات %L1 تا %L2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>ابھی دہرائی نہیں ہوئی</translation>
    </message>
    <message numerus="yes">
        <source>%1 due today
%2</source>
        <translation>
            <numerusform>آج %L1 واجب
%2</numerusform>
            <numerusform>آج %L1 واجب
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectRecitor</name>
    <message>
        <source>Recitor Preferences</source>
        <translation>قاری کی ترجیحات</translation>
    </message>
    <message>
        <source>Varn Addon</source>
        <translation>ورنل اضافہ</translation>
    </message>
    <message>
        <source>Recitor</source>
        <translation>قاری</translation>
    </message>
    <message>
        <source>Recitation of %1</source>
        <translation>%1 کی تلاوت</translation>
    </message>
    <message>
        <source>default</source>
        <translation>طے شدہ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Recitation Settings</source>
        <translation>تلاوت کی ترتیبات</translation>
    </message>
    <message>
        <source>Aya Settings</source>
        <translation>آیت کی ترتیبات</translation>
    </message>
    <message>
        <source>Playback Settings</source>
        <translation>چلانے کی ترتیبات</translation>
    </message>
    <message>
        <source>Aya Range Settings</source>
        <translation>آیات کی حد کی ترتیبات</translation>
    </message>
    <message>
        <source>Sura Playback Progress</source>
        <translation>سورہ چلنے کی پیش رفت</translation>
    </message>
    <message>
        <source>Practice Aids</source>
        <translation>مشق کے معاون</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>تکرار:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>تکرار</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>آیات کتنی بار دہرائی جائیں</translation>
    </message>
    <message>
        <source> Pause (secs):</source>
        <translation> وقفہ (سیکنڈ):</translation>
    </message>
    <message>
        <source>Pause (seconds)</source>
        <translation>وقفہ (سیکنڈ)</translation>
    </message>
    <message>
        <source>Loop Sura</source>
        <translation>سورہ دہراتے رہیں</translation>
    </message>
    <message>
        <source>Loop the playback of the whole surah</source>
        <translation>پوری سورہ بار بار چلائیں</translation>
    </message>
    <message>
        <source>Stack Ayas</source>
        <translation>آیات جوڑیں</translation>
    </message>
    <message>
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;then ayas 1 to 2&lt;br&gt;&amp;nbsp;then ayas 1 to 3&lt;br&gt;&amp;nbsp;and so on, a growing block, to the last aya</source>
        <translation>&amp;nbsp;آیت 1 کئی بار پڑھیں&lt;br&gt;&amp;nbsp;پھر آیات 1 تا 2&lt;br&gt;&amp;nbsp;پھر آیات 1 تا 3&lt;br&gt;&amp;nbsp;اور اسی طرح، بڑھتا ہوا حصہ، آخری آیت تک</translation>
    </message>
    <message>
        <source>Single Aya Mode</source>
        <translation>ایک آیت موڈ</translation>
    </message>
    <message>
        <source>Break aya into parts for easy memorization</source>
        <translation>آسانی سے یاد کرنے کے لیے آیت کو حصوں میں بانٹیں</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>آیات کی ایک حد چلائیں</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>سورہ کی آیات کی ایک حد چلانے کے لیے فعال کریں</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;سے:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>آیت سے</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>اس آیت سے تلاوت شروع کریں</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;تک:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>آیت تک</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>اس آیت پر تلاوت ختم کریں</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>سورہ چلنے کی پیش رفت</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>سیکنڈ</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× آیت کی لمبائی</translation>
    </message>
    <message>
        <source>Pause unit</source>
        <translation>وقفے کی اکائی</translation>
    </message>
    <message>
        <source>Pause for a number of seconds, or for a multiple of the aya's own length</source>
        <translation>چند سیکنڈ کا وقفہ، یا آیت کی اپنی لمبائی کا کوئی گنا</translation>
    </message>
    <message>
        <source>Pause factor</source>
        <translation>وقفے کا گنا</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the aya (or the part) just heard</source>
        <translation>ہر وقفہ ابھی سنی گئی آیت (یا حصے) کا اتنا گنا ہوتا ہے</translation>
    </message>
    <message>
        <source>Pause in:</source>
        <translation>وقفہ بلحاظ:</translation>
    </message>
    <message>
        <source> Speed:</source>
        <translation> رفتار:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>رفتار</translation>
    </message>
    <message>
        <source>Playback speed; the pitch stays the same ([ slower, ] faster)</source>
        <translation>چلانے کی رفتار؛ آواز کی پچ وہی رہتی ہے ([ آہستہ، ] تیز)</translation>
    </message>
    <message>
        <source> Times:</source>
        <translation> بار:</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>لامحدود</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>بار</translation>
    </message>
    <message>
        <source>Play the sura or passage this many times, then stop; endless: once, or without end with Loop</source>
        <translation>سورت یا حصہ اتنی بار چلائیں، پھر رکیں؛ لامحدود: ایک بار، یا لوپ کے ساتھ بغیر رکے</translation>
    </message>
    <message>
        <source>Test me</source>
        <translation>میرا امتحان لیں</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>ہر وقفے میں آیت چھپ جاتی ہے جب آپ اسے زبانی پڑھتے ہیں؛ وقفہ ختم ہونے پر واپس آتی ہے (وقفہ مقرر کریں)</translation>
    </message>
</context>
<context>
    <name>SidecarFile</name>
    <message>
        <source>%1 %2 could not be read: %3.</source>
        <translation>%1 %2 پڑھا نہ جا سکا: %3۔</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>یہ %1 کے نام سے رکھا گیا ہے۔</translation>
    </message>
</context>
<context>
    <name>Single</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · حصہ %1 سے %2 سیکنڈ تک</translation>
    </message>
</context>
<context>
    <name>SingleBar</name>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>حصہ یہاں سے شروع کریں (سلائیڈر کی جگہ)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>سلائیڈر سے حصے کا آغاز</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>حصہ کہاں سے شروع ہوتا ہے، ملی سیکنڈ میں</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>حصے کا آغاز</translation>
    </message>
    <message>
        <source>End the part here (the slider's position)</source>
        <translation>حصہ یہاں ختم کریں (سلائیڈر کی جگہ)</translation>
    </message>
    <message>
        <source>Part end from slider</source>
        <translation>سلائیڈر سے حصے کا اختتام</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>حصہ کہاں ختم ہوتا ہے، ملی سیکنڈ میں</translation>
    </message>
    <message>
        <source>Part end</source>
        <translation>حصے کا اختتام</translation>
    </message>
    <message>
        <source>Play the part again and again (Space or Ctrl+Space)</source>
        <translation>حصہ بار بار چلائیں (اسپیس یا Ctrl+اسپیس)</translation>
    </message>
    <message>
        <source>Play part repeatedly</source>
        <translation>حصہ بار بار چلائیں</translation>
    </message>
    <message>
        <source>Stop (Space or Ctrl+Space)</source>
        <translation>روکیں (اسپیس یا Ctrl+اسپیس)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>روکیں</translation>
    </message>
    <message>
        <source>Previous aya (Left or Ctrl+Left)</source>
        <translation>پچھلی آیت (دائیں یا Ctrl+دائیں)</translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation>پچھلی آیت</translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation>اگلی آیت (بائیں یا Ctrl+بائیں)</translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation>اگلی آیت</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>تلاوت کہاں ہے؛ آگے پیچھے جانے کے لیے گھسیٹیں</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>آیت میں جگہ</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ملی سیکنڈ</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound output device stopped working, so playback has stopped.&lt;br&gt;&lt;br&gt;To fix: connect the device again, or choose another one in File &amp;gt; Preferences, then press Play.</source>
        <translation>آواز نکالنے کا آلہ کام کرنا چھوڑ گیا، اس لیے چلانا رک گیا ہے۔&lt;br&gt;&lt;br&gt;درست کرنے کے لیے: آلہ دوبارہ جوڑیں، یا فائل &amp;gt; ترجیحات میں کوئی اور چنیں، پھر چلائیں دبائیں۔</translation>
    </message>
    <message>
        <source>Varnel could not find a sound output device on this computer, so it cannot play recitations.&lt;br&gt;&lt;br&gt;Everything else works: you can read the ayas, their translations and transliterations, and keep your heart up to date.&lt;br&gt;&lt;br&gt;To hear the recitations, connect speakers or headphones, then choose the device in File &amp;gt; Preferences or restart Varnel.</source>
        <translation>ورنل کو اس کمپیوٹر پر آواز نکالنے کا کوئی آلہ نہیں ملا، اس لیے یہ تلاوتیں نہیں چلا سکتا۔&lt;br&gt;&lt;br&gt;باقی سب کام کرتا ہے: آپ آیات، ان کے ترجمے اور رومن تلفظ پڑھ سکتے ہیں، اور اپنا دل تازہ رکھ سکتے ہیں۔&lt;br&gt;&lt;br&gt;تلاوتیں سننے کے لیے اسپیکر یا ہیڈفون جوڑیں، پھر فائل &amp;gt; ترجیحات میں آلہ چنیں یا ورنل دوبارہ شروع کریں۔</translation>
    </message>
    <message>
        <source> Choose another input in Preferences.</source>
        <translation> ترجیحات میں کوئی اور ان پٹ چنیں۔</translation>
    </message>
    <message>
        <source>The microphone was lost while recording; what was heard before is kept.</source>
        <translation>ریکارڈنگ کے دوران مائیکروفون چھوٹ گیا؛ اس سے پہلے جو سنا گیا وہ محفوظ ہے۔</translation>
    </message>
    <message>
        <source>The recording "%1" is too large to play: %2 MB, where at most %3 MB can be played.</source>
        <translation>ریکارڈنگ "%1" چلانے کے لیے بہت بڑی ہے: %2 MB، جبکہ زیادہ سے زیادہ %3 MB چلائے جا سکتے ہیں۔</translation>
    </message>
    <message>
        <source>Get Length Error</source>
        <translation>لمبائی معلوم کرنے میں خرابی</translation>
    </message>
    <message>
        <source>Select a valid range</source>
        <translation>درست حد چنیں</translation>
    </message>
    <message>
        <source>Error in set position</source>
        <translation>جگہ مقرر کرنے میں خرابی</translation>
    </message>
    <message>
        <source>Select a valid sound device</source>
        <translation>درست آواز کا آلہ چنیں</translation>
    </message>
    <message>
        <source>To fix: %1</source>
        <translation>درست کرنے کے لیے: %1</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>آواز کی خرابی</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>کوئی خرابی نہیں۔</translation>
    </message>
    <message>
        <source>The channel was taken over by a newer sound.</source>
        <translation>چینل ایک نئی آواز نے لے لیا۔</translation>
    </message>
    <message>
        <source>The sound or channel no longer exists: it was stopped, finished and replaced, or released.</source>
        <translation>آواز یا چینل اب موجود نہیں: وہ روک دیا گیا، ختم ہو کر بدل گیا، یا چھوڑ دیا گیا۔</translation>
    </message>
    <message>
        <source>The recording could not be read: its data is damaged or in a format that cannot be decoded.</source>
        <translation>ریکارڈنگ پڑھی نہ جا سکی: اس کا ڈیٹا خراب ہے یا ایسی شکل میں ہے جو کھولی نہیں جا سکتی۔</translation>
    </message>
    <message>
        <source>This computer has no sound output device.</source>
        <translation>اس کمپیوٹر میں آواز نکالنے کا کوئی آلہ نہیں۔</translation>
    </message>
    <message>
        <source>The sound output device could not be started. It may be in use or unplugged.</source>
        <translation>آواز نکالنے کا آلہ شروع نہ ہو سکا۔ شاید وہ استعمال میں ہے یا نکلا ہوا ہے۔</translation>
    </message>
    <message>
        <source>A value given to the sound system was out of range.</source>
        <translation>آواز کے نظام کو دی گئی ایک قدر حد سے باہر تھی۔</translation>
    </message>
    <message>
        <source>The sound system is not running.</source>
        <translation>آواز کا نظام نہیں چل رہا۔</translation>
    </message>
    <message>
        <source>The sound system is already running.</source>
        <translation>آواز کا نظام پہلے سے چل رہا ہے۔</translation>
    </message>
    <message>
        <source>The sound output device failed while playing.</source>
        <translation>چلاتے ہوئے آواز نکالنے کا آلہ ناکام ہو گیا۔</translation>
    </message>
    <message>
        <source>The sound could not be encoded.</source>
        <translation>آواز انکوڈ نہ ہو سکی۔</translation>
    </message>
    <message>
        <source>The recording cannot be played: it claims more than 8 channels, a sample rate above 384 kHz, or holds no sound at all.</source>
        <translation>ریکارڈنگ نہیں چل سکتی: یہ 8 سے زیادہ چینلز، 384 kHz سے زیادہ سیمپل ریٹ کا دعویٰ کرتی ہے، یا اس میں کوئی آواز ہی نہیں۔</translation>
    </message>
    <message>
        <source>No microphone was found: there is no input device to record from.</source>
        <translation>کوئی مائیکروفون نہیں ملا: ریکارڈ کرنے کے لیے کوئی ان پٹ آلہ نہیں۔</translation>
    </message>
    <message>
        <source>The microphone could not be opened: another program may be using it.</source>
        <translation>مائیکروفون کھل نہ سکا: شاید کوئی اور پروگرام اسے استعمال کر رہا ہے۔</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>نامعلوم خرابی۔</translation>
    </message>
    <message>
        <source>The recording is longer than an aya can be (over ten minutes).</source>
        <translation>ریکارڈنگ کسی آیت کی ممکنہ لمبائی سے زیادہ ہے (دس منٹ سے زیادہ)۔</translation>
    </message>
    <message>
        <source>The recording holds more samples than an aya's can (ten minutes of stereo at 96 kHz): it is too large to decode.</source>
        <translation>ریکارڈنگ میں کسی آیت کی ریکارڈنگ سے زیادہ نمونے ہیں (96 کلوہرٹز پر دو چینلوں میں دس منٹ): یہ ڈی کوڈ کرنے کے لیے بہت بڑی ہے۔</translation>
    </message>
    <message>
        <source>libsndfile, which reads and writes recordings, cannot be loaded: install the package libsndfile1.</source>
        <translation>libsndfile، جو ریکارڈنگز پڑھتی اور لکھتی ہے، لوڈ نہیں ہو سکی: پیکج libsndfile1 نصب کریں۔</translation>
    </message>
</context>
<context>
    <name>SpanDrill</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · حصہ %1 سے %2 سیکنڈ تک</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>جوڑ %L1-%L2، دور %L3 · آیت %L4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · جوڑ %L1–%L2، دور %L3 · آیت %L4 از %L5 (%6)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1 s</source>
        <translation>%1 سیکنڈ</translation>
    </message>
    <message>
        <source>No sura pack installed</source>
        <translation>کوئی سورہ پیک نصب نہیں</translation>
    </message>
    <message>
        <source> · recorded</source>
        <translation> · ریکارڈ شدہ</translation>
    </message>
    <message>
        <source> · pause %1</source>
        <translation> · وقفہ %1</translation>
    </message>
    <message>
        <source> · repetition %1 of %2</source>
        <translation> · تکرار %L1 از %L2</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · تکرار %L1</translation>
    </message>
</context>
<context>
    <name>TranslationFonts</name>
    <message>
        <source>The %1 text needs the font %2, which is not installed: install the package %3.</source>
        <translation>%1 متن کو فونٹ %2 چاہیے، جو نصب نہیں: پیکج %3 نصب کریں۔</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play Aya</source>
        <translation>آیت چلائیں</translation>
    </message>
    <message>
        <source>Stop Playing</source>
        <translation>چلانا روکیں</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>پچھلی آیت</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>اگلی آیت</translation>
    </message>
    <message>
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation>موجودہ آیت چلاتا ہے (اسپیس، Ctrl+اسپیس یا پلے کی کلید)</translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation>موجودہ آیت روکتا ہے (اسپیس، Ctrl+اسپیس یا اسٹاپ کی کلید)</translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation>اس سورہ کی پچھلی آیت چلائیں (دائیں، Ctrl+دائیں یا پچھلی کی کلید)</translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation>اس سورہ کی اگلی آیت چلائیں (بائیں، Ctrl+بائیں یا اگلی کی کلید)</translation>
    </message>
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Drag this passage to your heart</source>
        <translation>یہ حصہ اپنے دل کی طرف گھسیٹیں</translation>
    </message>
    <message>
        <source>This is the sura's last aya.</source>
        <translation>یہ سورہ کی آخری آیت ہے۔</translation>
    </message>
    <message>
        <source>This is the sura's first aya.</source>
        <translation>یہ سورہ کی پہلی آیت ہے۔</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>خرابی: اسکرین بہت چھوٹی ہے! براہ کرم 800x600 یا اس سے زیادہ ریزولوشن کریں</translation>
    </message>
    <message>
        <source>The picture of aya %1 is too large to show: %2 MB, where at most %3 MB are shown.</source>
        <translation>آیت %1 کی تصویر دکھانے کے لیے بہت بڑی ہے: %2 MB، جبکہ زیادہ سے زیادہ %3 MB دکھائے جاتے ہیں۔</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>آپ کی دہرائی محفوظ نہیں ہو سکی:</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>آپ کی دہرائی کی اکائی محفوظ نہیں ہو سکی:</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Waveforms of the reciter and of your recitation</source>
        <translation>قاری اور آپ کی تلاوت کی آوازی لہریں</translation>
    </message>
    <message>
        <source>The reciter: %1 s; you: %2 s</source>
        <translation>قاری: %1 سیکنڈ؛ آپ: %2 سیکنڈ</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>قاری</translation>
    </message>
    <message>
        <source>You</source>
        <translation>آپ</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>ترجمہ چھپائیں (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>ترجمہ دکھائیں (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>رومن تلفظ چھپائیں (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>رومن تلفظ دکھائیں (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>فائل (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>منظر (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>قاری (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>زبان (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مدد (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>پروفائل محفوظ کریں (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>نیا/پروفائل کھولیں (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>ترجیحات (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>ریکارڈنگز درآمد کریں... (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>باہر نکلیں (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Heart</source>
        <translation>دل (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>دہرائی پینل (&amp;R)</translation>
    </message>
    <message>
        <source>Recitation &amp;Settings</source>
        <translation>تلاوت کی ترتیبات (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;My Recitation</source>
        <translation>میری تلاوت (&amp;M)</translation>
    </message>
    <message>
        <source>Reset La&amp;yout</source>
        <translation>ترتیب بحال کریں (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Night Reading</source>
        <translation>رات کا مطالعہ (&amp;N)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>بڑا کریں</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>چھوٹا کریں</translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation>چوڑائی کے مطابق</translation>
    </message>
    <message>
        <source>Mark the &amp;Heard Word</source>
        <translation>سنا جانے والا لفظ نمایاں کریں (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>مشق (&amp;P)</translation>
    </message>
    <message>
        <source>Hide the aya</source>
        <translation>آیت چھپائیں</translation>
    </message>
    <message>
        <source>Hide the translation</source>
        <translation>ترجمہ چھپائیں</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>ظاہر کریں</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>آہستہ</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>تیز</translation>
    </message>
    <message>
        <source>Snap the Part to Words</source>
        <translation>حصے کو لفظوں پر جمائیں</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>حصہ دل میں شامل کریں</translation>
    </message>
    <message>
        <source>Record My Recitation</source>
        <translation>میری تلاوت ریکارڈ کریں</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>میری تلاوت چلائیں</translation>
    </message>
    <message>
        <source>Compare with the Reciter</source>
        <translation>قاری سے موازنہ کریں</translation>
    </message>
    <message>
        <source>Check My Recitation</source>
        <translation>میری تلاوت جانچیں</translation>
    </message>
    <message>
        <source>Interface &amp;Language</source>
        <translation>انٹرفیس کی زبان (&amp;L)</translation>
    </message>
    <message>
        <source>Bring Back My Previous Take</source>
        <translation>میری پچھلی ریکارڈنگ واپس لائیں</translation>
    </message>
    <message>
        <source>Delete My Recording of This Aya...</source>
        <translation>اس آیت کی میری ریکارڈنگ حذف کریں...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>میری تمام ریکارڈنگز حذف کریں...</translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation>قاری کی ترتیب (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>نصب شدہ پیک... (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>تعارف (&amp;A)</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Heart</source>
        <translation>دل</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>دہرائی</translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation>تلاوت کی ترتیبات</translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation>میری تلاوت</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>%1 held more than settings can be (a damaged value): what could not be read is left out, and every other setting is kept.</source>
        <translation>%1 میں ترتیبات کی گنجائش سے زیادہ تھا (ایک خراب قدر): جو پڑھا نہ جا سکا وہ چھوڑ دیا گیا، اور باقی سب ترتیبات محفوظ ہیں۔</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>فائل جیسی تھی %1 کے نام سے رکھی گئی ہے۔</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1:</source>
        <translation>آپ کی ترتیبات %1 میں محفوظ نہیں ہو سکیں:</translation>
    </message>
    <message>
        <source>They stay as they are until Varnel closes.</source>
        <translation>وارنل بند ہونے تک یہ ویسی ہی رہیں گی۔</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Varnel cannot use the folder "%1" for its files.</source>
        <translation>ورنل اپنی فائلوں کے لیے فولڈر "%1" استعمال نہیں کر سکتا۔</translation>
    </message>
</context>
</TS>