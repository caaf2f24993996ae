<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>AyaText</name>
    <message>
        <source>Transliteration:</source>
        <translation>Okunuş:</translation>
    </message>
    <message>
        <source>%1 Translation:</source>
        <translation>%1 Meal:</translation>
    </message>
</context>
<context>
    <name>AyaView</name>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>Gizli: açmak için R'ye basın</translation>
    </message>
</context>
<context>
    <name>CentralArea</name>
    <message>
        <source>Aya picture; drag it to your heart</source>
        <translation>Ayet resmi; kalbinize sürükleyin</translation>
    </message>
    <message>
        <source>Translation and transliteration</source>
        <translation>Meal ve okunuş</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>Ayet</translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation>Çalma durumu</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <source>%1 to %2 s</source>
        <translation>%1 ile %2 sn arası</translation>
    </message>
    <message>
        <source>%1 (word %2)</source>
        <translation>%1 (kelime %2)</translation>
    </message>
    <message>
        <source>%1 (words %2 to %3)</source>
        <translation>%1 (kelime %2 - %3)</translation>
    </message>
    <message>
        <source>%1, match: you said the whole aya, in order (score %2 of 100).</source>
        <translation>%1, uyuyor: ayetin tamamını sırasıyla okudunuz (puan 100 üzerinden %2).</translation>
    </message>
    <message>
        <source>%1, partial: a part is missing, added or said differently (score %2 of 100).</source>
        <translation>%1, kısmen: bir bölüm eksik, fazla ya da farklı okunmuş (puan 100 üzerinden %2).</translation>
    </message>
    <message>
        <source>%1, different: this sounds like another aya, or no recitation (score %2 of 100).</source>
        <translation>%1, farklı: bu başka bir ayet gibi ya da okuyuş değil (puan 100 üzerinden %2).</translation>
    </message>
    <message>
        <source>This sounds like %1 (%2), not %3.</source>
        <translation>Bu, %3 değil, %1 (%2) gibi duyuluyor.</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Atlandı: %1.</translation>
    </message>
    <message>
        <source>Left out, in the reciter's time: %1.</source>
        <translation>Atlanan, kârinin süresinde: %1.</translation>
    </message>
    <message>
        <source>Said differently: %1.</source>
        <translation>Farklı söylendi: %1.</translation>
    </message>
    <message>
        <source>Said differently, in the reciter's time: %1.</source>
        <translation>Farklı okunan, kârinin süresinde: %1.</translation>
    </message>
    <message>
        <source>Added, in your recording's time: %1.</source>
        <translation>Eklenen, kaydınızın süresinde: %1.</translation>
    </message>
</context>
<context>
    <name>ChooserRow</name>
    <message>
        <source>Page</source>
        <translation>Sayfa</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Cüz</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizip</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Çeyrek</translation>
    </message>
    <message>
        <source>&lt;b&gt;Choose a sura:&lt;b&gt;</source>
        <translation>&lt;b&gt;Bir sure seçin:&lt;b&gt;</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Sure</translation>
    </message>
    <message>
        <source> or</source>
        <translation> veya</translation>
    </message>
    <message>
        <source>Passage kind</source>
        <translation>Bölüm türü</translation>
    </message>
    <message>
        <source>Memorise by page, juz, hizb or quarter of the Madinah mushaf</source>
        <translation>Medine mushafının sayfası, cüzü, hizbi veya çeyreğiyle ezberleyin</translation>
    </message>
    <message>
        <source>Passage number</source>
        <translation>Bölüm numarası</translation>
    </message>
    <message>
        <source>Play Passage</source>
        <translation>Bölümü Çal</translation>
    </message>
    <message>
        <source>Play the passage chosen, across the suras it holds</source>
        <translation>Seçilen bölümü, içerdiği sureler boyunca çal</translation>
    </message>
    <message>
        <source>Tabaarakallah! You know this sura? Drag me to your heart!</source>
        <translation>Tebarekallah! Bu sureyi biliyor musunuz? Beni kalbinize sürükleyin!</translation>
    </message>
    <message>
        <source>Drag this sura to your heart</source>
        <translation>Bu sureyi kalbinize sürükleyin</translation>
    </message>
    <message>
        <source>In the Name of Allah the Most Beneficent, the Most Merciful</source>
        <translation>Rahmân ve Rahîm olan Allah'ın adıyla</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source> · your recitation</source>
        <translation> · sizin okuyuşunuz</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · kâri</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Varnel Preferences</source>
        <translation>Varnel Tercihleri</translation>
    </message>
    <message>
        <source>Play Test Sound</source>
        <translation>Deneme Sesini Çal</translation>
    </message>
    <message>
        <source>Stop Test Sound</source>
        <translation>Deneme Sesini Durdur</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>Mikrofon bulunamadı</translation>
    </message>
    <message>
        <source>The system's default</source>
        <translation>Sistemin varsayılanı</translation>
    </message>
    <message>
        <source>Sound Settings</source>
        <translation>Ses Ayarları</translation>
    </message>
    <message>
        <source>Choose a sound device</source>
        <translation>Bir ses aygıtı seçin</translation>
    </message>
    <message>
        <source>Sound device</source>
        <translation>Ses aygıtı</translation>
    </message>
    <message>
        <source>Record my recitation from</source>
        <translation>Okuyuşumu şuradan kaydet</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>Ses aygıtı şimdi kullanılıyor, ancak seçim bir dahaki sefer için "config.ini" dosyasına kaydedilemedi:</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source> · pass %1 of %2</source>
        <translation> · tur %1 / %2</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>Ayet %L1 / %L2</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · ayet %L1 / %L2 (%L3:%L4)</translation>
    </message>
</context>
<context>
    <name>DrillControls</name>
    <message>
        <source>Sura %1, aya %2</source>
        <translation>Sure %1, ayet %2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>Alıştırma ayarlarınız kaydedilemedi:</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Varnel user guide</source>
        <translation>Varnel kullanım kılavuzu</translation>
    </message>
    <message>
        <source>Varnel helps you learn suras by heart: you see each aya, hear it recited as often as you like, and keep a record of what you know in your &lt;b&gt;heart&lt;/b&gt;.</source>
        <translation>Varnel sureleri ezberlemenize yardım eder: her ayeti görür, istediğiniz kadar okunuşunu dinler ve bildiklerinizin kaydını &lt;b&gt;kalbinizde&lt;/b&gt; tutarsınız.</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Başlarken</translation>
    </message>
    <message>
        <source>When Varnel starts it asks for your &lt;b&gt;profile&lt;/b&gt;. Type your name and press &lt;i&gt;Create New Profile&lt;/i&gt;, or pick your name from the list and press &lt;i&gt;Load Selected Profile&lt;/i&gt;. Your heart and the aya you were at are kept in your profile; Varnel saves it when you leave, and File &amp;gt; Save Profile saves it at once.</source>
        <translation>Varnel açılınca &lt;b&gt;profilinizi&lt;/b&gt; sorar. Adınızı yazıp &lt;i&gt;Yeni Profil Oluştur&lt;/i&gt;'a basın ya da listeden adınızı seçip &lt;i&gt;Seçili Profili Yükle&lt;/i&gt;'ye basın. Kalbiniz ve kaldığınız ayet profilinizde tutulur; Varnel çıkarken onu kaydeder, Dosya &amp;gt; Profili Kaydet ise hemen kaydeder.</translation>
    </message>
    <message>
        <source>The first time, Varnel asks which &lt;b&gt;sound device&lt;/b&gt; to use. Press &lt;i&gt;Play Test Sound&lt;/i&gt; to check it, then &lt;i&gt;OK&lt;/i&gt;. You can change it later in File &amp;gt; Preferences.</source>
        <translation>İlk seferde Varnel hangi &lt;b&gt;ses aygıtını&lt;/b&gt; kullanacağını sorar. Denemek için &lt;i&gt;Deneme Sesini Çal&lt;/i&gt;'a, sonra &lt;i&gt;Tamam&lt;/i&gt;'a basın. Sonradan Dosya &amp;gt; Tercihler'den değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Choose a sura in &lt;b&gt;Choose a sura&lt;/b&gt; at the top. Recitation starts at once, aya by aya.</source>
        <translation>Üstteki &lt;b&gt;Bir sure seçin&lt;/b&gt; kutusundan bir sure seçin. Okuma hemen, ayet ayet başlar.</translation>
    </message>
    <message>
        <source>Seeing the aya</source>
        <translation>Ayeti görmek</translation>
    </message>
    <message>
        <source>The middle of the window shows the Arabic text of the aya being recited. The panel under it shows its translation and, if you wish, its transliteration: use the &lt;b&gt;View&lt;/b&gt; menu to show or hide each. The &lt;b&gt;Language&lt;/b&gt; menu chooses the language of the translation when translation packs are installed. The slider under the panel shows which aya of the sura you are at.</source>
        <translation>Pencerenin ortası okunan ayetin Arapça metnini gösterir. Altındaki panel mealini ve isterseniz okunuşunu gösterir: her birini göstermek ya da gizlemek için &lt;b&gt;Görünüm&lt;/b&gt; menüsünü kullanın. Meal paketleri kuruluysa &lt;b&gt;Dil&lt;/b&gt; menüsü mealin dilini seçer. Panelin altındaki kaydırıcı surenin hangi ayetinde olduğunuzu gösterir.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Çalmak</translation>
    </message>
    <message>
        <source>&lt;b&gt;Play Aya&lt;/b&gt; (Space) plays the current aya; &lt;b&gt;Stop Playing&lt;/b&gt; (Space again) stops.</source>
        <translation>&lt;b&gt;Ayeti Çal&lt;/b&gt; (Boşluk) geçerli ayeti çalar; &lt;b&gt;Durdur&lt;/b&gt; (yine Boşluk) durdurur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Previous Aya&lt;/b&gt; (Left arrow) and &lt;b&gt;Next Aya&lt;/b&gt; (Right arrow) move through the sura.</source>
        <translation>&lt;b&gt;Önceki Ayet&lt;/b&gt; (Sol ok) ve &lt;b&gt;Sonraki Ayet&lt;/b&gt; (Sağ ok) surede ilerletir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Repeat&lt;/b&gt;: how many times each aya is recited before the next one.</source>
        <translation>&lt;b&gt;Tekrar&lt;/b&gt;: her ayetin bir sonrakinden önce kaç kez okunacağı.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause (secs)&lt;/b&gt;: a silence after each recitation of an aya, time for you to repeat it aloud. 0 means no pause.</source>
        <translation>&lt;b&gt;Duraklama (sn)&lt;/b&gt;: ayetin her okunuşundan sonra sessizlik, onu sesli tekrarlamanız için zaman. 0 duraklama yok demektir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aya Range Settings&lt;/b&gt;: tick the box, then set &lt;b&gt;FROM&lt;/b&gt; and &lt;b&gt;TO&lt;/b&gt; to work on part of a sura.</source>
        <translation>&lt;b&gt;Ayet Aralığı Ayarları&lt;/b&gt;: kutuyu işaretleyin, sonra surenin bir bölümüyle çalışmak için &lt;b&gt;BAŞ&lt;/b&gt; ve &lt;b&gt;SON&lt;/b&gt; değerlerini girin.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loop Sura&lt;/b&gt;: start again at the first aya after the last.</source>
        <translation>&lt;b&gt;Sureyi Döngüle&lt;/b&gt;: sonuncudan sonra ilk ayetten yeniden başlar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Stack Ayas&lt;/b&gt;: the stack drill. Varnel recites the first aya, then the first two, then the first three, and so on until the whole range is recited in one go. Press Play Aya to begin.</source>
        <translation>&lt;b&gt;Ayetleri Yığ&lt;/b&gt;: yığma alıştırması. Varnel ilk ayeti, sonra ilk ikisini, sonra ilk üçünü okur ve bu, tüm aralık bir seferde okunana dek sürer. Başlamak için Ayeti Çal'a basın.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sura Playback Progress&lt;/b&gt; shows how far through the sura (or the drill) you are.</source>
        <translation>&lt;b&gt;Sure Çalma İlerlemesi&lt;/b&gt; surenin (ya da alıştırmanın) neresinde olduğunuzu gösterir.</translation>
    </message>
    <message>
        <source>Single Aya Mode: learning one aya in parts</source>
        <translation>Tek Ayet Kipi: bir ayeti parça parça öğrenmek</translation>
    </message>
    <message>
        <source>Tick &lt;b&gt;Single Aya Mode&lt;/b&gt; to work on one long aya a part at a time. A row of controls appears:</source>
        <translation>Uzun bir ayetle parça parça çalışmak için &lt;b&gt;Tek Ayet Kipi&lt;/b&gt;'ni işaretleyin. Bir sıra denetim belirir:</translation>
    </message>
    <message>
        <source>The slider shows where the recitation is. Drag it to jump.</source>
        <translation>Kaydırıcı okumanın nerede olduğunu gösterir. Atlamak için sürükleyin.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;start&lt;/b&gt; button (a bar with a green arrow) takes the slider's position as the start of the part; the &lt;b&gt;end&lt;/b&gt; button takes it as the end. You can also type the start and end in milliseconds.</source>
        <translation>&lt;b&gt;Başlangıç&lt;/b&gt; düğmesi (yeşil oklu çizgi) kaydırıcının konumunu parçanın başı yapar; &lt;b&gt;bitiş&lt;/b&gt; düğmesi sonu yapar. Başı ve sonu milisaniye olarak da yazabilirsiniz.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;repeat-play&lt;/b&gt; button (Space) plays the part again and again, with your pause between; the &lt;b&gt;stop&lt;/b&gt; button (Space) stops it.</source>
        <translation>&lt;b&gt;Yineleyerek çal&lt;/b&gt; düğmesi (Boşluk) parçayı aralarda duraklamanızla tekrar tekrar çalar; &lt;b&gt;durdur&lt;/b&gt; düğmesi (Boşluk) durdurur.</translation>
    </message>
    <message>
        <source>The arrow buttons (Left and Right arrows) move to the previous and next aya; the part becomes the whole aya again.</source>
        <translation>Ok düğmeleri (Sol ve Sağ ok) önceki ve sonraki ayete geçer; parça yeniden bütün ayet olur.</translation>
    </message>
    <message>
        <source>Your heart</source>
        <translation>Kalbiniz</translation>
    </message>
    <message>
        <source>To add the aya you see, drag the aya picture onto the heart.</source>
        <translation>Gördüğünüz ayeti eklemek için ayetin resmini kalbe sürükleyin.</translation>
    </message>
    <message>
        <source>To add a whole sura, drag the heart picture next to the sura chooser onto the heart.</source>
        <translation>Bütün bir sureyi eklemek için sure seçicinin yanındaki kalp resmini kalbe sürükleyin.</translation>
    </message>
    <message>
        <source>Each sura shows a heart that fills as you learn more of it. The red bar at the top shows how many ayas of all installed suras are in your heart.</source>
        <translation>Her sure, siz öğrendikçe dolan bir kalp gösterir. Üstteki kırmızı çubuk, kurulu tüm surelerin kaç ayetinin kalbinizde olduğunu gösterir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Close Completed Suras&lt;/b&gt; folds the suras you know completely.</source>
        <translation>&lt;b&gt;Tamamlanan Sureleri Kapat&lt;/b&gt; tamamen bildiğiniz sureleri kapatır.</translation>
    </message>
    <message>
        <source>Double-click an aya in your heart to go to it and recite from there.</source>
        <translation>Bir ayete gidip oradan okumak için kalbinizde ona çift tıklayın.</translation>
    </message>
    <message>
        <source>Right-click an aya or a sura and choose &lt;i&gt;Remove&lt;/i&gt; to take it out of your heart.</source>
        <translation>Bir ayeti ya da sureyi kalbinizden çıkarmak için sağ tıklayıp &lt;i&gt;Kaldır&lt;/i&gt;'ı seçin.</translation>
    </message>
    <message>
        <source>Practice: testing yourself</source>
        <translation>Alıştırma: kendinizi sınamak</translation>
    </message>
    <message>
        <source>View &amp;gt; Practice &amp;gt; &lt;b&gt;Hide the aya&lt;/b&gt; (H) covers the aya's picture, and &lt;b&gt;Hide the translation&lt;/b&gt; covers its translation. Each new aya starts hidden again.</source>
        <translation>Görünüm &amp;gt; Alıştırma &amp;gt; &lt;b&gt;Ayeti gizle&lt;/b&gt; (H) ayetin resmini örter, &lt;b&gt;Meali gizle&lt;/b&gt; ise mealini. Her yeni ayet yine gizli başlar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Test me&lt;/b&gt;, beside Pause in: the aya is hidden during each pause while you recite it from memory, and shown again when the pause ends. Set a pause for it to have a pause to work in.</source>
        <translation>&lt;b&gt;Beni sına&lt;/b&gt;, duraklama biriminin yanında: ayeti ezberden okurken her duraklamada ayet gizlenir ve duraklama bitince yeniden görünür. Çalışması için bir duraklama ayarlayın.</translation>
    </message>
    <message>
        <source>Pauses that fit the aya</source>
        <translation>Ayete uygun duraklamalar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause in&lt;/b&gt; chooses how pauses are measured: in &lt;i&gt;seconds&lt;/i&gt; (the Pause box), or in &lt;i&gt;&amp;times; aya length&lt;/i&gt;, a multiple from 0.5 to 3.0 of the aya just heard (or of the part, in Single Aya Mode). A long aya then gets a long pause, a short one a short pause. A change of repeat, pause or speed while Varnel recites applies from the next repetition or the next aya.</source>
        <translation>&lt;b&gt;Duraklama birimi&lt;/b&gt; duraklamaların nasıl ölçüleceğini seçer: &lt;i&gt;saniye&lt;/i&gt; olarak (Duraklama kutusu) ya da &lt;i&gt;&amp;times; ayet süresi&lt;/i&gt; olarak, yani az önce duyulan ayetin (ya da Tek Ayet Kipi'nde parçanın) 0.5 ile 3.0 katı. Böylece uzun ayete uzun, kısa ayete kısa duraklama düşer. Varnel okurken tekrar, duraklama ya da hız değişikliği bir sonraki tekrardan ya da ayetten itibaren geçerli olur.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Hız</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Speed&lt;/b&gt; box (or View &amp;gt; Practice &amp;gt; Slower and Faster, the keys [ and ]) plays the recitation from 0.5&amp;times; to 1.5&amp;times; with its pitch kept. Positions, ranges and the single-aya marks stay in the recording's own time.</source>
        <translation>&lt;b&gt;Hız&lt;/b&gt; kutusu (ya da Görünüm &amp;gt; Alıştırma &amp;gt; Daha yavaş ve Daha hızlı, [ ve ] tuşları) okumayı perdesi korunarak 0.5&amp;times; ile 1.5&amp;times; arasında çalar. Konumlar, aralıklar ve tek ayet işaretleri kaydın kendi zamanında kalır.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Okumak</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom the aya's picture; Ctrl+0 (View &amp;gt; Fit to Width) fits it to the width. The line of text stays in view, and the zoom is kept for next time.</source>
        <translation>Ctrl+tekerlek, Ctrl+artı ve Ctrl+eksi ayetin resmini yakınlaştırır ve uzaklaştırır; Ctrl+0 (Görünüm &amp;gt; Genişliğe Sığdır) genişliğe sığdırır. Metin satırı görünür kalır ve yakınlaştırma bir dahaki sefere saklanır.</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Night Reading&lt;/b&gt;: a dark page with light text and the aya as light ink.</source>
        <translation>Görünüm &amp;gt; &lt;b&gt;Gece Okuma&lt;/b&gt;: açık renkli metinli koyu bir sayfa ve açık mürekkepli ayet.</translation>
    </message>
    <message>
        <source>Review: keeping what you know</source>
        <translation>Tekrar: bildiğini korumak</translation>
    </message>
    <message>
        <source>Choose an item and press &lt;b&gt;Review now&lt;/b&gt;: Varnel plays it once through, each aya once, with no repeat or pause.</source>
        <translation>Bir öğe seçip &lt;b&gt;Şimdi tekrar et&lt;/b&gt;'e basın: Varnel onu bir kez baştan sona, her ayeti bir kez, tekrarsız ve duraklamasız çalar.</translation>
    </message>
    <message>
        <source>Then grade how well you knew it: &lt;b&gt;Again&lt;/b&gt; (1) if you forgot it, &lt;b&gt;Hard&lt;/b&gt; (2), &lt;b&gt;Good&lt;/b&gt; (3) or &lt;b&gt;Easy&lt;/b&gt; (4). The panel says when that item comes back; a well-known sura comes back later and later, a forgotten one soon.</source>
        <translation>Sonra ne kadar bildiğinizi derecelendirin: unuttuysanız &lt;b&gt;Yeniden&lt;/b&gt; (1), &lt;b&gt;Zor&lt;/b&gt; (2), &lt;b&gt;İyi&lt;/b&gt; (3) ya da &lt;b&gt;Kolay&lt;/b&gt; (4). Panel o öğenin ne zaman döneceğini söyler; iyi bilinen bir sure gittikçe daha geç, unutulan ise yakında döner.</translation>
    </message>
    <message>
        <source>Suras due today have a small orange mark in your heart. The calendar shows your reviews of the last twelve weeks.</source>
        <translation>Bugün sırası gelen surelerin kalbinizde küçük turuncu bir işareti vardır. Takvim son on iki haftadaki tekrarlarınızı gösterir.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; plays and stops, except on a focused button or check box (which Space presses) and in a field where you type text.</source>
        <translation>&lt;b&gt;Boşluk&lt;/b&gt; çalar ve durdurur; odaktaki bir düğme ya da onay kutusunda (Boşluk onu basar) ve metin yazdığınız bir alanda ise bunu yapmaz.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; go to the previous and next aya, except in number and text fields, on sliders and in the heart, which use them themselves.</source>
        <translation>&lt;b&gt;Sol&lt;/b&gt; ve &lt;b&gt;Sağ&lt;/b&gt; önceki ve sonraki ayete gider; sayı ve metin alanlarında, kaydırıcılarda ve onları kendisi kullanan kalpte ise gitmez.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Space&lt;/b&gt;, &lt;b&gt;Ctrl+Left&lt;/b&gt;, &lt;b&gt;Ctrl+Right&lt;/b&gt; and the media keys work wherever you are.</source>
        <translation>&lt;b&gt;Ctrl+Boşluk&lt;/b&gt;, &lt;b&gt;Ctrl+Sol&lt;/b&gt;, &lt;b&gt;Ctrl+Sağ&lt;/b&gt; ve medya tuşları her yerde çalışır.</translation>
    </message>
    <message>
        <source>&lt;b&gt;H&lt;/b&gt; hides the aya, &lt;b&gt;R&lt;/b&gt; reveals it, &lt;b&gt;[&lt;/b&gt; and &lt;b&gt;]&lt;/b&gt; change the speed, &lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt; grade a review.</source>
        <translation>&lt;b&gt;H&lt;/b&gt; ayeti gizler, &lt;b&gt;R&lt;/b&gt; açar, &lt;b&gt;[&lt;/b&gt; ve &lt;b&gt;]&lt;/b&gt; hızı değiştirir, &lt;b&gt;1&lt;/b&gt; ile &lt;b&gt;4&lt;/b&gt; arası bir tekrarı derecelendirir.</translation>
    </message>
    <message>
        <source>Tab moves between the controls; every control can be reached and used without a mouse.</source>
        <translation>Tab denetimler arasında gezinir; her denetime faresiz ulaşılıp kullanılabilir.</translation>
    </message>
    <message>
        <source>Recitors</source>
        <translation>Kâriler</translation>
    </message>
    <message>
        <source>When more than one recitation of a sura pack is installed, Recitor &amp;gt; Config Recitor chooses, for each pack, whose recitation you hear. A recitation you choose there is heard for every sura of its pack, even where another pack covers the same suras.</source>
        <translation>Bir sure paketinin birden fazla okuması kuruluysa, Kâri &amp;gt; Kâriyi Ayarla her paket için kimin okumasını dinleyeceğinizi seçer. Orada seçtiğiniz okuma, başka bir paket aynı sureleri kapsasa bile, paketinin her suresinde duyulur.</translation>
    </message>
    <message>
        <source>Sura packs</source>
        <translation>Sure paketleri</translation>
    </message>
    <message>
        <source>Varnel reads the Quran's text, pictures and recitations from sura packs in the &lt;tt&gt;quran&lt;/tt&gt; folder. Without them there is nothing to choose in the sura chooser.</source>
        <translation>Varnel Kur'an'ın metnini, resimlerini ve okumalarını &lt;tt&gt;quran&lt;/tt&gt; klasöründeki sure paketlerinden okur. Onlar olmadan sure seçicide seçilecek bir şey yoktur.</translation>
    </message>
    <message>
        <source>Varnel helps you memorise suras of the Quran by ear and by sight: it shows each aya as a picture of its Arabic text with its translation and transliteration, and plays the recitation aya by aya with repeats, pauses, ranges, loops, the stack drill and the single-aya drill.</source>
        <translation>Varnel Kur'an surelerini kulakla ve gözle ezberlemenize yardım eder: her ayeti Arapça metninin resmi olarak meali ve okunuşuyla gösterir, okumayı ayet ayet tekrarlar, duraklamalar, aralıklar, döngüler, yığma alıştırması ve tek ayet alıştırmasıyla çalar.</translation>
    </message>
    <message>
        <source>Varnel holds no Quran content of its own beyond a table of the 114 suras. The pictures, recitations and texts come in &lt;b&gt;sura packs&lt;/b&gt; (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) in the &lt;tt&gt;quran&lt;/tt&gt; folder of Varnel's working folder; more recitations go into &lt;tt&gt;quran/extra&lt;/tt&gt;, more translations into &lt;tt&gt;quran/lang&lt;/tt&gt;. The Debian package &lt;b&gt;varnel-data&lt;/b&gt; brings the demo packs (Al-Fatiha and Juz' Amma with nine translations), read where they are installed; make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</source>
        <translation>Varnel 114 surelik bir tablo dışında kendine ait Kur'an içeriği taşımaz. Resimler, okumalar ve metinler Varnel'in çalışma klasöründeki &lt;tt&gt;quran&lt;/tt&gt; klasöründe &lt;b&gt;sure paketleri&lt;/b&gt; (&lt;tt&gt;.dat&lt;/tt&gt; ile biten dosyalar) olarak gelir; ek okumalar &lt;tt&gt;quran/extra&lt;/tt&gt;'ya, ek mealler &lt;tt&gt;quran/lang&lt;/tt&gt;'a konur. Debian paketi &lt;b&gt;varnel-data&lt;/b&gt; tanıtım paketlerini (Fatiha ve Amme cüzü, dokuz mealle) getirir ve bunlar kuruldukları yerden okunur; kendi kayıtlarınızdan &lt;tt&gt;varnel-pack import&lt;/tt&gt; ile paket yapın.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sources.&lt;/b&gt; The demo content's Arabic text, translations and transliteration come from the quran-json package (CC-BY-4.0), which takes the Arabic text from the Tanzil project; its recitations are synthetic speech made with espeak-ng, no human recitation. The Arabic is drawn with the Amiri Quran font by Khaled Hosny (SIL Open Font License).</source>
        <translation>&lt;b&gt;Kaynaklar.&lt;/b&gt; Tanıtım içeriğinin Arapça metni, mealleri ve okunuşu quran-json paketinden (CC-BY-4.0) gelir; o da Arapça metni Tanzil projesinden alır. Okumaları espeak-ng ile yapılmış yapay sestir, insan okuması değildir. Arapça, Khaled Hosny'nin Amiri Quran yazı tipiyle (SIL Open Font License) çizilir.</translation>
    </message>
    <message>
        <source>It seems you downloaded only the main program&lt;br&gt;and you don't have any sura packs installed!&lt;br&gt;&lt;br&gt;Sura packs (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) go in this folder:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;To get some:&lt;br&gt;&amp;bull; install the &lt;b&gt;varnel-data&lt;/b&gt; package (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Al-Fatiha and Juz' Amma with translations, found where they are installed;&lt;br&gt;&amp;bull; or make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt; (see &lt;tt&gt;man varnel-pack&lt;/tt&gt;), then start Varnel again.</source>
        <translation>Görünüşe göre yalnızca ana programı indirdiniz&lt;br&gt;ve kurulu hiç sure paketiniz yok!&lt;br&gt;&lt;br&gt;Sure paketleri (&lt;tt&gt;.dat&lt;/tt&gt; ile biten dosyalar) bu klasöre konur:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;Edinmek için:&lt;br&gt;&amp;bull; &lt;b&gt;varnel-data&lt;/b&gt; paketini kurun (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Fatiha ve Amme cüzü, meallerle, kuruldukları yerden okunur;&lt;br&gt;&amp;bull; ya da kendi kayıtlarınızdan &lt;tt&gt;varnel-pack import&lt;/tt&gt; ile paket yapın (bkz. &lt;tt&gt;man varnel-pack&lt;/tt&gt;), sonra Varnel'i yeniden başlatın.</translation>
    </message>
    <message>
        <source>Varnel Help</source>
        <translation>Varnel Yardım</translation>
    </message>
    <message>
        <source>The window and its panels</source>
        <translation>Pencere ve panelleri</translation>
    </message>
    <message>
        <source>The aya fills the middle of the window: its picture, and under it the translation panel. Right under them are the buttons that play, stop and move between ayas, the aya slider and a line that says where you are.</source>
        <translation>Ayet pencerenin ortasını doldurur: resmi ve altında meal paneli. Hemen altlarında çalan, durduran ve ayetler arasında gezinen düğmeler, ayet kaydırıcısı ve nerede olduğunuzu söyleyen bir satır bulunur.</translation>
    </message>
    <message>
        <source>Beside the aya stand the panels. &lt;b&gt;Heart&lt;/b&gt;, &lt;b&gt;Review&lt;/b&gt; and &lt;b&gt;My Recitation&lt;/b&gt; share one place as tabs; &lt;b&gt;Recitation Settings&lt;/b&gt; holds the repeat, pause, range, loop, stack and practice settings. Drag a panel by its title to move it or to let it float, and close what you do not need: the &lt;b&gt;View&lt;/b&gt; menu shows each panel again, and View &amp;gt; Reset Layout brings back the first arrangement. Varnel remembers the window and its panels on this computer.</source>
        <translation>Ayetin yanında paneller durur. &lt;b&gt;Kalp&lt;/b&gt;, &lt;b&gt;Tekrar&lt;/b&gt; ve &lt;b&gt;Okuyuşum&lt;/b&gt; sekmeler olarak tek bir yeri paylaşır; &lt;b&gt;Okuyuş Ayarları&lt;/b&gt; tekrar, duraklama, aralık, döngü, yığma ve alıştırma ayarlarını tutar. Bir paneli taşımak ya da serbest bırakmak için başlığından sürükleyin, gerekmeyeni kapatın: &lt;b&gt;Görünüm&lt;/b&gt; menüsü her paneli yeniden gösterir, Görünüm &amp;gt; Düzeni Sıfırla ilk düzeni geri getirir. Varnel pencereyi ve panellerini bu bilgisayarda hatırlar.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Heart&lt;/b&gt; panel is your heart: the ayas you know.</source>
        <translation>&lt;b&gt;Kalp&lt;/b&gt; paneli kalbinizdir: bildiğiniz ayetler.</translation>
    </message>
    <message>
        <source>Every sura in your heart (a part of 20 ayas, for suras longer than 40) comes up for review the day after you learn it. The &lt;b&gt;Review&lt;/b&gt; panel beside the heart lists what is due today, the most overdue first, with the day of its last review and your chance of recalling it today. View &amp;gt; Review Panel shows or hides it.</source>
        <translation>Kalbinizdeki her sure (40 ayetten uzun surelerde 20 ayetlik bir bölüm) öğrendiğiniz günün ertesi günü tekrara gelir. Kalbin yanındaki &lt;b&gt;Tekrar&lt;/b&gt; paneli bugün sırası gelenleri, en çok gecikeni önce olmak üzere, son tekrar günü ve bugün hatırlama olasılığınızla listeler. Görünüm &amp;gt; Tekrar Paneli onu gösterir ya da gizler.</translation>
    </message>
    <message>
        <source>Passages: pages, juz and hizb</source>
        <translation>Bölümler: sayfalar, cüzler ve hizipler</translation>
    </message>
    <message>
        <source>Beside the sura chooser, choose Page, Juz, Hizb or Quarter of the Madinah mushaf and its number, then press &lt;b&gt;Play Passage&lt;/b&gt; (or Return): every drill plays the passage across its suras. &lt;b&gt;Times&lt;/b&gt; plays it that many times. View &amp;gt; Practice &amp;gt; Add Passage to Heart puts all its ayas in your heart, and the cells under the heart's bar fill juz by juz. The Review panel can review by suras or by pages.</source>
        <translation>Sure seçicinin yanında Medine mushafının Sayfa, Cüz, Hizip ya da Çeyrek'ini ve numarasını seçin, sonra &lt;b&gt;Bölümü Çal&lt;/b&gt;'a (ya da Return'e) basın: her alıştırma bölümü sureleri boyunca çalar. &lt;b&gt;Kez&lt;/b&gt; onu o kadar çalar. Görünüm &amp;gt; Alıştırma &amp;gt; Bölümü Kalbe Ekle tüm ayetlerini kalbinize koyar, kalp çubuğunun altındaki kutular cüz cüz dolar. Tekrar paneli sureye ya da sayfaya göre tekrar yaptırabilir.</translation>
    </message>
    <message>
        <source>Reciting and listening back</source>
        <translation>Okumak ve geri dinlemek</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;My Recitation&lt;/b&gt; panel, Record (View &amp;gt; Practice &amp;gt; Record My Recitation, Ctrl+R) records you reciting the aya shown; Play Mine plays it back; Compare with the Reciter plays the reciter and then you, with both waveforms; Delete removes your recordings after asking.</source>
        <translation>&lt;b&gt;Okuyuşum&lt;/b&gt; panelinde Kaydet (Görünüm &amp;gt; Alıştırma &amp;gt; Okuyuşumu Kaydet, Ctrl+R) gösterilen ayeti okuyuşunuzu kaydeder; Benimkini Çal onu geri çalar; Hafızla Karşılaştır önce hafızı sonra sizi, iki dalga biçimiyle çalar; Sil sorduktan sonra kayıtlarınızı kaldırır.</translation>
    </message>
    <message>
        <source>File &amp;gt; Import Recordings turns a folder of your own recordings into a recitation you can choose; Recitor &amp;gt; Installed Packs lists every pack and recitation, where it lives and which is chosen, and removes a recitation you imported.</source>
        <translation>Dosya &amp;gt; Kayıtları İçe Aktar kendi kayıtlarınızın klasörünü seçebileceğiniz bir okuyuşa dönüştürür; Hafız &amp;gt; Yüklü Paketler her paketi ve okuyuşu, yerini ve hangisinin seçili olduğunu listeler, içe aktardığınız bir okuyuşu kaldırır.</translation>
    </message>
    <message>
        <source>More of the menus</source>
        <translation>Menülerin geri kalanı</translation>
    </message>
    <message>
        <source>File &amp;gt; New/Load Profile changes the learner; File &amp;gt; Exit ends Varnel and saves your profile.</source>
        <translation>Dosya &amp;gt; Yeni/Profil Yükle öğrenciyi değiştirir; Dosya &amp;gt; Çıkış Varnel'i kapatır ve profilinizi kaydeder.</translation>
    </message>
    <message>
        <source>View &amp;gt; Show Transliteration and Hide Translation show or hide each text; Zoom In and Zoom Out make the aya's picture larger or smaller.</source>
        <translation>Görünüm &amp;gt; Transliterasyonu Göster ve Meali Gizle her metni gösterir ya da gizler; Yakınlaştır ve Uzaklaştır ayetin resmini büyütür ya da küçültür.</translation>
    </message>
    <message>
        <source>Where the pitch of both voices can be followed, a line over each waveform traces its melody, yours on the reciter's time, so that you can follow the reciter's.</source>
        <translation>İki sesin perdesi izlenebildiğinde, her dalga biçiminin üstündeki bir çizgi ezgisini çizer; sizinki kârinin zamanına göre, böylece kârinin ezgisini izleyebilirsiniz.</translation>
    </message>
    <message>
        <source>Check (View &amp;gt; Practice &amp;gt; Check My Recitation) compares your recording of the aya shown with the reciter's, and each take is checked at once: the verdict (match, partial or different) is written under the waveforms when it is ready, and what you left out, added or said differently is marked on them. When your packs hold an aya that differs from this one by a word or two and your recording sounds like it, the verdict names it. It checks the words and their order, not tajweed.</source>
        <translation>Denetle (Görünüm &amp;gt; Alıştırma &amp;gt; Okuyuşumu Denetle), gösterilen ayetin kaydınızı kârinin okuyuşuyla karşılaştırır; her kayıt hemen denetlenir: sonuç (uyuyor, kısmen ya da farklı) hazır olunca dalga biçimlerinin altına yazılır, atladığınız, eklediğiniz ya da farklı okuduğunuz yerler üzerlerinde işaretlenir. Paketlerinizde bundan bir iki kelimeyle ayrılan bir ayet varsa ve kaydınız ona benziyorsa, sonuç onu adıyla söyler. Kelimeleri ve sıralarını denetler, tecvidi değil.</translation>
    </message>
    <message>
        <source>With View &amp;gt; Practice &amp;gt; &lt;b&gt;Snap the Part to Words&lt;/b&gt; (on at first), the start and end buttons take the start and the end of the word the slider stands in, so that a part never begins or ends inside a word.</source>
        <translation>Görünüm &amp;gt; Alıştırma &amp;gt; &lt;b&gt;Bölümü Kelimelere Oturt&lt;/b&gt; (başta açık) ile başlangıç ve bitiş düğmeleri, kaydırıcının durduğu kelimenin başını ve sonunu alır; böylece bir bölüm asla bir kelimenin ortasında başlamaz ya da bitmez.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reveal&lt;/b&gt; (R) uncovers the picture a word at a time, from the right, where an Arabic line begins (a fifth at a time where the pack does not tell the aya's words). A click on the covered picture uncovers all of it.</source>
        <translation>&lt;b&gt;Göster&lt;/b&gt; (R) resmi sağdan, Arapça satırın başladığı yerden, her seferinde bir kelime açar (paket ayetin kelimelerini bildirmiyorsa her seferinde beşte bir). Kapalı resme bir tıklama hepsini açar.</translation>
    </message>
    <message>
        <source>Hear Left Out then plays the reciter saying just what the check found you left out or said differently, one part at each press. Where the pack tells the aya's words, the verdict names them ("Left out: ... (word 4)") and they are framed on the picture.</source>
        <translation>Atlananı Dinle, kâriyi yalnızca kontrolün atladığınızı ya da farklı söylediğinizi bulduğu kısmı söylerken çalar, her basışta bir kısım. Paket ayetin kelimelerini bildiriyorsa karar onları adlandırır ("Atlandı: ... (kelime 4)") ve resimde çerçevelenirler.</translation>
    </message>
    <message>
        <source>A new take keeps the one it replaces as your previous take: Delete &amp;gt; &lt;b&gt;Bring Back My Previous Take&lt;/b&gt; brings it back (and keeps the newer one as the previous), so a worse take never loses a good one.</source>
        <translation>Yeni bir kayıt, yerini aldığı kaydı önceki kaydınız olarak saklar: Sil &amp;gt; &lt;b&gt;Önceki Kaydımı Geri Getir&lt;/b&gt; onu geri getirir (ve yenisini önceki olarak saklar); böylece daha kötü bir kayıt iyi bir kaydı asla kaybettirmez.</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Mark the Heard Word&lt;/b&gt; (on at first): while the reciter plays, the word being said is tinted and underlined on the picture. A click on a word plays the aya from that word, and so do the keys 1 to 9 for the first nine words when the picture has the focus. Packs made by varnel-demo and by Import Recordings tell each aya's words.</source>
        <translation>Görünüm &amp;gt; &lt;b&gt;Duyulan Kelimeyi İşaretle&lt;/b&gt; (başta açık): kâri okurken söylenen kelime resimde renklendirilir ve altı çizilir. Bir kelimeye tıklamak ayeti o kelimeden çalar. varnel-demo ve Kayıtları İçe Aktar ile yapılan paketler her ayetin kelimelerini bildirir. Resim odaktayken 1-9 tuşları ilk dokuz kelime için aynısını yapar.</translation>
    </message>
    <message>
        <source>View &amp;gt; Interface Language chooses the language of Varnel's own words: the window, its panels and its dialogs speak it at once, and at every start after. Help &amp;gt; About tells which Varnel this is.</source>
        <translation>Görünüm &amp;gt; Arayüz Dili, Varnel'in kendi sözlerinin dilini seçer: pencere, panelleri ve iletişim kutuları onu hemen ve sonraki her açılışta konuşur. Yardım &amp;gt; Hakkında bunun hangi Varnel olduğunu söyler.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. Built on Qt, OpenAL Soft, libsndfile and SoundTouch.</source>
        <translation>GNU Genel Kamu Lisansı sürüm 3 ya da sonrası altında özgür yazılım. Qt, OpenAL Soft, libsndfile ve SoundTouch üzerine kuruludur.</translation>
    </message>
</context>
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>Ezberlenen Sureler</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>You recorded this aya</source>
        <translation>Bu ayeti kaydettiniz</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>kaydedildi</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>Tekrar zamanı geldi</translation>
    </message>
    <message>
        <source>You recorded this aya, and its last check matched the reciter</source>
        <translation>Bu ayeti kaydettiniz ve son denetimi kâriyle uyuştu</translation>
    </message>
    <message>
        <source>recorded, checked: match</source>
        <translation>kaydedildi, denetim: uyuyor</translation>
    </message>
</context>
<context>
    <name>HeartPanel</name>
    <message>
        <source>My Heart</source>
        <translation>Kalbim</translation>
    </message>
    <message>
        <source>Progress: </source>
        <translation>İlerleme: </translation>
    </message>
    <message>
        <source>Memorised ayas</source>
        <translation>Ezberlenen ayetler</translation>
    </message>
    <message>
        <source>Progress by juz</source>
        <translation>Cüze göre ilerleme</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Kalp</translation>
    </message>
    <message>
        <source>Close Completed Suras</source>
        <translation>Tamamlanan Sureleri Kapat</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras; %3 more from suras not installed</source>
        <translation>Yüklü surelerin %2 ayetinden %1; yüklü olmayan surelerden %3 tane daha</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras</source>
        <translation>Yüklü surelerin %2 ayetinden %1</translation>
    </message>
    <message>
        <source>%1's Heart</source>
        <translation>%1 Kalbi</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Recordings</source>
        <translation>Kayıtları İçe Aktar</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>Kayıtlarınız, her ayet için SSSAAA adlı bir dosya (001001.mp3, 1:1'dir; MP3, Ogg, FLAC veya WAV), seçebileceğiniz bir okuyuş olur. Arapça metin olmadan, resimleri ve metinleri gösteren mevcut paketlerinize katılırlar; metinle (satır başına "sure|ayet|metin" bir Tanzil dosyası veya quran-json paketinin klasörü) kendi sure paketleri olurlar.</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>Kayıt klasörü:</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>Arapça metin:</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>Meal:</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>Okunuş:</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>Kayıt klasörü</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>Arapça metin (isteğe bağlı)</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>Meal (isteğe bağlı)</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>Okunuş (isteğe bağlı)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Gözat...</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>%1 için gözat</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>Okuyuş adı:</translation>
    </message>
    <message>
        <source>Recitation name</source>
        <translation>Okuyuş adı</translation>
    </message>
    <message>
        <source>optional: a name keeps it beside the packs you have</source>
        <translation>isteğe bağlı: bir ad onu paketlerinizin yanında tutar</translation>
    </message>
    <message>
        <source>Re-encode the recordings as Ogg Vorbis</source>
        <translation>Kayıtları Ogg Vorbis olarak yeniden kodla</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>İçe aktarma ilerlemesi</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>Önce kayıtlarınızın klasörünü seçin.</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces, and neither "default" nor "lang": "%1" cannot be one.</source>
        <translation>Bir okuyuşun adı tek kelimedir; / ya da boşluk içermez, "default" ya da "lang" olamaz: "%1" ad olamaz.</translation>
    </message>
    <message>
        <source>There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.</source>
        <translation>%1 içinde SSSAAA adlı kayıt yok (001001.mp3, 1:1'dir).</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>İçe aktarma iptal edildi; hiçbir şey tutulmadı.</translation>
    </message>
    <message>
        <source>The recordings could not be imported:</source>
        <translation>Kayıtlar içe aktarılamadı:</translation>
    </message>
    <message>
        <source>Your recordings are imported and ready to play.</source>
        <translation>Kayıtlarınız içe aktarıldı ve çalmaya hazır.</translation>
    </message>
    <message>
        <source>These packs were there already and are kept as they are.</source>
        <translation>Bu paketler zaten vardı ve olduğu gibi kalıyor.</translation>
    </message>
</context>
<context>
    <name>InstalledPacks</name>
    <message>
        <source>Installed Packs</source>
        <translation>Kurulu Paketler</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Sureler</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Yer</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Okuyuş</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Kurulu paketler</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü Aç</translation>
    </message>
    <message>
        <source>Remove Recitation...</source>
        <translation>Okuyuşu Kaldır...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>default</source>
        <translation>varsayılan</translation>
    </message>
    <message>
        <source>installed for everyone</source>
        <translation>herkes için kurulu</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>sizin</translation>
    </message>
    <message>
        <source> (chosen)</source>
        <translation> (seçili)</translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is:&lt;br&gt;%1</source>
        <translation>Hiçbir dosya yöneticisi klasörü açamadı. Klasör şurada:&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>Remove the recitation "%1" and all its packs?</source>
        <translation>"%1" okuyuşu ve tüm paketleri kaldırılsın mı?</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>%1 içindeki bazı dosyalar kaldırılamadı.</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System Default</source>
        <translation>Sistem dili</translation>
    </message>
</context>
<context>
    <name>JuzProgress</name>
    <message>
        <source>Progress by juz</source>
        <translation>Cüze göre ilerleme</translation>
    </message>
    <message>
        <source>Juz %L1: %L2 of %L3 ayas (%L4%)</source>
        <translation>Cüz %L1: %L3 ayetin %L2 tanesi (%%L4)</translation>
    </message>
    <message>
        <source>. %L1 of 30 juz begun, %L2 of %L3 ayas in all.</source>
        <translation>. 30 cüzün %L1 tanesine başlandı, toplam %L3 ayetin %L2 tanesi.</translation>
    </message>
</context>
<context>
    <name>LearnerRecord</name>
    <message>
        <source>The review record</source>
        <translation>Tekrar kaydı</translation>
    </message>
    <message>
        <source>Your heart is kept; its suras start review again.</source>
        <translation>Kalbiniz duruyor; surelerinin tekrarı yeniden başlıyor.</translation>
    </message>
    <message>
        <source>The review record by page</source>
        <translation>Sayfaya göre tekrar kaydı</translation>
    </message>
    <message>
        <source>Your heart is kept; its pages start review again.</source>
        <translation>Kalbiniz duruyor; sayfalarının tekrarı yeniden başlıyor.</translation>
    </message>
    <message>
        <source>Your practice settings</source>
        <translation>Alıştırma ayarlarınız</translation>
    </message>
    <message>
        <source>Hiding and Test me start switched off.</source>
        <translation>Gizleme ve Beni sına kapalı başlar.</translation>
    </message>
    <message>
        <source>it is not a practice-settings file</source>
        <translation>bu bir alıştırma ayarları dosyası değil</translation>
    </message>
    <message>
        <source>Your drill settings</source>
        <translation>Çalma ayarlarınız</translation>
    </message>
    <message>
        <source>Repeat, pause, loop, stack and speed start from their defaults.</source>
        <translation>Tekrar, duraklama, döngü, yığma ve hız varsayılanlarından başlar.</translation>
    </message>
    <message>
        <source>it is not a drill-settings file</source>
        <translation>bu bir çalma ayarları dosyası değil</translation>
    </message>
    <message>
        <source>Review records were found without a profile. The new profile starts with an empty heart; the records as they were are kept as:</source>
        <translation>Profili olmayan tekrar kayıtları bulundu. Yeni profil boş bir kalple başlar; kayıtlar olduğu gibi şu adla saklandı:</translation>
    </message>
    <message>
        <source>Review records were found without a profile, and there is no room to keep them aside. They are left as they are, and your reviews are not saved over them:</source>
        <translation>Profili olmayan tekrar kayıtları bulundu ve bunları bir kenara ayırmak için yer yok. Oldukları gibi bırakıldılar; tekrarlarınız bunların üzerine kaydedilmiyor:</translation>
    </message>
</context>
<context>
    <name>Mpris</name>
    <message>
        <source>The default recitation</source>
        <translation>Varsayılan tilavet</translation>
    </message>
</context>
<context>
    <name>MyRecitation</name>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>%1 denetlenemiyor: %2.</translation>
    </message>
    <message>
        <source>Your previous take, which matched, is kept: bring it back with Delete &gt; Bring Back My Previous Take.</source>
        <translation>Eşleşen önceki kaydınız saklanıyor: Sil &gt; Önceki Kaydımı Geri Getir ile geri getirin.</translation>
    </message>
    <message>
        <source>Everything else works as before.</source>
        <translation>Geri kalan her şey eskisi gibi çalışıyor.</translation>
    </message>
    <message>
        <source>Choose or make a profile first: your recordings are kept with it.</source>
        <translation>Önce bir profil seçin veya oluşturun: kayıtlarınız onunla saklanır.</translation>
    </message>
    <message>
        <source>Recite each aya in the pause after it; press Stop Recording (Ctrl+R) to end.</source>
        <translation>Her ayeti ardından gelen duraklamada okuyun; bitirmek için Kaydı Durdur'a (Ctrl+R) basın.</translation>
    </message>
    <message>
        <source>Nothing was heard, so no recording of %1 was kept.</source>
        <translation>Hiçbir şey duyulmadı, bu yüzden %1 kaydı tutulmadı.</translation>
    </message>
    <message>
        <source>Your recitation of %1 could not be kept:</source>
        <translation>%1 okuyuşunuz kaydedilemedi:</translation>
    </message>
    <message>
        <source>Your recitation of %1 is kept (%2 s).</source>
        <translation>%1 okuyuşunuz kaydedildi (%2 sn).</translation>
    </message>
    <message>
        <source>You have not recorded %1 yet: press Record (Ctrl+R).</source>
        <translation>%1 henüz kaydetmediniz: Kaydet'e (Ctrl+R) basın.</translation>
    </message>
    <message>
        <source>Checking your recitation of %1...</source>
        <translation>%1 okuyuşunuz denetleniyor...</translation>
    </message>
    <message>
        <source>The check's mark for %1 could not be kept: %2</source>
        <translation>%1 için denetim işareti saklanamadı: %2</translation>
    </message>
    <message>
        <source>The reciter: %1, of %2.</source>
        <translation>Kâri: %1, %2 içinden.</translation>
    </message>
    <message>
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>Bu dersin hiçbir ayetini henüz kaydetmediniz: Kaydet'e (Ctrl+R) basın.</translation>
    </message>
    <message>
        <source>You have no previous take of %1.</source>
        <translation>%1 için önceki bir kaydınız yok.</translation>
    </message>
    <message>
        <source>Your previous take of %1 is back; the one it replaced is kept as the previous.</source>
        <translation>%1 için önceki kaydınız geri geldi; yerini aldığı kayıt önceki olarak saklandı.</translation>
    </message>
    <message>
        <source>You have no recording of %1.</source>
        <translation>%1 için kaydınız yok.</translation>
    </message>
    <message>
        <source>Delete your recording of %1?</source>
        <translation>%1 kaydınız silinsin mi?</translation>
    </message>
    <message>
        <source>You have no recordings.</source>
        <translation>Hiç kaydınız yok.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %1 of your recordings?</source>
        <translation>
            <numerusform>%L1 kaydınızın tümü silinsin mi?</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Kaydı Durdur</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Kaydediliyor</translation>
    </message>
    <message>
        <source>Waiting for the pause</source>
        <translation>Duraklama bekleniyor</translation>
    </message>
    <message>
        <source>Recording %1... it stops after a few seconds of quiet.</source>
        <translation>%1 kaydediliyor... birkaç saniyelik sessizlikten sonra durur.</translation>
    </message>
    <message>
        <source>Your recording of %1 cannot be played:</source>
        <translation>%1 kaydınız çalınamıyor:</translation>
    </message>
</context>
<context>
    <name>PackDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü Aç</translation>
    </message>
    <message>
        <source>The sura pack %1 is damaged and cannot be read.&lt;br&gt;&lt;br&gt;A healthy copy of it serves in its place where one is installed; otherwise its suras are left out until the file is replaced.</source>
        <translation>%1 sure paketi bozuk ve okunamıyor.&lt;br&gt;&lt;br&gt;Yüklüyse sağlam bir kopyası onun yerine kullanılır; değilse dosya değiştirilene kadar sureleri dışarıda kalır.</translation>
    </message>
</context>
<context>
    <name>PackRegistry</name>
    <message>
        <source>Cannot write "recite.ini": %1</source>
        <translation>"recite.ini" yazılamıyor: %1</translation>
    </message>
    <message>
        <source>"%1" is not a recitation's folder name.</source>
        <translation>"%1" bir okuma klasörünün adı değil.</translation>
    </message>
</context>
<context>
    <name>Passage</name>
    <message>
        <source>Page</source>
        <translation>Sayfa</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Cüz</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizip</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Çeyrek</translation>
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
        <translation>%1 %2 yok: mushafta bunlardan %3 tane var, 1'den başlayarak numaralı.</translation>
    </message>
    <message>
        <source>%1 needs the sura packs of these suras, which are not installed:&lt;br&gt;&lt;br&gt;%2</source>
        <translation>%1 için şu surelerin paketleri gerekiyor, ama kurulu değiller:&lt;br&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>Alıştırma ayarlarınız kaydedilemedi:</translation>
    </message>
</context>
<context>
    <name>PracticeAids</name>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>Alıştırma yardımı ayarlarınız kaydedilemedi:</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Çalmak</translation>
    </message>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>Gizli: açmak için R'ye basın</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Please select an existing profile, or create a new one!</source>
        <translation>Lütfen mevcut bir profil seçin veya yeni bir profil oluşturun!</translation>
    </message>
    <message>
        <source>Username already exists: a profile named %1 is kept already.</source>
        <translation>Kullanıcı adı zaten var: %1 adlı bir profil zaten kayıtlı.</translation>
    </message>
    <message>
        <source>Do you want to load it?</source>
        <translation>Yüklemek ister misiniz?</translation>
    </message>
    <message>
        <source>Create New Profile</source>
        <translation>Yeni Profil Oluştur</translation>
    </message>
    <message>
        <source>Load Selected Profile</source>
        <translation>Seçili Profili Yükle</translation>
    </message>
    <message>
        <source>the profile file cannot be read: %1</source>
        <translation>profil dosyası okunamıyor: %1</translation>
    </message>
    <message>
        <source>the file is not a Varnel profile</source>
        <translation>dosya bir Varnel profili değil</translation>
    </message>
    <message>
        <source>the profile file is cut short</source>
        <translation>profil dosyası yarım kalmış</translation>
    </message>
    <message>
        <source>the profile file is damaged (its heart count is negative)</source>
        <translation>profil dosyası bozuk (kalp sayısı negatif)</translation>
    </message>
    <message>
        <source>the profile file is cut short (it holds fewer ayas than it says)</source>
        <translation>profil dosyası yarım kalmış (söylediğinden az ayet içeriyor)</translation>
    </message>
    <message>
        <source>the profile file is damaged (%1 entries of the heart are no ayas)</source>
        <translation>profil dosyası bozuk (kalbin %1 kaydı ayet değil)</translation>
    </message>
    <message>
        <source>the profile file does not say which aya you were at</source>
        <translation>profil dosyası hangi ayette kaldığınızı söylemiyor</translation>
    </message>
    <message>
        <source>Invalid Username!</source>
        <translation>Geçersiz Kullanıcı Adı!</translation>
    </message>
    <message>
        <source>This name is too long. A user name can hold at most %1 Latin letters, or %2 Arabic letters (they take two places each); please shorten it.</source>
        <translation>Bu ad çok uzun. Bir kullanıcı adı en çok %1 Latin harfi ya da %2 Arap harfi (her biri iki yer kaplar) alabilir; lütfen kısaltın.</translation>
    </message>
    <message>
        <source>"%1" cannot be a user name.</source>
        <translation>"%1" bir kullanıcı adı olamaz.</translation>
    </message>
    <message>
        <source>A user name cannot hold the characters / \ or :.</source>
        <translation>Kullanıcı adı / \ ya da : karakterlerini içeremez.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>Kullanıcı adı denetim karakterleri içeremez.</translation>
    </message>
    <message>
        <source>A user name cannot start with a full stop.</source>
        <translation>Kullanıcı adı nokta ile başlayamaz.</translation>
    </message>
    <message>
        <source>A user name cannot hold "%1", the ending of profile files.</source>
        <translation>Kullanıcı adı profil dosyalarının uzantısı olan "%1" ifadesini içeremez.</translation>
    </message>
    <message>
        <source>the profile is not a file that can be read</source>
        <translation>profil okunabilen bir dosya değil</translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation>Profil Yükle veya Oluştur</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>Yeni kullanıcı adı</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Adınız</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiller</translation>
    </message>
</context>
<context>
    <name>ProfileGuard</name>
    <message>
        <source>%1 was opened by Varnel on the computer %2, which may still have it open.&lt;br&gt;&lt;br&gt;Open it anyway?</source>
        <translation>%1, %2 bilgisayarında Varnel tarafından açıldı ve orada hâlâ açık olabilir.&lt;br&gt;&lt;br&gt;Yine de açılsın mı?</translation>
    </message>
    <message>
        <source>%1 could not be locked for this window: %2.&lt;br&gt;&lt;br&gt;It opens all the same, but another Varnel window could open it too.</source>
        <translation>%1 bu pencere için kilitlenemedi: %2.&lt;br&gt;&lt;br&gt;Yine de açılır, ancak başka bir Varnel penceresi de onu açabilir.</translation>
    </message>
    <message>
        <source>%1 is open in another Varnel window.&lt;br&gt;&lt;br&gt;Close it there, or choose another profile.</source>
        <translation>%1 başka bir Varnel penceresinde açık.&lt;br&gt;&lt;br&gt;Orada kapatın ya da başka bir profil seçin.</translation>
    </message>
    <message>
        <source>The profile of %1 could not be read in full: %2.</source>
        <translation>%1 profili tamamen okunamadı: %2.</translation>
    </message>
    <message>
        <source>The ayas of the heart that could be read are kept.</source>
        <translation>Kalbin okunabilen ayetleri saklandı.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Dosyanın önceki hâli %1 olarak saklandı.</translation>
    </message>
    <message>
        <source>Your review record as it was is kept as %1.</source>
        <translation>Tekrar kaydınızın önceki hâli %1 olarak saklandı.</translation>
    </message>
    <message>
        <source>There is no room to keep your review record %1 aside: it is left as it is, and your reviews are not saved over it.</source>
        <translation>Tekrar kaydınız %1 için bir kenara ayıracak yer yok: olduğu gibi bırakıldı ve tekrarlarınız onun üzerine kaydedilmiyor.</translation>
    </message>
    <message>
        <source>You start at the first aya of sura 114.</source>
        <translation>114. surenin ilk ayetinden başlıyorsunuz.</translation>
    </message>
    <message>
        <source>Your profile could not be saved, so your heart is not stored yet:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Check that the folder "profiles" beside Varnel can be written to, then use File &amp;gt; Save Profile again.</source>
        <translation>Profiliniz kaydedilemedi, bu yüzden kalbiniz henüz saklanmadı:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Varnel'in yanındaki "profiles" klasörüne yazılabildiğini denetleyin, sonra Dosya &amp;gt; Profili Kaydet'i yeniden kullanın.</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Float</source>
        <translation>Ayır</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>Paneli pencereden ayırır ve geri takar</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>Paneli kapatır</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Sola Kaydır</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Sağa Kaydır</translation>
    </message>
</context>
<context>
    <name>RecitationPanel</name>
    <message>
        <source>My Recitation</source>
        <translation>Okuyuşum</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Record my recitation</source>
        <translation>Okuyuşumu kaydet</translation>
    </message>
    <message>
        <source>Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause after it</source>
        <translation>Gösterilen ayeti okuyuşunuzu kaydedin (Ctrl+R); Beni sına ve duraklamayla, her ayeti ardından gelen duraklamada</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>Benimkini Çal</translation>
    </message>
    <message>
        <source>Play my recitation</source>
        <translation>Okuyuşumu çal</translation>
    </message>
    <message>
        <source>Hear your recording of the aya shown</source>
        <translation>Gösterilen ayetin kaydınızı dinleyin</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>Compare with the reciter</source>
        <translation>Kâriyle karşılaştır</translation>
    </message>
    <message>
        <source>Hear the reciter and then yourself, for each aya of the lesson you recorded</source>
        <translation>Dersin kaydettiğiniz her ayeti için önce kâriyi sonra kendinizi dinleyin</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Sil...</translation>
    </message>
    <message>
        <source>Delete my recordings</source>
        <translation>Kayıtlarımı sil</translation>
    </message>
    <message>
        <source>Delete your recordings</source>
        <translation>Kayıtlarınızı silin</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Denetle</translation>
    </message>
    <message>
        <source>Check my recitation</source>
        <translation>Okuyuşumu denetle</translation>
    </message>
    <message>
        <source>Compare your recording of the aya shown with the reciter's: what you left out or added, or another aya. A check of the words and their order, not of tajweed.</source>
        <translation>Gösterilen ayetin kaydınızı kârinin okuyuşuyla karşılaştırır: atladığınız ya da eklediğiniz yerler veya başka bir ayet. Kelimelerin ve sıralarının denetimidir, tecvidin değil.</translation>
    </message>
    <message>
        <source>Hear Left Out</source>
        <translation>Atlananı Dinle</translation>
    </message>
    <message>
        <source>Hear the part left out</source>
        <translation>Atlanan bölümü dinle</translation>
    </message>
    <message>
        <source>Hear the reciter say what your last check found left out; press again for the next part</source>
        <translation>Son denetimin atladığınızı bulduğu yeri kâriden dinleyin; sonraki bölüm için yeniden basın</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Kayıt seviyesi</translation>
    </message>
    <message>
        <source>Check result</source>
        <translation>Denetim sonucu</translation>
    </message>
</context>
<context>
    <name>Recordings</name>
    <message>
        <source>%1 could not be moved to %2: %3</source>
        <translation>%1, %2 konumuna taşınamadı: %3</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 okunabilen bir dosya değil.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a recording of an aya.</source>
        <translation>%1, %2 MB'tan büyük; bir ayetin kaydından fazla.</translation>
    </message>
    <message>
        <source>The recording %1 could not be deleted: %2</source>
        <translation>%1 kaydı silinemedi: %2</translation>
    </message>
    <message>
        <source>No learner is chosen, so there is nowhere to keep the recording.</source>
        <translation>Hiçbir öğrenci seçili değil, bu yüzden kaydı saklayacak yer yok.</translation>
    </message>
</context>
<context>
    <name>ReviewCalendar</name>
    <message>
        <source>Review calendar</source>
        <translation>Tekrar takvimi</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>Seri: 1 gün</translation>
    </message>
    <message numerus="yes">
        <source>Streak: %1 days</source>
        <translation>
            <numerusform>Seri: %L1 gün</numerusform>
        </translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>%L1 haftada 1 tekrar</translation>
    </message>
    <message numerus="yes">
        <source>%1 reviews in %2 weeks</source>
        <translation>
            <numerusform>%L2 haftada %L1 tekrar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>Tekrar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;Tekrar&lt;/b&gt; birimi</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Sureler</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sayfalar</translation>
    </message>
    <message>
        <source>Review unit</source>
        <translation>Tekrar birimi</translation>
    </message>
    <message>
        <source>Review whole suras (long ones in parts), or pages of the mushaf</source>
        <translation>Sureleri bütün olarak (uzunları parça parça) veya mushaf sayfalarını tekrar edin</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>Sonraki tekrar</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>Sonraki tekrar: %1</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Bugün tekrar edilecek</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sayfa</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Sure</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Hatırlama</translation>
    </message>
    <message>
        <source>Last review</source>
        <translation>Son tekrar</translation>
    </message>
    <message>
        <source>Chance of recall today</source>
        <translation>Bugün hatırlama olasılığı</translation>
    </message>
    <message>
        <source>Review now</source>
        <translation>Şimdi tekrar et</translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation>Seçilen öğeyi çalar: her ayet bir kez, duraklamasız. Sonra ne kadar iyi bildiğinizi puanlayın.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Yeniden</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>İyi</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>Yarın: %L1 · Bu hafta: %L2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>yeni</translation>
    </message>
    <message numerus="yes">
        <source>All %1 ayas</source>
        <translation>
            <numerusform>%L1 ayetin tümü</numerusform>
        </translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>%L1 - %L2. ayetler</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>Henüz tekrar edilmedi</translation>
    </message>
    <message numerus="yes">
        <source>%1 due today
%2</source>
        <translation>
            <numerusform>Bugün %L1 tekrar
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectRecitor</name>
    <message>
        <source>Recitor Preferences</source>
        <translation>Kâri Tercihleri</translation>
    </message>
    <message>
        <source>Varn Addon</source>
        <translation>Varn Eklentisi</translation>
    </message>
    <message>
        <source>Recitor</source>
        <translation>Kâri</translation>
    </message>
    <message>
        <source>Recitation of %1</source>
        <translation>%1 okuması</translation>
    </message>
    <message>
        <source>default</source>
        <translation>varsayılan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Recitation Settings</source>
        <translation>Okuyuş Ayarları</translation>
    </message>
    <message>
        <source>Aya Settings</source>
        <translation>Ayet Ayarları</translation>
    </message>
    <message>
        <source>Playback Settings</source>
        <translation>Çalma Ayarları</translation>
    </message>
    <message>
        <source>Aya Range Settings</source>
        <translation>Ayet Aralığı Ayarları</translation>
    </message>
    <message>
        <source>Sura Playback Progress</source>
        <translation>Sure Çalma İlerlemesi</translation>
    </message>
    <message>
        <source>Practice Aids</source>
        <translation>Alıştırma Yardımları</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Tekrar:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Tekrar</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>Ayetlerin kaç kez tekrarlanacağı</translation>
    </message>
    <message>
        <source> Pause (secs):</source>
        <translation> Duraklama (sn):</translation>
    </message>
    <message>
        <source>Pause (seconds)</source>
        <translation>Duraklama (saniye)</translation>
    </message>
    <message>
        <source>Loop Sura</source>
        <translation>Sureyi Döngüle</translation>
    </message>
    <message>
        <source>Loop the playback of the whole surah</source>
        <translation>Tüm sureyi döngüyle çal</translation>
    </message>
    <message>
        <source>Stack Ayas</source>
        <translation>Ayetleri Yığ</translation>
    </message>
    <message>
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;then ayas 1 to 2&lt;br&gt;&amp;nbsp;then ayas 1 to 3&lt;br&gt;&amp;nbsp;and so on, a growing block, to the last aya</source>
        <translation>&amp;nbsp;1. ayeti birkaç kez okuyun&lt;br&gt;&amp;nbsp;sonra 1-2. ayetleri&lt;br&gt;&amp;nbsp;sonra 1-3. ayetleri&lt;br&gt;&amp;nbsp;ve böyle, büyüyen bir blok, son ayete kadar</translation>
    </message>
    <message>
        <source>Single Aya Mode</source>
        <translation>Tek Ayet Kipi</translation>
    </message>
    <message>
        <source>Break aya into parts for easy memorization</source>
        <translation>Kolay ezber için ayeti parçalara bölün</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>Bir ayet aralığı çal</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>Suredeki bir ayet aralığını çalmak için etkinleştirin</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;BAŞ:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>Baş ayet</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>Okumaya bu ayetten başla</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;SON:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>Son ayet</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>Okumayı bu ayette bitir</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>Sure çalma ilerlemesi</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>saniye</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× ayet süresi</translation>
    </message>
    <message>
        <source>Pause unit</source>
        <translation>Duraklama birimi</translation>
    </message>
    <message>
        <source>Pause for a number of seconds, or for a multiple of the aya's own length</source>
        <translation>Birkaç saniye veya ayetin kendi süresinin katı kadar duraklayın</translation>
    </message>
    <message>
        <source>Pause factor</source>
        <translation>Duraklama katsayısı</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the aya (or the part) just heard</source>
        <translation>Her duraklama, yeni dinlenen ayetin (veya parçanın) bu kadar katı sürer</translation>
    </message>
    <message>
        <source>Pause in:</source>
        <translation>Duraklama:</translation>
    </message>
    <message>
        <source> Speed:</source>
        <translation> Hız:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Hız</translation>
    </message>
    <message>
        <source>Playback speed; the pitch stays the same ([ slower, ] faster)</source>
        <translation>Çalma hızı; ses perdesi aynı kalır ([ daha yavaş, ] daha hızlı)</translation>
    </message>
    <message>
        <source> Times:</source>
        <translation> Kez:</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>sonsuz</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Kez</translation>
    </message>
    <message>
        <source>Play the sura or passage this many times, then stop; endless: once, or without end with Loop</source>
        <translation>Sureyi ya da bölümü bu kadar kez çal, sonra dur; sonsuz: bir kez, ya da Döngü ile durmadan</translation>
    </message>
    <message>
        <source>Test me</source>
        <translation>Beni sına</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>Her duraklamada siz ezberden okurken ayet gizlenir; duraklama bitince geri gelir (bir duraklama ayarlayın)</translation>
    </message>
</context>
<context>
    <name>SidecarFile</name>
    <message>
        <source>%1 %2 could not be read: %3.</source>
        <translation>%1 %2 okunamadı: %3.</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>%1 olarak saklandı.</translation>
    </message>
</context>
<context>
    <name>Single</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · parça %1 - %2 sn</translation>
    </message>
</context>
<context>
    <name>SingleBar</name>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>Parçayı burada başlat (kaydırıcının konumu)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>Parça başı kaydırıcıdan</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>Parçanın başladığı yer, milisaniye</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>Parça başı</translation>
    </message>
    <message>
        <source>End the part here (the slider's position)</source>
        <translation>Parçayı burada bitir (kaydırıcının konumu)</translation>
    </message>
    <message>
        <source>Part end from slider</source>
        <translation>Parça sonu kaydırıcıdan</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>Parçanın bittiği yer, milisaniye</translation>
    </message>
    <message>
        <source>Part end</source>
        <translation>Parça sonu</translation>
    </message>
    <message>
        <source>Play the part again and again (Space or Ctrl+Space)</source>
        <translation>Parçayı tekrar tekrar çal (Boşluk veya Ctrl+Boşluk)</translation>
    </message>
    <message>
        <source>Play part repeatedly</source>
        <translation>Parçayı tekrarla</translation>
    </message>
    <message>
        <source>Stop (Space or Ctrl+Space)</source>
        <translation>Dur (Boşluk veya Ctrl+Boşluk)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Previous aya (Left or Ctrl+Left)</source>
        <translation>Önceki ayet (Sol veya Ctrl+Sol)</translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation>Önceki ayet</translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation>Sonraki ayet (Sağ veya Ctrl+Sağ)</translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation>Sonraki ayet</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>Okuyuşun yeri; atlamak için sürükleyin</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>Ayetteki konum</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound output device stopped working, so playback has stopped.&lt;br&gt;&lt;br&gt;To fix: connect the device again, or choose another one in File &amp;gt; Preferences, then press Play.</source>
        <translation>Ses çıkış aygıtı çalışmayı bıraktı, bu yüzden çalma durdu.&lt;br&gt;&lt;br&gt;Düzeltmek için: aygıtı yeniden bağlayın ya da Dosya &amp;gt; Tercihler'den başka birini seçin, sonra Çal'a basın.</translation>
    </message>
    <message>
        <source>Varnel could not find a sound output device on this computer, so it cannot play recitations.&lt;br&gt;&lt;br&gt;Everything else works: you can read the ayas, their translations and transliterations, and keep your heart up to date.&lt;br&gt;&lt;br&gt;To hear the recitations, connect speakers or headphones, then choose the device in File &amp;gt; Preferences or restart Varnel.</source>
        <translation>Varnel bu bilgisayarda ses çıkış aygıtı bulamadı, bu yüzden okumaları çalamıyor.&lt;br&gt;&lt;br&gt;Geri kalan her şey çalışır: ayetleri, meallerini ve okunuşlarını okuyabilir, kalbinizi güncel tutabilirsiniz.&lt;br&gt;&lt;br&gt;Okumaları duymak için hoparlör ya da kulaklık bağlayın, sonra aygıtı Dosya &amp;gt; Tercihler'den seçin ya da Varnel'i yeniden başlatın.</translation>
    </message>
    <message>
        <source> Choose another input in Preferences.</source>
        <translation> Tercihler'den başka bir giriş seçin.</translation>
    </message>
    <message>
        <source>The microphone was lost while recording; what was heard before is kept.</source>
        <translation>Kayıt sırasında mikrofon kayboldu; öncesinde duyulanlar saklandı.</translation>
    </message>
    <message>
        <source>The recording "%1" is too large to play: %2 MB, where at most %3 MB can be played.</source>
        <translation>"%1" kaydı çalınamayacak kadar büyük: %2 MB, en çok %3 MB çalınabilir.</translation>
    </message>
    <message>
        <source>Get Length Error</source>
        <translation>Uzunluk alınamadı</translation>
    </message>
    <message>
        <source>Select a valid range</source>
        <translation>Geçerli bir aralık seçin</translation>
    </message>
    <message>
        <source>Error in set position</source>
        <translation>Konum ayarlanamadı</translation>
    </message>
    <message>
        <source>Select a valid sound device</source>
        <translation>Geçerli bir ses aygıtı seçin</translation>
    </message>
    <message>
        <source>To fix: %1</source>
        <translation>Düzeltmek için: %1</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Ses Hatası</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>Hata yok.</translation>
    </message>
    <message>
        <source>The channel was taken over by a newer sound.</source>
        <translation>Kanalı daha yeni bir ses aldı.</translation>
    </message>
    <message>
        <source>The sound or channel no longer exists: it was stopped, finished and replaced, or released.</source>
        <translation>Ses ya da kanal artık yok: durduruldu, bitip yerine başkası geldi ya da bırakıldı.</translation>
    </message>
    <message>
        <source>The recording could not be read: its data is damaged or in a format that cannot be decoded.</source>
        <translation>Kayıt okunamadı: verisi bozuk ya da çözülemeyen bir biçimde.</translation>
    </message>
    <message>
        <source>This computer has no sound output device.</source>
        <translation>Bu bilgisayarda ses çıkış aygıtı yok.</translation>
    </message>
    <message>
        <source>The sound output device could not be started. It may be in use or unplugged.</source>
        <translation>Ses çıkış aygıtı başlatılamadı. Kullanımda ya da çıkarılmış olabilir.</translation>
    </message>
    <message>
        <source>A value given to the sound system was out of range.</source>
        <translation>Ses sistemine verilen bir değer aralık dışındaydı.</translation>
    </message>
    <message>
        <source>The sound system is not running.</source>
        <translation>Ses sistemi çalışmıyor.</translation>
    </message>
    <message>
        <source>The sound system is already running.</source>
        <translation>Ses sistemi zaten çalışıyor.</translation>
    </message>
    <message>
        <source>The sound output device failed while playing.</source>
        <translation>Ses çıkış aygıtı çalarken arızalandı.</translation>
    </message>
    <message>
        <source>The sound could not be encoded.</source>
        <translation>Ses kodlanamadı.</translation>
    </message>
    <message>
        <source>The recording cannot be played: it claims more than 8 channels, a sample rate above 384 kHz, or holds no sound at all.</source>
        <translation>Kayıt çalınamıyor: 8'den fazla kanal, 384 kHz üstü örnekleme hızı iddia ediyor ya da hiç ses içermiyor.</translation>
    </message>
    <message>
        <source>No microphone was found: there is no input device to record from.</source>
        <translation>Mikrofon bulunamadı: kayıt yapılacak giriş aygıtı yok.</translation>
    </message>
    <message>
        <source>The microphone could not be opened: another program may be using it.</source>
        <translation>Mikrofon açılamadı: başka bir program kullanıyor olabilir.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Bilinmeyen hata.</translation>
    </message>
    <message>
        <source>The recording is longer than an aya can be (over ten minutes).</source>
        <translation>Kayıt bir ayetin olabileceğinden uzun (on dakikadan fazla).</translation>
    </message>
    <message>
        <source>The recording holds more samples than an aya's can (ten minutes of stereo at 96 kHz): it is too large to decode.</source>
        <translation>Kayıt, bir ayet kaydının alabileceğinden fazla örnek içeriyor (96 kHz'de iki kanalda on dakika): çözülemeyecek kadar büyük.</translation>
    </message>
    <message>
        <source>libsndfile, which reads and writes recordings, cannot be loaded: install the package libsndfile1.</source>
        <translation>Kayıtları okuyan ve yazan libsndfile yüklenemiyor: libsndfile1 paketini kurun.</translation>
    </message>
</context>
<context>
    <name>SpanDrill</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · parça %1 - %2 sn</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>Yığın %L1-%L2, tur %L3 · ayet %L4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · yığın %L1–%L2, tur %L3 · ayet %L4 / %L5 (%6)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1 s</source>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>No sura pack installed</source>
        <translation>Kurulu sure paketi yok</translation>
    </message>
    <message>
        <source> · recorded</source>
        <translation> · kaydedildi</translation>
    </message>
    <message>
        <source> · pause %1</source>
        <translation> · duraklama %1</translation>
    </message>
    <message>
        <source> · repetition %1 of %2</source>
        <translation> · tekrar %L1 / %L2</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · tekrar %L1</translation>
    </message>
</context>
<context>
    <name>TranslationFonts</name>
    <message>
        <source>The %1 text needs the font %2, which is not installed: install the package %3.</source>
        <translation>%1 metni için %2 yazı tipi gerekiyor, ama kurulu değil: %3 paketini kurun.</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play Aya</source>
        <translation>Ayeti Çal</translation>
    </message>
    <message>
        <source>Stop Playing</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>Önceki Ayet</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>Sonraki Ayet</translation>
    </message>
    <message>
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation>Geçerli ayeti çalar (Boşluk, Ctrl+Boşluk veya Çal tuşu)</translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation>Geçerli ayeti durdurur (Boşluk, Ctrl+Boşluk veya Dur tuşu)</translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation>Bu suredeki önceki ayeti çal (Sol, Ctrl+Sol veya Önceki tuşu)</translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation>Bu suredeki sonraki ayeti çal (Sağ, Ctrl+Sağ veya Sonraki tuşu)</translation>
    </message>
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Drag this passage to your heart</source>
        <translation>Bu bölümü kalbinize sürükleyin</translation>
    </message>
    <message>
        <source>This is the sura's last aya.</source>
        <translation>Bu, surenin son ayeti.</translation>
    </message>
    <message>
        <source>This is the sura's first aya.</source>
        <translation>Bu, surenin ilk ayeti.</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>HATA: Ekran boyutu çok küçük! Lütfen 800x600 veya daha yüksek bir çözünürlüğe geçin</translation>
    </message>
    <message>
        <source>The picture of aya %1 is too large to show: %2 MB, where at most %3 MB are shown.</source>
        <translation>%1 ayetinin resmi gösterilemeyecek kadar büyük: %2 MB, en çok %3 MB gösterilir.</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>Tekrarınız kaydedilemedi:</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>Tekrar biriminiz kaydedilemedi:</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Waveforms of the reciter and of your recitation</source>
        <translation>Kârinin ve sizin okumanızın dalga biçimleri</translation>
    </message>
    <message>
        <source>The reciter: %1 s; you: %2 s</source>
        <translation>Kâri: %1 sn; siz: %2 sn</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>Kâri</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Siz</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>Meali &amp;Gizle</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>Meali &amp;Göster</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>Okunuşu &amp;Gizle</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>Okunuşu &amp;Göster</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>&amp;Kâri</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>Profili &amp;Kaydet</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>&amp;Yeni/Profil Yükle</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Tercihler</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>Kayıtları &amp;İçe Aktar...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Heart</source>
        <translation>&amp;Kalp</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>&amp;Tekrar Paneli</translation>
    </message>
    <message>
        <source>Recitation &amp;Settings</source>
        <translation>Okuyuş &amp;Ayarları</translation>
    </message>
    <message>
        <source>&amp;My Recitation</source>
        <translation>&amp;Okuyuşum</translation>
    </message>
    <message>
        <source>Reset La&amp;yout</source>
        <translation>&amp;Düzeni Sıfırla</translation>
    </message>
    <message>
        <source>&amp;Night Reading</source>
        <translation>&amp;Gece Okuma</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation>Genişliğe Sığdır</translation>
    </message>
    <message>
        <source>Mark the &amp;Heard Word</source>
        <translation>Duyulan &amp;Kelimeyi İşaretle</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Alıştırma</translation>
    </message>
    <message>
        <source>Hide the aya</source>
        <translation>Ayeti gizle</translation>
    </message>
    <message>
        <source>Hide the translation</source>
        <translation>Meali gizle</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Daha yavaş</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Daha hızlı</translation>
    </message>
    <message>
        <source>Snap the Part to Words</source>
        <translation>Bölümü Kelimelere Oturt</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>Bölümü Kalbe Ekle</translation>
    </message>
    <message>
        <source>Record My Recitation</source>
        <translation>Okuyuşumu Kaydet</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>Benimkini Çal</translation>
    </message>
    <message>
        <source>Compare with the Reciter</source>
        <translation>Kâriyle Karşılaştır</translation>
    </message>
    <message>
        <source>Check My Recitation</source>
        <translation>Okuyuşumu Denetle</translation>
    </message>
    <message>
        <source>Interface &amp;Language</source>
        <translation>Arayüz &amp;Dili</translation>
    </message>
    <message>
        <source>Bring Back My Previous Take</source>
        <translation>Önceki Kaydımı Geri Getir</translation>
    </message>
    <message>
        <source>Delete My Recording of This Aya...</source>
        <translation>Bu Ayetin Kaydımı Sil...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>Tüm Kayıtlarımı Sil...</translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation>Kâriyi &amp;Ayarla</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>&amp;Kurulu Paketler...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Heart</source>
        <translation>Kalp</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Tekrar</translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation>Okuyuş Ayarları</translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation>Okuyuşum</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>%1 held more than settings can be (a damaged value): what could not be read is left out, and every other setting is kept.</source>
        <translation>%1, ayarların alabileceğinden fazlasını içeriyordu (bozuk bir değer): okunamayan kısım dışarıda bırakıldı, diğer tüm ayarlar korundu.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Dosyanın önceki hâli %1 olarak saklandı.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1:</source>
        <translation>Ayarlarınız %1 içine kaydedilemedi:</translation>
    </message>
    <message>
        <source>They stay as they are until Varnel closes.</source>
        <translation>Varnel kapanana kadar olduğu gibi kalırlar.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Varnel cannot use the folder "%1" for its files.</source>
        <translation>Varnel dosyaları için "%1" klasörünü kullanamıyor.</translation>
    </message>
</context>
</TS>