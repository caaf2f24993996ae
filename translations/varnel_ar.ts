<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AyaText</name>
    <message>
        <source>Transliteration:</source>
        <translation>النقحرة:</translation>
    </message>
    <message>
        <source>%1 Translation:</source>
        <translation>ترجمة %1:</translation>
    </message>
</context>
<context>
    <name>AyaView</name>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>مخفية: اضغط R للكشف</translation>
    </message>
</context>
<context>
    <name>CentralArea</name>
    <message>
        <source>Aya picture; drag it to your heart</source>
        <translation>صورة الآية؛ اسحبها إلى قلبك</translation>
    </message>
    <message>
        <source>Translation and transliteration</source>
        <translation>الترجمة والنقحرة</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>الآية</translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation>حالة التشغيل</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <source>%1 to %2 s</source>
        <translation>من %1 إلى %2 ث</translation>
    </message>
    <message>
        <source>%1 (word %2)</source>
        <translation>%1 (الكلمة %2)</translation>
    </message>
    <message>
        <source>%1 (words %2 to %3)</source>
        <translation>%1 (الكلمات %2 إلى %3)</translation>
    </message>
    <message>
        <source>%1, match: you said the whole aya, in order (score %2 of 100).</source>
        <translation>%1، مطابقة: قرأت الآية كاملة بترتيبها (الدرجة %2 من 100).</translation>
    </message>
    <message>
        <source>%1, partial: a part is missing, added or said differently (score %2 of 100).</source>
        <translation>%1، جزئية: جزء ناقص أو زائد أو مقروء بغير لفظه (الدرجة %2 من 100).</translation>
    </message>
    <message>
        <source>%1, different: this sounds like another aya, or no recitation (score %2 of 100).</source>
        <translation>%1، مختلفة: تبدو آية أخرى، أو ليست تلاوة (الدرجة %2 من 100).</translation>
    </message>
    <message>
        <source>This sounds like %1 (%2), not %3.</source>
        <translation>تبدو هذه التلاوة %1 (%2)، لا %3.</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>محذوف: %1.</translation>
    </message>
    <message>
        <source>Left out, in the reciter's time: %1.</source>
        <translation>المتروك، بوقت القارئ: %1.</translation>
    </message>
    <message>
        <source>Said differently: %1.</source>
        <translation>قيل بشكل مختلف: %1.</translation>
    </message>
    <message>
        <source>Said differently, in the reciter's time: %1.</source>
        <translation>المقروء بغير لفظه، بوقت القارئ: %1.</translation>
    </message>
    <message>
        <source>Added, in your recording's time: %1.</source>
        <translation>الزائد، بوقت تسجيلك: %1.</translation>
    </message>
</context>
<context>
    <name>ChooserRow</name>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>الجزء</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>الحزب</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>الربع</translation>
    </message>
    <message>
        <source>&lt;b&gt;Choose a sura:&lt;b&gt;</source>
        <translation>&lt;b&gt;اختر سورة:&lt;b&gt;</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>السورة</translation>
    </message>
    <message>
        <source> or</source>
        <translation> أو</translation>
    </message>
    <message>
        <source>Passage kind</source>
        <translation>نوع المقطع</translation>
    </message>
    <message>
        <source>Memorise by page, juz, hizb or quarter of the Madinah mushaf</source>
        <translation>احفظ حسب الصفحة أو الجزء أو الحزب أو الربع من مصحف المدينة</translation>
    </message>
    <message>
        <source>Passage number</source>
        <translation>رقم المقطع</translation>
    </message>
    <message>
        <source>Play Passage</source>
        <translation>شغّل المقطع</translation>
    </message>
    <message>
        <source>Play the passage chosen, across the suras it holds</source>
        <translation>شغّل المقطع المختار عبر السور التي يضمّها</translation>
    </message>
    <message>
        <source>Tabaarakallah! You know this sura? Drag me to your heart!</source>
        <translation>تبارك الله! أتحفظ هذه السورة؟ اسحبني إلى قلبك!</translation>
    </message>
    <message>
        <source>Drag this sura to your heart</source>
        <translation>اسحب هذه السورة إلى قلبك</translation>
    </message>
    <message>
        <source>In the Name of Allah the Most Beneficent, the Most Merciful</source>
        <translation>بسم الله الرحمن الرحيم</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source> · your recitation</source>
        <translation> · تلاوتك</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · القارئ</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Varnel Preferences</source>
        <translation>تفضيلات فارنل</translation>
    </message>
    <message>
        <source>Play Test Sound</source>
        <translation>شغّل صوت الاختبار</translation>
    </message>
    <message>
        <source>Stop Test Sound</source>
        <translation>أوقف صوت الاختبار</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>لم يُعثر على ميكروفون</translation>
    </message>
    <message>
        <source>The system's default</source>
        <translation>الجهاز الافتراضي للنظام</translation>
    </message>
    <message>
        <source>Sound Settings</source>
        <translation>إعدادات الصوت</translation>
    </message>
    <message>
        <source>Choose a sound device</source>
        <translation>اختر جهاز الصوت</translation>
    </message>
    <message>
        <source>Sound device</source>
        <translation>جهاز الصوت</translation>
    </message>
    <message>
        <source>Record my recitation from</source>
        <translation>سجّل تلاوتي من</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>الميكروفون</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>جهاز الصوت مستخدم الآن، لكن تعذّر حفظ الاختيار في "config.ini" للمرة القادمة:</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source> · pass %1 of %2</source>
        <translation> · الجولة %1 من %2</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>الآية %L1 من %L2</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · الآية %L1 من %L2 (%L3:%L4)</translation>
    </message>
</context>
<context>
    <name>DrillControls</name>
    <message>
        <source>Sura %1, aya %2</source>
        <translation>السورة %1، الآية %2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>تعذّر حفظ إعدادات التدريب الخاصة بك:</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Varnel user guide</source>
        <translation>دليل استخدام فارنل</translation>
    </message>
    <message>
        <source>Varnel helps you learn suras by heart: you see each aya, hear it recited as often as you like, and keep a record of what you know in your &lt;b&gt;heart&lt;/b&gt;.</source>
        <translation>يساعدك فارنل على حفظ السور عن ظهر قلب: ترى كل آية، وتسمعها تُتلى كلما شئت، وتحفظ سجلّ ما تعرفه في &lt;b&gt;قلبك&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>When Varnel starts it asks for your &lt;b&gt;profile&lt;/b&gt;. Type your name and press &lt;i&gt;Create New Profile&lt;/i&gt;, or pick your name from the list and press &lt;i&gt;Load Selected Profile&lt;/i&gt;. Your heart and the aya you were at are kept in your profile; Varnel saves it when you leave, and File &amp;gt; Save Profile saves it at once.</source>
        <translation>عند بدء فارنل يسألك عن &lt;b&gt;ملفك الشخصي&lt;/b&gt;. اكتب اسمك واضغط &lt;b&gt;أنشئ ملفًا شخصيًا جديدًا&lt;/b&gt;، أو اختر اسمك من القائمة واضغط &lt;b&gt;حمّل الملف المختار&lt;/b&gt;. يُحفظ في ملفك قلبك والآية التي كنت عندها؛ يحفظه فارنل عند خروجك، و«ملف &amp;gt; حفظ الملف الشخصي» يحفظه فورًا.</translation>
    </message>
    <message>
        <source>The first time, Varnel asks which &lt;b&gt;sound device&lt;/b&gt; to use. Press &lt;i&gt;Play Test Sound&lt;/i&gt; to check it, then &lt;i&gt;OK&lt;/i&gt;. You can change it later in File &amp;gt; Preferences.</source>
        <translation>في المرة الأولى يسألك فارنل عن &lt;b&gt;جهاز الصوت&lt;/b&gt; الذي يستعمله. اضغط &lt;b&gt;شغّل صوت الاختبار&lt;/b&gt; لتتحقق منه، ثم &lt;b&gt;موافق&lt;/b&gt;. يمكنك تغييره لاحقًا من «ملف &amp;gt; التفضيلات».</translation>
    </message>
    <message>
        <source>Choose a sura in &lt;b&gt;Choose a sura&lt;/b&gt; at the top. Recitation starts at once, aya by aya.</source>
        <translation>اختر سورة من &lt;b&gt;اختر سورة&lt;/b&gt; في الأعلى. تبدأ التلاوة فورًا، آيةً آية.</translation>
    </message>
    <message>
        <source>Seeing the aya</source>
        <translation>رؤية الآية</translation>
    </message>
    <message>
        <source>The middle of the window shows the Arabic text of the aya being recited. The panel under it shows its translation and, if you wish, its transliteration: use the &lt;b&gt;View&lt;/b&gt; menu to show or hide each. The &lt;b&gt;Language&lt;/b&gt; menu chooses the language of the translation when translation packs are installed. The slider under the panel shows which aya of the sura you are at.</source>
        <translation>يعرض وسط النافذة النص العربي للآية التي تُتلى. وتعرض اللوحة تحتها ترجمتها، ونقحرتها إن شئت: استعمل قائمة &lt;b&gt;عرض&lt;/b&gt; لإظهار كل منهما أو إخفائه. وتختار قائمة &lt;b&gt;اللغة&lt;/b&gt; لغة الترجمة إذا كانت حزم الترجمة مثبّتة. ويبيّن المنزلق تحت اللوحة عند أي آية من السورة أنت.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>التشغيل</translation>
    </message>
    <message>
        <source>&lt;b&gt;Play Aya&lt;/b&gt; (Space) plays the current aya; &lt;b&gt;Stop Playing&lt;/b&gt; (Space again) stops.</source>
        <translation>&lt;b&gt;شغّل الآية&lt;/b&gt; (المسافة) تشغّل الآية الحالية؛ و&lt;b&gt;أوقف التشغيل&lt;/b&gt; (المسافة مرة أخرى) توقفها.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Previous Aya&lt;/b&gt; (Left arrow) and &lt;b&gt;Next Aya&lt;/b&gt; (Right arrow) move through the sura.</source>
        <translation>&lt;b&gt;الآية السابقة&lt;/b&gt; (السهم الأيمن) و&lt;b&gt;الآية التالية&lt;/b&gt; (السهم الأيسر) تتنقلان في السورة.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Repeat&lt;/b&gt;: how many times each aya is recited before the next one.</source>
        <translation>&lt;b&gt;التكرار&lt;/b&gt;: عدد مرات تلاوة كل آية قبل الانتقال إلى التالية.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause (secs)&lt;/b&gt;: a silence after each recitation of an aya, time for you to repeat it aloud. 0 means no pause.</source>
        <translation>&lt;b&gt;الوقفة (ثوانٍ)&lt;/b&gt;: صمت بعد كل تلاوة للآية، وقت لتعيدها بصوتك. 0 يعني بلا وقفة.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aya Range Settings&lt;/b&gt;: tick the box, then set &lt;b&gt;FROM&lt;/b&gt; and &lt;b&gt;TO&lt;/b&gt; to work on part of a sura.</source>
        <translation>&lt;b&gt;إعدادات نطاق الآيات&lt;/b&gt;: علّم المربع، ثم حدد &lt;b&gt;من&lt;/b&gt; و&lt;b&gt;إلى&lt;/b&gt; لتعمل على جزء من سورة.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loop Sura&lt;/b&gt;: start again at the first aya after the last.</source>
        <translation>&lt;b&gt;كرّر السورة&lt;/b&gt;: ابدأ من جديد بالآية الأولى بعد الأخيرة.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Stack Ayas&lt;/b&gt;: the stack drill. Varnel recites the first aya, then the first two, then the first three, and so on until the whole range is recited in one go. Press Play Aya to begin.</source>
        <translation>&lt;b&gt;تراكم الآيات&lt;/b&gt;: تمرين التراكم. يتلو فارنل الآية الأولى، ثم الأوليين، ثم الثلاث الأولى، وهكذا حتى يُتلى النطاق كله دفعة واحدة. اضغط «شغّل الآية» لتبدأ.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sura Playback Progress&lt;/b&gt; shows how far through the sura (or the drill) you are.</source>
        <translation>&lt;b&gt;تقدّم تشغيل السورة&lt;/b&gt; يبيّن كم قطعت من السورة (أو من التمرين).</translation>
    </message>
    <message>
        <source>Single Aya Mode: learning one aya in parts</source>
        <translation>وضع الآية الواحدة: حفظ آية واحدة جزءًا جزءًا</translation>
    </message>
    <message>
        <source>Tick &lt;b&gt;Single Aya Mode&lt;/b&gt; to work on one long aya a part at a time. A row of controls appears:</source>
        <translation>علّم &lt;b&gt;وضع الآية الواحدة&lt;/b&gt; لتعمل على آية طويلة جزءًا بعد جزء. يظهر صف من الأدوات:</translation>
    </message>
    <message>
        <source>The slider shows where the recitation is. Drag it to jump.</source>
        <translation>يبيّن المنزلق موضع التلاوة. اسحبه لتقفز.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;start&lt;/b&gt; button (a bar with a green arrow) takes the slider's position as the start of the part; the &lt;b&gt;end&lt;/b&gt; button takes it as the end. You can also type the start and end in milliseconds.</source>
        <translation>زر &lt;b&gt;البداية&lt;/b&gt; (خط بسهم أخضر) يأخذ موضع المنزلق بداية للجزء؛ وزر &lt;b&gt;النهاية&lt;/b&gt; يأخذه نهاية له. ويمكنك أيضًا كتابة البداية والنهاية بالمللي ثانية.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;repeat-play&lt;/b&gt; button (Space) plays the part again and again, with your pause between; the &lt;b&gt;stop&lt;/b&gt; button (Space) stops it.</source>
        <translation>زر &lt;b&gt;التشغيل المكرر&lt;/b&gt; (المسافة) يشغّل الجزء مرة بعد مرة، مع وقفتك بينها؛ وزر &lt;b&gt;الإيقاف&lt;/b&gt; (المسافة) يوقفه.</translation>
    </message>
    <message>
        <source>The arrow buttons (Left and Right arrows) move to the previous and next aya; the part becomes the whole aya again.</source>
        <translation>أزرار الأسهم (السهمان الأيمن والأيسر) تنتقل إلى الآية السابقة والتالية؛ ويعود الجزء الآية كلها.</translation>
    </message>
    <message>
        <source>Your heart</source>
        <translation>قلبك</translation>
    </message>
    <message>
        <source>To add the aya you see, drag the aya picture onto the heart.</source>
        <translation>لإضافة الآية التي تراها، اسحب صورة الآية إلى القلب.</translation>
    </message>
    <message>
        <source>To add a whole sura, drag the heart picture next to the sura chooser onto the heart.</source>
        <translation>لإضافة سورة كاملة، اسحب صورة القلب بجانب اختيار السورة إلى القلب.</translation>
    </message>
    <message>
        <source>Each sura shows a heart that fills as you learn more of it. The red bar at the top shows how many ayas of all installed suras are in your heart.</source>
        <translation>تُظهر كل سورة قلبًا يمتلئ كلما حفظت منها أكثر. ويبيّن الشريط الأحمر في الأعلى عدد آيات كل السور المثبّتة التي في قلبك.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Close Completed Suras&lt;/b&gt; folds the suras you know completely.</source>
        <translation>&lt;b&gt;اطوِ السور المكتملة&lt;/b&gt; تطوي السور التي تحفظها كاملة.</translation>
    </message>
    <message>
        <source>Double-click an aya in your heart to go to it and recite from there.</source>
        <translation>انقر مرتين على آية في قلبك لتذهب إليها وتتلو منها.</translation>
    </message>
    <message>
        <source>Right-click an aya or a sura and choose &lt;i&gt;Remove&lt;/i&gt; to take it out of your heart.</source>
        <translation>انقر بالزر الأيمن على آية أو سورة واختر &lt;b&gt;إزالة&lt;/b&gt; لإخراجها من قلبك.</translation>
    </message>
    <message>
        <source>Practice: testing yourself</source>
        <translation>التدريب: اختبر نفسك</translation>
    </message>
    <message>
        <source>View &amp;gt; Practice &amp;gt; &lt;b&gt;Hide the aya&lt;/b&gt; (H) covers the aya's picture, and &lt;b&gt;Hide the translation&lt;/b&gt; covers its translation. Each new aya starts hidden again.</source>
        <translation>«عرض &amp;gt; التدريب &amp;gt; &lt;b&gt;أخفِ الآية&lt;/b&gt;» (H) تغطي صورة الآية، و&lt;b&gt;أخفِ الترجمة&lt;/b&gt; تغطي ترجمتها. تبدأ كل آية جديدة مخفية من جديد.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Test me&lt;/b&gt;, beside Pause in: the aya is hidden during each pause while you recite it from memory, and shown again when the pause ends. Set a pause for it to have a pause to work in.</source>
        <translation>&lt;b&gt;اختبرني&lt;/b&gt;، بجانب «الوقفة بـ»: تُخفى الآية في كل وقفة وأنت تتلوها من حفظك، وتظهر من جديد حين تنتهي الوقفة. اضبط وقفة ليكون لها وقت تعمل فيه.</translation>
    </message>
    <message>
        <source>Pauses that fit the aya</source>
        <translation>وقفات على قدر الآية</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause in&lt;/b&gt; chooses how pauses are measured: in &lt;i&gt;seconds&lt;/i&gt; (the Pause box), or in &lt;i&gt;&amp;times; aya length&lt;/i&gt;, a multiple from 0.5 to 3.0 of the aya just heard (or of the part, in Single Aya Mode). A long aya then gets a long pause, a short one a short pause. A change of repeat, pause or speed while Varnel recites applies from the next repetition or the next aya.</source>
        <translation>&lt;b&gt;الوقفة بـ&lt;/b&gt; تختار كيف تُقاس الوقفات: &lt;b&gt;بالثواني&lt;/b&gt; (مربع الوقفة)، أو &lt;b&gt;&amp;times; طول الآية&lt;/b&gt;، أي مضاعف من 0.5 إلى 3.0 من الآية المسموعة للتو (أو من الجزء في وضع الآية الواحدة). فتنال الآية الطويلة وقفة طويلة، والقصيرة وقفة قصيرة. وتغيير التكرار أو الوقفة أو السرعة أثناء التلاوة يسري من التكرار التالي أو الآية التالية.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Speed&lt;/b&gt; box (or View &amp;gt; Practice &amp;gt; Slower and Faster, the keys [ and ]) plays the recitation from 0.5&amp;times; to 1.5&amp;times; with its pitch kept. Positions, ranges and the single-aya marks stay in the recording's own time.</source>
        <translation>مربع &lt;b&gt;السرعة&lt;/b&gt; (أو «عرض &amp;gt; التدريب &amp;gt; أبطأ وأسرع»، والمفتاحان [ و ]) يشغّل التلاوة من 0.5&amp;times; إلى 1.5&amp;times; مع بقاء طبقة الصوت. وتبقى المواضع والنطاقات وعلامات الآية الواحدة بزمن التسجيل نفسه.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>القراءة</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom the aya's picture; Ctrl+0 (View &amp;gt; Fit to Width) fits it to the width. The line of text stays in view, and the zoom is kept for next time.</source>
        <translation>Ctrl مع العجلة، وCtrl+زائد وCtrl+ناقص تكبّر صورة الآية وتصغّرها؛ وCtrl+0 («عرض &amp;gt; ملاءمة العرض») تلائمها مع العرض. ويبقى سطر النص ظاهرًا، ويُحفظ التكبير للمرة القادمة.</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Night Reading&lt;/b&gt;: a dark page with light text and the aya as light ink.</source>
        <translation>«عرض &amp;gt; &lt;b&gt;القراءة الليلية&lt;/b&gt;»: صفحة داكنة بنص فاتح والآية بحبر فاتح.</translation>
    </message>
    <message>
        <source>Review: keeping what you know</source>
        <translation>المراجعة: حفظ ما تعرفه</translation>
    </message>
    <message>
        <source>Choose an item and press &lt;b&gt;Review now&lt;/b&gt;: Varnel plays it once through, each aya once, with no repeat or pause.</source>
        <translation>اختر عنصرًا واضغط &lt;b&gt;راجع الآن&lt;/b&gt;: يشغّله فارنل مرة واحدة، كل آية مرة، بلا تكرار ولا وقفة.</translation>
    </message>
    <message>
        <source>Then grade how well you knew it: &lt;b&gt;Again&lt;/b&gt; (1) if you forgot it, &lt;b&gt;Hard&lt;/b&gt; (2), &lt;b&gt;Good&lt;/b&gt; (3) or &lt;b&gt;Easy&lt;/b&gt; (4). The panel says when that item comes back; a well-known sura comes back later and later, a forgotten one soon.</source>
        <translation>ثم قيّم مدى معرفتك به: &lt;b&gt;مجددًا&lt;/b&gt; (1) إن نسيته، &lt;b&gt;صعب&lt;/b&gt; (2)، &lt;b&gt;جيد&lt;/b&gt; (3) أو &lt;b&gt;سهل&lt;/b&gt; (4). وتقول اللوحة متى يعود ذلك العنصر؛ السورة المحفوظة جيدًا تعود بعد مدة أطول فأطول، والمنسية قريبًا.</translation>
    </message>
    <message>
        <source>Suras due today have a small orange mark in your heart. The calendar shows your reviews of the last twelve weeks.</source>
        <translation>للسور التي تحين اليوم علامة برتقالية صغيرة في قلبك. ويعرض التقويم مراجعاتك في الأسابيع الاثني عشر الأخيرة.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; plays and stops, except on a focused button or check box (which Space presses) and in a field where you type text.</source>
        <translation>&lt;b&gt;المسافة&lt;/b&gt; تشغّل وتوقف، إلا على زر أو مربع اختيار في التركيز (تضغطه المسافة) وفي حقل تكتب فيه نصًا.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; go to the previous and next aya, except in number and text fields, on sliders and in the heart, which use them themselves.</source>
        <translation>&lt;b&gt;اليمين&lt;/b&gt; و&lt;b&gt;اليسار&lt;/b&gt; تذهبان إلى الآية السابقة والتالية، إلا في حقول الأرقام والنصوص وعلى المنزلقات وفي القلب، التي تستعملها لنفسها.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Space&lt;/b&gt;, &lt;b&gt;Ctrl+Left&lt;/b&gt;, &lt;b&gt;Ctrl+Right&lt;/b&gt; and the media keys work wherever you are.</source>
        <translation>&lt;b&gt;Ctrl+المسافة&lt;/b&gt; و&lt;b&gt;Ctrl+اليسار&lt;/b&gt; و&lt;b&gt;Ctrl+اليمين&lt;/b&gt; ومفاتيح الوسائط تعمل أينما كنت.</translation>
    </message>
    <message>
        <source>&lt;b&gt;H&lt;/b&gt; hides the aya, &lt;b&gt;R&lt;/b&gt; reveals it, &lt;b&gt;[&lt;/b&gt; and &lt;b&gt;]&lt;/b&gt; change the speed, &lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt; grade a review.</source>
        <translation>&lt;b&gt;H&lt;/b&gt; تخفي الآية، و&lt;b&gt;R&lt;/b&gt; تكشفها، و&lt;b&gt;[&lt;/b&gt; و&lt;b&gt;]&lt;/b&gt; تغيّران السرعة، و&lt;b&gt;1&lt;/b&gt; إلى &lt;b&gt;4&lt;/b&gt; تقيّم مراجعة.</translation>
    </message>
    <message>
        <source>Tab moves between the controls; every control can be reached and used without a mouse.</source>
        <translation>Tab تتنقل بين الأدوات؛ ويمكن الوصول إلى كل أداة واستعمالها دون فأرة.</translation>
    </message>
    <message>
        <source>Recitors</source>
        <translation>القرّاء</translation>
    </message>
    <message>
        <source>When more than one recitation of a sura pack is installed, Recitor &amp;gt; Config Recitor chooses, for each pack, whose recitation you hear. A recitation you choose there is heard for every sura of its pack, even where another pack covers the same suras.</source>
        <translation>إذا ثُبّتت أكثر من تلاوة لحزمة سور، فإن «القارئ &amp;gt; إعداد القارئ» يختار لكل حزمة تلاوةَ من تسمع. والتلاوة التي تختارها هناك تُسمع لكل سور حزمتها، حتى حيث تغطي حزمة أخرى السور نفسها.</translation>
    </message>
    <message>
        <source>Sura packs</source>
        <translation>حزم السور</translation>
    </message>
    <message>
        <source>Varnel reads the Quran's text, pictures and recitations from sura packs in the &lt;tt&gt;quran&lt;/tt&gt; folder. Without them there is nothing to choose in the sura chooser.</source>
        <translation>يقرأ فارنل نص القرآن وصوره وتلاواته من حزم السور في مجلد &lt;tt&gt;quran&lt;/tt&gt;. ومن دونها لا يوجد ما تختاره في اختيار السورة.</translation>
    </message>
    <message>
        <source>Varnel helps you memorise suras of the Quran by ear and by sight: it shows each aya as a picture of its Arabic text with its translation and transliteration, and plays the recitation aya by aya with repeats, pauses, ranges, loops, the stack drill and the single-aya drill.</source>
        <translation>يساعدك فارنل على حفظ سور القرآن سماعًا ونظرًا: يعرض كل آية صورةً لنصها العربي مع ترجمتها ونقحرتها، ويشغّل التلاوة آيةً آية مع التكرار والوقفات والنطاقات والتكرار الدائري وتمرين التراكم وتمرين الآية الواحدة.</translation>
    </message>
    <message>
        <source>Varnel holds no Quran content of its own beyond a table of the 114 suras. The pictures, recitations and texts come in &lt;b&gt;sura packs&lt;/b&gt; (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) in the &lt;tt&gt;quran&lt;/tt&gt; folder of Varnel's working folder; more recitations go into &lt;tt&gt;quran/extra&lt;/tt&gt;, more translations into &lt;tt&gt;quran/lang&lt;/tt&gt;. The Debian package &lt;b&gt;varnel-data&lt;/b&gt; brings the demo packs (Al-Fatiha and Juz' Amma with nine translations), read where they are installed; make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</source>
        <translation>لا يحمل فارنل من محتوى القرآن سوى جدول السور الـ114. أما الصور والتلاوات والنصوص فتأتي في &lt;b&gt;حزم السور&lt;/b&gt; (ملفات تنتهي بـ &lt;tt&gt;.dat&lt;/tt&gt;) في مجلد &lt;tt&gt;quran&lt;/tt&gt; من مجلد عمل فارنل؛ وتذهب التلاوات الإضافية إلى &lt;tt&gt;quran/extra&lt;/tt&gt;، والترجمات الإضافية إلى &lt;tt&gt;quran/lang&lt;/tt&gt;. وتأتي حزمة دبيان &lt;b&gt;varnel-data&lt;/b&gt; بحزم العرض (الفاتحة وجزء عمّ مع تسع ترجمات)، تُقرأ حيث ثُبّتت؛ واصنع حزمًا من تسجيلاتك بـ &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sources.&lt;/b&gt; The demo content's Arabic text, translations and transliteration come from the quran-json package (CC-BY-4.0), which takes the Arabic text from the Tanzil project; its recitations are synthetic speech made with espeak-ng, no human recitation. The Arabic is drawn with the Amiri Quran font by Khaled Hosny (SIL Open Font License).</source>
        <translation>&lt;b&gt;المصادر.&lt;/b&gt; النص العربي والترجمات والنقحرة في محتوى العرض من حزمة quran-json (CC-BY-4.0)، التي تأخذ النص العربي من مشروع تنزيل؛ وتلاواته كلام مُركّب بـ espeak-ng، لا تلاوة بشرية. ويُرسم العربي بخط Amiri Quran لخالد حسني (رخصة SIL للخطوط المفتوحة).</translation>
    </message>
    <message>
        <source>It seems you downloaded only the main program&lt;br&gt;and you don't have any sura packs installed!&lt;br&gt;&lt;br&gt;Sura packs (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) go in this folder:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;To get some:&lt;br&gt;&amp;bull; install the &lt;b&gt;varnel-data&lt;/b&gt; package (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Al-Fatiha and Juz' Amma with translations, found where they are installed;&lt;br&gt;&amp;bull; or make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt; (see &lt;tt&gt;man varnel-pack&lt;/tt&gt;), then start Varnel again.</source>
        <translation>يبدو أنك نزّلت البرنامج الرئيسي وحده&lt;br&gt;وليس لديك أي حزمة سور مثبّتة!&lt;br&gt;&lt;br&gt;توضع حزم السور (ملفات تنتهي بـ &lt;tt&gt;.dat&lt;/tt&gt;) في هذا المجلد:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;لتحصل على بعضها:&lt;br&gt;&amp;bull; ثبّت الحزمة &lt;b&gt;varnel-data&lt;/b&gt; (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): الفاتحة وجزء عمّ مع ترجمات، تُقرأ حيث ثُبّتت؛&lt;br&gt;&amp;bull; أو اصنع حزمًا من تسجيلاتك بـ &lt;tt&gt;varnel-pack import&lt;/tt&gt; (انظر &lt;tt&gt;man varnel-pack&lt;/tt&gt;)، ثم شغّل فارنل من جديد.</translation>
    </message>
    <message>
        <source>Varnel Help</source>
        <translation>مساعدة فارنل</translation>
    </message>
    <message>
        <source>The window and its panels</source>
        <translation>النافذة ولوحاتها</translation>
    </message>
    <message>
        <source>The aya fills the middle of the window: its picture, and under it the translation panel. Right under them are the buttons that play, stop and move between ayas, the aya slider and a line that says where you are.</source>
        <translation>تملأ الآية وسط النافذة: صورتها، وتحتها لوحة الترجمة. وتحتهما مباشرة أزرار التشغيل والإيقاف والتنقل بين الآيات، ومنزلق الآيات، وسطر يخبرك أين أنت.</translation>
    </message>
    <message>
        <source>Beside the aya stand the panels. &lt;b&gt;Heart&lt;/b&gt;, &lt;b&gt;Review&lt;/b&gt; and &lt;b&gt;My Recitation&lt;/b&gt; share one place as tabs; &lt;b&gt;Recitation Settings&lt;/b&gt; holds the repeat, pause, range, loop, stack and practice settings. Drag a panel by its title to move it or to let it float, and close what you do not need: the &lt;b&gt;View&lt;/b&gt; menu shows each panel again, and View &amp;gt; Reset Layout brings back the first arrangement. Varnel remembers the window and its panels on this computer.</source>
        <translation>بجانب الآية تقف اللوحات. &lt;b&gt;القلب&lt;/b&gt; و&lt;b&gt;المراجعة&lt;/b&gt; و&lt;b&gt;تلاوتي&lt;/b&gt; تتشارك مكانًا واحدًا كألسنة تبويب؛ و&lt;b&gt;إعدادات التلاوة&lt;/b&gt; تضم إعدادات التكرار والتوقف والنطاق والتكرار الدائري والتراكم ووسائل التدريب. اسحب اللوحة من عنوانها لتنقلها أو لتجعلها عائمة، وأغلق ما لا تحتاجه: قائمة &lt;b&gt;عرض&lt;/b&gt; تُظهر كل لوحة من جديد، و«عرض &amp;gt; إعادة الترتيب» تعيد الترتيب الأول. يتذكر فارنل النافذة ولوحاتها على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Heart&lt;/b&gt; panel is your heart: the ayas you know.</source>
        <translation>لوحة &lt;b&gt;القلب&lt;/b&gt; هي قلبك: الآيات التي تحفظها.</translation>
    </message>
    <message>
        <source>Every sura in your heart (a part of 20 ayas, for suras longer than 40) comes up for review the day after you learn it. The &lt;b&gt;Review&lt;/b&gt; panel beside the heart lists what is due today, the most overdue first, with the day of its last review and your chance of recalling it today. View &amp;gt; Review Panel shows or hides it.</source>
        <translation>كل سورة في قلبك (جزء من 20 آية للسور الأطول من 40) تحين مراجعتها في اليوم التالي لحفظها. لوحة &lt;b&gt;المراجعة&lt;/b&gt; بجانب القلب تسرد ما يحين اليوم، الأكثر تأخرًا أولًا، مع يوم آخر مراجعة وفرصة تذكّرك له اليوم. «عرض &amp;gt; لوحة المراجعة» تظهرها أو تخفيها.</translation>
    </message>
    <message>
        <source>Passages: pages, juz and hizb</source>
        <translation>المقاطع: الصفحات والأجزاء والأحزاب</translation>
    </message>
    <message>
        <source>Beside the sura chooser, choose Page, Juz, Hizb or Quarter of the Madinah mushaf and its number, then press &lt;b&gt;Play Passage&lt;/b&gt; (or Return): every drill plays the passage across its suras. &lt;b&gt;Times&lt;/b&gt; plays it that many times. View &amp;gt; Practice &amp;gt; Add Passage to Heart puts all its ayas in your heart, and the cells under the heart's bar fill juz by juz. The Review panel can review by suras or by pages.</source>
        <translation>بجانب اختيار السورة، اختر صفحة أو جزءًا أو حزبًا أو ربعًا من مصحف المدينة ورقمه، ثم اضغط &lt;b&gt;شغّل المقطع&lt;/b&gt; (أو Return): كل تمرين يشغّل المقطع عبر سوره. و&lt;b&gt;المرات&lt;/b&gt; تشغّله بهذا العدد. و«عرض &amp;gt; التدريب &amp;gt; أضف المقطع إلى القلب» تضع كل آياته في قلبك، وتمتلئ الخانات تحت شريط القلب جزءًا جزءًا. ويمكن للوحة المراجعة أن تراجع بالسور أو بالصفحات.</translation>
    </message>
    <message>
        <source>Reciting and listening back</source>
        <translation>التلاوة والاستماع إليها</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;My Recitation&lt;/b&gt; panel, Record (View &amp;gt; Practice &amp;gt; Record My Recitation, Ctrl+R) records you reciting the aya shown; Play Mine plays it back; Compare with the Reciter plays the reciter and then you, with both waveforms; Delete removes your recordings after asking.</source>
        <translation>في لوحة &lt;b&gt;تلاوتي&lt;/b&gt;، «سجّل» («عرض &amp;gt; التدريب &amp;gt; سجّل تلاوتي»، Ctrl+R) يسجّلك وأنت تتلو الآية المعروضة؛ و«شغّل تسجيلي» يعيد تشغيله؛ و«قارن بالقارئ» يشغّل القارئ ثم أنت، مع الموجتين؛ و«احذف» يزيل تسجيلاتك بعد السؤال.</translation>
    </message>
    <message>
        <source>File &amp;gt; Import Recordings turns a folder of your own recordings into a recitation you can choose; Recitor &amp;gt; Installed Packs lists every pack and recitation, where it lives and which is chosen, and removes a recitation you imported.</source>
        <translation>«ملف &amp;gt; استيراد التسجيلات» يحوّل مجلدًا من تسجيلاتك إلى تلاوة يمكنك اختيارها؛ و«القارئ &amp;gt; الحزم المثبتة» تسرد كل حزمة وتلاوة، ومكانها وأيها المختار، وتزيل تلاوة استوردتها.</translation>
    </message>
    <message>
        <source>More of the menus</source>
        <translation>المزيد من القوائم</translation>
    </message>
    <message>
        <source>File &amp;gt; New/Load Profile changes the learner; File &amp;gt; Exit ends Varnel and saves your profile.</source>
        <translation>«ملف &amp;gt; ملف جديد/تحميل» يغيّر المتعلم؛ و«ملف &amp;gt; خروج» ينهي فارنل ويحفظ ملفك.</translation>
    </message>
    <message>
        <source>View &amp;gt; Show Transliteration and Hide Translation show or hide each text; Zoom In and Zoom Out make the aya's picture larger or smaller.</source>
        <translation>«عرض &amp;gt; إظهار النقل الصوتي» و«إخفاء الترجمة» يُظهران كل نص أو يخفيانه؛ و«تكبير» و«تصغير» يكبّران صورة الآية أو يصغّرانها.</translation>
    </message>
    <message>
        <source>Where the pitch of both voices can be followed, a line over each waveform traces its melody, yours on the reciter's time, so that you can follow the reciter's.</source>
        <translation>وحيث يمكن تتبّع طبقة الصوتين، يرسم خطٌّ فوق كل موجة لحنَه، ولحنُك على زمن القارئ، لتتبع لحن القارئ.</translation>
    </message>
    <message>
        <source>Check (View &amp;gt; Practice &amp;gt; Check My Recitation) compares your recording of the aya shown with the reciter's, and each take is checked at once: the verdict (match, partial or different) is written under the waveforms when it is ready, and what you left out, added or said differently is marked on them. When your packs hold an aya that differs from this one by a word or two and your recording sounds like it, the verdict names it. It checks the words and their order, not tajweed.</source>
        <translation>«تحقّق» (عرض &amp;gt; التدريب &amp;gt; تحقّق من تلاوتي) يقارن تسجيلك للآية المعروضة بتلاوة القارئ، ويُتحقّق من كل تسجيل فور انتهائه: تُكتب النتيجة (مطابقة أو جزئية أو مختلفة) تحت الموجات الصوتية حين تجهز، ويُعلَّم عليها ما تركته أو زدته أو قرأته بغير لفظه. وإن كانت في حزمك آية تخالف هذه بكلمة أو كلمتين وبدت تلاوتك مثلها، سمّتها النتيجة. إنه يتحقّق من الكلمات وترتيبها، لا من التجويد.</translation>
    </message>
    <message>
        <source>With View &amp;gt; Practice &amp;gt; &lt;b&gt;Snap the Part to Words&lt;/b&gt; (on at first), the start and end buttons take the start and the end of the word the slider stands in, so that a part never begins or ends inside a word.</source>
        <translation>مع عرض &amp;gt; تدريب &amp;gt; &lt;b&gt;ضبط الجزء على الكلمات&lt;/b&gt; (مفعّل في البداية)، يأخذ زرّا البداية والنهاية بداية الكلمة التي يقف عندها المنزلق ونهايتها، فلا يبدأ جزء ولا ينتهي في وسط كلمة.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reveal&lt;/b&gt; (R) uncovers the picture a word at a time, from the right, where an Arabic line begins (a fifth at a time where the pack does not tell the aya's words). A click on the covered picture uncovers all of it.</source>
        <translation>&lt;b&gt;كشف&lt;/b&gt; (R) يكشف الصورة كلمةً كلمة، من اليمين حيث يبدأ السطر العربي (خُمسًا خُمسًا حين لا تذكر الحزمة كلمات الآية). نقرة على الصورة المغطاة تكشفها كلها.</translation>
    </message>
    <message>
        <source>Hear Left Out then plays the reciter saying just what the check found you left out or said differently, one part at each press. Where the pack tells the aya's words, the verdict names them ("Left out: ... (word 4)") and they are framed on the picture.</source>
        <translation>ثم يُسمعك «استمع إلى المحذوف» القارئَ يقول ما وجد الفحص أنك حذفته أو قلته بشكل مختلف فقط، جزءًا في كل ضغطة. وحين تذكر الحزمة كلمات الآية يسمّيها الحكم («محذوف: ... (الكلمة 4)») وتُؤطَّر في الصورة.</translation>
    </message>
    <message>
        <source>A new take keeps the one it replaces as your previous take: Delete &amp;gt; &lt;b&gt;Bring Back My Previous Take&lt;/b&gt; brings it back (and keeps the newer one as the previous), so a worse take never loses a good one.</source>
        <translation>التسجيل الجديد يحفظ الذي يحلّ محله بوصفه تسجيلك السابق: حذف &amp;gt; &lt;b&gt;استرجاع تسجيلي السابق&lt;/b&gt; يعيده (ويحفظ الأحدث بوصفه السابق)، فلا يُضيّع تسجيلٌ أسوأ تسجيلًا جيدًا أبدًا.</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Mark the Heard Word&lt;/b&gt; (on at first): while the reciter plays, the word being said is tinted and underlined on the picture. A click on a word plays the aya from that word, and so do the keys 1 to 9 for the first nine words when the picture has the focus. Packs made by varnel-demo and by Import Recordings tell each aya's words.</source>
        <translation>عرض &amp;gt; &lt;b&gt;تمييز الكلمة المسموعة&lt;/b&gt; (مفعّل في البداية): أثناء تلاوة القارئ تُلوَّن الكلمة التي تُقال ويُخطّ تحتها في الصورة. نقرة على كلمة تتلو الآية بدءًا منها. الحزم التي يصنعها varnel-demo واستيراد التسجيلات تذكر كلمات كل آية. وكذلك المفاتيح من 1 إلى 9 للكلمات التسع الأولى حين يكون التركيز على الصورة.</translation>
    </message>
    <message>
        <source>View &amp;gt; Interface Language chooses the language of Varnel's own words: the window, its panels and its dialogs speak it at once, and at every start after. Help &amp;gt; About tells which Varnel this is.</source>
        <translation>«عرض &amp;gt; لغة الواجهة» تختار لغة كلمات فارنل نفسه: تتكلّمها النافذة ولوحاتها ونوافذ حوارها في الحال، وعند كل تشغيل بعد ذلك. و«مساعدة &amp;gt; حول» تخبرك أي إصدار من فارنل هذا.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. Built on Qt, OpenAL Soft, libsndfile and SoundTouch.</source>
        <translation>برنامج حر برخصة جنو العمومية، الإصدار 3 أو أحدث. مبني على Qt وOpenAL Soft وlibsndfile وSoundTouch.</translation>
    </message>
</context>
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>السور المحفوظة في القلب</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>You recorded this aya</source>
        <translation>سجّلت هذه الآية</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>مسجّلة</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>حان وقت مراجعتها</translation>
    </message>
    <message>
        <source>You recorded this aya, and its last check matched the reciter</source>
        <translation>سجّلت هذه الآية، وطابق آخرُ تحقّقٍ منها تلاوةَ القارئ</translation>
    </message>
    <message>
        <source>recorded, checked: match</source>
        <translation>مسجّلة، والتحقّق: مطابقة</translation>
    </message>
</context>
<context>
    <name>HeartPanel</name>
    <message>
        <source>My Heart</source>
        <translation>قلبي</translation>
    </message>
    <message>
        <source>Progress: </source>
        <translation>التقدّم: </translation>
    </message>
    <message>
        <source>Memorised ayas</source>
        <translation>الآيات المحفوظة</translation>
    </message>
    <message>
        <source>Progress by juz</source>
        <translation>التقدّم حسب الجزء</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>القلب</translation>
    </message>
    <message>
        <source>Close Completed Suras</source>
        <translation>اطوِ السور المكتملة</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras; %3 more from suras not installed</source>
        <translation>%1 من %2 آية من السور المثبتة؛ و%3 أخرى من سور غير مثبتة</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras</source>
        <translation>%1 من %2 آية من السور المثبتة</translation>
    </message>
    <message>
        <source>%1's Heart</source>
        <translation>قلب %1</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Recordings</source>
        <translation>استيراد تسجيلات</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>تسجيلاتك، ملف لكل آية باسم SSSAAA (001001.mp3 هي 1:1؛ MP3 أو Ogg أو FLAC أو WAV)، تصبح تلاوة يمكنك اختيارها. بلا نص عربي تنضم إلى الحزم التي لديك، وهي تعرض الصور والنصوص؛ ومع نص (ملف تنزيل "سورة|آية|نص" في كل سطر، أو مجلد حزمة quran-json) تصبح حزم سور مستقلة.</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>مجلد التسجيلات:</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>النص العربي:</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>الترجمة:</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>النقحرة:</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>مجلد التسجيلات</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>النص العربي (اختياري)</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>الترجمة (اختياري)</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>النقحرة (اختياري)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>استعراض %1</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>اسم التلاوة:</translation>
    </message>
    <message>
        <source>Recitation name</source>
        <translation>اسم التلاوة</translation>
    </message>
    <message>
        <source>optional: a name keeps it beside the packs you have</source>
        <translation>اختياري: الاسم يحفظها بجانب حزمك</translation>
    </message>
    <message>
        <source>Re-encode the recordings as Ogg Vorbis</source>
        <translation>أعد ترميز التسجيلات بصيغة Ogg Vorbis</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>تقدّم الاستيراد</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>اختر مجلد تسجيلاتك أولًا.</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces, and neither "default" nor "lang": "%1" cannot be one.</source>
        <translation>اسم التلاوة كلمة واحدة، بلا / ولا مسافات، وليس "default" ولا "lang": لا يصلح "%1" اسمًا لها.</translation>
    </message>
    <message>
        <source>There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.</source>
        <translation>لا توجد تسجيلات باسم SSSAAA (001001.mp3 هي 1:1) في %1.</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>أُلغي الاستيراد؛ ولم يُحفظ منه شيء.</translation>
    </message>
    <message>
        <source>The recordings could not be imported:</source>
        <translation>تعذّر استيراد التسجيلات:</translation>
    </message>
    <message>
        <source>Your recordings are imported and ready to play.</source>
        <translation>استُوردت تسجيلاتك وهي جاهزة للتشغيل.</translation>
    </message>
    <message>
        <source>These packs were there already and are kept as they are.</source>
        <translation>هذه الحزم موجودة من قبل وتبقى كما هي.</translation>
    </message>
</context>
<context>
    <name>InstalledPacks</name>
    <message>
        <source>Installed Packs</source>
        <translation>الحزم المثبتة</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>الحزمة</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>السور</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>المكان</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>التلاوة</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>الحزم المثبتة</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>فتح المجلد</translation>
    </message>
    <message>
        <source>Remove Recitation...</source>
        <translation>إزالة التلاوة...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>default</source>
        <translation>الافتراضية</translation>
    </message>
    <message>
        <source>installed for everyone</source>
        <translation>مثبتة للجميع</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>لك</translation>
    </message>
    <message>
        <source> (chosen)</source>
        <translation> (المختارة)</translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is:&lt;br&gt;%1</source>
        <translation>لم يستطع أي مدير ملفات فتح المجلد. مكانه:&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>Remove the recitation "%1" and all its packs?</source>
        <translation>أتزيل التلاوة "%1" وكل حزمها؟</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>تعذّرت إزالة بعض ملفات %1.</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System Default</source>
        <translation>لغة النظام</translation>
    </message>
</context>
<context>
    <name>JuzProgress</name>
    <message>
        <source>Progress by juz</source>
        <translation>التقدّم حسب الجزء</translation>
    </message>
    <message>
        <source>Juz %L1: %L2 of %L3 ayas (%L4%)</source>
        <translation>الجزء %L1: %L2 من %L3 آية (%L4%)</translation>
    </message>
    <message>
        <source>. %L1 of 30 juz begun, %L2 of %L3 ayas in all.</source>
        <translation>. بدأت %L1 من 30 جزءًا، و%L2 من %L3 آية في الجميع.</translation>
    </message>
</context>
<context>
    <name>LearnerRecord</name>
    <message>
        <source>The review record</source>
        <translation>سجلّ المراجعة</translation>
    </message>
    <message>
        <source>Your heart is kept; its suras start review again.</source>
        <translation>قلبك محفوظ؛ وتبدأ مراجعة سوره من جديد.</translation>
    </message>
    <message>
        <source>The review record by page</source>
        <translation>سجلّ المراجعة بالصفحات</translation>
    </message>
    <message>
        <source>Your heart is kept; its pages start review again.</source>
        <translation>قلبك محفوظ؛ وتبدأ مراجعة صفحاته من جديد.</translation>
    </message>
    <message>
        <source>Your practice settings</source>
        <translation>إعدادات تدريبك</translation>
    </message>
    <message>
        <source>Hiding and Test me start switched off.</source>
        <translation>يبدأ الإخفاء و«اختبرني» مطفأين.</translation>
    </message>
    <message>
        <source>it is not a practice-settings file</source>
        <translation>ليس ملفًا لإعدادات التدريب</translation>
    </message>
    <message>
        <source>Your drill settings</source>
        <translation>إعدادات تمرينك</translation>
    </message>
    <message>
        <source>Repeat, pause, loop, stack and speed start from their defaults.</source>
        <translation>يبدأ التكرار والوقفة والتكرار الدائري والتراكم والسرعة من قيمها الافتراضية.</translation>
    </message>
    <message>
        <source>it is not a drill-settings file</source>
        <translation>ليس ملفًا لإعدادات التمرين</translation>
    </message>
    <message>
        <source>Review records were found without a profile. The new profile starts with an empty heart; the records as they were are kept as:</source>
        <translation>وُجدت سجلات مراجعة بلا ملف تعريف. يبدأ الملف الجديد بقلب فارغ؛ وتُحفظ السجلات كما كانت باسم:</translation>
    </message>
    <message>
        <source>Review records were found without a profile, and there is no room to keep them aside. They are left as they are, and your reviews are not saved over them:</source>
        <translation>وُجدت سجلات مراجعة بلا ملف تعريف، ولا متّسع لحفظها جانبًا. تُركت كما هي، ولا تُحفظ مراجعاتك فوقها:</translation>
    </message>
</context>
<context>
    <name>Mpris</name>
    <message>
        <source>The default recitation</source>
        <translation>التلاوة الافتراضية</translation>
    </message>
</context>
<context>
    <name>MyRecitation</name>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>لا يمكن التحقّق من %1: %2.</translation>
    </message>
    <message>
        <source>Your previous take, which matched, is kept: bring it back with Delete &gt; Bring Back My Previous Take.</source>
        <translation>تسجيلك السابق، الذي طابق، محفوظ: استرجعه من حذف &gt; استرجاع تسجيلي السابق.</translation>
    </message>
    <message>
        <source>Everything else works as before.</source>
        <translation>كل ما عدا ذلك يعمل كما كان.</translation>
    </message>
    <message>
        <source>Choose or make a profile first: your recordings are kept with it.</source>
        <translation>اختر ملفًا شخصيًا أو أنشئه أولًا: تسجيلاتك تُحفظ معه.</translation>
    </message>
    <message>
        <source>Recite each aya in the pause after it; press Stop Recording (Ctrl+R) to end.</source>
        <translation>اتلُ كل آية في التوقف الذي يليها؛ اضغط إيقاف التسجيل (Ctrl+R) للإنهاء.</translation>
    </message>
    <message>
        <source>Nothing was heard, so no recording of %1 was kept.</source>
        <translation>لم يُسمع شيء، فلم يُحفظ تسجيل لـ %1.</translation>
    </message>
    <message>
        <source>Your recitation of %1 could not be kept:</source>
        <translation>تعذّر حفظ تلاوتك لـ %1:</translation>
    </message>
    <message>
        <source>Your recitation of %1 is kept (%2 s).</source>
        <translation>حُفظت تلاوتك لـ %1 (%2 ث).</translation>
    </message>
    <message>
        <source>You have not recorded %1 yet: press Record (Ctrl+R).</source>
        <translation>لم تسجّل %1 بعد: اضغط سجّل (Ctrl+R).</translation>
    </message>
    <message>
        <source>Checking your recitation of %1...</source>
        <translation>يجري التحقّق من تلاوتك لـ %1...</translation>
    </message>
    <message>
        <source>The check's mark for %1 could not be kept: %2</source>
        <translation>تعذّر حفظ علامة التحقّق لـ %1: %2</translation>
    </message>
    <message>
        <source>The reciter: %1, of %2.</source>
        <translation>القارئ: %1، من %2.</translation>
    </message>
    <message>
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>لم تسجّل أي آية من هذا الدرس بعد: اضغط سجّل (Ctrl+R).</translation>
    </message>
    <message>
        <source>You have no previous take of %1.</source>
        <translation>ليس لديك تسجيل سابق للآية %1.</translation>
    </message>
    <message>
        <source>Your previous take of %1 is back; the one it replaced is kept as the previous.</source>
        <translation>عاد تسجيلك السابق للآية %1؛ وحُفظ الذي حلّ محله بوصفه السابق.</translation>
    </message>
    <message>
        <source>You have no recording of %1.</source>
        <translation>ليس لديك تسجيل لـ %1.</translation>
    </message>
    <message>
        <source>Delete your recording of %1?</source>
        <translation>أأحذف تسجيلك لـ %1؟</translation>
    </message>
    <message>
        <source>You have no recordings.</source>
        <translation>ليس لديك تسجيلات.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %1 of your recordings?</source>
        <translation>
            <numerusform>أأحذف تسجيلاتك الـ%L1 كلها؟</numerusform>
            <numerusform>أأحذف تسجيلك الوحيد (%L1)؟</numerusform>
            <numerusform>أأحذف تسجيليك (%L1)؟</numerusform>
            <numerusform>أأحذف تسجيلاتك الـ%L1 كلها؟</numerusform>
            <numerusform>أأحذف تسجيلاتك الـ%L1 كلها؟</numerusform>
            <numerusform>أأحذف تسجيلاتك الـ%L1 كلها؟</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>أوقف التسجيل</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>سجّل</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>يسجّل</translation>
    </message>
    <message>
        <source>Waiting for the pause</source>
        <translation>ينتظر التوقف</translation>
    </message>
    <message>
        <source>Recording %1... it stops after a few seconds of quiet.</source>
        <translation>يسجّل %1... يتوقف بعد ثوانٍ من الصمت.</translation>
    </message>
    <message>
        <source>Your recording of %1 cannot be played:</source>
        <translation>لا يمكن تشغيل تسجيلك للآية %1:</translation>
    </message>
</context>
<context>
    <name>PackDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>فتح المجلد</translation>
    </message>
    <message>
        <source>The sura pack %1 is damaged and cannot be read.&lt;br&gt;&lt;br&gt;A healthy copy of it serves in its place where one is installed; otherwise its suras are left out until the file is replaced.</source>
        <translation>حزمة السور %1 تالفة ولا يمكن قراءتها.&lt;br&gt;&lt;br&gt;تحل محلها نسخة سليمة منها إن كانت مثبتة؛ وإلا تُستبعد سورها حتى يُستبدل الملف.</translation>
    </message>
</context>
<context>
    <name>PackRegistry</name>
    <message>
        <source>Cannot write "recite.ini": %1</source>
        <translation>تعذّرت كتابة "recite.ini": %1</translation>
    </message>
    <message>
        <source>"%1" is not a recitation's folder name.</source>
        <translation>"%1" ليس اسم مجلد تلاوة.</translation>
    </message>
</context>
<context>
    <name>Passage</name>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>الجزء</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>الحزب</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>الربع</translation>
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
        <translation>لا يوجد %1 %2: في المصحف %3 منها، مرقّمة من 1.</translation>
    </message>
    <message>
        <source>%1 needs the sura packs of these suras, which are not installed:&lt;br&gt;&lt;br&gt;%2</source>
        <translation>يحتاج %1 إلى حزم هذه السور، وهي غير مثبّتة:&lt;br&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>تعذّر حفظ إعدادات التدريب الخاصة بك:</translation>
    </message>
</context>
<context>
    <name>PracticeAids</name>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>تعذّر حفظ إعدادات التمرين الخاصة بك:</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>التشغيل</translation>
    </message>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>مخفية: اضغط R للكشف</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Please select an existing profile, or create a new one!</source>
        <translation>اختر ملفًا شخصيًا موجودًا، أو أنشئ ملفًا جديدًا!</translation>
    </message>
    <message>
        <source>Username already exists: a profile named %1 is kept already.</source>
        <translation>اسم المستخدم موجود: ملف شخصي باسم %1 محفوظ من قبل.</translation>
    </message>
    <message>
        <source>Do you want to load it?</source>
        <translation>أتريد تحميله؟</translation>
    </message>
    <message>
        <source>Create New Profile</source>
        <translation>أنشئ ملفًا شخصيًا جديدًا</translation>
    </message>
    <message>
        <source>Load Selected Profile</source>
        <translation>حمّل الملف المختار</translation>
    </message>
    <message>
        <source>the profile file cannot be read: %1</source>
        <translation>تعذّرت قراءة ملف الملف الشخصي: %1</translation>
    </message>
    <message>
        <source>the file is not a Varnel profile</source>
        <translation>الملف ليس ملفًا شخصيًا لفارنل</translation>
    </message>
    <message>
        <source>the profile file is cut short</source>
        <translation>ملف الملف الشخصي مقطوع</translation>
    </message>
    <message>
        <source>the profile file is damaged (its heart count is negative)</source>
        <translation>ملف الملف الشخصي تالف (عدد آيات قلبه سالب)</translation>
    </message>
    <message>
        <source>the profile file is cut short (it holds fewer ayas than it says)</source>
        <translation>ملف الملف الشخصي مقطوع (فيه آيات أقل مما يذكر)</translation>
    </message>
    <message>
        <source>the profile file is damaged (%1 entries of the heart are no ayas)</source>
        <translation>ملف الملف الشخصي تالف (%1 من مدخلات القلب ليست آيات)</translation>
    </message>
    <message>
        <source>the profile file does not say which aya you were at</source>
        <translation>ملف الملف الشخصي لا يذكر الآية التي كنت عندها</translation>
    </message>
    <message>
        <source>Invalid Username!</source>
        <translation>اسم مستخدم غير صالح!</translation>
    </message>
    <message>
        <source>This name is too long. A user name can hold at most %1 Latin letters, or %2 Arabic letters (they take two places each); please shorten it.</source>
        <translation>هذا الاسم طويل جدًا. يتسع اسم المستخدم لـ %1 حرفًا لاتينيًا على الأكثر، أو %2 حرفًا عربيًا (يأخذ كل منها مكانين)؛ فاختصره من فضلك.</translation>
    </message>
    <message>
        <source>"%1" cannot be a user name.</source>
        <translation>لا يصلح "%1" اسمًا للمستخدم.</translation>
    </message>
    <message>
        <source>A user name cannot hold the characters / \ or :.</source>
        <translation>لا يجوز أن يحوي اسم المستخدم الحروف / \ أو :.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>لا يجوز أن يحوي اسم المستخدم محارف تحكّم.</translation>
    </message>
    <message>
        <source>A user name cannot start with a full stop.</source>
        <translation>لا يجوز أن يبدأ اسم المستخدم بنقطة.</translation>
    </message>
    <message>
        <source>A user name cannot hold "%1", the ending of profile files.</source>
        <translation>لا يجوز أن يحوي اسم المستخدم "%1"، وهي لاحقة ملفات الملفات الشخصية.</translation>
    </message>
    <message>
        <source>the profile is not a file that can be read</source>
        <translation>ملف التعريف ليس ملفًا يمكن قراءته</translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation>تحميل ملف شخصي أو إنشاؤه</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>اسم مستخدم جديد</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>الملفات الشخصية</translation>
    </message>
</context>
<context>
    <name>ProfileGuard</name>
    <message>
        <source>%1 was opened by Varnel on the computer %2, which may still have it open.&lt;br&gt;&lt;br&gt;Open it anyway?</source>
        <translation>فتح فارنل %1 على الحاسوب %2، وربما ما زال مفتوحًا هناك.&lt;br&gt;&lt;br&gt;أتفتحه على أي حال؟</translation>
    </message>
    <message>
        <source>%1 could not be locked for this window: %2.&lt;br&gt;&lt;br&gt;It opens all the same, but another Varnel window could open it too.</source>
        <translation>تعذّر قفل %1 لهذه النافذة: %2.&lt;br&gt;&lt;br&gt;سيُفتح على أي حال، لكن نافذة فارنل أخرى قد تفتحه أيضًا.</translation>
    </message>
    <message>
        <source>%1 is open in another Varnel window.&lt;br&gt;&lt;br&gt;Close it there, or choose another profile.</source>
        <translation>%1 مفتوح في نافذة فارنل أخرى.&lt;br&gt;&lt;br&gt;أغلقه هناك، أو اختر ملفًا شخصيًا آخر.</translation>
    </message>
    <message>
        <source>The profile of %1 could not be read in full: %2.</source>
        <translation>تعذّرت قراءة الملف الشخصي لـ %1 كاملًا: %2.</translation>
    </message>
    <message>
        <source>The ayas of the heart that could be read are kept.</source>
        <translation>حُفظت آيات القلب التي أمكنت قراءتها.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>حُفظ الملف كما كان باسم %1.</translation>
    </message>
    <message>
        <source>Your review record as it was is kept as %1.</source>
        <translation>حُفظ سجلّ مراجعتك كما كان باسم %1.</translation>
    </message>
    <message>
        <source>There is no room to keep your review record %1 aside: it is left as it is, and your reviews are not saved over it.</source>
        <translation>لا متّسع لحفظ سجلّ مراجعتك %1 جانبًا: تُرك كما هو، ولا تُحفظ مراجعاتك فوقه.</translation>
    </message>
    <message>
        <source>You start at the first aya of sura 114.</source>
        <translation>ستبدأ من الآية الأولى من السورة 114.</translation>
    </message>
    <message>
        <source>Your profile could not be saved, so your heart is not stored yet:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Check that the folder "profiles" beside Varnel can be written to, then use File &amp;gt; Save Profile again.</source>
        <translation>تعذّر حفظ ملفك الشخصي، فقلبك لم يُخزّن بعد:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;تأكد أن مجلد "profiles" بجانب فارنل قابل للكتابة، ثم استعمل «ملف &amp;gt; حفظ الملف الشخصي» مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Float</source>
        <translation>فصل اللوحة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>يفصل اللوحة عن النافذة ويعيدها إليها</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>يغلق اللوحة</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>مرّر يسارًا</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>مرّر يمينًا</translation>
    </message>
</context>
<context>
    <name>RecitationPanel</name>
    <message>
        <source>My Recitation</source>
        <translation>تلاوتي</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>سجّل</translation>
    </message>
    <message>
        <source>Record my recitation</source>
        <translation>سجّل تلاوتي</translation>
    </message>
    <message>
        <source>Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause after it</source>
        <translation>سجّل تلاوتك للآية المعروضة (Ctrl+R)؛ ومع «اختبرني» والتوقف، كل آية في التوقف الذي يليها</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>شغّل تلاوتي</translation>
    </message>
    <message>
        <source>Play my recitation</source>
        <translation>شغّل تلاوتي</translation>
    </message>
    <message>
        <source>Hear your recording of the aya shown</source>
        <translation>استمع إلى تسجيلك للآية المعروضة</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>قارن</translation>
    </message>
    <message>
        <source>Compare with the reciter</source>
        <translation>قارن بالقارئ</translation>
    </message>
    <message>
        <source>Hear the reciter and then yourself, for each aya of the lesson you recorded</source>
        <translation>استمع إلى القارئ ثم إلى نفسك، لكل آية سجّلتها من الدرس</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>حذف...</translation>
    </message>
    <message>
        <source>Delete my recordings</source>
        <translation>احذف تسجيلاتي</translation>
    </message>
    <message>
        <source>Delete your recordings</source>
        <translation>احذف تسجيلاتك</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>Check my recitation</source>
        <translation>تحقّق من تلاوتي</translation>
    </message>
    <message>
        <source>Compare your recording of the aya shown with the reciter's: what you left out or added, or another aya. A check of the words and their order, not of tajweed.</source>
        <translation>يقارن تسجيلك للآية المعروضة بتلاوة القارئ: ما تركته أو زدته، أو آية أخرى. تحقّق من الكلمات وترتيبها، لا من التجويد.</translation>
    </message>
    <message>
        <source>Hear Left Out</source>
        <translation>اسمع المتروك</translation>
    </message>
    <message>
        <source>Hear the part left out</source>
        <translation>اسمع الجزء المتروك</translation>
    </message>
    <message>
        <source>Hear the reciter say what your last check found left out; press again for the next part</source>
        <translation>اسمع القارئ يقول ما وجد فحصك الأخير أنك تركته؛ اضغط مرة أخرى للجزء التالي</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>مستوى التسجيل</translation>
    </message>
    <message>
        <source>Check result</source>
        <translation>نتيجة التحقّق</translation>
    </message>
</context>
<context>
    <name>Recordings</name>
    <message>
        <source>%1 could not be moved to %2: %3</source>
        <translation>تعذّر نقل %1 إلى %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 ليس ملفًا يمكن قراءته.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a recording of an aya.</source>
        <translation>%1 أكبر من %2 م.ب، أكثر مما تكون عليه تلاوة آية.</translation>
    </message>
    <message>
        <source>The recording %1 could not be deleted: %2</source>
        <translation>تعذّر حذف التسجيل %1: %2</translation>
    </message>
    <message>
        <source>No learner is chosen, so there is nowhere to keep the recording.</source>
        <translation>لم يُختر متعلّم، فلا مكان لحفظ التسجيل.</translation>
    </message>
</context>
<context>
    <name>ReviewCalendar</name>
    <message>
        <source>Review calendar</source>
        <translation>تقويم المراجعة</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>المواظبة: يوم واحد</translation>
    </message>
    <message numerus="yes">
        <source>Streak: %1 days</source>
        <translation>
            <numerusform>المواظبة: %L1 يوم</numerusform>
            <numerusform>المواظبة: %L1 يوم</numerusform>
            <numerusform>المواظبة: %L1 يوم</numerusform>
            <numerusform>المواظبة: %L1 أيام</numerusform>
            <numerusform>المواظبة: %L1 يومًا</numerusform>
            <numerusform>المواظبة: %L1 يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>مراجعة واحدة في %L1 أسبوعًا</translation>
    </message>
    <message numerus="yes">
        <source>%1 reviews in %2 weeks</source>
        <translation>
            <numerusform>%L1 مراجعة في %L2 أسبوعًا</numerusform>
            <numerusform>%L1 مراجعة في %L2 أسبوعًا</numerusform>
            <numerusform>%L1 مراجعة في %L2 أسبوعًا</numerusform>
            <numerusform>%L1 مراجعات في %L2 أسبوعًا</numerusform>
            <numerusform>%L1 مراجعةً في %L2 أسبوعًا</numerusform>
            <numerusform>%L1 مراجعة في %L2 أسبوعًا</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>المراجعة</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;المراجعة&lt;/b&gt; حسب</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>السور</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>Review unit</source>
        <translation>وحدة المراجعة</translation>
    </message>
    <message>
        <source>Review whole suras (long ones in parts), or pages of the mushaf</source>
        <translation>راجع سورًا كاملة (والطويلة على أجزاء)، أو صفحات المصحف</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>المراجعة التالية</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>المراجعة التالية: %1</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>مستحق اليوم</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>السورة</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>الأخيرة</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>التذكّر</translation>
    </message>
    <message>
        <source>Last review</source>
        <translation>آخر مراجعة</translation>
    </message>
    <message>
        <source>Chance of recall today</source>
        <translation>احتمال التذكّر اليوم</translation>
    </message>
    <message>
        <source>Review now</source>
        <translation>راجع الآن</translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation>يشغّل العنصر المختار: كل آية مرة واحدة بلا توقف. ثم قيّم مدى حفظك له.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>مجددًا</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>جيد</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>غدًا: %L1 · هذا الأسبوع: %L2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>جديد</translation>
    </message>
    <message numerus="yes">
        <source>All %1 ayas</source>
        <translation>
            <numerusform>الآيات الـ%L1 كلها</numerusform>
            <numerusform>الآيات الـ%L1 كلها</numerusform>
            <numerusform>الآيات الـ%L1 كلها</numerusform>
            <numerusform>الآيات الـ%L1 كلها</numerusform>
            <numerusform>الآيات الـ%L1 كلها</numerusform>
            <numerusform>الآيات الـ%L1 كلها</numerusform>
        </translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>الآيات %L1 إلى %L2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>لم تُراجَع بعد</translation>
    </message>
    <message numerus="yes">
        <source>%1 due today
%2</source>
        <translation>
            <numerusform>%L1 مستحق اليوم
%2</numerusform>
            <numerusform>%L1 مستحق اليوم
%2</numerusform>
            <numerusform>%L1 مستحقان اليوم
%2</numerusform>
            <numerusform>%L1 مستحقة اليوم
%2</numerusform>
            <numerusform>%L1 مستحقًا اليوم
%2</numerusform>
            <numerusform>%L1 مستحق اليوم
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectRecitor</name>
    <message>
        <source>Recitor Preferences</source>
        <translation>تفضيلات القارئ</translation>
    </message>
    <message>
        <source>Varn Addon</source>
        <translation>إضافة فارنل</translation>
    </message>
    <message>
        <source>Recitor</source>
        <translation>القارئ</translation>
    </message>
    <message>
        <source>Recitation of %1</source>
        <translation>تلاوة %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>الافتراضية</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Recitation Settings</source>
        <translation>إعدادات التلاوة</translation>
    </message>
    <message>
        <source>Aya Settings</source>
        <translation>إعدادات الآية</translation>
    </message>
    <message>
        <source>Playback Settings</source>
        <translation>إعدادات التشغيل</translation>
    </message>
    <message>
        <source>Aya Range Settings</source>
        <translation>إعدادات نطاق الآيات</translation>
    </message>
    <message>
        <source>Sura Playback Progress</source>
        <translation>تقدّم تشغيل السورة</translation>
    </message>
    <message>
        <source>Practice Aids</source>
        <translation>وسائل التدريب</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>التكرار:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>عدد مرات تكرار الآيات</translation>
    </message>
    <message>
        <source> Pause (secs):</source>
        <translation> التوقف (ثوانٍ):</translation>
    </message>
    <message>
        <source>Pause (seconds)</source>
        <translation>التوقف (بالثواني)</translation>
    </message>
    <message>
        <source>Loop Sura</source>
        <translation>كرّر السورة</translation>
    </message>
    <message>
        <source>Loop the playback of the whole surah</source>
        <translation>كرّر تشغيل السورة كلها</translation>
    </message>
    <message>
        <source>Stack Ayas</source>
        <translation>تراكم الآيات</translation>
    </message>
    <message>
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;then ayas 1 to 2&lt;br&gt;&amp;nbsp;then ayas 1 to 3&lt;br&gt;&amp;nbsp;and so on, a growing block, to the last aya</source>
        <translation>&amp;nbsp;اتلُ الآية 1 عددًا من المرات&lt;br&gt;&amp;nbsp;ثم الآيات 1 إلى 2&lt;br&gt;&amp;nbsp;ثم الآيات 1 إلى 3&lt;br&gt;&amp;nbsp;وهكذا، كتلة تكبر، حتى آخر آية</translation>
    </message>
    <message>
        <source>Single Aya Mode</source>
        <translation>وضع الآية الواحدة</translation>
    </message>
    <message>
        <source>Break aya into parts for easy memorization</source>
        <translation>قسّم الآية إلى أجزاء لتسهيل الحفظ</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>شغّل نطاقًا من الآيات</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>فعّل لتشغيل نطاق من آيات السورة</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;من:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>من الآية</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>ابدأ التلاوة من هذه الآية</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;إلى:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>إلى الآية</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>أنهِ التلاوة عند هذه الآية</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>تقدّم تشغيل السورة</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× طول الآية</translation>
    </message>
    <message>
        <source>Pause unit</source>
        <translation>وحدة التوقف</translation>
    </message>
    <message>
        <source>Pause for a number of seconds, or for a multiple of the aya's own length</source>
        <translation>توقّف عددًا من الثواني، أو مضاعفًا لطول الآية نفسها</translation>
    </message>
    <message>
        <source>Pause factor</source>
        <translation>معامل التوقف</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the aya (or the part) just heard</source>
        <translation>يدوم كل توقف هذا العدد من أضعاف الآية (أو الجزء) المسموعة للتو</translation>
    </message>
    <message>
        <source>Pause in:</source>
        <translation>التوقف بـ:</translation>
    </message>
    <message>
        <source> Speed:</source>
        <translation> السرعة:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Playback speed; the pitch stays the same ([ slower, ] faster)</source>
        <translation>سرعة التشغيل؛ تبقى طبقة الصوت كما هي ([ أبطأ، ] أسرع)</translation>
    </message>
    <message>
        <source> Times:</source>
        <translation> المرات:</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>بلا نهاية</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>المرات</translation>
    </message>
    <message>
        <source>Play the sura or passage this many times, then stop; endless: once, or without end with Loop</source>
        <translation>شغّل السورة أو المقطع هذا العدد من المرات ثم توقف؛ «بلا نهاية»: مرة واحدة، أو بلا توقف مع التكرار الدائري</translation>
    </message>
    <message>
        <source>Test me</source>
        <translation>اختبرني</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>في كل توقف تُخفى الآية بينما تتلوها من حفظك، وتعود عند انتهاء التوقف (اضبط توقفًا)</translation>
    </message>
</context>
<context>
    <name>SidecarFile</name>
    <message>
        <source>%1 %2 could not be read: %3.</source>
        <translation>تعذّرت قراءة %1 %2: %3.</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>حُفظ باسم %1.</translation>
    </message>
</context>
<context>
    <name>Single</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · الجزء من %1 إلى %2 ث</translation>
    </message>
</context>
<context>
    <name>SingleBar</name>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>ابدأ الجزء هنا (موضع المنزلق)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>بداية الجزء من المنزلق</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>موضع بداية الجزء بالملّي ثانية</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>بداية الجزء</translation>
    </message>
    <message>
        <source>End the part here (the slider's position)</source>
        <translation>أنهِ الجزء هنا (موضع المنزلق)</translation>
    </message>
    <message>
        <source>Part end from slider</source>
        <translation>نهاية الجزء من المنزلق</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>موضع نهاية الجزء بالملّي ثانية</translation>
    </message>
    <message>
        <source>Part end</source>
        <translation>نهاية الجزء</translation>
    </message>
    <message>
        <source>Play the part again and again (Space or Ctrl+Space)</source>
        <translation>كرّر تشغيل الجزء (المسافة أو Ctrl+المسافة)</translation>
    </message>
    <message>
        <source>Play part repeatedly</source>
        <translation>كرّر الجزء</translation>
    </message>
    <message>
        <source>Stop (Space or Ctrl+Space)</source>
        <translation>إيقاف (المسافة أو Ctrl+المسافة)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Previous aya (Left or Ctrl+Left)</source>
        <translation>الآية السابقة (اليمين أو Ctrl+اليمين)</translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation>الآية السابقة</translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation>الآية التالية (اليسار أو Ctrl+اليسار)</translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation>الآية التالية</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>موضع التلاوة؛ اسحب للانتقال</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>الموضع في الآية</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> مللي ثانية</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound output device stopped working, so playback has stopped.&lt;br&gt;&lt;br&gt;To fix: connect the device again, or choose another one in File &amp;gt; Preferences, then press Play.</source>
        <translation>توقف جهاز إخراج الصوت عن العمل، فتوقف التشغيل.&lt;br&gt;&lt;br&gt;للإصلاح: صِل الجهاز من جديد، أو اختر غيره في «ملف &amp;gt; التفضيلات»، ثم اضغط تشغيل.</translation>
    </message>
    <message>
        <source>Varnel could not find a sound output device on this computer, so it cannot play recitations.&lt;br&gt;&lt;br&gt;Everything else works: you can read the ayas, their translations and transliterations, and keep your heart up to date.&lt;br&gt;&lt;br&gt;To hear the recitations, connect speakers or headphones, then choose the device in File &amp;gt; Preferences or restart Varnel.</source>
        <translation>لم يجد فارنل جهاز إخراج صوت في هذا الحاسوب، فلا يستطيع تشغيل التلاوات.&lt;br&gt;&lt;br&gt;كل ما سوى ذلك يعمل: يمكنك قراءة الآيات وترجماتها ونقحرتها، وتحديث قلبك.&lt;br&gt;&lt;br&gt;لتسمع التلاوات، صِل سماعات، ثم اختر الجهاز في «ملف &amp;gt; التفضيلات» أو أعد تشغيل فارنل.</translation>
    </message>
    <message>
        <source> Choose another input in Preferences.</source>
        <translation> اختر مدخلًا آخر في التفضيلات.</translation>
    </message>
    <message>
        <source>The microphone was lost while recording; what was heard before is kept.</source>
        <translation>انقطع الميكروفون أثناء التسجيل؛ وحُفظ ما سُمع قبل ذلك.</translation>
    </message>
    <message>
        <source>The recording "%1" is too large to play: %2 MB, where at most %3 MB can be played.</source>
        <translation>التسجيل "%1" أكبر من أن يُشغّل: %2 م.ب، والحد الأقصى %3 م.ب.</translation>
    </message>
    <message>
        <source>Get Length Error</source>
        <translation>خطأ في معرفة الطول</translation>
    </message>
    <message>
        <source>Select a valid range</source>
        <translation>اختر نطاقًا صالحًا</translation>
    </message>
    <message>
        <source>Error in set position</source>
        <translation>خطأ في ضبط الموضع</translation>
    </message>
    <message>
        <source>Select a valid sound device</source>
        <translation>اختر جهاز صوت صالحًا</translation>
    </message>
    <message>
        <source>To fix: %1</source>
        <translation>للإصلاح: %1</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>خطأ في الصوت</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>لا أخطاء.</translation>
    </message>
    <message>
        <source>The channel was taken over by a newer sound.</source>
        <translation>أخذ صوتٌ أحدث القناة.</translation>
    </message>
    <message>
        <source>The sound or channel no longer exists: it was stopped, finished and replaced, or released.</source>
        <translation>لم يعد الصوت أو القناة موجودًا: أُوقف، أو انتهى واستُبدل، أو حُرّر.</translation>
    </message>
    <message>
        <source>The recording could not be read: its data is damaged or in a format that cannot be decoded.</source>
        <translation>تعذّرت قراءة التسجيل: بياناته تالفة أو بصيغة لا يمكن فكّها.</translation>
    </message>
    <message>
        <source>This computer has no sound output device.</source>
        <translation>ليس في هذا الحاسوب جهاز لإخراج الصوت.</translation>
    </message>
    <message>
        <source>The sound output device could not be started. It may be in use or unplugged.</source>
        <translation>تعذّر تشغيل جهاز إخراج الصوت. ربما يستعمله برنامج آخر أو هو مفصول.</translation>
    </message>
    <message>
        <source>A value given to the sound system was out of range.</source>
        <translation>قيمة أُعطيت لنظام الصوت خارج المدى.</translation>
    </message>
    <message>
        <source>The sound system is not running.</source>
        <translation>نظام الصوت لا يعمل.</translation>
    </message>
    <message>
        <source>The sound system is already running.</source>
        <translation>نظام الصوت يعمل بالفعل.</translation>
    </message>
    <message>
        <source>The sound output device failed while playing.</source>
        <translation>تعطّل جهاز إخراج الصوت أثناء التشغيل.</translation>
    </message>
    <message>
        <source>The sound could not be encoded.</source>
        <translation>تعذّر ترميز الصوت.</translation>
    </message>
    <message>
        <source>The recording cannot be played: it claims more than 8 channels, a sample rate above 384 kHz, or holds no sound at all.</source>
        <translation>لا يمكن تشغيل التسجيل: يدّعي أكثر من 8 قنوات، أو معدل عينات فوق 384 ك.هرتز، أو لا يحوي صوتًا أصلًا.</translation>
    </message>
    <message>
        <source>No microphone was found: there is no input device to record from.</source>
        <translation>لم يُعثر على ميكروفون: لا يوجد جهاز إدخال للتسجيل منه.</translation>
    </message>
    <message>
        <source>The microphone could not be opened: another program may be using it.</source>
        <translation>تعذّر فتح الميكروفون: ربما يستعمله برنامج آخر.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>خطأ غير معروف.</translation>
    </message>
    <message>
        <source>The recording is longer than an aya can be (over ten minutes).</source>
        <translation>التسجيل أطول مما يمكن أن تكون عليه آية (أكثر من عشر دقائق).</translation>
    </message>
    <message>
        <source>The recording holds more samples than an aya's can (ten minutes of stereo at 96 kHz): it is too large to decode.</source>
        <translation>يحوي التسجيل عيّنات أكثر مما يحويه تسجيل آية (عشر دقائق بقناتين بتردد 96 كيلوهرتز): إنه أكبر من أن يُفكّ ترميزه.</translation>
    </message>
    <message>
        <source>libsndfile, which reads and writes recordings, cannot be loaded: install the package libsndfile1.</source>
        <translation>تعذّر تحميل libsndfile التي تقرأ التسجيلات وتكتبها: ثبّت الحزمة libsndfile1.</translation>
    </message>
</context>
<context>
    <name>SpanDrill</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · الجزء من %1 إلى %2 ث</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>تراكم %L1-%L2، الدورة %L3 · الآية %L4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · تراكم %L1–%L2، الدورة %L3 · الآية %L4 من %L5 (%6)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>No sura pack installed</source>
        <translation>لا توجد حزمة سور مثبتة</translation>
    </message>
    <message>
        <source> · recorded</source>
        <translation> · مسجّلة</translation>
    </message>
    <message>
        <source> · pause %1</source>
        <translation> · توقف %1</translation>
    </message>
    <message>
        <source> · repetition %1 of %2</source>
        <translation> · التكرار %L1 من %L2</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · التكرار %L1</translation>
    </message>
</context>
<context>
    <name>TranslationFonts</name>
    <message>
        <source>The %1 text needs the font %2, which is not installed: install the package %3.</source>
        <translation>يحتاج نص %1 إلى الخط %2، وهو غير مثبّت: ثبّت الحزمة %3.</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play Aya</source>
        <translation>شغّل الآية</translation>
    </message>
    <message>
        <source>Stop Playing</source>
        <translation>أوقف التشغيل</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>الآية السابقة</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>الآية التالية</translation>
    </message>
    <message>
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation>يشغّل الآية الحالية (المسافة أو Ctrl+المسافة أو مفتاح التشغيل)</translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation>يوقف تشغيل الآية الحالية (المسافة أو Ctrl+المسافة أو مفتاح الإيقاف)</translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation>شغّل الآية السابقة في هذه السورة (اليمين أو Ctrl+اليمين أو مفتاح السابق)</translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation>شغّل الآية التالية في هذه السورة (اليسار أو Ctrl+اليسار أو مفتاح التالي)</translation>
    </message>
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Drag this passage to your heart</source>
        <translation>اسحب هذا المقطع إلى قلبك</translation>
    </message>
    <message>
        <source>This is the sura's last aya.</source>
        <translation>هذه آخر آية في السورة.</translation>
    </message>
    <message>
        <source>This is the sura's first aya.</source>
        <translation>هذه أول آية في السورة.</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>خطأ: حجم الشاشة صغير جدًا! غيّر الدقة إلى 800x600 أو أعلى</translation>
    </message>
    <message>
        <source>The picture of aya %1 is too large to show: %2 MB, where at most %3 MB are shown.</source>
        <translation>صورة الآية %1 أكبر من أن تُعرض: %2 م.ب، والحد الأقصى %3 م.ب.</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>تعذّر حفظ مراجعتك:</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>تعذّر حفظ وحدة المراجعة:</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Waveforms of the reciter and of your recitation</source>
        <translation>الموجات الصوتية للقارئ ولتلاوتك</translation>
    </message>
    <message>
        <source>The reciter: %1 s; you: %2 s</source>
        <translation>القارئ: %1 ث؛ أنت: %2 ث</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>القارئ</translation>
    </message>
    <message>
        <source>You</source>
        <translation>أنت</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>أخفِ الترجمة (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>أظهر الترجمة (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>أخفِ النقحرة (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>أظهر النقحرة (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عرض (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>القارئ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>اللغة (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>حفظ الملف الشخصي (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>ملف جديد/تحميل (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>التفضيلات (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>استيراد تسجيلات... (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>خروج (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Heart</source>
        <translation>القلب (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>لوحة المراجعة (&amp;R)</translation>
    </message>
    <message>
        <source>Recitation &amp;Settings</source>
        <translation>إعدادات التلاوة (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;My Recitation</source>
        <translation>تلاوتي (&amp;M)</translation>
    </message>
    <message>
        <source>Reset La&amp;yout</source>
        <translation>إعادة الترتيب (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Night Reading</source>
        <translation>القراءة الليلية (&amp;N)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation>ملاءمة العرض</translation>
    </message>
    <message>
        <source>Mark the &amp;Heard Word</source>
        <translation>تمييز الكلمة المسموعة (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>التدريب (&amp;P)</translation>
    </message>
    <message>
        <source>Hide the aya</source>
        <translation>أخفِ الآية</translation>
    </message>
    <message>
        <source>Hide the translation</source>
        <translation>أخفِ الترجمة</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>اكشف</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>أبطأ</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>أسرع</translation>
    </message>
    <message>
        <source>Snap the Part to Words</source>
        <translation>ضبط الجزء على الكلمات</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>أضف المقطع إلى القلب</translation>
    </message>
    <message>
        <source>Record My Recitation</source>
        <translation>سجّل تلاوتي</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>شغّل تلاوتي</translation>
    </message>
    <message>
        <source>Compare with the Reciter</source>
        <translation>قارن بالقارئ</translation>
    </message>
    <message>
        <source>Check My Recitation</source>
        <translation>تحقّق من تلاوتي</translation>
    </message>
    <message>
        <source>Interface &amp;Language</source>
        <translation>لغة الواجهة (&amp;L)</translation>
    </message>
    <message>
        <source>Bring Back My Previous Take</source>
        <translation>استرجاع تسجيلي السابق</translation>
    </message>
    <message>
        <source>Delete My Recording of This Aya...</source>
        <translation>احذف تسجيلي لهذه الآية...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>احذف كل تسجيلاتي...</translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation>إعداد القارئ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>الحزم المثبتة... (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>حول (&amp;A)</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Heart</source>
        <translation>القلب</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>المراجعة</translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation>إعدادات التلاوة</translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation>تلاوتي</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>%1 held more than settings can be (a damaged value): what could not be read is left out, and every other setting is kept.</source>
        <translation>احتوى %1 على أكثر مما تحتمله الإعدادات (قيمة تالفة): تُرك ما تعذّرت قراءته، وحُفظت الإعدادات الأخرى كلها.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>حُفظ الملف كما كان باسم %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1:</source>
        <translation>تعذّر حفظ إعداداتك في %1:</translation>
    </message>
    <message>
        <source>They stay as they are until Varnel closes.</source>
        <translation>تبقى كما هي حتى يُغلق فارنل.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Varnel cannot use the folder "%1" for its files.</source>
        <translation>لا يستطيع فارنل استعمال المجلد "%1" لملفاته.</translation>
    </message>
</context>
</TS>