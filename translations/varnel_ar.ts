<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>السور المحفوظة في القلب</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>Varnel will speak %1 from its next start.</source>
        <translation>سيتحدث فارنل %1 من تشغيله القادم.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>لغة النظام</translation>
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
</context>
<context>
    <name>QObject</name>
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
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>تسجيلاتك، ملف لكل آية باسم SSSAAA (001001.mp3 هي 1:1؛ MP3 أو Ogg أو FLAC أو WAV)، تصبح تلاوة يمكنك اختيارها. بلا نص عربي تنضم إلى الحزم التي لديك، وهي تعرض الصور والنصوص؛ ومع نص (ملف تنزيل "سورة|آية|نص" في كل سطر، أو مجلد حزمة quran-json) تصبح حزم سور مستقلة.</translation>
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
        <source>Close</source>
        <translation>إغلاق</translation>
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
        <source>Delete My Recording of This Aya...</source>
        <translation>احذف تسجيلي لهذه الآية...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>احذف كل تسجيلاتي...</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>أضف المقطع إلى القلب</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;التدريب</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;المراجعة&lt;/b&gt; حسب</translation>
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
        <source>Due today</source>
        <translation>مستحق اليوم</translation>
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
        <source>Load or Create Profile</source>
        <translation>تحميل ملف شخصي أو إنشاؤه</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>&amp;حفظ الملف الشخصي</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>ملف &amp;جديد/تحميل</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>ال&amp;تفضيلات</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>ا&amp;ستيراد تسجيلات...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>لوحة ال&amp;مراجعة</translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation>إعداد ال&amp;قارئ</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>الحزم الم&amp;ثبتة...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
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
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation>يشغّل الآية الحالية (المسافة أو Ctrl+المسافة أو مفتاح التشغيل)</translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation>يوقف تشغيل الآية الحالية (المسافة أو Ctrl+المسافة أو مفتاح الإيقاف)</translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation>شغّل الآية السابقة في هذه السورة (اليسار أو Ctrl+اليسار أو مفتاح السابق)</translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation>شغّل الآية التالية في هذه السورة (اليمين أو Ctrl+اليمين أو مفتاح التالي)</translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation>حالة التشغيل</translation>
    </message>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>ابدأ الجزء هنا (موضع المنزلق)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>بداية الجزء من المنزلق</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>بداية الجزء</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>موضع بداية الجزء بالملّي ثانية</translation>
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
        <source>Part end</source>
        <translation>نهاية الجزء</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>موضع نهاية الجزء بالملّي ثانية</translation>
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
        <translation>الآية السابقة (اليسار أو Ctrl+اليسار)</translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation>الآية السابقة</translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation>الآية التالية (اليمين أو Ctrl+اليمين)</translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation>الآية التالية</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>الموضع في الآية</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>موضع التلاوة؛ اسحب للانتقال</translation>
    </message>
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
        <source>Repeat:</source>
        <translation>التكرار:</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>عدد مرات تكرار الآيات</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>التكرار</translation>
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
        <source>Practice Aids</source>
        <translation>وسائل التدريب</translation>
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
        <source>With Loop, play the sura or passage this many times, then stop</source>
        <translation>مع التكرار الدائري، شغّل السورة أو المقطع هذا العدد من المرات ثم توقف</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>فعّل لتشغيل نطاق من آيات السورة</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>شغّل نطاقًا من الآيات</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;من:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>ابدأ التلاوة من هذه الآية</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>من الآية</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;إلى:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>أنهِ التلاوة عند هذه الآية</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>إلى الآية</translation>
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
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;Recite aya 2 a number of times&lt;br&gt;&amp;nbsp;Recite aya 1 and 2 a number of times&lt;br&gt;&amp;nbsp;and so on ...</source>
        <translation>&amp;nbsp;اتلُ الآية 1 عدة مرات&lt;br&gt;&amp;nbsp;اتلُ الآية 2 عدة مرات&lt;br&gt;&amp;nbsp;اتلُ الآيتين 1 و2 عدة مرات&lt;br&gt;&amp;nbsp;وهكذا ...</translation>
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
        <source>Test me</source>
        <translation>اختبرني</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>في كل توقف تُخفى الآية بينما تتلوها من حفظك، وتعود عند انتهاء التوقف (اضبط توقفًا)</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>تقدّم تشغيل السورة</translation>
    </message>
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
        <source>Recording level</source>
        <translation>مستوى التسجيل</translation>
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
    <message>
        <source>&amp;Night Reading</source>
        <translation>القراءة ال&amp;ليلية</translation>
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
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>أ&amp;خفِ الترجمة</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>أ&amp;ظهر النقحرة</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>ال&amp;قارئ</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>أ&amp;ظهر الترجمة</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>أ&amp;خفِ النقحرة</translation>
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
        <source>seconds</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× طول الآية</translation>
    </message>
    <message>
        <source>Review calendar</source>
        <translation>تقويم المراجعة</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>المواظبة: يوم واحد</translation>
    </message>
    <message>
        <source>Streak: %1 days</source>
        <translation>المواظبة: %1 أيام</translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>مراجعة واحدة في %1 أسبوعًا</translation>
    </message>
    <message>
        <source>%1 reviews in %2 weeks</source>
        <translation>%1 مراجعات في %2 أسبوعًا</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>المراجعة</translation>
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
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>غدًا: %1 · هذا الأسبوع: %2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>All %1 ayas</source>
        <translation>كل الآيات %1</translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>الآيات %1 إلى %2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>لم تُراجَع بعد</translation>
    </message>
    <message>
        <source>%1 due today
%2</source>
        <translation>%1 مستحقة اليوم
%2</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>المراجعة التالية: %1</translation>
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
        <translation> · التكرار %1 من %2</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · التكرار %1</translation>
    </message>
    <message>
        <source> · your recitation</source>
        <translation> · تلاوتك</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · القارئ</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>الآية %1 من %2</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · الآية %1 من %2 (%3:%4)</translation>
    </message>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · الجزء من %1 إلى %2 ث</translation>
    </message>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>تراكم %1-%2، الدورة %3 · الآية %4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · تراكم %1–%2، الدورة %3 · الآية %4 من %5 (%6)</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>استعراض %1</translation>
    </message>
    <message>
        <source>Import Recordings</source>
        <translation>استيراد تسجيلات</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>مجلد التسجيلات:</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>مجلد التسجيلات</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>النص العربي:</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>النص العربي (اختياري)</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>الترجمة:</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>الترجمة (اختياري)</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>النقحرة:</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>النقحرة (اختياري)</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>اسم التلاوة:</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>اختر مجلد تسجيلاتك أولًا.</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces: "%1" cannot be one.</source>
        <translation>اسم التلاوة كلمة واحدة بلا / ولا مسافات: "%1" لا يصلح.</translation>
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
    <message>
        <source>Installed Packs</source>
        <translation>الحزم المثبتة</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>الحزمة</translation>
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
        <source>Remove the recitation "%1" and all its packs from %2?</source>
        <translation>أأزيل التلاوة "%1" وكل حزمها من %2؟</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>تعذّرت إزالة بعض ملفات %1.</translation>
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
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>لم تسجّل أي آية من هذا الدرس بعد: اضغط سجّل (Ctrl+R).</translation>
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
    <message>
        <source>Delete all %1 of your recordings?</source>
        <translation>أأحذف كل تسجيلاتك وعددها %1؟</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>أوقف التسجيل</translation>
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
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>جهاز الصوت مستخدم الآن، لكن تعذّر حفظ الاختيار في "config.ini" للمرة القادمة:</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>تعذّر حفظ إعدادات التدريب الخاصة بك:</translation>
    </message>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>تعذّر حفظ إعدادات التمرين الخاصة بك:</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>خطأ: حجم الشاشة صغير جدًا! غيّر الدقة إلى 800x600 أو أعلى</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>تعذّر حفظ مراجعتك:</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>تعذّر حفظ وحدة المراجعة:</translation>
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
    <name>Varn</name>
    <message>
        <source>Interface &amp;Language</source>
        <translation>&amp;لغة الواجهة</translation>
    </message>
</context>
</TS>